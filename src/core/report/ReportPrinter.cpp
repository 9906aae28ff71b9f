#include "report/ReportPrinter.h"

#include <array>

namespace {
// The height that one printed line takes, whatever the text.
constexpr std::string_view LineSample = "Hg";
}  // namespace

double ReportPrinter::ClassicAverageCharacterWidth(const std::function<double(char)>& advance)
{
    // Per thousand characters.
    static constexpr std::array<int, 26> LetterWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                                          56, 56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2};
    constexpr int BlankWeight = 166;
    double total = BlankWeight * advance(' ');
    for (size_t letter = 0; letter < LetterWeights.size(); ++letter)
        total += LetterWeights[letter] * advance(static_cast<char>('a' + letter));
    return total / 1000;
}

void ReportPrinter::PrintTab(int column)
{
    const double x = TabX(column);
    if (currentX_ > x)
        EndLine();
    currentX_ = x;
}

void ReportPrinter::PrintText(std::string_view text)
{
    if (currentY_ + TextHeight(LineSample) > scaleTop_ + ScaleHeight()) {
        const double x = currentX_;
        NewPage();
        currentX_ = x;
    }
    DrawText(currentX_ - scaleLeft_, currentY_ - scaleTop_, text);
    currentX_ += TextWidth(text);
}

void ReportPrinter::PrintVoltagePlot(const AlongCableResult& result, int units, double width, int lines)
{
    const double height = lines * TextHeight(LineSample);
    if (currentY_ + height > scaleTop_ + ScaleHeight()) {
        const double x = currentX_;
        NewPage();
        currentX_ = x;
    }
    DrawVoltagePlot(currentX_ - scaleLeft_, currentY_ - scaleTop_, width, height, result, units);
    currentX_ = 0;
    currentY_ += height;
}

void ReportPrinter::EndLine()
{
    currentX_ = 0;
    currentY_ += TextHeight(LineSample);
}

void ReportPrinter::NewPage()
{
    StartNextPage();
    ++page_;
    currentX_ = 0;
    currentY_ = 0;
}
