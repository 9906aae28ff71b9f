#pragma once
// The loop model: everything known about one loop of the control panel.
// It keeps running sums of currents and series resistance as devices are
// placed and removed, holds the results of the last Calculate and the
// verdict, and reads device and Other Device records from its catalogue.
//
// Units: currents in µA (sums in Currency), resistances and impedances in
// hundredths of an ohm, cable impedance in hundredths of an ohm per km per
// core, cable lengths in decimetres, panel voltage in hundredths of a volt,
// panel loop current in mA, the stored volt drop in tenths of a volt.

#include "catalogues/CalculationType.h"
#include "loop/CablePlacement.h"
#include "text/Currency.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Catalogue;
struct AlongCableResult;
struct DeviceTypeRecord;
struct OtherDeviceRecord;

// A stored distance along the cable that cannot be used, and why.
struct DroppedCablePosition {
    enum class Why { NoDevice, BeyondCable, OutOfOrder };
    int Address = 0;
    int Slot = 0;  // 0 for the address's device, else the standalone slot
    Why Reason = Why::OutOfOrder;
    bool operator==(const DroppedCablePosition&) const = default;
};

// The verdict of a loop (LoopDesign); the numbers are those the report
// and ferrolux-calc's JSON show.
enum class LoopDesignCode : int32_t {
    Satisfactory = 0,
    AlarmCurrentTooHigh = 1,
    VoltDropTooHigh = 2,
    QuiescentTooHigh = 3,
    FirstCableRunTooLong = 4,
    NoValidCableLength = 5,
    SurgeCurrentTooHigh = 6,
    IsolatorBetweenMasterAndSlave = 7,
    DependentDeviceMissing = 8,
};

class clsCalculator {
public:
    static constexpr int AddressCount = 256;
    static constexpr int FirstSlot = 2;
    static constexpr int LastSlot = 125;
    static constexpr int32_t MaxCableLength = 30000;  // decimetres
    // A device without a distance of its own along the cable.
    static constexpr int32_t NoPosition = CablePlacement::NoPosition;

    // Written by the surge check: the isolator at each end of the failing
    // section (0 = the control panel) and the section's surge total in µA.
    struct SurgeDiagnostics {
        int StartAddress = 0;
        int EndAddress = 0;
        Currency Total;
        bool operator==(const SurgeDiagnostics&) const = default;
    };
    // Written by the Master/Slave check.
    struct MasterSlaveDiagnostics {
        int MasterAddress = 0;
        int WiredWithAddress = 0;
        int SlaveAddress = 0;
        bool SlaveIsStandalone = false;
        int NeighbourAddress = 0;
        bool operator==(const MasterSlaveDiagnostics&) const = default;
    };
    // Written by the dependent-device check: the address of a device lacking
    // its master type, or the master type whose dependents are too many.
    struct DependentDiagnostics {
        int Address = 0;
        int MasterType = 0;
        bool operator==(const DependentDiagnostics&) const = default;
    };

    explicit clsCalculator(const Catalogue& catalogue);
    // Everything alike: contents, results and the panel data last given.
    bool operator==(const clsCalculator&) const = default;

    // Results of the last Calculate.
    int32_t QtyDevices() const { return qtyDevices_; }
    // The devices the loop's count shows: the addressable devices and the
    // slave bases that take an address of their own.
    int32_t DevicesOnLoop() const { return QtyDevices() + QtyAddressableSlaveBases(); }
    Currency QuiescentCurrentTotal() const { return quiescentCurrentTotal_; }
    Currency AlarmCurrentTotal() const { return alarmCurrentTotal_; }
    Currency QuiescentCurrentDevices() const { return quiescentCurrentDevices_; }
    Currency AlarmCurrentDevices() const { return alarmCurrentDevices_; }
    Currency VoltDrop() const;  // volts
    Currency MaxVoltDrop() const { return maxVoltDrop_; }  // volts
    // The volt drop of the cable as finally taken, before its rounding to
    // tenths and its cap at the panel's voltage; volts.
    double LumpedVoltDrop() const { return lumpedVoltDrop_; }
    const std::string& PanelLimitText() const { return panelLimitText_; }
    // The panel's loop current of the last SetPanelData, which the verdict
    // holds the currents to; mA.
    int16_t PanelMaxLoopCurrent() const { return panelMaxLoopCurrent_; }
    LoopDesignCode LoopDesign() const { return loopDesign_; }
    const SurgeDiagnostics& Surge() const { return surge_; }
    const MasterSlaveDiagnostics& MasterSlave() const { return masterSlave_; }
    const DependentDiagnostics& Dependent() const { return dependent_; }

    // Computes every result from the loop's contents; see Calculate.cpp.
    void Calculate(bool useSlider, int16_t sliderPercent, bool skipDeviceChecks);
    // Calculate again with the last Calculate's arguments, after a change.
    void Recalculate() { Calculate(lastUseSlider_, lastSliderPercent_, lastSkipDeviceChecks_); }

