#pragma once
// A profile reader that keeps nothing: every read goes back to the file and
// scans it from the top for the section and then the key, the way the
// desktop's own profile functions work. Written apart from the program's
// profile parser, so that the fuzzing can check the parser's answers against
// it, and the benchmarks can show what parsing a file once saves.

#include "text/WinINI.h"

#include <string>
#include <string_view>

// The text without the blanks and tabs around it, as names and values of
// profile lines are taken.
std::string_view TrimBlanks(std::string_view text);

// The value of the key in a profile text (lines ended by LF or CR LF), read
// with the rules of WinINI.h: the first section of the name answers, and in
// it the first key of the name.
std::string LinearProfileRead(std::string_view text, std::string_view section, std::string_view key);

class RereadingProfileReader : public WinINI::ProfileReader {
public:
    std::string ReadKey(const std::string& file, const std::string& section, const std::string& key) override;
    // Lists are rare and short: parsed afresh, as every read is.
    int LastNumberedKey(const std::string& file, const std::string& section, const std::string& word) override;
};
