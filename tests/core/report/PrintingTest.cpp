#include "report/Printing.h"

#include "report/RecordingPrinter.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Printing, FitFontSizeTakesTheLargestSizeThatFits)
{
    // 90 blanks: 10800 twips at 12 points just fit; when nothing fits, the smallest size.
    for (const auto& [pageWidth, size] : {std::pair{1440.0 + 10800, 12.0}, {1440.0 + 10799, 11.0},
                                          {1440.0 + 90 * 70 - 1, 6.0}, {1440.0 + 90 * 60 - 1, 6.0}}) {
        RecordingPrinter printer(pageWidth, RecordingPrinter::A4Height);
        ScriptedProgress progress;
        Printing(printer, progress).FitFontSize(90);
        EXPECT_EQ(printer.FontSize(), size) << pageWidth;
    }
}

TEST(Printing, LinesLeftOnPageCountsWholeLinesBelowTheCurrentPosition)
{
    // At 12 points a line is 240 twips; A4 leaves 16838 - 1440 = 15398 usable:
    // 64.16 lines; 2.5 rounds to the even 2, 3.5 to the even 4.
    for (const auto& [y, lines] : {std::pair{0.0, 63}, {15398 - 240 * 2.5, 1}, {15398 - 240 * 3.5, 3}, {15398.0, -1}}) {
        RecordingPrinter printer;
        ScriptedProgress progress;
        printer.SetFontSize(12);
        printer.SetCurrentY(y);
        EXPECT_EQ(Printing(printer, progress).LinesLeftOnPage(), lines) << y;
    }
}

TEST(ReportPrinter, ClassicAverageWeighsTheLettersAndTheBlankByTheirFrequency)
{
    // Per thousand characters: 166 blanks, 100 e's, 2 z's; the weights add up to the thousand.
    for (const auto& [wide, average] : {std::pair{' ', 0.166}, {'e', 0.1}, {'z', 0.002}, {'.', 0.0}}) {
        const char only = wide;
        EXPECT_DOUBLE_EQ(ReportPrinter::ClassicAverageCharacterWidth([only](char c) { return c == only ? 1.0 : 0.0; }),
                         average)
            << wide;
    }
    EXPECT_DOUBLE_EQ(ReportPrinter::ClassicAverageCharacterWidth([](char) { return 110.0; }), 110);
}

}  // namespace
