#include "forms/CableComparisonCore.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "support/BundledCatalogue.h"
#include "text/Scaling.h"

#include <gtest/gtest.h>

namespace {

// The hotel's bedrooms loop: 520 m of 1.5 mm², which comes plain and fire-resistant.
class CableComparisonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bundled.Loaded);
        ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/Harbour-Hotel.QLX"), OpenOutcome::Opened);
    }
    CableComparisonCore Under(CalculationType calcType)
    {
        document.Loop(1).SetCalcType(calcType);
        CalculationSupport::RecalculateLoop(document, 1);
        return CableComparisonCore(document, Scaling::Metric, 1);
    }
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
};

constexpr const char* Smallest =
    "\nThe smallest cable is the thinnest that passes (the highest impedance): the loop satisfactory and every device "
    "above its minimum voltage whether the loop is whole or open at either end.";

TEST_F(CableComparisonWindow, CaptionExplanationAndHeadings)
{
    const CableComparisonCore core = Under(CalculationType::MaxVoltDrop);
    EXPECT_EQ(core.Caption(), "Compare Cables - Loop 1 - Bedrooms");
    EXPECT_EQ(core.Explanation(), std::string("Each cable at this loop's total cable run of 520 m.") + Smallest);
    EXPECT_EQ(core.Headings(), (CableComparisonCore::CellTexts{"Cable", "Impedance (ohms/km/core)", "Volt Drop (V)",
                                                               "Verdict", "Longest Run (m)", "Margin Loop Whole (V)",
                                                               "Margin Open at IN (V)", "Margin Open at OUT (V)",
                                                               "Result"}));
    // A first run longer than the cable fails whatever the cable.
    document.Loop(1).SetCableFirst(6000);
    const CableComparisonCore failing = Under(CalculationType::MaxVoltDrop);
    EXPECT_EQ(failing.Explanation(), std::string("Each cable at this loop's total cable run of 520 m.") + Smallest +
                                         "\nNo cable passes on this loop.");
    EXPECT_EQ(failing.Texts(0).Cells[CableComparisonCore::ResultColumn], "Fails: 1st Cable Run Too Long");
    EXPECT_FALSE(failing.Texts(0).Pass);
    EXPECT_EQ(Under(CalculationType::MaxCableRun).Explanation(),
              std::string("Each cable at the longest run it allows, with this loop's devices and first run.") + Smallest);
}

// The loop's own row shows the loop editor's figures; the thinnest passing
// row is marked, the others that pass say so.
TEST_F(CableComparisonWindow, RowsAndTheCableTheyMayUse)
{
    const CableComparisonCore core = Under(CalculationType::MaxVoltDrop);
    const LoopEditorResults shown = LoopEditorResultsFor(document.Loop(1), bundled.catalogue, Scaling::Metric);
    const std::optional<size_t> own = core.FirstSelectedRow();
    ASSERT_TRUE(own.has_value());
    const CableComparisonCore::RowTexts texts = core.Texts(*own);
    EXPECT_TRUE(texts.OwnCable);
    using Core = CableComparisonCore;
    EXPECT_EQ(texts.Cells[Core::CableColumn] + "|" + texts.Cells[Core::ImpedanceColumn] + "|" +
                  texts.Cells[Core::VoltDropColumn] + " V|" + texts.Cells[Core::VerdictColumn],
              "1.5 mm² (this loop's)|12.10|" + shown.VoltDrop + "|Loop Satisfactory");
    EXPECT_FALSE(core.CanUseCable(*own));

    ASSERT_TRUE(core.Comparison().Smallest.has_value());
    const size_t smallest = *core.Comparison().Smallest;
    EXPECT_TRUE(core.Texts(smallest).Smallest);
    EXPECT_EQ(core.Texts(smallest).Cells[Core::ResultColumn] + "|" + texts.Cells[Core::ResultColumn], "Smallest|Passes");
    EXPECT_TRUE(core.CanUseCable(smallest));
    // "Min Cable Size" chooses the cable itself.
    EXPECT_FALSE(Under(CalculationType::SmallestCable).CanUseCable(smallest));
}

}  // namespace
