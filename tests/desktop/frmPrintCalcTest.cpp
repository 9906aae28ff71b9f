#include "desktop/frmPrintCalc.h"

#include "document/CalculationSupport.h"
#include "report/PrintChoices.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"
#include "support/ReportFixture.h"

#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using namespace QtClicks;

class frmPrintCalcTest : public QObject {
    Q_OBJECT

private slots:
    void listsThePanelsLoopsWithTheUsedOnesChosen()
    {
        ReportScenario scenario;
        scenario.UsePanel(ReportScenario::FourLoopPanel);
        scenario.AddDevices(2, ReportScenario::OpticalDetector, 3);
        CalculationSupport::RecalculateAll(scenario.document);
        QPrinter printer;
        frmPrintCalc dialog(scenario.document, printer, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* loops = Control<QListWidget>(dialog, "lstLoop");
        QCOMPARE(Entries(loops), QStringList({"Loop 1", "Loop 2*", "Loop 3", "Loop 4"}));
        QVERIFY(!Control<QPushButton>(dialog, "btnSetup")->isEnabled());
        QCOMPARE(Control<QPushButton>(dialog, "btnPrint")->text(), "&Save as PDF...");
        Click(loops, "Loop 4");
        QCOMPARE(dialog.SelectedLoops(), (std::vector<int>{2, 4}));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void withoutAPrinterTheMainWindowSavesTheReportAsPdf()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        const std::string pdf = site.folder.Path("report.pdf");
        site.chooser.Answer(pdf);
        QStringList offered;
        {
            const QtClicks::WhenModal answering([&offered](QWidget* modal) {
                offered = Entries(Control<QListWidget>(*modal, "lstLoop"));
                QTest::mouseClick(Control<QPushButton>(*modal, "btnPrint"), Qt::LeftButton);
            });
            QTest::mouseClick(Control<QPushButton>(window, "btnPrint"), Qt::LeftButton);
        }
        QCOMPARE(offered.size(), 8);
        QCOMPARE(site.chooser.requests.back().Title, "Save Report as PDF");
        QCOMPARE(site.chooser.requests.back().Preset, site.folder.Path("Documents") + "/Loop Calculation.pdf");
        QVERIFY(std::filesystem::file_size(pdf) > 1000);
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "btnClose"));
        QVERIFY(site.host.boxes.empty());
    }

    void theCommandLinePrintsAFileAndEnds()
    {
        DesktopSite site;
        site.SeenThisVersion();
        const std::string file = site.folder.Path("My Sites/harbour.QLX");
        std::filesystem::create_directories(site.folder.Path("My Sites"));
        std::filesystem::copy_file(std::string(FERROLUX_EXAMPLES_DIR) + "/Riverside-Warehouse.QLX", file);
        const std::string pdf = site.folder.Path("My Sites/harbour.pdf");
        AppContext& app = site.Start("/P \"" + file + "\"");
        QVERIFY(app.Load());
        app.Show();
        QTRY_VERIFY(app.Ended());
        QVERIFY(!app.MainWindow().isVisible());
        QCOMPARE(site.folder.Listing("My Sites"), std::string("harbour.QLX;harbour.pdf;"));
        QCOMPARE(site.host.Texts(), std::vector<std::string>{PdfSavedMessage(pdf)});
    }
};

FERROLUX_QT_TEST(frmPrintCalcTest);
#include "frmPrintCalcTest.moc"
