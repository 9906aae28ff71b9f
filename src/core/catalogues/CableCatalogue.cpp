#include "catalogues/CableCatalogue.h"

#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "text/WinINI.h"
#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <optional>

namespace {

std::string GroupSetting(size_t group) { return SettingName::CableGroup + std::to_string(group); }

// A whole number the way a checked conversion reads it: nullopt for text
// that is no number or does not fit.
std::optional<int32_t> ConvertedNumber(const std::string& text, int32_t minimum, int32_t maximum)
{
    if (!IsNumericText(text))
        return std::nullopt;
    const std::optional<int32_t> value = Rounding::ToInt32(LeadingNumber(text));
    if (!value || *value < minimum || *value > maximum)
        return std::nullopt;
    return value;
}

class CableFileReader {
public:
    CableFileReader(Catalogue& catalogue, Options& options, MessageHost& host, const std::string& path)
        : catalogue_(catalogue), options_(options), host_(host), path_(path), place_(PlaceText(path))
    {
    }

    bool ReadGroups()
    {
        catalogue_.CableGroups.clear();
        for (size_t n = 0;; ++n) {
            const std::string value = WinINI::ReadProfileKey(path_, "Cable Groups", "Group" + std::to_string(n));
            if (value.empty())
                break;
            const std::string locale = UpperCase(CSV::GetCSVField(value, 2));
            if (locale != "US" && locale != "NONUS" && locale != "ALL")
                return Fail("Invalid Locale setting for cable group " + std::to_string(n) + " in " + place_);
            // Field 3 "Off": a group that older releases read as any other.
            const bool offByDefault = UpperCase(CSV::GetCSVField(value, 3)) == "OFF";
            catalogue_.CableGroups.push_back(
                {CSV::GetCSVField(value, 1), locale, options_.GetSettingBool(GroupSetting(n)), offByDefault});
        }
        if (catalogue_.CableGroups.empty())
            return Fail("No cable groups defined in " + place_);
        return true;
    }

    bool ReadCables()
    {
        catalogue_.Cables.clear();
        for (size_t n = 0;; ++n) {
            const std::string section = CSV::GetCSVField(WinINI::ReadProfileKey(path_, "Cables", "Cable" + std::to_string(n)), 1);
            if (section.empty())
                break;
            const std::string name = WinINI::ReadProfileKey(path_, section, "Name");
            const std::string impedance = WinINI::ReadProfileKey(path_, section, "Impedance");
            const std::string group = WinINI::ReadProfileKey(path_, section, "Group");
            if (name.empty() || impedance.empty() || group.empty())
                return Fail("Invalid settings for cable " + std::to_string(n) + " in " + place_);
            const auto impedanceValue = ConvertedNumber(CSV::GetCSVField(impedance, 1), -32768, 32767);
            const auto groupValue = ConvertedNumber(CSV::GetCSVField(group, 1), 0, 255);
            if (!impedanceValue || !groupValue)
                return Fail("An unexpected error has occurred while reading " + place_);
            // A cable without resistance, or of no group, would pass any loop.
            if (*impedanceValue <= 0 || static_cast<size_t>(*groupValue) >= catalogue_.CableGroups.size())
                return Fail("Invalid settings for cable " + std::to_string(n) + " in " + place_);
            catalogue_.Cables.push_back({CSV::GetCSVField(name, 1), static_cast<int16_t>(*impedanceValue), false,
                                         static_cast<uint8_t>(*groupValue)});
        }
        if (catalogue_.Cables.empty())
            return Fail("No cables defined in " + place_);
        return true;
    }

private:
    bool Fail(const std::string& message)
    {
        MsgBox(host_, message, MsgStyle::Exclamation);
        return false;
    }

    Catalogue& catalogue_;
    Options& options_;
    MessageHost& host_;
    const std::string& path_;
    std::string place_;
};

// Thinnest cable (highest impedance) first.
void SortByDescendingImpedance(std::vector<CableRecord>& cables)
{
    for (size_t i = 0; i < cables.size(); ++i)
        for (size_t j = i; j < cables.size(); ++j)
            if (cables[i].Impedance < cables[j].Impedance)
                std::swap(cables[i], cables[j]);
}

void EnableCablesOfEnabledGroups(Catalogue& catalogue)
{
    for (CableRecord& cable : catalogue.Cables)
        cable.Enabled = cable.Group < catalogue.CableGroups.size() && catalogue.CableGroups[cable.Group].Enabled;
}

// A North American user gets the "US" groups, everybody else the others;
// nobody gets a group that is off by default.
void ApplyLocaleDefaults(Catalogue& catalogue, Options& options, std::string_view localeId)
{
    const bool american = Scaling::IsAmericanLocale(localeId);
    for (size_t n = 0; n < catalogue.CableGroups.size(); ++n) {
        CableGroupRecord& group = catalogue.CableGroups[n];
        group.Enabled = !group.OffByDefault && (group.Locale == "US") == american;
        options.SetSettingBool(GroupSetting(n), group.Enabled);
    }
}

}  // namespace

bool LoadCables(Catalogue& catalogue, Options& options, MessageHost& host, const DataFiles& files,
                std::string_view localeId)
{
    const std::string& path = files.CablesFile;
    if (!FileSystem::FileExists(path)) {
        MsgBox(host, MissingFileMessage("standard cable data", path), MsgStyle::Exclamation);
        return false;
    }
    CableFileReader reader(catalogue, options, host, path);
    if (!reader.ReadGroups() || !reader.ReadCables())
        return false;
    SortByDescendingImpedance(catalogue.Cables);

    const bool anyEnabled = std::any_of(catalogue.CableGroups.begin(), catalogue.CableGroups.end(),
                                        [](const CableGroupRecord& group) { return group.Enabled; });
    if (!anyEnabled)
        ApplyLocaleDefaults(catalogue, options, localeId);
    EnableCablesOfEnabledGroups(catalogue);
    return true;
}

std::vector<CableGroupChoice> CableGroupChoices(const Catalogue& catalogue)
{
    std::vector<CableGroupChoice> choices;
    for (size_t n = 0; n < catalogue.CableGroups.size(); ++n)
        choices.push_back({catalogue.CableGroups[n].Name, static_cast<int>(n), catalogue.CableGroups[n].Enabled});
    return choices;
}

void ApplyCableGroupChoices(Catalogue& catalogue, Options& options, const std::vector<CableGroupChoice>& choices)
{
    bool changed = false;
    for (const CableGroupChoice& choice : choices) {
        if (choice.Group < 0 || static_cast<size_t>(choice.Group) >= catalogue.CableGroups.size())
            continue;
        CableGroupRecord& group = catalogue.CableGroups[static_cast<size_t>(choice.Group)];
        if (group.Enabled == choice.Enabled)
            continue;
        group.Enabled = choice.Enabled;
        options.SetSettingBool(GroupSetting(static_cast<size_t>(choice.Group)), choice.Enabled);
        changed = true;
    }
    if (changed)
        EnableCablesOfEnabledGroups(catalogue);
}
