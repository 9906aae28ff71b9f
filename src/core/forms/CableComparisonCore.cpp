#include "forms/CableComparisonCore.h"

#include "document/Document.h"
#include "document/LoopResults.h"
#include "text/Scaling.h"

#include <cctype>


CableComparisonCore::CableComparisonCore(const Document& document, int units, int loop)
    : document_(document), units_(units), loop_(loop), comparison_(CompareCables(document, loop))
{
}

std::string CableComparisonCore::Caption() const
{
    return "Compare Cables - " + LoopTitle(loop_, document_.LoopName(loop_));
}

std::string CableComparisonCore::Explanation() const
{
    const clsCalculator& model = document_.Loop(loop_);
    std::string text = model.CalcType() == CalculationType::MaxCableRun
                           ? "Each cable at the longest run it allows, with this loop's devices and first run."
                           : "Each cable at this loop's total cable run of " +
                                 Scaling::FormatLength(model.CableTotal(), units_) + " " +
                                 Scaling::LengthUnitsText(units_, false) + ".";
    text += std::string("\n") + MarginsText + "\n" + SmallestMeaningText;
    if (!comparison_.Smallest)
        text += "\nNo cable passes on this loop.";
    return text;
}

CableComparisonCore::CellTexts CableComparisonCore::HeadingsFor(int units)
{
    const std::string length = Scaling::LengthUnitsText(units, false);
    return {"Cable",
            "Impedance (" + Scaling::ImpedanceUnitsText(units) + ")",
            "Volt Drop (V)",
            "Verdict",
            "Longest Run (" + length + ")",
            "Whole (V)",
            "Open IN (V)",
            "Open OUT (V)",
            "Result"};
}

std::string CableComparisonCore::FailureText(const CableComparisonRow& row)
{
    if (row.Verdict != LoopDesignCode::Satisfactory)
        return "Fails: " + clsCalculator::LoopDesignShortFor(row.Verdict);
    for (const Feed feed : AllFeeds) {
        if (row.Of(feed).Pass)
            continue;
        std::string name = FeedName(feed);
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        return "Fails " + name + " (address " + std::to_string(row.Of(feed).WorstAddress) + ")";
    }
    return "";
}

CableComparisonCore::RowTexts CableComparisonCore::TextsFor(const CableComparison& comparison, size_t row, int units)
{
    const CableComparisonRow& r = comparison.Rows[row];
    RowTexts texts;
    texts.Smallest = comparison.Smallest == row;
    texts.Pass = r.Pass;
    texts.OwnCable = r.OwnCable;
    const auto margin = [&](Feed feed) { return r.HasPoints ? VoltsTextToHundredths(r.Of(feed).WorstMargin) : "-"; };
    texts.Cells = {r.OwnCable ? r.Name + " (this loop's)" : r.Name,
                   Scaling::FormatImpedance(r.Impedance, units),
                   VoltsText(r.VoltDrop.ToDouble()),
                   clsCalculator::LoopDesignShortFor(r.Verdict),
                   r.LongestRun > 0 ? Scaling::FormatLength(r.LongestRun, units) : "none",
                   margin(Feed::Whole),
                   margin(Feed::OpenIn),
                   margin(Feed::OpenOut),
                   texts.Smallest ? SmallestText : r.Pass ? PassText : FailureText(r)};
    return texts;
}

std::optional<size_t> CableComparisonCore::FirstSelectedRow() const
{
    for (size_t row = 0; row < RowCount(); ++row)
        if (comparison_.Rows[row].OwnCable)
            return row;
    if (comparison_.Smallest)
        return comparison_.Smallest;
    return RowCount() > 0 ? std::optional<size_t>(0) : std::nullopt;
}

bool CableComparisonCore::CanUseCable(size_t row) const
{
    return row < RowCount() && !comparison_.Rows[row].OwnCable &&
           document_.Loop(loop_).CalcType() != CalculationType::SmallestCable;
}
