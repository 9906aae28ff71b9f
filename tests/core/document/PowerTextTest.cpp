#include "document/PowerText.h"

#include <gtest/gtest.h>

namespace {

PowerInputs Inputs(PowerRule rule, int32_t alarmMinutes, int64_t i1, int64_t i2)  // µA
{
    PowerInputs in;
    in.Rule = rule;
    in.StandbyMinutes = 1440;
    in.AlarmMinutes = alarmMinutes;
    in.FactorThousandths = rule == PowerRule::NFPA2019 ? 1200 : 1250;
    in.PanelStandby = Currency::FromInteger(i1 / 2);
    in.LoopsQuiescent = Currency::FromInteger(i1 - i1 / 2);
    in.PanelAlarm = Currency::FromInteger(i2 / 2);
    in.AncillaryAlarm = Currency::FromInteger(i2 - i2 / 2);
    in.BatterySizes = {700, 1200, 1700};
    return in;
}

}  // namespace

TEST(PowerText, FiguresAreRoundedOnlyForDisplay)
{
    using Texts = std::vector<std::string>;
    // Milliamps to the hundredth, halves away from zero, or exact; hours to four decimals.
    EXPECT_EQ((Texts{MilliampsText(*Currency::FromDouble(245305)), MilliampsText(*Currency::FromDouble(245304.9)),
                     MilliampsExact(*Currency::FromDouble(12.5)), MilliampsExact(Currency::FromInteger(245300)),
                     MilliampsExact(Currency()), AmpHoursText(5), HoursText(15), HoursText(1)}),
              (Texts{"245.31", "245.30", "0.0125", "245.3", "0", "0.05", "0.25", "0.0167"}));
}

// The summary names the first thing to put right, and passes only when
// nothing fails; an unchecked panel limit or charger is no failure.
TEST(PowerText, TheSummaryLineSaysWhatFails)
{
    const struct {
        std::optional<int32_t> fitted, panelMax, charger;
        int64_t i1;
        const char* line;
        bool passes;
    } rows[] = {
        {1200, {}, {}, 200000, "Standby battery: 6.07 Ah required (BS 5839-1), 12 Ah fitted", true},
        {{}, {}, {}, 200000, "Standby battery: 6.07 Ah required (BS 5839-1), smallest standard battery 7 Ah", true},
        {120, {}, {}, 200000, "Standby battery: 6.07 Ah required (BS 5839-1), 1.2 Ah fitted is too small", false},
        {{}, {}, {}, 900000, "Standby battery: 27.07 Ah required (BS 5839-1), more than the largest standard battery", false},
        {{}, 700, 1000, 900000,
         "Standby battery: 27.07 Ah required (BS 5839-1), more than the largest standard battery, more than the panel holds "
         "(7 Ah), charger too small (1802.33 mA needed)",
         false},
    };
    for (const auto& row : rows) {
        PowerInputs in = Inputs(PowerRule::BS5839, 30, row.i1, 100000);
        in.FittedBattery = row.fitted;
        in.PanelMaxBattery = row.panelMax;
        in.ChargerMilliamps = row.charger;
        const PowerResult result = CalculatePower(in);
        EXPECT_EQ(PowerSummaryLine(in, result), row.line);
        EXPECT_EQ(PowerPasses(result), row.passes) << row.line;
    }

    PowerInputs unknown = Inputs(PowerRule::BS5839, 30, 200000, 100000);
    unknown.FittedBattery = 1200;
    unknown.PanelCurrentsKnown = false;
    const PowerResult result = CalculatePower(unknown);
    EXPECT_EQ(PowerSummaryLine(unknown, result),
              "Standby battery: 6.07 Ah required (BS 5839-1), 12 Ah fitted, without the panel's own currents");
    EXPECT_FALSE(PowerPasses(result));
    EXPECT_EQ(PowerWorking(unknown, result)[1], "The panel gives no standby or alarm current of its own: type them");

    // Without standard sizes the requirement stands alone, and the line says why.
    PowerInputs sizeless = Inputs(PowerRule::BS5839, 30, 200000, 100000);
    sizeless.BatterySizes.clear();
    sizeless.NoBatterySizes = "no battery sizes are installed (looked for '/data/QuellarBatteries.dat')";
    const PowerResult alone = CalculatePower(sizeless);
    EXPECT_EQ(PowerSummaryLine(sizeless, alone), "Standby battery: 6.07 Ah required (BS 5839-1), no battery sizes are installed "
                                                 "(looked for '/data/QuellarBatteries.dat')");
    EXPECT_EQ(PowerWorking(sizeless, alone).at(6), "No battery sizes are installed (looked for '/data/QuellarBatteries.dat')");
    EXPECT_FALSE(PowerPasses(alone));
}

TEST(PowerText, TheWorkingWritesOutTheFormulaWithItsNumbers)
{
    // 1.25 × (24 × 0.2 + 1.75 × 0.8 × 0.5) = 6.875 Ah; C₁ = 6.25 Ah allows 0.3125 A.
    PowerInputs in = Inputs(PowerRule::BS5839, 30, 200000, 800000);
    in.FittedBattery = 700;
    in.PanelMaxBattery = 1200;
    in.ChargerMilliamps = 433;
    const std::vector<std::string> expected = {
        "Rule: BS 5839-1, standby T1 = 24 h, alarm T2 = 0.5 h",
        "I1 = 100.00 mA (panel) + 100.00 mA (loops) + 0.00 mA (ancillary) = 200.00 mA",
        "I2 = 400.00 mA (panel) + 0.00 mA (loops) + 400.00 mA (ancillary) = 800.00 mA",
        "C = 1.25 × (T1 × I1 + D × I2 × T2)",
        "C = 1.25 × (24 h × 200.00 mA + 1.75 × 800.00 mA × 0.5 h) / 1000 = 6.88 Ah (rounded up)",
        "D = 1.75: I2 is more than C₁ / 20 h, where C₁ = 6.50 Ah is the capacity with D = 1",
        "Smallest standard battery that covers it: 7 Ah",
        "Fitted battery: 7 Ah, covers the requirement",
        "Largest battery the panel holds: 12 Ah; 7 Ah fits",
        "Charger: I1 + 0.8 × 7 Ah / 24 h = 200.00 mA + 233.33 mA = 433.33 mA needed, 433 mA given: too small",
        "Largest standby current the 7 Ah battery allows: 204.17 mA",
        "12 V batteries, in pairs for a 24 V panel",
    };
    EXPECT_EQ(PowerWorking(in, CalculatePower(in)), expected);

    // Outside BS 5839-1 the factor is F and nothing is derated; nothing checked is said so.
    in = Inputs(PowerRule::NFPA2019, 5, 500000, 2000000);
    const std::vector<std::string> nfpa = PowerWorking(in, CalculatePower(in));
    ASSERT_EQ(nfpa.size(), 10u);
    EXPECT_EQ(std::vector(nfpa.begin() + 3, nfpa.end() - 1),
              (std::vector<std::string>{
                  "C = F × (T1 × I1 + I2 × T2)",
                  "C = 1.2 × (24 h × 500.00 mA + 2000.00 mA × 0.0833 h) / 1000 = 14.60 Ah (rounded up)",
                  "Smallest standard battery that covers it: 17 Ah", "Fitted battery: none chosen",
                  "The panel gives no largest battery: not checked",
                  "Charger: I1 + 0.8 × 17 Ah / 24 h = 500.00 mA + 566.67 mA = 1066.67 mA needed; the panel gives no "
                  "charger current: not checked"}));
}
