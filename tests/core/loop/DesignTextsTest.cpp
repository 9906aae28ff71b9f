#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(DesignTexts, VerdictsAndExplanationsThatNeedNoDeviceCheck)
{
    const TestCatalogue catalogue;
    clsCalculator loop(catalogue);
    loop.SetPanelData(256, 256, 256, 2400, 400, 0);
    // Code, short and long verdict, and the explanation on a panel of 400 mA.
    const std::tuple<int32_t, const char*, const char*, const char*> cases[] = {
        {0, "Loop Satisfactory", "Loop Design\nSatisfactory", ""},
        {1, "Alarm Current Too High", "Alarm Current\nToo High",
         "The total alarm current drawn by the devices on the loop is greater than that permitted by the control "
         "panel (400 mA)."},
        {2, "Volt Drop Too High", "Volt Drop\nToo High",
         "The calculated final voltage at a device on the loop is below that required for its operation."},
        {3, "Quiescent Too High", "Quiescent\nToo High",
         "The total quiescent current drawn by the devices on the loop is greater than that permitted by the "
         "control panel (400 mA)."},
        {4, "1st Cable Run Too Long", "Cable Run to 1st\nDevice Too Long",
         "The cable run to the first device is greater than the total cable length!"},
        {5, "No Valid Cable Length", "No Valid\nCable Length",
         "While attempting to calculate a maximum cable length, even a cable length of 0 resulted in the volt drop "
         "being too high."},
        {6, "Surge Current Too High", "Switch-on Surge\nToo High", nullptr},
        {7, "Isolator between Master/Slave", "Isolator between\nMaster & Slave", nullptr},
        {8, "Linkbay Loop Interface", "Not enough Linkbay\nLoop Interfaces", "Unknown reason"},  // none recorded
        {9, "", "", "Unknown reason"},
    };
    for (const auto& [number, shortText, longText, explanation] : cases) {
        SCOPED_TRACE(number);
        const auto code = static_cast<LoopDesignCode>(number);  // 9 is no verdict
        EXPECT_EQ(clsCalculator::LoopDesignShortFor(code), shortText);
        EXPECT_EQ(clsCalculator::LoopDesignLongFor(code), longText);
        if (explanation != nullptr) {
            EXPECT_EQ(loop.DesignExplanationFor(code), explanation);
        }
    }
}

}  // namespace
