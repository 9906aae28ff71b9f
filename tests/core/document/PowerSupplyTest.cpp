#include "document/PowerSupply.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

Currency Microamps(double value) { return *Currency::FromDouble(value); }

const std::vector<int32_t> StandardSizes = {120, 210, 320, 700, 1200, 1700, 1800, 2400, 2600, 3800, 4000, 5500, 6500, 7500, 10000};

std::string Optional(const std::optional<int32_t>& value) { return value ? std::to_string(*value) : "-"; }
std::string Optional(const std::optional<bool>& value) { return value ? (*value ? "yes" : "no") : "-"; }

// Every result in one line, currents in µA.
std::string Summary(const PowerResult& r)
{
    return "I1=" + r.StandbyCurrent.ToString() + " I2=" + r.AlarmCurrent.ToString() + " F=" + std::to_string(r.FactorThousandths) +
           " D=" + std::to_string(r.DHundredths) + " C=" + std::to_string(r.Required) + " size=" + Optional(r.StandardBattery) +
           " covers=" + Optional(r.FittedCovers) + " fits=" + Optional(r.FitsPanel) + " charger=" + r.ChargerNeeded.ToString() +
           " ok=" + Optional(r.ChargerOk) + " max=" + (r.MaxStandby ? r.MaxStandby->ToString() : "-");
}

}  // namespace

