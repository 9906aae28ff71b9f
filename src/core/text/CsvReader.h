#pragma once
// Reads comma-separated text by RFC 4180, as spreadsheets write it: quoted
// fields (a doubled quote stands for one, a quoted field may hold separators
// and line ends), records ended by CR LF or LF, the last one with or without
// its line end, and a byte-order mark at the start skipped. The separator is
// a comma, a semicolon (as European spreadsheets write) or a tab.
//
// Strict reading is the standard to the letter, for checking what the
// program writes: every record ends in CR LF and no bare quote stands in an
// unquoted field. Otherwise a bare quote inside an unquoted field is kept as
// a character, as spreadsheets read it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CsvReader {

using Record = std::vector<std::string>;

struct Table {
    std::vector<Record> Records;
    // Why the text is no table ("" when it is one), and the line (from 1) where that shows.
    std::string Failure;
    size_t FailureLine = 0;
    bool Read() const { return Failure.empty(); }
};

enum class Strictness { Spreadsheet, Standard };

Table Read(std::string_view text, char separator, Strictness strictness = Strictness::Spreadsheet);

// The separator of a table whose first line is `text`'s: of comma, semicolon
// and tab, the one found most often outside quotes (a comma when none is).
char GuessSeparator(std::string_view text);

}  // namespace CsvReader
