#include "forms/LoopParameters.h"

#include "support/LoopEditorSite.h"

#include <gtest/gtest.h>

#include <functional>

TEST(LoopParameters, ValuesOutOfRangeAreRefusedInTheUsersUnitsAndOnlyANewValueIsAChange)
{
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0), imperial(*e.core, 1);
    const std::vector<std::pair<std::function<bool()>, std::string>> refused = {
        {[&] { return imperial.CommitTotalLength("9843"); }, "Total cable run must be between 0 and 9843 ft!"},
        {[&] { return metric.CommitImpedance("100"); }, "Cable impedance must be between 0.00 and 100.00 ohms/km/core!"},
        {[&] { return imperial.CommitImpedance("31"); }, "Cable impedance must be between 0.00 and 30.48 ohms/kft/core!"},
        {[&] { return metric.CommitMaxOutputs("97"); },
         "Limit on quantity of activated outputs must be between 0 and 96 outputs!"},
    };
    for (const auto& [commit, message] : refused) {
        EXPECT_FALSE(commit()) << message;
        EXPECT_EQ(e.LastMessage(), message);
    }
    EXPECT_EQ(e.host.boxes.back().Caption, "Loop 1");
    EXPECT_TRUE(metric.CommitTotalLength("0") && metric.CommitFirstLength("0"));  // the shortest runs

    // Only a new value marks the document changed.
    e.Loop().SetCableTotal(1000);
    e.Loop().SetMaxOutput(96);
    const std::vector<std::pair<std::function<void()>, bool>> edits = {
        {[&] { metric.CommitTotalLength("100"); }, false}, {[&] { metric.CommitMaxOutputs(""); }, false},
        {[&] { metric.MoveSlider(0); }, false},            {[&] { metric.CommitFirstLength("10"); }, true},
        {[&] { metric.CommitFirstLength("10"); }, false},  {[&] { metric.CommitMaxOutputs("7"); }, true},
        {[&] { metric.MoveSlider(40); }, true},            {[&] { metric.CommitImpedance("12.1"); }, true},
        {[&] { metric.SetInterfaceLedsDisabled(true); }, true},
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        e.document.Dirty = false;
        edits[i].first();
        EXPECT_EQ(e.document.Dirty, edits[i].second) << "edit " << i;
    }
    EXPECT_EQ(e.Loop().MaxOutput(), 7);
    ASSERT_TRUE(metric.CommitTotalLength("0.5"));
    EXPECT_EQ(e.Loop().CableFirst(), 5);  // lowered to the total run
    e.Loop().SetCableTotal(0);
    EXPECT_EQ(metric.SliderPosition(), 100);  // a first run without a total
    e.Loop().SetCableFirst(0);
    EXPECT_EQ(metric.SliderPosition(), 0);
}

TEST(LoopParameters, CalculatedRunsAndCablesGiveBackWhatTheUserTyped)
{
    LoopEditorSite e;
    LoopParameters p(*e.core, 0);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 9));
    p.ChooseCable(1);  // 1.5 mm
    ASSERT_TRUE(p.CommitTotalLength("420") && p.CommitFirstLength("12"));
    p.SetCalcType(CalculationType::SmallestCable);
    ASSERT_TRUE(p.CommitTotalLength("500"));  // a total run typed under "Min Cable Size" is the user's too

    p.SetCalcType(CalculationType::MaxCableRun);
    p.MoveSlider(50);  // the first run of the calculated maximum run
    const int32_t longest = e.Loop().CableTotal();
    EXPECT_EQ(e.Loop().CableFirst(), longest / 2 + (longest % 4 == 3 ? 1 : 0));  // halves to the even neighbour

    // Between the two computing types, each starts from what the user gave,
    // never from the other's result.
    p.SetCalcType(CalculationType::SmallestCable);
    EXPECT_EQ(e.Loop().CableTotal(), 5000);
    EXPECT_EQ(e.Loop().CableFirst(), 120);
    p.SetCalcType(CalculationType::MaxCableRun);
    EXPECT_NE(e.Loop().CableTotal(), 5000);
    ASSERT_TRUE(p.CommitFirstLength("30"));  // a first run typed under "Max Cable Run" is the user's
    p.SetCalcType(CalculationType::MaxVoltDrop);
    EXPECT_EQ(e.Loop().CableTotal(), 5000);
    EXPECT_EQ(e.Loop().CableFirst(), 300);
    EXPECT_EQ(e.Loop().CableImpedance(), 1210);
}

// Opening (and each undo step) shows the loop's own cable and calculation as
// chosen, and the options remember them, without a change or a step.
TEST(LoopParameters, LoadingTakesTheLoopsCableAndCalculationAsChosen)
{
    LoopEditorSite e;
    e.Loop().SetCableImpedance(1210);  // 1.5 mm
    e.Loop().SetCalcType(CalculationType::SmallestCable);
    e.document.Dirty = false;
    LoopParameters p(*e.core, 0);
    p.Load();
    EXPECT_EQ(e.options.CurrentCableImpedance(), 1210);
    EXPECT_EQ(e.options.CurrentCalcType(), CalculationType::SmallestCable);
    EXPECT_EQ(e.Loop().CalcType(), CalculationType::SmallestCable);
    EXPECT_FALSE(e.document.Dirty);
    EXPECT_EQ(e.core->History().UndoName(), "");
}
