#pragma once
// The in-memory records of the reference catalogues. Records are plain
// structures; catalogue entries are addressed by their position in the
// containers of Catalogue. Currents are in microamperes unless a name says
// otherwise.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// One addressable device type.
struct DeviceTypeRecord {
    std::string Name;
    std::string Description;
    int16_t Protocol = 0;
    int16_t TypeCode = 0;
    int16_t Family = 0;  // family position; 255 = in no family
    int16_t Button = 0;  // 0 when the type is not selectable
    uint8_t AnalogueType = 0;
    int32_t QuiescentCurrent = 0;
    int16_t IconNumber = 0;  // 0: not offered for selection
    bool Flag17 = false;
    std::array<int16_t, 3> OutputUse{};  // positions of OutputBitRecords, bits 1 to 3
    int16_t OutputBitDrawOrder = 0;
    int16_t PollingLedIcon = 0;
    std::array<int32_t, 3> OutputBitCurrent{};
    std::array<int16_t, 3> InputUse{};
    std::array<int32_t, 3> InputBitCurrent{};
    uint8_t TestModeRampUp = 0;
    uint8_t TestModeRampDown = 0;
    uint8_t TestModeFinalRampUp = 0;
    uint8_t TestModeInitialRampDown = 0;
    uint8_t TestModeFinalValue = 0;
    bool Flag22 = false;
    int32_t AddressRange = 0;  // position of its AddressRangeRecord
    int32_t AlarmCurrent = 0;
    int32_t AlarmCurrentLedDisabled = 0;
    int16_t MinimumVoltage = 0;  // hundredths of a volt
    bool HasRemoteOutput = false;
    bool HasLedDisabledCurrent = false;
    double InternalResistance = 0;  // hundredths of an ohm
    uint8_t BaseType = 0;
    int32_t SurgeCurrent = 0;
    int32_t MaxSurgeCurrent = 0;  // 0 when the type is no isolator
    int32_t IsolatedEquivalent = 0;
    bool NoOtherDevices = false;
    bool Flag42A = false;
    bool IsMaster = false;
    bool IsSlave = false;
    int16_t DependsOnDevice = 0;  // device-type position; 0 for none
    int16_t MaxDependents = 0;
    bool Flag55 = false;
    uint8_t DilSwitch1 = 0;
    uint8_t DilSwitch2 = 0;
    int16_t StandaloneOther = 0;  // Other Device position after loading
    bool Flag47 = false;
    bool IsCustom = false;
    std::array<std::string, 8> FaultNames;
    std::array<int16_t, 15> FieldTypes{};
    int16_t SpecialFieldA = -1;
    std::string ProtocolText;
    int16_t SpecialFieldB = -1;
    int16_t SpecialFieldC = -1;
    int16_t WandIcon = 0;
    int16_t Field52Hundredths = 0;
};

struct DeviceFamilyRecord {
    std::string Name;
    std::string SortKey;
    std::string Locale;  // "US", "NONUS" or "ALL"
    bool DefaultShown = false;
    bool Shown = false;
};

struct DeviceButtonRecord {
    std::string Label;
    std::string Detail;
    int16_t Flag = 0;
};

struct AddressRangeRecord {
    std::string Name;
    std::array<bool, 256> Valid{};
    int32_t Count = 0;
    bool HasHighAddress = false;
};

struct FieldTypeRecord {
    std::string Name;
    int16_t DefaultValue = 0;
    bool Flag3 = false;
    uint8_t PcReadOnlyMask = 0;
    bool Flag5 = false;
    bool Flag6 = false;
    bool Flag7 = false;
    int32_t Value8 = 0;
    int16_t DisplayMode = 0;
    bool Flag10 = false;
    bool Flag14 = false;
    std::string Text11;
    std::array<int16_t, 4> SubValues{};
    std::string SubText;
    bool SubFlag = false;
    bool Flag13 = false;
    int16_t Code15 = -1;
    int16_t Code16 = -1;
};

struct InputBitRecord {
    std::string Name;
    int16_t Use = 0;
    int16_t Picture = 0;
};

// Group 1 is an alarm LED, group 2 an output, group 3 a remote output.
struct OutputBitRecord {
    std::string Name;
    int16_t Use = 0;
    int16_t Group = 0;
};

struct SwitchRecord {
    std::string Name;
    std::string Text2;
    int16_t AlarmCurrentOff = 0;
    int16_t AlarmCurrentOn = 0;
    bool DefaultOn = false;
    bool MasterB = false;
    bool MasterA = false;
    bool SlaveB = false;
    bool SlaveA = false;
};

// One non-addressable device. Position 0 of the container stands for none.
struct OtherDeviceRecord {
    int16_t Number = 0;  // position when read, before sorting
    std::string Name;
    std::string SingleName;
    std::string Id;
    int16_t Impedance = 0;  // hundredths of an ohm
    int32_t QuiescentCurrent = 0;
    int32_t AlarmCurrent = 0;
    bool FromRemote = false;
    uint8_t MaxQty = 0;  // the loader gives 255 when the file sets none
    int16_t Family = 0;
    int16_t Button = 0;
    int16_t Icon = 0;
    int16_t AlternativeIcon = 0;
    int16_t AlarmIcon = 0;
    int16_t AlternativeDevice = 0;
    std::string AlternativeName;
    uint8_t Base = 0;  // base type it fits; 0 fits any
    bool IsCustom = false;
    int16_t MinVolts = 0;  // hundredths of a volt
    int32_t SurgeCurrent = 0;
    int32_t MaxSurgeCurrent = 0;
    bool IsStandalone = false;
    bool IsBase = false;
    bool FromRemote2 = false;
    int16_t AddressableDevice = 0;
    bool ThirdParty = false;
};

struct PanelManufacturerRecord {
    std::string Name;
    std::string Section;
};

struct PanelRecord {
    bool IsStandard = false;
    int16_t Manufacturer = 0;  // -1 marks a deleted user-defined panel
    std::string Name;
    std::string Section;
    uint8_t Loops = 0;
    int16_t DriverImpedance = 0;  // hundredths of an ohm
    uint8_t AlarmLEDs = 0;
    uint8_t RemoteLEDs = 0;
    uint8_t Outputs = 0;
    int16_t MaxLoopCurrent = 0;   // mA
    int16_t MaxTotalCurrent = 0;  // mA
    int16_t MinLoopVoltage = 0;   // hundredths of a volt
    int16_t MaxDevicesPerLoop = 254;
    // The points a short circuit may take out between two isolators.
    int16_t MaxPointsBetweenIsolators = 32;
    // The power supply, each absent when the panel file does not give it.
    std::optional<int32_t> StandbyCurrent{};  // mA on battery, loops excluded
    std::optional<int32_t> AlarmCurrent{};    // mA in alarm, loops excluded
    std::optional<int32_t> MaxBattery{};      // hundredths of an Ah
    std::optional<int32_t> ChargerCurrent{};  // mA
};

struct CableGroupRecord {
    std::string Name;
    std::string Locale;  // "US", "NONUS" or "ALL"
    bool Enabled = false;
    // Offered only once the user switches it on, in every locale.
    bool OffByDefault = false;
};

struct CableRecord {
    std::string Name;
    int16_t Impedance = 0;  // hundredths of an ohm per km per core
    bool Enabled = false;
    uint8_t Group = 0;
};
