#pragma once
// What a run over many files prints: one row per file (file, site name,
// panel, loops, devices, along the cable: "Pass" or the first loop failing
// there with its first failing check, and the result: the overall verdict,
// with the first failing loop of a failing design, or why the file was not
// checked), then a line with the counts.

#include <cstdint>
#include <string>
#include <vector>

struct CalcSummary;

struct BatchEntry {
    std::string File;
    int Status = 0;  // the file's exit status (see CalcExit)
    std::string SiteName;
    std::string Panel;
    int Loops = 0;
    int32_t Devices = 0;
    std::string AlongCable;
    std::string Result;
};

// A file opened and recalculated.
BatchEntry CheckedEntry(const CalcSummary& summary);
// A file that could not be opened or was refused, and why.
BatchEntry FailedEntry(const std::string& file, const std::string& reason);

// The rows under their headings, a blank line and the counts:
// "12 files: 9 satisfactory, 2 not satisfactory, 1 failed to open".
std::string BatchText(const std::vector<BatchEntry>& entries);
