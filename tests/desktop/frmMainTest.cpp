#include "desktop/frmMain.h"

#include "desktop/frmLoop.h"
#include "desktop/QtPanelChooser.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <filesystem>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

void Trigger(QWidget& window, const char* action) { Control<QAction>(window, action)->trigger(); }

// The loop rows on show, by their numbers.
QList<int> ShownRows(QWidget& window)
{
    QList<int> shown;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        if (Control(window, QString("btnChange_%1").arg(loop))->isVisibleTo(&window) &&
            Control(window, QString("lblPassFail_%1").arg(loop))->isVisibleTo(&window))
            shown << loop;
    return shown;
}

// Opens the panel outline from the combo box and double-clicks a panel.
void ChoosePanel(frmMain& window, const QString& name)
{
    auto* combo = Control<QtPanelChooser>(window, "cmbPanel");
    QTest::mouseClick(combo, Qt::LeftButton);
    Click(combo->Outline(), name, true);
    QTRY_VERIFY(!combo->Outline()->isVisible());
    QTest::qWait(20);  // the choice arrives once the outline is gone
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
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(window.focusWidget(), Control(window, "btnChange_1"));

        ChoosePanel(window, "Quellar QX-2 Two Loop");
        QCOMPARE(Control<QtPanelChooser>(window, "cmbPanel")->currentText(), "Quellar QX-2 Two Loop");
        QCOMPARE(LabelText(window, "lblManufacturer"), "Quellar");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));

        // Details... opens the editor on its loop: a typed quantity and cable
        // length reach the main window, which then moves on to the next loop.
        int editedLoop = 0;
        const QtClicks::WhenModal editing([&](QWidget* modal) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            auto& editor = *qobject_cast<frmLoop*>(modal);
            editedLoop = editor.LoopNum();
            ClickRow(editor, "grdDevices", 0);

            Type(OpenBox(editor, "txtDevicesQty"), "3", Qt::Key_Return);
            auto* length = Control<QLineEdit>(editor, "txtTotalLength");
            length->setFocus(Qt::TabFocusReason);  // as Tab leaves it, all selected
            length->selectAll();
            Type(length, "100", Qt::Key_Return);
            QTest::mouseClick(Control(editor, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(editedLoop, 1);
        QCOMPARE(window.focusWidget(), Control(window, "btnChange_2"));
        QCOMPARE(LabelText(window, "lblDevice_1"), "3");
        QCOMPARE(LabelText(window, "lblDevice_99"), "3");
        QCOMPARE(LabelText(window, "lblPassFail_99"), "Design Satisfactory");

        // Save As: a folder in the way is told and the name asked again.
        const std::string saved = site.folder.Path("Documents/harbour.stores.QLX");
        std::filesystem::create_directories(site.folder.Path("Documents/in the way.QLX"));
        site.chooser.Answer(site.folder.Path("Documents/in the way.QLX"));
        site.chooser.Answer(saved);
        Trigger(window, "mnuSaveAs");
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(site.chooser.requests.size(), size_t(2));
        QCOMPARE(site.chooser.requests.back().Title, "Save Configuration Data");
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QVERIFY(!app.document().Dirty);
        QCOMPARE(window.windowTitle(), "harbour - Harvex Ferrolux");
        auto* recent = Control<QAction>(window, "mFileRecent_1");
        QVERIFY(recent->isVisible() && !Control<QAction>(window, "mFileRecent_2")->isVisible());
        QVERIFY(recent->text().startsWith("&1 ") && recent->text().endsWith("harbour.stores.QLX"));

        // New asks about the unsaved change; No drops it.
        QTest::keyClicks(name, " East");
        site.host.Answer(MsgResult::No);
        Trigger(window, "mnuNew");
        QCOMPARE(boxes.size(), size_t(2));
        QVERIFY(app.document().Path.empty() && name->text().isEmpty());
        QCOMPARE(window.windowTitle(), "Harvex Ferrolux");
        QCOMPARE(LabelText(window, "lblDevice_1"), "0");

        // The recent file opens it again as it was saved.
        Trigger(window, "mFileRecent_1");
        QCOMPARE(app.document().Path, saved);
        QCOMPARE(name->text(), "Harbour Stores");
        QCOMPARE(LabelText(window, "lblDevice_1"), "3");
        QCOMPARE(ShownRows(window), QList<int>({1, 2}));

        // Closing with an unsaved change: Cancel stays, Yes saves and keeps the old file as the backup.
        QTest::keyClicks(name, " West");
        site.host.Answer(MsgResult::Cancel);
        window.close();
        QVERIFY(window.isVisible());
        site.host.Answer(MsgResult::Yes);
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(boxes.size(), size_t(4));
        QVERIFY(site.folder.Read("Documents/harbour.stores.QLX").find("Harbour Stores West") != std::string::npos);
        QVERIFY(site.folder.Read("Documents/harbour.stores.BAK").find("Harbour Stores\"") != std::string::npos);
    }
};

FERROLUX_QT_TEST(frmMainTest);
#include "frmMainTest.moc"
