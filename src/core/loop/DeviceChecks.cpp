// The three checks on the devices of a loop that follow the current and volt
// drop checks: switch-on surge between isolators, isolators between a Master
// and its Slaves, and devices that need another device type on the loop.

#include "loop/clsCalculator.h"

#include "catalogues/Catalogue.h"

#include <vector>

// Walks the loop in cable order, summing switch-on surge currents per section
// between isolators; a section fails when its total exceeds the rating of the
// isolator that closes it (the control panel closes the last one).
bool clsCalculator::SurgeCheckFails()
{
    // An address that other addresses name as their base address carries a
    // shared base; its isolating device draws no surge of its own.
    std::array<bool, AddressCount> hasBaseDependants{};
    for (int a = 0; a < AddressCount; ++a) {
        const int b = DeviceBaseAddr(a);
        if (b != a && IsAddress(b))
            hasBaseDependants[static_cast<size_t>(b)] = true;
    }

    int64_t total = 0;
    int64_t limit = 30000;
    bool isolatorSeen = false;
    surge_ = SurgeDiagnostics{};
    auto fail = [this, &total](int endAddress) {
        surge_.EndAddress = endAddress;
        surge_.Total = Currency::FromInteger(total);
        return true;
    };

    for (int position = 0; position < AddressCount; ++position) {
        const int a = AddressAtPosition(position);
        const DeviceTypeRecord& device = DeviceRecord(DeviceType(a));
        const OtherDeviceRecord& other = OtherRecord(DeviceOtherType(a));
        const OtherDeviceRecord& otherBase = OtherRecord(DeviceOtherBaseType(a));
        const DeviceTypeRecord& base = DeviceRecord(DeviceBaseType(a));

        int64_t own = hasBaseDependants[static_cast<size_t>(a)] && device.NoOtherDevices ? 0 : device.SurgeCurrent;
        if (other.MaxSurgeCurrent == 0)
            own += other.SurgeCurrent;
        if (otherBase.MaxSurgeCurrent == 0)
            own += otherBase.SurgeCurrent;
        own += base.SurgeCurrent;
        total += own;

        int32_t rating = device.MaxSurgeCurrent;
        if (rating == 0)
            rating = other.MaxSurgeCurrent;
        if (rating == 0)
            rating = otherBase.MaxSurgeCurrent;
        if (rating != 0) {
            isolatorSeen = true;
            limit = rating;
            if (total > limit)
                return fail(a);
            // The isolator's own surge opens the new section.
            surge_.StartAddress = a;
            total = own;
        }

        for (const StandaloneEntry& entry : StandaloneAt(a)) {
            const OtherDeviceRecord& standalone = OtherRecord(entry.Type);
            if (standalone.MaxSurgeCurrent != 0) {
                isolatorSeen = true;
                limit = standalone.MaxSurgeCurrent;
                if (total > limit)
                    return fail(a);
                total = 0;
                surge_.StartAddress = a;
            } else {
                total += standalone.SurgeCurrent;
            }
        }
    }
    if (!isolatorSeen || total <= limit)
        return false;
    return fail(0);
}

bool clsCalculator::MasterSlaveCheckFails()
{
    for (int m = 0; m < AddressCount; ++m) {
        if (DeviceRecord(DeviceType(m)).IsMaster && MasterFails(m))
            return true;
    }
    masterSlave_.MasterAddress = 0;
    masterSlave_.WiredWithAddress = 0;
    masterSlave_.SlaveAddress = 0;
    masterSlave_.SlaveIsStandalone = false;
    return false;
}

