// The voltage at every point of a loop and its isolator sections. Each feed
// is solved with running sums over the points in cable order, so the work
// grows with the number of points, not with its square.

#include "loop/AlongCable.h"

#include "catalogues/Catalogue.h"
#include "loop/CablePlacement.h"
#include "loop/clsCalculator.h"

#include <algorithm>
#include <tuple>

namespace {

// An LED or output the panel may refuse to light: the point it belongs to
// and the current it draws when lit.
struct LitEntry {
    size_t Point;
    double Current;
};

// The three lists the panel limits, as Calculate builds them.
struct LitLists {
    std::vector<LitEntry> AlarmLeds;
    std::vector<LitEntry> Outputs;
    std::vector<LitEntry> RemoteLeds;
};

double Volts(double microampsTimesHundredthsOfAnOhm) { return microampsTimesHundredthsOfAnOhm / 1e8; }

}  // namespace

const char* FeedName(Feed feed)
{
    switch (feed) {
    case Feed::OpenIn:
        return "Open at IN end";
    case Feed::OpenOut:
        return "Open at OUT end";
    case Feed::Whole:
        break;
    }
    return "Loop whole";
}

double LumpedPosition(int32_t cableFirst, int32_t cableTotal, size_t j, size_t n)
{
    const double first = std::min(cableFirst, cableTotal);
    return first + static_cast<double>(j + 1) * (cableTotal - first) / static_cast<double>(n);
}

const IsolatorSection* AlongCableResult::WorstSection() const
{
    const IsolatorSection* worst = nullptr;
    for (const IsolatorSection& section : Sections) {
        if (!worst || std::tuple(!section.Pass, section.Points - section.Limit) >
                          std::tuple(!worst->Pass, worst->Points - worst->Limit))
            worst = &section;
    }
    return worst;
}

std::vector<int> AlongCableResult::AddressesPlacedBetween() const
{
    std::vector<int> addresses;
    for (const AlongCablePoint& point : Points)
        if (point.PlacedBetween && std::find(addresses.begin(), addresses.end(), point.Address) == addresses.end())
            addresses.push_back(point.Address);
    return addresses;
}

std::string PlacementText(const AlongCableResult& result)
{
    if (result.Empty())
        return "";
    if (result.Positioned)
        return "Devices at their own distances along the cable";
    if (!result.PartlyPositioned)
        return "Devices placed evenly along the cable (no distances given)";
    return "Partly positioned: " + PlacedBetweenText(result);
}

std::string PlacedBetweenText(const AlongCableResult& result)
{
    const std::vector<int> addresses = result.AddressesPlacedBetween();
    if (addresses.empty())
        return "";
    std::string list;
    for (size_t i = 0; i < addresses.size(); ++i)
        list += (i == 0 ? "" : i + 1 == addresses.size() ? " and " : ", ") + std::to_string(addresses[i]);
    return std::string(addresses.size() == 1 ? "address " : "addresses ") + list + " placed between " +
           (addresses.size() == 1 ? "its" : "their") + " neighbours";
}

class clsCalculator::AlongCableAnalysis {
public:
    AlongCableAnalysis(const clsCalculator& loop, int32_t pointsPerSection)
        : loop_(loop), pointsPerSection_(pointsPerSection)
    {
    }

    AlongCableResult Run()
    {
        CollectPoints();
        result_.CableLength = loop_.cableTotal_;
        if (!result_.Points.empty()) {
            PlacePoints();
            for (const Feed feed : AllFeeds) {
                ApplyPanelLimits(feed);
                SolveFeed(feed);
                SummarizeFeed(feed);
            }
        }
        return std::move(result_);
    }

private:
    std::vector<AlongCablePoint>& Points() { return result_.Points; }
    const std::vector<AlongCablePoint>& Points() const { return result_.Points; }

    // Resistance from OUT up to here that no point has taken yet, and the
    // current of Other Devices at addresses without a device.
    struct Pending {
        double Series = 0;
        double Current = 0;
    };

    void AddPoint(int address, int slot, int16_t type, double ownSeries, double current, double minimumVoltage,
                  int32_t position)
    {
        AlongCablePoint& point = Points().emplace_back();
        point.Address = address;
        point.Slot = slot;
        point.Type = type;
        series_ += pending_.Series + ownSeries;
        point.Resistance = series_;  // the cable's share comes with the placing
        point.Current.fill(current + pending_.Current);
        point.MinimumVoltage = minimumVoltage / 100.0;
        pending_ = Pending{};
        positions_.push_back(position);
    }

