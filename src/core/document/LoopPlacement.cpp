#include "document/LoopPlacement.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"

#include <array>

namespace LoopPlacement {

namespace {

constexpr int AddressCount = clsCalculator::AddressCount;

const DeviceTypeRecord& TypeRecord(const Document& document, int type) { return document.Catalog().DeviceType(type); }

const AddressRangeRecord* RangeOf(const Document& document, int type)
{
    const std::vector<AddressRangeRecord>& ranges = document.Catalog().AddressRanges;
    const int32_t range = TypeRecord(document, type).AddressRange;
    return range >= 0 && static_cast<size_t>(range) < ranges.size() ? &ranges[static_cast<size_t>(range)] : nullptr;
}

bool HoldsMaster(const Document& document, const clsCalculator& model, int address)
{
    return IsMasterDeviceType(document, model.DeviceType(address));
}

// Addresses that others refer to: the Master a slave base belongs to, or the
// address a standalone device is linked to. Moving them would strand those.
std::array<bool, AddressCount> ReferencedAddresses(const clsCalculator& model)
{
    std::array<bool, AddressCount> referenced{};
    auto mark = [&](int address) {
        if (address >= 0 && address < AddressCount)
            referenced[static_cast<size_t>(address)] = true;
    };
    for (int a = 0; a < AddressCount; ++a) {
        if (model.DeviceBaseAddr(a) != a)
            mark(model.DeviceBaseAddr(a));
        for (int slot = clsCalculator::FirstSlot; model.DeviceStandaloneCount(a) > 0 && slot <= clsCalculator::LastSlot;
             ++slot)
            if (model.DeviceStandalone(a, slot) != 0)
                mark(model.DeviceStandaloneAddress(a, slot));
    }
    return referenced;
}

void MoveDevice(Document& document, int loop, int from, int to)
{
    clsCalculator& model = document.Loop(loop);
    model.SetDeviceType(to, model.DeviceType(from));
    model.SetDeviceOtherType(to, model.DeviceOtherType(from));
    model.SetDeviceOtherBaseType(to, model.DeviceOtherBaseType(from));
    // A device that belongs to no Master names its own address; it must name
    // its new one, or it would look linked to the address it left.
    const int16_t baseAddress = model.DeviceBaseAddr(from);
    model.SetDeviceBaseAddr(to, baseAddress == from ? to : baseAddress);
    model.SetDeviceBaseType(to, model.DeviceBaseType(from));
    // The device is where it was in the building: its place's name goes with it.
    model.SetLocation(to, model.Location(from));
    document.SetAddressTag(loop, to, document.AddressTag(loop, from));
    document.SetEavesdropping(loop, to, document.Eavesdropping(loop, from));

    model.SetDeviceBaseAddr(from, from);
    model.SetDeviceBaseType(from, 0);
    model.SetDeviceOtherType(from, 0);
    model.SetDeviceOtherBaseType(from, 0);
    model.SetDeviceType(from, 0);
    document.SetAddressTag(loop, from, 0);
    document.SetEavesdropping(loop, from, 0);
}

int32_t FreeAddressesInRange(const Document& document, const clsCalculator& model, int type)
{
    int32_t free = 0;
    for (int a = 0; a < AddressCount; ++a)
        if (IsAddressInRange(document, type, a) && model.DeviceType(a) == 0)
            ++free;
    return free;
}

// Moves devices of other types out of T's range until `needed` addresses are
// free or no more can move; returns the free count reached.
int32_t MakeRoom(Document& document, int loop, int type, int32_t needed)
{
    clsCalculator& model = document.Loop(loop);
    int32_t free = FreeAddressesInRange(document, model, type);
    const std::array<bool, AddressCount> referenced = ReferencedAddresses(model);
    int target = 0;  // the search for a new address continues where it ended
    for (int a = 0; a < AddressCount && free < needed; ++a) {
        // A device of another type moves when nothing refers to its address and
        // no standalone device is wired at it, so nothing is left stranded.
        const int16_t moving = model.DeviceType(a);
        if (!IsAddressInRange(document, type, a) || moving == 0 || moving == type ||
            model.DeviceStandaloneCount(a) > 0 || referenced[static_cast<size_t>(a)])
            continue;
        while (target < AddressCount &&
               !(model.DeviceType(target) == 0 && model.DeviceOtherType(target) == 0 &&
                 model.DeviceOtherBaseType(target) == 0 && !IsAddressInRange(document, type, target) &&
                 IsAddressInRange(document, moving, target)))
            ++target;
        if (target >= AddressCount)
            break;
        MoveDevice(document, loop, a, target);
        ++target;
        ++free;
    }
    return free;
}

bool PlaceSlaveBases(Document& document, int loop, int type, int32_t count, std::string& message)
{
    clsCalculator& model = document.Loop(loop);
    const DeviceTypeRecord& slave = TypeRecord(document, type);
    const int master = SlaveBaseMaster(document, loop, type);
    std::vector<int> hosts;
    for (int a = 0; a < AddressCount; ++a) {
        if (!IsAddressInRange(document, type, a))
            continue;
        const int16_t hostType = model.DeviceType(a);
        const DeviceTypeRecord& host = TypeRecord(document, hostType);
        if (hostType != 0 && !host.NoOtherDevices && host.BaseType == slave.BaseType && model.DeviceBaseAddr(a) == a)
            hosts.push_back(a);
    }
    if (master < 0) {
        message = "A 'Master' device must be present on the loop in order to use 'Slave' devices.";
        return false;
    }
    if (static_cast<int32_t>(hosts.size()) < count) {
        message = "There are not enough compatible devices available for " + slave.Name + "s.";
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        model.SetDeviceBaseAddr(hosts[static_cast<size_t>(i)], master);
        model.SetDeviceBaseType(hosts[static_cast<size_t>(i)], static_cast<int16_t>(type));
    }
    return true;
}

}  // namespace

bool IsSlaveBaseType(const Document& document, int type)
{
    const DeviceTypeRecord& record = TypeRecord(document, type);
    return type != 0 && record.NoOtherDevices && record.IsSlave;
}

bool IsMasterDeviceType(const Document& document, int type)
{
    const DeviceTypeRecord& record = TypeRecord(document, type);
    return type != 0 && record.NoOtherDevices && record.IsMaster;
}

bool IsAddressInRange(const Document& document, int type, int address)
{
    return IsAddressValidForType(document.Catalog(), type, address);
}

int32_t RangeCount(const Document& document, int type)
{
    const AddressRangeRecord* range = RangeOf(document, type);
    return range ? range->Count : 0;
}

int32_t CountOfType(const Document& document, int loop, int type)
{
    const clsCalculator& model = document.Loop(loop);
    const bool slaveBase = IsSlaveBaseType(document, type);
    int32_t count = 0;
    for (int a = 0; a < AddressCount; ++a)
        if ((slaveBase ? model.DeviceBaseType(a) : model.DeviceType(a)) == type)
            ++count;
    return count;
}

int SlaveBaseMaster(const Document& document, int loop, int type)
{
    const clsCalculator& model = document.Loop(loop);
    int master = -1;
    for (int a = 0; a < AddressCount; ++a)
        if (IsAddressInRange(document, type, a) && HoldsMaster(document, model, a))
            master = a;
    return master;
}

int StandaloneMaster(const Document& document, int loop)
{
    const clsCalculator& model = document.Loop(loop);
    int master = -1;
    for (int a = 0; a < AddressCount; ++a)
        if (model.DeviceType(a) != 0 && TypeRecord(document, model.DeviceType(a)).IsMaster)
            master = a;
    return master;
}

bool PlaceDevices(Document& document, int loop, int type, int32_t count, std::string& message)
{
    if (IsSlaveBaseType(document, type))
        return PlaceSlaveBases(document, loop, type, count, message);

    if (MakeRoom(document, loop, type, count) < count) {
        message = "There are not enough compatible addresses available for " + TypeRecord(document, type).Name + "s.";
        return false;
    }
    clsCalculator& model = document.Loop(loop);
    int32_t placed = 0;
    for (int a = 0; a < AddressCount && placed < count; ++a) {
        if (IsAddressInRange(document, type, a) && model.DeviceType(a) == 0) {
            model.SetDeviceType(a, static_cast<int16_t>(type));
            ++placed;
        }
    }
    return true;
}

namespace {

bool IsRemovable(const clsCalculator& model, int address, int type)
{
    return model.DeviceType(address) == type && model.DeviceOtherType(address) == 0 &&
           model.DeviceOtherBaseType(address) == 0 && model.DeviceBaseType(address) == 0;
}

// Moves the Other Devices of devices of type T that carry both kinds to
// devices of other types that can take both, until `wanted` devices of T are
// free of them; returns the removable count reached.
int32_t FreeFromOtherDevices(Document& document, int loop, int type, int32_t removable, int32_t wanted)
{
    clsCalculator& model = document.Loop(loop);
    const Catalogue& catalogue = document.Catalog();
    int target = 0;
    for (int a = 0; a < AddressCount && removable < wanted; ++a) {
        const int16_t other = model.DeviceOtherType(a);
        const int16_t otherBase = model.DeviceOtherBaseType(a);
        if (model.DeviceType(a) != type || other == 0 || otherBase == 0)
            continue;
        while (target < AddressCount) {
            const int16_t hostType = model.DeviceType(target);
            if (hostType != 0 && hostType != type && model.DeviceOtherType(target) == 0 &&
                model.DeviceOtherBaseType(target) == 0 && catalogue.CanAttachOther(hostType, other) &&
                catalogue.CanAttachOther(hostType, otherBase))
                break;
            ++target;
        }
        if (target >= AddressCount)
            break;
        model.SetDeviceOtherType(target, other);
        model.SetDeviceOtherBaseType(target, otherBase);
        model.SetDeviceOtherType(a, 0);
        model.SetDeviceOtherBaseType(a, 0);
        ++target;
        // Only a device left with nothing attached can go.
        if (model.DeviceBaseType(a) == 0)
            ++removable;
    }
    return removable;
}

}  // namespace

bool RemoveDevices(Document& document, int loop, int type, int32_t count, int32_t newQuantity, std::string& message)
{
    clsCalculator& model = document.Loop(loop);
    const bool slaveBase = IsSlaveBaseType(document, type);
    int32_t removable = 0;
    int32_t masters = 0;
    int32_t slaves = 0;
    for (int a = 0; a < AddressCount; ++a) {
        if (slaveBase ? model.DeviceBaseType(a) == type : IsRemovable(model, a, type))
            ++removable;
        if (HoldsMaster(document, model, a))
            ++masters;
        if (IsSlaveBaseType(document, model.DeviceBaseType(a)))
            ++slaves;
    }

    if (!slaveBase && removable < count)
        removable = FreeFromOtherDevices(document, loop, type, removable, count);
    const DeviceTypeRecord& record = TypeRecord(document, type);
    if (removable < count) {
        message = std::string(newQuantity == 0 ? "Cannot remove all " : "Cannot reduce the quantity of ") + record.Name +
                  "s.  Some have 'Other Devices' " + (slaves > 0 ? "or 'Slave' devices " : "") + "attached.";
        return false;
    }
    if (IsMasterDeviceType(document, type) && masters <= count && slaves > 0) {
        message = "You cannot remove all 'Master' devices while there are 'Slave' devices on the loop.";
        return false;
    }

    int32_t removed = 0;
    for (int a = AddressCount - 1; a >= 0 && removed < count; --a) {
        if (slaveBase) {
            if (model.DeviceBaseType(a) != type)
                continue;
            model.SetDeviceBaseType(a, 0);
            model.SetDeviceBaseAddr(a, a);
        } else {
            if (!IsRemovable(model, a, type))
                continue;
            model.SetDeviceType(a, 0);
            model.SetAddressOrder(a, a);
            document.SetAddressTag(loop, a, 0);
            document.SetEavesdropping(loop, a, 0);
        }
        ++removed;
    }
    return true;
}

namespace {

// The attach passes work on a scratch copy of the per-address Other Device
// columns, so that check mode sees its own choices without touching the loop.
struct AttachScratch {
    std::array<int16_t, AddressCount> OtherType{};
    std::array<int16_t, AddressCount> OtherBaseType{};
};

enum class Column { Attached, Base };

}  // namespace

AttachOutcome AttachOthers(Document& document, int loop, int other, int32_t count, AttachMode mode)
{
    AttachOutcome outcome;
    outcome.Shortfall = count;
    if (count <= 0) {
        outcome.Shortfall = 0;
        return outcome;
    }
    clsCalculator& model = document.Loop(loop);
    const Catalogue& catalogue = document.Catalog();
    const OtherDeviceRecord& record = catalogue.OtherDevice(other);
    const bool apply = mode == AttachMode::Apply;
    const auto otherType = static_cast<int16_t>(other);

    if (record.IsStandalone) {
        const int master = StandaloneMaster(document, loop);
        if (master < 0)
            return outcome;
        outcome.MasterPresent = true;
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot && outcome.Shortfall > 0; ++slot) {
            for (int a = 0; a < AddressCount && outcome.Shortfall > 0; ++a) {
                if (model.DeviceType(a) == 0 || model.DeviceStandalone(a, slot) != 0)
                    continue;
                if (apply)
                    model.DeviceStandaloneTypeAndAddress(a, slot, otherType, master);
                --outcome.Shortfall;
            }
        }
        return outcome;
    }

