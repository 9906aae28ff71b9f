#include "cli/TextSummary.h"

#include "text/CurrentText.h"
#include "document/LoopResults.h"
#include "document/PowerText.h"
#include "document/ProjectText.h"
#include "text/Scaling.h"
#include "cli/CalcSummary.h"
#include "cli/TextColumns.h"
#include "forms/CableComparisonCore.h"
#include "report/PrintCalcData.h"
#include "text/Rounding.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Loop, Devices, Quiescent and Alarm right-aligned under their headings, then the verdict.
std::string SummaryRow(std::string_view loop, std::string_view devices, std::string_view quiescent,
                       std::string_view alarm, std::string_view design)
{
    return Left(loop, 6) + Right(devices, 9) + Right(quiescent, 12) + Right(alarm, 12) + "   " + std::string(design) +
           "\n";
}

std::string Detail(std::string_view label, const std::string& value)
{
    return "  " + Left(label, 24) + value + "\n";
}

std::string CableText(const LoopSummary& loop, int units)
{
    const std::string lengthUnits = " " + Scaling::LengthUnitsText(units, false);
    std::string text = loop.CableName + " (" + Scaling::FormatImpedance(loop.CableImpedance, units) + " " +
                       Scaling::ImpedanceUnitsText(units) + "), total run " +
                       Scaling::FormatLength(loop.CableTotal, units) + lengthUnits;
    if (loop.CableFirst > 0)
        text += ", to first device " + Scaling::FormatLength(loop.CableFirst, units) + lengthUnits;
    return text;
}

std::string EndText(int address) { return address == 0 ? "the panel" : "address " + std::to_string(address); }

// "23.55 V open at IN end (address 3)", and where a device gets less than
// its minimum, the one with the least margin.
std::string FeedText(const FeedResult& result, Feed feed)
{
    std::string name = FeedName(feed);
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    std::string text = VoltsTextToHundredths(result.LowestVolts) + " V " + name + " (address " +
                       std::to_string(result.LowestAddress);
    if (!result.Pass)
        text += ", fails at address " + std::to_string(result.WorstAddress);
    return text + ")";
}

std::string SectionText(const IsolatorSection& section, bool isolators)
{
    std::string text = std::to_string(section.Points) + " points (limit " + std::to_string(section.Limit) + ")";
    text = isolators ? "worst section " + text + " from " + EndText(section.From) + " to " + EndText(section.To)
                     : "no isolator, " + text;
    return section.Pass ? text : text + ", fails";
}

// The lowest voltage of each feed and the worst isolator section, on one line.
std::string AlongCableText(const AlongCableResult& along)
{
    std::string text = along.Positioned         ? ""
                       : along.PartlyPositioned ? "partly positioned (" + PlacedBetweenText(along) + "); "
                                                : "devices placed evenly (no positions); ";
    text += "lowest ";
    for (const Feed feed : AllFeeds)
        text += (feed == Feed::Whole ? "" : ", ") + FeedText(along.Of(feed), feed);
    return text + "; " + SectionText(*along.WorstSection(), along.Sections.size() > 1);
}

// Position, Address, Slot, Type, Alarm and the voltages under their headings.
std::string DeviceRow(const std::array<std::string, 9>& cells, size_t typeWidth)
{
    return "  " + Right(cells[0], 13) + Right(cells[1], 9) + Right(cells[2], 6) + "   " + Left(cells[3], typeWidth) +
           Right(cells[4], 10) + Right(cells[5], 10) + Right(cells[6], 11) + Right(cells[7], 12) + Right(cells[8], 8) +
           "\n";
}

// Every point along the cable: a standalone device with its slot, the
// device at an address without.
std::string DeviceTable(const LoopSummary& loop, int units)
{
    size_t typeWidth = TextWidth("Type");
    for (const std::string& type : loop.PointTypes)
        typeWidth = std::max(typeWidth, TextWidth(type));
    const std::string position = "Position (" + Scaling::LengthUnitsText(units, false) + ")";
    std::string text = DeviceRow(
        {position, "Address", "Slot", "Type", "Alarm", "Whole V", "Open IN V", "Open OUT V", "Min V"}, typeWidth);
    for (size_t i = 0; i < loop.AlongCable.Points.size(); ++i) {
        const AlongCablePoint& point = loop.AlongCable.Points[i];
        const std::optional<Currency> alarm = Currency::FromDouble(ForFeed(point.Current, Feed::Whole));
        text += DeviceRow({Scaling::FormatLength(point.Position, units), std::to_string(point.Address),
                           point.Slot == 0 ? "" : std::to_string(point.Slot), loop.PointTypes[i],
                           CurrentText(alarm.value_or(Currency())), VoltsTextToHundredths(ForFeed(point.Volts, Feed::Whole)),
                           VoltsTextToHundredths(ForFeed(point.Volts, Feed::OpenIn)),
                           VoltsTextToHundredths(ForFeed(point.Volts, Feed::OpenOut)), VoltsTextToHundredths(point.MinimumVoltage)},
                          typeWidth);
    }
    return text;
}