    // The points in cable order with their currents before any panel limit,
    // and the sections between isolators.
    void CollectPoints()
    {
        const clsCalculator& loop = loop_;
        size_t most = AddressCount;
        for (const int32_t standalone : loop.standaloneCount_)
            most += static_cast<size_t>(standalone);
        Points().reserve(most);
        positions_.reserve(most);
        for (std::vector<LitEntry>* list : {&lists_.AlarmLeds, &lists_.Outputs, &lists_.RemoteLeds})
            list->reserve(AddressCount);
        OpenSection(0);
        for (int p = 0; p < AddressCount; ++p) {
            const int a = loop.AddressAtPosition(p);
            const int16_t type = loop.DeviceType(a);
            const int16_t baseType = loop.DeviceBaseType(a);
            const DeviceTypeRecord& device = loop.DeviceRecord(type);
            const DeviceTypeRecord& base = loop.DeviceRecord(baseType);
            const OtherDeviceRecord& attached = loop.OtherRecord(loop.DeviceOtherType(a));
            const OtherDeviceRecord& otherBase = loop.OtherRecord(loop.DeviceOtherBaseType(a));
            // Only a slave base that takes an address draws current of its own.
            if (base.NoOtherDevices && base.IsSlave) {
                pending_.Series += base.InternalResistance;
                pending_.Current += AlarmCurrent(base);
            }
            for (const OtherDeviceRecord* other : {&attached, &otherBase}) {
                pending_.Series += other->Impedance;
                // Driven from a remote output: only a device can switch it on.
                if (!other->FromRemote || type != 0)
                    pending_.Current += other->AlarmCurrent;
                if (other->FromRemote && other->FromRemote2 && type != 0)
                    lists_.RemoteLeds.push_back({Points().size(), static_cast<double>(other->AlarmCurrent)});
            }
            // As the surge check finds isolators: the address's opens a
            // section it is counted in.
            if (device.MaxSurgeCurrent != 0 || attached.MaxSurgeCurrent != 0 || otherBase.MaxSurgeCurrent != 0)
                OpenSection(a);
            result_.Sections.back().Points += (type != 0 ? 1 : 0) + (baseType != 0 ? 1 : 0);
            if (type != 0) {
                AddLitEntries(device);
                AddPoint(a, 0, type, device.InternalResistance, AlarmCurrent(device), device.MinimumVoltage,
                         loop.CablePosition(a));
            }
            for (const StandaloneEntry& entry : loop.StandaloneAt(a)) {
                const OtherDeviceRecord& other = loop.OtherRecord(entry.Type);
                const int32_t own = entry.Position != NoPosition ? entry.Position : loop.CablePosition(a);
                AddPoint(a, entry.Slot, entry.Type, other.Impedance, other.AlarmCurrent, 0, own);
                if (other.MaxSurgeCurrent != 0)
                    OpenSection(a);  // after its address's device
            }
        }
        if (Points().empty())
            result_.Sections.clear();
        for (IsolatorSection& section : result_.Sections)
            section.Pass = section.Points <= section.Limit;
        // What lies beyond the last point still belongs to the loop.
        series_ += pending_.Series;
        if (!Points().empty())
            for (double& current : Points().back().Current)
                current += pending_.Current;
    }

    double AlarmCurrent(const DeviceTypeRecord& device) const
    {
        const bool ledDisabled = loop_.dinLedsDisabled_ && device.HasLedDisabledCurrent;
        return ledDisabled ? device.AlarmCurrentLedDisabled : device.AlarmCurrent;
    }

    void AddLitEntries(const DeviceTypeRecord& device)
    {
        // A type with an LED-disabled current lights no LED when they are disabled.
        const bool ledUnlit = loop_.dinLedsDisabled_ && device.HasLedDisabledCurrent;
        for (size_t bit = 0; bit < device.OutputUse.size(); ++bit) {
            const int16_t group = loop_.catalogue_->OutputBit(device.OutputUse[bit]).Group;
            const LitEntry entry{Points().size(), static_cast<double>(device.OutputBitCurrent[bit])};
            if (group == 1 && !ledUnlit)
                lists_.AlarmLeds.push_back(entry);
            else if (group == 2)
                lists_.Outputs.push_back(entry);
        }
    }

