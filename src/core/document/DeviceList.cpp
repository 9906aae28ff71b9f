#include "document/DeviceList.h"

#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"
#include "text/Blanks.h"
#include "text/CsvReader.h"
#include "text/Scaling.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace DeviceList {

namespace {

using Field = std::string Row::*;

struct HeaderName {
    const char* Name;  // folded
    Field Of;
    int Units = Scaling::Metric;
};

// The export's own names first, then the plain ones spreadsheets and CAD
// schedules use.
constexpr HeaderName HeaderNames[] = {
    {"loop", &Row::Loop},
    {"loop no", &Row::Loop},
    {"loop no.", &Row::Loop},
    {"loop number", &Row::Loop},
    {"kind", &Row::Kind},
    {"device type", &Row::Type},
    {"name", &Row::Type},
    {"type", &Row::Type},
    {"device", &Row::Type},
    {"device name", &Row::Type},
    {"description", &Row::Type},
    {"quantity", &Row::Quantity},
    {"qty", &Row::Quantity},
    {"qty.", &Row::Quantity},
    {"count", &Row::Quantity},
    {"address", &Row::Address},
    {"addr", &Row::Address},
    {"addr.", &Row::Address},
    {"position (m)", &Row::Position},
    {"distance (m)", &Row::Position},
    {"position", &Row::Position},
    {"distance", &Row::Position},
    {"position (ft)", &Row::Position, Scaling::Imperial},
    {"distance (ft)", &Row::Position, Scaling::Imperial},
    {"slave base", &Row::SlaveBase},
    {"base other device", &Row::BaseOther},
    {"base", &Row::BaseOther},
    {"attached other device", &Row::AttachedOther},
    {"other device", &Row::AttachedOther},
    {"standalone device", &Row::Standalone},
    {"standalone devices after", &Row::Standalone},
    {"address tag", &Row::Tag},
    {"tag", &Row::Tag},
    {"location", &Row::Location},
};

// A header's name with blanks around and runs of blanks inside made one.
std::string HeaderKey(std::string_view text)
{
    std::string key;
    for (const char c : Blanks::Trim(text)) {
        if (c == ' ' && !key.empty() && key.back() == ' ')
            continue;
        key += c;
    }
    return FoldCase(key);
}

const HeaderName* FindHeader(std::string_view text)
{
    const std::string key = HeaderKey(text);
    for (const HeaderName& header : HeaderNames)
        if (key == header.Name)
            return &header;
    return nullptr;
}

bool Blank(const CsvReader::Record& record)
{
    return std::all_of(record.begin(), record.end(), [](const std::string& field) { return Blanks::Trim(field).empty(); });
}

List Refused(std::string failure)
{
    List list;
    list.Failure = std::move(failure);
    return list;
}

std::string Named(const std::string& name) { return "The device list '" + name + "'"; }

constexpr const char* TooLargeText = " is too large for a device list (over 4 MB).";

size_t KnownColumns(const CsvReader::Record& record)
{
    return static_cast<size_t>(std::count_if(record.begin(), record.end(),
                                              [](const std::string& title) { return FindHeader(title) != nullptr; }));
}

}  // namespace

List Read(std::string_view bytes, const std::string& name)
{
    if (bytes.size() > LargestFileBytes)
        return Refused(Named(name) + TooLargeText);
    const std::string text = TextEncoding::DecodeFileText(bytes);
    const char separator = CsvReader::GuessSeparator(text);
    const CsvReader::Table table = CsvReader::Read(text, separator);
    if (!table.Read())
        return Refused(Named(name) + " cannot be read: " + table.Failure + " (line " + std::to_string(table.FailureLine) +
                       ").");
    if (std::all_of(table.Records.begin(), table.Records.end(), Blank))
        return Refused(Named(name) + " holds no rows.");
    // The header is the first row naming two columns: a title may stand above it.
    const auto header = std::find_if(table.Records.begin(), table.Records.end(),
                                     [](const CsvReader::Record& record) { return KnownColumns(record) >= 2; });

    List list;
    list.DecimalComma = separator == ';';
    std::vector<std::optional<Field>> columns;
    for (const std::string& title : header == table.Records.end() ? CsvReader::Record{} : *header) {
        const HeaderName* found = FindHeader(title);
        const bool taken = found && std::find(columns.begin(), columns.end(), found->Of) != columns.end();
        columns.push_back(found && !taken ? std::optional<Field>(found->Of) : std::nullopt);
        if (!found || taken)
            continue;
        if (found->Of == &Row::Position)
            list.PositionUnits = found->Units;
    }
    const auto has = [&columns](Field field) { return std::find(columns.begin(), columns.end(), field) != columns.end(); };
    if (has(&Row::Address))
        list.Of = Format::AddressSchedule;
    else if (has(&Row::Quantity) && has(&Row::Type))
        list.Of = Format::BillOfQuantities;
    else
        return Refused(Named(name) + " has no header row naming its columns: it needs an Address column (a schedule "
                                     "of addresses) or Type and Quantity columns (a bill of quantities).");
    list.HasLoopColumn = has(&Row::Loop);

    for (auto record = header + 1; record != table.Records.end(); ++record) {
        if (Blank(*record))
            continue;
        Row& row = list.Rows.emplace_back();
        row.Number = static_cast<size_t>(record - table.Records.begin()) + 1;
        // A row may be shorter or longer than the header.
        for (size_t i = 0; i < std::min(record->size(), columns.size()); ++i)
            if (columns[i])
                row.*(*columns[i]) = std::string(Blanks::Trim((*record)[i]));
    }
    return list;
}

List ReadFile(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    if (const auto problem = FileSystem::CheckReadable(path))
        return Refused(Named(name) + " cannot be read: " + problem->Description + ".");
    if (const auto stamp = FileSystem::Stamp(path); stamp && stamp->Size > LargestFileBytes)
        return Refused(Named(name) + TooLargeText);
    const std::optional<std::string> bytes = FileSystem::ReadFileBytes(path);
    if (!bytes)
        return Refused(Named(name) + " cannot be read.");
    return Read(*bytes, name);
}

}  // namespace DeviceList
