// Calculate against reference values worked out by hand from the loop model:
// devices spread evenly along the cable, the whole alarm current from one end.

#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

Currency Volts(int64_t tenths) { return Currency::FromScaled(tenths * 1000); }
Currency Microamps(int64_t value) { return Currency::FromInteger(value); }

constexpr int64_t Any = -1;  // not checked in this row

enum class Devices { Worked, Isolators, OneSounder, CallPoint, None };

// The worked loop: 1000 m of 12.10 ohm/km cable, 9 devices drawing 100 mA in
// alarm together, a 24 V panel and devices needing 22 V, so 2.0 V may be lost.
struct Reference {
    const char* name;
    Devices devices = Devices::Worked;
    int32_t calcType = 0;
    bool useSlider = false;
    int16_t percent = 0;
    int16_t voltage = 2400, loopCurrent = 500, driverImpedance = 0;
    const char* cables = "";  // enabled flags of 3000, 2000, 1800, 1210 and 800
    int16_t impedance = 1210;
    int32_t total = 10000, first = 0;
    int64_t wantImpedance = Any, wantTotal = Any, wantFirst = Any, voltDrop = Any, maxVoltDrop = 20, code = Any;
};

constexpr int64_t Code(LoopDesignCode code) { return static_cast<int64_t>(code); }
constexpr int64_t Pass = Code(LoopDesignCode::Satisfactory);

const Reference references[] = {
    {.name = "volt drop of the given cable: 13.44 tenths", .wantTotal = 10000, .voltDrop = 13, .code = Pass},
    {.name = "2 ohms in the panel carry the whole current", .driverImpedance = 200, .voltDrop = 15},
    {.name = "longest run with the panel's ohms", .calcType = 1, .driverImpedance = 200, .wantTotal = 13388},
    {.name = "never more than the panel's 24 V", .impedance = 30000, .voltDrop = 240,
     .code = Code(LoopDesignCode::VoltDropTooHigh)},
    // The longest run just passes, by slider position and first run.
    {.name = "first run as entered", .calcType = 1, .wantTotal = 14876, .wantFirst = 0, .voltDrop = 20, .code = Pass},
    {.name = "with a first run", .calcType = 1, .first = 1000, .wantTotal = 14076, .wantFirst = 1000, .voltDrop = 20},
    {.name = "slider at 50 %", .calcType = 1, .useSlider = true, .percent = 50, .wantTotal = 10626,
     .wantFirst = 5313, .voltDrop = 20},
    {.name = "slider at 100 %: all at the end", .calcType = 1, .useSlider = true, .percent = 100, .wantTotal = 8264,
     .wantFirst = 8264, .voltDrop = 20},
    {.name = "no resistance: the longest run", .calcType = 1, .impedance = 0, .wantTotal = 30000, .wantFirst = 0,
     .voltDrop = 0},
    {.name = "a standalone device at a device shares the cable", .devices = Devices::CallPoint, .calcType = 1,
     .wantTotal = 15026},
    // 30 ohms of isolators: at 100 % they carry the full current, more than
    // 2.0 V allows; with a first run the volt-drop equation has no root.
    {.name = "no valid cable, slider", .devices = Devices::Isolators, .calcType = 1, .useSlider = true,
     .percent = 100, .wantTotal = 0, .voltDrop = 17, .code = Code(LoopDesignCode::NoValidCableLength)},
    {.name = "no valid cable, first run", .devices = Devices::Isolators, .calcType = 1, .first = 1000,
     .wantTotal = 0, .voltDrop = 17, .code = Code(LoopDesignCode::NoValidCableLength)},
    {.name = "empty loop: the longest cable", .devices = Devices::None, .calcType = 1, .useSlider = true,
     .percent = 40, .wantTotal = 30000, .wantFirst = 12000, .voltDrop = 0, .maxVoltDrop = 240, .code = Pass},
    // One 100 mA device: the slider's first run rounds halves to even.
    {.name = "617.5", .devices = Devices::OneSounder, .calcType = 1, .useSlider = true, .percent = 50,
     .impedance = 8097, .wantTotal = 1235, .wantFirst = 618},
    {.name = "616.5", .devices = Devices::OneSounder, .calcType = 1, .useSlider = true, .percent = 50,
     .impedance = 8110, .wantTotal = 1233, .wantFirst = 616},
    // The smallest cable is the first enabled one that passes.
    {.name = "exactly 2.0 V", .calcType = 2, .cables = "11111", .impedance = 999, .wantImpedance = 1800,
     .voltDrop = 20},
    {.name = "passing cable disabled", .calcType = 2, .cables = "11011", .impedance = 999, .wantImpedance = 1210,
     .voltDrop = 13},
    {.name = "none passes: last enabled", .calcType = 2, .voltage = 2250, .cables = "11111", .impedance = 999,
     .wantImpedance = 800, .voltDrop = 9, .maxVoltDrop = 5},
    {.name = "none enabled: unchanged", .calcType = 2, .cables = "00000", .impedance = 999, .wantImpedance = 999,
     .voltDrop = 11},
    // The verdicts in their order.
    {.name = "both totals too high: quiescent first", .loopCurrent = 0, .code = Code(LoopDesignCode::QuiescentTooHigh)},
    {.name = "alarm current too high", .loopCurrent = 50, .code = Code(LoopDesignCode::AlarmCurrentTooHigh)},
    {.name = "alarm current at the limit", .loopCurrent = 100, .code = Pass},
    {.name = "volt drop too high", .impedance = 2000, .code = Code(LoopDesignCode::VoltDropTooHigh)},
    {.name = "first run too long", .total = 1000, .first = 2000, .code = Code(LoopDesignCode::FirstCableRunTooLong)},
    {.name = "first run too long, volt drop first", .first = 20000, .code = Code(LoopDesignCode::VoltDropTooHigh)},
};

