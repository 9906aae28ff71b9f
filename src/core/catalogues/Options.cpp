#include "catalogues/Options.h"

#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "text/WinINI.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace {

std::string Numbered(const char* name, int n)
{
    return name + std::to_string(n);
}

}  // namespace

std::string Options::GetSettingString(const std::string& name) const
{
    if (const auto number = store_.ReadNumber(name))
        return std::to_string(*number);
    return store_.ReadString(name).value_or("");
}

bool Options::GetSettingBool(const std::string& name) const
{
    return GetSettingLong(name) != 0;
}

int32_t Options::GetSettingLong(const std::string& name) const
{
    return store_.ReadNumber(name).value_or(0);
}

bool Options::SettingExists(const std::string& name) const
{
    return store_.Exists(name);
}

void Options::SetSettingString(const std::string& name, const std::string& text)
{
    store_.WriteString(name, text);
}

void Options::SetSettingBool(const std::string& name, bool flag)
{
    store_.WriteNumber(name, flag ? -1 : 0);
}

void Options::SetSettingLong(const std::string& name, int32_t value)
{
    store_.WriteNumber(name, value);
}

void Options::LoadLastCalcType()
{
    const int32_t stored = GetSettingLong(SettingName::LastCalcType);
    if (stored >= StoredNumber(MinCalcType) && stored <= StoredNumber(MaxCalcType))
        currentCalcType_ = static_cast<CalculationType>(stored);
    else
        SetLastCalcType(MinCalcType);
}

void Options::SetLastCalcType(CalculationType calcType)
{
    if (currentCalcType_ == calcType)
        return;
    currentCalcType_ = calcType;
    SetSettingLong(SettingName::LastCalcType, StoredNumber(calcType));
}

CalculationType Options::CurrentCalcType() const
{
    return currentCalcType_.value_or(MinCalcType);
}

void Options::LoadLastCableImpedance(const Catalogue& catalogue)
{
    const std::string stored = GetSettingString(SettingName::LastCableImpedance);
    const double number = LeadingNumber(stored);
    if (!stored.empty() && number >= 0 && number <= 10000)
        SetLastCableImpedance(Rounding::ToInt16Saturated(number));
    else
        SetLastCableImpedance(static_cast<int16_t>(catalogue.DefaultCableImpedance()));
}

void Options::SetLastCableImpedance(int16_t impedance)
{
    if (currentCableImpedance_ == impedance)
        return;
    currentCableImpedance_ = impedance;
    SetSettingLong(SettingName::LastCableImpedance, impedance);
}

int16_t Options::CurrentCableImpedance() const
{
    return currentCableImpedance_.value_or(0);
}

void Options::LoadFamilyShown(Catalogue& catalogue)
{
    for (size_t n = 0; n < catalogue.DeviceFamilies.size(); ++n) {
        DeviceFamilyRecord& family = catalogue.DeviceFamilies[n];
        const std::string name = Numbered(SettingName::DontShowFamily, static_cast<int>(n));
        if (SettingExists(name)) {
            family.Shown = !GetSettingBool(name);
        } else {
            family.Shown = family.DefaultShown;
            SetSettingBool(name, !family.Shown);
        }
    }
}

void Options::SetFamilyShown(Catalogue& catalogue, int family, bool shown)
{
    if (family < 0 || static_cast<size_t>(family) >= catalogue.DeviceFamilies.size())
        return;
    DeviceFamilyRecord& record = catalogue.DeviceFamilies[static_cast<size_t>(family)];
    if (record.Shown == shown)
        return;
    record.Shown = shown;
    SetSettingBool(Numbered(SettingName::DontShowFamily, family), !shown);
}

void Options::LoadStandardDevices(const Catalogue& catalogue, int last)
{
    standardDevices_.assign(static_cast<size_t>(std::max(last + 1, 0)), false);
    for (int d = 0; d <= last; ++d) {
        const DeviceTypeRecord& type = catalogue.DeviceType(d);
        if (!catalogue.IsSelectableDeviceType(d) || type.Family == 255 || type.IsSlave)
            continue;
        const std::string name = Numbered(SettingName::StandardDevice, d);
        if (SettingExists(name)) {
            standardDevices_[static_cast<size_t>(d)] = GetSettingBool(name);
        } else {
            const bool familyShown = type.Family >= 0 && static_cast<size_t>(type.Family) < catalogue.DeviceFamilies.size() &&
                                     catalogue.DeviceFamilies[static_cast<size_t>(type.Family)].Shown;
            SetStandardDevice(d, familyShown);
        }
    }
}

void Options::SetStandardDevice(int deviceType, bool flag)
{
    if (deviceType < 0 || static_cast<size_t>(deviceType) >= standardDevices_.size())
        return;
    if (standardDevices_[static_cast<size_t>(deviceType)] == flag)
        return;
    standardDevices_[static_cast<size_t>(deviceType)] = flag;
    SetSettingBool(Numbered(SettingName::StandardDevice, deviceType), flag);
}

