#include "desktop/frmMain.h"

#include "document/CalculationSupport.h"
#include "document/CommandLine.h"
#include "desktop/frmLoop.h"
#include "desktop/QtPanelChooser.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

void Trigger(QWidget& window, const char* action) { Control<QAction>(window, action)->trigger(); }

// The loop rows on show, by their numbers; a row shown only in part is listed negated.
QList<int> ShownRows(QWidget& window)
{
    QList<int> shown;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        int visible = Control<QPushButton>(window, QString("btnChange_%1").arg(loop))->isVisibleTo(&window);
        for (const char* name : {"lblLoop", "lblDevice", "lblQuiescent", "lblAlarm", "lblPassFail"})
            visible += Control<QLabel>(window, QString("%1_%2").arg(name).arg(loop))->isVisibleTo(&window);
        if (visible > 0)
            shown << (visible == 6 ? loop : -loop);
    }
    return shown;
}

// Opens the panel outline from the combo box and double-clicks a panel.
void ChoosePanel(frmMain& window, const QString& name)
{
    auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
    QTest::mouseClick(combo, Qt::LeftButton);
    QTreeWidget* outline = combo->Outline();
    QTreeWidgetItem* item = Find(outline, name);
    QVERIFY2(item, qPrintable("no panel " + name));
    item->parent()->setExpanded(true);
    Click(outline, item, true);
    QTRY_VERIFY(!outline->isVisible());
    QTest::qWait(20);  // the choice arrives once the outline is gone
}

std::string CurrentPanelName(AppContext& app) { return app.catalogue().CurrentPanelRecord()->Name; }

