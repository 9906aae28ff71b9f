#include "report/ReportPrinter.h"

namespace {
// The height that one printed line takes, whatever the text.
constexpr std::string_view LineSample = "Hg";
}  // namespace

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
