#include "document/CalculationSupport.h"

#include "document/LoopResults.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

PanelRecord Panel(uint8_t loops, int16_t maxTotalCurrent = 1000)
{
    PanelRecord panel;
    panel.Name = "Test panel";
    panel.Loops = loops;
    panel.AlarmLEDs = 200;
    panel.RemoteLEDs = 200;
    panel.Outputs = 96;
    panel.MaxLoopCurrent = 500;
    panel.MaxTotalCurrent = maxTotalCurrent;
    panel.MinLoopVoltage = 2400;
    return panel;
}

struct Site {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};
    ScriptedMessageHost host;
    CalculationSupport::LoopDefaults defaults{1210, 1, 96};

    Site(uint8_t loops = 4, int16_t maxTotalCurrent = 1000)
    {
        catalogue.AddCurrentPanel(Panel(loops, maxTotalCurrent));
    }
    void Fill(int loop, int count)
    {
        for (int a = 1; a <= count; ++a)
            document.Loop(loop).SetDeviceType(a, detector);
    }
};

struct Recorder : DocumentObserver {
    std::vector<int> loops;
    void LoopRecalculated(int loop) override { loops.push_back(loop); }
};

}  // namespace

TEST(CalculationSupport, RecalculationUsesTheCurrentPanelAndTellsObservers)
{
    Site site;
    site.Fill(2, 10);
    Recorder recorder;
    site.document.AddObserver(&recorder);
    CalculationSupport::RecalculateAll(site.document);
    EXPECT_EQ(recorder.loops, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    const clsCalculator& loop = site.document.Loop(2);
    EXPECT_EQ(loop.QtyDevices(), 10);
    EXPECT_EQ(loop.AlarmCurrentTotal(), Currency::FromInteger(50000));
    EXPECT_EQ(loop.MaxVoltDrop(), Currency::FromInteger(24));

    const MainLoopRow row = MainLoopRowFor(loop);
    EXPECT_EQ(row.Devices, "10");
    EXPECT_EQ(row.Quiescent, "3000 \u00B5A");
    EXPECT_EQ(row.Alarm, "50 mA");
    EXPECT_EQ(row.PassFail, "Loop Satisfactory");
    site.document.RemoveObserver(&recorder);
}

TEST(CalculationSupport, TotalsAndTheOverallVerdictAgainstThePanelsTotalCurrent)
{
    // 4 loops × 10 detectors × 5 mA = 200 mA in alarm.
    for (const auto& [limit, text, note] : {std::tuple{200, "Design Satisfactory", false},
                                           std::tuple{199, "Design Not Satisfactory", true}}) {
        Site site(4, static_cast<int16_t>(limit));
        for (int loop = 1; loop <= 4; ++loop)
            site.Fill(loop, 10);
        CalculationSupport::RecalculateAll(site.document);
        const MainTotals totals = MainTotalsFor(site.document);
        EXPECT_EQ(totals.Devices, "40");
        EXPECT_EQ(totals.Quiescent, "12 mA");
        EXPECT_EQ(totals.Alarm, "200 mA");
        EXPECT_EQ(totals.PassFail, text) << limit;
        EXPECT_EQ(totals.AlarmNoteVisible, note) << limit;
    }
}

TEST(CalculationSupport, FewerLoopsAskOnlyWhenAUsedLoopWouldBeLost)
{
    {
        Site site;  // unused loops go without a question
        EXPECT_TRUE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 2, site.defaults));
        EXPECT_TRUE(site.host.boxes.empty());
        site.Fill(4, 3);
        site.document.LoopName(4) = "East wing";
        CalculationSupport::RecalculateAll(site.document);
        site.host.Answer(MsgResult::Cancel);
        EXPECT_FALSE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 2, site.defaults));
        ASSERT_EQ(site.host.boxes.size(), 1u);
        EXPECT_EQ(site.host.boxes[0].Text, "Changing to this panel will lose data for loops 3 to 4.");
        EXPECT_EQ(site.host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
        EXPECT_EQ(site.host.boxes[0].Caption, "Control Panel change");
        EXPECT_EQ(site.document.Loop(4).DeviceType(1), site.detector);

        site.host.Answer(MsgResult::OK);
        EXPECT_TRUE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 2, site.defaults));
        EXPECT_EQ(site.document.Loop(4).DeviceType(1), 0);
        EXPECT_EQ(site.document.LoopName(4), "");
        EXPECT_EQ(site.document.Loop(4).CableImpedance(), 1210);
        EXPECT_EQ(site.document.Loop(4).CalcType(), 1);
        EXPECT_EQ(site.document.Loop(4).MaxOutput(), 96);
    }
    {
        Site site(3);
        site.Fill(3, 1);
        CalculationSupport::RecalculateAll(site.document);
        EXPECT_TRUE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 3, 2, site.defaults));
        EXPECT_EQ(site.host.Texts(), (std::vector<std::string>{"Changing to this panel will lose data for loop 3."}));
    }
}

TEST(CalculationSupport, ALowerDeviceLimitKeepsTheLowestAddresses)
{
    Site site;
    site.Fill(1, 120);
    site.Fill(3, 100);
    CalculationSupport::RecalculateAll(site.document);
    site.host.Answer(MsgResult::OK);
    EXPECT_TRUE(CalculationSupport::CheckDeviceLimitChange(site.document, site.host, 254, 99));
    EXPECT_EQ(site.host.Texts(), (std::vector<std::string>{
                                     "There are more than 99 addressable devices on some loops. Changing to this panel "
                                     "will lose data for these loops."}));
    CalculationSupport::RecalculateAll(site.document);
    EXPECT_EQ(site.document.Loop(1).QtyDevices(), 99);
    EXPECT_EQ(site.document.Loop(1).DeviceType(99), site.detector);
    EXPECT_EQ(site.document.Loop(1).DeviceType(100), 0);
    EXPECT_EQ(site.document.Loop(3).QtyDevices(), 99);

    Site one;
    one.Fill(2, 120);
    CalculationSupport::RecalculateAll(one.document);
    one.host.Answer(MsgResult::Cancel);
    EXPECT_FALSE(CalculationSupport::CheckDeviceLimitChange(one.document, one.host, 254, 99));
    EXPECT_EQ(one.host.boxes[0].Text,
              "There are more than 99 addressable devices on a loop. Changing to this panel will lose data for this loop.");
    EXPECT_EQ(one.document.Loop(2).DeviceType(120), one.detector);
}

// A panel change runs the clamp first, then the questions: a cancelled
// change keeps the clamped outputs.
TEST(CalculationSupport, ClampingOutputsLowersOnlyLoopsAboveTheNewLimit)
{
    Site site;
    site.Fill(4, 2);
    site.document.Loop(4).SetMaxOutput(96);
    site.document.Loop(2).SetMaxOutput(10);
    CalculationSupport::RecalculateAll(site.document);
    ASSERT_TRUE(CalculationSupport::ClampMaxOutputs(site.document, 16));
    site.host.Answer(MsgResult::Cancel);
    EXPECT_FALSE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 2, site.defaults));
    EXPECT_EQ(site.document.Loop(4).MaxOutput(), 16);
    EXPECT_EQ(site.document.Loop(2).MaxOutput(), 10);
    EXPECT_EQ(site.document.Loop(4).QtyDevices(), 2);
}
