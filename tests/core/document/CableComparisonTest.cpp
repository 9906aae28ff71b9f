#include "document/CableComparison.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "support/BundledCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every loop of an example site under each calculation, as the loop editor
// recalculates it when the calculation is chosen.
class CableComparisonSite : public ::testing::Test {
protected:
    void Open(const std::string& example)
    {
        ASSERT_TRUE(bundled.Loaded);
        ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/" + example), OpenOutcome::Opened);
    }
    CableComparison Under(int loop, CalculationType calcType)
    {
        document.Loop(loop).SetCalcType(calcType);
        CalculationSupport::RecalculateLoop(document, loop);
        return CompareCables(document, loop);
    }
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
};

class SiteCableComparison : public CableComparisonSite, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { Open(GetParam()); }
};

TEST_P(SiteCableComparison, TheLoopsOwnCableRowIsTheLoopsResultAndTheThinnestPassingCableIsMarked)
{
    int loops = 0;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        if (document.Loop(loop).QtyDevices() == 0)
            continue;
        ++loops;
        std::vector<int32_t> longestRuns;
        for (const CalculationType calcType :
             {CalculationType::MaxVoltDrop, CalculationType::MaxCableRun, CalculationType::SmallestCable}) {
            SCOPED_TRACE("loop " + std::to_string(loop) + ", calculation " + std::to_string(StoredNumber(calcType)));
            const CableComparison comparison = Under(loop, calcType);
            const clsCalculator& model = document.Loop(loop);
            const AlongCableResult along = CalculationSupport::AnalyseAlongCable(document, loop);
            ASSERT_FALSE(comparison.Rows.empty());
            int own = 0;
            std::vector<int32_t> runs;
            for (const CableComparisonRow& row : comparison.Rows) {
                runs.push_back(row.LongestRun);
                EXPECT_TRUE(bundled.catalogue.Cables[static_cast<size_t>(row.Cable)].Enabled);
                if (row.Impedance != model.CableImpedance())
                    continue;
                ++own;
                EXPECT_TRUE(row.OwnCable);
                EXPECT_EQ(row.VoltDrop, model.VoltDrop());
                EXPECT_EQ(row.Verdict, model.LoopDesign());
                if (calcType == CalculationType::MaxCableRun) {
                    EXPECT_EQ(row.LongestRun, model.CableTotal());
                }
                bool feedsPass = true;
                for (const Feed feed : AllFeeds) {
                    EXPECT_DOUBLE_EQ(row.Of(feed).WorstMargin, along.Of(feed).WorstMargin);
                    EXPECT_EQ(row.Of(feed).Pass, along.Of(feed).Pass);
                    feedsPass = feedsPass && along.Of(feed).Pass;
                }
                EXPECT_EQ(row.Pass, model.DesignIsSatisfactory() && feedsPass);
            }
            EXPECT_GT(own, 0);
            // No thinner cable than the marked one passes.
            const int16_t marked = comparison.Smallest ? comparison.Rows[*comparison.Smallest].Impedance : 0;
            if (comparison.Smallest) {
                EXPECT_TRUE(comparison.Rows[*comparison.Smallest].Pass);
            }
            for (const CableComparisonRow& row : comparison.Rows)
                EXPECT_FALSE(row.Pass && row.Impedance > marked) << row.Name;
            // Whatever the calculation, the longest run is the one "Max Cable Run" finds.
            if (!longestRuns.empty()) {
                EXPECT_EQ(runs, longestRuns);
            }
            longestRuns = runs;
        }
    }
    EXPECT_GT(loops, 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, SiteCableComparison,
                         ::testing::Values("Harbour-Hotel.QLX", "Northgate-Offices.QLX", "Riverside-Warehouse.QLX"));

TEST_F(CableComparisonSite, ALoopNoCablePassesMarksNone)
{
    Open("Harbour-Hotel.QLX");
    // A first run longer than the whole cable fails with any cable.
    clsCalculator& model = document.Loop(1);
    model.SetCableFirst(model.CableTotal() + 10);
    const CableComparison comparison = Under(1, CalculationType::MaxVoltDrop);
    ASSERT_FALSE(comparison.Rows.empty());
    for (const CableComparisonRow& row : comparison.Rows)
        EXPECT_FALSE(row.Pass) << row.Name;
    EXPECT_FALSE(comparison.Smallest.has_value());
}

}  // namespace
