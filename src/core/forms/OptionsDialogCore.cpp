#include "forms/OptionsDialogCore.h"

#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <array>

namespace {

// A device type the Standard Devices list may offer, whatever its family:
// named, in a family and not the slave half of a master/slave pair.
bool IsStandardCandidate(const Catalogue& catalogue, int code)
{
    const DeviceTypeRecord& type = catalogue.DeviceType(code);
    return !type.Name.empty() && !catalogue.IsHiddenDeviceType(code) && !type.IsSlave;
}

template <typename Entries, typename IsSelected>
size_t CountSelected(const Entries& entries, IsSelected isSelected)
{
    return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), isSelected));
}

std::string CountText(size_t count, const char* one, const char* many)
{
    return count == 1 ? std::string("1 ") + one : std::to_string(count) + " " + many;
}

bool EntrySelected(const OptionsDialogCore::ListEntry& entry)
{
    return entry.Selected;
}

// Help topics of the four tabs, in tab order.
constexpr std::array<int, OptionsDialogCore::TabCount> TabHelpTopics{61, 62, 63, 64};

}  // namespace

OptionsDialogCore::OptionsDialogCore(Catalogue& catalogue, Options& options)
    : catalogue_(catalogue), options_(options), cableGroups_(CableGroupChoices(catalogue)), units_(options.Units())
{
    for (size_t n = 1; n < catalogue.DeviceFamilies.size(); ++n) {
        const DeviceFamilyRecord& family = catalogue.DeviceFamilies[n];
        families_.push_back({family.Name, static_cast<int>(n), family.Shown});
    }
    for (int code = 1; static_cast<size_t>(code) < catalogue.DeviceTypes.size(); ++code)
        if (IsStandardCandidate(catalogue, code) && IsFamilySelected(catalogue.DeviceType(code).Family))
            standard_.push_back({catalogue.DeviceType(code).Name, code, options.IsStandardDevice(code)});
}

bool OptionsDialogCore::IsFamilySelected(int family) const
{
    return std::any_of(families_.begin(), families_.end(),
                       [family](const ListEntry& entry) { return entry.Number == family && entry.Selected; });
}

void OptionsDialogCore::AppendFamilyTypes(int family)
{
    for (int code = 1; static_cast<size_t>(code) < catalogue_.DeviceTypes.size(); ++code)
        if (IsStandardCandidate(catalogue_, code) && catalogue_.DeviceType(code).Family == family)
            standard_.push_back({catalogue_.DeviceType(code).Name, code, true});
}

void OptionsDialogCore::SetFamilySelected(size_t entry, bool selected)
{
    if (entry >= families_.size() || families_[entry].Selected == selected)
        return;
    families_[entry].Selected = selected;
    const int family = families_[entry].Number;
    if (selected)
        AppendFamilyTypes(family);
    else
        std::erase_if(standard_,
                      [&](const ListEntry& type) { return catalogue_.DeviceType(type.Number).Family == family; });
}

void OptionsDialogCore::SetStandardSelected(size_t entry, bool selected)
{
    if (entry < standard_.size())
        standard_[entry].Selected = selected;
}

void OptionsDialogCore::SetCableGroupEnabled(size_t entry, bool enabled)
{
    if (entry < cableGroups_.size())
        cableGroups_[entry].Enabled = enabled;
}

void OptionsDialogCore::SetUnits(int units)
{
    units_ = units;
}

std::string OptionsDialogCore::FamilyCountText() const
{
    return CountText(CountSelected(families_, EntrySelected), "family selected.", "families selected.");
}

std::string OptionsDialogCore::StandardCountText() const
{
    return CountText(CountSelected(standard_, EntrySelected), "device selected.", "devices selected.");
}

OptionsDialogCore::UnitTexts OptionsDialogCore::UnitLabels(int units)
{
    return {Scaling::LengthUnitsText(units, true), Scaling::ImpedanceUnitsText(units),
            Scaling::ImpedanceConditionsText(units)};
}

int OptionsDialogCore::HelpTopic(int tab)
{
    return tab >= 0 && tab < TabCount ? TabHelpTopics[static_cast<size_t>(tab)] : 0;
}

std::optional<OptionsDialogCore::Refusal> OptionsDialogCore::CheckOK() const
{
    if (CountSelected(families_, EntrySelected) == 0)
        return Refusal{FamiliesTab, NoFamilyMessage};
    if (CountSelected(cableGroups_, [](const CableGroupChoice& group) { return group.Enabled; }) == 0)
        return Refusal{CablesTab, NoCableGroupMessage};
    return std::nullopt;
}

void OptionsDialogCore::ShowRefusal(MessageHost& host, const Refusal& refusal)
{
    MsgBox(host, refusal.Message, MsgStyle::Exclamation, Caption);
}

void OptionsDialogCore::Store()
{
    const SettingsStore::Batch settings = options_.WritesTogether();
    for (const ListEntry& family : families_)
        options_.SetFamilyShown(catalogue_, family.Number, family.Selected);

    // Every type's flag is cleared unless its entry is selected; setting each
    // flag once to its final value spares the settings file a false written
    // and then taken back.
    std::vector<bool> standard(catalogue_.DeviceTypes.size(), false);
    for (const ListEntry& type : standard_)
        if (type.Selected)
            standard[static_cast<size_t>(type.Number)] = true;
    for (size_t code = 0; code < standard.size(); ++code)
        options_.SetStandardDevice(static_cast<int>(code), standard[code]);

    options_.SetUnits(units_);
    ApplyCableGroupChoices(catalogue_, options_, cableGroups_);
}
