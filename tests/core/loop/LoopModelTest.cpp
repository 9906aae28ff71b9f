#include "loop/clsCalculator.h"
#include "support/LoopRecount.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ModelCatalogue : TestCatalogue {
    int16_t typeA = AddDeviceType({.Name = "Type A", .Quiescent = 300, .Alarm = 5000, .AlarmLedDisabled = 1000});
    int16_t typeB = AddDeviceType({.Name = "Type B", .Quiescent = 450, .Alarm = 2500, .Resistance = 13});
    int16_t isolatingSlaveBase = AddDeviceType({.Name = "Isolating Slave Base", .Quiescent = 200, .Alarm = 700,
                                                .AlarmLedDisabled = 600, .Resistance = 7,
                                                .NoOtherDevices = true, .IsSlave = true});
    int16_t slaveBase = AddDeviceType({.Name = "Slave Base", .Quiescent = 900, .Alarm = 900, .Resistance = 9,
                                       .IsSlave = true});
    int16_t isolatingBase = AddDeviceType({.Name = "Isolating Base", .Quiescent = 800, .Alarm = 800,
                                           .Resistance = 8, .NoOtherDevices = true});

    int16_t beacon = AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 900, .Impedance = 20});
    int16_t baseOther = AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .Alarm = 70, .Impedance = 5,
                                        .IsBase = true});
    int16_t standalone = AddOtherDevice({.Name = "Call Point", .Quiescent = 40, .Alarm = 60, .Impedance = 3,
                                         .IsStandalone = true});
    int16_t standaloneIsolator = AddOtherDevice({.Name = "Line Isolator", .Quiescent = 15, .Alarm = 25,
                                                 .Impedance = 11, .IsStandalone = true});
};

struct LoopModel : ::testing::Test {
    ModelCatalogue catalogue;
    clsCalculator loop{catalogue};
    void SetUp() override { loop.ClearData(); }
};

TEST_F(LoopModel, DeviceTypeSettersKeepTheSums)
{
    const LoopSums empty = Sums(0, 0, 0, 0, 0, 0);
    const LoopSums withA = Sums(300, 5000, 1000, 0, 0, 0);
    // B has no LED-disabled current of its own, so its alarm current counts.
    const LoopSums withB = Sums(450, 2500, 2500, 0, 0, 13);

    loop.SetDeviceType(10, catalogue.typeA);
    EXPECT_EQ(RunningSums(loop), withA);
    loop.SetDeviceType(10, catalogue.typeA);  // the same type again
    EXPECT_EQ(RunningSums(loop), withA);
    loop.SetDeviceType(10, catalogue.typeB);  // each sum moves by B - A
    EXPECT_EQ(RunningSums(loop), withB);
    loop.SetDeviceType(256, catalogue.typeA);  // outside the loop: ignored
    loop.SetDeviceType(-1, catalogue.typeA);
    EXPECT_EQ(RunningSums(loop), withB);
    EXPECT_EQ(loop.DeviceType(256), 0);
    EXPECT_EQ(loop.DeviceType(-1), 0);
    loop.SetDeviceType(10, 0);
    EXPECT_EQ(RunningSums(loop), empty);
}

TEST_F(LoopModel, OnlyBasesThatIsolateAndAreSlavesDrawCurrent)
{
    const struct {
        const char* name;
        int16_t base;
        LoopSums sums;
    } cases[] = {
        {"isolating slave base", catalogue.isolatingSlaveBase, Sums(200, 700, 600, 0, 0, 7)},
        {"slave base", catalogue.slaveBase, Sums(0, 0, 0, 0, 0, 0)},
        {"isolating base", catalogue.isolatingBase, Sums(0, 0, 0, 0, 0, 0)},
        {"ordinary device type", catalogue.typeB, Sums(0, 0, 0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        loop.SetDeviceBaseType(4, c.base);
        EXPECT_EQ(RunningSums(loop), c.sums) << c.name;
        EXPECT_EQ(loop.QtyAddressableSlaveBases(), 1) << c.name;
    }
    // Replacing a counted base by an uncounted one takes the counted one out.
    loop.SetDeviceBaseType(4, catalogue.isolatingSlaveBase);
    loop.SetDeviceBaseType(4, catalogue.slaveBase);
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));
    loop.SetDeviceBaseType(4, 0);
    EXPECT_EQ(loop.QtyAddressableSlaveBases(), 0);
}

