// Calculate against reference values worked out by hand from the loop model:
// devices spread evenly along the cable, the whole alarm current from one end.

#include "loop/clsCalculator.h"
#include "support/CurrencyPrinter.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

Currency Volts(int64_t tenths) { return Currency::FromScaled(tenths * 1000); }
Currency Microamps(int64_t value) { return Currency::FromInteger(value); }

// The worked loop: 1000 m of 12.10 ohm/km cable, 9 devices drawing 100 mA in
// alarm together, a 24 V panel and devices needing 22 V, so 2.0 V may be lost.
struct WorkedLoop : ::testing::Test {
    TestCatalogue catalogue;
    int16_t heat =
        catalogue.AddDeviceType({.Name = "Heat", .Quiescent = 100, .Alarm = 12500, .MinimumVoltage = 2200});
    int16_t smoke =
        catalogue.AddDeviceType({.Name = "Smoke", .Quiescent = 100, .Alarm = 10000, .MinimumVoltage = 2100});
    clsCalculator loop{catalogue};

    void SetUp() override
    {
        loop.ClearData();
        for (int a = 1; a <= 9; ++a)
            loop.SetDeviceType(a, a <= 4 ? heat : smoke);
        loop.SetCableTotal(10000);
        loop.SetCableImpedance(1210);
        SetPanel(500);
    }
    void SetPanel(int16_t loopCurrent, int16_t voltage = 2400, int16_t driverImpedance = 0)
    {
        loop.SetPanelData(256, 256, 256, voltage, loopCurrent, driverImpedance);
    }
    void Calculate(int32_t calcType, bool useSlider = false, int16_t percent = 0)
    {
        loop.SetCalcType(calcType);
        loop.Calculate(useSlider, percent, false);
    }
};

TEST_F(WorkedLoop, VoltDropOfTheGivenCable)
{
    Calculate(0);
    EXPECT_EQ(loop.QtyDevices(), 9);
    EXPECT_EQ(loop.QuiescentCurrentTotal(), Microamps(900));
    EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(100000));
    EXPECT_EQ(loop.MaxVoltDrop(), Volts(20));
    EXPECT_EQ(loop.VoltDrop(), Volts(13));  // 13.44 tenths
    EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::Satisfactory);
    EXPECT_EQ(loop.PanelLimitText(), "");

    SetPanel(500, 2400, 200);  // 2 ohms in the panel carry the whole current
    Calculate(0);
    EXPECT_EQ(loop.VoltDrop(), Volts(15));  // 15.44 tenths
    Calculate(1);
    EXPECT_EQ(loop.CableTotal(), 13388);

    SetPanel(500);
    loop.SetCableImpedance(30000);  // 33.3 V lost: never more than the panel's 24 V
    Calculate(0);
    EXPECT_EQ(loop.VoltDrop(), Volts(240));
    Calculate(3);  // no such calculation type
    EXPECT_TRUE(loop.VoltDrop().IsZero());
}

TEST_F(WorkedLoop, MaximumCableRunBySliderPosition)
{
    const struct {
        int16_t impedance;
        bool useSlider;
        int16_t percent;
        int32_t firstIn, total, first;
        int64_t voltDrop;
    } cases[] = {
        {1210, false, 0, 0, 14876, 0, 20},  // the first run as entered
        {1210, false, 0, 1000, 14076, 1000, 20},
        {1210, true, 0, 1000, 14876, 0, 20},  // slider at 0 %: plain even distribution
        {1210, true, 50, 0, 10626, 5313, 20},
        {1210, true, 100, 0, 8264, 8264, 20},  // all devices at the end of the cable
        {0, false, 0, 0, 30000, 0, 0},  // no resistance: the longest run calculated
        {0, true, 40, 0, 30000, 12000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.impedance << " " << c.useSlider << " " << c.percent << " " << c.firstIn);
        loop.SetCableImpedance(c.impedance);
        loop.SetCableFirst(c.firstIn);
        Calculate(1, c.useSlider, c.percent);
        EXPECT_EQ(loop.CableTotal(), c.total);
        EXPECT_EQ(loop.CableFirst(), c.first);
        EXPECT_EQ(loop.VoltDrop(), Volts(c.voltDrop));  // the longest run just passes
        EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::Satisfactory);
    }
}

