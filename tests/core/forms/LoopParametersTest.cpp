#include "forms/LoopParameters.h"

#include "document/LoopResults.h"
#include "core/forms/LoopEditorSite.h"

#include <gtest/gtest.h>

#include <functional>

TEST(LoopParameters, CableRunsAreCheckedInTheUsersUnitsAndOnlyANewValueIsAChange)
{
    const struct {
        int units;
        const char* text;
        bool accepted;
        int32_t decimetres;
    } cases[] = {{0, "3000", true, 30000}, {0, "3001", false, 0}, {1, "9842", true, 29998}, {1, "9843", false, 0},
                 {0, "0", true, 0}};
    for (const auto& c : cases) {
        LoopEditorSite e;
        LoopParameters parameters(*e.core, c.units);
        EXPECT_EQ(parameters.CommitTotalLength(c.text), c.accepted) << c.text;
        EXPECT_EQ(e.Loop().CableTotal(), c.decimetres) << c.text;
        EXPECT_EQ(e.document.Dirty, c.decimetres != 0) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(e.LastMessage(), c.units == 0 ? "Total cable run must be between 0 and 3000 m!"
                                                    : "Total cable run must be between 0 and 9843 ft!");
            EXPECT_EQ(e.host.boxes.back().Caption, "Loop 1");
        }
    }
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0);
    EXPECT_FALSE(metric.CommitFirstLength("4000"));
    EXPECT_EQ(e.LastMessage(), "Cable run to first device must be between 0 and 3000 m!");

    const std::vector<std::pair<const char*, std::function<void(LoopParameters&)>>> edits = {
        {"first run", [](LoopParameters& p) { ASSERT_TRUE(p.CommitFirstLength("10")); }},
        {"outputs", [](LoopParameters& p) { ASSERT_TRUE(p.CommitMaxOutputs("7")); }},
        {"slider", [](LoopParameters& p) { p.MoveSlider(40); }},
        {"impedance", [](LoopParameters& p) { ASSERT_TRUE(p.CommitImpedance("12.1")); }},
        {"interface LEDs", [](LoopParameters& p) { p.SetInterfaceLedsDisabled(true); }},
        {"the same values", [](LoopParameters& p) {
             ASSERT_TRUE(p.CommitTotalLength("100") && p.CommitMaxOutputs(""));
             p.MoveSlider(0);
         }},
    };
    for (const auto& [name, edit] : edits) {
        LoopEditorSite site;
        LoopParameters parameters(*site.core, 0);
        site.Loop().SetCableTotal(1000);
        site.Loop().SetMaxOutput(96);
        edit(parameters);
        EXPECT_EQ(site.document.Dirty, name != std::string("the same values")) << name;
    }
}

TEST(LoopParameters, EachRunKeepsTheOtherConsistentAndTheSliderFollows)
{
    LoopEditorSite e;
    LoopParameters p(*e.core, 0);
    ASSERT_TRUE(p.CommitFirstLength("50"));
    EXPECT_EQ(e.Loop().CableTotal(), 500);  // raised to the first run
    EXPECT_EQ(p.SliderPosition(), 100);
    ASSERT_TRUE(p.CommitTotalLength("200"));
    EXPECT_EQ(p.SliderPosition(), 25);
    ASSERT_TRUE(p.CommitTotalLength("20"));
    EXPECT_EQ(e.Loop().CableFirst(), 200);  // lowered to the total run
    EXPECT_EQ(p.FirstLengthText(), "20");
    e.Loop().SetCableTotal(0);
    EXPECT_EQ(p.SliderPosition(), 100);  // a first run without a total
    e.Loop().SetCableFirst(0);
    EXPECT_EQ(p.SliderPosition(), 0);
    e.Loop().SetCableTotal(1000);
    p.MoveSlider(25);
    EXPECT_EQ(e.Loop().CableFirst(), 250);
}

