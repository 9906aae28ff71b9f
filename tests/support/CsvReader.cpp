#include "support/CsvReader.h"

#include "text/CsvReader.h"

std::optional<CsvRecords> ReadCsv(std::string_view text)
{
    CsvReader::Table table = CsvReader::Read(text, ',', CsvReader::Strictness::Standard);
    if (!table.Read())
        return std::nullopt;
    return std::move(table.Records);
}