TEST_F(LoopModel, StandaloneSlotFilledAndEmptiedLeavesNoTrace)
{
    loop.SetDeviceStandalone(10, 5, catalogue.standalone);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 1);
    EXPECT_EQ(loop.DeviceStandalone(10, 5), catalogue.standalone);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 5), 0);
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 40, 60, 3));

    // Changing only the associated address changes no sum and no count.
    loop.SetDeviceStandaloneAddress(10, 5, 12);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 5), 12);
    EXPECT_EQ(loop.DeviceStandalone(10, 5), catalogue.standalone);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 1);
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 40, 60, 3));

    // A new type in an occupied slot replaces the old one's currents.
    loop.DeviceStandaloneTypeAndAddress(10, 5, catalogue.standaloneIsolator, 13);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 1);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 5), 13);
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 15, 25, 11));

    // The end slots are slots too.
    loop.SetDeviceStandalone(10, 2, catalogue.standalone);
    loop.SetDeviceStandalone(10, 125, catalogue.standalone);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 3);
    loop.SetDeviceStandalone(10, 2, 0);
    loop.SetDeviceStandalone(10, 125, 0);

    loop.SetDeviceStandalone(10, 5, 0);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 0);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 5), 0);
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));

    // An address given to an empty slot is not kept and counts nothing.
    loop.DeviceStandaloneTypeAndAddress(10, 6, 0, 9);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 0);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 6), 0);
}

std::vector<int> FirstPositions(const clsCalculator& loop, int count)
{
    std::vector<int> positions;
    for (int a = 0; a < count; ++a)
        positions.push_back(loop.AddressOrder(a));
    return positions;
}

