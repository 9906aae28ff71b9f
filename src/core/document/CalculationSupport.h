#pragma once
// Recalculation of the open Loop Calculation's loops against the current
// control panel, the panel totals, and the guards that ask before a change of
// control panel drops loops or devices.

#include "catalogues/CalculationType.h"
#include "loop/AlongCable.h"
#include "text/Currency.h"

#include <cstdint>
#include <string>

class Document;
class MessageHost;

namespace CalculationSupport {

// What an emptied loop starts with: the options' cable impedance and
// calculation type and the current panel's outputs (0 without a panel).
struct LoopDefaults {
    int16_t CableImpedance = 0;
    CalculationType CalcType = CalculationType::MaxVoltDrop;
    int32_t MaxOutput = 0;
};

// Passes the current panel's limits to the loop and calculates it, skipping
// the device checks, then tells the document's observers.
void RecalculateLoop(Document& document, int loop, bool useSlider = false, int16_t sliderPercent = 0);
// Every loop, as after new, open and panel changes; the headless calculator
// may ask for the device checks too.
void RecalculateAll(Document& document, bool skipDeviceChecks = true);

// The loop along its cable as last calculated, against the current panel's
// limit of points between isolators.
AlongCableResult AnalyseAlongCable(const Document& document, int loop);

// The loops of the current panel, as the main window shows them (0 to 8).
int PanelLoops(const Document& document);

Currency TotalQuiescentCurrent(const Document& document);
Currency TotalAlarmCurrent(const Document& document);
int16_t TotalDevices(const Document& document);
// True when the total alarm current (µA) exceeds the panel's total current (mA).
bool TotalAlarmCurrentTooHigh(const Document& document);
// Every used loop satisfactory and the total alarm current within the panel's.
bool OverallDesignSatisfactory(const Document& document);
std::string OverallDesignText(const Document& document);

// Lowers every loop's MaxOutput to the new panel's output limit; always true.
bool ClampMaxOutputs(Document& document, int outputs);
// Asks before a panel with fewer loops drops used loops; false on Cancel.
bool CheckLoopCountChange(Document& document, MessageHost& host, int oldLoops, int newLoops,
                          const LoopDefaults& defaults);
// Asks before a lower device limit drops devices; false on Cancel.
bool CheckDeviceLimitChange(Document& document, MessageHost& host, int oldLimit, int newLimit);
void ClearLoop(Document& document, int loop, const LoopDefaults& defaults);

}  // namespace CalculationSupport