// With isolators' series resistance and a first run, the longest run is
// still the one whose volt drop is just the permissible one.
TEST_F(WorkedLoop, MaximumCableRunWithSeriesResistanceAndAFirstRun)
{
    loop.SetDeviceType(10, catalogue.AddDeviceType({.Name = "Isolator", .Resistance = 300, .MinimumVoltage = 2200}));
    for (const int32_t first : {0, 1000, 4000}) {
        loop.SetCableFirst(first);
        Calculate(1);
        const int32_t longest = loop.CableTotal();
        EXPECT_GT(longest, first) << first;
        EXPECT_EQ(loop.VoltDrop(), Volts(20)) << first;
        loop.SetCableTotal(longest + longest / 10);  // a tenth longer loses too much
        Calculate(0);
        EXPECT_GT(loop.VoltDrop(), Volts(20)) << first;
    }
}

TEST_F(WorkedLoop, StandaloneDevicesAtDevicesSpreadTheCurrent)
{
    const int16_t callPoint = catalogue.AddOtherDevice({.Name = "Call Point", .IsStandalone = true});
    loop.SetDeviceStandalone(50, 2, callPoint);  // at a free address: not counted
    Calculate(1);
    EXPECT_EQ(loop.CableTotal(), 14876);
    loop.SetDeviceStandalone(1, 2, callPoint);  // ten points share the cable now
    Calculate(1);
    EXPECT_EQ(loop.CableTotal(), 15026);
}

// 30 ohms of isolators: with the slider at 100 % the whole 30 ohms carries the
// full current, more than the 20 ohms 2.0 V allows; with a 100 m first run
// the volt-drop equation has no root. The loop passes with no cable.
TEST_F(WorkedLoop, NoValidCableLength)
{
    const int16_t isolator = catalogue.AddDeviceType(
        {.Name = "Isolator", .Alarm = 12500, .Resistance = 750, .MinimumVoltage = 2200});
    for (int a = 1; a <= 4; ++a)
        loop.SetDeviceType(a, isolator);
    for (const auto& [useSlider, percent, first] : {std::tuple{true, 100, 0}, std::tuple{false, 0, 1000}}) {
        loop.SetCableTotal(10000);
        loop.SetCableFirst(first);
        Calculate(1, useSlider, static_cast<int16_t>(percent));
        EXPECT_EQ(loop.CableTotal(), 0) << percent;
        EXPECT_EQ(loop.VoltDrop(), Volts(17)) << percent;
        EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::NoValidCableLength) << percent;
    }
}

TEST_F(WorkedLoop, SmallestCableIsTheFirstThatPasses)
{
    const struct {
        const char* name;
        int16_t voltage;            // panel minimum loop voltage
        std::vector<bool> enabled;  // of 3000, 2000, 1800, 1210 and 800
        int16_t impedance;
        int64_t voltDrop;
    } cases[] = {
        {"first passing cable: exactly 2.0 V", 2400, {true, true, true, true, true}, 1800, 20},
        {"passing cable disabled", 2400, {true, true, false, true, true}, 1210, 13},
        {"two passing cables disabled", 2400, {true, true, false, false, true}, 800, 9},
        {"none passes: last enabled", 2250, {true, true, true, true, true}, 800, 9},
        {"none passes: last enabled is not the last", 2250, {true, true, true, true, false}, 1210, 13},
        {"none enabled: unchanged", 2400, {false, false, false, false, false}, 999, 11},
    };
    for (const auto& c : cases) {
        catalogue.Cables.clear();
        const int16_t impedances[] = {3000, 2000, 1800, 1210, 800};
        for (size_t i = 0; i < 5; ++i)
            catalogue.AddCable("Cable", impedances[i], c.enabled[i]);
        SetPanel(500, c.voltage);
        loop.SetCableImpedance(999);
        Calculate(0);  // leaves the volt drop of 999: 11 tenths
        Calculate(2);
        EXPECT_EQ(loop.CableImpedance(), c.impedance) << c.name;
        EXPECT_EQ(loop.VoltDrop(), Volts(c.voltDrop)) << c.name;
    }
}

