#pragma once
// A catalogue filled in memory for tests, entry by entry, with only the fields
// a test cares about. Positions are returned so tests can name what they add.

#include "catalogues/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One device type; fields left out stay zero or false. Fields are listed in
// the order designated initialisers need.
struct DeviceSpec {
    std::string Name{};
    int32_t Quiescent = 0;
    int32_t Alarm = 0;
    std::optional<int32_t> AlarmLedDisabled{};  // none: the same as Alarm
    double Resistance = 0;                    // hundredths of an ohm
    int16_t MinimumVoltage = 0;               // hundredths of a volt
    int32_t Surge = 0;
    int32_t MaxSurge = 0;  // non-zero: an isolator of this rating
    bool NoOtherDevices = false;
    bool IsMaster = false;
    bool IsSlave = false;
    int16_t DependsOn = 0;
    int16_t MaxDependents = 0;
    uint8_t BaseType = 0;
    int16_t Family = 0;
    int16_t IconNumber = 1;
    // Up to three output bits: (output-bit position, current in µA).
    std::vector<std::pair<int16_t, int32_t>> Outputs{};
    int32_t AddressRange = 0;  // position; 0 is every address
};

// One Other Device. Number defaults to the position it is added at.
struct OtherSpec {
    std::string Name{};
    int32_t Quiescent = 0;
    int32_t Alarm = 0;
    int16_t Impedance = 0;  // hundredths of an ohm
    int16_t MinVolts = 0;
    std::optional<int32_t> Surge{};  // none: the same as Quiescent
    int32_t MaxSurge = 0;
    bool FromRemote = false;
    bool FromRemote2 = false;
    bool IsStandalone = false;
    bool IsBase = false;
    uint8_t Base = 0;
    std::optional<int16_t> Number{};
    uint8_t MaxQty = 255;
    int16_t Family = 0;
    int16_t AddressableDevice = 0;
};

class TestCatalogue : public Catalogue {
public:
    // Output bit 0 is an empty bit (group 0), so that an unused OutputUse
    // names no LED or output. Address range 0 holds every address.
    TestCatalogue();

    // An address range marking first to last (inclusive) of each span.
    int32_t AddAddressRange(const std::string& name, std::vector<std::pair<int, int>> spans);
    // A panel made current, with generous limits unless the test says otherwise.
    int AddCurrentPanel(PanelRecord panel);

    int16_t AddOutputBit(int16_t group);
    int16_t AddDeviceType(const DeviceSpec& entry);
    int16_t AddOtherDevice(const OtherSpec& entry);
    // Keeps the cables in descending order of impedance, as loaded.
    int AddCable(const std::string& name, int16_t impedance, bool enabled);
};
