// The voltage at each point along the cable, against the lumped model and
// against cases worked by hand, and the sections between isolators.

#include "loop/AlongCable.h"
#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// A loop of 50 ohms per km per core (both cores of a decimetre are one
// hundredth of an ohm) on a 24 V panel without driver impedance.
struct AlongCableLoop : ::testing::Test {
    TestCatalogue catalogue;
    clsCalculator loop{catalogue};

    // Devices of the type at the addresses, each at its distance.
    void Place(int16_t type, std::initializer_list<std::pair<int, int32_t>> positions)
    {
        for (const auto& [address, position] : positions) {
            loop.SetDeviceType(address, type);
            loop.SetCablePosition(address, position);
        }
    }
    AlongCableResult Analyse(int32_t total, int32_t panelLeds = 256, int16_t driver = 0)
    {
        loop.SetCableImpedance(5000);
        loop.SetCableTotal(total);
        loop.SetPanelData(panelLeds, 256, 256, 2400, 500, driver);
        return loop.AnalyseAlongCable(DefaultPointsPerSection);
    }
};

double Volts(const AlongCableResult& result, size_t point, Feed feed)
{
    return result.Points.at(point).Volts[static_cast<size_t>(feed)];
}

double Current(const AlongCableResult& result, size_t point, Feed feed)
{
    return result.Points.at(point).Current[static_cast<size_t>(feed)];
}

// N equal devices, spread as the lumped model takes them and fed from OUT
// only: the drop at the last one is Calculate's before rounding. The lumped
// model weights series resistance by the first-run share as well, so with
// both it is higher by I·S·(L1/L)·(N−1)/(2N).
TEST_F(AlongCableLoop, AgreesWithTheLumpedModelFedFromOneEnd)
{
    const struct {
        int n;
        int16_t impedance, driver;
        int32_t total, first;
        double series;  // hundredths of an ohm per device
    } cases[] = {
        {1, 1210, 0, 10000, 0, 0},      {9, 1210, 200, 10000, 0, 0}, {40, 3000, 150, 5000, 1200, 0},
        {252, 800, 0, 30000, 20000, 0}, {9, 1210, 0, 10000, 0, 75},  {40, 1800, 100, 8000, 3000, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " devices, first " << c.first << ", series " << c.series);
        loop.ClearData();
        const int16_t type = catalogue.AddDeviceType({.Name = "D", .Alarm = 4000, .Resistance = c.series});
        for (int a = 1; a <= c.n; ++a)
            loop.SetDeviceType(a, type);
        loop.SetCableImpedance(c.impedance);
        loop.SetCableTotal(c.total);
        loop.SetCableFirst(c.first);
        loop.SetPanelData(256, 256, 256, 30000, 32767, c.driver);
        loop.Calculate(false, 0, true);
        const AlongCableResult result = loop.AnalyseAlongCable(DefaultPointsPerSection);
        ASSERT_EQ(result.Points.size(), static_cast<size_t>(c.n));
        EXPECT_FALSE(result.Positioned);
        const double drop = 300 - Volts(result, result.Points.size() - 1, Feed::OpenIn);
        const double gap = loop.AlarmCurrentTotal().ToDouble() * c.series * c.n / 1e8 *
                           (static_cast<double>(c.first) / c.total) * (c.n - 1) / (2.0 * c.n);
        EXPECT_NEAR(loop.LumpedVoltDrop() - drop, gap, 1e-9);
        EXPECT_GT(drop, 0);
    }
}

