#pragma once
// The control-panel editor without its window: the texts of its boxes for a
// panel, whether the panel may be edited, which keys the boxes take, and what
// OK checks, asks and stores. It works on a private copy of the panel; the
// catalogue, the user's panel file and the Loop Calculation change only when
// every check has passed.

#include "forms/PanelServices.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class PanelEditorCore {
public:
    static constexpr const char* Caption = "Control Panel";
    static constexpr const char* NewPanelName = "Choose a unique name";

    // The boxes in tab and Enter order; OKButton is where Enter in the last
    // box goes.
    enum class Field {
        Name,
        Manufacturer,
        Loops,
        Impedance,
        LED,
        RemoteLED,
        Output,
        LoopCurrent,
        TotalCurrent,
        Voltage,
        IsolatorPoints,
        // The power supply figures a panel may give or leave out (an empty box).
        StandbyCurrent,
        AlarmCurrent,
        MaxBattery,
        ChargerCurrent,
        OKButton
    };
    static constexpr size_t BoxCount = 15;  // every Field but OKButton
    // Box texts indexed by Field.
    using Entries = std::array<std::string, BoxCount>;

    // What a typed character does in a box: taken, moves the focus on to
    // NextField (Enter), or dropped with the warning sound.
    enum class KeyAction { Accept, NextBox, Refuse };
    static KeyAction KeyPressed(Field box, char32_t key);
    static Field NextField(Field box);

    // What OK leaves the window to do: close, or stay with the focus in a box.
    struct Outcome {
        bool Close = false;
        Field Focus = Field::Name;
        bool Changed = false;  // a panel was stored (or loops were cleared)
        bool operator==(const Outcome&) const = default;
    };

    explicit PanelEditorCore(PanelServices services) : s_(services) {}

    // Takes a copy of the panel at this position, or of "Unknown Panel" renamed
    // "Choose a unique name" for -1 (a new panel). Any other position outside
    // the catalogue is told as an internal error and the result is false: the
    // dialog closes.
    bool Open(int panelNum);

    // A standard panel is only shown: locked boxes, no OK, "Close".
    bool IsReadOnly() const { return copy_.IsStandard; }
    std::string NotesText() const;
    std::string CloseCaption() const;
    // The boxes' texts for the copy.
    Entries Boxes() const;

    // The name as OK reads it, which the name box then shows.
    static std::string TrimmedName(std::string_view text);

    // Checks the boxes in order, stores each value in the copy as its box
    // passes (an empty power supply box as no figure) and asks the two
    // questions; then adds or updates the panel. For the panel the Loop
    // Calculation uses, the loops are first fitted to it (asking before loops
    // are lost), then recalculated. An empty name is
    // refused as the unchosen one is; a failed write of the user's panel file
    // is told and the dialog stays.
    Outcome OK(const Entries& entries);

private:
    struct NumberRule;

    std::optional<Outcome> CheckName(const std::string& name) const;
    std::optional<Outcome> CheckNumbers(const Entries& entries);
    Outcome Save();
    Outcome SaveCurrentPanel();
    Outcome Stored(bool stored, bool changed);
    std::string ManufacturerName() const;

    PanelServices s_;
    int panelNum_ = -1;
    PanelRecord copy_;
};
