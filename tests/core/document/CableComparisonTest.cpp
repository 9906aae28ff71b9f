#include "document/CableComparison.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "support/BundledCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// An example site's loop under a calculation, recalculated as the loop editor does when it is chosen.
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
    int ownRows = 0;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        if (document.Loop(loop).QtyDevices() == 0)
            continue;
        std::vector<int32_t> firstRuns;
        for (const CalculationType calcType :
             {CalculationType::MaxVoltDrop, CalculationType::MaxCableRun, CalculationType::SmallestCable}) {
            SCOPED_TRACE("loop " + std::to_string(loop) + ", calculation " + std::to_string(StoredNumber(calcType)));
            const CableComparison comparison = Under(loop, calcType);
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

TEST_F(CableComparisonSite, ALoopNoCablePassesMarksNone)
{
    Open("Harbour-Hotel.QLX");
    // A first run longer than the whole cable fails with any cable.
    document.Loop(1).SetCableFirst(document.Loop(1).CableTotal() + 10);
    const CableComparison comparison = Under(1, CalculationType::MaxVoltDrop);
    EXPECT_FALSE(comparison.Rows.empty());
    EXPECT_FALSE(comparison.Smallest.has_value());
}

}  // namespace