void PlaceDevice(AppContext& app, std::initializer_list<int> loops)
{
    for (const int loop : loops)
        app.document().Loop(loop).SetDeviceType(1, 1);
    CalculationSupport::RecalculateAll(app.document());
}

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
        const auto& boxes = site.host.boxes;
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));

        auto* name = Control<QLineEdit>(window, "txtName");
        QTest::keyClicks(name, "  Harbour Stores  ");
        QCOMPARE(app.document().SiteName, "Harbour Stores");
        QVERIFY(app.document().Dirty);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "btnChange_1"));

        ChoosePanel(window, "Quellar QX-2 Two Loop");
        QCOMPARE(Control<QtPanelChooser>(window, "cmbPanel")->currentText(), "Quellar QX-2 Two Loop");
        QCOMPARE(LabelText(window, "lblManufacturer"), "Quellar");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Satisfactory");
        QCOMPARE(LabelText(window, "lblAlarmNotes"), "(max. permissible = 1000 mA)");
        QVERIFY(!Control<QLabel>(window, "lblAlarmNotes")->isVisibleTo(&window));

        // Details... opens the editor on its loop; closing it moves on to the next loop.
        int editedLoop = 0;
        const QtModal::WhenModal answering([&editedLoop](QWidget* modal) {
            editedLoop = qobject_cast<frmLoop*>(modal)->LoopNum();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::mouseClick(Control<QPushButton>(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(editedLoop, 1);
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "btnChange_2"));

        // A device on loop 2; Cancel to losing it keeps the two-loop panel.
        PlaceDevice(app, {2});
        QCOMPARE(LabelText(window, "lblDevice_2"), "1");
        QCOMPARE(LabelText(window, "lblDevice_99"), "1");
        site.host.Answer(MsgResult::Cancel);
        ChoosePanel(window, "Quellar QX-1 Single Loop");
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(CurrentPanelName(app), "Quellar QX-2 Two Loop");
        QCOMPARE(Control<QtPanelChooser>(window, "cmbPanel")->currentText(), "Quellar QX-2 Two Loop");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));

        // Save As: a folder in the way is told and the name asked again.
        const std::string saved = site.folder.Path("Documents/harbour.stores.QLX");
        std::filesystem::create_directories(site.folder.Path("Documents/in the way.QLX"));
        site.chooser.Answer(site.folder.Path("Documents/in the way.QLX"));
        site.chooser.Answer(saved);
        Trigger(window, "mnuSaveAs");
        QCOMPARE(boxes.size(), size_t(2));
        QCOMPARE(site.chooser.requests.size(), size_t(2));
        QCOMPARE(site.chooser.requests.back().Title, "Save Configuration Data");
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QVERIFY(!app.document().Dirty);
        QCOMPARE(app.document().Path, saved);
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");
        QCOMPARE(app.options().GetSettingString("mFileRecent1"), saved);
        auto* recent = Control<QAction>(window, "mFileRecent_1");
        QVERIFY(recent->isVisible() && !Control<QAction>(window, "mFileRecent_2")->isVisible());
        QVERIFY(recent->text().startsWith("&1 ") && recent->text().endsWith("harbour.stores.QLX"));
        QVERIFY(site.folder.Read("recently-used.xbel").find("harbour.stores.QLX") != std::string::npos);

        // New asks about the unsaved change; No drops it.
        QTest::keyClicks(name, " East");
        site.host.Answer(MsgResult::No);
        Trigger(window, "mnuNew");
        QCOMPARE(boxes.size(), size_t(3));
        QVERIFY(app.document().Path.empty() && name->text().isEmpty() && !app.document().Dirty);
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
        QCOMPARE(LabelText(window, "lblDevice_2"), "0");

        // The recent file opens it again once the unsaved change is dealt with.
        QTest::keyClicks(name, "Depot");
        site.host.Answer(MsgResult::Cancel);
        Trigger(window, "mFileRecent_1");
        QCOMPARE(app.document().SiteName, "Depot");
        site.host.Answer(MsgResult::No);
        Trigger(window, "mFileRecent_1");
        QCOMPARE(boxes.size(), size_t(5));
        QCOMPARE(app.document().Path, saved);
        QCOMPARE(name->text(), "Harbour Stores");
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");
        QCOMPARE(LabelText(window, "lblDevice_2"), "1");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));

        // Opened read-only, it is not saved under either command, nor printed once changed.
        site.chooser.Answer(saved, true);
        Trigger(window, "mnuOpen");
        QCOMPARE(site.chooser.requests.back().Title, "Open Configuration Data");
        QVERIFY(app.document().ReadOnly);
        Trigger(window, "mnuSave");
        Trigger(window, "mnuSaveAs");
        QTest::keyClicks(name, " North");
        Trigger(window, "mnuPrint");
        QCOMPARE(boxes.size(), size_t(8));
        QCOMPARE(site.chooser.requests.size(), size_t(3));

        // Closing with an unsaved change: Cancel stays, Yes saves and keeps the old file as the backup.
        Trigger(window, "mFileRecent_1");
        QVERIFY(!app.document().ReadOnly);
        QTest::keyClicks(name, " West");
        site.host.Answer(MsgResult::Cancel);
        window.close();
        QVERIFY(window.isVisible());
        site.host.Answer(MsgResult::Yes);
        const int width = window.width();
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(boxes.size(), size_t(10));
        QVERIFY(site.folder.Read("Documents/harbour.stores.QLX").find("Harbour Stores West") != std::string::npos);
        QVERIFY(site.folder.Read("Documents/harbour.stores.BAK").find("Harbour Stores\"") != std::string::npos);
        QCOMPARE(app.options().GetSettingString("Form State"), "Normal");
        QCOMPARE(app.options().GetSettingLong("Form Width"), width);
    }

    // The "User-Defined Panels" commands: panels added, one in use, and deleted until none is left.
    void userDefinedPanelsFromTheFileMenu()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        AppContext& app = *site.app;
        frmMain& window = app.MainWindow();
        const auto& boxes = site.host.boxes;
        auto* edit = Control<QAction>(window, "mnuPanelEdit");
        auto* remove = Control<QAction>(window, "mnuPanelDelete");
        QVERIFY(!edit->isEnabled() && !remove->isEnabled());
        auto type = [](QWidget& form, const char* box, const QString& text) {
            auto* line = Control<QLineEdit>(form, box);
            line->setFocus();
            line->selectAll();
            QTest::keyClicks(line, text);
        };
        auto pressOK = [](QWidget& form) { QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton); };
        auto add = [&](const QString& name, bool refusedFirst) {
            const QtModal::WhenModal adding("frmPanel", [&](QWidget* form) {
                if (refusedFirst) {
                    pressOK(*form);
                    QCOMPARE(boxes.size(), size_t(1));
                    QVERIFY(form->isVisible());
                    QCOMPARE(form->focusWidget()->objectName(), "txtName");
                }
                type(*form, "txtName", name);
                type(*form, "txtLoops", "4");
                type(*form, "txtTotalCurrent", "1");
                pressOK(*form);
                QVERIFY(!form->isVisible());
            });
            Trigger(window, "mnuPanelAdd");
            QVERIFY(adding.Answered());
        };
        add("Harbour Panel", true);
        add("Quay Panel", false);
        QVERIFY(edit->isEnabled() && remove->isEnabled());

        // In use with devices on loops 3 and 4, over the panel's 1 mA in all.
        ChoosePanel(window, "Harbour Panel");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4}));
        PlaceDevice(app, {3, 4});
        QCOMPARE(LabelText(window, "lblDevice_99"), "2");
        QVERIFY(Control<QLabel>(window, "lblAlarmNotes")->isVisible());
        QCOMPARE(LabelText(window, "lblAlarmNotes"), "(max. permissible = 1 mA)");

        // The panel in use is not deleted; once another is chosen, both go
        // and the list closes with the last.
        bool listOpen = false;
        auto deleting = [&](const QString& panel) {
            const QtModal::WhenModal answering("frmDeletePanels", [&](QWidget* list) {
                Click(Control<QListWidget>(*list, "lstPanels"), panel);
                QTest::mouseClick(Control<QPushButton>(*list, "btnDelete"), Qt::LeftButton);
                listOpen = list->isVisible();
            });
            Trigger(window, "mnuPanelDelete");
            QVERIFY(answering.Answered());
        };
        deleting("Harbour Panel");
        QCOMPARE(boxes.size(), size_t(2));
        QVERIFY(listOpen);
        ChoosePanel(window, "Unknown Panel");
        deleting("Harbour Panel");
        QVERIFY(listOpen);
        deleting("Quay Panel");
        QVERIFY(!listOpen);
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

        // A click shows a panel without choosing it; Escape goes back, and
        // the arrow keys do nothing in the combo box itself.
        auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        QTreeWidget* outline = combo->Outline();
        QVERIFY(outline->isVisible());
        QCOMPARE(outline->currentItem()->text(0), "Unknown Panel");
        QTreeWidgetItem* eight = Find(outline, "Quellar QX-8 Eight Loop");
        eight->parent()->setExpanded(true);
        Click(outline, eight);
        QCOMPARE(combo->currentText(), "Quellar QX-8 Eight Loop");
        QTest::keyClick(outline, Qt::Key_Escape);
        QVERIFY(!outline->isVisible());
        QCOMPARE(combo->currentText(), "Unknown Panel");
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), "Unknown Panel");
        QVERIFY(!app.document().Dirty);

        // F4 opens it, Enter chooses.
        QTest::keyClick(combo, Qt::Key_F4);
        Click(outline, eight);
        QTest::keyClick(outline, Qt::Key_Return);
        QTRY_COMPARE(CurrentPanelName(app), "Quellar QX-8 Eight Loop");
        QVERIFY(app.document().Dirty);

        app.document().Dirty = false;
    }

    void aQuotedFileNameWithBlanksOpensFromTheCommandLine()
    {
        DesktopSite site;
        site.SeenThisVersion();
        const std::string file = site.folder.Path("My Sites/Riverside Warehouse.QLX");
        std::filesystem::create_directories(site.folder.Path("My Sites"));
        std::filesystem::copy_file(std::string(FERROLUX_EXAMPLES_DIR) + "/Riverside-Warehouse.QLX", file);
        QVERIFY(site.ShowMainWindow("\"" + file + "\""));
        frmMain& window = site.app->MainWindow();
        QTest::qWait(20);
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(window.windowTitle(), "Riverside Warehouse - Harvex Ferrolux");
        QCOMPARE(Control<QLineEdit>(window, "txtName")->text(), "Riverside Warehouse");
        QCOMPARE(ShownRows(window), QList<int>({1, 2, 3, 4}));
        QCOMPARE(LabelText(window, "lblDevice_1"), "46");
        QCOMPARE(LabelText(window, "lblAlarm_4"), "305 mA");
        QCOMPARE(LabelText(window, "lblPassFail_4"), "Volt Drop Too High");
        QCOMPARE(LabelText(window, "lblAlarm_99"), "852 mA");
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Not Satisfactory");
        QCOMPARE(site.app->options().GetSettingString("mFileRecent1"), file);
        Screenshot(&window, "frmMain_riverside");
    }

    void aSiteCutShortOpensWithWhatItHoldsAndSaysSo()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        // Broken off in the middle of loop 2's first device record.
        std::ifstream example(std::string(FERROLUX_EXAMPLES_DIR) + "/Riverside-Warehouse.QLX", std::ios::binary);
        const std::string whole{std::istreambuf_iterator<char>(example), {}};
        const size_t loop2Device = whole.find("Device", whole.find("[Loop2]"));
        site.chooser.Answer(site.folder.Write("Documents/Riverside copy.QLX", whole.substr(0, loop2Device + 12)));
        Trigger(window, "mnuOpen");
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QCOMPARE(window.windowTitle(), "Riverside copy - Harvex Ferrolux");
        QCOMPARE(LabelText(window, "lblDevice_1"), "46");
        QCOMPARE(LabelText(window, "lblDevice_2"), "0");
    }

    void helpMenuOpensItsTopics()
    {
        DesktopSite site;
        site.SeenThisVersion();
        AppContext& app = site.Start();
        QVERIFY(app.Load());
        for (const char* item : {"mnuHelpContents", "mnuHelpGlossary", "mnuHelpHelp", "mnuHelpContact"})
            Trigger(app.MainWindow(), item);
        QStringList anchors;
        for (const QUrl& url : site.helpOpened) {
            QCOMPARE(url.toLocalFile(), QString::fromStdString(site.folder.Path("help/index.html")));
            anchors << url.fragment();
        }
        QCOMPARE(anchors, QStringList({"contents", "topic-37", "using-help", "topic-47"}));
        QCOMPARE(Control<QAction>(app.MainWindow(), "mnuHelpContact")->text(), "Contacting &Harvex...");
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
        QVERIFY(!app.MainWindow().isVisible());
    }
};

FERROLUX_QT_TEST(frmMainTest);
#include "frmMainTest.moc"
