#include "desktop/QtPrinter.h"

#include "desktop/QtVoltagePlot.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

constexpr double TwipsPerInch = 1440;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool PrintsToFile(const QPrinter& printer) { return !printer.outputFileName().isEmpty(); }

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer, QString shownFile) : printer_(printer), shownFile_(std::move(shownFile)) {}

QtPrinter::~QtPrinter()
{
    // A report that neither ended nor was abandoned (a failure on the way)
    // is abandoned, so that no half document is printed.
    if (started_ && !finished_)
        KillDoc();
}

void QtPrinter::ConfigureForPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // A file has no unprintable border: the whole sheet is the printable
    // area, and the report keeps its own half-inch margins.
    printer.setFullPage(true);
}

QString QtPrinter::AvailableFamily(const QString& requested)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(requested, Qt::CaseInsensitive))
        return requested;
    // Same widths as Arial first, then the sans serif nearly every system has.
    for (const QString& fallback : {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")})
        if (installed.contains(fallback, Qt::CaseInsensitive))
            return fallback;
    return requested;
}

QFont QtPrinter::CurrentQFont() const
{
    const Font& font = CurrentFont();
    // Looked up once per family: the report measures text all the time.
    const QString requested = QString::fromStdString(font.Name);
    if (requested != requestedFamily_) {
        requestedFamily_ = requested;
        drawnFamily_ = AvailableFamily(requested);
    }
    QFont qfont(drawnFamily_);
    qfont.setPointSizeF(font.Size);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    return qfont;
}

double QtPrinter::ToTwips(double deviceUnits) const { return deviceUnits * TwipsPerInch / printer_.resolution(); }

double QtPrinter::ToDevice(double twips) const { return twips * printer_.resolution() / TwipsPerInch; }

double QtPrinter::ScaleWidth() const
{
    return ToTwips(printer_.pageLayout().paintRectPixels(printer_.resolution()).width());
}

double QtPrinter::ScaleHeight() const
{
    return ToTwips(printer_.pageLayout().paintRectPixels(printer_.resolution()).height());
}

double QtPrinter::TextWidth(std::string_view text) const
{
    return ToTwips(QFontMetricsF(CurrentQFont(), &printer_).horizontalAdvance(ToQString(text)));
}

double QtPrinter::TextHeight(std::string_view) const
{
    return ToTwips(QFontMetricsF(CurrentQFont(), &printer_).height());
}

double QtPrinter::AverageCharacterWidth() const
{
    const QFontMetricsF metrics(CurrentQFont(), &printer_);
    return ToTwips(ClassicAverageCharacterWidth([&metrics](char c) { return metrics.horizontalAdvance(QChar(c)); }));
}

bool QtPrinter::EnsureStarted()
{
    if (!started_ && !finished_)
        started_ = painter_.begin(&printer_);
    return started_ && !finished_;
}

void QtPrinter::DrawText(double x, double y, std::string_view text)
{
    if (!EnsureStarted())
        return;
    const QFont font = CurrentQFont();
    painter_.setFont(font);
    // The printer object places text by its top; the painter by its baseline.
    const double ascent = QFontMetricsF(font, &printer_).ascent();
    painter_.drawText(QPointF(ToDevice(x), ToDevice(y) + ascent), ToQString(text));
}

void QtPrinter::DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                                int units)
{
    if (!EnsureStarted())
        return;
    QFont font = CurrentQFont();
    font.setPointSizeF(font.pointSizeF() * PlotFontScale);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    painter_.setFont(font);
    PaintVoltagePlot(painter_, QRectF(ToDevice(x), ToDevice(y), ToDevice(width), ToDevice(height)), result, units);
}

void QtPrinter::StartNextPage()
{
    if (EnsureStarted())
        printer_.newPage();
}

void QtPrinter::EndDoc()
{
    // An empty report still comes out, as one blank page.
    if (EnsureStarted())
        painter_.end();
    finished_ = true;
}

void QtPrinter::KillDoc()
{
    if (started_ && !finished_) {
        const bool aborted = printer_.abort();
        painter_.end();
        // A file that cannot be aborted is removed instead.
        if (!aborted && PrintsToFile(printer_))
            QFile::remove(printer_.outputFileName());
    }
    finished_ = true;
}

std::string QtPrinter::DeviceName() const
{
    return PrintsToFile(printer_) ? std::string("PDF") : printer_.printerName().toStdString();
}

std::string QtPrinter::Port() const
{
    if (PrintsToFile(printer_))
        return (shownFile_.isEmpty() ? printer_.outputFileName() : shownFile_).toStdString();
    const QString location = QPrinterInfo::printerInfo(printer_.printerName()).location();
    return location.isEmpty() ? std::string("CUPS") : location.toStdString();
}