TEST(Calculate, ReferenceValues)
{
    TestCatalogue catalogue;
    const int16_t heat =
        catalogue.AddDeviceType({.Name = "Heat", .Quiescent = 100, .Alarm = 12500, .MinimumVoltage = 2200});
    const int16_t smoke =
        catalogue.AddDeviceType({.Name = "Smoke", .Quiescent = 100, .Alarm = 10000, .MinimumVoltage = 2100});
    const int16_t isolator = catalogue.AddDeviceType(
        {.Name = "Isolator", .Alarm = 12500, .Resistance = 750, .MinimumVoltage = 2200});
    const int16_t sounder =
        catalogue.AddDeviceType({.Name = "Sounder", .Alarm = 100000, .MinimumVoltage = 2200});
    const int16_t callPoint = catalogue.AddOtherDevice({.Name = "Call Point", .IsStandalone = true});
    clsCalculator loop(catalogue);
    for (const Reference& r : references) {
        SCOPED_TRACE(r.name);
        catalogue.Cables.clear();
        for (size_t i = 0; r.cables[i] != '\0'; ++i)
            catalogue.AddCable("Cable", std::array<int16_t, 5>{3000, 2000, 1800, 1210, 800}[i], r.cables[i] == '1');
        loop.ClearData();
        if (r.devices == Devices::OneSounder)
            loop.SetDeviceType(3, sounder);
        for (int a = 1; a <= 9 && r.devices != Devices::None && r.devices != Devices::OneSounder; ++a)
            loop.SetDeviceType(a, a > 4 ? smoke : r.devices == Devices::Isolators ? isolator : heat);
        if (r.devices == Devices::CallPoint) {
            loop.SetDeviceStandalone(50, 2, callPoint);  // at a free address: not counted
            loop.SetDeviceStandalone(1, 2, callPoint);
        }
        loop.SetCableImpedance(r.impedance);
        loop.SetCableTotal(r.total);
        loop.SetCableFirst(r.first);
        loop.SetPanelData(256, 256, 256, r.voltage, r.loopCurrent, r.driverImpedance);
        loop.SetCalcType(CalculationType::MaxVoltDrop);
        loop.Calculate(false, 0, false);  // the volt drop as given, which no cable found keeps
        loop.SetCalcType(static_cast<CalculationType>(r.calcType));
        loop.Calculate(r.useSlider, r.percent, false);
        const auto expect = [](int64_t want, int64_t got, const char* what) {
            if (want != Any) {
                EXPECT_EQ(got, want) << what;
            }
        };
        expect(r.wantImpedance, loop.CableImpedance(), "impedance");
        expect(r.wantTotal, loop.CableTotal(), "total");
        expect(r.wantFirst, loop.CableFirst(), "first");
        expect(r.voltDrop == Any ? Any : Volts(r.voltDrop).Scaled(), loop.VoltDrop().Scaled(), "volt drop");
        expect(r.code, Code(loop.LoopDesign()), "verdict");
        EXPECT_EQ(loop.MaxVoltDrop(), Volts(r.maxVoltDrop));
    }
}

