#include "text/CsvWriter.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool NeedsQuotes(std::string_view text)
{
    return text.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!text.empty() && (IsBlank(text.front()) || IsBlank(text.back())));
}

}  // namespace

std::string CsvWriter::Field(std::string_view text)
{
    if (!NeedsQuotes(text))
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void CsvWriter::AddRow(const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text_ += ',';
        text_ += Field(fields[i]);
    }
    text_ += "\r\n";
}
