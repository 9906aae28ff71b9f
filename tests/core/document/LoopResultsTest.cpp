#include "document/LoopResults.h"

#include "document/CalculationSupport.h"
#include "text/Scaling.h"
#include "document/Document.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

TEST(LoopResults, TheEditorShowsTheCurrentsTheVerdictAndACalculatedRun)
{
    const struct {
        int detectors, calcType, units;
        const char* alarm;
        const char* passFail;
        const char* totalLength;  // nullptr: not shown
    } cases[] = {
        {10, 0, Scaling::Metric, "50 mA", "Loop Design\nSatisfactory", nullptr},
        {110, 0, Scaling::Metric, "550 mA", "Alarm Current\nToo High", nullptr},  // against the panel's 500 mA
        {1, 1, Scaling::Metric, "5000 \u00B5A", "Loop Design\nSatisfactory", "3000"},  // the longest run calculated
        {1, 1, Scaling::Imperial, "5000 \u00B5A", "Loop Design\nSatisfactory", "9843"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.detectors);
        TestCatalogue catalogue;
        const int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
        PanelRecord panel;
        panel.Loops = 2;
        panel.MaxLoopCurrent = 500;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        Document document(catalogue);
        clsCalculator& loop = document.Loop(1);
        for (int a = 1; a <= c.detectors; ++a)
            loop.SetDeviceType(a, detector);
        loop.SetCableImpedance(1210);
        loop.SetCalcType(c.calcType);
        CalculationSupport::RecalculateLoop(document, 1);
        const LoopEditorResults results = LoopEditorResultsFor(loop, catalogue, c.units);
        EXPECT_EQ(results.Quantity, std::to_string(c.detectors));
        EXPECT_EQ(results.AlarmDevices, c.alarm);
        EXPECT_EQ(results.AlarmTotal, c.alarm);
        EXPECT_EQ(results.PassFail, c.passFail);
        EXPECT_EQ(results.Satisfactory, c.detectors < 100);
        EXPECT_FALSE(results.PanelLimitVisible);
        EXPECT_FALSE(results.ShowsCable);
        EXPECT_EQ(results.ShowsTotalLength, c.totalLength != nullptr);
        EXPECT_EQ(results.LimitCableRunVisible, c.totalLength != nullptr);
        if (c.totalLength != nullptr) {
            EXPECT_EQ(results.TotalLength, c.totalLength);
        } else {
            EXPECT_EQ(results.VoltDrop, "0.0 V");  // no cable run given
        }
    }
    EXPECT_EQ(LoopTitle(3, ""), "Loop 3");
    EXPECT_EQ(LoopTitle(3, "Yard and loading bays"), "Loop 3 - Yard and loading bays");
}
