#include "desktop/frmMain.h"

#include "document/CalculationSupport.h"
#include "document/CommandLine.h"
#include "document/RecentFiles.h"
#include "support/LoopEditorClicks.h"
#include "desktop/frmLoop.h"
#include "support/QtTestMain.h"
#include "support/TestCatalogue.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "desktop/QtHelp.h"
#include "support/QtModal.h"
#include "desktop/QtPanelChooser.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

void Trigger(QWidget& window, const char* action) { Control<QAction>(window, action)->trigger(); }

// The loop rows on show, by their numbers; a row shown only in part is
// listed negated.
QList<int> ShownRows(QWidget& window)
{
    QList<int> shown;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        int visible = 0;
        for (const char* name : {"lblLoop", "lblDevice", "lblQuiescent", "lblAlarm", "lblPassFail"})
            visible += Control<QLabel>(window, QString("%1_%2").arg(name).arg(loop))->isVisibleTo(&window);
        visible += Control<QPushButton>(window, QString("btnChange_%1").arg(loop))->isVisibleTo(&window);
        if (visible == 6)
            shown << loop;
        else if (visible > 0)
            shown << -loop;
    }
    return shown;
}

// Opens the panel outline from the combo box and double-clicks a panel.
void ChoosePanel(frmMain& window, const QString& name)
{
    auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
    QTest::mouseClick(combo, Qt::LeftButton);
    QTreeWidget* outline = combo->Outline();
    QVERIFY(outline->isVisible());
    QTreeWidgetItem* item = Find(outline, name);
    QVERIFY2(item, qPrintable("no panel " + name));
    item->parent()->setExpanded(true);
    Click(outline, item, true);
    QTRY_VERIFY(!outline->isVisible());
    // The choice arrives once the outline is gone; then the layout settles.
    QTest::qWait(20);
}

std::string CurrentPanelName(AppContext& app) { return app.catalogue().CurrentPanelRecord()->Name; }

}  // namespace

class frmMainTest : public QObject {
    Q_OBJECT

private slots:
    void walksASiteFromNameToSavedFile()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
        QCOMPARE(CurrentPanelName(app), "Unknown Panel");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(!app.document().Dirty);