TEST_F(WorkedLoop, VerdictOrder)
{
    const struct {
        const char* name;
        int16_t loopCurrent;  // mA
        int32_t total, first;
        int16_t impedance;
        int32_t code;
    } cases[] = {
        {"both totals too high: quiescent first", 0, 10000, 0, 1210, LoopDesignCode::QuiescentTooHigh},
        {"alarm current too high", 50, 10000, 0, 1210, LoopDesignCode::AlarmCurrentTooHigh},
        {"alarm current at the limit", 100, 10000, 0, 1210, LoopDesignCode::Satisfactory},
        {"volt drop too high", 500, 10000, 0, 2000, LoopDesignCode::VoltDropTooHigh},
        {"first run too long", 500, 1000, 2000, 1210, LoopDesignCode::FirstCableRunTooLong},
        {"first run too long, volt drop first", 500, 10000, 20000, 1210, LoopDesignCode::VoltDropTooHigh},
        {"first run too long, alarm current first", 50, 1000, 2000, 1210, LoopDesignCode::AlarmCurrentTooHigh},
    };
    for (const auto& c : cases) {
        SetPanel(c.loopCurrent);
        loop.SetCableTotal(c.total);
        loop.SetCableFirst(c.first);
        loop.SetCableImpedance(c.impedance);
        Calculate(0);
        EXPECT_EQ(loop.LoopDesign(), c.code) << c.name;
    }
}

TEST_F(WorkedLoop, EmptyLoopTakesTheLongestCable)
{
    loop.ClearData();
    Calculate(1, true, 40);
    EXPECT_EQ(loop.QtyDevices(), 0);
    EXPECT_TRUE(loop.QuiescentCurrentTotal().IsZero());
    EXPECT_TRUE(loop.AlarmCurrentTotal().IsZero());
    EXPECT_EQ(loop.CableTotal(), 30000);
    EXPECT_EQ(loop.CableFirst(), 12000);
    EXPECT_TRUE(loop.VoltDrop().IsZero());
    EXPECT_EQ(loop.MaxVoltDrop(), Volts(240));
    EXPECT_EQ(loop.LoopDesign(), LoopDesignCode::Satisfactory);
}

TEST_F(WorkedLoop, SliderFirstRunRoundsHalvesToEven)
{
    // One device of 100 mA: the factor is 1 whatever the slider, so the run is
    // 2000 hundredths of an ohm over the cable's resistance per decimetre.
    loop.ClearData();
    loop.SetDeviceType(3, catalogue.AddDeviceType({.Name = "Sounder", .Alarm = 100000, .MinimumVoltage = 2200}));
    const struct {
        int16_t impedance;
        int32_t total, first;
    } cases[] = {{8097, 1235, 618}, {8110, 1233, 616}};  // 617.5 and 616.5
    for (const auto& c : cases) {
        loop.SetCableImpedance(c.impedance);
        Calculate(1, true, 50);
        EXPECT_EQ(loop.CableTotal(), c.total) << c.impedance;
        EXPECT_EQ(loop.CableFirst(), c.first) << c.impedance;
    }
}

// Alarm LEDs and outputs beyond the panel's limits: the largest stay on.
struct LimitedLoop : ::testing::Test {
    TestCatalogue catalogue;
    int16_t led = catalogue.AddOutputBit(1);
    int16_t output = catalogue.AddOutputBit(2);
    int16_t remote = catalogue.AddOutputBit(3);
    clsCalculator loop{catalogue};

    void SetUp() override
    {
        loop.ClearData();
        int address = 1;
        // 30 LED devices of 5 mA alarm current with LEDs of 1, 2 and 3 mA.
        for (const int32_t ledCurrent : {1000, 2000, 3000}) {
            const int16_t type = catalogue.AddDeviceType(
                {.Name = "LED " + std::to_string(ledCurrent), .Alarm = 5000, .Outputs = {{led, ledCurrent}}});
            for (int i = 0; i < 10; ++i)
                loop.SetDeviceType(address++, type);
        }
        // Four output devices of 4 mA, two with 2.5 mA outputs and two with 1.5 mA.
        for (const int32_t outputCurrent : {2500, 1500}) {
            const int16_t type = catalogue.AddDeviceType({.Name = "Output " + std::to_string(outputCurrent),
                                                          .Alarm = 4000,
                                                          .Outputs = {{remote, 0}, {output, outputCurrent}}});
            loop.SetDeviceType(address++, type);
            loop.SetDeviceType(address++, type);
        }
    }
    void Calculate(int32_t panelLeds, int32_t panelRemoteLeds, int32_t panelOutputs)
    {
        loop.SetPanelData(panelLeds, panelRemoteLeds, panelOutputs, 2400, 500, 0);
        loop.Calculate(false, 0, false);
    }
};

