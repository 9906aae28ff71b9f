#include "document/CableComparison.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"

#include <algorithm>

namespace {

// The loop as the program recalculates it, with another cable and calculation:
// a copy is calculated with the last Calculate arguments of what it copies.
clsCalculator WithCable(const clsCalculator& loop, int16_t impedance, CalculationType calcType)
{
    clsCalculator changed = loop.Copy();
    changed.SetCalcType(calcType);
    changed.SetCableImpedance(impedance);
    return changed.Copy();
}

}  // namespace

CableComparison CompareCables(const Document& document, int loop)
{
    const clsCalculator& model = document.Loop(loop);
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int32_t pointsPerSection = panel ? panel->MaxPointsBetweenIsolators : DefaultPointsPerSection;
    // A result cable would replace the row's own.
    const CalculationType calcType =
        model.CalcType() == CalculationType::SmallestCable ? CalculationType::MaxVoltDrop : model.CalcType();

    CableComparison comparison;
    const std::vector<CableRecord>& cables = document.Catalog().Cables;
    for (size_t i = 0; i < cables.size(); ++i) {
        if (!cables[i].Enabled)
            continue;
        const clsCalculator copy = WithCable(model, cables[i].Impedance, calcType);
        CableComparisonRow row;
        row.Cable = static_cast<int>(i);
        row.Name = cables[i].Name;
        row.Impedance = cables[i].Impedance;
        row.VoltDrop = copy.VoltDrop();
        row.Verdict = copy.LoopDesign();
        row.LongestRun = calcType == CalculationType::MaxCableRun
                             ? copy.CableTotal()
                             : WithCable(model, row.Impedance, CalculationType::MaxCableRun).CableTotal();
        const AlongCableResult along = copy.AnalyseAlongCable(pointsPerSection);
        row.HasPoints = !along.Empty();
        row.Feeds = along.Feeds;
        row.OwnCable = row.Impedance == model.CableImpedance();
        row.Pass = copy.DesignIsSatisfactory() &&
                   std::all_of(AllFeeds.begin(), AllFeeds.end(), [&](Feed feed) { return along.Of(feed).Pass; });
        if (row.Pass && (!comparison.Smallest || row.Impedance > comparison.Rows[*comparison.Smallest].Impedance))
            comparison.Smallest = comparison.Rows.size();
        comparison.Rows.push_back(std::move(row));
    }
    return comparison;
}