TEST(LoopParameters, CalculatedRunsAndCablesGiveBackWhatTheUserTyped)
{
    // A total run typed under "Min Cable Size" is the user's too.
    for (const auto& [typedUnderCableSize, total] : {std::pair{"", 4200}, std::pair{"500", 5000}}) {
        LoopEditorSite e;
        LoopParameters p(*e.core, 0);
        ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 9));
        p.ChooseCable(1);  // 1.5 mm
        ASSERT_TRUE(p.CommitTotalLength("420") && p.CommitFirstLength("12"));
        p.SetCalcType(1);
        EXPECT_EQ(e.options.CurrentCalcType(), 1);
        p.SetCalcType(2);
        ASSERT_TRUE(!*typedUnderCableSize || p.CommitTotalLength(typedUnderCableSize));
        EXPECT_NE(e.Loop().CableImpedance(), 1210);  // sized for the longest run
        p.SetCalcType(0);
        EXPECT_EQ(e.Loop().CableTotal(), total);
        EXPECT_EQ(e.Loop().CableFirst(), 120);
        EXPECT_EQ(e.Loop().CableImpedance(), 1210);
    }
    LoopEditorSite e;
    LoopParameters p(*e.core, 0);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 9));
    e.Loop().SetCableImpedance(1210);
    p.SetCalcType(1);
    p.MoveSlider(50);  // the first run of the calculated maximum run
    const int32_t longest = e.Loop().CableTotal();
    EXPECT_GT(longest, 0);
    EXPECT_EQ(e.Loop().CableFirst(), longest / 2 + (longest % 4 == 3 ? 1 : 0));  // halves to the even neighbour
}

TEST(LoopParameters, ImpedanceOutputsAndTheCableList)
{
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0), imperial(*e.core, 1);
    EXPECT_FALSE(metric.CommitImpedance("100"));
    EXPECT_EQ(e.LastMessage(), "Cable impedance must be between 0.00 and 100.00 ohms/km/core!");
    EXPECT_FALSE(imperial.CommitImpedance("31"));
    EXPECT_EQ(e.LastMessage(), "Cable impedance must be between 0.00 and 30.48 ohms/kft/core!");
    ASSERT_TRUE(metric.CommitImpedance("12.1"));
    EXPECT_EQ(e.Loop().CableImpedance(), 1210);
    EXPECT_EQ(e.options.CurrentCableImpedance(), 1210);

    const auto list = metric.CableList();
    ASSERT_EQ(list.size(), 3u);  // enabled cables, then the user's own
    EXPECT_EQ(list[1].Name, "1.5 mm");
    EXPECT_EQ(list[2].Name, "User-Defined");
    EXPECT_EQ(list[2].Cable, -1);
    EXPECT_EQ(metric.SelectedCableEntry(), 1u);
    ASSERT_TRUE(metric.CommitImpedance("7.4"));  // only a disabled cable has it
    EXPECT_EQ(metric.SelectedCableEntry(), 2u);
    metric.ChooseCable(list[0].Cable);
    EXPECT_EQ(metric.ImpedanceText(), "18.10");

    EXPECT_FALSE(metric.CommitMaxOutputs("97"));
    EXPECT_EQ(e.LastMessage(), "Limit on quantity of activated outputs must be between 0 and 96 outputs!");
    ASSERT_TRUE(metric.CommitMaxOutputs("5"));
    EXPECT_EQ(e.Loop().MaxOutput(), 5);
    ASSERT_TRUE(metric.CommitMaxOutputs(""));  // empty: all the panel's
    EXPECT_EQ(e.Loop().MaxOutput(), 96);
}

TEST(LoopParameters, ResultBoxesOfTheCalculationTypeAreNotEditableAndStaleOnesEmptied)
{
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0), imperial(*e.core, 1);
    const auto volts = metric.EditableFor(0, false);
    EXPECT_TRUE(volts.TotalLength && volts.CableList && !volts.Impedance);
    const auto run = metric.EditableFor(1, true);
    EXPECT_TRUE(!run.TotalLength && run.CableList && run.Impedance);
    const auto size = metric.EditableFor(2, true);
    EXPECT_TRUE(size.TotalLength && !size.CableList && !size.Impedance);
    EXPECT_EQ(metric.MaxAlarmText(), "(max. permissible = 500 mA)");
    EXPECT_EQ(metric.CableRunLimitText(), "(calculation limit: 3000 m)");
    EXPECT_EQ(imperial.CableRunLimitText(), "(calculation limit: 9843 ft)");

    e.Loop().SetCalcType(1);
    const LoopEditorResults shown = LoopEditorResultsFor(e.Loop(), e.catalogue, 0);
    const LoopEditorResults stale = StaleLoopEditorResults(shown, 1);
    EXPECT_EQ(stale.PassFail, "Press <Enter> key\nor Click here\nto Re-calculate");
    EXPECT_EQ(stale.VoltDrop + stale.MaxVoltDrop + stale.Explanation + stale.TotalLength, "");
    EXPECT_EQ(stale.QuiescentTotal, shown.QuiescentTotal);
    EXPECT_EQ(StaleLoopEditorResults(shown, 0).TotalLength, shown.TotalLength);
}
