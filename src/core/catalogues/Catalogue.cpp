#include "catalogues/Catalogue.h"

namespace {

const DeviceTypeRecord EmptyDeviceType{};
const OtherDeviceRecord EmptyOtherDevice{};
const OutputBitRecord EmptyOutputBit{};

template <typename Record>
bool InBounds(const std::vector<Record>& records, int position)
{
    return position >= 0 && static_cast<size_t>(position) < records.size();
}

template <typename Record>
const Record& AtOrEmpty(const std::vector<Record>& records, int position, const Record& empty)
{
    return InBounds(records, position) ? records[static_cast<size_t>(position)] : empty;
}

}  // namespace

Catalogue::Catalogue()
{
    // Device type 0 and Other Device 0 always exist and stand for none.
    DeviceTypes.resize(1);
    DeviceTypeOrder.push_back(0);
    OtherDevices.resize(1);
    OtherDevices[0].SingleName = "0";
    NoBatterySizes = "no battery sizes are installed";
}

const DeviceTypeRecord& Catalogue::DeviceType(int position) const
{
    return AtOrEmpty(DeviceTypes, position, EmptyDeviceType);
}

const OtherDeviceRecord& Catalogue::OtherDevice(int position) const
{
    return AtOrEmpty(OtherDevices, position, EmptyOtherDevice);
}

const OutputBitRecord& Catalogue::OutputBit(int position) const
{
    return AtOrEmpty(OutputBits, position, EmptyOutputBit);
}

const PanelRecord* Catalogue::CurrentPanelRecord() const
{
    return InBounds(Panels, CurrentPanel) ? &Panels[static_cast<size_t>(CurrentPanel)] : nullptr;
}

int Catalogue::FindDeviceType(std::string_view name) const
{
    for (size_t i = 0; i < DeviceTypes.size(); ++i)
        if (DeviceTypes[i].Name == name)
            return static_cast<int>(i);
    return 0;
}

bool Catalogue::IsValidDeviceType(int number) const
{
    return number != 0 && InBounds(DeviceTypes, number);
}

bool Catalogue::IsSelectableDeviceType(int number) const
{
    return InBounds(DeviceTypes, number) && (number == 0 || DeviceType(number).IconNumber != 0);
}

bool Catalogue::IsHiddenDeviceType(int number) const
{
    return InBounds(DeviceTypes, number) && DeviceType(number).Family == 255;
}

bool Catalogue::HasRemoteOutputDevice(int number) const
{
    for (const int16_t use : DeviceType(number).OutputUse)
        if (OutputBit(use).Group == 3)
            return true;
    return false;
}

int Catalogue::FindOtherDeviceByNumber(int number) const
{
    for (size_t i = 0; i < OtherDevices.size(); ++i)
        if (OtherDevices[i].Number == number)
            return static_cast<int>(i);
    return 0;
}

bool Catalogue::IsValidOtherDevice(int number) const
{
    return number != 0 && InBounds(OtherDevices, number);
}

bool Catalogue::CanAttachOther(int deviceType, int otherDevice) const
{
    if (otherDevice == 0)
        return true;
    const DeviceTypeRecord& device = DeviceType(deviceType);
    const OtherDeviceRecord& other = OtherDevice(otherDevice);
    if (device.NoOtherDevices)
        return false;
    if (other.FromRemote && !HasRemoteOutputDevice(deviceType))
        return false;
    return other.Base == 0 || other.Base == device.BaseType;
}

int Catalogue::FindCableByImpedance(int impedance) const
{
    for (size_t i = 0; i < Cables.size(); ++i)
        if (Cables[i].Enabled && Cables[i].Impedance == impedance)
            return static_cast<int>(i);
    return static_cast<int>(Cables.size());
}

std::string Catalogue::CableNameForImpedance(int impedance) const
{
    const int position = FindCableByImpedance(impedance);
    return InBounds(Cables, position) ? Cables[static_cast<size_t>(position)].Name : "User-Defined";
}

int Catalogue::DefaultCableImpedance() const
{
    for (const CableRecord& cable : Cables)
        if (cable.Enabled)
            return cable.Impedance;
    return Cables.empty() ? 0 : Cables.front().Impedance;
}
