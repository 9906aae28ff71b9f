#include "document/CalculationSupport.h"

#include "document/AlongCableVerdict.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "platform/MessageHost.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct Site {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};
    ScriptedMessageHost host;
    CalculationSupport::LoopDefaults defaults{1210, CalculationType::MaxCableRun, 96};

    explicit Site(int16_t maxTotalCurrent = 1000, int16_t pointsBetweenIsolators = 32)
    {
        PanelRecord panel;
        panel.MaxPointsBetweenIsolators = pointsBetweenIsolators;
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

}  // namespace

TEST(CalculationSupport, TheMainWindowsRowsAndTotalsAgainstThePanelsTotalCurrent)
{
    // 4 loops × 10 detectors × 5 mA = 200 mA in alarm.
    for (const auto& [limit, text, note] : {std::tuple{200, "Design Satisfactory", false},
                                           std::tuple{199, "Design Not Satisfactory", true}}) {
        Site site(static_cast<int16_t>(limit));
        for (int loop = 1; loop <= 4; ++loop)
            site.Fill(loop, 10);
        CalculationSupport::RecalculateAll(site.document);
        EXPECT_EQ(MainLoopRowFor(site.document.Loop(2)).Quiescent, "3000 \u00B5A");
        const MainTotals totals = MainTotalsFor(site.document);
        EXPECT_EQ(totals.Devices, "40");
        EXPECT_EQ(totals.Quiescent, "12 mA");
        EXPECT_EQ(totals.Alarm, "200 mA");
        EXPECT_EQ(totals.PassFail, text) << limit;
        EXPECT_EQ(totals.AlarmNoteVisible, note) << limit;
    }
}

// A smaller panel asks only when a used loop or address would be lost; OK
// clears what is lost, Cancel keeps it.
TEST(CalculationSupport, ASmallerPanelAsksBeforeLosingData)
{
    Site site;
    EXPECT_TRUE(CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, 3, site.defaults));
    site.Fill(3, 1);
    site.Fill(4, 120);
    site.document.LoopName(4) = "East wing";
    site.document.SetEavesdropping(4, 2, 1);
    CalculationSupport::RecalculateAll(site.document);
    EXPECT_TRUE(site.host.boxes.empty());
    const struct {
        int newLoops, newLimit, answer;  // answer: a MsgResult
        const char* text;
    } cases[] = {
        {4, 99, MsgResult::Cancel,
         "There are more than 99 addressable devices on a loop. Changing to this panel will lose data for this loop."},
        {3, 0, MsgResult::Cancel, "Changing to this panel will lose data for loop 4."},
        {2, 0, MsgResult::OK, "Changing to this panel will lose data for loops 3 to 4."},
    };
    for (const auto& c : cases) {
        site.host.boxes.clear();
        site.host.Answer(c.answer);
        const bool changed =
            c.newLimit != 0 ? CalculationSupport::CheckDeviceLimitChange(site.document, site.host, 254, c.newLimit)
                            : CalculationSupport::CheckLoopCountChange(site.document, site.host, 4, c.newLoops,
                                                                       site.defaults);
        EXPECT_EQ(changed, c.answer == MsgResult::OK);
        EXPECT_EQ(site.host.Texts(), std::vector<std::string>{c.text});
        EXPECT_EQ(site.document.Loop(4).DeviceType(120), c.answer == MsgResult::OK ? 0 : site.detector);
    }
    EXPECT_EQ(site.host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
    EXPECT_EQ(site.host.boxes[0].Caption, "Control Panel change");
    for (int loop = 3; loop <= 4; ++loop) {
        EXPECT_EQ(site.document.Loop(loop).DeviceType(1), 0);
        EXPECT_EQ(site.document.LoopName(loop), "");
        EXPECT_EQ(site.document.Loop(loop).CableImpedance(), 1210);  // what else clearing resets is ClearLoop's
    }

    // Of two overfull loops, each keeps its lowest addresses.
    Site two;
    two.Fill(1, 120);
    two.Fill(3, 100);
    CalculationSupport::RecalculateAll(two.document);
    two.host.Answer(MsgResult::OK);
    EXPECT_TRUE(CalculationSupport::CheckDeviceLimitChange(two.document, two.host, 254, 99));
    EXPECT_EQ(two.host.Texts(), (std::vector<std::string>{"There are more than 99 addressable devices on some loops. "
                                                          "Changing to this panel will lose data for these loops."}));
    EXPECT_EQ(two.document.Loop(1).DeviceType(99), two.detector);
    EXPECT_EQ(two.document.Loop(1).DeviceType(100), 0);
    EXPECT_EQ(two.document.Loop(3).DeviceType(100), 0);
}

// The panel's own limit of points between isolators reaches the analysis.
TEST(CalculationSupport, AlongTheCableAgainstThePanelsLimit)
{
    Site site(1000, 20);
    site.Fill(1, 21);
    CalculationSupport::RecalculateAll(site.document);
    const AlongCableResult result = CalculationSupport::AnalyseAlongCable(site.document, 1);
    ASSERT_EQ(result.Sections.size(), 1u);
    EXPECT_EQ(result.Sections[0].Limit, 20);
    EXPECT_FALSE(result.Sections[0].Pass);

    // The panel's voltage and the loop's cable reach the verdict along the
    // cable: on 100 m of 60 ohms for devices needing 23 V, evenly placed, the
    // last is 3.30 V down fed from OUT (worked by hand). How the verdict is
    // worded is AlongCableVerdict's.
    site.catalogue.DeviceTypes[static_cast<size_t>(site.detector)].MinimumVoltage = 2300;
    clsCalculator& loop = site.document.Loop(1);
    loop.SetCableImpedance(30000);
    loop.SetCableTotal(1000);
    EXPECT_EQ(AlongCableVerdictFor(site.document, 1).Text,
              "Placed evenly, open at IN end: address 21, 2.30 V below its minimum (3 of 4 checks fail)");
    EXPECT_TRUE(AlongCableVerdictFor(site.document, 2).Empty);
    EXPECT_EQ(LoopsFailingAlongCable(site.document), std::vector<int>{1});
}

// Volts along the cable go to the hundredth, halves away from zero, exactly.
TEST(LoopResults, VoltsToTheHundredthHalvesAwayFromZero)
{
    for (const auto& [volts, exact, text] : std::initializer_list<std::tuple<double, std::string, std::string>>{
             {0.125, "0.13", "0.13"}, {-0.125, "-0.13", "-0.13"}, {23.5, "23.5", "23.50"}, {23.8249, "23.82", "23.82"},
             {-0.004, "0", "0.00"}}) {
        EXPECT_EQ(VoltsToHundredths(volts).ToString(), exact) << volts;
        EXPECT_EQ(VoltsTextToHundredths(volts), text) << volts;
    }
}
