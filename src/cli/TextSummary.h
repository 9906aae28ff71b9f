#pragma once
// The headless calculator's text output: the loop summary as the printed
// report has it (site, panel, one row per loop of the panel, the totals and
// the overall verdict), then each loop's volt drop, permissible volt drop,
// cable, why it is not satisfactory when it is not, and the lowest voltages
// along the cable and its worst isolator section; with `devices`, a table of
// every point along the cable.

#include <string>

struct CalcSummary;

// Lengths and impedances in the unit system `units` (Scaling::Metric or Imperial).
std::string SummaryText(const CalcSummary& summary, int units, bool devices = false);
