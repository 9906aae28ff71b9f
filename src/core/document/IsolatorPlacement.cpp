#include "document/IsolatorPlacement.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopPlacement.h"

#include <algorithm>
#include <optional>

namespace IsolatorPlacement {

namespace {

constexpr int AddressCount = clsCalculator::AddressCount;
constexpr int32_t NoPosition = clsCalculator::NoPosition;

bool FamilyOnShow(const Catalogue& catalogue, int family)
{
    return family == 0 || (family > 0 && static_cast<size_t>(family) < catalogue.DeviceFamilies.size() &&
                           catalogue.DeviceFamilies[static_cast<size_t>(family)].Shown);
}

struct Standalone {
    int Slot = 0;
    int16_t Type = 0;
    int32_t Position = NoPosition;  // its own, else its address's
};

// The standalone devices wired after the address, by slot.
std::vector<Standalone> StandaloneAt(const clsCalculator& model, int address)
{
    std::vector<Standalone> entries;
    for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot && model.DeviceStandaloneCount(address) > 0;
         ++slot)
        if (const int16_t type = model.DeviceStandalone(address, slot); type != 0) {
            const int32_t own = model.StandaloneCablePosition(address, slot);
            entries.push_back({slot, type, own != NoPosition ? own : model.CablePosition(address)});
        }
    return entries;
}

// An address as the walk meets it, read before anything is put in.
struct Stop {
    int Address = 0;
    int32_t Points = 0;       // its device and addressable slave base
    bool HasDevice = false;
    bool Opens = false;       // its device, or what is fitted to it, is an isolator
    bool ClosesAfter = false;  // a standalone isolator is wired after it
    int32_t DevicePosition = NoPosition;
    std::optional<int32_t> LastPosition;  // its last point's distance, when it has a point
};

std::vector<Stop> Stops(const Catalogue& catalogue, const clsCalculator& model)
{
    std::vector<Stop> stops;
    for (const int a : model.CableOrder()) {
        Stop stop;
        stop.Address = a;
        stop.HasDevice = model.DeviceType(a) != 0;
        stop.Points = (stop.HasDevice ? 1 : 0) + (model.DeviceBaseType(a) != 0 ? 1 : 0);
        stop.Opens = catalogue.DeviceType(model.DeviceType(a)).MaxSurgeCurrent != 0 ||
                     catalogue.OtherDevice(model.DeviceOtherType(a)).MaxSurgeCurrent != 0 ||
                     catalogue.OtherDevice(model.DeviceOtherBaseType(a)).MaxSurgeCurrent != 0;
        stop.DevicePosition = model.CablePosition(a);
        if (stop.HasDevice)
            stop.LastPosition = stop.DevicePosition;
        for (const Standalone& entry : StandaloneAt(model, a)) {
            stop.ClosesAfter = stop.ClosesAfter || catalogue.OtherDevice(entry.Type).MaxSurgeCurrent != 0;
            stop.LastPosition = entry.Position;
        }
        stops.push_back(std::move(stop));
    }
    return stops;
}

int32_t Between(std::optional<int32_t> before, int32_t after)
{
    return before && *before != NoPosition && after != NoPosition ? (*before + after) / 2 : NoPosition;
}

// The standalone slot's neighbours at its address: the point before it there.
std::optional<int32_t> BeforeSlot(const clsCalculator& model, int address, int slot)
{
    std::optional<int32_t> before = model.CablePosition(address);
    for (const Standalone& entry : StandaloneAt(model, address))
        if (entry.Slot < slot)
            before = entry.Position;
    return before;
}

// The lowest address of the type's range that holds nothing at all.
int FreeAddress(const Document& document, const clsCalculator& model, int type)
{
    for (int a = 0; a < AddressCount; ++a)
        if (model.DeviceType(a) == 0 && model.DeviceStandaloneCount(a) == 0 &&
            IsAddressValidForType(document.Catalog(), type, a))
            return a;
    return -1;
}

class Walk {
public:
    Walk(Document& document, int loop, const Kind& kind, int32_t limit)
        : document_(document), loop_(loop), kind_(kind), limit_(limit), model_(document.Loop(loop)),
          order_(model_.CableOrder())
    {
    }