    AttachScratch scratch;
    for (int a = 0; a < AddressCount; ++a) {
        scratch.OtherType[static_cast<size_t>(a)] = model.DeviceOtherType(a);
        scratch.OtherBaseType[static_cast<size_t>(a)] = model.DeviceOtherBaseType(a);
    }
    auto take = [&](int a, Column column) {
        if (column == Column::Attached) {
            scratch.OtherType[static_cast<size_t>(a)] = otherType;
            if (apply)
                model.SetDeviceOtherType(a, otherType);
        } else {
            scratch.OtherBaseType[static_cast<size_t>(a)] = otherType;
            if (apply)
                model.SetDeviceOtherBaseType(a, otherType);
        }
        --outcome.Shortfall;
    };
    // Passes A and B: devices without a remote output first, keeping those for
    // the Other Devices that need one.
    auto firstPass = [&](Column column) {
        for (int a = 0; a < AddressCount && outcome.Shortfall > 0; ++a) {
            const int16_t type = model.DeviceType(a);
            if (type == 0 || !catalogue.CanAttachOther(type, other) || catalogue.HasRemoteOutputDevice(type))
                continue;
            const bool free = column == Column::Attached
                                  ? scratch.OtherType[static_cast<size_t>(a)] == 0
                                  : scratch.OtherBaseType[static_cast<size_t>(a)] == 0 && model.DeviceBaseType(a) == 0;
            if (free)
                take(a, column);
        }
    };
    // Passes C and D: any compatible device.
    auto secondPass = [&](Column column) {
        for (int a = 0; a < AddressCount && outcome.Shortfall > 0; ++a) {
            const int16_t type = model.DeviceType(a);
            if (type == 0 || !catalogue.CanAttachOther(type, other))
                continue;
            const int16_t carried = column == Column::Attached ? scratch.OtherType[static_cast<size_t>(a)]
                                                               : scratch.OtherBaseType[static_cast<size_t>(a)];
            if (carried == 0)
                take(a, column);
            else if (carried != otherType)
                outcome.DifferentOtherDevice = true;
        }
    };