// Every cable tried on the loop, a row each under the window's headings,
// each column as wide as its widest text; the names and verdicts to the
// left, the figures to the right.
std::string CableTable(const CableComparison& comparison, int units)
{
    using Core = CableComparisonCore;
    std::vector<Core::CellTexts> rows{Core::HeadingsFor(units)};
    for (size_t row = 0; row < comparison.Rows.size(); ++row)
        rows.push_back(Core::TextsFor(comparison, row, units).Cells);
    std::array<size_t, Core::ColumnCount> widths{};
    for (const Core::CellTexts& cells : rows)
        for (size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], TextWidth(cells[column]));
    std::string text = "  Cables compared. " + std::string(Core::MarginsText) + "\n  " + Core::SmallestMeaningText + "\n";
    for (const Core::CellTexts& cells : rows) {
        std::string line = " ";
        for (size_t column = 0; column < cells.size(); ++column) {
            const bool left = column == Core::CableColumn || column == Core::VerdictColumn || column == Core::ResultColumn;
            line += "  " + (left ? Left(cells[column], widths[column]) : Right(cells[column], widths[column]));
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string LoopDetails(const LoopSummary& loop, int units, bool devices)
{
    std::string text = "Loop " + std::to_string(loop.Loop);
    if (!loop.Name.empty())
        text += "  " + loop.Name;
    text += "\n";
    text += Detail("Calculation", PrintCalcData::CalculationTypeText(loop.CalcType));
    text += Detail("Volt drop", VoltsText(loop.VoltDrop.ToDouble()) + " V");
    text += Detail("Permissible volt drop", VoltsText(loop.MaxVoltDrop.ToDouble()) + " V");
    text += Detail("Cable", CableText(loop, units));
    if (!loop.PanelLimitText.empty())
        text += Detail("Alarm current", CurrentText(loop.Alarm) + " " + loop.PanelLimitText);
    text += Detail("Design", loop.DesignShort);
    if (!loop.Satisfactory)
        text += Detail("Reason", loop.Explanation);
    if (!loop.AlongCable.Empty()) {
        text += Detail("Along the cable", AlongCableText(loop.AlongCable));
        text += Detail("Along-cable checks", loop.AlongCableChecks.Text);
    }
    if (!loop.SpareText.empty())
        text += Detail("Spare capacity", loop.SpareText);
    if (const std::optional<MoreSummary>& more = loop.HowManyMore)
        text += Detail("How many more", more->Item + ", " + HowManyMore::PlacementName(more->Placement) + ": " +
                                            HowManyMore::AnswerText(more->Answer));
    if (devices && !loop.AlongCable.Empty())
        text += DeviceTable(loop, units);
    if (loop.Cables)
        text += CableTable(*loop.Cables, units);
    return text;
}

}  // namespace

std::string SummaryText(const CalcSummary& summary, int units, bool devices)
{
    std::string text = "Site Name:      " + summary.SiteName + "\n";
    // The notes are the report's to print.
    for (const ProjectLine& line : ProjectLines(summary.Project))
        if (line.Label != "Notes")
            text += line.Label + ":" + std::string(line.Label.size() < 15 ? 15 - line.Label.size() : 1, ' ') + line.Value + "\n";
    text += "Control Panel:  " + summary.Panel + "\n\n";
    text += SummaryRow("Loop", "Devices", "Quiescent", "Alarm", "Design");
    const int loops = std::clamp(summary.PanelLoops, 0, static_cast<int>(summary.Loops.size()));
    for (int i = 0; i < loops; ++i) {
        const LoopSummary& loop = summary.Loops[static_cast<size_t>(i)];
        text += SummaryRow(std::to_string(loop.Loop), std::to_string(loop.Devices), CurrentText(loop.Quiescent),
                           CurrentText(loop.Alarm), loop.DesignShort);
    }
    // As in the printed report, a one-loop panel has no total row.
    if (loops > 1)
        text += SummaryRow("Total", std::to_string(summary.TotalDevices), CurrentText(summary.TotalQuiescent),
                           CurrentText(summary.TotalAlarm), summary.Overall);
    text += "\nOverall: " + summary.Overall + "\n";
    if (!summary.AlongCableFailures.empty())
        text += summary.AlongCableFailures + "\n";
    if (!summary.SpareShortfall.empty())
        text += summary.SpareShortfall + "\n";
    text += PowerSummaryLine(summary.BatteryInputs, summary.Battery) + "\n";
    for (int i = 0; i < loops; ++i)
        text += "\n" + LoopDetails(summary.Loops[static_cast<size_t>(i)], units, devices);
    return text;
}
