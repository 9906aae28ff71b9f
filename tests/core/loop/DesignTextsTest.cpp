#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(DesignTexts, ShortAndLongVerdictForEveryCode)
{
    const struct {
        int32_t code;
        const char* shortText;
        const char* longText;
    } cases[] = {
        {0, "Loop Satisfactory", "Loop Design\nSatisfactory"},
        {1, "Alarm Current Too High", "Alarm Current\nToo High"},
        {2, "Volt Drop Too High", "Volt Drop\nToo High"},
        {3, "Quiescent Too High", "Quiescent\nToo High"},
        {4, "1st Cable Run Too Long", "Cable Run to 1st\nDevice Too Long"},
        {5, "No Valid Cable Length", "No Valid\nCable Length"},
        {6, "Surge Current Too High", "Switch-on Surge\nToo High"},
        {7, "Isolator between Master/Slave", "Isolator between\nMaster & Slave"},
        {8, "Linkbay Loop Interface", "Not enough Linkbay\nLoop Interfaces"},
        {-1, "", ""},
        {9, "", ""},
        {100, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clsCalculator::LoopDesignShortFor(c.code), c.shortText) << c.code;
        EXPECT_EQ(clsCalculator::LoopDesignLongFor(c.code), c.longText) << c.code;
    }
}

TEST(DesignTexts, ExplanationsThatNeedNoDeviceCheck)
{
    const TestCatalogue catalogue;
    const struct {
        int16_t panelLoopCurrent;  // mA
        int32_t code;
        const char* explanation;
    } cases[] = {
        {5, 1, "The total alarm current drawn by the devices on the loop is greater than that permitted by the "
               "control panel (5000 \u00B5A)."},
        {400, 1, "The total alarm current drawn by the devices on the loop is greater than that permitted by the "
                 "control panel (400 mA)."},
        {5, 3, "The total quiescent current drawn by the devices on the loop is greater than that permitted by the "
               "control panel (5000 \u00B5A)."},
        {400, 3, "The total quiescent current drawn by the devices on the loop is greater than that permitted by "
                 "the control panel (400 mA)."},
        {400, 0, ""},
        {400, 2, "The calculated final voltage at a device on the loop is below that required for its operation."},
        {400, 4, "The cable run to the first device is greater than the total cable length!"},
        {400, 5, "While attempting to calculate a maximum cable length, even a cable length of 0 resulted in the "
                 "volt drop being too high."},
        {400, 8, "Unknown reason"},  // no dependent-device failure recorded
        {400, -1, "Unknown reason"},
        {400, 9, "Unknown reason"},
    };
    for (const auto& c : cases) {
        clsCalculator loop(catalogue);
        loop.SetPanelData(256, 256, 256, 2400, c.panelLoopCurrent, 0);
        EXPECT_EQ(loop.DesignExplanationFor(c.code), c.explanation) << c.code;
    }
}

}  // namespace
