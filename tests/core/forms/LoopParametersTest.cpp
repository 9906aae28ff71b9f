#include "forms/LoopParameters.h"

#include "core/forms/LoopEditorSite.h"

#include <gtest/gtest.h>

#include <functional>

TEST(LoopParameters, ValuesOutOfRangeAreRefusedInTheUsersUnitsAndOnlyANewValueIsAChange)
{
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0), imperial(*e.core, 1);
    const std::vector<std::pair<std::function<bool()>, std::string>> refused = {
        {[&] { return metric.CommitTotalLength("3001"); }, "Total cable run must be between 0 and 3000 m!"},
        {[&] { return imperial.CommitTotalLength("9843"); }, "Total cable run must be between 0 and 9843 ft!"},
        {[&] { return metric.CommitFirstLength("4000"); }, "Cable run to first device must be between 0 and 3000 m!"},
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
    EXPECT_EQ(e.Loop().CableFirst(), longest / 2 + (longest % 4 == 3 ? 1 : 0));  // halves to the even neighbour
}

TEST(LoopParameters, ImpedanceOutputsTheCableListAndEditableBoxes)
{
    LoopEditorSite e;
    LoopParameters metric(*e.core, 0), imperial(*e.core, 1);
    ASSERT_TRUE(metric.CommitImpedance("12.1"));
    EXPECT_EQ(e.Loop().CableImpedance(), 1210);
    EXPECT_EQ(e.options.CurrentCableImpedance(), 1210);
    const auto list = metric.CableList();
    ASSERT_EQ(list.size(), 3u);  // enabled cables, then the user's own
    EXPECT_EQ(list[1].Name, "1.5 mm");
    EXPECT_EQ(list[2].Cable, -1);
    EXPECT_EQ(metric.SelectedCableEntry(), 1u);
    ASSERT_TRUE(metric.CommitImpedance("7.4"));  // only a disabled cable has it
    EXPECT_EQ(metric.SelectedCableEntry(), 2u);
    metric.ChooseCable(list[0].Cable);
    EXPECT_EQ(metric.ImpedanceText(), "18.10");
    ASSERT_TRUE(metric.CommitMaxOutputs("5"));
    EXPECT_EQ(e.Loop().MaxOutput(), 5);
    ASSERT_TRUE(metric.CommitMaxOutputs(""));  // empty: all the panel's
    EXPECT_EQ(e.Loop().MaxOutput(), 96);

    // The box that shows the calculation type's result is not editable.
    const auto volts = metric.EditableFor(0, false), run = metric.EditableFor(1, true), size = metric.EditableFor(2, true);
    EXPECT_TRUE(volts.TotalLength && volts.CableList && !volts.Impedance);
    EXPECT_TRUE(!run.TotalLength && run.CableList && run.Impedance);
    EXPECT_TRUE(size.TotalLength && !size.CableList && !size.Impedance);
    EXPECT_EQ(imperial.CableRunLimitText(), "(calculation limit: 9843 ft)");
}
