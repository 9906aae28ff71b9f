#include "document/HowManyMore.h"

#include "catalogues/Catalogue.h"
#include "document/AlongCableVerdict.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/LoopEditing.h"
#include "document/LoopPlacement.h"
#include "platform/CaseFold.h"

#include <algorithm>
#include <array>
#include <vector>

namespace HowManyMore {

namespace {

constexpr int AddressCount = clsCalculator::AddressCount;
using Kind = Item::Kind;

bool IsOther(Item item) { return item.Of == Kind::OtherDevice; }

// What an address carries of the item: the device (or slave base) of the
// type, the Other Device fitted to it, and its standalone slots holding it.
struct Carried {
    bool Fitted = false;
    std::vector<int> Slots;
};

std::array<Carried, AddressCount> CarriedBy(const Document& document, int loop, Item item)
{
    const clsCalculator& model = document.Loop(loop);
    const bool slaveBase = !IsOther(item) && LoopPlacement::IsSlaveBaseType(document, item.Index);
    std::array<Carried, AddressCount> carried;
    for (int a = 0; a < AddressCount; ++a) {
        Carried& here = carried[static_cast<size_t>(a)];
        if (!IsOther(item)) {
            here.Fitted = (slaveBase ? model.DeviceBaseType(a) : model.DeviceType(a)) == item.Index;
            continue;
        }
        here.Fitted = model.DeviceOtherType(a) == item.Index || model.DeviceOtherBaseType(a) == item.Index;
        for (int slot = clsCalculator::FirstSlot; model.DeviceStandaloneCount(a) > 0 && slot <= clsCalculator::LastSlot;
             ++slot)
            if (model.DeviceStandalone(a, slot) == item.Index)
                here.Slots.push_back(slot);
    }
    return carried;
}

bool HasDistances(const clsCalculator& model)
{
    for (int a = 0; a < AddressCount; ++a) {
        if (model.DeviceType(a) != 0 && model.CablePosition(a) != clsCalculator::NoPosition)
            return true;
        for (int slot = clsCalculator::FirstSlot; model.DeviceStandaloneCount(a) > 0 && slot <= clsCalculator::LastSlot;
             ++slot)
            if (model.DeviceStandalone(a, slot) != 0 &&
                model.StandaloneCablePosition(a, slot) != clsCalculator::NoPosition)
                return true;
    }
    return false;
}

// The new ones last along the cable, in the order they had, and at its far
// end when the loop has distances; an Other Device goes with the device it
// is fitted to or wired after.
void MoveToFarEnd(Document& document, int loop, const std::array<Carried, AddressCount>& before, Item item)
{
    const std::array<Carried, AddressCount> after = CarriedBy(document, loop, item);
    clsCalculator& model = document.Loop(loop);
    const bool distances = HasDistances(model);
    std::vector<bool> moved(AddressCount, false);
    for (int a = 0; a < AddressCount; ++a) {
        const Carried& was = before[static_cast<size_t>(a)];
        const Carried& now = after[static_cast<size_t>(a)];
        const bool fitted = now.Fitted && !was.Fitted;
        bool wired = false;
        for (const int slot : now.Slots) {
            if (std::find(was.Slots.begin(), was.Slots.end(), slot) != was.Slots.end())
                continue;
            wired = true;
            if (distances)
                model.SetStandaloneCablePosition(a, slot, model.CableTotal());
        }
        moved[static_cast<size_t>(a)] = fitted || wired;
        if (fitted && distances)
            model.SetCablePosition(a, model.CableTotal());
    }
    std::vector<int> order = model.CableOrder();
    std::stable_partition(order.begin(), order.end(), [&moved](int a) { return !moved[static_cast<size_t>(a)]; });
    LoopEditing::ArrangeCableOrder(document, loop, order);
}

// The loop as calculated: its verdict, then every check along the cable.
Answer Judge(const Document& document, int loop)
{
    const clsCalculator& model = document.Loop(loop);
    if (!model.DesignIsSatisfactory())
        return {0, false, Stop::Verdict, model.LoopDesignShort()};
    const AlongCableVerdict along = AlongCableVerdictFor(document, loop);
    for (size_t i = 0; i < along.Checks.size(); ++i)
        if (!along.Checks[i].Pass)
            return {0, false, i < AllFeeds.size() ? Stop::AlongCable : Stop::Section, along.Checks[i].Text};
    return {};
}

// The most the service could take: past it, it refuses whatever the loop.
int32_t UpperBound(const Document& document, int loop, Item item)
{
    const clsCalculator& model = document.Loop(loop);
    if (IsOther(item))
        return document.Catalog().OtherDevice(item.Index).MaxQty - model.QtyOthers(item.Index);
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int32_t limit = panel ? panel->MaxDevicesPerLoop : 0;
    const bool slaveBase = LoopPlacement::IsSlaveBaseType(document, item.Index);
    const int32_t room = (slaveBase ? 2 * limit : limit) - LoopEditing::OccupiedAddresses(document, loop);
    const int32_t range =
        LoopPlacement::RangeCount(document, item.Index) - LoopPlacement::CountOfType(document, loop, item.Index);
    return std::min(room, range);
}

bool Valid(const Document& document, Item item)
{
    const Catalogue& catalogue = document.Catalog();
    if (IsOther(item))
        return item.Index > 0 && static_cast<size_t>(item.Index) < catalogue.OtherDevices.size();
    return item.Index > 0 && catalogue.IsSelectableDeviceType(item.Index);
}

}  // namespace

std::optional<Item> ItemNamed(const Catalogue& catalogue, std::string_view name)
{
    const std::string wanted = FoldCase(name);
    for (const int type : catalogue.DeviceTypeOrder)
        if (type > 0 && catalogue.IsSelectableDeviceType(type) && FoldCase(catalogue.DeviceType(type).Name) == wanted)
            return Item{Kind::DeviceType, type};
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other) {
        const OtherDeviceRecord& record = catalogue.OtherDevices[other];
        if (FoldCase(record.Name) == wanted || FoldCase(record.SingleName) == wanted)
            return Item{Kind::OtherDevice, static_cast<int>(other)};
    }
    return std::nullopt;
}