    // False with the reason when an isolator cannot go in.
    bool Run(std::vector<NewIsolator>& added, std::string& why)
    {
        const bool device = !kind_.IsOther;
        const bool fitted = kind_.IsOther && !document_.Catalog().OtherDevice(kind_.Code).IsStandalone;
        int32_t held = 0;  // points in the section so far
        int lastDevice = -1;
        std::optional<int32_t> lastPosition;
        for (const Stop& stop : Stops(document_.Catalog(), model_)) {
            if (stop.Opens) {
                held = 0;
            } else if (held + stop.Points > limit_) {
                const int32_t own = device ? 1 : 0;
                if (own + stop.Points > limit_ || (!device && !fitted && lastDevice < 0)) {
                    why = UnreachableMessage(stop.Address, limit_);
                    return false;
                }
                std::optional<NewIsolator> put = device   ? PutDevice(stop, lastPosition, why)
                                                 : fitted ? PutFitted(stop, why)
                                                          : PutStandalone(stop, lastDevice, why);
                if (!put)
                    return false;
                added.push_back(*put);
                held = own;
            }
            held += stop.Points;
            if (held > limit_) {
                why = UnreachableMessage(stop.Address, limit_);
                return false;
            }
            if (stop.ClosesAfter)
                held = 0;
            if (stop.HasDevice)
                lastDevice = stop.Address;
            if (stop.LastPosition)
                lastPosition = stop.LastPosition;
        }
        if (device && !added.empty())
            LoopEditing::ArrangeCableOrder(document_, loop_, order_);
        return true;
    }

private:
    std::optional<NewIsolator> PutDevice(const Stop& stop, std::optional<int32_t> lastPosition, std::string& why)
    {
        const int address = FreeAddress(document_, model_, kind_.Code);
        if (address < 0) {
            why = NoFreeAddressMessage(kind_.Name);
            return std::nullopt;
        }
        if (!Accepted(LoopEditing::PlaceDeviceAt(document_, loop_, address, kind_.Code), stop, why))
            return std::nullopt;
        order_.erase(std::find(order_.begin(), order_.end(), address));
        order_.insert(std::find(order_.begin(), order_.end(), stop.Address), address);
        const int32_t position = Between(lastPosition, stop.DevicePosition);
        model_.SetCablePosition(address, position);
        return NewIsolator{address, 0, stop.Address, position};
    }

    std::optional<NewIsolator> PutFitted(const Stop& stop, std::string& why)
    {
        if (!Accepted(LoopEditing::AttachOtherAt(document_, loop_, stop.Address, kind_.Code), stop, why))
            return std::nullopt;
        return NewIsolator{stop.Address, 0, stop.Address, NoPosition};
    }

    std::optional<NewIsolator> PutStandalone(const Stop& stop, int after, std::string& why)
    {
        int slot = 0;
        if (!Accepted(LoopEditing::WireStandaloneAfter(document_, loop_, after, kind_.Code, slot), stop, why))
            return std::nullopt;
        // Its next neighbour is a standalone device after it at the same address, or the stop's device.
        int32_t next = stop.DevicePosition;
        for (const Standalone& entry : StandaloneAt(model_, after))
            if (entry.Slot > slot) {
                next = entry.Position;
                break;
            }
        const int32_t position = Between(BeforeSlot(model_, after, slot), next);
        model_.SetStandaloneCablePosition(after, slot, position);
        return NewIsolator{after, slot, stop.Address, position};
    }

    static bool Accepted(const LoopEditing::Outcome& outcome, const Stop& stop, std::string& why)
    {
        if (!outcome)
            why = RefusedMessage(stop.Address, outcome.Message);
        return outcome.Accepted;
    }

    Document& document_;
    int loop_;
    const Kind& kind_;
    int32_t limit_;
    clsCalculator& model_;
    std::vector<int> order_;  // the cable order as it becomes
};

}  // namespace

std::vector<Kind> KindsFor(const Document& document)
{
    const Catalogue& catalogue = document.Catalog();
    std::vector<Kind> kinds;
    for (const int type : catalogue.DeviceTypeOrder) {
        const DeviceTypeRecord& record = catalogue.DeviceType(type);
        if (type != 0 && record.MaxSurgeCurrent != 0 && !record.Name.empty() && record.StandaloneOther == 0 &&
            catalogue.IsSelectableDeviceType(type) && !LoopPlacement::IsSlaveBaseType(document, type) &&
            FamilyOnShow(catalogue, record.Family))
            kinds.push_back({false, type, record.Name});
    }
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other) {
        const OtherDeviceRecord& record = catalogue.OtherDevices[other];
        if (record.MaxSurgeCurrent != 0 && !record.Name.empty() && FamilyOnShow(catalogue, record.Family))
            kinds.push_back({true, static_cast<int>(other), record.Name});
    }
    return kinds;
}

int32_t PanelLimit(const Document& document)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    return panel ? panel->MaxPointsBetweenIsolators : DefaultPointsPerSection;
}

Placement PlaceEvery(Document& document, int loop, const Kind& kind, int32_t limit, Mode mode)
{
    clsCalculator& model = document.Loop(loop);
    const clsCalculator kept = model;
    Placement placement;
    placement.Before = model.AnalyseAlongCable(limit).Sections;
    std::string why;
    if (!Walk(document, loop, kind, limit).Run(placement.Added, why)) {
        model = kept;
        placement.Outcome = {false, why};
        placement.Added.clear();
        placement.After = placement.Before;
        return placement;
    }
    placement.After = model.AnalyseAlongCable(limit).Sections;
    if (mode == Mode::Check)
        model = kept;
    return placement;
}

std::string UnreachableMessage(int address, int32_t limit)
{
    return "The section at address " + std::to_string(address) + " cannot be brought within " + std::to_string(limit) +
           " points by isolators.";
}

std::string NoFreeAddressMessage(const std::string& name)
{
    return "There is no free address for another " + name + " on this loop.";
}

std::string RefusedMessage(int address, const std::string& why)
{
    return "No isolator can go in before address " + std::to_string(address) + ": " + why;
}

}  // namespace IsolatorPlacement