bool Options::IsStandardDevice(int deviceType) const
{
    return deviceType >= 0 && static_cast<size_t>(deviceType) < standardDevices_.size() &&
           standardDevices_[static_cast<size_t>(deviceType)];
}

void Options::MigrateOldSettings(const std::string& oldSettingsPath)
{
    if (GetSettingBool(SettingName::FirstTimeDone))
        return;
    const auto old = [&](const std::string& section, const std::string& key) {
        return WinINI::ReadProfileKey(oldSettingsPath, section, key);
    };

    for (int n = 0; n <= 99; ++n) {
        const std::string name = Numbered(SettingName::DontShowFamily, n);
        if (old("Options", name) == "1")
            SetSettingBool(name, true);
    }
    if (old("Options", "FirstTime") == "Done")
        SetSettingBool(SettingName::FirstTimeDone, true);
    for (const char* name : {SettingName::FormHeight, SettingName::FormWidth, SettingName::LastCableImpedance,
                             SettingName::LastCalcType, SettingName::Units}) {
        const double number = LeadingNumber(old("Options", name));
        if (number == 0)
            continue;
        if (const auto value = Rounding::ToInt32(number))
            SetSettingLong(name, *value);
    }
    if (const std::string state = old("Options", SettingName::FormState); !state.empty())
        SetSettingString(SettingName::FormState, state);
    if (const std::string panel = old("Quellar", SettingName::LastPanel); !panel.empty())
        SetSettingString(SettingName::LastPanel, panel);
    for (int n = 1; n <= 4; ++n) {
        if (const std::string file = old("Options", Numbered("RecentFile", n)); !file.empty())
            SetSettingString(Numbered(SettingName::RecentFile, n), file);
    }
    if (old("Options", SettingName::KRBeforeOthersWarned) == "T")
        SetSettingBool(SettingName::KRBeforeOthersWarned, true);
    for (int n = 0; n <= 999; ++n) {
        if (old(Numbered("Device", n), "Standard") == "1")
            SetSettingBool(Numbered(SettingName::StandardDevice, n), true);
    }
}

void Options::SaveFormSize(const WindowGeometry& window)
{
    if (window.IsMaximized()) {
        SetSettingString(SettingName::FormState, "Maximized");
        return;
    }
    SetSettingString(SettingName::FormState, "Normal");
    SetSettingLong(SettingName::FormWidth, window.Width());
    SetSettingLong(SettingName::FormHeight, window.Height());
}

void Options::RestoreFormSize(WindowGeometry& window, bool useWorkArea, bool centre)
{
    const ScreenArea area = window.WorkArea();
    const auto size = [&](const char* name, int available, int own) {
        const int32_t stored = GetSettingLong(name);
        if (stored != 0)
            return std::min(stored, available);
        return useWorkArea ? available : own;
    };
    const int width = size(SettingName::FormWidth, area.Width, window.Width());
    const int height = size(SettingName::FormHeight, area.Height, window.Height());
    if (centre)
        window.SetGeometry(area.Left + (area.Width - width) / 2, area.Top + (area.Height - height) / 2, width, height);
    else
        window.SetGeometry(area.Left, area.Top, width, height);

    if (window.State() != WindowState::Normal)
        return;
    const std::string state = GetSettingString(SettingName::FormState);
    if (useWorkArea ? state != "Normal" : state == "Maximized")
        window.Maximize();
}

WindowSize Options::WindowSizeFor(const WindowSizeNames& names, WindowSize size, const ScreenArea& area) const
{
    const int32_t width = GetSettingLong(names.Width);
    const int32_t height = GetSettingLong(names.Height);
    if (width > 0 && height > 0)
        size = {width, height};
    return {std::min(size.Width, area.Width), std::min(size.Height, area.Height)};
}

void Options::SaveWindowSize(const WindowSizeNames& names, const WindowGeometry& window)
{
    if (window.State() != WindowState::Normal)
        return;
    SetSettingLong(names.Width, window.Width());
    SetSettingLong(names.Height, window.Height());
}

int Options::SecondShare(const WindowSizeNames& names) const
{
    if (!names.SecondShare)
        return 0;
    const int32_t share = GetSettingLong(names.SecondShare);
    return share >= 1 && share <= 999 ? share : 0;
}

void Options::SetSecondShare(const WindowSizeNames& names, int thousandths)
{
    if (names.SecondShare && thousandths >= 1 && thousandths <= 999)
        SetSettingLong(names.SecondShare, thousandths);
}

int Options::Units() const
{
    return units_;
}

void Options::SetUnits(int units)
{
    units_ = units;
    SetSettingLong(SettingName::Units, units);
}

void Options::LoadUnits(MessageHost& host)
{
    const int32_t stored = GetSettingLong(SettingName::Units);
    if (stored == Scaling::Metric || stored == Scaling::Imperial) {
        units_ = stored;
        return;
    }
    MsgBox(host, Scaling::UnknownUnitsMessage, MsgStyle::Exclamation);
    SetUnits(Scaling::Metric);
}

void Options::DetectUnits(std::string_view iMeasure, std::string_view localeId)
{
    SetUnits(Scaling::DetectedUnits(iMeasure, localeId));
}
