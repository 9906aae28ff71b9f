#pragma once
// A printer that records what is printed instead of printing it, with
// fixed-pitch metrics: at 12 points every character is 120 twips wide and
// every line 240 twips high, both scaling with the font size. Used to check
// report layouts without a printer.

#include "report/ReportPrinter.h"

#include <string>
#include <vector>

class RecordingPrinter : public ReportPrinter {
public:
    // A4 portrait with the whole sheet printable.
    static constexpr double A4Width = 11906;
    static constexpr double A4Height = 16838;

    // One piece of text as printed: its top-left corner in twips from the
    // top-left of the page's printable area, and its font.
    struct PrintedText {
        int Page = 1;
        double X = 0;
        double Y = 0;
        std::string Text;
        Font TextFont;
    };

    // One voltage plot as drawn: its box in twips as for text, and the
    // loop's number of points.
    struct PrintedPlot {
        int Page = 1;
        double X = 0;
        double Y = 0;
        double Width = 0;
        double Height = 0;
        size_t Points = 0;
    };

    explicit RecordingPrinter(double pageWidth = A4Width, double pageHeight = A4Height,
                              std::string deviceName = "Recorder", std::string port = "FILE:");

    double ScaleWidth() const override { return pageWidth_; }
    double ScaleHeight() const override { return pageHeight_; }
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void EndDoc() override { ended_ = true; }
    void KillDoc() override { abandoned_ = true; }
    std::string DeviceName() const override { return deviceName_; }
    std::string Port() const override { return port_; }

    const std::vector<PrintedText>& Printed() const { return printed_; }
    const std::vector<PrintedPlot>& Plots() const { return plots_; }
    bool Ended() const { return ended_; }
    bool Abandoned() const { return abandoned_; }

    // Characters of one printed text (UTF-8 sequences count once).
    static size_t CharacterCount(std::string_view text);

protected:
    void DrawText(double x, double y, std::string_view text) override;
    void DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                         int units) override;
    void StartNextPage() override {}
    double AverageCharacterWidth() const override;

private:
    double pageWidth_;
    double pageHeight_;
    std::string deviceName_;
    std::string port_;
    std::vector<PrintedText> printed_;
    std::vector<PrintedPlot> plots_;
    bool ended_ = false;
    bool abandoned_ = false;
};
