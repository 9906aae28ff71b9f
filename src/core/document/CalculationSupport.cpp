#include "document/CalculationSupport.h"

#include <algorithm>

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "platform/MessageHost.h"

#include <vector>

namespace CalculationSupport {

namespace {

constexpr const char* PanelChangeCaption = "Control Panel change";

void CalculateAgainstCurrentPanel(Document& document, int loop, bool useSlider, int16_t sliderPercent,
                                  bool skipDeviceChecks)
{
    const PanelRecord* current = document.Catalog().CurrentPanelRecord();
    const PanelRecord panel = current ? *current : PanelRecord{};
    clsCalculator& model = document.Loop(loop);
    model.SetPanelData(panel.AlarmLEDs, panel.RemoteLEDs, panel.Outputs, panel.MinLoopVoltage, panel.MaxLoopCurrent,
                       panel.DriverImpedance);
    model.Calculate(useSlider, sliderPercent, skipDeviceChecks);
}

}  // namespace

AlongCableResult AnalyseAlongCable(const Document& document, int loop)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    return document.Loop(loop).AnalyseAlongCable(panel ? panel->MaxPointsBetweenIsolators : DefaultPointsPerSection);
}

void RecalculateLoop(Document& document, int loop, bool useSlider, int16_t sliderPercent)
{
    CalculateAgainstCurrentPanel(document, loop, useSlider, sliderPercent, true);
    document.NotifyLoopRecalculated(loop);
}

void RecalculateAll(Document& document, bool skipDeviceChecks)
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        CalculateAgainstCurrentPanel(document, loop, false, 0, skipDeviceChecks);
        document.NotifyLoopRecalculated(loop);
    }
}

int PanelLoops(const Document& document)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    return std::clamp(panel ? static_cast<int>(panel->Loops) : 0, 0, Document::LoopCount);
}

Currency TotalQuiescentCurrent(const Document& document)
{
    Currency total;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        total += document.Loop(loop).QuiescentCurrentTotal();
    return total;
}

Currency TotalAlarmCurrent(const Document& document)
{
    Currency total;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        total += document.Loop(loop).AlarmCurrentTotal();
    return total;
}

int16_t TotalDevices(const Document& document)
{
    int16_t total = 0;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        total = static_cast<int16_t>(total + document.Loop(loop).DevicesOnLoop());
    return total;
}

bool TotalAlarmCurrentTooHigh(const Document& document)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int maxTotal = panel ? panel->MaxTotalCurrent : 0;
    return TotalAlarmCurrent(document).ToDouble() / 1000 > maxTotal;
}

bool OverallDesignSatisfactory(const Document& document)
{
    bool satisfactory = !TotalAlarmCurrentTooHigh(document);
    for (int loop = 1; loop <= Document::LoopCount && satisfactory; ++loop)
        satisfactory = !document.LoopExists(loop) || document.Loop(loop).DesignIsSatisfactory();
    return satisfactory;
}

std::string OverallDesignText(const Document& document)
{
    return OverallDesignSatisfactory(document) ? "Design Satisfactory" : "Design Not Satisfactory";
}

bool ClampMaxOutputs(Document& document, int outputs)
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        clsCalculator& model = document.Loop(loop);
        if (model.MaxOutput() > outputs)
            model.SetMaxOutput(outputs);
    }
    return true;
}

bool CheckLoopCountChange(Document& document, MessageHost& host, int oldLoops, int newLoops,
                          const LoopDefaults& defaults)
{
    if (oldLoops <= newLoops)
        return true;
    bool used = false;
    for (int loop = newLoops + 1; loop <= oldLoops; ++loop)
        used = used || document.Loop(loop).QtyDevices() > 0;
    if (!used)
        return true;

    const std::string loops = newLoops + 1 == oldLoops
                                  ? " " + std::to_string(newLoops + 1)
                                  : "s " + std::to_string(newLoops + 1) + " to " + std::to_string(oldLoops);
    const int answer = MsgBox(host, "Changing to this panel will lose data for loop" + loops + ".",
                              MsgStyle::OKCancel + MsgStyle::Information, PanelChangeCaption);
    if (answer == MsgResult::Cancel)
        return false;
    for (int loop = newLoops + 1; loop <= oldLoops; ++loop)
        ClearLoop(document, loop, defaults);
    return true;
}

bool CheckDeviceLimitChange(Document& document, MessageHost& host, int oldLimit, int newLimit)
{
    if (oldLimit <= newLimit)
        return true;
    std::vector<int> overfull;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        if (document.Loop(loop).QtyDevices() > newLimit)
            overfull.push_back(loop);
    if (overfull.empty())
        return true;

    const std::string where = overfull.size() == 1
                                  ? "a loop. Changing to this panel will lose data for this loop."
                                  : "some loops. Changing to this panel will lose data for these loops.";
    const int answer = MsgBox(host, "There are more than " + std::to_string(newLimit) + " addressable devices on " + where,
                              MsgStyle::OKCancel + MsgStyle::Information, PanelChangeCaption);
    if (answer == MsgResult::Cancel)
        return false;
    // The first devices in address order stay; every later one goes.
    for (const int loop : overfull) {
        clsCalculator& model = document.Loop(loop);
        int kept = 0;
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            if (model.DeviceType(a) == 0)
                continue;
            if (kept < newLimit)
                ++kept;
            else
                model.SetDeviceType(a, 0);
        }
    }
    return true;
}

void ClearLoop(Document& document, int loop, const LoopDefaults& defaults)
{
    document.LoopName(loop).clear();
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        document.SetAddressTag(loop, a, 0);
        document.SetEavesdropping(loop, a, 0);
    }
    clsCalculator& model = document.Loop(loop);
    model.ClearData();
    model.SetCableImpedance(defaults.CableImpedance);
    model.SetMaxOutput(defaults.MaxOutput);
    model.SetCalcType(defaults.CalcType);
}

}  // namespace CalculationSupport