    const Column column = record.IsBase ? Column::Base : Column::Attached;
    if (!record.FromRemote)
        firstPass(column);
    secondPass(column);
    return outcome;
}

void DetachOthers(Document& document, int loop, int other, int32_t count)
{
    clsCalculator& model = document.Loop(loop);
    const OtherDeviceRecord& record = document.Catalog().OtherDevice(other);
    int32_t removed = 0;
    if (record.IsStandalone) {
        for (int slot = clsCalculator::LastSlot; slot >= clsCalculator::FirstSlot && removed < count; --slot) {
            for (int a = AddressCount - 1; a >= 0 && removed < count; --a) {
                if (model.DeviceStandalone(a, slot) == other) {
                    model.SetDeviceStandalone(a, slot, 0);
                    ++removed;
                }
            }
        }
        return;
    }
    for (int a = AddressCount - 1; a >= 0 && removed < count; --a) {
        if (record.IsBase && model.DeviceOtherBaseType(a) == other) {
            model.SetDeviceOtherBaseType(a, 0);
            ++removed;
        } else if (!record.IsBase && model.DeviceOtherType(a) == other) {
            model.SetDeviceOtherType(a, 0);
            ++removed;
        }
    }
}

std::string AttachFailureMessage(const Document& document, int other, int32_t quantity, const AttachOutcome& outcome)
{
    const Catalogue& catalogue = document.Catalog();
    const OtherDeviceRecord& record = catalogue.OtherDevice(other);
    if (record.IsStandalone) {
        if (catalogue.DeviceType(record.AddressableDevice).IsSlave && !outcome.MasterPresent)
            return "A 'Master' device must be present on the loop in order to use 'Slave' devices.";
        return "Too many " + record.Name + ".";
    }
    const int32_t compatible = quantity - outcome.Shortfall;
    std::string text;
    if (compatible == 0)
        text = "There are no addressable devices that are";
    else if (compatible == 1)
        text = "There is only 1 addressable device that is";
    else
        text = "There are only " + std::to_string(compatible) + " Addressable Devices that are";
    text += " compatible with " + record.Name;
    if (outcome.DifferentOtherDevice)
        text += compatible == 1 ? " and that doesn't already have a different 'Other Device'"
                                : " and that don't already have different 'Other Devices'";
    return text + ".";
}

}  // namespace LoopPlacement
