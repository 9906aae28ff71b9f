#pragma once
// The loop along its cable: where each point sits, the voltage it gets with
// the loop whole or open at either end (a single fault feeds it from one end
// only), and how many points a short circuit between two isolators takes
// out. Worked out beside Calculate, whose lumped figure stays the verdict.
//
// A point is an address's device (with its slave base and its attached and
// base Other Devices) or a standalone Other Device; points run in cable
// order, each address's device before its standalone devices by slot.
// Positions in decimetres from the loop OUT terminal, resistances in
// hundredths of an ohm, currents in µA, voltages in volts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How the loop is fed: from both ends; open at the IN end, so fed from OUT
// only; open at the OUT end, so fed from IN only.
enum class Feed { Whole = 0, OpenIn = 1, OpenOut = 2 };
inline constexpr int FeedCount = 3;
inline constexpr std::array<Feed, FeedCount> AllFeeds{Feed::Whole, Feed::OpenIn, Feed::OpenOut};

// "Loop whole", "Open at IN end", "Open at OUT end": how reports name the feeds.
const char* FeedName(Feed feed);

// The number of points a short circuit may take out between two isolators
// where the panel gives no figure of its own.
inline constexpr int32_t DefaultPointsPerSection = 32;

// Where the lumped model takes the j-th (from 0) of n points to be: evenly
// beyond the first run (or the whole cable where the first run is longer),
// the last at the end of the cable. Decimetres.
double LumpedPosition(int32_t cableFirst, int32_t cableTotal, size_t j, size_t n);

struct AlongCablePoint {
    int Address = 0;
    int Slot = 0;          // 0 for the address's device, else the standalone slot
    int16_t Type = 0;      // the device type, or the standalone Other Device
    double Position = 0;   // decimetres from OUT
    double Resistance = 0;  // from OUT, its own series resistance included
    double MinimumVoltage = 0;
    std::array<double, FeedCount> Current{};  // µA, by feed
    std::array<double, FeedCount> Volts{};    // 0 where the loop collapses
    // The voltage as computed, below 0 where the loop has collapsed.
    std::array<double, FeedCount> ExactVolts{};
    // In a partly positioned loop: without a usable distance of its own,
    // placed between its neighbours.
    bool PlacedBetween = false;
};

struct FeedResult {
    double LowestVolts = 0;
    int LowestAddress = 0;
    double WorstMargin = 0;  // the lowest voltage over the point's minimum
    int WorstAddress = 0;
    bool Pass = true;
    // What the panel gives the cable at the feeding end in this feed, and
    // the least voltage the worst point may have: what it may lose between.
    double SupplyVolts = 0;
    double WorstMinimumVoltage = 0;
};

struct IsolatorSection {
    int From = 0;  // the isolator's address; 0 for the panel
    int To = 0;
    int32_t Points = 0;  // devices and addressable slave bases
    int32_t Limit = DefaultPointsPerSection;
    bool Pass = true;
};

struct AlongCableResult {
    bool Positioned = false;  // every point at its own stored distance
    // Some points at their own distances, the others placed between them.
    bool PartlyPositioned = false;
    double CableLength = 0;   // decimetres from OUT to IN
    std::vector<AlongCablePoint> Points;
    std::array<FeedResult, FeedCount> Feeds{};  // meaningful only with points
    std::vector<IsolatorSection> Sections;      // none on an empty loop

    bool Empty() const { return Points.empty(); }
    const FeedResult& Of(Feed feed) const { return Feeds[static_cast<size_t>(feed)]; }
    // The section with the most points over its limit, else with the most points.
    const IsolatorSection* WorstSection() const;
    // The addresses of the points placed between their neighbours, in cable
    // order, each once.
    std::vector<int> AddressesPlacedBetween() const;
};

// "address 12 placed between its neighbours", "addresses 12, 14 and 40
// placed between their neighbours"; empty when no point was placed so.
std::string PlacedBetweenText(const AlongCableResult& result);

// How the points were placed, as the report and the windows say it:
// "Devices at their own distances along the cable", "Devices placed evenly
// along the cable (no distances given)", or "Partly positioned: address 12
// placed between its neighbours" ("addresses 12, 14 and 40 placed between
// their neighbours"). Empty for a loop without points.
std::string PlacementText(const AlongCableResult& result);
