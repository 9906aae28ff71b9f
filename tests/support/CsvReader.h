#pragma once
// Reads comma-separated text back strictly by RFC 4180 (the program's own
// reader, to the letter): quoted fields with doubled quotes, every record ended by
// CR LF. Nothing when the text breaks the rules (a bare quote, a lone LF,
// text after a closing quote, an unclosed quote, a last record without its
// line end), so that a writer's slip shows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using CsvRecords = std::vector<std::vector<std::string>>;

std::optional<CsvRecords> ReadCsv(std::string_view text);
