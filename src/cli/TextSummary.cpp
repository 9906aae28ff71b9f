#include "cli/TextSummary.h"

#include "text/CurrentText.h"
#include "document/LoopResults.h"
#include "text/Scaling.h"
#include "cli/CalcSummary.h"
#include "report/PrintCalcData.h"

#include <algorithm>
#include <string_view>

namespace {

// Columns are counted in characters, so "µA" is two wide, not three.
size_t Width(std::string_view text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Right(std::string_view text, size_t width)
{
    const size_t used = Width(text);
    return std::string(used < width ? width - used : 0, ' ') + std::string(text);
}

std::string Left(std::string_view text, size_t width)
{
    const size_t used = Width(text);
    return std::string(text) + std::string(used < width ? width - used : 0, ' ');
}

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

std::string LoopDetails(const LoopSummary& loop, int units)
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
    return text;
}

}  // namespace

std::string SummaryText(const CalcSummary& summary, int units)
{
    std::string text = "Site Name:      " + summary.SiteName + "\n";
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
    for (int i = 0; i < loops; ++i)
        text += "\n" + LoopDetails(summary.Loops[static_cast<size_t>(i)], units);
    return text;
}