        // The site name: blanks around it are not stored, and Enter moves on
        // to the first loop.
        auto* name = Control<QLineEdit>(window, "txtName");
        QTest::keyClicks(name, "  Harbour Stores  ");
        QCOMPARE(app.document().SiteName, "Harbour Stores");
        QVERIFY(app.document().Dirty);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "btnChange_1"));

        // A two-loop panel from the outline: rows 3 to 8 go.
        ChoosePanel(window, "Quellar QX-2 Two Loop");
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");
        QCOMPARE(Control<QtPanelChooser>(window, "cmbPanel")->currentText(), "Quellar QX-2 Two Loop");
        QCOMPARE(LabelText(window, "lblManufacturer"), "Quellar");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Satisfactory");
        QCOMPARE(LabelText(window, "lblLoop_99"), "Total");
        QCOMPARE(LabelText(window, "lblAlarmNotes"), "(max. permissible = 1000 mA)");
        QVERIFY(!Control<QLabel>(window, "lblAlarmNotes")->isVisibleTo(&window));
        QVERIFY(site.host.boxes.empty());
        Screenshot(&window, "frmMain_twoLoops");

        // Details... opens the loop editor on its loop; closing it moves on
        // to the next loop's button.
        int editedLoop = 0;
        const QtModal::WhenModal answering([&editedLoop](QWidget* modal) {
            if (auto* editor = qobject_cast<frmLoop*>(modal))
                editedLoop = editor->LoopNum();
            QTest::mouseClick(Control<QPushButton>(*modal, "btnCancel"), Qt::LeftButton);
        });
        QTest::mouseClick(Control<QPushButton>(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(editedLoop, 1);
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "btnChange_2"));

        // Devices on loop 2, then a one-loop panel: the question is cancelled
        // and the two-loop panel stays.
        app.document().Loop(2).SetDeviceType(1, 1);
        app.document().Loop(2).SetDeviceType(2, 1);
        CalculationSupport::RecalculateAll(app.document());
        QCOMPARE(LabelText(window, "lblDevice_2"), "2");
        QCOMPARE(LabelText(window, "lblDevice_99"), "2");
        site.host.Answer(MsgResult::Cancel);
        ChoosePanel(window, "Quellar QX-1 Single Loop");
        QCOMPARE(site.host.Texts(), std::vector<std::string>{"Changing to this panel will lose data for loop 2."});
        QCOMPARE(site.host.boxes[0].Caption, "Control Panel change");
        QCOMPARE(site.host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");
        QCOMPARE(Control<QtPanelChooser>(window, "cmbPanel")->currentText(), "Quellar QX-2 Two Loop");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QCOMPARE(app.document().Loop(2).QtyDevices(), 2);

        // Save As names the window and heads the recent files.
        const std::string saved = site.folder.Path("Documents/harbour.stores.QLX");
        std::filesystem::create_directories(site.folder.Path("Documents"));
        site.chooser.Answer(saved);
        Trigger(window, "mnuSaveAs");
        QCOMPARE(site.chooser.requests.back().Title, "Save Configuration Data");
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QVERIFY(std::filesystem::exists(saved));
        QVERIFY(!app.document().Dirty);
        QCOMPARE(app.document().Path, saved);
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");
        QCOMPARE(app.options().GetSettingString("QLX Path"), site.folder.Path("Documents"));
        QCOMPARE(app.options().GetSettingString("mFileRecent1"), saved);
        auto* recent = Control<QAction>(window, "mFileRecent_1");
        QVERIFY(recent->isVisible());
        QVERIFY(Control<QAction>(window, "mFileRecent_0")->isVisible());
        QVERIFY(!Control<QAction>(window, "mFileRecent_2")->isVisible());
        QVERIFY(recent->text().startsWith("&1 "));
        QVERIFY(recent->text().endsWith("harbour.stores.QLX"));
        QVERIFY(recent->text().contains("..."));
        QVERIFY(site.folder.Read("recently-used.xbel").find("harbour.stores.QLX") != std::string::npos);

        // New asks about the unsaved change; No drops it.
        QTest::keyClicks(name, " East");
        QVERIFY(app.document().Dirty);
        site.host.Answer(MsgResult::No);
        Trigger(window, "mnuNew");
        QCOMPARE(site.host.boxes.back().Text, "Configuration data has not been saved.\n\nDo you want to save now?");
        QCOMPARE(site.host.boxes.back().Style, MsgStyle::YesNoCancel + MsgStyle::Exclamation);
        QVERIFY(app.document().Path.empty());
        QVERIFY(app.document().SiteName.empty());
        QVERIFY(name->text().isEmpty());
        QVERIFY(!app.document().Dirty);
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
        QCOMPARE(LabelText(window, "lblDevice_2"), "0");
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");

        // The recent file opens it again, once the unsaved change is dealt
        // with: Cancel keeps it, No drops it.
        QTest::keyClicks(name, "Depot");
        site.host.Answer(MsgResult::Cancel);
        Trigger(window, "mFileRecent_1");
        QVERIFY(app.document().Path.empty());
        QCOMPARE(app.document().SiteName, "Depot");
        site.host.Answer(MsgResult::No);
        Trigger(window, "mFileRecent_1");
        QCOMPARE(site.host.boxes.back().Text, "Configuration data has not been saved.\n\nDo you want to save now?");
        QCOMPARE(app.document().Path, saved);
        QCOMPARE(app.document().SiteName, "Harbour Stores");
        QCOMPARE(name->text(), "Harbour Stores");
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");
        QCOMPARE(LabelText(window, "lblDevice_2"), "2");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QVERIFY(!app.document().Dirty);
        QVERIFY(!app.document().ReadOnly);

        // Opened read-only through File Open, it is not saved under either
        // command, and prints only until it changes.
        site.chooser.Answer(saved, true);
        Trigger(window, "mnuOpen");
        QCOMPARE(site.chooser.requests.back().Title, "Open Configuration Data");
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QVERIFY(app.document().ReadOnly);
        const size_t before = site.host.boxes.size();
        const std::string readOnly = "The configuration data was Opened as 'Read Only'.\n\nIt cannot be saved.";
        Trigger(window, "mnuSave");
        Trigger(window, "mnuSaveAs");
        QCOMPARE(site.host.boxes.size(), before + 2);
        QCOMPARE(site.host.boxes[before].Text, readOnly);
        QCOMPARE(site.host.boxes[before].Style, MsgStyle::Exclamation);
        QCOMPARE(site.host.boxes[before + 1].Text, readOnly);
        QCOMPARE(site.chooser.requests.size(), size_t(2));
        QTest::keyClicks(name, " North");
        Trigger(window, "mnuPrint");
        QCOMPARE(site.host.boxes.back().Text,
                 "The configuration data was Opened as 'Read Only'.\n\nIt cannot be printed after it has been "
                 "changed.");
        // Closing asks nothing about a read-only document.
        const size_t boxes = site.host.boxes.size();
        const int width = window.width();
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(site.host.boxes.size(), boxes);
        // The next start opens the window at this size.
        QCOMPARE(app.options().GetSettingString("Form State"), "Normal");
        QCOMPARE(app.options().GetSettingLong("Form Width"), width);
    }

    // Loop 1 from its Details... button: a device type from the chooser, the
    // refusals of the tables and the cable runs in both unit systems, and
    // the main window following every accepted change.
    void aLoopIsEditedFromItsDetailsButton()
    {
        using namespace LoopEditorClicks;
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();
        // The detectors offered, and the relay bases among the Other Devices.
        for (const int family : {1, 4})
            app.options().SetFamilyShown(app.catalogue(), family, true);
        const std::string optical = "Optical Smoke Detector";
        const QString rangeMessage = "Invalid number of devices!  (Must be between 0 and 126)";
        auto detailsOfLoop1 = [&window](const std::function<void(frmLoop&)>& edit) {
            const QtModal::WhenModal editing("frmLoop", [&edit](QWidget* modal) {
                // Focus moves as on screen once the window is active.
                QVERIFY(QTest::qWaitForWindowActive(modal));
                edit(*qobject_cast<frmLoop*>(modal));
            });
            QTest::mouseClick(Control<QPushButton>(window, "btnChange_1"), Qt::LeftButton);
            QVERIFY(editing.Answered());
        };
        auto addOptical = [&optical](frmLoop& editor) {
            const QtModal::WhenModal choosing("frmDeviceType", [&optical](QWidget* chooser) {
                auto* outline = Control<QTreeWidget>(*chooser, "outDevices");
                QTreeWidgetItem* item = Find(outline, QString::fromStdString(optical));
                QVERIFY(item);
                item->parent()->setExpanded(true);
                Click(outline, item, true);  // a double-click chooses
            });
            QTest::mouseClick(Control<QPushButton>(editor, "btnAdd"), Qt::LeftButton);
            QVERIFY(choosing.Answered());
            // The offscreen platform activates no window when one closes; a
            // desktop hands the activation back to the chooser's parent.
            editor.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor));
        };
        auto boxText = [](frmLoop& editor, const char* box) { return Control<QLineEdit>(editor, box)->text(); };
        const auto& boxes = site.host.boxes;

        detailsOfLoop1([&](frmLoop& editor) {
            QCOMPARE(editor.windowTitle(), "Loop 1");
            addOptical(editor);
            const int row = RowOf(editor, "grdDevices", QString::fromStdString(optical));
            QVERIFY(row >= 0);
            QLineEdit* quantity = OpenBox(editor, "txtDevicesQty");
            QVERIFY(quantity && quantity->hasFocus());
            Type(quantity, "20", Qt::Key_Return);
            QCOMPARE(Cell(editor, "grdDevices", row, 1), "20");
            QCOMPARE(Cell(editor, "grdDevices", row, 2), "6000 \u00B5A");
            QCOMPARE(Cell(editor, "grdDevices", row, 3), "70 mA");
            // The main window's row follows while the editor is open.
            QCOMPARE(LabelText(window, "lblDevice_1"), "20");
            QCOMPARE(LabelText(window, "lblQuiescent_1"), "6000 \u00B5A");
            // Not every detector lights its LED on this panel: the loop's
            // alarm current is the calculation's, the same in both windows.
            const QString alarm = LabelText(editor, "lblAlarm_100");
            QVERIFY(alarm.endsWith(" mA"));
            QCOMPARE(LabelText(window, "lblAlarm_1"), alarm);
            QCOMPARE(LabelText(window, "lblDevice_99"), "20");

            // Above the type's address range: told, and back on the row.
            ClickRow(editor, "grdDevices", row);
            Type(OpenBox(editor, "txtDevicesQty"), "127", Qt::Key_Return);
            QCOMPARE(QString::fromStdString(boxes.back().Text), rangeMessage);
            QCOMPARE(boxes.back().Caption, "Loop 1");
            QCOMPARE(boxes.back().Style, MsgStyle::Exclamation);
            quantity = OpenBox(editor, "txtDevicesQty");
            QVERIFY(quantity && quantity->hasFocus());
            QCOMPARE(quantity->selectedText(), "127");
            QCOMPARE(Control<QTableView>(editor, "grdDevices")->currentIndex().row(), row);
            QCOMPARE(LabelText(window, "lblDevice_1"), "20");
            Type(quantity, "20", Qt::Key_Return);

            // Other Devices: a relay base needs a device with a remote
            // output, an isolator base fits the detectors' base, and one
            // more than there are detectors is a shortfall.
            const int relays = RowOf(editor, "grdOther", "Relay Base");
            QVERIFY(relays >= 0);
            ClickRow(editor, "grdOther", relays);
            Type(OpenBox(editor, "txtOtherQty"), "1", Qt::Key_Return);
            QCOMPARE(QString::fromStdString(boxes.back().Text),
                     "There are no addressable devices that are compatible with Relay Base.");
            QCOMPARE(boxes.back().Caption, "Loop 1");
            QCOMPARE(Cell(editor, "grdOther", relays, 1), "0");
            Type(OpenBox(editor, "txtOtherQty"), "0", Qt::Key_Return);
            const int isolators = RowOf(editor, "grdOther", "Isolator Base");
            QVERIFY(isolators >= 0);
            ClickRow(editor, "grdOther", isolators);
            Type(OpenBox(editor, "txtOtherQty"), "21", Qt::Key_Return);
            QCOMPARE(QString::fromStdString(boxes.back().Text),
                     "There are only 20 Addressable Devices that are compatible with Isolator Base.");
            QCOMPARE(Cell(editor, "grdOther", isolators, 1), "0");
            Type(OpenBox(editor, "txtOtherQty"), "12", Qt::Key_Return);
            QCOMPARE(Cell(editor, "grdOther", isolators, 1), "12");
            QCOMPARE(Cell(editor, "grdOther", isolators, 2), "480 \u00B5A");
            QCOMPARE(LabelText(editor, "lblQuiescent_100"), "6480 \u00B5A");
            QCOMPARE(LabelText(window, "lblQuiescent_1"), "6480 \u00B5A");
            QCOMPARE(LabelText(window, "lblAlarm_1"), LabelText(editor, "lblAlarm_100"));
            // The totals stay under the alarm column however wide the window,
            // and the cable boxes do not give way when it is as small as it goes.
            auto alarmColumnOffset = [&editor] {
                auto* table = Control<QTableView>(editor, "grdDevices");
                QHeaderView* header = table->horizontalHeader();
                const int alarm = 3;
                const int right = header->sectionViewportPosition(alarm) + header->sectionSize(alarm);
                const int column = table->viewport()->mapTo(&editor, QPoint(right, 0)).x();
                auto* total = Control<QLabel>(editor, "lblAlarm_99");
                return total->mapTo(&editor, QPoint(total->width(), 0)).x() - column;
            };
            for (const QSize size : {editor.size(), QSize(0, 0), QSize(1400, 900)}) {
                editor.resize(size);
                QTest::qWait(20);
                QVERIFY2(std::abs(alarmColumnOffset()) < 12, qPrintable(QString::number(alarmColumnOffset())));
                for (const char* box : {"cmbCableSize", "txtTotalLength", "txtFirstLength"}) {
                    QWidget* control = Control<QWidget>(editor, box);
                    QVERIFY2(control->height() >= control->minimumSizeHint().height(), box);
                }
                Screenshot(&editor, QString("frmLoop_bothTables_%1").arg(editor.width()));
            }
            // The longest run is the result; the slider moves the devices
            // along it and the results follow. A thin cable (36 ohms/km, typed
            // as user-defined), so that the run ends before the 3000 m limit.
            auto* cables = Control<QComboBox>(editor, "cmbCableSize");
            cables->setCurrentIndex(cables->count() - 1);
            emit cables->activated(cables->count() - 1);
            Enter(editor, "txtCableImpedance");
            Type(Control<QLineEdit>(editor, "txtCableImpedance"), "36", Qt::Key_Return);
            ClickOption(editor, "optCableRun");
            QVERIFY(!Control<QLineEdit>(editor, "txtTotalLength")->isEnabled());
            auto* slider = Control<QSlider>(editor, "sldDistribution");
            slider->setFocus(Qt::TabFocusReason);
            auto* limit = Control<QLabel>(editor, "lblLimitCableRun");
            QTest::keyClick(slider, Qt::Key_Home);
            QCOMPARE(boxText(editor, "txtTotalLength"), "3000");  // as far as the calculation goes
            QVERIFY(limit->isVisible());
            QCOMPARE(boxText(editor, "txtFirstLength"), "0");
            QApplication::processEvents();  // the layout settles
            const int sliderTop = slider->y();
            QTest::keyClick(slider, Qt::Key_End);
            const QString atOneEnd = boxText(editor, "txtTotalLength");
            QVERIFY2(atOneEnd.toInt() > 0 && atOneEnd.toInt() < 3000, qPrintable(atOneEnd));
            QVERIFY(!limit->isVisible());
            QCOMPARE(boxText(editor, "txtFirstLength"), atOneEnd);
            // The limit's line stays when it goes: nothing jumps under the hand.
            QApplication::processEvents();
            QCOMPARE(slider->y(), sliderTop);
            Screenshot(&editor, "frmLoop_maxCableRun");

            // Cancel: the loop as it was, on the main window too.
            QTest::mouseClick(Control<QPushButton>(editor, "btnCancel"), Qt::LeftButton);
        });
        QCOMPARE(app.document().Loop(1).QtyDevices(), 0);
        QCOMPARE(app.document().Loop(1).CalcType(), 0);
        QCOMPARE(LabelText(window, "lblDevice_1"), "0");
        QCOMPARE(LabelText(window, "lblQuiescent_1"), "0 mA");
        QCOMPARE(LabelText(window, "lblAlarm_1"), "0 mA");

        // OK without a total run asks; the runs are refused beyond 3000 m.
        const size_t before = boxes.size();
        detailsOfLoop1([&](frmLoop& editor) {
            addOptical(editor);
            Type(OpenBox(editor, "txtDevicesQty"), "5", Qt::Key_Return);
            site.host.Answer(MsgResult::No);
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(boxes.back().Text), "You have not specified a Total Cable Run.  Is this correct?");
            QVERIFY(editor.isVisible());
            QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(editor, "txtTotalLength"));
            const struct {
                const char* box;
                const char* typed;
                const char* message;
            } runs[] = {{"txtTotalLength", "3001", "Total cable run must be between 0 and 3000 m!"},
                        {"txtFirstLength", "3001", "Cable run to first device must be between 0 and 3000 m!"}};
            for (const auto& run : runs) {
                Enter(editor, run.box);
                Type(Control<QLineEdit>(editor, run.box), run.typed);
                QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
                QCOMPARE(QString::fromStdString(boxes.back().Text), run.message);
                QVERIFY(editor.isVisible());
                QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(editor, run.box));
                QCOMPARE(Control<QLineEdit>(editor, run.box)->selectedText(), run.typed);
                Type(Control<QLineEdit>(editor, run.box), "250", Qt::Key_Return);
            }
            QCOMPARE(app.document().Loop(1).CableTotal(), 2500);
            QCOMPARE(app.document().Loop(1).CableFirst(), 2500);
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(boxes.size(), before + 3);
        QCOMPARE(LabelText(window, "lblDevice_1"), "5");

        // In feet: 9842 ft is within the 3000 m limit, 9843 ft is not and is
        // the bound the message quotes.
        app.options().SetUnits(1);
        detailsOfLoop1([&](frmLoop& editor) {
            QCOMPARE(boxText(editor, "txtTotalLength"), "820");
            QCOMPARE(Control<QLabel>(editor, "lblTotalLengthUnits")->text(), "feet (ft)");
            const struct {
                const char* box;
                const char* message;
            } runs[] = {{"txtTotalLength", "Total cable run must be between 0 and 9843 ft!"},
                        {"txtFirstLength", "Cable run to first device must be between 0 and 9843 ft!"}};
            for (const auto& run : runs) {
                Enter(editor, run.box);
                Type(Control<QLineEdit>(editor, run.box), "9843", Qt::Key_Return);
                QCOMPARE(QString::fromStdString(boxes.back().Text), run.message);
                QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(editor, run.box));
                Type(Control<QLineEdit>(editor, run.box), "9842", Qt::Key_Return);
            }
            QCOMPARE(app.document().Loop(1).CableTotal(), 29998);
            QCOMPARE(app.document().Loop(1).CableFirst(), 29998);
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(boxes.size(), before + 5);
        QVERIFY(app.document().Dirty);
        app.document().Dirty = false;
    }

    // The "User-Defined Panels" commands: a panel added past every refusal,
    // the panel in use edited down to fewer loops, and the user's panels
    // deleted until none is left to edit or delete.
    void userDefinedPanelsFromTheFileMenu()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();
        auto* edit = Control<QAction>(window, "mnuPanelEdit");
        auto* remove = Control<QAction>(window, "mnuPanelDelete");
        QVERIFY(!edit->isEnabled() && !remove->isEnabled());
        ScriptedMessageHost& host = site.host;
        auto type = [](QWidget& form, const char* box, const QString& text) {
            auto* line = Control<QLineEdit>(form, box);
            line->setFocus();
            line->selectAll();
            QTest::keyClicks(line, text);
            if (text.isEmpty())
                QTest::keyClick(line, Qt::Key_Backspace);
        };
        auto pressOK = [](QWidget& form) { QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton); };
        // The message OK gave, and whether it left the dialog open on the box.
        auto outcome = [&host](QWidget& form) {
            const QString focus = form.focusWidget() ? form.focusWidget()->objectName() : QString();
            return QString::fromStdString(host.boxes.back().Text) + (form.isVisible() ? " | open on " : " | closed ") + focus;
        };

        {
            const QtModal::WhenModal adding("frmPanel", [&](QWidget* modal) {
                QWidget& form = *modal;
                pressOK(form);
                QCOMPARE(outcome(form), "A panel name has not been chosen! | open on txtName");
                QCOMPARE(host.boxes.back().Style, MsgStyle::Exclamation);
                QCOMPARE(host.boxes.back().Caption, "Harvex Ferrolux");
                type(form, "txtName", " unknown PANEL ");
                pressOK(form);
                QCOMPARE(outcome(form), "Each control panel must have unique name.\n\n"
                                                     "There is already a control panel with this name! | open on txtName");
                QCOMPARE(Control<QLineEdit>(form, "txtName")->text(), "unknown PANEL");
                type(form, "txtName", "Harbour Panel");

                // Each number box outside its bounds, then a value it takes.
                // This catalogue has addresses above 126: up to 252 LEDs.
                const struct {
                    const char* box;
                    QStringList wrong;
                    const char* message;
                    const char* right;
                } numbers[] = {
                    {"txtLoops", {"", "0", "9"}, "A Number of Loops between 1 and 8 must be chosen!", "4"},
                    {"txtImpedance", {"", "320.01"}, "A Loop Driver Impedance between 0 and 320 ohms must be chosen!", "2"},
                    {"txtLED", {"0", "253"},
                     "A maximum Number of LED's in alarm between 1 and 252 (normally not more than 20) must be chosen!", "10"},
                    {"txtRemoteLED", {"0", "253"}, "A maximum Number of Remote LED's in alarm between 1 and 252 must be chosen!",
                     "252"},
                    {"txtOutput", {"", "253"}, "A maximum Number of Outputs in alarm between 1 and 252 must be chosen!", "16"},
                    {"txtLoopCurrent", {"0", "10001"}, "A maximum Loop Current between 1 and 10000 mA must be chosen!", "10000"},
                    {"txtTotalCurrent", {"0", "32001"},
                     "A total maximum Loop Current between 1 and 32000 mA must be chosen!", "32000"},
                    {"txtVoltage", {"13.99", "36.01"}, "A minimum Loop Driver Voltage between 14 and 36 V must be chosen!", "14"},
                };
                for (const auto& number : numbers) {
                    for (const QString& wrong : number.wrong) {
                        type(form, number.box, wrong);
                        pressOK(form);
                        QCOMPARE(outcome(form), QString(number.message) + " | open on " + number.box);
                        QCOMPARE(Control<QLineEdit>(form, number.box)->selectedText(), wrong);
                    }
                    type(form, number.box, number.right);
                }

                // No impedance at all, and more than 20 LEDs: each is asked
                // about, and anything but Yes goes back to its box.
                QCOMPARE(host.boxes.size(), size_t(2 + 17));  // the names and the numbers, one box each
                type(form, "txtImpedance", "0");
                type(form, "txtLED", "21");
                host.Answer(MsgResult::No);
                pressOK(form);
                QCOMPARE(outcome(form), "Is the Loop Driver Impedance really this low? | open on txtImpedance");
                QCOMPARE(host.boxes.back().Style, MsgStyle::YesNoCancel + MsgStyle::Question);
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::Cancel);
                pressOK(form);
                QCOMPARE(outcome(form), "Can this panel really turn on more than 20 LED's? | open on txtLED");
                Screenshot(&form, "frmPanel_harbour");
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::Yes);
                pressOK(form);
                QCOMPARE(host.boxes.size(), size_t(19 + 1 + 2 + 2));  // no further refusal on the way
                QVERIFY(!form.isVisible());
            });
            Trigger(window, "mnuPanelAdd");
            QVERIFY(adding.Answered());
        }
        QVERIFY(edit->isEnabled() && remove->isEnabled());
        const auto& panels = app.catalogue().Panels;
        const auto harbour = std::find_if(panels.begin(), panels.end(),
                                          [](const PanelRecord& panel) { return panel.Name == "Harbour Panel"; });
        QVERIFY(harbour != panels.end());
        const PanelRecord& stored = *harbour;
        QCOMPARE(int(stored.Loops), 4);
        QCOMPARE(int(stored.DriverImpedance), 0);
        QCOMPARE(int(stored.AlarmLEDs), 21);
        QCOMPARE(int(stored.MaxTotalCurrent), 32000);
        QCOMPARE(int(stored.MinLoopVoltage), 1400);
        {
            const QtModal::WhenModal adding("frmPanel", [&](QWidget* modal) {
                type(*modal, "txtName", "Quay Panel");
                pressOK(*modal);
            });
            Trigger(window, "mnuPanelAdd");
        }

        // The new panel in use, with devices on loops 3 and 4.
        ChoosePanel(window, "Harbour Panel");
        QCOMPARE(CurrentPanelName(app), "Harbour Panel");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4}));
        for (const int loop : {3, 4})
            app.document().Loop(loop).SetDeviceType(1, 1);
        CalculationSupport::RecalculateAll(app.document());
        QCOMPARE(LabelText(window, "lblDevice_99"), "2");
        app.document().Dirty = false;

        // Edited down to two loops: Cancel to the loss keeps the dialog on the
        // loops; OK loses loops 3 and 4 and the main window follows.
        {
            QStringList listed;
            const QtModal::WhenModal listing("frmDeletePanels", [&](QWidget* list) {
                listed = Entries(Control<QListWidget>(*list, "lstPanels"));
                Click(Control<QListWidget>(*list, "lstPanels"), "Harbour Panel");
                QTest::mouseClick(Control<QPushButton>(*list, "btnDelete"), Qt::LeftButton);
            });
            const QtModal::WhenModal editing("frmPanel", [&](QWidget* modal) {
                QWidget& form = *modal;
                QCOMPARE(Control<QLineEdit>(form, "txtName")->text(), "Harbour Panel");
                type(form, "txtLoops", "2");
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::Cancel);
                pressOK(form);
                QCOMPARE(outcome(form), "Changing to this panel will lose data for loops 3 to 4. | open on txtLoops");
                QCOMPARE(host.boxes.back().Caption, "Control Panel change");
                QCOMPARE(app.document().Loop(3).QtyDevices(), 1);
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::Yes);
                host.Answer(MsgResult::OK);
                pressOK(form);
                QVERIFY(!form.isVisible());
            });
            Trigger(window, "mnuPanelEdit");
            QVERIFY(editing.Answered());
            QCOMPARE(listed, QStringList({"Harbour Panel", "Quay Panel"}));
        }
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QCOMPARE(app.document().Loop(3).QtyDevices(), 0);
        QCOMPARE(LabelText(window, "lblDevice_99"), "0");
        QVERIFY(app.document().Dirty);
        QCOMPARE(CurrentPanelName(app), "Harbour Panel");

        // The panel in use is not deleted; once another is chosen, both go
        // and the list closes with the last.
        auto deleting = [&](const std::function<void(QWidget&)>& step) {
            const QtModal::WhenModal answering("frmDeletePanels", [&step](QWidget* list) { step(*list); });
            Trigger(window, "mnuPanelDelete");
            QVERIFY(answering.Answered());
        };
        deleting([&](QWidget& list) {
            Click(Control<QListWidget>(list, "lstPanels"), "Harbour Panel");
            QTest::mouseClick(Control<QPushButton>(list, "btnDelete"), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(host.boxes.back().Text),
                     "The current Loop Calculation is using this panel, it cannot be deleted!");
            QTest::mouseClick(Control<QPushButton>(list, "btnClose"), Qt::LeftButton);
        });
        QVERIFY(edit->isEnabled() && remove->isEnabled());
        ChoosePanel(window, "Unknown Panel");
        QStringList left;
        deleting([&](QWidget& list) {
            auto* panels = Control<QListWidget>(list, "lstPanels");
            Click(panels, "Harbour Panel");
            QTest::mouseClick(Control<QPushButton>(list, "btnDelete"), Qt::LeftButton);
            left = Entries(panels);
            Screenshot(&list, "frmDeletePanels_lastOne");
            QVERIFY(list.isVisible());
            ClickIndex(panels, panels->model()->index(0, 0), true);
        });
        QCOMPARE(left, QStringList({"Quay Panel"}));
        QVERIFY(!edit->isEnabled() && !remove->isEnabled());
        auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
        QTest::mouseClick(combo, Qt::LeftButton);
        QVERIFY(!Find(combo->Outline(), "Quay Panel") && !Find(combo->Outline(), "Harbour Panel"));
        QTest::keyClick(combo->Outline(), Qt::Key_Escape);
        app.document().Dirty = false;
    }

    void choosingPanelsFromTheOutline()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();

        ChoosePanel(window, "Unknown Panel");
        QVERIFY(!app.document().Dirty);
        QVERIFY(site.host.boxes.empty());

        // A click shows a panel without choosing it; Escape goes back, and
        // the arrow keys do nothing in the combo box itself.
        auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        QTreeWidget* outline = combo->Outline();
        QVERIFY(outline->isVisible());
        QCOMPARE(outline->currentItem()->text(0), "Unknown Panel");
        QVERIFY(outline->currentItem()->parent()->isExpanded());
        Screenshot(outline, "frmMain_outPanel");
        QTreeWidgetItem* eight = Find(outline, "Quellar QX-8 Eight Loop");
        eight->parent()->setExpanded(true);
        Click(outline, eight);
        QCOMPARE(combo->currentText(), "Quellar QX-8 Eight Loop");
        QVERIFY(outline->isVisible());
        QTest::keyClick(outline, Qt::Key_Escape);
        QVERIFY(!outline->isVisible());
        QCOMPARE(combo->currentText(), "Unknown Panel");
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), "Unknown Panel");

        // Enter on a panel chooses it.
        QTest::keyClick(combo, Qt::Key_F4);
        Click(outline, eight);
        QTest::keyClick(outline, Qt::Key_Return);
        QTRY_COMPARE(CurrentPanelName(app), "Quellar QX-8 Eight Loop");
        QVERIFY(app.document().Dirty);
        app.document().Dirty = false;
        Screenshot(&window, "frmMain_eightLoops");

        // Devices on loops 3 and 5, then a two-loop panel: Cancel keeps the
        // eight loops, OK loses loops 3 to 8 and the rows follow.
        app.document().Loop(3).SetDeviceType(1, 1);
        app.document().Loop(5).SetDeviceType(1, 1);
        CalculationSupport::RecalculateAll(app.document());
        QCOMPARE(LabelText(window, "lblDevice_99"), "2");
        const std::string loss = "Changing to this panel will lose data for loops 3 to 8.";
        site.host.Answer(MsgResult::Cancel);
        ChoosePanel(window, "Quellar QX-2 Two Loop");
        QCOMPARE(site.host.Texts(), std::vector<std::string>{loss});
        QCOMPARE(CurrentPanelName(app), "Quellar QX-8 Eight Loop");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(!app.document().Dirty);
        site.host.Answer(MsgResult::OK);
        ChoosePanel(window, "Quellar QX-2 Two Loop");
        QCOMPARE(site.host.Texts(), std::vector<std::string>({loss, loss}));
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QCOMPARE(app.document().Loop(3).QtyDevices(), 0);
        QCOMPARE(app.document().Loop(5).QtyDevices(), 0);
        QCOMPARE(LabelText(window, "lblDevice_99"), "0");
        QVERIFY(app.document().Dirty);
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
    }

    void aQuotedFileNameWithBlanksOpensFromTheCommandLine()
    {
        DesktopSite site;
        site.SeenThisVersion();
        const std::string file = site.folder.Path("My Sites/Riverside Warehouse.QLX");
        std::filesystem::create_directories(site.folder.Path("My Sites"));
        std::filesystem::copy_file(std::string(FERROLUX_EXAMPLES_DIR) + "/Riverside-Warehouse.QLX", file);
        QVERIFY(site.ShowMainWindow("\"" + file + "\""));
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();
        QTest::qWait(20);

        QVERIFY(site.host.boxes.empty());
        QVERIFY(!app.Ended());
        QCOMPARE(app.document().Path, file);
        QVERIFY(!app.document().Dirty);
        QCOMPARE(window.windowTitle(), "Riverside Warehouse - Harvex Ferrolux");
        QCOMPARE(Control<QLineEdit>(window, "txtName")->text(), "Riverside Warehouse");
        QCOMPARE(CurrentPanelName(app), "Quellar QX-4 Four Loop");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4}));
        QCOMPARE(LabelText(window, "lblDevice_1"), "46");
        QCOMPARE(LabelText(window, "lblAlarm_4"), "305 mA");
        QCOMPARE(LabelText(window, "lblPassFail_4"), "Volt Drop Too High");
        QCOMPARE(LabelText(window, "lblDevice_99"), "180");
        QCOMPARE(LabelText(window, "lblAlarm_99"), "852 mA");
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Not Satisfactory");
        QCOMPARE(app.options().GetSettingString("mFileRecent1"), file);
        Screenshot(&window, "frmMain_riverside");
    }

    void theAlarmNoteShowsWhenTheTotalIsTooHigh()
    {
        // A window of its own over a small catalogue: two loops of 300 mA
        // each on a panel that supplies 500 mA in all.
        TestCatalogue catalogue;
        PanelRecord panel;
        panel.Name = "Small Two Loop";
        panel.Loops = 2;
        panel.MaxLoopCurrent = 400;
        panel.MaxTotalCurrent = 500;
        panel.MinLoopVoltage = 2400;
        panel.AlarmLEDs = panel.RemoteLEDs = panel.Outputs = 10;
        catalogue.AddCurrentPanel(panel);
        const int16_t sounder = catalogue.AddDeviceType({.Name = "Sounder", .Quiescent = 1000, .Alarm = 300000});
        Document document(catalogue);
        ScratchFolder folder;
        SettingsStore store(folder.Path("settings.conf"));
        Options options(store);
        RecentFiles recent(options);
        ScriptedMessageHost host;
        ScriptedFileChooser chooser;
        const QtHelp help("index.html", [](const QUrl&) {});
        const DataFiles files = DataFiles::FromRoot(folder.Root());
        frmMain window({catalogue, options, document, files, host, recent, chooser, help, folder.Root(),
                        [] { return false; }});
        window.FillPanelChooser();
        window.show();

        document.Loop(1).SetDeviceType(1, sounder);
        CalculationSupport::RecalculateAll(document);
        QVERIFY(!Control<QLabel>(window, "lblAlarmNotes")->isVisible());
        document.Loop(2).SetDeviceType(1, sounder);
        CalculationSupport::RecalculateAll(document);
        QCOMPARE(LabelText(window, "lblAlarm_99"), "600 mA");
        QVERIFY(Control<QLabel>(window, "lblAlarmNotes")->isVisible());
        QCOMPARE(LabelText(window, "lblAlarmNotes"), "(max. permissible = 500 mA)");
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Not Satisfactory");
        QCOMPARE(LabelText(window, "lblPassFail_1"), "Loop Satisfactory");
        Screenshot(&window, "frmMain_alarmNote");
        window.Unload();
    }

    void helpMenuOpensItsTopics()
    {
        DesktopSite site;
        site.SeenThisVersion();
        AppContext& app = site.Start();
        QVERIFY(app.Load());
        frmMain& window = app.MainWindow();
        for (const char* item : {"mnuHelpContents", "mnuHelpGlossary", "mnuHelpHelp", "mnuHelpContact"})
            Trigger(window, item);
        QStringList anchors;
        for (const QUrl& url : site.helpOpened) {
            QCOMPARE(url.toLocalFile(), QString::fromStdString(site.folder.Path("help/index.html")));
            anchors << url.fragment();
        }
        QCOMPARE(anchors, QStringList({"contents", "topic-37", "using-help", "topic-47"}));
        QCOMPARE(Control<QAction>(window, "mnuHelpContact")->text(), "Contacting &Harvex...");
    }

    void anUnknownCommandLineOptionIsToldAndEndsTheRun()
    {
        DesktopSite site;
        site.SeenThisVersion();
        AppContext& app = site.Start("/x site.QLX");
        QVERIFY(app.Load());
        app.Show();
        QTRY_VERIFY(app.Ended());
        QCOMPARE(site.host.Texts(), std::vector<std::string>{UnknownOptionMessage('x')});
        QCOMPARE(site.host.boxes[0].Text, "Command line option not recognised.\r\r'/x'");
        QCOMPARE(site.host.boxes[0].Style, MsgStyle::Exclamation);
        QCOMPARE(site.host.boxes[0].Caption, "Harvex Ferrolux");
        QVERIFY(!app.MainWindow().isVisible());
    }
};

FERROLUX_QT_TEST(frmMainTest);
#include "frmMainTest.moc"