    // The stored positions that fit the cable in order, the other points
    // placed between them; where no point has one, the points spread evenly
    // beyond the first run, as the lumped model takes them.
    void PlacePoints()
    {
        const int32_t total = loop_.cableTotal_;
        const std::vector<bool> kept = CablePlacement::KeptInCableOrder(positions_, total);
        const size_t n = Points().size();
        const size_t keptCount = static_cast<size_t>(std::count(kept.begin(), kept.end(), true));
        result_.Positioned = keptCount == n;
        result_.PartlyPositioned = keptCount > 0 && keptCount < n;
        std::vector<double> placed;
        if (keptCount > 0)
            placed = CablePlacement::PlaceBetween(positions_, kept, total);
        const double perDecimetre = loop_.cableImpedance_ / 5000.0;  // both cores
        for (size_t j = 0; j < n; ++j) {
            AlongCablePoint& point = Points()[j];
            point.PlacedBetween = result_.PartlyPositioned && !kept[j];
            point.Position = keptCount > 0 ? placed[j] : LumpedPosition(loop_.cableFirst_, total, j, n);
            point.Resistance += perDecimetre * point.Position;
        }
        loopResistance_ = perDecimetre * total + series_;
    }

    // The weight of a current drawn at a point for the feed: how much it
    // lowers the voltage along the loop.
    double Weight(Feed feed, const LitEntry& entry) const
    {
        const double r = Points()[entry.Point].Resistance;
        switch (feed) {
        case Feed::OpenIn:
            return entry.Current * r;
        case Feed::OpenOut:
            return entry.Current * (loopResistance_ - r);
        case Feed::Whole:
            break;
        }
        return loopResistance_ == 0 ? 0 : entry.Current * r * (loopResistance_ - r) / loopResistance_;
    }

    // The panel lights the worst `limit` of the list for this feed; every
    // other entry's current comes off its point. Ties go to the larger
    // current, then to the point later in cable order.
    void LightWorst(Feed feed, const std::vector<LitEntry>& list, int32_t limit)
    {
        if (static_cast<int64_t>(list.size()) <= limit)
            return;
        ranked_.clear();
        ranked_.reserve(list.size());
        for (const LitEntry& entry : list)
            ranked_.push_back({Weight(feed, entry), entry.Current, entry.Point});
        const auto lit = ranked_.begin() + std::max(limit, 0);
        std::nth_element(ranked_.begin(), lit, ranked_.end(), [](const Ranked& x, const Ranked& y) {
            return std::tie(x.Weight, x.Current, x.Point) > std::tie(y.Weight, y.Current, y.Point);
        });
        const auto f = static_cast<size_t>(feed);
        for (auto it = lit; it != ranked_.end(); ++it)
            Points()[it->Point].Current[f] -= it->Current;
    }

    void ApplyPanelLimits(Feed feed)
    {
        LightWorst(feed, lists_.AlarmLeds, loop_.panelAlarmLeds_);
        LightWorst(feed, lists_.Outputs, std::min(loop_.maxOutput_, loop_.panelOutputs_));
        LightWorst(feed, lists_.RemoteLeds, loop_.panelRemoteLeds_);
    }

    // The drop at each point: every current shares the cable from the feeding
    // end up to the nearer of its point and this one.
    void SolveFeed(Feed feed)
    {
        const auto f = static_cast<size_t>(feed);
        std::vector<AlongCablePoint>& points = Points();
        const size_t n = points.size();
        const double rl = loopResistance_;
        // From the feeding end: the resistance to each point.
        auto reach = [&](size_t k) { return feed == Feed::OpenOut ? rl - points[k].Resistance : points[k].Resistance; };

        double total = 0;
        for (const AlongCablePoint& point : points)
            total += point.Current[f];
        drops_.assign(n, 0);
        if (feed == Feed::Whole) {
            // Σ_{j≤k} I_j·R_j·(R_L − R_k) + R_k·Σ_{j>k} I_j·(R_L − R_j), over R_L.
            double beyond = 0;
            for (const AlongCablePoint& point : points)
                beyond += point.Current[f] * (rl - point.Resistance);
            double before = 0;
            for (size_t k = 0; k < n && rl != 0; ++k) {
                const double r = points[k].Resistance;
                before += points[k].Current[f] * r;
                beyond -= points[k].Current[f] * (rl - r);
                drops_[k] = (before * (rl - r) + r * beyond) / rl;
            }
        } else {
            // Walking away from the feeding end: the currents already passed
            // drop over their own reach, the rest over this point's.
            double passedDrop = 0;
            double remaining = total;
            for (size_t i = 0; i < n; ++i) {
                const size_t k = feed == Feed::OpenIn ? i : n - 1 - i;
                passedDrop += points[k].Current[f] * reach(k);
                remaining -= points[k].Current[f];
                drops_[k] = passedDrop + reach(k) * remaining;
            }
        }
        const double supply = loop_.panelMinLoopVoltage_ / 100.0 - Volts(loop_.panelDriverImpedance_ * total);
        result_.Feeds[f].SupplyVolts = supply;
        for (size_t k = 0; k < n; ++k) {
            points[k].ExactVolts[f] = supply - Volts(drops_[k]);
            points[k].Volts[f] = std::max(points[k].ExactVolts[f], 0.0);
        }
    }

