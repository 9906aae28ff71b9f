#include "desktop/QtPrinter.h"

#include "report/Printing.h"
#include "support/QtTestMain.h"
#include "support/ReportFixture.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class QtPrinterTest : public QObject {
    Q_OBJECT

    // The text of a PDF as poppler reads it.
    static QString PdfText(const QString& path)
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            return "pdftotext is missing (poppler-utils)";
        QProcess process;
        process.start(pdftotext, {"-layout", path, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    // The report to a PDF, and a cancelled one that leaves no file.
    void printsTheReportToAPdf()
    {
        QTemporaryDir folder;
        for (const bool cancel : {false, true}) {
            const QString path = folder.filePath(cancel ? "Cancelled.pdf" : "Northgate.pdf");
            QPrinter pdf(QPrinter::HighResolution);
            QtPrinter::ConfigureForPdf(pdf, path);
            QtPrinter printer(pdf);
            ReportScenario site;
            site.AddDevices(1, ReportScenario::OpticalDetector, 5);
            site.AddOthers(1, ReportScenario::RemoteIndicator, 2);
            site.progress.cancelAfterPageTexts = cancel ? 1 : -1;
            QCOMPARE(site.Print({1}, printer), cancel ? PrinterErrorCancelled : 0);
            QCOMPARE(QFile::exists(path), !cancel);
        }
        const QString text = PdfText(folder.filePath("Northgate.pdf"));
        for (const char* expected : {"Design Satisfactory", "Remote Indicator"})
            QVERIFY2(text.contains(expected), qPrintable(text));
    }

    // The sheet of a PDF in twips.
    void measuresTheSheetInTwips()
    {
        QPrinter pdf(QPrinter::HighResolution);
        QtPrinter::ConfigureForPdf(pdf, QDir::temp().filePath("unused.pdf"));
        QtPrinter printer(pdf);
        QVERIFY(qAbs(printer.ScaleWidth() - 11906) < 10 && qAbs(printer.ScaleHeight() - 16838) < 10);
        printer.KillDoc();
    }
};

FERROLUX_QT_TEST(QtPrinterTest);

#include "QtPrinterTest.moc"
