#include "cli/BatchReport.h"

#include "cli/CalcSummary.h"
#include "cli/FerroluxCalc.h"
#include "cli/TextColumns.h"

#include <algorithm>
#include <array>

namespace {

using Row = std::array<std::string, 7>;

// "Pass", or "Fails (loop 1: section 3: 34 points, limit 32)": the first loop
// of the panel that fails along the cable, with its first failing check.
std::string AlongCableCell(const CalcSummary& summary)
{
    const int loops = std::clamp(summary.PanelLoops, 0, static_cast<int>(summary.Loops.size()));
    const auto end = summary.Loops.begin() + loops;
    const auto failing = std::find_if(summary.Loops.begin(), end,
                                      [](const LoopSummary& loop) { return !loop.AlongCableChecks.Pass(); });
    if (failing != end)
        return "Fails (loop " + std::to_string(failing->Loop) + ": " + failing->AlongCableChecks.FirstFailure + ")";
    const bool checked = std::any_of(summary.Loops.begin(), end,
                                     [](const LoopSummary& loop) { return !loop.AlongCableChecks.Empty; });
    return checked ? "Pass" : "No devices";
}

// "Design Not Satisfactory (loop 4: Volt Drop Too High)": the first loop of
// the panel that fails, when one does (the total alarm current alone can
// fail a design).
std::string ResultText(const CalcSummary& summary)
{
    const int loops = std::clamp(summary.PanelLoops, 0, static_cast<int>(summary.Loops.size()));
    const auto end = summary.Loops.begin() + loops;
    const auto failing =
        std::find_if(summary.Loops.begin(), end, [](const LoopSummary& loop) { return !loop.Satisfactory; });
    if (summary.Satisfactory || failing == end)
        return summary.Overall;
    return summary.Overall + " (loop " + std::to_string(failing->Loop) + ": " + failing->DesignShort + ")";
}

// The file's name on its line of the table: as it is, unless it holds a
// control character (a line break would split the table) or begins with a
// double quote; then between double quotes with C's escapes (\n, \t, \",
// \\, \x1b...), so that the name can be read back exactly.
std::string TableFileName(const std::string& name)
{
    const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
    if (!name.starts_with('"') && std::none_of(name.begin(), name.end(), control))
        return name;
    static constexpr char Hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '\t')
            quoted += "\\t";
        else if (control(byte))
            quoted += std::string("\\x") + Hex[byte >> 4] + Hex[byte & 0x0F];
        else
            quoted += c;
    }
    return quoted + "\"";
}

std::string CountsText(const std::vector<BatchEntry>& entries)
{
    const auto count = [&entries](int status) {
        return std::to_string(std::count_if(entries.begin(), entries.end(),
                                            [status](const BatchEntry& entry) { return entry.Status == status; }));
    };
    return std::to_string(entries.size()) + (entries.size() == 1 ? " file: " : " files: ") +
           count(CalcExit::Satisfactory) + " satisfactory, " + count(CalcExit::NotSatisfactory) +
           " not satisfactory, " + count(CalcExit::NotOpened) + " failed to open\n";
}

}  // namespace

BatchEntry CheckedEntry(const CalcSummary& summary)
{
    return {summary.File,
            summary.Satisfactory ? CalcExit::Satisfactory : CalcExit::NotSatisfactory,
            summary.SiteName,
            summary.Panel,
            summary.PanelLoops,
            summary.TotalDevices,
            AlongCableCell(summary),
            ResultText(summary)};
}

BatchEntry FailedEntry(const std::string& file, const std::string& reason)
{
    BatchEntry entry;
    entry.File = file;
    entry.Status = CalcExit::NotOpened;
    entry.Result = "Failed to open: " + reason;
    // On one line, as the open's messages are (a folder's name may hold a line break).
    std::replace_if(entry.Result.begin(), entry.Result.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return entry;
}

std::string BatchText(const std::vector<BatchEntry>& entries)
{
    std::vector<Row> rows{{"File", "Site Name", "Panel", "Loops", "Devices", "Along the Cable", "Result"}};
    for (const BatchEntry& e : entries) {
        const bool checked = e.Status != CalcExit::NotOpened;
        rows.push_back({TableFileName(e.File), e.SiteName, e.Panel, checked ? std::to_string(e.Loops) : "",
                        checked ? std::to_string(e.Devices) : "", e.AlongCable, e.Result});
    }
    std::array<size_t, 6> widths{};
    for (const Row& row : rows)
        for (size_t column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], TextWidth(row[column]));
    std::string text;
    for (const Row& row : rows)
        text += Left(row[0], widths[0]) + "  " + Left(row[1], widths[1]) + "  " + Left(row[2], widths[2]) + "  " +
                Right(row[3], widths[3]) + "  " + Right(row[4], widths[4]) + "  " + Left(row[5], widths[5]) + "  " +
                row[6] + "\n";
    return text + "\n" + CountsText(entries);
}