// True when an isolating element lies between the master at address m and one
// of its slaves: walking towards the master from either end of the loop, an
// isolator met after a slave separates the two.
bool clsCalculator::MasterFails(int m)
{
    MasterSlaveDiagnostics& diag = masterSlave_;
    diag.MasterAddress = m;

    // A master that shares its base may be wired with the master base of
    // another address.
    const DeviceTypeRecord& master = DeviceRecord(DeviceType(m));
    int w = m;
    if (master.NoOtherDevices && master.IsMaster) {
        for (int a = 0; a < AddressCount; ++a) {
            if (a != m && DeviceBaseAddr(a) == m && DeviceRecord(DeviceBaseType(a)).IsMaster) {
                w = a;
                break;
            }
        }
    }
    diag.WiredWithAddress = w;
    const int q = AddressOrder(w);

    bool slaveSeen = false;
    auto deviceIsolates = [&](int a) {
        const DeviceTypeRecord& device = DeviceRecord(DeviceType(a));
        if (device.InternalResistance == 0)
            return OtherRecord(DeviceOtherBaseType(a)).Impedance != 0 && slaveSeen;
        return slaveSeen;
    };
    // A standalone slot: true when it isolates after a slave; notes it as a
    // slave when it belongs to the master.
    auto slotIsolates = [&](int a, int position, const StandaloneEntry& entry) {
        if (OtherRecord(entry.Type).Impedance != 0 && slaveSeen)
            return true;
        if (entry.Address == m) {
            diag.SlaveAddress = a;
            diag.SlaveIsStandalone = true;
            diag.NeighbourAddress = position == AddressCount - 1 ? 0 : AddressAtPosition(position + 1);
            slaveSeen = true;
        }
        return false;
    };

    for (int position = 0; position < q; ++position) {
        const int a = AddressAtPosition(position);
        if (deviceIsolates(a))
            return true;
        if (DeviceBaseAddr(a) == m && a != w) {
            diag.SlaveAddress = a;
            diag.SlaveIsStandalone = false;
            slaveSeen = true;
        }
        for (const StandaloneEntry& entry : StandaloneAt(a))
            if (slotIsolates(a, position, entry))
                return true;
    }

    slaveSeen = false;
    for (int position = AddressCount - 1; position > q; --position) {
        const int a = AddressAtPosition(position);
        const std::vector<StandaloneEntry>& entries = StandaloneAt(a);
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (slotIsolates(a, position, *it))
                return true;
        if (deviceIsolates(a))
            return true;
        if (DeviceBaseAddr(a) == m && a != m) {
            diag.SlaveAddress = a;
            diag.SlaveIsStandalone = false;
            slaveSeen = true;
        }
    }
    return false;
}

bool clsCalculator::DependentDeviceCheckFails()
{
    const size_t typeCount = catalogue_->DeviceTypes.size();
    std::vector<int> count(typeCount, 0);
    std::vector<int> firstAddress(typeCount, 0);
    std::vector<int> dependents(typeCount, 0);
    auto inCatalogue = [typeCount](int t) { return t >= 0 && static_cast<size_t>(t) < typeCount; };

    for (int a = 0; a < AddressCount; ++a) {
        const int t = DeviceType(a);
        if (!inCatalogue(t))
            continue;
        ++count[static_cast<size_t>(t)];
        if (firstAddress[static_cast<size_t>(t)] == 0)
            firstAddress[static_cast<size_t>(t)] = a;
        const int d = DeviceRecord(t).DependsOnDevice;
        if (inCatalogue(d))
            ++dependents[static_cast<size_t>(d)];
    }

    dependent_ = DependentDiagnostics{};
    for (size_t t = 1; t < typeCount; ++t) {
        const int d = DeviceRecord(static_cast<int>(t)).DependsOnDevice;
        if (count[t] > 0 && d != 0 && (!inCatalogue(d) || count[static_cast<size_t>(d)] == 0)) {
            dependent_.Address = firstAddress[t];
            return true;
        }
    }
    for (size_t t = 1; t < typeCount; ++t) {
        const int d = DeviceRecord(static_cast<int>(t)).DependsOnDevice;
        if (count[t] > 0 && d != 0 && inCatalogue(d) &&
            DeviceRecord(d).MaxDependents < dependents[static_cast<size_t>(d)]) {
            dependent_.MasterType = d;
            return true;
        }
    }
    return false;
}
