#pragma once
// The loop editor's cable and calculation parameters: calculation type, cable
// from the list or typed impedance, total and first cable runs, the device
// distribution slider, the limit on activated outputs and the interface-LEDs
// option. Each is validated on its own, written into the loop model and the
// loop recalculated; a refused value says why in a box titled with the
// editor's caption and leaves the model alone. Each accepted value is a step
// of the editor's history.

#include "catalogues/CalculationType.h"
#include "forms/LoopEditorCore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LoopParameters {
public:
    // One entry of the cable list: a catalogue cable, or -1 for "User-Defined".
    struct CableEntry {
        std::string Name;
        int Cable = -1;
    };
    // Which parameter boxes the calculation type leaves editable.
    struct Editable {
        bool TotalLength = true;
        bool CableList = true;
        bool Impedance = false;
    };

    LoopParameters(LoopEditorCore& editor, int units);

    int Units() const { return units_; }
    std::vector<CableEntry> CableList() const;
    // The list entry of the loop's impedance; the last one ("User-Defined")
    // when no listed cable has it.
    size_t SelectedCableEntry() const;
    Editable EditableFor(CalculationType calcType, bool userDefinedCable) const;
    // "(max. permissible = n mA)"
    std::string MaxAlarmText() const;
    // Beside the total run while it is at the longest run the calculation
    // takes: "(calculation limit: 3000 m)".
    std::string CableRunLimitText() const;

    // While the window fills its controls, changes neither mark the document
    // nor recalculate.
    void SetLoading(bool loading) { loading_ = loading; }
    // The parameters as the window shows them on opening and after an undo
    // or redo step: the listed cable the loop's impedance matches and the
    // loop's calculation type (Max Volt Drop for one the window does not
    // offer) taken as chosen, marking nothing and recording no step. The
    // window recalculates once its controls are filled
    // (LoopEditorCore::AcceptChange(false)).
    void Load();

    // "Max Cable Run" writes its result over the runs and "Min Cable Size"
    // over the cable. Every switch of type first keeps what the type being
    // left took from the user, then gives the loop the user's runs and cable
    // back, so that the new type starts from them and not from a result.
    void SetCalcType(CalculationType calcType);
    // A catalogue cable chosen from the list (not "User-Defined").
    void ChooseCable(int cable);
    bool CommitImpedance(std::string_view text, bool quiet = false);
    bool CommitTotalLength(std::string_view text, bool quiet = false);
    bool CommitFirstLength(std::string_view text, bool quiet = false);
    bool CommitMaxOutputs(std::string_view text, bool quiet = false);
    void SetInterfaceLedsDisabled(bool disabled);

    // The slider follows the runs: the first run as a share of the total.
    int16_t SliderPosition() const;
    void MoveSlider(int16_t position);

    std::string ImpedanceText() const;
    std::string TotalLengthText() const;
    std::string FirstLengthText() const;

private:
    bool Reject(const std::string& message, bool quiet);
    void Recalculate();
    // The runs and the cable the current type takes from the user (not the
    // ones it computes) become the user's.
    void KeepUsersCable();
    // A first run typed under "Max Cable Run", where the total is a result.
    void KeepTypedFirstRun();

    // Records what the change since `before` did as a step of the editor's
    // history (not while the window fills its controls).
    void Record(LoopEditorCore::EditorState before, std::string name, std::string mergeKey = {});

    LoopEditorCore& editor_;
    int units_;
    bool loading_ = false;
};
