#include "report/PlotFiles.h"

#include "catalogues/Catalogue.h"
#include "desktop/QtHeadless.h"
#include "desktop/QtPrinter.h"
#include "desktop/QtVoltagePlot.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "platform/OutputFile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// A plot the width of a page's text and half as high, in pixels.
constexpr int PlotWidth = 960;
constexpr int PlotHeight = 540;
constexpr int TextPixels = 15;

void Paint(QPaintDevice& device, const AlongCableResult& result, int units)
{
    QPainter painter(&device);
    QFont font(QtPrinter::AvailableFamily(QStringLiteral("Arial")));
    font.setPixelSize(TextPixels);
    painter.setFont(font);
    const QRectF bounds(0, 0, PlotWidth, PlotHeight);
    painter.fillRect(bounds, Qt::white);
    PaintVoltagePlot(painter, bounds.adjusted(TextPixels, TextPixels, -TextPixels, -TextPixels), result, units);
}

QByteArray Svg(const AlongCableResult& result, int units, const QString& title)
{
    QBuffer bytes;
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(QSize(PlotWidth, PlotHeight));
    svg.setViewBox(QRect(0, 0, PlotWidth, PlotHeight));
    svg.setTitle(title);
    Paint(svg, result, units);
    return bytes.data();
}

QByteArray Png(const AlongCableResult& result, int units)
{
    QImage image(PlotWidth, PlotHeight, QImage::Format_RGB32);
    Paint(image, result, units);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    image.save(&bytes, "PNG");
    return bytes.data();
}

bool Write(const std::string& path, const QByteArray& bytes, std::string& error)
{
    std::string reason = "the image could not be drawn";
    if (!bytes.isEmpty() &&
        FileSystem::WriteOutputFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), reason))
        return true;
    error = "unable to write the plot '" + path + "': " + reason;
    return false;
}

}  // namespace

bool WriteVoltagePlots(const Document& document, int units, const std::string& folder, bool png, std::string& error)
{
    const QtHeadless headless;
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int loops = std::clamp(panel ? static_cast<int>(panel->Loops) : 0, 0, Document::LoopCount);
    for (int loop = 1; loop <= loops; ++loop) {
        const AlongCableResult result = CalculationSupport::AnalyseAlongCable(document, loop);
        if (result.Empty())
            continue;
        const QString title = QStringLiteral("Loop %1 along the cable").arg(loop);
        if (!Write(PlotFilePath(folder, loop, "svg"), Svg(result, units, title), error) ||
            (png && !Write(PlotFilePath(folder, loop, "png"), Png(result, units), error)))
            return false;
    }
    return true;
}
