#include "forms/CableComparisonCore.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "support/BundledCatalogue.h"
#include "text/Scaling.h"

#include <gtest/gtest.h>

namespace {

using Core = CableComparisonCore;

constexpr const char* Smallest =
    "\nWhole, Open IN and Open OUT: the least margin of any device over its minimum voltage with the loop whole or "
    "open at its IN or OUT end.\nThe smallest cable is the thinnest that passes (the highest impedance): the loop satisfactory and every device "
    "above its minimum voltage whether the loop is whole or open at either end.";

// The hotel's bedrooms loop: 520 m of 1.5 mm², which comes plain and fire-resistant.
TEST(CableComparisonCore, TextsOfTheBedroomsLoopAndTheCablesItMayUse)
{
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
    ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/Harbour-Hotel.QLX"), OpenOutcome::Opened);
    const auto under = [&](CalculationType calcType) {
        document.Loop(1).SetCalcType(calcType);
        CalculationSupport::RecalculateLoop(document, 1);
        return Core(document, Scaling::Metric, 1);
    };
    const Core core = under(CalculationType::MaxVoltDrop);
    EXPECT_EQ(core.Caption(), "Compare Cables - Loop 1 - Bedrooms");
    EXPECT_EQ(core.Explanation(), std::string("Each cable at this loop's total cable run of 520 m.") + Smallest);
    EXPECT_EQ(core.Headings(), (Core::CellTexts{"Cable", "Impedance (ohms/km/core)", "Volt Drop (V)", "Verdict",
                                                "Longest Run (m)", "Whole (V)", "Open IN (V)", "Open OUT (V)",
                                                "Result"}));
    // The loop's own row, selected on opening, shows the loop editor's figures.
    const std::optional<size_t> own = core.FirstSelectedRow();
    ASSERT_TRUE(own.has_value());
    const Core::CellTexts cells = core.Texts(*own).Cells;
    EXPECT_EQ(cells[Core::CableColumn] + "|" + cells[Core::ImpedanceColumn] + "|" + cells[Core::VoltDropColumn] +
                  " V|" + cells[Core::VerdictColumn] + "|" + cells[Core::ResultColumn],
              "1.5 mm² (this loop's)|12.10|" + LoopEditorResultsFor(document.Loop(1), bundled.catalogue, 0).VoltDrop +
                  "|Loop Satisfactory|Passes");
    const size_t smallest = core.Comparison().Smallest.value_or(*own);
    EXPECT_EQ(core.Texts(smallest).Cells[Core::ResultColumn], "Smallest");
    EXPECT_TRUE(!core.CanUseCable(*own) && core.CanUseCable(smallest));
    // "Min Cable Size" chooses the cable itself.
    EXPECT_FALSE(under(CalculationType::SmallestCable).CanUseCable(smallest));
    EXPECT_EQ(under(CalculationType::MaxCableRun).Explanation(),
              std::string("Each cable at the longest run it allows, with this loop's devices and first run.") + Smallest);

    // A first run longer than the cable fails whatever the cable.
    document.Loop(1).SetCableTotal(5200);
    document.Loop(1).SetCableFirst(6000);
    const Core failing = under(CalculationType::MaxVoltDrop);
    EXPECT_TRUE(failing.Explanation().ends_with(Smallest + std::string("\nNo cable passes on this loop.")));
    EXPECT_EQ(failing.Texts(0).Cells[Core::ResultColumn], "Fails: 1st Cable Run Too Long");
}

}  // namespace
