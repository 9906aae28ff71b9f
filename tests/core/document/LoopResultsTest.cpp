#include "document/LoopResults.h"

#include <gtest/gtest.h>

// While a typed value waits for its commit, the results it would change are
// emptied (the total run only where it is the calculated one) and the
// verdict asks for a recalculation; the currents stay.
TEST(LoopResults, StaleResultsEmptyWhatTheCommitWouldChange)
{
    LoopEditorResults shown;
    shown.AlarmTotal = "82 mA";
    shown.VoltDrop = "2.2 V";
    shown.MaxVoltDrop = "(Max. permissible = 6.0 V)";
    shown.TotalLength = "3000";
    shown.Explanation = "The calculated final voltage is too low.";
    shown.PassFail = "Loop Design\nSatisfactory";
    for (const auto& [calcType, totalLength] : {std::pair{CalculationType::MaxVoltDrop, "3000"},
                                                std::pair{CalculationType::MaxCableRun, ""},
                                                std::pair{CalculationType::SmallestCable, "3000"}}) {
        const LoopEditorResults stale = StaleLoopEditorResults(shown, calcType);
        EXPECT_EQ(stale.TotalLength, totalLength);
        EXPECT_EQ(stale.AlarmTotal, "82 mA");
        EXPECT_EQ(stale.VoltDrop + stale.MaxVoltDrop + stale.Explanation, "");
        EXPECT_EQ(stale.PassFail, "Press <Enter> key\nor Click here\nto Re-calculate");
    }
}
