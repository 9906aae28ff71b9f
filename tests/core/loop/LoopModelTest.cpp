// What the randomized test of the loop model cannot see: the edges of the
// loop, what ClearData keeps, the counts per context and a first Copy.

#include "loop/clsCalculator.h"
#include "support/LoopRecount.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct ModelCatalogue : TestCatalogue {
    int16_t typeA = AddDeviceType({.Name = "Type A", .Quiescent = 300, .Alarm = 5000, .AlarmLedDisabled = 1000});
    int16_t slaveBase = AddDeviceType({.Name = "Isolating Slave Base", .Quiescent = 200, .Alarm = 700,
                                       .Resistance = 7, .NoOtherDevices = true, .IsSlave = true});
    int16_t beacon = AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 900, .Impedance = 20});
    int16_t baseOther = AddOtherDevice({.Name = "Relay Base", .Impedance = 5, .IsBase = true});
    int16_t standalone = AddOtherDevice({.Name = "Call Point", .Quiescent = 40, .Alarm = 60, .IsStandalone = true});
};

struct LoopModel : ::testing::Test {
    ModelCatalogue catalogue;
    clsCalculator loop{catalogue};
    void SetUp() override { loop.ClearData(); }
};

TEST_F(LoopModel, AddressesOutsideTheLoopAndEmptySlots)
{
    for (const int outside : {-1, 256}) {
        loop.SetDeviceType(outside, catalogue.typeA);
        EXPECT_EQ(loop.DeviceType(outside), 0);
        EXPECT_EQ(loop.AddressOrder(outside), 1);
        EXPECT_EQ(loop.AddressAtPosition(outside), 1);
    }
    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));
    // An address given to an empty standalone slot is not kept; to a filled one it is.
    loop.DeviceStandaloneTypeAndAddress(10, 6, 0, 9);
    EXPECT_EQ(loop.DeviceStandaloneCount(10), 0);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 6), 0);
    loop.SetDeviceStandalone(10, 5, catalogue.standalone);
    loop.SetDeviceStandaloneAddress(10, 5, 12);
    EXPECT_EQ(loop.DeviceStandaloneAddress(10, 5), 12);
}

TEST_F(LoopModel, DeviceBaseAddrRefusesValuesBeyond16Bits)
{
    const struct {
        int32_t value;
        bool stored;
    } cases[] = {{12, true}, {32767, true}, {-32768, true}, {32768, false}, {-32769, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(loop.SetDeviceBaseAddr(5, 7));
        EXPECT_EQ(loop.SetDeviceBaseAddr(5, c.value), c.stored) << c.value;
        EXPECT_EQ(loop.DeviceBaseAddr(5), c.stored ? c.value : 7) << c.value;
    }
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
}

TEST_F(LoopModel, ClearDataEmptiesTheLoopButKeepsCalculationSettings)
{
    const ModelCatalogue& c = catalogue;
    clsCalculator fresh(catalogue);  // never cleared: base addresses 0
    EXPECT_EQ(fresh.DeviceBaseAddr(5), 0);
    EXPECT_EQ(fresh.AddressOrder(5), 5);

    loop.SetDeviceType(1, c.typeA);
    loop.SetDeviceBaseType(2, c.slaveBase);
    loop.SetDeviceBaseAddr(2, 1);
    loop.SetDeviceOtherType(1, c.beacon);
    loop.SetDeviceOtherBaseType(2, c.baseOther);
    loop.DeviceStandaloneTypeAndAddress(3, 4, c.standalone, 1);
    loop.SetAddressOrder(3, 0);
    loop.SetIgnoreIsolators(true);
    loop.SetCableFirst(50);
    loop.SetCableTotal(5000);
    loop.SetCableImpedance(1210);
    loop.SetMaxOutput(4);
    loop.SetDINLEDsDisabled(true);
    loop.SetCalcType(0);
    loop.SetPanelData(20, 10, 10, 2400, 1, 0);
    loop.Calculate(false, 0, false);
    ASSERT_EQ(loop.LoopDesign(), LoopDesignCode::AlarmCurrentTooHigh);  // 1 mA panel
    const Currency quiescentTotal = loop.QuiescentCurrentTotal();

    loop.ClearData();

    EXPECT_EQ(RunningSums(loop), Sums(0, 0, 0, 0, 0, 0));
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        EXPECT_EQ(loop.DeviceType(a) + loop.DeviceOtherType(a) + loop.DeviceOtherBaseType(a) + loop.DeviceBaseType(a) +
                      loop.DeviceStandaloneCount(a), 0);
        EXPECT_EQ(loop.DeviceBaseAddr(a), a);
        EXPECT_EQ(loop.AddressOrder(a), a);
    }
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
