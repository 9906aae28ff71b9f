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

int16_t TestCatalogue::AddDeviceType(const DeviceSpec& entry)
{
    DeviceTypeRecord record;
    record.Name = entry.Name;
    record.QuiescentCurrent = entry.Quiescent;
    record.AlarmCurrent = entry.Alarm;
    record.AlarmCurrentLedDisabled = entry.AlarmLedDisabled.value_or(entry.Alarm);
    record.HasLedDisabledCurrent = record.AlarmCurrentLedDisabled != record.AlarmCurrent;
    record.InternalResistance = entry.Resistance;
    record.MinimumVoltage = entry.MinimumVoltage;
    record.SurgeCurrent = entry.Surge;
    record.MaxSurgeCurrent = entry.MaxSurge;
    record.NoOtherDevices = entry.NoOtherDevices;
    record.IsMaster = entry.IsMaster;
    record.IsSlave = entry.IsSlave;
    record.DependsOnDevice = entry.DependsOn;
    record.MaxDependents = entry.MaxDependents;
    record.BaseType = entry.BaseType;
    record.Family = entry.Family;
    record.IconNumber = entry.IconNumber;
    record.AddressRange = entry.AddressRange;
    for (size_t bit = 0; bit < entry.Outputs.size() && bit < record.OutputUse.size(); ++bit) {
        record.OutputUse[bit] = entry.Outputs[bit].first;
        record.OutputBitCurrent[bit] = entry.Outputs[bit].second;
        if (OutputBit(entry.Outputs[bit].first).Group == 3)
            record.HasRemoteOutput = true;
    }
    DeviceTypes.push_back(record);
    const auto position = static_cast<int16_t>(DeviceTypes.size() - 1);
    DeviceTypeOrder.push_back(position);
    return position;
}

int16_t TestCatalogue::AddOtherDevice(const OtherSpec& entry)
{
    const auto position = static_cast<int16_t>(OtherDevices.size());
    OtherDeviceRecord record;
    record.Number = entry.Number.value_or(position);
    record.Name = entry.Name;
    record.SingleName = entry.Name;
    record.Id = entry.Name;
    record.QuiescentCurrent = entry.Quiescent;
    record.AlarmCurrent = entry.Alarm;
    record.Impedance = entry.Impedance;
    record.MinVolts = entry.MinVolts;
    record.SurgeCurrent = entry.Surge.value_or(entry.Quiescent);
    record.MaxSurgeCurrent = entry.MaxSurge;
    record.FromRemote = entry.FromRemote;
    record.FromRemote2 = entry.FromRemote2;
    record.IsStandalone = entry.IsStandalone;
    record.IsBase = entry.IsBase;
    record.Base = entry.Base;
    record.MaxQty = entry.MaxQty;
    record.Family = entry.Family;
    record.AddressableDevice = entry.AddressableDevice;
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
