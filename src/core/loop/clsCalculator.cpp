#include "loop/clsCalculator.h"

#include "catalogues/Catalogue.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const DeviceTypeRecord EmptyDevice{};
const OtherDeviceRecord EmptyOther{};

Currency Microamps(int32_t value) { return Currency::FromInteger(value); }

// A device type's alarm current with its LED disabled.
int32_t LedDisabledAlarmCurrent(const DeviceTypeRecord& record)
{
    return record.HasLedDisabledCurrent ? record.AlarmCurrentLedDisabled : record.AlarmCurrent;
}

bool IsSlot(int slot) { return slot >= clsCalculator::FirstSlot && slot <= clsCalculator::LastSlot; }

// What the location readers give where there is none.
const std::string& NoLocation()
{
    static const std::string none;
    return none;
}

}  // namespace

clsCalculator::clsCalculator(const Catalogue& catalogue) : catalogue_(&catalogue)
{
    for (int a = 0; a < AddressCount; ++a) {
        addressOrder_[static_cast<size_t>(a)] = a;
        addressAtPosition_[static_cast<size_t>(a)] = a;
    }
}

// Type 0 is always the empty record, whatever the catalogue holds there.
const DeviceTypeRecord& clsCalculator::DeviceRecord(int type) const
{
    return type == 0 ? EmptyDevice : catalogue_->DeviceType(type);
}

const OtherDeviceRecord& clsCalculator::OtherRecord(int type) const
{
    return type == 0 ? EmptyOther : catalogue_->OtherDevice(type);
}

Currency clsCalculator::VoltDrop() const
{
    return Currency::FromScaled(int64_t{voltDrop_} * (Currency::Scale / 10));
}

int16_t clsCalculator::DeviceType(int address) const
{
    return IsAddress(address) ? deviceType_[static_cast<size_t>(address)] : 0;
}

void clsCalculator::AdjustDeviceSums(const DeviceTypeRecord& oldRecord, const DeviceTypeRecord& newRecord)
{
    quiescentCurrentDevices_ += Microamps(newRecord.QuiescentCurrent) - Microamps(oldRecord.QuiescentCurrent);
    alarmSum_ += Microamps(newRecord.AlarmCurrent) - Microamps(oldRecord.AlarmCurrent);
    ledDisabledAlarmSum_ += Microamps(LedDisabledAlarmCurrent(newRecord)) - Microamps(LedDisabledAlarmCurrent(oldRecord));
    seriesResistance_ += newRecord.InternalResistance - oldRecord.InternalResistance;
}

void clsCalculator::SetDeviceType(int address, int16_t type)
{
    if (!IsAddress(address))
        return;
    int16_t& stored = deviceType_[static_cast<size_t>(address)];
    if (stored == type)
        return;
    AdjustDeviceSums(DeviceRecord(stored), DeviceRecord(type));
    stored = type;
    if (type == 0) {
        cablePosition_[static_cast<size_t>(address)] = NoPosition;
        location_[static_cast<size_t>(address)].clear();
    }
}

int16_t clsCalculator::DeviceBaseType(int address) const
{
    return IsAddress(address) ? deviceBaseType_[static_cast<size_t>(address)] : 0;
}

void clsCalculator::SetDeviceBaseType(int address, int16_t type)
{
    if (!IsAddress(address))
        return;
    int16_t& stored = deviceBaseType_[static_cast<size_t>(address)];
    if (stored == type)
        return;
    // Only an addressable base that isolates and is a slave draws current of its own.
    auto counted = [this](int t) -> const DeviceTypeRecord& {
        const DeviceTypeRecord& record = DeviceRecord(t);
        return record.NoOtherDevices && record.IsSlave ? record : EmptyDevice;
    };
    AdjustDeviceSums(counted(stored), counted(type));
    stored = type;
}

int16_t clsCalculator::DeviceBaseAddr(int address) const
{
    return IsAddress(address) ? deviceBaseAddr_[static_cast<size_t>(address)] : 0;
}

bool clsCalculator::SetDeviceBaseAddr(int address, int32_t value)
{
    if (!IsAddress(address) || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max())
        return false;
    deviceBaseAddr_[static_cast<size_t>(address)] = static_cast<int16_t>(value);
    return true;
}