TEST_F(LoopModel, AddressOrderMovesTheAddressesBetween)
{
    const struct {
        int address, position;
        std::vector<int> positions;  // of addresses 0 to 5 afterwards
    } cases[] = {
        {3, 0, {1, 2, 3, 0, 4, 5}},      // 0, 1 and 2 move one place along
        {0, 3, {3, 0, 1, 2, 4, 5}},      // 1, 2 and 3 move one place back
        {2, 2, {0, 1, 2, 3, 4, 5}},      // already there
        {255, 0, {1, 2, 3, 4, 5, 6}},    // from the far end to the front
        {256, 0, {0, 1, 2, 3, 4, 5}},    // address outside the loop
        {1, 256, {0, 1, 2, 3, 4, 5}},    // position outside the loop
        {-1, 0, {0, 1, 2, 3, 4, 5}},
        {1, -1, {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        loop.ClearData();
        loop.SetAddressOrder(c.address, c.position);
        EXPECT_EQ(FirstPositions(loop, 6), c.positions) << c.address << " to " << c.position;
        for (int p = 0; p < clsCalculator::AddressCount; ++p)
            EXPECT_EQ(loop.AddressOrder(loop.AddressAtPosition(p)), p);
    }
    EXPECT_EQ(loop.AddressOrder(256), 1);
    EXPECT_EQ(loop.AddressOrder(-1), 1);
}

TEST_F(LoopModel, QtyOthersCountsEachContextInItsOwnPlace)
{
    loop.SetDeviceStandalone(1, 2, catalogue.standalone);
    loop.SetDeviceStandalone(1, 3, catalogue.standalone);
    loop.SetDeviceStandalone(9, 125, catalogue.standalone);
    loop.SetDeviceOtherType(5, catalogue.standalone);  // not where a standalone device is counted
    loop.SetDeviceOtherBaseType(2, catalogue.baseOther);
    loop.SetDeviceOtherBaseType(3, catalogue.baseOther);
    loop.SetDeviceOtherType(4, catalogue.baseOther);
    loop.SetDeviceOtherType(6, catalogue.beacon);
    loop.SetDeviceOtherBaseType(7, catalogue.beacon);

    EXPECT_EQ(loop.QtyOthers(catalogue.standalone), 3);
    EXPECT_EQ(loop.QtyOthers(catalogue.baseOther), 2);
    EXPECT_EQ(loop.QtyOthers(catalogue.beacon), 1);
    EXPECT_EQ(loop.QtyOthers(catalogue.standaloneIsolator), 0);
}

TEST_F(LoopModel, DeviceBaseAddrRefusesValuesBeyond16Bits)
{
    const struct {
        int32_t value;
        bool stored;
    } cases[] = {{12, true}, {32767, true}, {-32768, true}, {32768, false}, {-32769, false}, {100000, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(loop.SetDeviceBaseAddr(5, 7));
        EXPECT_EQ(loop.SetDeviceBaseAddr(5, c.value), c.stored) << c.value;
        EXPECT_EQ(loop.DeviceBaseAddr(5), c.stored ? c.value : 7) << c.value;
    }
}

TEST(LoopModelLifecycle, NewLoopHasBaseAddressZeroUntilCleared)
{
    const TestCatalogue catalogue;
    clsCalculator loop(catalogue);
    EXPECT_EQ(loop.DeviceBaseAddr(5), 0);
    EXPECT_EQ(loop.AddressOrder(5), 5);
    loop.ClearData();
    EXPECT_EQ(loop.DeviceBaseAddr(5), 5);
}

TEST_F(LoopModel, ClearDataEmptiesTheLoopButKeepsCalculationSettings)
{
    loop.SetDeviceType(1, catalogue.typeA);
    loop.SetDeviceType(2, catalogue.typeB);
    loop.SetDeviceBaseType(2, catalogue.isolatingSlaveBase);
    loop.SetDeviceBaseAddr(2, 1);
    loop.SetDeviceOtherType(1, catalogue.beacon);
    loop.SetDeviceOtherBaseType(2, catalogue.baseOther);
    loop.DeviceStandaloneTypeAndAddress(3, 4, catalogue.standalone, 1);
    loop.DeviceStandaloneTypeAndAddress(200, 125, catalogue.standaloneIsolator, 0);
    loop.SetAddressOrder(3, 0);
    loop.SetIgnoreIsolators(true);
    loop.SetCableFirst(50);
    loop.SetCableTotal(5000);
    loop.SetCableImpedance(1210);
    loop.SetMaxOutput(4);
    loop.SetDINLEDsDisabled(true);
    loop.SetCalcType(0);
    loop.SetPanelData(20, 10, 10, 2400, 5, 0);
    loop.Calculate(false, 0, false);
    ASSERT_EQ(loop.LoopDesign(), LoopDesignCode::AlarmCurrentTooHigh);  // 5 mA panel
    const Currency quiescentTotal = loop.QuiescentCurrentTotal();

    loop.ClearData();

    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        EXPECT_EQ(loop.DeviceType(a), 0);
        EXPECT_EQ(loop.DeviceOtherType(a), 0);
        EXPECT_EQ(loop.DeviceOtherBaseType(a), 0);
        EXPECT_EQ(loop.DeviceBaseType(a), 0);
        EXPECT_EQ(loop.DeviceBaseAddr(a), a);
        EXPECT_EQ(loop.DeviceStandaloneCount(a), 0);
        EXPECT_EQ(loop.AddressOrder(a), a);
    }
    EXPECT_EQ(loop.DeviceStandalone(3, 4), 0);
    EXPECT_EQ(loop.DeviceStandaloneAddress(3, 4), 0);
    EXPECT_FALSE(loop.IgnoreIsolators());
    EXPECT_EQ(loop.CableFirst(), 0);
    EXPECT_EQ(loop.CableTotal(), 0);
    EXPECT_EQ(loop.MaxOutput(), 0);
    EXPECT_FALSE(loop.DINLEDsDisabled());
    // Kept: the calculation type, the cable impedance and the last results.
    EXPECT_EQ(loop.CableImpedance(), 1210);
    EXPECT_EQ(loop.CalcType(), 0);
    EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::AlarmCurrentTooHigh);
    EXPECT_EQ(loop.QuiescentCurrentTotal(), quiescentTotal);
    EXPECT_EQ(loop.DesignExplanation(),
              "The total alarm current drawn by the devices on the loop is greater than that permitted by the "
              "control panel (5000 \u00B5A).");
}

TEST(LoopModelCopy, NeverCalculatedLoopGivesACopyCalculatedWithDeviceChecks)
{
    TestCatalogue catalogue;
    const int16_t isolator = catalogue.AddDeviceType({.Name = "Isolator", .Surge = 100, .MaxSurge = 1000});
    const int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Surge = 600});
    clsCalculator loop(catalogue);
    loop.ClearData();
    loop.SetDeviceType(1, detector);
    loop.SetDeviceType(2, detector);
    loop.SetDeviceType(3, isolator);
    loop.SetPanelData(20, 10, 10, 2400, 500, 0);

    const clsCalculator copy = loop.Copy();
    EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::Satisfactory);  // the original stays uncalculated
    EXPECT_EQ(copy.QtyDevices(), 3);
    EXPECT_EQ(copy.LoopDesign(), LoopDesignCode::SurgeCurrentTooHigh);
}

}  // namespace