TEST_F(LimitedLoop, PanelLimitsDropTheSmallestLedsAndOutputs)
{
    const struct {
        int32_t panelLeds, panelOutputs, maxOutput;
        int64_t alarmDevices;
        const char* text;
    } cases[] = {
        {30, 10, 10, 166000, ""},  // at the limits: nothing dropped
        {20, 10, 10, 156000, "with panel-limited LEDs"},  // ten 1 mA LEDs off
        {0, 10, 10, 106000, "with panel-limited LEDs"},
        {256, 10, 0, 158000, "with panel-limited outputs"},  // MaxOutput 0: every output off
        {256, 3, 10, 164500, "with panel-limited outputs"},  // the panel's 3 outputs
        {20, 10, 2, 153000, "with panel-limited LEDs and outputs"},
    };
    for (const auto& c : cases) {
        loop.SetMaxOutput(c.maxOutput);
        Calculate(c.panelLeds, 256, c.panelOutputs);
        EXPECT_EQ(loop.AlarmCurrentDevices(), Microamps(c.alarmDevices)) << c.text;
        EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(c.alarmDevices)) << c.text;
        EXPECT_EQ(loop.PanelLimitText(), c.text);
    }
}

// With interface LEDs disabled, devices with an LED-disabled current light
// no LED, so the panel's LED limit counts only the LEDs still lit.
TEST_F(LimitedLoop, DisabledInterfaceLedsAreNotLimitedTwice)
{
    // Ten 6 mA detectors drawing 5 mA with their 1 mA LED disabled.
    const int16_t dimmable = catalogue.AddDeviceType(
        {.Name = "Dimmable", .Alarm = 6000, .AlarmLedDisabled = 5000, .Outputs = {{led, 1000}}});
    for (int a = 100; a < 110; ++a)
        loop.SetDeviceType(a, dimmable);
    loop.SetMaxOutput(10);
    const struct {
        bool ledsDisabled;
        int32_t panelLeds;
        int64_t alarmDevices;
        const char* text;
    } cases[] = {
        {false, 40, 226000, ""},  // 30 LEDs of the plain devices and 10 of the dimmable ones
        {false, 30, 216000, "with panel-limited LEDs"},  // ten 1 mA LEDs off
        {true, 30, 216000, ""},  // the dimmable LEDs are off: only the 30 others count
        {true, 20, 206000, "with panel-limited LEDs"},  // the plain 1 mA LEDs off
    };
    for (const auto& c : cases) {
        loop.SetDINLEDsDisabled(c.ledsDisabled);
        Calculate(c.panelLeds, 256, 10);
        EXPECT_EQ(loop.AlarmCurrentDevices(), Microamps(c.alarmDevices)) << c.ledsDisabled << " " << c.panelLeds;
        EXPECT_EQ(loop.PanelLimitText(), c.text) << c.ledsDisabled << " " << c.panelLeds;
    }

    // Only dimmable devices, more than the panel's limit: exactly their
    // LED-disabled sum, and no limit.
    loop.ClearData();
    for (int a = 1; a <= 25; ++a)
        loop.SetDeviceType(a, dimmable);
    loop.SetDINLEDsDisabled(true);
    Calculate(5, 256, 10);
    EXPECT_EQ(loop.AlarmCurrentDevices(), Microamps(125000));
    EXPECT_EQ(loop.PanelLimitText(), "");
}

