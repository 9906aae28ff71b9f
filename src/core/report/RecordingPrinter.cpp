#include "report/RecordingPrinter.h"

#include "loop/AlongCable.h"

namespace {

// Twips per point of font size: 120 wide and 240 high at 12 points.
constexpr double CharacterWidthPerPoint = 10;
constexpr double LineHeightPerPoint = 20;

}  // namespace

RecordingPrinter::RecordingPrinter(double pageWidth, double pageHeight, std::string deviceName, std::string port)
    : pageWidth_(pageWidth), pageHeight_(pageHeight), deviceName_(std::move(deviceName)), port_(std::move(port))
{
}

size_t RecordingPrinter::CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)  // not a continuation byte
            ++count;
    return count;
}

double RecordingPrinter::TextWidth(std::string_view text) const
{
    return static_cast<double>(CharacterCount(text)) * AverageCharacterWidth();
}

double RecordingPrinter::TextHeight(std::string_view) const { return FontSize() * LineHeightPerPoint; }

double RecordingPrinter::AverageCharacterWidth() const { return FontSize() * CharacterWidthPerPoint; }

void RecordingPrinter::DrawText(double x, double y, std::string_view text)
{
    printed_.push_back({Page(), x, y, std::string(text), CurrentFont()});
}

void RecordingPrinter::DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                                       int)
{
    plots_.push_back({Page(), x, y, width, height, result.Points.size()});
}