int32_t clsCalculator::QtyAddressableSlaveBases() const
{
    return static_cast<int32_t>(std::count_if(deviceBaseType_.begin(), deviceBaseType_.end(),
                                              [](int16_t t) { return t != 0; }));
}

int16_t clsCalculator::DeviceOtherType(int address) const
{
    return IsAddress(address) ? deviceOtherType_[static_cast<size_t>(address)] : 0;
}

void clsCalculator::SetDeviceOtherType(int address, int16_t type)
{
    if (!IsAddress(address))
        return;
    int16_t& stored = deviceOtherType_[static_cast<size_t>(address)];
    if (stored == type)
        return;
    seriesResistance_ += OtherRecord(type).Impedance - OtherRecord(stored).Impedance;
    stored = type;
}

int16_t clsCalculator::DeviceOtherBaseType(int address) const
{
    return IsAddress(address) ? deviceOtherBaseType_[static_cast<size_t>(address)] : 0;
}

void clsCalculator::SetDeviceOtherBaseType(int address, int16_t type)
{
    if (!IsAddress(address))
        return;
    int16_t& stored = deviceOtherBaseType_[static_cast<size_t>(address)];
    if (stored == type)
        return;
    seriesResistance_ += OtherRecord(type).Impedance - OtherRecord(stored).Impedance;
    stored = type;
}

int32_t clsCalculator::AddressOrder(int address) const
{
    return IsAddress(address) ? addressOrder_[static_cast<size_t>(address)] : 1;
}

int clsCalculator::AddressAtPosition(int position) const
{
    return IsAddress(position) ? addressAtPosition_[static_cast<size_t>(position)] : 1;
}

std::vector<int> clsCalculator::CableOrder() const
{
    return {addressAtPosition_.begin(), addressAtPosition_.end()};
}

void clsCalculator::SetCableOrder(const std::vector<int>& order)
{
    // Each address moved to its place in turn: those before it are placed already.
    for (int p = 0; p < AddressCount && static_cast<size_t>(p) < order.size(); ++p)
        SetAddressOrder(order[static_cast<size_t>(p)], p);
}

void clsCalculator::SetAddressOrder(int address, int32_t position)
{
    if (!IsAddress(address) || !IsAddress(position))
        return;
    const int32_t current = addressOrder_[static_cast<size_t>(address)];
    // The addresses between the old and the new position close up the gap.
    if (current < position) {
        for (int32_t p = current + 1; p <= position; ++p) {
            const int moved = addressAtPosition_[static_cast<size_t>(p)];
            addressOrder_[static_cast<size_t>(moved)] = p - 1;
            addressAtPosition_[static_cast<size_t>(p - 1)] = moved;
        }
    } else if (position < current) {
        for (int32_t p = current - 1; p >= position; --p) {
            const int moved = addressAtPosition_[static_cast<size_t>(p)];
            addressOrder_[static_cast<size_t>(moved)] = p + 1;
            addressAtPosition_[static_cast<size_t>(p + 1)] = moved;
        }
    }
    addressOrder_[static_cast<size_t>(address)] = position;
    addressAtPosition_[static_cast<size_t>(position)] = address;
}

const std::vector<clsCalculator::StandaloneEntry>& clsCalculator::StandaloneAt(int address) const
{
    return standalone_[static_cast<size_t>(address)];
}

const clsCalculator::StandaloneEntry* clsCalculator::EntryAt(int address, int slot) const
{
    if (!IsAddress(address) || !IsSlot(slot))
        return nullptr;
    for (const StandaloneEntry& entry : StandaloneAt(address))
        if (entry.Slot == slot)
            return &entry;
    return nullptr;
}

clsCalculator::StandaloneEntry* clsCalculator::EntryAt(int address, int slot)
{
    return const_cast<StandaloneEntry*>(std::as_const(*this).EntryAt(address, slot));
}

int16_t clsCalculator::DeviceStandalone(int address, int slot) const
{
    const StandaloneEntry* entry = EntryAt(address, slot);
    return entry ? entry->Type : 0;
}

