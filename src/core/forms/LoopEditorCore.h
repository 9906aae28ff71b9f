#pragma once
// The loop editor without its window: the device and Other Device rows of one
// loop, committing a typed quantity under the placement rules, the
// interface-LEDs availability, and what OK and Cancel do. Every accepted
// change goes into the loop model at once and recalculates the loop; Cancel
// restores the loop as it was when the editor was first activated.

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

    // The interface-LEDs option is offered while a row with devices has a type
    // whose alarm current changes with its LED disabled.
    bool InterfaceLedsAvailable() const;

    // OK: false when the user wants to give the total cable run first.
    bool ConfirmOK();
    // Cancel: the loop and its name as they were at the first activation.
    void Cancel();

    // Marks the document changed and recalculates (no slider).
    void AcceptChange(bool markChanged);

private:
    bool Reject(const std::string& message, bool quiet);
    void ChooseShownRows();
    bool PassesFilter(const DeviceRow& row) const;

    Document& document_;
    Options& options_;
    MessageHost& host_;
    int loop_;
    std::vector<DeviceRow> deviceRows_;
    std::vector<int> otherRows_;
    std::vector<std::string> filterWords_;  // folded to lower case
    bool inUseOnly_ = false;
    std::vector<size_t> shownRows_;
    std::optional<clsCalculator> backup_;
    std::string backupName_;
    std::array<int16_t, clsCalculator::AddressCount> backupTags_{};
    std::array<int16_t, clsCalculator::AddressCount> backupEavesdropping_{};
};
