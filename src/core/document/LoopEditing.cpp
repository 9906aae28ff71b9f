#include "document/LoopEditing.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopPlacement.h"

#include <algorithm>
#include <array>

namespace LoopEditing {

namespace {

constexpr int AddressCount = clsCalculator::AddressCount;

Outcome Refused(std::string message) { return {false, std::move(message)}; }

int32_t PanelDevicesPerLoop(const Document& document)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    return panel ? panel->MaxDevicesPerLoop : 0;
}

const DeviceTypeRecord& TypeRecord(const Document& document, int type) { return document.Catalog().DeviceType(type); }

std::string TypeAt(const Document& document, const clsCalculator& model, int address)
{
    return TypeRecord(document, model.DeviceType(address)).Name;
}

std::string AtAddress(int address) { return "address " + std::to_string(address); }

// The device an Other Device or a base goes on; a refusal when there is none.
Outcome HostAt(const Document& document, int loop, int address, const std::string& what)
{
    if (address < 0 || address >= AddressCount || document.Loop(loop).DeviceType(address) == 0)
        return Refused("There is no device at " + AtAddress(address) + " for the " + what + ".");
    return {};
}

// The most of an Other Device a loop may have.
Outcome WithinMaxQty(const Document& document, int other, int32_t quantity)
{
    const OtherDeviceRecord& record = document.Catalog().OtherDevice(other);
    if (quantity > record.MaxQty)
        return Refused("Cannot have more than " + std::to_string(record.MaxQty) + " " + record.Name + "!");
    return {};
}

// What one more Other Device at an address needs, fitted to its device or
// wired after it (standalone): to be of that kind, a device there, and room
// under the Other Device's most.
Outcome OtherDeviceCanGo(const Document& document, int loop, int address, int other, bool standalone)
{
    const OtherDeviceRecord& record = document.Catalog().OtherDevice(other);
    if (record.IsStandalone != standalone)
        return Refused("A " + record.SingleName +
                       (standalone ? " is fitted to a device, not wired between devices."
                                   : " is wired between devices, not fitted to one."));
    if (Outcome host = HostAt(document, loop, address, record.SingleName); !host)
        return host;
    return WithinMaxQty(document, other, document.Loop(loop).QtyOthers(other) + 1);
}

}  // namespace

int32_t OccupiedAddresses(const Document& document, int loop)
{
    const clsCalculator& model = document.Loop(loop);
    int32_t occupied = 0;
    for (int a = 0; a < AddressCount; ++a)
        if (model.DeviceType(a) != 0)
            ++occupied;
    return occupied;
}

Outcome SetDeviceQuantity(Document& document, int loop, int type, int32_t quantity)
{
    const int32_t rangeCount = LoopPlacement::RangeCount(document, type);
    if (quantity < 0 || quantity > rangeCount)
        return Refused("Invalid number of devices!  (Must be between 0 and " + std::to_string(rangeCount) + ")");
    const int32_t current = LoopPlacement::CountOfType(document, loop, type);
    const int32_t change = quantity - current;
    if (change == 0)
        return {};
    // Slave bases take no address of their own, so their budget is twice the panel's.
    const int32_t limit = PanelDevicesPerLoop(document);
    if (OccupiedAddresses(document, loop) + change > (LoopPlacement::IsSlaveBaseType(document, type) ? 2 * limit : limit))
        return Refused("Too many devices on this loop!");
    std::string message;
    const bool done = change > 0 ? LoopPlacement::PlaceDevices(document, loop, type, change, message)
                                 : LoopPlacement::RemoveDevices(document, loop, type, -change, quantity, message);
    return done ? Outcome{} : Refused(message);
}

Outcome SetOtherQuantity(Document& document, int loop, int other, int32_t quantity)
{
    const OtherDeviceRecord& record = document.Catalog().OtherDevice(other);
    if (quantity < 0)
        return Refused("Invalid number of " + record.Name + "!");
    if (Outcome within = WithinMaxQty(document, other, quantity); !within)
        return within;
    const int32_t change = quantity - document.Loop(loop).QtyOthers(other);
    if (change < 0)
        LoopPlacement::DetachOthers(document, loop, other, -change);
    if (change <= 0)
        return {};
    using LoopPlacement::AttachMode;
    const LoopPlacement::AttachOutcome check = LoopPlacement::AttachOthers(document, loop, other, change, AttachMode::Check);
    if (check.Shortfall > 0)
        return Refused(LoopPlacement::AttachFailureMessage(document, other, quantity, check));
    LoopPlacement::AttachOthers(document, loop, other, change, AttachMode::Apply);
    return {};
}

Outcome PlaceDeviceAt(Document& document, int loop, int address, int type)
{
    const Catalogue& catalogue = document.Catalog();
    const DeviceTypeRecord& record = TypeRecord(document, type);
    if (type == 0 || !catalogue.IsSelectableDeviceType(type))
        return Refused("That is not a device type that can be placed.");
    if (LoopPlacement::IsSlaveBaseType(document, type))
        return Refused("A " + record.Name + " is fitted to another device: it has no address of its own.");
    if (!IsAddressValidForType(catalogue, type, address)) {
        const std::vector<AddressRangeRecord>& ranges = catalogue.AddressRanges;
        const auto range = static_cast<size_t>(std::max(record.AddressRange, 0));
        return Refused("Address " + std::to_string(address) + " is outside the address range of " + record.Name + "s" +
                       (range < ranges.size() ? " (" + ranges[range].Name + ")." : "."));
    }
    clsCalculator& model = document.Loop(loop);
    if (model.DeviceType(address) != 0)
        return Refused("Address " + std::to_string(address) + " already holds a " + TypeAt(document, model, address) +
                       ".");
    if (OccupiedAddresses(document, loop) + 1 > PanelDevicesPerLoop(document))
        return Refused("Too many devices on this loop!");
    model.SetDeviceType(address, static_cast<int16_t>(type));
    return {};
}

