#include "desktop/frmMain.h"

#include "desktop/frmLoop.h"
#include "desktop/QtPanelChooser.h"
#include "document/AlongCableVerdict.h"
#include "document/CalculationSupport.h"
#include "document/LoopPlacement.h"
#include "document/LoopResults.h"
#include "report/Schedules.h"
#include "support/CalcRun.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

void Trigger(QWidget& window, const char* action) { Control<QAction>(window, action)->trigger(); }

// Whether the rows of loops 2 and 3 are on show.
QPair<bool, bool> ShowsLoops2And3(QWidget& window)
{
    return {Control(window, "lblPassFail_2")->isVisibleTo(&window),
            Control(window, "lblPassFail_3")->isVisibleTo(&window)};
}

}  // namespace

class frmMainTest : public QObject {
    Q_OBJECT

private slots:
    void walksASiteFromNameToSavedFile()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();

        auto* name = Control<QLineEdit>(window, "txtName");
        QTest::keyClicks(name, "Harbour Stores");

        // The panel chosen from the combo box's outline shows its two loops.
        auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
        const QSignalSpy chosen(combo, &QtPanelChooser::panelChosen);
        QTest::mouseClick(combo, Qt::LeftButton);
        Click(combo->Outline(), "Quellar QX-2 Two Loop", true);
        QTRY_COMPARE(chosen.count(), 1);  // the choice arrives once the outline is gone
        QCOMPARE(ShowsLoops2And3(window), qMakePair(true, false));

        // Details... opens the editor on its loop: a typed quantity and cable
        // length reach the document and the screen; focus moves to the next loop.
        const QtClicks::WhenModal editing([&](QWidget* modal) {
            auto& editor = *qobject_cast<frmLoop*>(modal);
            // The offscreen platform may still hand the closed panel outline
            // a late activation; the click that opens the box is then repeated.
            QLineEdit* quantity = nullptr;
            QTRY_VERIFY((ClickRow(editor, "grdDevices", 0), quantity = OpenBox(editor, "txtDevicesQty")) != nullptr);
            Type(quantity, "3", Qt::Key_Return);
            auto* length = Control<QLineEdit>(editor, "txtTotalLength");
            length->setFocus(Qt::TabFocusReason);  // as Tab leaves it, all selected
            length->selectAll();
            Type(length, "100", Qt::Key_Return);
            QTest::mouseClick(Control(editor, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(app.document().Loop(1).CableTotal(), 1000);
        QCOMPARE(window.focusWidget(), Control(window, "btnChange_2"));
        QCOMPARE(LabelText(window, "lblDevice_1"), "3");
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Satisfactory");
        // Three devices without distances, every check passing: a grey hint.
        QVERIFY(LabelText(window, "lblAlongCable_1").startsWith("Placed evenly, "));
        QVERIFY(Control(window, "lblAlongCable_1")->styleSheet().isEmpty());

        // Save As asks for the name in the documents folder.
        const std::string saved = site.folder.Path("Documents/harbour.stores.QLX");
        site.chooser.Answer(saved);
        Trigger(window, "mnuSaveAs");
        QCOMPARE(site.chooser.asked.back(), site.folder.Path("Documents"));
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");

        // New asks about the unsaved change; No drops it.
        QTest::keyClicks(name, " East");
        site.host.Answer(MsgResult::No);
        Trigger(window, "mnuNew");
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QVERIFY(app.document().Path.empty() && name->text().isEmpty());
        QCOMPARE(LabelText(window, "lblDevice_1"), "0");

        // The recent file opens it again as it was saved.
        Trigger(window, "mFileRecent_1");
        QCOMPARE(name->text(), "Harbour Stores");
        QCOMPARE(LabelText(window, "lblDevice_1"), "3");
        QCOMPARE(ShowsLoops2And3(window), qMakePair(true, false));

        // Closing with an unsaved change: Cancel stays, Yes saves (the backup is the document writer's).
        QTest::keyClicks(name, " West");
        site.host.Answer(MsgResult::Cancel);
        window.close();
        QVERIFY(window.isVisible());
        site.host.Answer(MsgResult::Yes);
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(site.host.boxes.size(), size_t(3));
        QVERIFY(site.folder.Read("Documents/harbour.stores.QLX").find("Harbour Stores West") != std::string::npos);
    }

    // The Edit menu names the steps it would take; Ctrl+Z and Ctrl+Y away
    // from the site name undo and redo its typing, and a loop copied through
    // Copy Loop To is shown in its row until it is undone.
    void undoesRedoesAndCopiesALoopFromTheEditMenu()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(ExamplePath("Riverside-Warehouse.QLX")));
        frmMain& window = site.app->MainWindow();
        auto* name = Control<QLineEdit>(window, "txtName");
        QTest::keyClicks(name, " East");

        auto* edit = Control<QMenu>(window, "mnuEdit");
        auto* undo = Control<QAction>(window, "mnuUndo");
        auto* redo = Control<QAction>(window, "mnuRedo");
        window.menuBar()->setActiveAction(edit->menuAction());
        QTRY_VERIFY(edit->isVisible());
        QCOMPARE(undo->text(), "&Undo Site Name");
        QVERIFY(!redo->isEnabled());
        edit->close();
        // The offscreen platform leaves the closed menu the active window.
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &window);

        auto* loop1 = Control(window, "btnChange_1");
        loop1->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(loop1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(name->text(), "Riverside Warehouse");
        QVERIFY(!site.app->document().Dirty);
        QCOMPARE(redo->text(), "&Redo Site Name");
        QTest::keyClick(loop1, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(name->text(), "Riverside Warehouse East");

        // The dialog offers the panel's four loops, loop 1's row current.
        int offered = 0;
        const QtClicks::WhenModal copying([&](QWidget* modal) {
            QCOMPARE(Control<QComboBox>(*modal, "cboFrom")->currentData().toInt(), 1);
            auto* to = Control<QComboBox>(*modal, "cboTo");
            offered = to->count();
            to->setCurrentIndex(to->findData(4));
            SaveScreen(*modal, "dlgCopyLoop");
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
        });
        // The copy's name and the question before loop 4's devices go are the main window core's.
        site.host.Answer(MsgResult::Yes);
        Trigger(window, "mnuCopyLoop");
        QCOMPARE(offered, 4);
        QCOMPARE(LabelText(window, "lblLoopName_4"), "Offices (copy)");
        QCOMPARE(undo->text(), "&Undo Copy Loop 1 to Loop 4");
        Trigger(window, "mnuUndo");
        QCOMPARE(LabelText(window, "lblLoopName_4"), "Yard and loading bays");
        QCOMPARE(undo->text(), "&Undo Site Name");
    }

    // A site whose devices have their distances: each loop's row says how it
    // fares along the cable, in the verdict's colours. The window is kept as
    // a picture under the build folder to be looked at.
    void showsEachLoopAlongTheCable()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(ExamplePath("Northgate-Offices.QLX")));
        frmMain& window = site.app->MainWindow();
        QCOMPARE(LabelText(window, "lblAlongCable_1"),
                 QString::fromStdString(AlongCableVerdictFor(site.app->document(), 1).Text));
        QCOMPARE(Control(window, "lblAlongCable_1")->styleSheet(), "color: #17692e;");
        QTest::qWait(50);  // the layout takes the loaded texts' widths
        SaveScreen(window, "frmMain-Northgate");
    }