int32_t clsCalculator::DeviceStandaloneAddress(int address, int slot) const
{
    const StandaloneEntry* entry = EntryAt(address, slot);
    return entry ? entry->Address : 0;
}

void clsCalculator::SetDeviceStandalone(int address, int slot, int16_t type)
{
    DeviceStandaloneTypeAndAddress(address, slot, type, 0);
}

void clsCalculator::SetDeviceStandaloneAddress(int address, int slot, int32_t associatedAddress)
{
    DeviceStandaloneTypeAndAddress(address, slot, DeviceStandalone(address, slot), associatedAddress);
}

void clsCalculator::DeviceStandaloneTypeAndAddress(int address, int slot, int16_t type, int32_t associatedAddress)
{
    if (!IsAddress(address) || !IsSlot(slot))
        return;
    std::vector<StandaloneEntry>& entries = standalone_[static_cast<size_t>(address)];
    auto it = std::lower_bound(entries.begin(), entries.end(), slot,
                               [](const StandaloneEntry& e, int s) { return e.Slot < s; });
    const bool occupied = it != entries.end() && it->Slot == slot;
    const int16_t oldType = occupied ? it->Type : 0;
    const int32_t oldAddress = occupied ? it->Address : 0;
    if (oldType == type && oldAddress == associatedAddress)
        return;

    if (oldType != 0) {
        const OtherDeviceRecord& old = OtherRecord(oldType);
        standaloneQuiescentSum_ -= Microamps(old.QuiescentCurrent);
        standaloneAlarmSum_ -= Microamps(old.AlarmCurrent);
        seriesResistance_ -= old.Impedance;
    } else {
        ++standaloneCount_[static_cast<size_t>(address)];
    }

    if (type != 0) {
        const OtherDeviceRecord& now = OtherRecord(type);
        standaloneQuiescentSum_ += Microamps(now.QuiescentCurrent);
        standaloneAlarmSum_ += Microamps(now.AlarmCurrent);
        seriesResistance_ += now.Impedance;
        if (occupied) {
            it->Type = type;
            it->Address = associatedAddress;
        } else {
            entries.insert(it, StandaloneEntry{static_cast<int16_t>(slot), type, associatedAddress, NoPosition, {}});
        }
    } else {
        --standaloneCount_[static_cast<size_t>(address)];
        if (occupied)
            entries.erase(it);
    }
}

int32_t clsCalculator::DeviceStandaloneCount(int address) const
{
    return IsAddress(address) ? standaloneCount_[static_cast<size_t>(address)] : 0;
}

int32_t clsCalculator::CablePosition(int address) const
{
    return IsAddress(address) ? cablePosition_[static_cast<size_t>(address)] : NoPosition;
}

void clsCalculator::SetCablePosition(int address, int32_t decimetres)
{
    if (IsAddress(address))
        cablePosition_[static_cast<size_t>(address)] = decimetres;
}

int32_t clsCalculator::StandaloneCablePosition(int address, int slot) const
{
    const StandaloneEntry* entry = EntryAt(address, slot);
    return entry ? entry->Position : NoPosition;
}

void clsCalculator::SetStandaloneCablePosition(int address, int slot, int32_t decimetres)
{
    if (StandaloneEntry* entry = EntryAt(address, slot))
        entry->Position = decimetres;
}

const std::string& clsCalculator::Location(int address) const
{
    return IsAddress(address) ? location_[static_cast<size_t>(address)] : NoLocation();
}

void clsCalculator::SetLocation(int address, std::string text)
{
    if (IsAddress(address))
        location_[static_cast<size_t>(address)] = std::move(text);
}

const std::string& clsCalculator::StandaloneLocation(int address, int slot) const
{
    const StandaloneEntry* entry = EntryAt(address, slot);
    return entry ? entry->Location : NoLocation();
}

void clsCalculator::SetStandaloneLocation(int address, int slot, std::string text)
{
    if (StandaloneEntry* entry = EntryAt(address, slot))
        entry->Location = std::move(text);
}

void clsCalculator::ClearCablePositions()
{
    cablePosition_ = NoPositions();
    for (auto& entries : standalone_)
        for (StandaloneEntry& entry : entries)
            entry.Position = NoPosition;
}

