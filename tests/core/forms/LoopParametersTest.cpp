#include "forms/LoopParameters.h"

#include "document/LoopResults.h"
#include "catalogues/Options.h"
#include "document/Shell.h"
#include "document/Document.h"
#include "forms/LoopEditorCore.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Parameters {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};
    LoopEditorCore editor{document, options, host, 2};
    LoopParameters metric{editor, 0};
    LoopParameters imperial{editor, 1};

    Parameters()
    {
        catalogue.AddCable("1.0 mm", 1810, true);
        catalogue.AddCable("1.5 mm", 1210, true);
        catalogue.AddCable("Disabled", 740, false);
        PanelRecord panel;
        panel.Loops = 2;
        panel.Outputs = 32;
        panel.MaxLoopCurrent = 400;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        editor.Activate();
    }
    clsCalculator& Loop() { return document.Loop(2); }
    std::string LastMessage() const { return host.boxes.empty() ? "" : host.boxes.back().Text; }
};

}  // namespace

TEST(LoopParameters, CableRunsAreCheckedInTheUsersUnits)
{
    const struct {
        int units;
        const char* text;
        bool accepted;
        int32_t decimetres;
    } cases[] = {{0, "3000", true, 30000}, {0, "3001", false, 0}, {1, "9842", true, 29998}, {1, "9843", false, 0},
                 {0, "0", true, 0}};
    for (const auto& c : cases) {
        Parameters p;
        LoopParameters& parameters = c.units == 0 ? p.metric : p.imperial;
        EXPECT_EQ(parameters.CommitTotalLength(c.text), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(p.Loop().CableTotal(), c.decimetres);
            EXPECT_TRUE(p.host.boxes.empty());
        } else {
            EXPECT_EQ(p.LastMessage(), c.units == 0 ? "Total cable run must be between 0 and 3000 m!"
                                                    : "Total cable run must be between 0 and 9843 ft!");
            EXPECT_EQ(p.host.boxes.back().Caption, "Loop 2");
            EXPECT_EQ(p.Loop().CableTotal(), 0);
        }
        EXPECT_EQ(p.document.Dirty, c.accepted && c.decimetres != 0);  // only a stored value is a change
    }
    Parameters p;
    EXPECT_FALSE(p.metric.CommitFirstLength("4000"));
    EXPECT_EQ(p.LastMessage(), "Cable run to first device must be between 0 and 3000 m!");
}

TEST(LoopParameters, EachRunKeepsTheOtherConsistentAndTheSliderFollows)
{
    Parameters p;
    ASSERT_TRUE(p.metric.CommitFirstLength("50"));
    EXPECT_EQ(p.Loop().CableTotal(), 500);  // raised to the first run
    EXPECT_EQ(p.metric.SliderPosition(), 100);
    ASSERT_TRUE(p.metric.CommitTotalLength("200"));
    EXPECT_EQ(p.metric.SliderPosition(), 25);
    ASSERT_TRUE(p.metric.CommitTotalLength("20"));
    EXPECT_EQ(p.Loop().CableFirst(), 200);  // lowered to the total run
    EXPECT_EQ(p.metric.FirstLengthText(), "20");

    p.Loop().SetCableTotal(0);
    EXPECT_EQ(p.metric.SliderPosition(), 100);  // a first run without a total
    p.Loop().SetCableFirst(0);
    EXPECT_EQ(p.metric.SliderPosition(), 0);

    p.Loop().SetCableTotal(1000);
    p.metric.MoveSlider(25);
    EXPECT_EQ(p.Loop().CableFirst(), 250);
}

TEST(LoopParameters, TheSliderSetsTheFirstRunOfACalculatedMaximumRun)
{
    Parameters p;
    for (int a = 1; a <= 9; ++a)
        p.Loop().SetDeviceType(a, p.detector);
    p.Loop().SetCableImpedance(1210);
    p.metric.SetCalcType(1);
    EXPECT_TRUE(p.document.Dirty);
    EXPECT_EQ(p.options.CurrentCalcType(), 1);
    p.metric.MoveSlider(50);
    EXPECT_GT(p.Loop().CableTotal(), 0);
    const int32_t total = p.Loop().CableTotal();
    EXPECT_EQ(p.Loop().CableFirst(), total / 2 + (total % 4 == 3 ? 1 : 0));  // halves to the even neighbour
}

TEST(LoopParameters, MaxVoltDropGetsBackTheRunsAndCableTheOtherTypesCalculatedOver)
{
    // A total run typed under "Min Cable Size" is the user's too.
    for (const auto& [typedUnderCableSize, total] : {std::pair{"", 4200}, std::pair{"500", 5000}}) {
        Parameters p;
        for (int a = 1; a <= 9; ++a)
            p.Loop().SetDeviceType(a, p.detector);
        p.metric.ChooseCable(1);  // 1.5 mm
        ASSERT_TRUE(p.metric.CommitTotalLength("420") && p.metric.CommitFirstLength("12"));
        p.metric.SetCalcType(1);
        p.metric.SetCalcType(2);
        ASSERT_TRUE(!*typedUnderCableSize || p.metric.CommitTotalLength(typedUnderCableSize));
        EXPECT_NE(p.Loop().CableImpedance(), 1210);  // sized for the longest run
        p.metric.SetCalcType(0);
        EXPECT_EQ(p.Loop().CableTotal(), total);
        EXPECT_EQ(p.Loop().CableFirst(), 120);
        EXPECT_EQ(p.Loop().CableImpedance(), 1210);
    }
}