TEST_F(LimitedLoop, RemoteLedsOnDevicesAreLimitedToo)
{
    const int16_t remoteLed = catalogue.AddOtherDevice(
        {.Name = "Remote LED", .Quiescent = 10, .Alarm = 2000, .FromRemote = true, .FromRemote2 = true});
    const int16_t dimLed = catalogue.AddOtherDevice(
        {.Name = "Dim Remote LED", .Quiescent = 10, .Alarm = 500, .FromRemote = true, .FromRemote2 = true});
    loop.SetDeviceOtherType(31, remoteLed);
    loop.SetDeviceOtherType(32, remoteLed);
    loop.SetDeviceOtherBaseType(33, remoteLed);
    loop.SetDeviceOtherType(34, dimLed);
    loop.SetDeviceOtherType(40, remoteLed);  // no device: neither lit nor counted
    // Driven from the remote output but no LED: never limited.
    const int16_t remoteSounder =
        catalogue.AddOtherDevice({.Name = "Remote Sounder", .Alarm = 7000, .FromRemote = true});
    loop.SetDeviceOtherType(30, remoteSounder);
    loop.SetMaxOutput(10);

    Calculate(256, 4, 10);
    EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(166000 + 6500 + 7000));
    EXPECT_EQ(loop.QuiescentCurrentTotal(), Microamps(50));
    EXPECT_EQ(loop.PanelLimitText(), "");

    Calculate(256, 2, 10);  // the 0.5 mA and one 2 mA LED go out
    EXPECT_EQ(loop.AlarmCurrentDevices(), Microamps(166000));
    EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(166000 + 4000 + 7000));
    EXPECT_EQ(loop.PanelLimitText(), "with panel-limited LEDs");

    // An LED current larger than the device's whole alarm current: never below 0.
    loop.ClearData();
    loop.SetDeviceType(1, catalogue.AddDeviceType({.Name = "Odd", .Alarm = 100, .Outputs = {{led, 5000}}}));
    Calculate(0, 256, 256);
    EXPECT_TRUE(loop.AlarmCurrentDevices().IsZero());
    EXPECT_EQ(loop.PanelLimitText(), "with panel-limited LEDs");
}

TEST(Calculate, OtherAndStandaloneDevicesAddTheirCurrents)
{
    TestCatalogue catalogue;
    const int16_t detector = catalogue.AddDeviceType(
        {.Name = "Detector", .Quiescent = 200, .Alarm = 3000, .AlarmLedDisabled = 700, .MinimumVoltage = 1700});
    const int16_t remoteSounder = catalogue.AddOtherDevice(
        {.Name = "Remote Sounder", .Quiescent = 300, .Alarm = 7000, .MinVolts = 1800, .FromRemote = true});
    const int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Quiescent = 40, .Alarm = 900});
    const int16_t callPoint = catalogue.AddOtherDevice(
        {.Name = "Call Point", .Quiescent = 25, .Alarm = 80, .MinVolts = 2300, .IsStandalone = true});
    clsCalculator loop(catalogue);
    loop.SetPanelData(256, 256, 256, 2400, 500, 0);

    const struct {
        const char* name;
        int address;  // where the Other Device goes
        int16_t other;
        bool base;  // as a base Other Device
        bool ledsDisabled;
        int64_t quiescent, alarm;
        int64_t maxVoltDrop;  // tenths
    } cases[] = {
        {"device alone", 0, 0, false, false, 200, 3000, 70},
        {"device alone, LEDs disabled", 0, 0, false, true, 200, 700, 70},
        {"remote sounder on the device", 1, remoteSounder, false, false, 500, 10000, 60},
        {"remote sounder as a base", 1, remoteSounder, true, false, 500, 10000, 60},
        {"remote sounder without a device", 2, remoteSounder, false, false, 500, 3000, 60},
        {"beacon without a device", 2, beacon, false, false, 240, 3900, 70},
        // A standalone device always draws its alarm current and needs no
        // voltage of its own in the calculation.
        {"standalone call point", -1, callPoint, false, false, 225, 3080, 70},
    };
    for (const auto& c : cases) {
        loop.ClearData();
        loop.SetDeviceType(1, detector);
        loop.SetDINLEDsDisabled(c.ledsDisabled);
        if (c.address < 0)
            loop.DeviceStandaloneTypeAndAddress(1, 2, c.other, 1);
        else if (c.base)
            loop.SetDeviceOtherBaseType(c.address, c.other);
        else
            loop.SetDeviceOtherType(c.address, c.other);
        loop.Calculate(false, 0, false);
        EXPECT_EQ(loop.QuiescentCurrentTotal(), Microamps(c.quiescent)) << c.name;
        EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(c.alarm)) << c.name;
        EXPECT_EQ(loop.MaxVoltDrop(), Volts(c.maxVoltDrop)) << c.name;
    }
}

}  // namespace
