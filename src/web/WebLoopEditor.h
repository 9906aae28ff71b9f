#pragma once
// The loop editor as the page drives it: the loop editor core and its
// parameters over the session's document, filled as the desktop window fills
// its controls on opening and after each undo or redo step. It keeps what the
// window keeps besides the cores: that "User-Defined" was chosen from the
// cable list, which leaves the loop's cable as it is and opens the impedance
// to typing, until a listed cable, another calculation or a step of the
// history shows the loop's own cable again.

#include "document/LoopResults.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"
#include "web/WebHistory.h"

#include <string>
#include <vector>

class WebSession;

class WebLoopEditor {
public:
    // A row of either table; `row` is the core's row, for the commits.
    struct Row {
        int Row = 0;
        std::string Name;
        std::string Quantity;
        std::string Quiescent;
        std::string Alarm;
    };
    struct Parameters {
        int CalcType = 0;
        std::vector<LoopParameters::CableEntry> Cables;
        int CableEntry = 0;
        bool TotalLengthEditable = true;
        bool CableListEditable = true;
        bool ImpedanceEditable = false;
        std::string Impedance;
        std::string TotalLength;
        std::string FirstLength;
        std::string MaxOutputs;
        int Slider = 0;
        bool InterfaceLedsShown = false;
        bool InterfaceLedsDisabled = false;
        std::string ImpedanceUnits;
        std::string ImpedanceConditions;
        std::string LengthUnits;
        std::string MaxAlarm;
        std::string CableRunLimit;
    };
    // The results with the checks along the cable under the verdict.
    struct Results : LoopEditorResults {
        std::string AlongCable;  // empty for a loop without devices
        bool AlongCablePass = true;
        std::string Spare;  // "Spare capacity: ...", empty for a loop without devices
        bool SpareBelow = false;
    };

    // Opens on loop `loop` (1 to 8) of the session's document.
    WebLoopEditor(WebSession& session, int loop);

    LoopEditorCore& Core() { return core_; }
    int Units() const { return parameters_.Units(); }
    std::string LoopName();

    std::vector<Row> DeviceRows() const;
    std::vector<Row> OtherRows() const;

    Parameters ParameterTexts();
    void ChooseCableEntry(int entry);
    void SetCalcType(int calcType);
    void SetInterfaceLedsDisabled(bool disabled);

    Results CurrentResults();
    // While a typed value waits for its commit.
    Results StaleResults();

    HistoryTexts History() const;
    bool Undo();
    bool Redo();

    // OK: false when the user wants to give the total run first.
    bool Ok();
    // Cancel: false when the user keeps editing.
    bool Cancel();

    LoopParameters& Params() { return parameters_; }

private:
    void Fill();
    Row RowOf(size_t row, const LoopEditorCore::RowTexts& texts) const;

    WebSession& session_;
    LoopEditorCore core_;
    LoopParameters parameters_;
    bool userDefined_ = false;
};