TEST(LoopParameters, ImpedanceLimitsAndTheCableList)
{
    Parameters p;
    EXPECT_FALSE(p.metric.CommitImpedance("100"));
    EXPECT_EQ(p.LastMessage(), "Cable impedance must be between 0.00 and 100.00 ohms/km/core!");
    EXPECT_FALSE(p.imperial.CommitImpedance("31"));
    EXPECT_EQ(p.LastMessage(), "Cable impedance must be between 0.00 and 30.48 ohms/kft/core!");

    ASSERT_TRUE(p.metric.CommitImpedance("12.1"));
    EXPECT_EQ(p.Loop().CableImpedance(), 1210);
    EXPECT_TRUE(p.document.Dirty);
    EXPECT_EQ(p.options.CurrentCableImpedance(), 1210);

    const auto list = p.metric.CableList();
    ASSERT_EQ(list.size(), 3u);  // enabled cables, then the user's own
    EXPECT_EQ(list[1].Name, "1.5 mm");
    EXPECT_EQ(list[2].Name, "User-Defined");
    EXPECT_EQ(list[2].Cable, -1);
    EXPECT_EQ(p.metric.SelectedCableEntry(), 1u);
    ASSERT_TRUE(p.metric.CommitImpedance("7.4"));  // only a disabled cable has it
    EXPECT_EQ(p.metric.SelectedCableEntry(), 2u);
    p.metric.ChooseCable(list[0].Cable);
    EXPECT_EQ(p.Loop().CableImpedance(), 1810);
    EXPECT_EQ(p.metric.ImpedanceText(), "18.10");
}

TEST(LoopParameters, ActivatedOutputsAreLimitedByThePanelAndEmptyMeansAll)
{
    Parameters p;
    EXPECT_FALSE(p.metric.CommitMaxOutputs("33"));
    EXPECT_EQ(p.LastMessage(), "Limit on quantity of activated outputs must be between 0 and 32 outputs!");
    ASSERT_TRUE(p.metric.CommitMaxOutputs("5"));
    EXPECT_EQ(p.Loop().MaxOutput(), 5);
    ASSERT_TRUE(p.metric.CommitMaxOutputs(""));
    EXPECT_EQ(p.Loop().MaxOutput(), 32);
}

TEST(LoopParameters, AnEditThatStoresANewValueIsAChangeTheCloseQuestionKnowsAbout)
{
    const std::vector<std::pair<const char*, std::function<void(LoopParameters&)>>> edits = {
        {"total run", [](LoopParameters& p) { ASSERT_TRUE(p.CommitTotalLength("120")); }},
        {"first run", [](LoopParameters& p) { ASSERT_TRUE(p.CommitFirstLength("10")); }},
        {"outputs", [](LoopParameters& p) { ASSERT_TRUE(p.CommitMaxOutputs("7")); }},
        {"slider", [](LoopParameters& p) { p.MoveSlider(40); }},
        {"impedance", [](LoopParameters& p) { ASSERT_TRUE(p.CommitImpedance("12.1")); }},
        {"interface LEDs", [](LoopParameters& p) { p.SetInterfaceLedsDisabled(true); }},
    };
    for (const auto& [name, edit] : edits) {
        Parameters p;
        p.Loop().SetCableTotal(1000);
        edit(p.metric);
        EXPECT_TRUE(p.document.Dirty) << name;
        p.host.Answer(MsgResult::Cancel);
        EXPECT_FALSE(Shell::CheckSaved(p.document, p.host, [] { return true; })) << name;
        EXPECT_EQ(p.LastMessage(), "Configuration data has not been saved.\n\nDo you want to save now?") << name;
    }
    // Storing the value the loop already holds is no change.
    Parameters same;
    same.Loop().SetCableTotal(1000);
    same.Loop().SetMaxOutput(32);
    ASSERT_TRUE(same.metric.CommitTotalLength("100"));
    ASSERT_TRUE(same.metric.CommitMaxOutputs(""));
    same.metric.MoveSlider(0);
    EXPECT_FALSE(same.document.Dirty);
}

TEST(LoopParameters, StaleResultsEmptyWhatTheTypedValueWouldChange)
{
    Parameters p;
    p.Loop().SetCalcType(1);
    const LoopEditorResults shown = LoopEditorResultsFor(p.Loop(), p.catalogue, 0);
    const LoopEditorResults stale = StaleLoopEditorResults(shown, 1);
    EXPECT_EQ(stale.PassFail, "Press <Enter> key\nor Click here\nto Re-calculate");
    EXPECT_EQ(stale.VoltDrop, "");
    EXPECT_EQ(stale.MaxVoltDrop, "");
    EXPECT_EQ(stale.Explanation, "");
    EXPECT_EQ(stale.TotalLength, "");
    EXPECT_EQ(stale.QuiescentTotal, shown.QuiescentTotal);
    EXPECT_EQ(StaleLoopEditorResults(shown, 0).TotalLength, shown.TotalLength);
}

TEST(LoopParameters, TheResultBoxOfEachCalculationTypeIsNotEditable)
{
    Parameters p;
    const auto volts = p.metric.EditableFor(0, false);
    EXPECT_TRUE(volts.TotalLength && volts.CableList && !volts.Impedance);
    const auto run = p.metric.EditableFor(1, true);
    EXPECT_TRUE(!run.TotalLength && run.CableList && run.Impedance);
    const auto size = p.metric.EditableFor(2, true);
    EXPECT_TRUE(size.TotalLength && !size.CableList && !size.Impedance);
    EXPECT_EQ(p.metric.MaxAlarmText(), "(max. permissible = 400 mA)");
    EXPECT_EQ(p.metric.CableRunLimitText(), "(calculation limit: 3000 m)");
    EXPECT_EQ(p.imperial.CableRunLimitText(), "(calculation limit: 9843 ft)");
}