// Hand-worked figures: C in hundredths of an Ah, currents in µA; the panel,
// loop and ancillary currents add up to I1 and I2.
TEST(PowerSupply, EachRuleAgainstHandWorkedFigures)
{
    const struct {
        const char* what;
        PowerRule rule;
        int32_t t1, t2, f;  // minutes, minutes, thousandths
        double i1, i2;      // µA, on the loops
        std::optional<int32_t> fitted, panelMax, charger;
        const char* expected;
    } rows[] = {
        // I2 = C₁ / 20 h exactly (C₁ = 6 Ah), then a tenth of a µA more: 1.25 × (4.65 + 1.75 × 0.15).
        {"BS, at the switch", PowerRule::BS5839, 1440, 30, 1250, 193750, 300000, {}, {}, {},
         "I1=193750 I2=300000 F=1250 D=100 C=600 size=700 covers=- fits=- charger=427083.3334 ok=- max=-"},
        {"BS, past the switch", PowerRule::BS5839, 1440, 30, 1250, 193750, 300000.1, {}, {}, {},
         "I1=193750 I2=300000.1 F=1250 D=175 C=615 size=700 covers=- fits=- charger=427083.3334 ok=- max=-"},
        // 1.25 × (4.8 + 1.75 × 0.4) = 6.875 Ah; the charger needs 200 + 0.8 × 7000 / 24 mA.
        {"BS, D = 1.75, charger short", PowerRule::BS5839, 1440, 30, 1250, 200000, 800000, {}, 1200, 433,
         "I1=200000 I2=800000 F=1250 D=175 C=688 size=700 covers=- fits=yes charger=433333.3334 ok=no max=-"},
        // 7 = 1.25 × (24 × I1 + 1.75 × 0.8 × 0.5): I1 = 204.1666 mA.
        {"BS, fitted 7 Ah", PowerRule::BS5839, 1440, 30, 1250, 200000, 800000, 700, {}, 434,
         "I1=200000 I2=800000 F=1250 D=175 C=688 size=700 covers=yes fits=- charger=433333.3334 ok=yes max=204166.6666"},
        // 0.3 A ≤ 7 Ah / 20 h: D = 1 at the limit, I1 = (5.6 - 0.15) / 24.
        {"BS, fitted, underated limit", PowerRule::BS5839, 1440, 30, 1250, 200000, 300000, 700, {}, {},
         "I1=200000 I2=300000 F=1250 D=100 C=619 size=700 covers=yes fits=- charger=433333.3334 ok=- max=227083.3333"},
        // 1.25 × (4.8 + 1.75 × 2 × 0.5) = 8.1875 Ah; the alarm load alone needs 2.1875 Ah.
        {"BS, fitted too small", PowerRule::BS5839, 1440, 30, 1250, 200000, 2000000, 120, {}, {},
         "I1=200000 I2=2000000 F=1250 D=175 C=819 size=1200 covers=no fits=- charger=240000 ok=- max=0"},
        // 1.25 × (12 + 2 × 5 / 60) = 15.2083 Ah; the panel holds 12 Ah at most.
        {"NFPA 72 2022", PowerRule::NFPA2022, 1440, 5, 1250, 500000, 2000000, {}, 1200, {},
         "I1=500000 I2=2000000 F=1250 D=100 C=1521 size=1700 covers=- fits=no charger=1066666.6667 ok=- max=-"},
        // 1.20 × 12.1666 = 14.6 Ah; I1 = (17 / 1.2 - 2 / 12) / 24.
        {"NFPA 72 2019", PowerRule::NFPA2019, 1440, 5, 1200, 500000, 2000000, 1700, 1700, {},
         "I1=500000 I2=2000000 F=1200 D=100 C=1460 size=1700 covers=yes fits=yes charger=1066666.6667 ok=- max=583333.3333"},
        // A heavy alarm load is never derated outside BS 5839-1: 1.25 × (12 + 20 × 0.25).
        {"NFPA 72, voice evacuation", PowerRule::NFPA2022, 1440, 15, 1250, 500000, 20000000, {}, {}, {},
         "I1=500000 I2=20000000 F=1250 D=100 C=2125 size=2400 covers=- fits=- charger=1300000 ok=- max=-"},
        // 1.375 × (24 × 0.5 + 0.5 × 1) = 17.1875 Ah, kept to the thousandth.
        {"Custom, three decimals", PowerRule::Custom, 1440, 30, 1375, 500000, 1000000, {}, {}, {},
         "I1=500000 I2=1000000 F=1375 D=100 C=1719 size=1800 covers=- fits=- charger=1100000 ok=- max=-"},
        // 1.25 × (24 × 5 + 0.5 × 6) = 153.75 Ah: beyond every size, checked as it is.
        {"Beyond every size", PowerRule::BS5839, 1440, 30, 1250, 5000000, 6000000, {}, 10000, 10000,
         "I1=5000000 I2=6000000 F=1250 D=100 C=15375 size=- covers=- fits=no charger=10125000 ok=no max=-"},
        // Past every limit of the inputs the capacity saturates; it never wraps negative.
        {"Past every limit", PowerRule::BS5839, 1440, 30, 1250, 4e12, 4e12, {}, {}, {},
         "I1=4000000000000 I2=4000000000000 F=1250 D=100 C=2147483647 size=- covers=- fits=- charger=4715827882333.3334 ok=- max=-"},
        {"Zero loads", PowerRule::BS5839, 1440, 30, 1250, 0, 0, {}, {}, 40,
         "I1=0 I2=0 F=1250 D=100 C=0 size=120 covers=- fits=- charger=40000 ok=yes max=-"},
    };
    for (const auto& row : rows) {
        PowerInputs in;
        in.Rule = row.rule;
        in.StandbyMinutes = row.t1;
        in.AlarmMinutes = row.t2;
        in.FactorThousandths = row.f;
        // A third each from the panel, the loops and the ancillary loads.
        in.PanelStandby = Microamps(row.i1 / 4);
        in.LoopsQuiescent = Microamps(row.i1 / 2);
        in.AncillaryStandby = Microamps(row.i1 / 4);
        in.PanelAlarm = Microamps(row.i2 / 4);
        in.LoopsAlarm = Microamps(row.i2 - row.i2 / 2 - row.i2 / 4);
        in.AncillaryAlarm = Microamps(row.i2 / 2);
        in.FittedBattery = row.fitted;
        in.PanelMaxBattery = row.panelMax;
        in.ChargerMilliamps = row.charger;
        in.BatterySizes = StandardSizes;
        EXPECT_EQ(Summary(CalculatePower(in)), row.expected) << row.what;
    }
}

