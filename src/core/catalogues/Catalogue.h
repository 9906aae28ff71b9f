#pragma once
// The reference catalogues of one run: device types, Other Devices, control
// panels, cables and standard battery sizes, with the lookups the rest of the program uses. The
// application owns one; tests build their own.

#include "catalogues/CatalogueRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Catalogue {
public:
    Catalogue();

    // Device types, position 0 to the last type (at most 255).
    std::vector<DeviceTypeRecord> DeviceTypes;
    std::vector<int> DeviceTypeOrder;  // positions sorted by Name
    std::vector<DeviceFamilyRecord> DeviceFamilies;
    std::vector<int> FamilyOrder;  // positions sorted by SortKey
    std::vector<DeviceButtonRecord> DeviceButtons;
    std::vector<AddressRangeRecord> AddressRanges;
    bool AnyHighAddress = false;
    std::vector<FieldTypeRecord> FieldTypes;
    std::vector<InputBitRecord> InputBits;
    std::vector<OutputBitRecord> OutputBits;
    std::vector<SwitchRecord> Switches;

    // Other Devices: position 0 is none, the rest sorted by Name.
    std::vector<OtherDeviceRecord> OtherDevices;
    int StandaloneSurgeOther = 0;

    std::vector<PanelManufacturerRecord> PanelManufacturers;
    std::vector<PanelRecord> Panels;
    int CurrentPanel = -1;
    int DefaultPanel = -1;
    int UserDefinedManufacturer = -1;
    int UserDefinedPanelCount = 0;

    std::vector<CableGroupRecord> CableGroups;
    std::vector<CableRecord> Cables;  // by descending Impedance

    // The standard battery sizes, hundredths of an Ah, smallest first; when
    // there are none, NoBatterySizes says why ("no battery sizes are
    // installed (looked for '…')"), naming BatterySizesFile.
    std::vector<int32_t> BatterySizes;
    std::string BatterySizesFile;
    std::string NoBatterySizes;

    // Records by position; an empty record (all zero) outside the container.
    const DeviceTypeRecord& DeviceType(int position) const;
    const OtherDeviceRecord& OtherDevice(int position) const;
    const OutputBitRecord& OutputBit(int position) const;
    // The current control panel; nullptr when none is selected.
    const PanelRecord* CurrentPanelRecord() const;

    int FindDeviceType(std::string_view name) const;
    bool IsValidDeviceType(int number) const;
    bool IsSelectableDeviceType(int number) const;
    bool IsHiddenDeviceType(int number) const;
    bool HasRemoteOutputDevice(int number) const;

    int FindOtherDeviceByNumber(int number) const;
    bool IsValidOtherDevice(int number) const;
    bool CanAttachOther(int deviceType, int otherDevice) const;

    // Position of the first enabled cable with exactly this impedance; one
    // past the last cable when there is none.
    int FindCableByImpedance(int impedance) const;
    std::string CableNameForImpedance(int impedance) const;
    int DefaultCableImpedance() const;
};
