#pragma once
// Comma-separated text for spreadsheet programs (RFC 4180): a field is
// quoted when it holds a comma, a quote, a line break or blanks at either
// end, with its quotes doubled; rows end in CR LF; the text begins with the
// UTF-8 byte-order mark so that µ and accents read right. Numbers are
// written by the caller, always with "." as the point.

#include <string>
#include <string_view>
#include <vector>

class CsvWriter {
public:
    static constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

    // A field as it goes into a row: quoted only when it must be.
    static std::string Field(std::string_view text);

    void AddRow(const std::vector<std::string>& fields);
    // The byte-order mark and every row so far.
    const std::string& Text() const { return text_; }

private:
    std::string text_{ByteOrderMark};
};
