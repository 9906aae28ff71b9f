#pragma once
// The report printer of the page: it records every drawing call of the
// report (the texts with their places and fonts, the voltage plots laid out
// in their boxes, the page breaks, the end or the abandoning of the
// document) as plain JavaScript values for the page to draw, on an A4 page
// whose whole sheet is printable, as the desktop's PDF is. The text
// metrics are the page's (WebTextMetrics.h).

#include "report/ReportPrinter.h"

#include <emscripten/val.h>

#include <map>
#include <string>
#include <tuple>

class WebReportPrinter : public ReportPrinter {
public:
    WebReportPrinter();

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void EndDoc() override;
    void KillDoc() override;
    std::string DeviceName() const override { return "PDF"; }
    std::string Port() const override { return "the page"; }

    // The calls so far, in their order.
    const emscripten::val& Calls() const { return calls_; }

protected:
    void DrawText(double x, double y, std::string_view text) override;
    void DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                         int units) override;
    void StartNextPage() override;
    double AverageCharacterWidth() const override;

private:
    void Record(const char* kind, emscripten::val call = emscripten::val::object());

    emscripten::val calls_;
    // Measured once per font: the report asks for it at every tab.
    using FontKey = std::tuple<std::string, double, bool, bool, bool>;
    mutable std::map<FontKey, double> averages_;
};