int32_t clsCalculator::QtyOthers(int otherType) const
{
    const OtherDeviceRecord& record = OtherRecord(otherType);
    int32_t count = 0;
    if (record.IsStandalone) {
        for (const auto& entries : standalone_)
            count += static_cast<int32_t>(std::count_if(entries.begin(), entries.end(),
                                                        [&](const StandaloneEntry& e) { return e.Type == otherType; }));
    } else {
        const auto& uses = record.IsBase ? deviceOtherBaseType_ : deviceOtherType_;
        count = static_cast<int32_t>(std::count(uses.begin(), uses.end(), otherType));
    }
    return count;
}

void clsCalculator::SetPanelData(int32_t alarmLEDs, int32_t remoteLEDs, int32_t outputs, int16_t minLoopVoltage,
                                 int16_t maxLoopCurrent, int16_t driverImpedance)
{
    panelAlarmLeds_ = alarmLEDs;
    panelRemoteLeds_ = remoteLEDs;
    panelOutputs_ = outputs;
    panelMinLoopVoltage_ = minLoopVoltage;
    panelMaxLoopCurrent_ = maxLoopCurrent;
    panelDriverImpedance_ = driverImpedance;
}

void clsCalculator::ClearData()
{
    for (int a = 0; a < AddressCount; ++a) {
        SetDeviceType(a, 0);
        SetDeviceOtherType(a, 0);
        SetDeviceOtherBaseType(a, 0);
        // Empty the slots through the writer, so that the sums and counts follow.
        while (!standalone_[static_cast<size_t>(a)].empty())
            SetDeviceStandalone(a, standalone_[static_cast<size_t>(a)].back().Slot, 0);
        SetDeviceBaseAddr(a, a);
        SetDeviceBaseType(a, 0);
    }
    for (int a = 0; a < AddressCount; ++a) {
        addressOrder_[static_cast<size_t>(a)] = a;
        addressAtPosition_[static_cast<size_t>(a)] = a;
    }
    ClearCablePositions();
    for (std::string& text : location_)
        text.clear();
    ignoreIsolators_ = false;
    cableFirst_ = 0;
    cableTotal_ = 0;
    maxOutput_ = 0;
    dinLedsDisabled_ = false;
}

clsCalculator clsCalculator::Copy() const
{
    clsCalculator copy(*catalogue_);
    copy.SetCalcType(calcType_);
    copy.SetIgnoreIsolators(ignoreIsolators_);
    for (int a = 0; a < AddressCount; ++a) {
        copy.SetDeviceType(a, DeviceType(a));
        copy.SetDeviceOtherType(a, DeviceOtherType(a));
        copy.SetDeviceOtherBaseType(a, DeviceOtherBaseType(a));
        copy.SetCablePosition(a, CablePosition(a));
        copy.SetLocation(a, Location(a));
        for (const StandaloneEntry& entry : StandaloneAt(a)) {
            copy.DeviceStandaloneTypeAndAddress(a, entry.Slot, entry.Type, entry.Address);
            copy.SetStandaloneCablePosition(a, entry.Slot, entry.Position);
            copy.SetStandaloneLocation(a, entry.Slot, entry.Location);
        }
        copy.SetDeviceBaseAddr(a, DeviceBaseAddr(a));
        copy.SetDeviceBaseType(a, DeviceBaseType(a));
    }
    // The order is written position by position: each write leaves the
    // positions already written alone, so the copy gets the same permutation.
    for (int p = 0; p < AddressCount; ++p)
        copy.SetAddressOrder(AddressAtPosition(p), p);
    copy.SetCableFirst(cableFirst_);
    copy.SetCableTotal(cableTotal_);
    copy.SetCableImpedance(cableImpedance_);
    copy.SetMaxOutput(maxOutput_);
    copy.SetDINLEDsDisabled(dinLedsDisabled_);
    copy.SetPanelData(panelAlarmLeds_, panelRemoteLeds_, panelOutputs_, panelMinLoopVoltage_, panelMaxLoopCurrent_,
                      panelDriverImpedance_);
    copy.Calculate(lastUseSlider_, lastSliderPercent_, lastSkipDeviceChecks_);
    return copy;
}