    // Verdict texts of the last Calculate.
    bool DesignIsSatisfactory() const;
    std::string LoopDesignShort() const;
    std::string LoopDesignLong() const;
    std::string DesignExplanation() const;
    // The same texts for any code; a code outside 0 to 8 has empty short and
    // long texts and the explanation "Unknown reason". The explanation reads
    // the diagnostics of the last Calculate.
    static std::string LoopDesignShortFor(LoopDesignCode code);
    static std::string LoopDesignLongFor(LoopDesignCode code);
    std::string DesignExplanationFor(LoopDesignCode code) const;

    CalculationType CalcType() const { return calcType_; }
    void SetCalcType(CalculationType value) { calcType_ = value; }
    int32_t CableFirst() const { return cableFirst_; }
    void SetCableFirst(int32_t decimetres) { cableFirst_ = decimetres; }
    int32_t CableTotal() const { return cableTotal_; }
    void SetCableTotal(int32_t decimetres) { cableTotal_ = decimetres; }
    int16_t CableImpedance() const { return cableImpedance_; }
    void SetCableImpedance(int16_t value) { cableImpedance_ = value; }
    int32_t MaxOutput() const { return maxOutput_; }
    void SetMaxOutput(int32_t value) { maxOutput_ = value; }
    bool DINLEDsDisabled() const { return dinLedsDisabled_; }
    void SetDINLEDsDisabled(bool value) { dinLedsDisabled_ = value; }
    bool IgnoreIsolators() const { return ignoreIsolators_; }
    void SetIgnoreIsolators(bool value) { ignoreIsolators_ = value; }

    // Per-address contents. Readers give 0 outside 0 to 255 unless noted.
    int16_t DeviceType(int address) const;
    void SetDeviceType(int address, int16_t type);
    int16_t DeviceOtherType(int address) const;
    void SetDeviceOtherType(int address, int16_t type);
    int16_t DeviceOtherBaseType(int address) const;
    void SetDeviceOtherBaseType(int address, int16_t type);
    int16_t DeviceBaseType(int address) const;
    void SetDeviceBaseType(int address, int16_t type);
    int16_t DeviceBaseAddr(int address) const;
    // Stores the value as 16 bits; false (nothing stored) when it overflows.
    bool SetDeviceBaseAddr(int address, int32_t value);
    int32_t QtyAddressableSlaveBases() const;

    // Position of the address along the cable; 1 for an address outside 0 to 255.
    int32_t AddressOrder(int address) const;
    void SetAddressOrder(int address, int32_t position);
    // The address at a position along the cable; 1 when no address has it.
    int AddressAtPosition(int position) const;
    // Every address, from the panel's OUT terminal on; and the order set whole
    // from such a list (each of 0 to 255 once).
    std::vector<int> CableOrder() const;
    void SetCableOrder(const std::vector<int>& order);

    // Standalone devices: slot 2 to 125 at each address.
    int16_t DeviceStandalone(int address, int slot) const;
    void SetDeviceStandalone(int address, int slot, int16_t type);
    int32_t DeviceStandaloneAddress(int address, int slot) const;
    void SetDeviceStandaloneAddress(int address, int slot, int32_t associatedAddress);
    void DeviceStandaloneTypeAndAddress(int address, int slot, int16_t type, int32_t associatedAddress);
    int32_t DeviceStandaloneCount(int address) const;

    // Distances along the cable from the panel's loop OUT terminal, in
    // decimetres, or NoPosition. A device's is cleared with the device; a
    // standalone device's lives in its slot (setting one on an empty slot
    // does nothing). A standalone device without its own distance sits at
    // its address's.
    int32_t CablePosition(int address) const;
    void SetCablePosition(int address, int32_t decimetres);
    int32_t StandaloneCablePosition(int address, int slot) const;
    void SetStandaloneCablePosition(int address, int slot, int32_t decimetres);
    void ClearCablePositions();
    // Clears every stored distance at an address without a device, beyond
    // the cable (the longest there is where the calculation finds the
    // longest run), or out of cable order (as few as leave the rest in
    // order); returns which, devices without one first.
    std::vector<DroppedCablePosition> DropMisplacedCablePositions();

    // What the designer calls the place of the device: one line, or empty.
    // A device's is cleared with the device; a standalone device's lives in
    // its slot (setting one on an empty slot does nothing).
    const std::string& Location(int address) const;  // "" outside 0..255
    void SetLocation(int address, std::string text);
    const std::string& StandaloneLocation(int address, int slot) const;
    void SetStandaloneLocation(int address, int slot, std::string text);

    // The voltage at every device along the cable and the isolator sections;
    // see AlongCable.h. Reads the panel data of the last SetPanelData.
    AlongCableResult AnalyseAlongCable(int32_t pointsPerSection) const;

    // Uses of one Other Device type on the loop.
    int32_t QtyOthers(int otherType) const;

    void SetPanelData(int32_t alarmLEDs, int32_t remoteLEDs, int32_t outputs, int16_t minLoopVoltage,
                      int16_t maxLoopCurrent, int16_t driverImpedance);

    void ClearData();
    // A copy built through the public writers and calculated with this loop's
    // last Calculate arguments.
    clsCalculator Copy() const;

