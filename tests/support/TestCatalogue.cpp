#include "support/TestCatalogue.h"

#include <algorithm>

TestCatalogue::TestCatalogue()
{
    OutputBits.push_back({});
    AddressRangeRecord full;
    full.Name = " full";
    full.Valid.fill(true);
    full.Count = 256;
    AddressRanges.push_back(full);
}

int32_t TestCatalogue::AddAddressRange(const std::string& name, std::vector<std::pair<int, int>> spans)
{
    AddressRangeRecord range;
    range.Name = name;
    for (const auto& [first, last] : spans)
        for (int a = first; a <= last; ++a) {
            range.Valid[static_cast<size_t>(a)] = true;
            ++range.Count;
        }
    AddressRanges.push_back(range);
    return static_cast<int32_t>(AddressRanges.size() - 1);
}

int TestCatalogue::AddCurrentPanel(PanelRecord panel)
{
    Panels.push_back(std::move(panel));
    CurrentPanel = static_cast<int>(Panels.size() - 1);
    return CurrentPanel;
}

int16_t TestCatalogue::AddOutputBit(int16_t group)
{
    OutputBits.push_back({"Output " + std::to_string(OutputBits.size()), 0, group});
    return static_cast<int16_t>(OutputBits.size() - 1);
}

int16_t TestCatalogue::AddDeviceType(const DeviceSpec& spec)
{
    DeviceTypeRecord record;
    record.Name = spec.Name;
    record.QuiescentCurrent = spec.Quiescent;
    record.AlarmCurrent = spec.Alarm;
    record.AlarmCurrentLedDisabled = spec.AlarmLedDisabled.value_or(spec.Alarm);
    record.HasLedDisabledCurrent = record.AlarmCurrentLedDisabled != record.AlarmCurrent;
    record.InternalResistance = spec.Resistance;
    record.MinimumVoltage = spec.MinimumVoltage;
    record.SurgeCurrent = spec.Surge;
    record.MaxSurgeCurrent = spec.MaxSurge;
    record.NoOtherDevices = spec.NoOtherDevices;
    record.IsMaster = spec.IsMaster;
    record.IsSlave = spec.IsSlave;
    record.DependsOnDevice = spec.DependsOn;
    record.MaxDependents = spec.MaxDependents;
    record.BaseType = spec.BaseType;
    record.Family = spec.Family;
    record.IconNumber = spec.IconNumber;
    record.AddressRange = spec.AddressRange;
    for (size_t bit = 0; bit < spec.Outputs.size() && bit < record.OutputUse.size(); ++bit) {
        record.OutputUse[bit] = spec.Outputs[bit].first;
        record.OutputBitCurrent[bit] = spec.Outputs[bit].second;
        if (OutputBit(spec.Outputs[bit].first).Group == 3)
            record.HasRemoteOutput = true;
    }
    DeviceTypes.push_back(record);
    const auto position = static_cast<int16_t>(DeviceTypes.size() - 1);
    DeviceTypeOrder.push_back(position);
    return position;
}

int16_t TestCatalogue::AddOtherDevice(const OtherSpec& spec)
{
    const auto position = static_cast<int16_t>(OtherDevices.size());
    OtherDeviceRecord record;
    record.Number = spec.Number.value_or(position);
    record.Name = spec.Name;
    record.SingleName = spec.Name;
    record.Id = spec.Name;
    record.QuiescentCurrent = spec.Quiescent;
    record.AlarmCurrent = spec.Alarm;
    record.Impedance = spec.Impedance;
    record.MinVolts = spec.MinVolts;
    record.SurgeCurrent = spec.Surge.value_or(spec.Quiescent);
    record.MaxSurgeCurrent = spec.MaxSurge;
    record.FromRemote = spec.FromRemote;
    record.FromRemote2 = spec.FromRemote2;
    record.IsStandalone = spec.IsStandalone;
    record.IsBase = spec.IsBase;
    record.Base = spec.Base;
    record.MaxQty = spec.MaxQty;
    record.Family = spec.Family;
    record.AddressableDevice = spec.AddressableDevice;
    OtherDevices.push_back(record);
    return position;
}

int TestCatalogue::AddCable(const std::string& name, int16_t impedance, bool enabled)
{
    const auto at = std::find_if(Cables.begin(), Cables.end(),
                                 [impedance](const CableRecord& c) { return c.Impedance < impedance; });
    const auto inserted = Cables.insert(at, CableRecord{name, impedance, enabled, 0});
    return static_cast<int>(inserted - Cables.begin());
}
