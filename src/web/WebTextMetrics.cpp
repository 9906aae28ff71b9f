#include "web/WebTextMetrics.h"

#include "report/RecordingPrinter.h"
#include "web/WebImports.h"

#include <string>

namespace {

// The recording printer measures in twips, 20 to a point of font size.
constexpr double TwipsPerPoint = 20;

double PageMeasure(std::string_view text, const ReportPrinter::Font& font, bool height)
{
    const std::string piece(text);
    return ferrolux_measure_text(piece.c_str(), font.Name.c_str(), font.Size, font.Bold, font.Italic, font.Underline,
                                 height);
}

double FixedPitch(std::string_view text, const ReportPrinter::Font& font, bool height)
{
    static RecordingPrinter fixed;
    fixed.SetFontSize(font.Size);
    return (height ? fixed.TextHeight(text) : fixed.TextWidth(text)) / TwipsPerPoint;
}

double Measure(std::string_view text, const ReportPrinter::Font& font, bool height)
{
    const double measured = PageMeasure(text, font, height);
    return measured >= 0 ? measured : FixedPitch(text, font, height);
}

}  // namespace

namespace WebTextMetrics {

double Width(std::string_view text, const ReportPrinter::Font& font) { return Measure(text, font, false); }

double Height(const ReportPrinter::Font& font) { return Measure("Hg", font, true); }

PlotMeasure PlotMeasureFor(const ReportPrinter::Font& font, double scale)
{
    return {Height(font) * scale, [font, scale](std::string_view text) { return Width(text, font) * scale; }};
}

}  // namespace WebTextMetrics
