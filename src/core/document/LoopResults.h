#pragma once
// The texts and flags a loop's results put into the loop editor and into the
// loop's row and the totals row of the main window. Computed here, shown by
// the windows as they are.

#include "catalogues/CalculationType.h"
#include "text/Currency.h"

#include <string>
#include <string_view>
#include <vector>

class Catalogue;
class Document;
class clsCalculator;
struct AlongCablePoint;

struct LoopEditorResults {
    std::string Quantity;          // lblQty(99): devices and slave bases
    std::string QuiescentDevices;  // lblQuiescent(99)
    std::string AlarmDevices;      // lblAlarm(99)
    std::string QuiescentTotal;    // lblQuiescent(100)
    std::string AlarmTotal;        // lblAlarm(100)
    std::string PanelLimit;        // lblPanelLimit: "* - " and the panel-limit text
    bool PanelLimitVisible = false;  // lblOutLimit, lblPanelLimitStar, lblPanelLimit
    std::string MaxVoltDrop;       // lblMaxVoltDrop
    std::string VoltDrop;          // txtVoltDrop
    bool ShowsTotalLength = false;  // calculation type 1: txtTotalLength is a result
    std::string TotalLength;
    bool ShowsCable = false;       // calculation type 2: cmbCableSize is a result
    int CablePosition = 0;         // catalogue position; one past the last when none
    bool LimitCableRunVisible = false;  // lblLimitCableRun
    std::string PassFail;          // lblPassFail, two lines, bold 12 point
    bool Satisfactory = false;     // how prominently lblPassFail warns
    std::string Explanation;       // lblExplanation
};

struct MainLoopRow {
    std::string Devices;    // lblDevice(loop)
    std::string Quiescent;  // lblQuiescent(loop)
    std::string Alarm;      // lblAlarm(loop)
    std::string PassFail;   // lblPassFail(loop)
    bool Satisfactory = true;  // how the verdict is tinted
};

struct MainTotals {
    bool AlarmNoteVisible = false;
    std::string Devices;    // lblDevice(99)
    std::string Quiescent;  // lblQuiescent(99)
    std::string Alarm;      // lblAlarm(99)
    std::string PassFail;   // lblPassFail(99)
    bool Satisfactory = true;
};

LoopEditorResults LoopEditorResultsFor(const clsCalculator& loop, const Catalogue& catalogue, int units);
// What the loop editor shows while a typed value is not yet committed: the
// results that would be stale are emptied (the total run too when it is the
// calculated one) and the verdict asks for a recalculation.
LoopEditorResults StaleLoopEditorResults(LoopEditorResults shown, CalculationType calcType);
inline constexpr const char* StaleResultsText = "Press <Enter> key\nor Click here\nto Re-calculate";

MainLoopRow MainLoopRowFor(const clsCalculator& loop);
MainTotals MainTotalsFor(const Document& document);

// "Loop 3", or "Loop 3 - Yard and loading bays" for a named loop: the loop
// editor's caption and the report's heading.
std::string LoopTitle(int loop, std::string_view name);
// "Loop 3", "Loops 1, 3 and 4": loops named together in a sentence.
std::string LoopsText(const std::vector<int>& loops);

// A voltage in volts as the results show it ("#####0.0").
std::string VoltsText(double volts);
// A voltage along the cable to the hundredth, halves away from zero, exact.
Currency VoltsToHundredths(double volts);
// The same as text ("#####0.00").
std::string VoltsTextToHundredths(double volts);

// A point along the cable by the name the printed report gives its device
// type or Other Device.
std::string AlongCablePointName(const Catalogue& catalogue, const AlongCablePoint& point);
// What the voltage plot tells about a point under the mouse: its address, its
// name and its voltage for each way the loop may be fed, a line each.
std::string AlongCablePointTip(const Catalogue& catalogue, const AlongCablePoint& point);
