// ferrolux-calc --pdf as a black box: the report of every loop of each
// example comes out as a PDF of the expected pages, none of them blank,
// without a display.

#include "support/CalcRun.h"
#include "support/QtTestMain.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class QtCalcPdfTest : public QObject {
    Q_OBJECT

    static bool HasInk(const QImage& page)
    {
        const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                if ((line[x] & 0xFFFFFF) != 0xFFFFFF)
                    return true;
        }
        return false;
    }

private slots:
    void everyExamplePrintsToAPdfWithoutADisplay_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pages");
        // One loop fits one page; the sections that do not fit start new pages.
        QTest::newRow("one loop") << "Northgate-Offices" << 0 << 1;
        QTest::newRow("four loops") << "Riverside-Warehouse" << 1 << 3;
        QTest::newRow("other devices") << "Harbour-Hotel" << 0 << 2;
    }

    void everyExamplePrintsToAPdfWithoutADisplay()
    {
        QFETCH(QString, site);
        QFETCH(int, status);
        QFETCH(int, pages);
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        QVERIFY2(!pdftoppm.isEmpty(), "pdftoppm is missing (poppler-utils)");

        CalcRunner calc;
        // No display at all: the calculator must choose the offscreen platform itself.
        calc.Environment["QT_QPA_PLATFORM"] = "";
        calc.Environment["DISPLAY"] = "";
        calc.Environment["WAYLAND_DISPLAY"] = "";
        const std::string pdf = calc.folder.Path(site.toStdString() + ".pdf");
        const CalcRun run = calc.Run({"--pdf", pdf, "--data-root", FERROLUX_TEST_DATA_DIR,
                                      ExamplePath(site.toStdString() + ".QLX")});
        QCOMPARE(run.Status, status);
        QCOMPARE(QString::fromStdString(run.Err), QString());

        const QString pngFolder = QString::fromStdString(calc.folder.Path("png"));
        QVERIFY(QDir().mkpath(pngFolder));
        QProcess render;
        render.start(pdftoppm, {"-png", "-r", "50", QString::fromStdString(pdf), pngFolder + "/page"});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);

        const QStringList rendered = QDir(pngFolder).entryList({"page*.png"}, QDir::Files, QDir::Name);
        QCOMPARE(rendered.size(), pages);
        for (const QString& name : rendered) {
            const QImage page(pngFolder + "/" + name);
            QVERIFY2(!page.isNull(), qPrintable(name));
            QVERIFY2(HasInk(page), qPrintable(name + " is blank"));
        }
    }
};

FERROLUX_QT_TEST(QtCalcPdfTest);
#include "QtCalcPdfTest.moc"
