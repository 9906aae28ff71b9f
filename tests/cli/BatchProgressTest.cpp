#include "cli/BatchProgress.h"

#include <gtest/gtest.h>

#include <sstream>

// The bar shows on a terminal once the run has taken a second, and is wiped
// off its line; elsewhere nothing is written, so logs hold only messages.
TEST(BatchProgress, OnATerminalAfterASecondOnlyAndWipedOff)
{
    using namespace std::chrono_literals;
    for (const bool terminal : {false, true}) {
        std::ostringstream err;
        BatchProgress progress(err, terminal, 1000);
        progress.Update(9, 999ms);
        progress.Clear();
        EXPECT_EQ(err.str(), "");
        progress.Update(250, 1500ms);
        progress.Update(1000, 2s);
        progress.Clear();
        progress.Clear();
        const std::string wiped = "\r" + std::string(48, ' ') + "\r";
        EXPECT_EQ(err.str(), terminal ? "\r[#######                       ]  250/1000 files"
                                        "\r[##############################] 1000/1000 files" + wiped
                                      : "");
    }
}
