// What the randomized test of the loop model cannot see: the edges of the
// loop, what ClearData keeps and where a location lives.

#include "loop/clsCalculator.h"
#include "support/LoopRecount.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct LoopModel : ::testing::Test {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000, .Surge = 600});
    int16_t baseOther = catalogue.AddOtherDevice({.Name = "Relay Base", .Impedance = 5, .IsBase = true});
    int16_t standalone = catalogue.AddOtherDevice({.Name = "Call Point", .Alarm = 60, .IsStandalone = true});
    clsCalculator loop{catalogue};
    void SetUp() override { loop.ClearData(); }
};

TEST_F(LoopModel, EdgesOfTheLoop)
{
    for (const int outside : {-1, 256}) {
        loop.SetDeviceType(outside, detector);
        EXPECT_EQ(loop.DeviceType(outside), 0);
        EXPECT_EQ(loop.AddressOrder(outside), 1);
        EXPECT_EQ(loop.AddressAtPosition(outside), 1);
    }
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));
    // An address given to an empty standalone slot is not kept.
    loop.DeviceStandaloneTypeAndAddress(10, 6, 0, 9);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 6), 0);

    // Base addresses are 16-bit.
    for (const auto& [value, stored] : {std::pair{32767, true}, {-32768, true}, {32768, false}, {-32769, false}}) {
        ASSERT_TRUE(loop.SetDeviceBaseAddr(5, 7));
        EXPECT_EQ(loop.SetDeviceBaseAddr(5, value), stored) << value;
        EXPECT_EQ(loop.DeviceBaseAddr(5), stored ? value : 7) << value;
    }
}

// A device's location goes with the device, a standalone device's with its
// slot; Copy and ClearData treat them as they treat the distances.
TEST_F(LoopModel, ALocationLivesWithItsDevice)
{
    loop.SetDeviceType(4, detector);
    loop.SetLocation(4, "Room 1.12");
    loop.SetStandaloneLocation(4, 2, "nowhere");  // an empty slot keeps nothing
    loop.SetDeviceStandalone(4, 2, standalone);
    loop.SetStandaloneLocation(4, 2, "Stair B");
    loop.SetDeviceStandaloneAddress(4, 2, 9);  // the slot keeps its location
    loop.SetLocation(7, "an empty address");
    const clsCalculator copy = loop.Copy();
    EXPECT_EQ(std::make_tuple(copy.Location(4), copy.StandaloneLocation(4, 2), copy.Location(7)),
              std::make_tuple("Room 1.12", "Stair B", "an empty address"));
    loop.SetDeviceType(4, 0);
    loop.SetDeviceType(4, detector);
    loop.SetDeviceStandalone(4, 2, 0);
    loop.SetDeviceStandalone(4, 2, standalone);
    EXPECT_EQ(std::make_tuple(loop.Location(4), loop.StandaloneLocation(4, 2), loop.Location(256)),
              std::make_tuple("", "", ""));
    loop.ClearData();
    EXPECT_EQ(loop.Location(7), "");
}

}  // namespace