    void SummarizeFeed(Feed feed)
    {
        const auto f = static_cast<size_t>(feed);
        FeedResult& summary = result_.Feeds[f];
        const AlongCablePoint* lowest = nullptr;
        const AlongCablePoint* worst = nullptr;
        for (const AlongCablePoint& point : Points()) {
            const double margin = point.Volts[f] - point.MinimumVoltage;
            summary.Pass = summary.Pass && point.ExactVolts[f] >= 0 && point.ExactVolts[f] - point.MinimumVoltage >= 0;
            if (!lowest || point.Volts[f] < lowest->Volts[f])
                lowest = &point;
            if (!worst || margin < summary.WorstMargin) {
                worst = &point;
                summary.WorstMargin = margin;
            }
        }
        summary.LowestVolts = lowest->Volts[f];
        summary.LowestAddress = lowest->Address;
        summary.WorstAddress = worst->Address;
        summary.WorstMinimumVoltage = worst->MinimumVoltage;
    }

    // An isolator at the address ends the section before it and opens the next.
    void OpenSection(int address)
    {
        std::vector<IsolatorSection>& sections = result_.Sections;
        if (!sections.empty())
            sections.back().To = address;
        sections.push_back({address, 0, 0, pointsPerSection_, true});
    }

    const clsCalculator& loop_;
    int32_t pointsPerSection_;
    AlongCableResult result_;
    std::vector<int32_t> positions_;  // the stored one of each point, or NoPosition
    LitLists lists_;
    struct Ranked {
        double Weight;
        double Current;
        size_t Point;
    };
    std::vector<Ranked> ranked_;  // the list being limited, by weight for the feed
    Pending pending_;
    double series_ = 0;  // the series resistance met so far
    double loopResistance_ = 0;
    std::vector<double> drops_;
};

AlongCableResult clsCalculator::AnalyseAlongCable(int32_t pointsPerSection) const
{
    return AlongCableAnalysis(*this, pointsPerSection).Run();
}

std::vector<DroppedCablePosition> clsCalculator::DropMisplacedCablePositions()
{
    // Where the calculation finds the longest run, the cable's length is a
    // result that the next recalculation may change: the distances are kept
    // up to the longest cable there is, and the analysis uses them while
    // they fit.
    const int32_t end = calcType_ == CalculationType::MaxCableRun ? MaxCableLength : cableTotal_;
    std::vector<DroppedCablePosition> dropped;
    // Every stored distance in cable order, with where it is kept.
    std::vector<int32_t*> stored;
    std::vector<DroppedCablePosition> where;
    for (int p = 0; p < AddressCount; ++p) {
        const int a = AddressAtPosition(p);
        int32_t& own = cablePosition_[static_cast<size_t>(a)];
        if (own != NoPosition && DeviceType(a) == 0) {
            dropped.push_back({a, 0, DroppedCablePosition::Why::NoDevice});
            own = NoPosition;
        }
        if (own != NoPosition) {
            stored.push_back(&own);
            where.push_back({a, 0, DroppedCablePosition::Why::OutOfOrder});
        }
        for (StandaloneEntry& entry : standalone_[static_cast<size_t>(a)])
            if (entry.Position != NoPosition) {
                stored.push_back(&entry.Position);
                where.push_back({a, entry.Slot, DroppedCablePosition::Why::OutOfOrder});
            }
    }
    std::vector<int32_t> positions;
    for (const int32_t* position : stored)
        positions.push_back(*position);
    const std::vector<bool> kept = CablePlacement::KeptInCableOrder(positions, end);
    for (size_t i = 0; i < stored.size(); ++i) {
        if (kept[i])
            continue;
        if (*stored[i] > end)
            where[i].Reason = DroppedCablePosition::Why::BeyondCable;
        *stored[i] = NoPosition;
        dropped.push_back(where[i]);
    }
    return dropped;
}