    // Running sums, exposed for checks against a recount.
    Currency AlarmSum() const { return alarmSum_; }
    Currency LedDisabledAlarmSum() const { return ledDisabledAlarmSum_; }
    Currency StandaloneQuiescentSum() const { return standaloneQuiescentSum_; }
    Currency StandaloneAlarmSum() const { return standaloneAlarmSum_; }
    double SeriesResistance() const { return seriesResistance_; }

private:
    struct StandaloneEntry {
        int16_t Slot;
        int16_t Type;
        int32_t Address;
        int32_t Position = NoPosition;
        std::string Location;
        bool operator==(const StandaloneEntry&) const = default;
    };
    struct Working;
    class AlongCableAnalysis;  // AlongCable.cpp
    friend class AlongCableAnalysis;  // the working values of one Calculate (Calculate.cpp)

    static bool IsAddress(int address) { return address >= 0 && address < AddressCount; }
    static std::array<int32_t, AddressCount> NoPositions()
    {
        std::array<int32_t, AddressCount> positions{};
        positions.fill(NoPosition);
        return positions;
    }
    const DeviceTypeRecord& DeviceRecord(int type) const;
    const OtherDeviceRecord& OtherRecord(int type) const;
    const std::vector<StandaloneEntry>& StandaloneAt(int address) const;
    // The entry of an occupied slot; nullptr for an empty one or outside the loop.
    const StandaloneEntry* EntryAt(int address, int slot) const;
    StandaloneEntry* EntryAt(int address, int slot);
    void AdjustDeviceSums(const DeviceTypeRecord& oldRecord, const DeviceTypeRecord& newRecord);

    // Calculate, one function per step group.
    void CountDevices(Working& work);
    void LimitPanelLedsAndOutputs(Working& work);
    void AddOtherDevices(Working& work);
    void AddStandaloneDevicesAndRemoteLeds(Working& work);
    double UncappedVoltDrop(const Working& work) const;
    double VoltDropFunction(const Working& work) const;
    void ApplyCalculationType(Working& work, bool useSlider, int16_t sliderPercent);
    void CalculateMaximumCableRun(Working& work, bool useSlider, int16_t sliderPercent);
    void CalculateSmallestCable(Working& work);
    LoopDesignCode Verdict(const Working& work, bool skipDeviceChecks);
    bool SurgeCheckFails();
    bool MasterSlaveCheckFails();
    bool MasterFails(int masterAddress);
    bool DependentDeviceCheckFails();

    const Catalogue* catalogue_;

    int32_t qtyDevices_ = 0;
    std::string panelLimitText_;
    Currency quiescentCurrentDevices_;
    Currency standaloneQuiescentSum_;
    Currency quiescentCurrentTotal_;
    Currency ledDisabledAlarmSum_;
    Currency alarmSum_;
    Currency alarmCurrentDevices_;
    Currency standaloneAlarmSum_;
    Currency alarmCurrentTotal_;
    int16_t voltDrop_ = 0;  // tenths of a volt
    double lumpedVoltDrop_ = 0;
    Currency maxVoltDrop_;
    LoopDesignCode loopDesign_ = LoopDesignCode::Satisfactory;
    CalculationType calcType_ = CalculationType::MaxVoltDrop;

    std::array<int16_t, AddressCount> deviceType_{};
    std::array<int16_t, AddressCount> deviceOtherType_{};
    std::array<int16_t, AddressCount> deviceOtherBaseType_{};
    std::array<int16_t, AddressCount> deviceBaseType_{};
    std::array<int16_t, AddressCount> deviceBaseAddr_{};
    // Occupied standalone slots only, by ascending slot; the readers give 0
    // for the empty ones.
    std::array<std::vector<StandaloneEntry>, AddressCount> standalone_;
    std::array<int32_t, AddressCount> standaloneCount_{};
    std::array<int32_t, AddressCount> cablePosition_ = NoPositions();
    std::array<std::string, AddressCount> location_;
    double seriesResistance_ = 0;
    std::array<int32_t, AddressCount> addressOrder_{};     // address -> position
    std::array<int32_t, AddressCount> addressAtPosition_{};  // position -> address
    bool ignoreIsolators_ = false;

    int32_t cableFirst_ = 0;
    int32_t cableTotal_ = 0;
    int16_t cableImpedance_ = 0;
    int32_t maxOutput_ = 0;
    bool dinLedsDisabled_ = false;

    bool lastUseSlider_ = false;
    int16_t lastSliderPercent_ = 0;
    bool lastSkipDeviceChecks_ = false;

    int32_t panelAlarmLeds_ = 256;
    int32_t panelRemoteLeds_ = 256;
    int32_t panelOutputs_ = 256;
    int16_t panelMinLoopVoltage_ = 0;
    int16_t panelMaxLoopCurrent_ = 0;
    int16_t panelDriverImpedance_ = 0;

    SurgeDiagnostics surge_;
    MasterSlaveDiagnostics masterSlave_;
    DependentDiagnostics dependent_;
};