// Alarm LEDs and outputs beyond the panel's limits: the largest stay on.
TEST(Calculate, PanelLimitsDropTheSmallestLedsAndOutputs)
{
    TestCatalogue catalogue;
    const int16_t led = catalogue.AddOutputBit(1), output = catalogue.AddOutputBit(2);
    const int16_t remote = catalogue.AddOutputBit(3);  // outputs beside it are not LEDs
    clsCalculator loop(catalogue);
    loop.ClearData();
    int address = 1;
    // 30 LED devices of 5 mA alarm current with LEDs of 1, 2 and 3 mA.
    for (const int32_t ledCurrent : {1000, 2000, 3000}) {
        const int16_t type = catalogue.AddDeviceType({.Name = "LED", .Alarm = 5000, .Outputs = {{led, ledCurrent}}});
        for (int i = 0; i < 10; ++i)
            loop.SetDeviceType(address++, type);
    }
    // Four output devices of 4 mA, two with 2.5 mA outputs and two with 1.5 mA.
    for (const int32_t outputCurrent : {2500, 1500}) {
        const int16_t type = catalogue.AddDeviceType(
            {.Name = "Output", .Alarm = 4000, .Outputs = {{remote, 0}, {output, outputCurrent}}});
        loop.SetDeviceType(address++, type);
        loop.SetDeviceType(address++, type);
    }
    // Ten 6 mA detectors drawing 5 mA with their 1 mA LED disabled.
    const int16_t dimmable = catalogue.AddDeviceType(
        {.Name = "Dimmable", .Alarm = 6000, .AlarmLedDisabled = 5000, .Outputs = {{led, 1000}}});
    const struct {
        bool dimmables;  // ten of them, with interface LEDs disabled
        int32_t panelLeds, panelOutputs, maxOutput;
        int64_t alarmDevices;
        const char* text;
    } cases[] = {
        {false, 30, 10, 10, 166000, ""},  // at the limits: nothing dropped
        {false, 20, 10, 10, 156000, "with panel-limited LEDs"},  // ten 1 mA LEDs off
        {false, 256, 10, 0, 158000, "with panel-limited outputs"},  // MaxOutput 0: every output off
        {false, 256, 3, 10, 164500, "with panel-limited outputs"},  // the panel's 3 outputs
        {false, 20, 10, 2, 153000, "with panel-limited LEDs and outputs"},
        // Disabled interface LEDs are off already: only the others are limited.
        {true, 30, 10, 10, 216000, ""},
        {true, 20, 10, 10, 206000, "with panel-limited LEDs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dimmables << " " << c.panelLeds << " " << c.maxOutput);
        for (int a = 100; a < 110; ++a)
            loop.SetDeviceType(a, c.dimmables ? dimmable : 0);
        loop.SetDINLEDsDisabled(c.dimmables);
        loop.SetMaxOutput(c.maxOutput);
        loop.SetPanelData(c.panelLeds, 256, c.panelOutputs, 2400, 500, 0);
        loop.Calculate(false, 0, false);
        EXPECT_EQ(loop.AlarmCurrentDevices(), Microamps(c.alarmDevices));
        EXPECT_EQ(loop.AlarmCurrentTotal(), Microamps(c.alarmDevices));
        EXPECT_EQ(loop.PanelLimitText(), c.text);
    }
}

}  // namespace
