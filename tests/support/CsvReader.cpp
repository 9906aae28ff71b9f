#include "support/CsvReader.h"

std::optional<CsvRecords> ReadCsv(std::string_view text)
{
    CsvRecords records;
    size_t at = 0;
    const auto take = [&](char c) { return at < text.size() && text[at] == c && ++at > 0; };
    while (at < text.size()) {
        std::vector<std::string>& record = records.emplace_back();
        do {
            std::string& field = record.emplace_back();
            if (take('"')) {
                for (;;) {
                    if (at >= text.size())
                        return std::nullopt;  // no closing quote
                    const char c = text[at++];
                    if (c == '"' && !take('"'))
                        break;  // the closing quote; a doubled one stands for one
                    field += c;
                }
            } else {
                for (; at < text.size() && text[at] != ',' && text[at] != '\r'; ++at) {
                    if (text[at] == '"' || text[at] == '\n')
                        return std::nullopt;
                    field += text[at];
                }
            }
        } while (take(','));
        if (!take('\r') || !take('\n'))
            return std::nullopt;
    }
    return records;
}