Outcome FitSlaveBaseAt(Document& document, int loop, int address, int type)
{
    const DeviceTypeRecord& slave = TypeRecord(document, type);
    if (!LoopPlacement::IsSlaveBaseType(document, type))
        return Refused("A " + slave.Name + " is not a slave base.");
    if (Outcome host = HostAt(document, loop, address, slave.Name); !host)
        return host;
    clsCalculator& model = document.Loop(loop);
    const DeviceTypeRecord& host = TypeRecord(document, model.DeviceType(address));
    if (host.NoOtherDevices || host.BaseType != slave.BaseType || model.DeviceBaseAddr(address) != address ||
        model.DeviceBaseType(address) != 0)
        return Refused("The " + host.Name + " at " + AtAddress(address) + " cannot take a " + slave.Name + ".");
    const int master = LoopPlacement::SlaveBaseMaster(document, loop, type);
    if (master < 0)
        return Refused("A 'Master' device must be present on the loop in order to use 'Slave' devices.");
    if (OccupiedAddresses(document, loop) + 1 > 2 * PanelDevicesPerLoop(document))
        return Refused("Too many devices on this loop!");
    model.SetDeviceBaseAddr(address, master);
    model.SetDeviceBaseType(address, static_cast<int16_t>(type));
    return {};
}

Outcome AttachOtherAt(Document& document, int loop, int address, int other)
{
    const Catalogue& catalogue = document.Catalog();
    const OtherDeviceRecord& record = catalogue.OtherDevice(other);
    if (Outcome goes = OtherDeviceCanGo(document, loop, address, other, false); !goes)
        return goes;
    clsCalculator& model = document.Loop(loop);
    const int16_t hostType = model.DeviceType(address);
    if (!catalogue.CanAttachOther(hostType, other))
        return Refused("A " + record.SingleName + " cannot be fitted to the " + TypeAt(document, model, address) +
                       " at " + AtAddress(address) + ".");
    const int16_t carried = record.IsBase ? model.DeviceOtherBaseType(address) : model.DeviceOtherType(address);
    if (carried != 0)
        return Refused("The device at " + AtAddress(address) + " already has a " +
                       catalogue.OtherDevice(carried).SingleName + ".");
    if (record.IsBase)
        model.SetDeviceOtherBaseType(address, static_cast<int16_t>(other));
    else
        model.SetDeviceOtherType(address, static_cast<int16_t>(other));
    return {};
}

Outcome WireStandaloneAfter(Document& document, int loop, int address, int other, int& slot)
{
    if (Outcome goes = OtherDeviceCanGo(document, loop, address, other, true); !goes)
        return goes;
    clsCalculator& model = document.Loop(loop);
    slot = clsCalculator::FirstSlot;
    while (slot <= clsCalculator::LastSlot && model.DeviceStandalone(address, slot) != 0)
        ++slot;
    const int master = LoopPlacement::StandaloneMaster(document, loop);
    if (master < 0 || slot > clsCalculator::LastSlot) {
        LoopPlacement::AttachOutcome outcome;
        outcome.Shortfall = 1;
        outcome.MasterPresent = master >= 0;
        return Refused(LoopPlacement::AttachFailureMessage(document, other, 1, outcome));
    }
    model.DeviceStandaloneTypeAndAddress(address, slot, static_cast<int16_t>(other), master);
    return {};
}

void ArrangeCableOrder(Document& document, int loop, const std::vector<int>& addresses)
{
    clsCalculator& model = document.Loop(loop);
    std::vector<int> order = model.CableOrder();
    std::vector<int> places;
    std::vector<int> listed;
    std::array<bool, AddressCount> seen{};
    for (const int address : addresses) {
        if (address < 0 || address >= AddressCount || seen[static_cast<size_t>(address)])
            continue;
        seen[static_cast<size_t>(address)] = true;
        listed.push_back(address);
        places.push_back(model.AddressOrder(address));
    }
    std::sort(places.begin(), places.end());
    for (size_t i = 0; i < listed.size(); ++i)
        order[static_cast<size_t>(places[i])] = listed[i];
    model.SetCableOrder(order);
}

void ClearDevices(Document& document, int loop)
{
    clsCalculator& model = document.Loop(loop);
    const int32_t first = model.CableFirst();
    const int32_t total = model.CableTotal();
    const int32_t maxOutput = model.MaxOutput();
    const bool ledsDisabled = model.DINLEDsDisabled();
    const bool ignoreIsolators = model.IgnoreIsolators();
    model.ClearData();
    model.SetCableFirst(first);
    model.SetCableTotal(total);
    model.SetMaxOutput(maxOutput);
    model.SetDINLEDsDisabled(ledsDisabled);
    model.SetIgnoreIsolators(ignoreIsolators);
    for (int a = 0; a < AddressCount; ++a) {
        document.SetAddressTag(loop, a, 0);
        document.SetEavesdropping(loop, a, 0);
    }
}

}  // namespace LoopEditing