std::string ItemName(const Catalogue& catalogue, Item item)
{
    return IsOther(item) ? catalogue.OtherDevice(item.Index).SingleName : catalogue.DeviceType(item.Index).Name;
}

std::string Add(Document& document, int loop, Item item, int32_t count, Placement placement)
{
    const bool farEnd = placement == Placement::AtFarEnd;
    const std::array<Carried, AddressCount> before = farEnd ? CarriedBy(document, loop, item) : std::array<Carried, AddressCount>{};
    const LoopEditing::Outcome outcome =
        IsOther(item) ? LoopEditing::SetOtherQuantity(document, loop, item.Index,
                                                      document.Loop(loop).QtyOthers(item.Index) + count)
                      : LoopEditing::SetDeviceQuantity(
                            document, loop, item.Index, LoopPlacement::CountOfType(document, loop, item.Index) + count);
    if (!outcome)
        return outcome.Message;
    if (farEnd)
        MoveToFarEnd(document, loop, before, item);
    return "";
}

Answer Find(const Document& document, int loop, Item item, Placement placement)
{
    if (!Valid(document, item))
        return {};
    Answer now = Judge(document, loop);
    if (now.StoppedBy != Stop::None) {
        now.AlreadyFails = true;
        return now;
    }
    Document scratch(document.Catalog());
    const LoopState start = CaptureLoop(document, loop);
    auto trial = [&](int32_t count) {
        RestoreLoop(scratch, start);
        if (std::string refusal = Add(scratch, loop, item, count, placement); !refusal.empty())
            return Answer{0, false, Stop::Refused, std::move(refusal)};
        scratch.Loop(loop).Recalculate();
        return Judge(scratch, loop);
    };
    // 0 passes; past the bound the service refuses.
    int32_t passes = 0;
    int32_t fails = std::max(UpperBound(document, loop, item), 0) + 1;
    Answer stop;
    while (fails - passes > 1) {
        const int32_t middle = passes + (fails - passes) / 2;
        Answer tried = trial(middle);
        if (tried.StoppedBy == Stop::None) {
            passes = middle;
        } else {
            fails = middle;
            stop = std::move(tried);
        }
    }
    if (stop.StoppedBy == Stop::None)
        stop = trial(fails);
    stop.More = passes;
    return stop;
}

std::string AnswerText(const Answer& answer)
{
    if (answer.AlreadyFails)
        return "None: the loop already fails: " + answer.Check;
    const std::string fit = std::to_string(answer.More) + " more fit";
    switch (answer.StoppedBy) {
    case Stop::Verdict:
        return fit + "; one more fails: " + answer.Check;
    case Stop::AlongCable:
    case Stop::Section:
        return fit + "; one more fails along the cable: " + answer.Check;
    case Stop::Refused:
        return fit + "; one more is refused: " + answer.Check;
    case Stop::None:
        break;
    }
    return "None: nothing to add";
}

const char* PlacementName(Placement placement)
{
    return placement == Placement::AtFarEnd ? "at the far end" : "evenly";
}

}  // namespace HowManyMore
