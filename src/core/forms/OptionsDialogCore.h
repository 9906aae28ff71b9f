#pragma once
// The options dialog without its window: which device families are offered,
// which device types are Standard Devices, the unit system and the cable
// groups, as the user edits them, and what OK checks and stores. Nothing is
// stored before OK.
//
// The family list holds families 1 to the last family position: family 0 is
// the catalogue's place for types that belong to no family, and is neither
// offered here nor in the device-type chooser.

#include "catalogues/CableCatalogue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class Catalogue;
class MessageHost;
class Options;

class OptionsDialogCore {
public:
    static constexpr const char* Caption = "Options";
    static constexpr const char* NoFamilyMessage = "You must select at least one device family!";
    static constexpr const char* NoCableGroupMessage = "You must select at least one cable group!";

    enum Tab { FamiliesTab = 0, StandardTab = 1, UnitsTab = 2, CablesTab = 3, TabCount = 4 };

    // An entry of the family list (carrying the family number) or of the
    // Standard Devices list (carrying the device type code).
    struct ListEntry {
        std::string Text;
        int Number = 0;
        bool Selected = false;
        bool operator==(const ListEntry&) const = default;
    };

    // The captions beside one unit system's option button.
    struct UnitTexts {
        std::string Length;
        std::string Impedance;
        std::string ImpedanceTemp;
    };

    // Why OK cannot store yet: the tab to show and the message to give.
    struct Refusal {
        Tab ShowTab = FamiliesTab;
        std::string Message;
    };

    // Fills the lists from the catalogue and the options (the dialog's load).
    OptionsDialogCore(Catalogue& catalogue, Options& options);

    const std::vector<ListEntry>& Families() const { return families_; }
    const std::vector<ListEntry>& StandardDevices() const { return standard_; }
    const std::vector<CableGroupChoice>& CableGroups() const { return cableGroups_; }
    int Units() const { return units_; }

    // A family entry selected or unselected: its device types join the
    // Standard Devices list at the end, already selected, or leave it.
    void SetFamilySelected(size_t entry, bool selected);
    void SetStandardSelected(size_t entry, bool selected);
    void SetCableGroupEnabled(size_t entry, bool enabled);
    void SetUnits(int units);

    // "1 family selected." / "n families selected.", and the same for devices.
    std::string FamilyCountText() const;
    std::string StandardCountText() const;
    static UnitTexts UnitLabels(int units);
    // The help topic of each tab.
    static int HelpTopic(int tab);

    // OK, first step: nothing when the choices may be stored.
    std::optional<Refusal> CheckOK() const;
    // The refusal's message: exclamation icon, titled with the dialog caption.
    static void ShowRefusal(MessageHost& host, const Refusal& refusal);
    // OK, second step: families shown, Standard Devices (exactly the selected
    // entries), units and cable groups, each written only where it changed.
    void Store();

private:
    bool IsFamilySelected(int family) const;
    void AppendFamilyTypes(int family);

    Catalogue& catalogue_;
    Options& options_;
    std::vector<ListEntry> families_;
    std::vector<ListEntry> standard_;
    std::vector<CableGroupChoice> cableGroups_;
    int units_ = 0;
};
