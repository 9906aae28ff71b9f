#include "web/WebReportPrinter.h"

#include "report/RecordingPrinter.h"
#include "web/PlotValues.h"
#include "web/WebTextMetrics.h"

namespace {

using emscripten::val;

// The report measures in twips, the page in the units of the font's size (points).
constexpr double TwipsPerPoint = 20;

}  // namespace

WebReportPrinter::WebReportPrinter() : calls_(val::array()) {}

double WebReportPrinter::ScaleWidth() const { return RecordingPrinter::A4Width; }

double WebReportPrinter::ScaleHeight() const { return RecordingPrinter::A4Height; }

double WebReportPrinter::TextWidth(std::string_view text) const
{
    return WebTextMetrics::Width(text, CurrentFont()) * TwipsPerPoint;
}

double WebReportPrinter::TextHeight(std::string_view) const
{
    return WebTextMetrics::Height(CurrentFont()) * TwipsPerPoint;
}

double WebReportPrinter::AverageCharacterWidth() const
{
    const Font& font = CurrentFont();
    const FontKey key{font.Name, font.Size, font.Bold, font.Italic, font.Underline};
    const auto known = averages_.find(key);
    if (known != averages_.end())
        return known->second;
    const double average =
        ClassicAverageCharacterWidth([this](char c) { return TextWidth(std::string_view(&c, 1)); });
    averages_.emplace(key, average);
    return average;
}

void WebReportPrinter::Record(const char* kind, val call)
{
    call.set("kind", std::string(kind));
    calls_.call<void>("push", call);
}

void WebReportPrinter::DrawText(double x, double y, std::string_view text)
{
    val call = val::object();
    call.set("page", Page());
    call.set("x", x);
    call.set("y", y);
    call.set("text", std::string(text));
    call.set("font", val(CurrentFont()));  // a ReportFont (ResultBindings.cpp)
    Record("text", call);
}

void WebReportPrinter::DrawVoltagePlot(double x, double y, double width, double height,
                                       const AlongCableResult& result, int units)
{
    Font font = CurrentFont();
    font.Size *= PlotFontScale;
    font.Bold = font.Italic = font.Underline = false;
    val call = val::object();
    call.set("page", Page());
    call.set("x", x);
    call.set("y", y);
    call.set("width", width);
    call.set("height", height);
    call.set("font", val(font));
    call.set("plot", PlotValues(result, units, {x, y, width, height}, WebTextMetrics::PlotMeasureFor(font, TwipsPerPoint)));
    Record("plot", call);
}

void WebReportPrinter::StartNextPage() { Record("newPage"); }

void WebReportPrinter::EndDoc() { Record("end"); }

void WebReportPrinter::KillDoc() { Record("kill"); }
