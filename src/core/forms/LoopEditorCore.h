#pragma once
// The loop editor without its window: the device and Other Device rows of one
// loop, committing a typed quantity under the placement rules, the
// interface-LEDs availability, and what OK and Cancel do. Every accepted
// change goes into the loop model at once and recalculates the loop; Cancel
// restores the loop as it was when the editor was first activated.
//
// While it is open the editor keeps a history of its own: each accepted
// change is a step that can be undone and redone. OK makes all of them one
// step of the document's history.

#include "document/DocumentEdits.h"
#include "document/EditHistory.h"
#include "document/HowManyMore.h"
#include "loop/clsCalculator.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;
class MessageHost;
class Options;

class LoopEditorCore {
public:
    struct DeviceRow {
        int16_t Type = 0;
        int32_t Quantity = 0;
    };
    // What a row shows: name, quantity, quiescent and alarm currents.
    struct RowTexts {
        std::string Name;
        std::string Quantity;
        std::string Quiescent;
        std::string Alarm;
    };
    // The runs and the cable as the user gave them (LoopParameters); they
    // last while the editor is open.
    struct TypedCable {
        int32_t Total = 0;
        int32_t First = 0;
        int16_t Impedance = 0;
        bool operator==(const TypedCable&) const = default;
    };
    // What a step of the editor's history puts back.
    struct EditorState {
        LoopState Loop;
        std::optional<TypedCable> Typed;
        bool operator==(const EditorState&) const = default;
    };

    static constexpr const char* NoDeviceRowsText =
        "To always have this table start with some device types in it,\n"
        "define some to be \"Standard Devices\".\n\n"
        "This can be done using the \"Standard Devices\" property page\n"
        "of the Options dialogue box, accessed from the File menu.";

    // Builds the Other Device rows (the window's load).
    LoopEditorCore(Document& document, Options& options, MessageHost& host, int loop);

    int LoopNum() const { return loop_; }
    // "Loop 3", or "Loop 3 - Yard and loading bays" for a named loop: the
    // window's caption and the title of its message boxes.
    std::string Caption() const;
    // Stores the loop's name without blanks around it; a new name marks the
    // document changed.
    void SetLoopName(std::string_view text);
    Document& Doc() { return document_; }
    Options& Opts() { return options_; }
    MessageHost& Host() { return host_; }
    clsCalculator& Model();

    // First activation: keeps the backup, builds the device rows and
    // recalculates the loop.
    void Activate();

    const std::vector<DeviceRow>& DeviceRows() const { return deviceRows_; }
    const std::vector<int>& OtherRows() const { return otherRows_; }
    RowTexts DeviceRowTexts(size_t row) const;
    RowTexts OtherRowTexts(size_t row) const;
    int32_t OtherQuantity(size_t row) const;

    // The row of the type, appended with quantity 0 when there is none yet;
    // it is on show whatever the filter.
    size_t AddDeviceRow(int type);

    // The device rows on show, as positions in DeviceRows(): those whose
    // type's name holds every word of the filter's text (in any case) and,
    // with `inUseOnly`, that have devices. The rows are chosen when the
    // filter is set and when the editor is activated; in between a row stays
    // on show whatever its quantity becomes, so that none vanishes while it
    // is being edited.
    void SetDeviceFilter(std::string_view text, bool inUseOnly);
    const std::vector<size_t>& ShownDeviceRows() const { return shownRows_; }

    // A typed quantity as a whole number (the box takes digits and ".").
    static int32_t QuantityFromText(std::string_view text);

    // Commit a typed quantity. A rejected commit leaves the loop as it was and,
    // unless quiet, says why in a box titled with the caption.
    bool CommitDeviceQuantity(size_t row, int32_t quantity, bool quiet = false);
    bool CommitOtherQuantity(size_t row, int32_t quantity, bool quiet = false);

    // `count` more of the item, placed as asked, as one step; a refusal is
    // told in a box as a typed quantity's is.
    bool AddMore(HowManyMore::Item item, int32_t count, HowManyMore::Placement placement);

    // The interface-LEDs option is offered while a row with devices has a type
    // whose alarm current changes with its LED disabled.
    bool InterfaceLedsAvailable() const;

    // OK: false when the user wants to give the total cable run first.
    bool ConfirmOK();
    // After OK: the changes made in the editor become one step of the
    // document's history.
    void Accept();
    // Cancel: the loop and its name as they were at the first activation, and
    // the document as clean as it was then.
    void Cancel();
    // Whether the loop differs from what the first activation showed.
    bool HasChanges() const;
    // "Discard the changes to loop 2?"
    std::string DiscardQuestion() const;

    // Marks the document changed and recalculates (no slider).
    void AcceptChange(bool markChanged);

    // The editor's own history. A change made between Snapshot and
    // RecordStep is a step when it changed anything; steps of the same
    // non-empty merge key in a row are one.
    EditorState Snapshot() const;
    void RecordStep(EditorState before, std::string name, std::string mergeKey = {});
    const EditHistory<EditorState>& History() const { return history_; }
    // Devices another window put on the loop since `before` (Place
    // Isolators): the rows counted again, the loop marked changed and
    // recalculated, and one step of the editor's history.
    void RecordPlacement(EditorState before, std::string name);
    // Undo or redo a step: the loop, the typed runs and the rows as they were
    // before or after it; false when there is none.
    bool Undo();
    bool Redo();
    std::optional<TypedCable>& TypedRuns() { return typedRuns_; }
    // The step an OK of the cable layout window makes.
    static constexpr const char* CableLayoutStep = "Cable Layout";

private:
    bool Reject(const std::string& message, bool quiet);
    void ChooseShownRows();
    bool PassesFilter(const DeviceRow& row) const;
    // The quantities of the rows counted again from the loop, with a row for
    // every type on it.
    void RecountRows();
    // The loop's cable and calculation become the options' last ones, as
    // after a change in the editor.
    void RememberLoopChoices();
    bool PutBack(const EditorState* state);

    Document& document_;
    Options& options_;
    MessageHost& host_;
    int loop_;
    std::vector<DeviceRow> deviceRows_;
    std::vector<int> otherRows_;
    std::vector<std::string> filterWords_;  // folded to lower case
    bool inUseOnly_ = false;
    std::vector<size_t> shownRows_;
    // The loop and the document as they were at the first activation, and
    // the loop as that activation's recalculation left it.
    std::optional<DocumentEdit> opened_;
    std::optional<LoopState> activated_;
    bool openedDirty_ = false;
    EditHistory<EditorState> history_;
    std::optional<TypedCable> typedRuns_;
};