// The rule and its periods follow the locale until the site chooses; the
// panel's own currents come from the catalogue unless overridden; I1 and I2
// follow the main window's totals as the loops change.
TEST(PowerSupply, TheDocumentsInputsFollowTheLocaleThePanelAndTheLoops)
{
    TestCatalogue catalogue;
    const int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    PanelRecord panel;
    panel.Loops = 2;
    panel.StandbyCurrent = 120;
    panel.AlarmCurrent = 350;
    panel.MaxBattery = 1800;
    panel.ChargerCurrent = 1500;
    catalogue.AddCurrentPanel(panel);
    catalogue.BatterySizes = StandardSizes;
    Document document(catalogue);

    const auto rule = [&](std::string_view locale) {
        const PowerInputs in = PowerInputsFor(document, locale);
        return PowerRuleName(in.Rule) + " " + std::to_string(in.StandbyMinutes) + "/" + std::to_string(in.AlarmMinutes) +
               " F=" + std::to_string(in.FactorThousandths);
    };
    EXPECT_EQ(rule("1009"), "NFPA 72 2022 1440/5 F=1250");
    document.Power.VoiceEvacuation = true;
    EXPECT_EQ(rule("0409"), "NFPA 72 2022 1440/15 F=1250");
    document.Power.Rule = PowerRule::NFPA2019;
    document.Power.AlarmMinutes = 10;
    EXPECT_EQ(rule("0809"), "NFPA 72 2019 1440/10 F=1200");
    document.Power.Rule = PowerRule::Custom;
    document.Power.FactorThousandths = 1400;
    document.Power.StandbyMinutes = 4320;
    EXPECT_EQ(rule("0409"), "Custom 4320/10 F=1400");

    document.Power.Loads = {{"Sounder circuit", 2, Currency::FromInteger(1), Currency::FromInteger(150)}};
    const auto currents = [&] {
        const PowerResult result = CalculatePower(PowerInputsFor(document, "0809"));
        return result.StandbyCurrent - CalculationSupport::TotalQuiescentCurrent(document) == Currency::FromInteger(122000) &&
               result.AlarmCurrent - CalculationSupport::TotalAlarmCurrent(document) == Currency::FromInteger(650000);
    };
    EXPECT_TRUE(currents());
    for (int a = 1; a <= 20; ++a)
        document.Loop(2).SetDeviceType(a, detector);
    CalculationSupport::RecalculateAll(document);
    ASSERT_FALSE(CalculationSupport::TotalQuiescentCurrent(document).IsZero());
    EXPECT_TRUE(currents());
    EXPECT_EQ(PowerInputsFor(document, "0809").LoopsAlarm, CalculationSupport::TotalAlarmCurrent(document));

    document.Power.PanelStandbyMilliamps = *Currency::FromDouble(80.5);
    const PowerInputs in = PowerInputsFor(document, "0809");
    EXPECT_EQ(in.PanelStandby.ToString() + " " + in.PanelAlarm.ToString(), "80500 350000");
    EXPECT_EQ(Optional(in.PanelMaxBattery) + " " + Optional(in.ChargerMilliamps), "1800 1500");
    EXPECT_TRUE(in.PanelCurrentsKnown);

    // A panel without its own alarm current is known only once one is typed.
    catalogue.Panels[catalogue.CurrentPanel].AlarmCurrent.reset();
    EXPECT_FALSE(PowerInputsFor(document, "0809").PanelCurrentsKnown);
    document.Power.PanelAlarmMilliamps = Currency();
    EXPECT_TRUE(PowerInputsFor(document, "0809").PanelCurrentsKnown);
}
