#include "report/Printing.h"

#include "report/RecordingPrinter.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Printing, FitFontSizeTakesTheLargestSizeThatFits)
{
    const struct {
        double pageWidth;
        double size;
    } cases[] = {
        {1440 + 10800, 12},  // 90 blanks: 10800 twips at 12 points, just fits
        {1440 + 10799, 11},
        {1440 + 90 * 70 - 1, 6},
        {1440 + 90 * 60 - 1, 6},  // nothing fits: the smallest size
    };
    for (const auto& c : cases) {
        RecordingPrinter printer(c.pageWidth, RecordingPrinter::A4Height);
        ScriptedProgress progress;
        Printing printing(printer, progress);
        printing.FitFontSize(90);
        EXPECT_EQ(printer.FontSize(), c.size) << c.pageWidth;
    }
}

TEST(Printing, LinesLeftOnPageCountsWholeLinesBelowTheCurrentPosition)
{
    // At 12 points a line is 240 twips; A4 leaves 16838 - 1440 = 15398 usable.
    const struct {
        double y;
        int lines;
    } cases[] = {
        {0, 63},                  // 64.16 lines
        {15398 - 240 * 2.5, 1},   // 2.5 rounds to the even 2
        {15398 - 240 * 3.5, 3},   // 3.5 rounds to the even 4
        {15398, -1},
    };
    for (const auto& c : cases) {
        RecordingPrinter printer;
        ScriptedProgress progress;
        Printing printing(printer, progress);
        printer.SetFontSize(12);
        printer.SetCurrentY(c.y);
        EXPECT_EQ(printing.LinesLeftOnPage(), c.lines) << c.y;
    }
}

}  // namespace
