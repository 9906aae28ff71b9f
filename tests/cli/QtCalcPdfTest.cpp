// ferrolux-calc --pdf as a black box: the report of every loop of a four-loop
// site comes out as a PDF of the expected pages, none of them blank, without
// a display.

#include "support/CalcRun.h"
#include "support/QtTestMain.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class QtCalcPdfTest : public QObject {
    Q_OBJECT

private slots:
    void aSitePrintsToAPdfWithoutADisplay()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        CalcRunner calc;
        // No display at all: the calculator must choose the offscreen platform itself.
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            calc.Environment[variable] = "";
        const std::string pdf = calc.folder.Path("Riverside.pdf");
        const CalcRun run =
            calc.Run({"--pdf", pdf, "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Riverside-Warehouse.QLX")});
        QCOMPARE(run.Status, 1);  // the design's verdict
        QCOMPARE(QString::fromStdString(run.Err), QString());

        const QString pngFolder = QString::fromStdString(calc.folder.Path(""));
        QProcess render;
        render.start(pdftoppm, {"-png", "-r", "50", QString::fromStdString(pdf), pngFolder + "/page"});
        QVERIFY(render.waitForFinished(60000));
        // The summary and four loops, each with its spare capacity, its block
        // along the cable and its plot: each loop starts a page and its plot,
        // which does not fit under it, starts its own; the power supply
        // section, last, fits under the last plot.
        const QStringList rendered = QDir(pngFolder).entryList({"page*.png"}, QDir::Files, QDir::Name);
        QCOMPARE(rendered.size(), 9);
        for (const QString& name : rendered) {
            const QImage page = QImage(pngFolder + "/" + name).convertToFormat(QImage::Format_RGB32);
            QImage blank(page.size(), QImage::Format_RGB32);
            blank.fill(Qt::white);
            QVERIFY2(!page.isNull() && page != blank, qPrintable(name + " is blank"));
        }
    }
};

FERROLUX_QT_TEST(QtCalcPdfTest);
#include "QtCalcPdfTest.moc"
