#include "document/DeviceListImport.h"

#include "catalogues/Catalogue.h"
#include "document/CablePositionRefusals.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/LoopEditing.h"
#include "document/LoopPlacement.h"
#include "loop/DeviceLocation.h"
#include "platform/CaseFold.h"
#include "text/Blanks.h"
#include "text/Scaling.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>
#include <unordered_map>

namespace DeviceListImport {

namespace {

using DeviceList::Row;

constexpr const char* StepName = "Import Device List";

std::optional<int64_t> WholeNumber(std::string_view text)
{
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
// What one loop receives, counted by name in the order first placed.
class Tally {
public:
    void Add(const std::string& name, int64_t count = 1)
    {
        const auto found = std::find_if(counts_.begin(), counts_.end(), [&](const auto& c) { return c.first == name; });
        if (found == counts_.end())
            counts_.emplace_back(name, count);
        else
            found->second += count;
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (const auto& [name, count] : counts_)
            lines.push_back(std::to_string(count) + " \u00D7 " + name);
        return lines;
    }

private:
    std::vector<std::pair<std::string, int64_t>> counts_;
};

// The import on a document of its own: the preview's, or the one whose
// loops the import then takes over.
class Importer {
public:
    Importer(Document& scratch, const DeviceList::List& list, const Mapping& mapping)
        : doc_(scratch), catalogue_(scratch.Catalog()), names_(catalogue_), list_(list), mapping_(mapping)
    {
    }

    Outcome Run()
    {
        if (!list_.Failure.empty()) {
            outcome_.Failure = list_.Failure;
            return outcome_;
        }
        std::map<int, std::vector<const Row*>> byLoop;
        for (const Row& row : list_.Rows) {
            const std::string kind = FoldCase(row.Kind);
            if (kind == "loop total" || kind == "panel total")
                continue;  // the device schedule's totals
            if (const std::optional<int> loop = LoopOf(row))
                byLoop[*loop].push_back(&row);
        }
        for (const auto& [loop, rows] : byLoop) {
            loop_ = &outcome_.Loops.emplace_back();
            loop_->Loop = loop;
            tally_ = Tally();
            distances_ = 0;
            locations_ = 0;
            if (list_.Of == DeviceList::Format::BillOfQuantities)
                PlaceQuantities(rows);
            else
                PlaceSchedule(rows);
            loop_->Placed = tally_.Lines();
            for (const auto& [count, what] : {std::pair{distances_, "distances along the cable"},
                                              std::pair{locations_, "locations"}})
                if (count > 0)
                    loop_->Placed.push_back(std::string(what) + " for " + std::to_string(count) +
                                            (count == 1 ? " point" : " points"));
        }
        return outcome_;
    }

private:
    std::optional<int> LoopOf(const Row& row)
    {
        if (!list_.HasLoopColumn)
            return 1;
        const int loops = CalculationSupport::PanelLoops(doc_);
        const std::optional<int64_t> loop = WholeNumber(row.Loop);
        if (loop && *loop >= 1 && *loop <= loops)
            return static_cast<int>(*loop);
        const std::string range = loops == 1 ? "loop 1" : "loops 1 to " + std::to_string(loops);
        outcome_.Refused.push_back({row.Number, row.Loop.empty() ? "the row names no loop."
                                                                 : "'" + row.Loop + "' is not a loop of the panel (" +
                                                                       range + ")."});
        return std::nullopt;
    }

    void Refuse(const Row& row, std::string reason) { loop_->Refused.push_back({row.Number, std::move(reason)}); }

    bool Take(const Row& row, const LoopEditing::Outcome& outcome)
    {
        if (!outcome)
            Refuse(row, outcome.Message);
        return outcome.Accepted;
    }

    // The entry a name stands for; nothing for a name left out or unknown
    // (listed once, with its rows).
    std::optional<Entry> Resolve(const Row& row, const std::string& name)
    {
        if (const std::optional<Entry> found = names_.Find(name))
            return found;
        if (const auto mapped = mapping_.find(FoldCase(name)); mapped != mapping_.end())
            return mapped->second;
        const auto [known, added] = unknownAt_.emplace(FoldCase(name), outcome_.Unknowns.size());
        if (added)
            outcome_.Unknowns.push_back({name, {}});
        outcome_.Unknowns[known->second].Rows.push_back(row.Number);
        return std::nullopt;
    }

    bool IsSlaveBase(const Entry& entry) const
    {
        return entry.Of == Entry::Kind::Device && LoopPlacement::IsSlaveBaseType(doc_, entry.Code);
    }

    // As if the quantities were typed: the devices, then the slave bases
    // fitted to them, then the Other Devices, each in the list's order.
    void PlaceQuantities(const std::vector<const Row*>& rows)
    {
        std::vector<std::pair<const Row*, Entry>> resolved;
        for (const Row* row : rows) {
            const std::optional<int64_t> quantity = WholeNumber(row->Quantity);
            if (!quantity || *quantity < 0 || *quantity > 100000) {
                Refuse(*row, "'" + row->Quantity + "' is not a quantity.");
                continue;
            }
            if (row->Type.empty()) {
                Refuse(*row, "the row names no device.");
                continue;
            }
            if (const std::optional<Entry> entry = Resolve(*row, row->Type); entry && *quantity > 0)
                resolved.emplace_back(row, *entry);
        }
        const auto rank = [this](const Entry& entry) {
            return entry.Of == Entry::Kind::Other ? 2 : IsSlaveBase(entry) ? 1 : 0;
        };
        std::stable_sort(resolved.begin(), resolved.end(),
                         [&](const auto& a, const auto& b) { return rank(a.second) < rank(b.second); });
        for (const auto& [row, entry] : resolved) {
            const auto quantity = static_cast<int32_t>(*WholeNumber(row->Quantity));
            const LoopState before = CaptureLoop(doc_, loop_->Loop);
            const LoopEditing::Outcome outcome =
                entry.Of == Entry::Kind::Device
                    ? LoopEditing::SetDeviceQuantity(doc_, loop_->Loop, entry.Code,
                                                     LoopPlacement::CountOfType(doc_, loop_->Loop, entry.Code) + quantity)
                    : LoopEditing::SetOtherQuantity(doc_, loop_->Loop, entry.Code,
                                                    doc_.Loop(loop_->Loop).QtyOthers(entry.Code) + quantity);
            if (Take(*row, outcome))
                tally_.Add(EntryName(catalogue_, entry), quantity);
            else
                RestoreLoop(doc_, before);  // nothing of a refused row stays, not even devices moved for it
        }
    }

    // A row's address, or a refusal.
    std::optional<int> AddressOf(const Row& row)
    {
        const std::optional<int64_t> address = WholeNumber(row.Address);
        if (address && *address >= 0 && *address < clsCalculator::AddressCount)
            return static_cast<int>(*address);
        Refuse(row, row.Address.empty() ? "the row gives no address."
                                        : "'" + row.Address + "' is not an address (0 to 255).");
        return std::nullopt;
    }

    static bool NamesNothing(const Row& row)
    {
        return row.Type.empty() && row.SlaveBase.empty() && row.BaseOther.empty() && row.AttachedOther.empty() &&
               row.Standalone.empty();
    }

    // A point the schedule lists: an address's device, or one standalone
    // device wired after it (slot above 0).
    struct Point {
        const Row* From;
        int Address;
        int Slot;
    };

    void PlaceSchedule(const std::vector<const Row*>& rows)
    {
        const int loop = loop_->Loop;
        std::vector<std::pair<const Row*, int>> addressed;
        for (const Row* row : rows) {
            const std::optional<int> address = AddressOf(*row);
            if (!address)
                continue;
            if (NamesNothing(*row))
                Refuse(*row, "the row names nothing to place at address " + std::to_string(*address) + ".");
            else
                addressed.emplace_back(row, *address);
        }

        std::vector<Point> points;
        std::set<const Row*> failed;
        // The devices first, so that bases and standalone devices find their
        // hosts and Masters wherever the list puts them.
        for (const auto& [row, address] : addressed) {
            if (row->Type.empty())
                continue;
            const std::optional<Entry> entry = Resolve(*row, row->Type);
            if (entry && entry->Of == Entry::Kind::Other) {
                Refuse(*row, "A " + EntryName(catalogue_, *entry) + " is an Other Device, not a device at an address.");
                failed.insert(row);
            } else if (entry && Take(*row, LoopEditing::PlaceDeviceAt(doc_, loop, address, entry->Code))) {
                tally_.Add(EntryName(catalogue_, *entry));
                points.push_back({row, address, 0});
            } else {
                failed.insert(row);
            }
        }
        for (const auto& [row, address] : addressed) {
            if (failed.count(row) > 0)
                continue;
            for (const std::string* name : {&row->SlaveBase, &row->BaseOther, &row->AttachedOther})
                if (!name->empty())
                    FitToDevice(*row, address, *name);
        }
        for (const auto& [row, address] : addressed)
            if (failed.count(row) == 0 && !row->Standalone.empty())
                WireStandalone(*row, address, points);

        std::vector<int> order;
        for (const Point& point : points)
            if (point.Slot == 0)
                order.push_back(point.Address);
        LoopEditing::ArrangeCableOrder(doc_, loop, order);
        for (const Point& point : points)
            if (point.Slot == 0)
                SetTag(*point.From, point.Address);
        SetPositions(points);
        SetLocations(points);
    }

    void SetLocations(const std::vector<Point>& points)
    {
        clsCalculator& model = doc_.Loop(loop_->Loop);
        for (const Point& point : points) {
            const std::string location = DeviceLocation::Cleaned(point.From->Location);
            if (location.empty())
                continue;
            if (const std::string refusal = DeviceLocation::Refusal(location); !refusal.empty()) {
                Refuse(*point.From, refusal);
                continue;
            }
            if (point.Slot == 0)
                model.SetLocation(point.Address, location);
            else
                model.SetStandaloneLocation(point.Address, point.Slot, location);
            ++locations_;
        }
    }

    void FitToDevice(const Row& row, int address, const std::string& name)
    {
        const std::optional<Entry> entry = Resolve(row, name);
        if (!entry)
            return;
        const LoopEditing::Outcome outcome =
            entry->Of == Entry::Kind::Device ? LoopEditing::FitSlaveBaseAt(doc_, loop_->Loop, address, entry->Code)
                                             : LoopEditing::AttachOtherAt(doc_, loop_->Loop, address, entry->Code);
        if (Take(row, outcome))
            tally_.Add(EntryName(catalogue_, *entry));
    }

    // One standalone device on a row of its own (with its own distance), or
    // several after the device's, as older schedules list them.
    void WireStandalone(const Row& row, int address, std::vector<Point>& points)
    {
        std::vector<std::string> names;
        for (size_t start = 0; start <= row.Standalone.size();) {
            const size_t end = std::min(row.Standalone.find(';', start), row.Standalone.size());
            if (const std::string_view name = Blanks::Trim(std::string_view(row.Standalone).substr(start, end - start));
                !name.empty())
                names.emplace_back(name);
            start = end + 1;
        }
        for (const std::string& name : names) {
            const std::optional<Entry> entry = Resolve(row, name);
            if (!entry)
                continue;
            int slot = 0;
            const LoopEditing::Outcome outcome =
                entry->Of == Entry::Kind::Other
                    ? LoopEditing::WireStandaloneAfter(doc_, loop_->Loop, address, entry->Code, slot)
                    : LoopEditing::Outcome{false, "A " + EntryName(catalogue_, *entry) +
                                                      " is a device with an address, not wired between devices."};
            if (!Take(row, outcome))
                continue;
            tally_.Add(EntryName(catalogue_, *entry));
            if (row.Type.empty() && names.size() == 1)
                points.push_back({&row, address, slot});
        }
    }

    void SetTag(const Row& row, int address)
    {
        if (row.Tag.empty())
            return;
        const std::optional<int64_t> tag = WholeNumber(row.Tag);
        if (tag && *tag >= INT16_MIN && *tag <= INT16_MAX)
            doc_.SetAddressTag(loop_->Loop, address, static_cast<int16_t>(*tag));
        else
            Refuse(row, "'" + row.Tag + "' is not an address tag (a whole number from -32768 to 32767).");
    }

    std::optional<int32_t> Distance(const Row& row)
    {
        std::string text = row.Position;
        if (list_.DecimalComma)
            std::replace(text.begin(), text.end(), ',', '.');
        const std::optional<int32_t> decimetres = Scaling::ParseLengthTenths(text, list_.PositionUnits);
        if (decimetres && *decimetres >= 0)
            return decimetres;
        Refuse(row, "'" + row.Position + "' is not a distance along the cable.");
        return std::nullopt;
    }

    void SetPositions(const std::vector<Point>& points)
    {
        clsCalculator& model = doc_.Loop(loop_->Loop);
        std::map<std::pair<int, int>, const Point*> given;  // by address and slot
        for (const Point& point : points) {
            if (point.From->Position.empty())
                continue;
            const std::optional<int32_t> distance = Distance(*point.From);
            if (!distance)
                continue;
            given[{point.Address, point.Slot}] = &point;
            StorePosition(model, point, *distance);
        }
        clsCalculator trial = model;
        const std::vector<DroppedCablePosition> dropped = trial.DropMisplacedCablePositions();
        // The loop's own distances stay: when they and the list's cannot all
        // be in order, the list's give way.
        const bool ownDropped = std::any_of(dropped.begin(), dropped.end(), [&](const DroppedCablePosition& d) {
            return given.count({d.Address, d.Slot}) == 0;
        });
        std::vector<const Point*> refused;
        for (const DroppedCablePosition& drop : dropped) {
            const auto point = given.find({drop.Address, drop.Slot});
            if (ownDropped || point == given.end())
                continue;
            Refuse(*point->second->From, "the distance " + point->second->From->Position + " is " +
                                             CablePositionRefusals::Reason(drop.Reason) + ".");
            refused.push_back(point->second);
            given.erase(point);
        }
        for (const auto& [where, point] : ownDropped ? given : decltype(given){}) {
            Refuse(*point->From, "the distance " + point->From->Position +
                                     " is out of cable order with the distances the loop has.");
            refused.push_back(point);
        }
        if (ownDropped)
            given.clear();
        for (const Point* point : refused)
            StorePosition(model, *point, clsCalculator::NoPosition);
        distances_ = given.size();
    }

    static void StorePosition(clsCalculator& model, const Point& point, int32_t decimetres)
    {
        if (point.Slot == 0)
            model.SetCablePosition(point.Address, decimetres);
        else
            model.SetStandaloneCablePosition(point.Address, point.Slot, decimetres);
    }

    Document& doc_;
    const Catalogue& catalogue_;
    const EntryIndex names_;
    const DeviceList::List& list_;
    const Mapping& mapping_;
    Outcome outcome_;
    std::unordered_map<std::string, size_t> unknownAt_;  // folded name -> in outcome_.Unknowns
    LoopOutcome* loop_ = nullptr;
    Tally tally_;
    size_t distances_ = 0;
    size_t locations_ = 0;
};

// A document of the catalogue holding the document's loops as they are.
void CopyLoops(const Document& from, Document& to)
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        RestoreLoop(to, CaptureLoop(from, loop));
}

}  // namespace

size_t Outcome::RefusedRows() const
{
    std::set<size_t> rows;
    for (const Refusal& refusal : Refused)
        rows.insert(refusal.Row);
    for (const LoopOutcome& loop : Loops)
        for (const Refusal& refusal : loop.Refused)
            rows.insert(refusal.Row);
    return rows.size();
}

bool Outcome::Placed() const
{
    return std::any_of(Loops.begin(), Loops.end(), [](const LoopOutcome& loop) { return !loop.Placed.empty(); });
}

Outcome Preview(const Document& document, const DeviceList::List& list, const Mapping& mapping)
{
    Document scratch(document.Catalog());
    CopyLoops(document, scratch);
    return Importer(scratch, list, mapping).Run();
}

Outcome Import(Document& document, const DeviceList::List& list, const Mapping& mapping)
{
    Document scratch(document.Catalog());
    CopyLoops(document, scratch);
    const Outcome outcome = Importer(scratch, list, mapping).Run();
    if (!outcome.Placed())
        return outcome;
    DocumentEdit edit(document, DocumentEdit::AllLoops());
    for (const LoopOutcome& loop : outcome.Loops) {
        RestoreLoop(document, CaptureLoop(scratch, loop.Loop));
        CalculationSupport::RecalculateLoop(document, loop.Loop);
    }
    document.MarkChanged();
    edit.Commit(StepName);
    return outcome;
}

EntryIndex::EntryIndex(const Catalogue& catalogue)
{
    for (const int type : catalogue.DeviceTypeOrder)
        if (type != 0 && catalogue.IsSelectableDeviceType(type))
            entries_.emplace(FoldCase(catalogue.DeviceType(type).Name), Entry{Entry::Kind::Device, type});
    // A device type's name wins over an Other Device's.
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other) {
        const OtherDeviceRecord& record = catalogue.OtherDevices[other];
        for (const std::string* name : {&record.SingleName, &record.Name})
            entries_.emplace(FoldCase(*name), Entry{Entry::Kind::Other, static_cast<int>(other)});
    }
    entries_.erase("");
}