    // A loop whose last isolator section has 34 points (the panel allows 32)
    // passes its verdict, yet its row and its editor say in red words what
    // fails along the cable (the words are the verdict's), the row's tip
    // listing every check.
    void tellsAnIsolatorSectionOverItsLimitInWords()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow());
        Document& document = site.app->document();
        const Catalogue& catalogue = document.Catalog();
        std::string message;
        QVERIFY(LoopPlacement::PlaceDevices(document, 1, catalogue.FindDeviceType("Optical Smoke Detector"), 36, message));
        QVERIFY(LoopPlacement::PlaceDevices(document, 1, catalogue.FindDeviceType("Manual Call Point with Isolator"), 2,
                                            message));
        // The isolators (addresses 37 and 38) as the 2nd and 5th devices: 1, 3 and 34 points.
        document.Loop(1).SetAddressOrder(37, 2);
        document.Loop(1).SetAddressOrder(38, 5);
        document.Loop(1).SetCableTotal(2000);
        CalculationSupport::RecalculateAll(document);
        frmMain& window = site.app->MainWindow();
        const AlongCableVerdict along = AlongCableVerdictFor(document, 1);
        QVERIFY(!along.Pass());
        QCOMPARE(LabelText(window, "lblAlongCable_1"), QString::fromStdString(along.Text));
        QCOMPARE(Control(window, "lblAlongCable_1")->styleSheet(), "color: #a50e0e;");
        QVERIFY(Control(window, "lblAlongCable_1")->toolTip().contains("section 3: 34 points, limit 32"));
        QTest::qWait(50);  // the layout takes the texts' widths
        SaveScreen(window, "frmMain-SectionOverItsLimit");

        // The editor says the same on its line, in red (it follows the
        // recalculations as its plot does).
        const QtClicks::WhenModal editing([&](QWidget* modal) {
            auto* line = Control<QLabel>(*modal, "lblAlongCable");
            QCOMPARE(line->text(), QString::fromStdString(AlongCableLine(along)));
            QVERIFY(line->styleSheet().contains("#a50e0e"));
            SaveScreen(*modal, "frmLoop-SectionOverItsLimit");
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(site.host.boxes.size(), size_t(0));
    }

    // File > Export asks for the file, suggested beside the site, and writes
    // the schedule there; the open document, under any of its names, is
    // refused with a box before anything is written.
    void exportsTheSchedulesFromTheFileMenu()
    {
        DesktopSite site;
        const std::string document = site.CopyExample("Harbour-Hotel.QLX", "Sites/harbour.QLX");
        const std::string bytes = site.folder.Read("Sites/harbour.QLX");
        QVERIFY(site.ShowMainWindow(document));
        frmMain& window = site.app->MainWindow();
        site.chooser.Answer(site.folder.Path("Sites/devices.csv"));
        Trigger(window, "mnuExportDevices");
        QCOMPARE(site.chooser.asked.back(), site.folder.Path("Sites/harbour - Devices.csv"));
        QCOMPARE(site.folder.Read("Sites/devices.csv"), Schedules::DeviceScheduleCsv(site.app->document()));
        QCOMPARE(Control<QStatusBar>(window, "sbrStatus")->currentMessage().toStdString(),
                 Schedules::ScheduleWrittenMessage(Schedules::Schedule::Devices, site.folder.Path("Sites/devices.csv")));

        const std::string another = site.folder.Path("Sites/./harbour.QLX");
        site.chooser.Answer(another);
        Trigger(window, "mnuExportDevices");
        QCOMPARE(site.host.boxes.size(), size_t(1));  // the core's refusal, worded in its test
        QCOMPARE(site.folder.Read("Sites/harbour.QLX"), bytes);
        QCOMPARE(site.folder.Listing("Sites"), std::string("devices.csv;harbour.QLX;"));
    }
};

FERROLUX_QT_TEST(frmMainTest);
#include "frmMainTest.moc"
