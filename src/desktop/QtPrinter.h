#pragma once
// The report printer on Qt: a QPrinter (a real printer or a PDF file) drawn
// with a QPainter. Twips are mapped to the printer's device units; the page's
// printable area is the report's page. The painter starts with the first
// text, so a report cancelled before it prints anything leaves no trace.

#include "report/ReportPrinter.h"

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

class QtPrinter : public ReportPrinter {
public:
    // Prints on `printer` as the caller has set it up; it must outlive this
    // object. A PDF written through a temporary file is named by the file
    // it becomes, `shownFile`.
    explicit QtPrinter(QPrinter& printer, QString shownFile = {});
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // Sets up a printer to write an A4 PDF file instead of printing, the
    // whole sheet printable.
    static void ConfigureForPdf(QPrinter& printer, const QString& path);

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void EndDoc() override;
    void KillDoc() override;
    // A PDF is described as "PDF" on its file name, a printer by its name
    // on its location (the print system's nearest thing to a port).
    std::string DeviceName() const override;
    std::string Port() const override;

    // The family drawn for a requested one: when it is not installed, a
    // metric-compatible sans serif that is.
    static QString AvailableFamily(const QString& requested);

protected:
    void DrawText(double x, double y, std::string_view text) override;
    void DrawVoltagePlot(double x, double y, double width, double height, const AlongCableResult& result,
                         int units) override;
    void StartNextPage() override;
    double AverageCharacterWidth() const override;

private:
    QFont CurrentQFont() const;
    double ToTwips(double deviceUnits) const;
    double ToDevice(double twips) const;
    bool EnsureStarted();

    QPrinter& printer_;
    QPainter painter_;
    QString shownFile_;
    mutable QString requestedFamily_;
    mutable QString drawnFamily_;
    bool started_ = false;
    bool finished_ = false;
};