std::optional<Entry> EntryIndex::Find(const std::string& name) const
{
    const auto found = entries_.find(FoldCase(name));
    return found == entries_.end() ? std::nullopt : std::optional<Entry>(found->second);
}

std::string EntryName(const Catalogue& catalogue, const Entry& entry)
{
    return entry.Of == Entry::Kind::Device ? catalogue.DeviceType(entry.Code).Name
                                           : catalogue.OtherDevice(entry.Code).SingleName;
}

Mapping LeaveOut(const Outcome& outcome)
{
    Mapping mapping;
    for (const Outcome::Unknown& unknown : outcome.Unknowns)
        mapping[FoldCase(unknown.Name)] = std::nullopt;
    return mapping;
}

std::vector<std::string> RefusalLines(const Outcome& outcome)
{
    std::vector<std::pair<size_t, std::string>> lines;
    for (const Refusal& refusal : outcome.Refused)
        lines.emplace_back(refusal.Row, "Row " + std::to_string(refusal.Row) + ": " + refusal.Reason);
    for (const LoopOutcome& loop : outcome.Loops)
        for (const Refusal& refusal : loop.Refused)
            lines.emplace_back(refusal.Row, "Row " + std::to_string(refusal.Row) + " (loop " +
                                                std::to_string(loop.Loop) + "): " + refusal.Reason);
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (auto& [row, text] : lines)
        texts.push_back(std::move(text));
    return texts;
}

std::string UnknownLine(const Outcome::Unknown& unknown)
{
    std::string rows;
    for (const size_t row : unknown.Rows)
        rows += (rows.empty() ? "" : ", ") + std::to_string(row);
    return "'" + unknown.Name + "' is in neither catalogue (row" + (unknown.Rows.size() == 1 ? " " : "s ") + rows + ").";
}

}  // namespace DeviceListImport
