#include "desktop/frmPrintCalc.h"

#include "forms/MainWindowCore.h"
#include "report/PrintChoices.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <filesystem>

using namespace QtClicks;

class frmPrintCalcTest : public QObject {
    Q_OBJECT

private slots:
    void withoutAPrinterTheMainWindowSavesTheReportAsPdf()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        const std::string pdf = site.folder.Path("report.pdf");
        site.chooser.Answer(pdf);
        int offered = 0;
        {
            const QtClicks::WhenModal answering([&offered](QWidget* modal) {
                offered = Control<QListWidget>(*modal, "lstLoop")->count();
                QTest::mouseClick(Control<QPushButton>(*modal, "btnPrint"), Qt::LeftButton);
            });
            QTest::mouseClick(Control<QPushButton>(window, "btnPrint"), Qt::LeftButton);
        }
        QCOMPARE(offered, 8);
        QCOMPARE(site.chooser.asked.back(), site.folder.Path("Documents") + "/Loop Calculation.pdf");
        QVERIFY(std::filesystem::file_size(pdf) > 1000);
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(Control<QStatusBar>(window, "sbrStatus")->currentMessage().toStdString(), PdfWrittenMessage(pdf));
    }

    // The open document chosen as the PDF (here through a symbolic link) is
    // refused with the core's box, and stays as it was.
    void thePdfIsNeverWrittenOverTheOpenDocument()
    {
        DesktopSite site;
        const std::string document = site.CopyExample("Northgate-Offices.QLX", "Sites/northgate.QLX");
        const std::string bytes = site.folder.Read("Sites/northgate.QLX");
        const std::string link = site.folder.Path("Sites/northgate.pdf");
        std::filesystem::create_symlink("northgate.QLX", link);
        QVERIFY(site.ShowMainWindow(document));
        frmMain& window = site.app->MainWindow();
        site.chooser.Answer(link);
        {
            const QtClicks::WhenModal answering([](QWidget* modal) {
                QTest::mouseClick(Control<QPushButton>(*modal, "btnPrint"), Qt::LeftButton);
            });
            QTest::mouseClick(Control<QPushButton>(window, "btnPrint"), Qt::LeftButton);
        }
        ScriptedMessageHost refusal;  // the main window core's, worded in its test
        QVERIFY(MainWindowCore::OutputRefused(site.app->document(), "PDF", link, refusal));
        QCOMPARE(site.host.Texts(), refusal.Texts());
        QCOMPARE(site.folder.Read("Sites/northgate.QLX"), bytes);
        QCOMPARE(site.folder.Listing("Sites"), std::string("northgate.QLX;northgate.pdf;"));
    }

    void theCommandLinePrintsAFileAndEnds()
    {
        DesktopSite site;
        const std::string file = site.CopyExample("Riverside-Warehouse.QLX", "My Sites/harbour.QLX");
        const std::string pdf = site.folder.Path("My Sites/harbour.pdf");
        AppContext& app = site.Start("/P \"" + file + "\"");
        QVERIFY(app.Load());
        app.Show();
        QTRY_VERIFY(app.Ended() && !app.MainWindow().isVisible());
        QCOMPARE(site.folder.Listing("My Sites"), std::string("harbour.QLX;harbour.pdf;"));
        QCOMPARE(site.host.Texts(), std::vector<std::string>{PdfSavedMessage(pdf)});
    }
};

FERROLUX_QT_TEST(frmPrintCalcTest);
#include "frmPrintCalcTest.moc"