// Three devices of 10, 20 and 30 mA at 20, 50 and 80 m of a 100 m loop of
// 10 ohms, the middle one with 0.5 ohm in series, a 1 ohm driver and 24 V:
// worked by hand from the currents sharing the cable.
TEST_F(AlongCableLoop, ThreePointsWorkedByHand)
{
    const auto type = [&](int32_t alarm, double series) {
        return catalogue.AddDeviceType({.Name = "D", .Alarm = alarm, .Resistance = series, .MinimumVoltage = 2370});
    };
    Place(type(10000, 0), {{1, 200}});
    Place(type(20000, 50), {{2, 500}});
    Place(type(30000, 0), {{3, 800}});
    const AlongCableResult result = Analyse(1000, 256, 100);
    ASSERT_TRUE(result.Positioned);

    const struct {
        Feed feed;
        std::array<double, 3> volts;
        int lowest, worst;
        bool pass;
    } feeds[] = {
        {Feed::OpenIn, {23.82, 23.645, 23.555}, 3, 3, false},
        {Feed::OpenOut, {23.695, 23.73, 23.82}, 1, 1, false},
        {Feed::Whole, {23.94 - 0.14 / 3, 23.94 - 0.28 / 3, 23.94 - 0.22 / 3}, 2, 2, true},
    };
    for (const auto& f : feeds) {
        SCOPED_TRACE(static_cast<int>(f.feed));
        for (size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(Volts(result, k, f.feed), f.volts[k], 1e-12) << k;
        const FeedResult& summary = result.Of(f.feed);
        EXPECT_EQ(summary.LowestAddress, f.lowest);
        EXPECT_EQ(summary.WorstAddress, f.worst);
        EXPECT_DOUBLE_EQ(summary.LowestVolts, f.volts[static_cast<size_t>(f.lowest - 1)]);
        EXPECT_NEAR(summary.WorstMargin, f.volts[static_cast<size_t>(f.worst - 1)] - 23.70, 1e-12);
        EXPECT_EQ(summary.Pass, f.pass);
    }
}

// A loop that collapses shows 0 V there and fails; a standalone device has
// no minimum of its own and sits at its address unless given a distance.
TEST_F(AlongCableLoop, CollapseStandalonePointsAndTies)
{
    const int16_t device = catalogue.AddDeviceType({.Name = "D", .Alarm = 100000});
    const int16_t callPoint = catalogue.AddOtherDevice({.Name = "CP", .Alarm = 100000, .IsStandalone = true});
    Place(device, {{1, 100}, {2, 100}});
    loop.SetDeviceStandalone(1, 3, callPoint);
    AlongCableResult result = Analyse(1000);
    ASSERT_EQ(result.Points.size(), 3u);
    EXPECT_TRUE(result.Positioned);
    EXPECT_EQ(result.Points[1].Slot, 3);
    EXPECT_EQ(result.Points[1].Position, 100);
    // Three equal points at one place: the first in cable order is named.
    EXPECT_EQ(result.Of(Feed::OpenIn).LowestAddress, 1);
    EXPECT_TRUE(result.Of(Feed::OpenIn).Pass);

    result = Analyse(30000);  // 300 ohms of loop: 300 mA cannot come round
    EXPECT_EQ(result.Of(Feed::OpenOut).LowestVolts, 0);
    EXPECT_FALSE(result.Of(Feed::OpenOut).Pass);
    EXPECT_LT(result.Points[0].ExactVolts[static_cast<size_t>(Feed::OpenOut)], 0);
}

// Two equal devices, one near OUT and one far, with an LED (or an output)
// and a panel lighting (or activating) one: the one the feed's current has
// the longest way to is lit.
TEST_F(AlongCableLoop, ThePanelLightsTheWorstLedsAndOutputsForEachFeed)
{
    for (const int16_t group : {1, 2}) {
        SCOPED_TRACE(group);
        loop.ClearData();
        const int16_t bit = catalogue.AddOutputBit(group);
        Place(catalogue.AddDeviceType({.Name = "L", .Alarm = 5000, .Outputs = {{bit, 2000}}}), {{1, 100}, {2, 800}});
        loop.SetMaxOutput(group == 2 ? 1 : 256);
        const AlongCableResult result = Analyse(1000, group == 1 ? 1 : 256);
        EXPECT_EQ(Current(result, 0, Feed::OpenIn), 3000);
        EXPECT_EQ(Current(result, 1, Feed::OpenIn), 5000);
        EXPECT_EQ(Current(result, 0, Feed::OpenOut), 5000);
        EXPECT_EQ(Current(result, 1, Feed::OpenOut), 3000);
        EXPECT_EQ(Current(result, 1, Feed::Whole), 5000);  // 80 × 20 outweighs 10 × 90
    }
}

// What each point draws: its device with its slave base and Other Devices;
// an address without a device passes its Other Devices' current and series
// resistance to the next point, except one driven from a remote output,
// which nothing switches on.
TEST_F(AlongCableLoop, WhatEachPointCarries)
{
    const int16_t device = catalogue.AddDeviceType({.Name = "D", .Alarm = 1000, .Resistance = 10});
    const int16_t slaveBase =
        catalogue.AddDeviceType({.Name = "S", .Alarm = 200, .Resistance = 20, .NoOtherDevices = true, .IsSlave = true});
    const int16_t beacon = catalogue.AddOtherDevice({.Name = "B", .Alarm = 300, .Impedance = 40});
    const int16_t indicator = catalogue.AddOtherDevice({.Name = "R", .Alarm = 4000, .FromRemote = true});
    const int16_t callPoint = catalogue.AddOtherDevice({.Name = "CP", .Alarm = 50, .Impedance = 80, .IsStandalone = true});
    loop.SetDeviceType(1, device);
    loop.SetDeviceBaseType(1, slaveBase);
    loop.SetDeviceOtherType(1, beacon);
    loop.SetDeviceOtherType(2, beacon);  // no device here
    loop.SetDeviceOtherBaseType(2, indicator);
    loop.SetDeviceStandalone(2, 5, callPoint);
    loop.SetDeviceType(3, device);
    const AlongCableResult result = Analyse(0);
    // Address, slot, current and resistance (no cable) of each point.
    using Point = std::tuple<int, int, double, double>;
    std::vector<Point> points;
    for (size_t k = 0; k < result.Points.size(); ++k)
        points.emplace_back(result.Points[k].Address, result.Points[k].Slot, Current(result, k, Feed::Whole),
                            result.Points[k].Resistance);
    EXPECT_EQ(points, (std::vector<Point>{{1, 0, 1500, 70}, {2, 5, 350, 190}, {3, 0, 1000, 200}}));
}

// Sections between isolators of every kind, counted as the main window
// counts devices, against the default limit and a panel's own.
TEST_F(AlongCableLoop, IsolatorSections)
{
    const int16_t detector = catalogue.AddDeviceType({.Name = "D", .Alarm = 100});
    const int16_t isolator = catalogue.AddDeviceType({.Name = "I", .Alarm = 100, .MaxSurge = 1000});
    const int16_t slaveBase = catalogue.AddDeviceType({.Name = "S", .NoOtherDevices = true, .IsSlave = true});
    const int16_t isolatorBase = catalogue.AddOtherDevice({.Name = "IB", .MaxSurge = 1000, .IsBase = true});
    const int16_t isolatorCard = catalogue.AddOtherDevice({.Name = "IC", .MaxSurge = 1000});
    const int16_t module = catalogue.AddOtherDevice({.Name = "IM", .MaxSurge = 1000, .IsStandalone = true});
    EXPECT_TRUE(loop.AnalyseAlongCable(DefaultPointsPerSection).Sections.empty());

    for (int a = 1; a <= 33; ++a)
        loop.SetDeviceType(a, detector);
    using Sections = std::vector<std::array<int32_t, 3>>;  // from, to, points
    const auto sections = [&](int32_t limit) {
        Sections found;
        for (const IsolatorSection& s : loop.AnalyseAlongCable(limit).Sections) {
            found.push_back({s.From, s.To, s.Points});
            EXPECT_EQ(s.Pass, s.Points <= limit);
        }
        return found;
    };
    EXPECT_EQ(sections(32), (Sections{{0, 0, 33}}));  // fails, and passes at 33
    EXPECT_EQ(sections(33), (Sections{{0, 0, 33}}));

    loop.SetDeviceType(1, isolator);           // at the first address: an empty first section
    loop.SetDeviceOtherBaseType(10, isolatorBase);
    loop.SetDeviceOtherType(20, isolatorCard);
    loop.SetDeviceStandalone(25, 2, module);   // after address 25's device
    loop.SetDeviceBaseType(30, slaveBase);     // a second point at address 30
    loop.SetDeviceStandalone(0, 2, module);    // before the first address
    EXPECT_EQ(sections(8),
              (Sections{{0, 0, 0}, {0, 1, 0}, {1, 10, 9}, {10, 20, 10}, {20, 25, 6}, {25, 0, 9}}));
}

// Stored distances beyond the cable, out of cable order (as few as leave the
// rest in order) or at an address without a device are dropped and named;
// the rest stay.
TEST_F(AlongCableLoop, MisplacedPositionsAreDropped)
{
    const int16_t device = catalogue.AddDeviceType({.Name = "D", .Alarm = 100});
    const int16_t callPoint = catalogue.AddOtherDevice({.Name = "CP", .IsStandalone = true});
    loop.SetCableTotal(1000);
    // 2 before 1, 3 at the end of the cable, 4 beyond it; 5 goes with its device.
    Place(device, {{1, 300}, {2, 200}, {3, 1000}, {4, 1001}, {5, 1000}});
    loop.SetDeviceStandalone(2, 2, callPoint);
    loop.SetStandaloneCablePosition(2, 2, 400);
    loop.SetDeviceType(5, 0);
    EXPECT_EQ(loop.CablePosition(5), clsCalculator::NoPosition);
    loop.SetDeviceStandalone(0, 2, callPoint);
    loop.SetStandaloneCablePosition(0, 2, 1200);   // beyond, first in cable order
    using Why = DroppedCablePosition::Why;
    EXPECT_EQ(loop.DropMisplacedCablePositions(),
              (std::vector<DroppedCablePosition>{{0, 2, Why::BeyondCable}, {2, 0, Why::OutOfOrder}, {4, 0, Why::BeyondCable}}));
    constexpr int32_t none = clsCalculator::NoPosition;
    EXPECT_EQ((std::array{loop.CablePosition(1), loop.CablePosition(2), loop.StandaloneCablePosition(2, 2),
                          loop.CablePosition(3), loop.CablePosition(4)}),
              (std::array{300, none, 400, 1000, none}));
    EXPECT_EQ(loop.Copy().StandaloneCablePosition(2, 2), 400);

    // The longest run is a result: a distance beyond today's is kept.
    loop.SetCalcType(CalculationType::MaxCableRun);
    loop.SetCablePosition(4, clsCalculator::MaxCableLength);
    EXPECT_TRUE(loop.DropMisplacedCablePositions().empty());
    loop.SetCablePosition(4, clsCalculator::MaxCableLength + 1);
    EXPECT_EQ(loop.DropMisplacedCablePositions().size(), 1u);

    // One far figure early in the loop costs only itself.
    loop.SetCalcType(CalculationType::MaxVoltDrop);
    Place(device, {{1, 900}, {2, 100}, {3, 200}, {4, 300}});
    loop.SetStandaloneCablePosition(2, 2, 150);
    EXPECT_EQ(loop.DropMisplacedCablePositions(), (std::vector<DroppedCablePosition>{{1, 0, Why::OutOfOrder}}));
}

// Points without a usable distance sit evenly between the nearest points
// that keep theirs, or between the last of them and the end of the cable.
TEST_F(AlongCableLoop, PointsWithoutADistanceArePlacedBetweenTheirNeighbours)
{
    const int16_t device = catalogue.AddDeviceType({.Name = "D", .Alarm = 100});
    Place(device, {{1, clsCalculator::NoPosition}, {2, 200}, {3, clsCalculator::NoPosition},
                   {4, clsCalculator::NoPosition}, {5, 500}, {6, 100}, {7, clsCalculator::NoPosition}});
    const AlongCableResult result = Analyse(1000);
    std::vector<std::pair<double, bool>> placed;
    for (const AlongCablePoint& point : result.Points)
        placed.emplace_back(point.Position, point.PlacedBetween);
    // 6 is out of order and placed between 5 and 7, which sits between 6 and the end.
    EXPECT_EQ(placed, (std::vector<std::pair<double, bool>>{
                          {100, true}, {200, false}, {300, true}, {400, true}, {500, false}, {500 + 500.0 * 1 / 3, true}, {500 + 500.0 * 2 / 3, true}}));
    EXPECT_TRUE(result.PartlyPositioned);
    EXPECT_FALSE(result.Positioned);
    EXPECT_EQ(PlacementText(result), "Partly positioned: addresses 1, 3, 4, 6 and 7 placed between their neighbours");

    for (int a = 1; a <= 7; ++a)
        loop.SetCablePosition(a, clsCalculator::NoPosition);
    EXPECT_EQ(PlacementText(Analyse(1000)), "Devices placed evenly along the cable (no distances given)");
    loop.SetDeviceType(2, 0);
    for (int a = 3; a <= 7; ++a)
        loop.SetDeviceType(a, 0);
    loop.SetCablePosition(1, 50);
    EXPECT_EQ(PlacementText(Analyse(1000)), "Devices at their own distances along the cable");
}

}  // namespace
