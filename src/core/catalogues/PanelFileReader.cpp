#include "catalogues/PanelFileReader.h"

#include "text/CSV.h"
#include "text/WinINI.h"

#include <optional>
#include <type_traits>
#include <variant>

namespace {

// One numeric key of a panel section. A missing key is reported as
// "Invalid " + label, unless it has a default.
struct PanelKey {
    const char* Key;
    const char* Label;
    int16_t Minimum;
    int16_t Maximum;
    std::variant<uint8_t PanelRecord::*, int16_t PanelRecord::*> Target;
    const char* Default = "";
};

// In the order the keys are checked, which decides the message a panel with
// several bad keys gets.
const PanelKey PanelKeys[] = {
    {"Loops", "number of loops", 1, 8, &PanelRecord::Loops},
    {"DriverImpedance", "driver impedance", 0, 32767, &PanelRecord::DriverImpedance},
    {"MaxDevicesPerLoop", "maximum number of addressable devices per loop", 1, 252, &PanelRecord::MaxDevicesPerLoop,
     "126"},
    {"AlarmLEDs", "number of Alarm LEDs", 0, 254, &PanelRecord::AlarmLEDs},
    {"RemoteLEDs", "number of Remote LEDs", 0, 254, &PanelRecord::RemoteLEDs},
    {"Outputs", "number of Alarm Outputs", 0, 254, &PanelRecord::Outputs},
    {"MaxLoopCurrent", "maximum Loop Current", 0, 32767, &PanelRecord::MaxLoopCurrent},
    {"MaxTotalCurrent", "maximum Total Current", 0, 32767, &PanelRecord::MaxTotalCurrent},
    {"MinLoopVoltage", "minimum Loop Driver Voltage", 0, 32767, &PanelRecord::MinLoopVoltage},
    {"MaxPointsBetweenIsolators", "maximum number of points between isolators", 1, 252,
     &PanelRecord::MaxPointsBetweenIsolators, "32"},
};

// The power supply keys: optional, so a panel without them is read as
// before and the power calculation asks for what is missing.
struct PowerKey {
    const char* Key;
    const char* Label;
    int32_t Maximum;
    bool Hundredths;  // a figure with decimals, held in hundredths
    std::optional<int32_t> PanelRecord::*Target;
};

const PowerKey PowerKeys[] = {
    {"StandbyCurrent", "panel Standby Current", 32767, false, &PanelRecord::StandbyCurrent},
    {"AlarmCurrent", "panel Alarm Current", 32767, false, &PanelRecord::AlarmCurrent},
    {"MaxBattery", "maximum Battery Capacity", 100000, true, &PanelRecord::MaxBattery},
    {"ChargerCurrent", "Charger Current", 32767, false, &PanelRecord::ChargerCurrent},
};

bool ReadPowerKeys(MessageHost& host, const std::string& file, const std::string& section, const std::string& suffix,
                   PanelRecord& record)
{
    for (const PowerKey& key : PowerKeys) {
        const std::string value = CSV::GetCSVField(WinINI::ReadProfileKey(file, section, key.Key), 1);
        record.*key.Target = std::nullopt;
        if (value.empty())
            continue;
        int32_t number = 0;
        const std::string label = key.Label + suffix;
        if (key.Hundredths ? !CSV::ReadHundredthsValue(host, value, number, 1, key.Maximum, label)
                           : !CSV::ReadLongValue(host, value, number, 0, key.Maximum, label))
            return false;
        record.*key.Target = number;
    }
    return true;
}

// Every panel is taken to hold a full loop of addresses, whatever its file
// says; the file's value only has to be plausible.
constexpr int16_t DevicesPerLoopHeld = 254;

void Warn(MessageHost& host, const std::string& text)
{
    MsgBox(host, text, MsgStyle::OKOnly + MsgStyle::Exclamation);
}

bool ReadKey(MessageHost& host, const std::string& value, const PanelKey& key, const std::string& suffix,
             PanelRecord& record)
{
    const std::string label = key.Label + suffix;
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), uint8_t PanelRecord::*>)
                return CSV::ReadByteField(host, value, 1, record.*member, key.Minimum, key.Maximum, label);
            else
                return CSV::ReadIntegerField(host, value, 1, record.*member, key.Minimum, key.Maximum, label);
        },
        key.Target);
}

}  // namespace

std::string NamedPanelSuffix(const std::string& panelName, const std::string& manufacturerName,
                             const std::string& placeText)
{
    return " for control panel '" + panelName + "' for manufacturer '" + manufacturerName + "' in " + placeText;
}

bool ReadPanelSection(MessageHost& host, const std::string& file, const std::string& section,
                      const std::string& manufacturerName, const std::string& placeText,
                      const std::string& unnamedSuffix, PanelRecord& record)
{
    record.Name = CSV::GetCSVField(WinINI::ReadProfileKey(file, section, "Name"), 1);
    if (record.Name.empty()) {
        Warn(host, "Invalid name" + unnamedSuffix);
        return false;
    }
    const std::string suffix = NamedPanelSuffix(record.Name, manufacturerName, placeText);
    for (const PanelKey& key : PanelKeys) {
        std::string value = WinINI::ReadProfileKey(file, section, key.Key);
        if (value.empty())
            value = key.Default;
        if (value.empty()) {
            Warn(host, std::string("Invalid ") + key.Label + suffix);
            return false;
        }
        if (!ReadKey(host, value, key, suffix, record))
            return false;
    }
    if (!ReadPowerKeys(host, file, section, suffix, record))
        return false;
    record.MaxDevicesPerLoop = DevicesPerLoopHeld;
    return true;
}
