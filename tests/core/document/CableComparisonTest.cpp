#include "document/CableComparison.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "support/BundledCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// Every loop of an example site under each calculation, recalculated as
// the loop editor does when the calculation is chosen. (A loop where no
// cable passes marks none: see the window's core.)
class SiteCableComparison : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bundled.Loaded);
        ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/" + std::string(GetParam())), OpenOutcome::Opened);
    }
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
};

TEST_P(SiteCableComparison, TheLoopsOwnCableRowIsTheLoopsResultAndTheThinnestPassingCableIsMarked)
{
    int ownRows = 0;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        if (document.Loop(loop).QtyDevices() == 0)
            continue;
        std::vector<int32_t> firstRuns;
        for (const CalculationType calcType :
             {CalculationType::MaxVoltDrop, CalculationType::MaxCableRun, CalculationType::SmallestCable}) {
            SCOPED_TRACE("loop " + std::to_string(loop) + ", calculation " + std::to_string(StoredNumber(calcType)));
            document.Loop(loop).SetCalcType(calcType);
            CalculationSupport::RecalculateLoop(document, loop);
            const CableComparison comparison = CompareCables(document, loop);
            const clsCalculator& model = document.Loop(loop);
            const AlongCableResult along = CalculationSupport::AnalyseAlongCable(document, loop);
            const CableComparisonRow* marked = comparison.Smallest ? &comparison.Rows[*comparison.Smallest] : nullptr;
            EXPECT_TRUE(!marked || marked->Pass);
            std::vector<int32_t> runs;
            for (const CableComparisonRow& row : comparison.Rows) {
                runs.push_back(row.LongestRun);
                EXPECT_FALSE(row.Pass && (!marked || row.Impedance > marked->Impedance)) << row.Name;
                if (row.Impedance != model.CableImpedance())
                    continue;
                ++ownRows;
                bool feedsPass = true;
                for (const Feed feed : AllFeeds) {
                    EXPECT_EQ(row.Of(feed).WorstMargin, along.Of(feed).WorstMargin);
                    feedsPass = feedsPass && along.Of(feed).Pass;
                }
                EXPECT_EQ(std::tuple(row.OwnCable, row.VoltDrop.ToDouble(), row.Verdict, row.Pass),
                          std::tuple(true, model.VoltDrop().ToDouble(), model.LoopDesign(),
                                     model.DesignIsSatisfactory() && feedsPass));
                EXPECT_TRUE(calcType != CalculationType::MaxCableRun || row.LongestRun == model.CableTotal());
            }
            // Whatever the calculation, the longest run is the one "Max Cable Run" finds.
            EXPECT_EQ(runs, firstRuns.empty() ? runs : firstRuns);
            firstRuns = runs;
        }
    }
    EXPECT_GT(ownRows, 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, SiteCableComparison,
                         ::testing::Values("Harbour-Hotel.QLX", "Northgate-Offices.QLX", "Riverside-Warehouse.QLX"));

}  // namespace
