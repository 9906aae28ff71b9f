#include "document/LoopResults.h"

#include "document/CalculationSupport.h"
#include "text/CurrentText.h"
#include "text/Rounding.h"
#include "text/Scaling.h"
#include "loop/clsCalculator.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "loop/AlongCable.h"

#include <cmath>

std::string VoltsText(double volts) { return Rounding::FormatFixed(volts, 1); }

Currency VoltsToHundredths(double volts)
{
    return Currency::FromScaled(std::llround(volts * 100) * (Currency::Scale / 100));
}

std::string VoltsTextToHundredths(double volts) { return Rounding::FormatFixed(VoltsToHundredths(volts).ToDouble(), 2); }

std::string LoopTitle(int loop, std::string_view name)
{
    std::string title = "Loop " + std::to_string(loop);
    if (!name.empty())
        title += " - " + std::string(name);
    return title;
}

std::string LoopsText(const std::vector<int>& loops)
{
    std::string text = loops.size() == 1 ? "Loop " : "Loops ";
    for (size_t i = 0; i < loops.size(); ++i) {
        if (i > 0)
            text += i + 1 == loops.size() ? " and " : ", ";
        text += std::to_string(loops[i]);
    }
    return text;
}

LoopEditorResults LoopEditorResultsFor(const clsCalculator& loop, const Catalogue& catalogue, int units)
{
    LoopEditorResults results;
    results.Quantity = std::to_string(loop.DevicesOnLoop());
    results.QuiescentDevices = CurrentText(loop.QuiescentCurrentDevices());
    results.AlarmDevices = CurrentText(loop.AlarmCurrentDevices());
    results.QuiescentTotal = CurrentText(loop.QuiescentCurrentTotal());
    results.AlarmTotal = CurrentText(loop.AlarmCurrentTotal());
    results.PanelLimit = "* - " + loop.PanelLimitText();
    results.PanelLimitVisible = !loop.PanelLimitText().empty();
    results.MaxVoltDrop = "(Max. permissible = " + VoltsText(loop.MaxVoltDrop().ToDouble()) + " V)";
    results.VoltDrop = VoltsText(loop.VoltDrop().ToDouble()) + " V";
    results.ShowsTotalLength = loop.CalcType() == CalculationType::MaxCableRun;
    if (results.ShowsTotalLength)
        results.TotalLength = Scaling::FormatLength(loop.CableTotal(), units);
    results.ShowsCable = loop.CalcType() == CalculationType::SmallestCable;
    results.CablePosition = catalogue.FindCableByImpedance(loop.CableImpedance());
    results.LimitCableRunVisible = loop.CableTotal() >= clsCalculator::MaxCableLength;
    results.PassFail = loop.LoopDesignLong();
    results.Satisfactory = loop.DesignIsSatisfactory();
    results.Explanation = loop.DesignExplanation();
    return results;
}

LoopEditorResults StaleLoopEditorResults(LoopEditorResults shown, CalculationType calcType)
{
    if (calcType == CalculationType::MaxCableRun)
        shown.TotalLength.clear();
    shown.VoltDrop.clear();
    shown.MaxVoltDrop.clear();
    shown.Explanation.clear();
    shown.PassFail = StaleResultsText;
    return shown;
}

MainLoopRow MainLoopRowFor(const clsCalculator& loop)
{
    return {std::to_string(loop.DevicesOnLoop()), CurrentText(loop.QuiescentCurrentTotal()),
            CurrentText(loop.AlarmCurrentTotal()), loop.LoopDesignShort(), loop.DesignIsSatisfactory()};
}

MainTotals MainTotalsFor(const Document& document)
{
    MainTotals totals;
    totals.AlarmNoteVisible = CalculationSupport::TotalAlarmCurrentTooHigh(document);
    totals.Devices = std::to_string(CalculationSupport::TotalDevices(document));
    totals.Quiescent = CurrentText(CalculationSupport::TotalQuiescentCurrent(document));
    totals.Alarm = CurrentText(CalculationSupport::TotalAlarmCurrent(document));
    totals.PassFail = CalculationSupport::OverallDesignText(document);
    totals.Satisfactory = CalculationSupport::OverallDesignSatisfactory(document);
    return totals;
}

std::string AlongCablePointName(const Catalogue& catalogue, const AlongCablePoint& point)
{
    return point.Slot == 0 ? catalogue.DeviceType(point.Type).Name : catalogue.OtherDevice(point.Type).SingleName;
}

std::string AlongCablePointTip(const Catalogue& catalogue, const AlongCablePoint& point)
{
    std::string tip = "Address " + std::to_string(point.Address) + ": " + AlongCablePointName(catalogue, point);
    for (const Feed feed : AllFeeds)
        tip += std::string("\n") + FeedName(feed) + ": " +
               VoltsTextToHundredths(point.Volts[static_cast<size_t>(feed)]) + " V";
    return tip;
}
