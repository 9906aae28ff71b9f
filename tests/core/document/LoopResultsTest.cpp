#include "document/LoopResults.h"

#include "document/CalculationSupport.h"
#include "text/Scaling.h"
#include "document/Document.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct Site {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};

    Site()
    {
        PanelRecord panel;
        panel.Loops = 2;
        panel.AlarmLEDs = 200;
        panel.RemoteLEDs = 200;
        panel.Outputs = 96;
        panel.MaxLoopCurrent = 500;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        catalogue.AddCable("1.5 mm", 1210, true);
    }
    LoopEditorResults Results(int detectors, int calcType, int units = Scaling::Metric)
    {
        clsCalculator& loop = document.Loop(1);
        for (int a = 1; a <= detectors; ++a)
            loop.SetDeviceType(a, detector);
        loop.SetCableImpedance(1210);
        loop.SetCalcType(calcType);
        CalculationSupport::RecalculateLoop(document, 1);
        return LoopEditorResultsFor(loop, catalogue, units);
    }
};

}  // namespace

TEST(LoopResults, TheEditorShowsTheCurrentsAndTheVerdict)
{
    Site ten;
    const LoopEditorResults passing = ten.Results(10, 0);
    EXPECT_EQ(passing.Quantity, "10");
    EXPECT_EQ(passing.QuiescentDevices, "3000 \u00B5A");
    EXPECT_EQ(passing.AlarmDevices, "50 mA");
    EXPECT_EQ(passing.QuiescentTotal, "3000 \u00B5A");
    EXPECT_EQ(passing.AlarmTotal, "50 mA");
    EXPECT_EQ(passing.PassFail, "Loop Design\nSatisfactory");
    EXPECT_TRUE(passing.Satisfactory);
    EXPECT_FALSE(passing.PanelLimitVisible);
    EXPECT_FALSE(passing.ShowsTotalLength);
    EXPECT_FALSE(passing.ShowsCable);
    EXPECT_EQ(passing.VoltDrop, "0.0 V");  // no cable run given

    Site many;  // 110 × 5 mA against the panel's 500 mA
    const LoopEditorResults failing = many.Results(110, 0);
    EXPECT_EQ(failing.AlarmTotal, "550 mA");
    EXPECT_EQ(failing.PassFail, "Alarm Current\nToo High");
    EXPECT_FALSE(failing.Satisfactory);
}

TEST(LoopResults, ACalculatedMaximumRunIsShownInTheUsersUnitsWithItsLimit)
{
    for (const int units : {Scaling::Metric, Scaling::Imperial}) {
        Site site;  // one detector on a thick cable reaches the longest run calculated
        const LoopEditorResults results = site.Results(1, 1, units);
        ASSERT_TRUE(results.ShowsTotalLength);
        EXPECT_EQ(site.document.Loop(1).CableTotal(), clsCalculator::MaxCableLength);
        EXPECT_EQ(results.TotalLength, units == Scaling::Metric ? "3000" : "9843");
        EXPECT_TRUE(results.LimitCableRunVisible);
    }
}

TEST(LoopResults, ANamedLoopsTitleCarriesItsName)
{
    EXPECT_EQ(LoopTitle(3, ""), "Loop 3");
    EXPECT_EQ(LoopTitle(3, "Yard and loading bays"), "Loop 3 - Yard and loading bays");
}
