#include "cli/CalcSummary.h"

#include "document/CalculationSupport.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "document/PowerText.h"
#include "cli/FerroluxCalc.h"

#include <algorithm>
#include <cmath>

namespace {

LoopSummary SummarizeLoop(const Document& document, int loop)
{
    const clsCalculator& model = document.Loop(loop);
    LoopSummary summary;
    summary.Loop = loop;
    summary.Name = document.LoopName(loop);
    summary.Devices = model.DevicesOnLoop();
    summary.QuiescentDevices = model.QuiescentCurrentDevices();
    summary.AlarmDevices = model.AlarmCurrentDevices();
    summary.Quiescent = model.QuiescentCurrentTotal();
    summary.Alarm = model.AlarmCurrentTotal();
    summary.VoltDrop = model.VoltDrop();
    summary.MaxVoltDrop = model.MaxVoltDrop();
    summary.CalcType = model.CalcType();
    summary.CableImpedance = model.CableImpedance();
    summary.CableName = document.Catalog().CableNameForImpedance(model.CableImpedance());
    summary.CableTotal = model.CableTotal();
    summary.CableFirst = model.CableFirst();
    summary.LoopDesign = model.LoopDesign();
    summary.Satisfactory = model.DesignIsSatisfactory();
    summary.DesignShort = model.LoopDesignShort();
    summary.DesignLong = model.LoopDesignLong();
    summary.Explanation = model.DesignExplanation();
    summary.PanelLimitText = model.PanelLimitText();
    summary.AlongCable = CalculationSupport::AnalyseAlongCable(document, loop);
    summary.AlongCableChecks = JudgeAlongCable(summary.AlongCable);
    for (const AlongCablePoint& point : summary.AlongCable.Points)
        summary.PointTypes.push_back(AlongCablePointName(document.Catalog(), point));
    summary.Spare = SpareCapacityFor(document, loop);
    summary.SpareText = SpareAgainstRequired(summary.Spare, document.Project.SpareRequired);
    summary.BelowRequiredSpare = BelowRequired(summary.Spare, document.Project.SpareRequired);
    return summary;
}

}  // namespace

CalcSummary SummarizeDocument(const Document& document, const std::string& file, std::string_view localeId,
                              bool compareCables)
{
    const Catalogue& catalogue = document.Catalog();
    CalcSummary summary;
    summary.File = file;
    summary.SiteName = document.SiteName;
    summary.Project = document.Project;
    if (const PanelRecord* panel = catalogue.CurrentPanelRecord()) {
        summary.Panel = panel->Name;
        summary.PanelLoops = panel->Loops;
    }
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        summary.Loops[static_cast<size_t>(loop - 1)] = SummarizeLoop(document, loop);
    for (int loop = 1; compareCables && loop <= std::min(summary.PanelLoops, Document::LoopCount); ++loop)
        summary.Loops[static_cast<size_t>(loop - 1)].Cables = CompareCables(document, loop);
    summary.TotalDevices = CalculationSupport::TotalDevices(document);
    summary.TotalQuiescent = CalculationSupport::TotalQuiescentCurrent(document);
    summary.TotalAlarm = CalculationSupport::TotalAlarmCurrent(document);
    summary.Overall = CalculationSupport::OverallDesignText(document);
    summary.Satisfactory = CalculationSupport::OverallDesignSatisfactory(document);
    summary.AlongCableFailures = AlongCableFailuresText(LoopsFailingAlongCable(document));
    summary.SpareRequired = document.Project.SpareRequired;
    summary.SpareShortfall = SpareShortfallText(LoopsBelowRequiredSpare(document), summary.SpareRequired);
    summary.BatteryInputs = PowerInputsFor(document, localeId);
    summary.Battery = CalculatePower(summary.BatteryInputs);
    return summary;
}

void AddHowManyMore(CalcSummary& summary, const Document& document, HowManyMore::Item item,
                    HowManyMore::Placement placement)
{
    const std::string name = HowManyMore::ItemName(document.Catalog(), item);
    for (int loop = 1; loop <= CalculationSupport::PanelLoops(document); ++loop)
        summary.Loops[static_cast<size_t>(loop - 1)].HowManyMore =
            MoreSummary{name, placement, HowManyMore::Find(document, loop, item, placement)};
}

int CheckedStatus(const CalcSummary& summary, bool allChecks)
{
    const bool othersPass =
        summary.AlongCableFailures.empty() && summary.SpareShortfall.empty() && PowerPasses(summary.Battery);
    return summary.Satisfactory && (!allChecks || othersPass) ? CalcExit::Satisfactory : CalcExit::NotSatisfactory;
}
