#include "document/CalculationSupport.h"

#include "document/LoopResults.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct Site {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};
    ScriptedMessageHost host;
    CalculationSupport::LoopDefaults defaults{1210, 1, 96};

    explicit Site(int16_t maxTotalCurrent = 1000)
    {
        PanelRecord panel;
        panel.Loops = 4;
        panel.MaxLoopCurrent = 500;
        panel.MaxTotalCurrent = maxTotalCurrent;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
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
        Site site(static_cast<int16_t>(limit));
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
    Site site;  // unused loops go without a question
    EXPECT_TRUE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 3, site.defaults));
    EXPECT_TRUE(site.host.boxes.empty());
    site.Fill(3, 1);
    site.Fill(4, 3);
    site.document.LoopName(4) = "East wing";
    site.document.SetEavesdropping(4, 2, 1);
    CalculationSupport::RecalculateAll(site.document);
    const struct {
        int newCount;
        int answer;  // a MsgResult
        const char* text;
    } cases[] = {
        {3, MsgResult::Cancel, "Changing to this panel will lose data for loop 4."},
        {2, MsgResult::OK, "Changing to this panel will lose data for loops 3 to 4."},
    };
    for (const auto& c : cases) {
        site.host.boxes.clear();
        site.host.Answer(c.answer);
        EXPECT_EQ(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, c.newCount, site.defaults),
                  c.answer == MsgResult::OK);
        EXPECT_EQ(site.host.Texts(), std::vector<std::string>{c.text});
    }
    EXPECT_EQ(site.host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
    EXPECT_EQ(site.host.boxes[0].Caption, "Control Panel change");
    for (int loop = 3; loop <= 4; ++loop) {
        EXPECT_EQ(site.document.Loop(loop).DeviceType(1), 0);
        EXPECT_EQ(site.document.LoopName(loop), "");
        EXPECT_EQ(site.document.Eavesdropping(loop, 2), 0);
        EXPECT_EQ(site.document.Loop(loop).CableImpedance(), 1210);
        EXPECT_EQ(site.document.Loop(loop).CalcType(), 1);
        EXPECT_EQ(site.document.Loop(loop).MaxOutput(), 96);
    }
}

TEST(CalculationSupport, ALowerDeviceLimitKeepsTheLowestAddresses)
{
    const struct {
        std::vector<int> filled;  // loops of 120 detectors
        int answer;  // a MsgResult
        const char* text;
    } cases[] = {
        {{1, 3}, MsgResult::OK,
         "There are more than 99 addressable devices on some loops. Changing to this panel will lose data for these "
         "loops."},
        {{2}, MsgResult::Cancel,
         "There are more than 99 addressable devices on a loop. Changing to this panel will lose data for this loop."},
    };
    for (const auto& c : cases) {
        Site site;
        for (const int loop : c.filled)
            site.Fill(loop, 120);
        CalculationSupport::RecalculateAll(site.document);
        site.host.Answer(c.answer);
        EXPECT_EQ(CalculationSupport::CheckDeviceLimitChange(site.document, site.host, 254, 99),
                  c.answer == MsgResult::OK);
        EXPECT_EQ(site.host.Texts(), std::vector<std::string>{c.text});
        const clsCalculator& loop = site.document.Loop(c.filled[0]);
        EXPECT_EQ(loop.DeviceType(99), site.detector);
        EXPECT_EQ(loop.DeviceType(100), c.answer == MsgResult::OK ? 0 : site.detector);
    }
}
