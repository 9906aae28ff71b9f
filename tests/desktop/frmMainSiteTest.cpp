#include "desktop/frmLoop.h"
#include "support/DesktopSite.h"
#include "support/LoopEditorClicks.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include <filesystem>

using namespace LoopEditorClicks;
using QtClicks::Control;

class frmMainSiteTest : public QObject {
    Q_OBJECT

private slots:
    // A designer's first hour with Northgate, opened by a name relative to
    // the folder the program started in.
    void northgateFromHelpToANewSite()
    {
        DesktopSite site;
        site.SeenThisVersion();
        site.helpInWindow = true;
        site.environment.HelpIndex = FERROLUX_HELP_INDEX;
        const std::string file = site.folder.Path("sites/Elm.QLX");
        std::filesystem::create_directories(site.folder.Path("sites"));
        std::filesystem::copy_file(std::string(FERROLUX_EXAMPLES_DIR) + "/Northgate-Offices.QLX", file);
        const QString started = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(site.folder.Root()));
        const bool shown = site.ShowMainWindow("sites/Elm.QLX");
        QDir::setCurrent(started);
        QVERIFY(shown);
        frmMain& window = site.app->MainWindow();
        Document& document = site.app->document();
        QCOMPARE(site.app->options().GetSettingString("mFileRecent1"), file);
        QVERIFY(Control<QAction>(window, "mFileRecent_1")->text().endsWith("/sites/Elm.QLX"));
        QCOMPARE(Control<QLabel>(window, "lblLoopName_1")->text(), "Ground and first floor");

        // F1 opens the program's own help; the glossary is scrolled to, and
        // Back goes to the page before.
        window.activateWindow();  // the offscreen platform leaves it to the test after the open
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QWidget* help = nullptr;
        QTRY_VERIFY((help = QApplication::activeWindow()) && help->objectName() == "frmHelp");
        auto* browser = Control<QTextBrowser>(*help, "txtHelp");
        QCOMPARE(browser->source().fragment(), "contents");
        Control<QAction>(window, "mnuHelpGlossary")->trigger();
        QVERIFY(browser->verticalScrollBar()->value() > 0);
        QTest::mouseClick(Control<QPushButton>(*help, "btnBack"), Qt::LeftButton);
        QCOMPARE(browser->source().fragment(), "contents");

        // In loop 1's editor, Escape ends the quantity edit, and a second one
        // cancels the loop and its new name.
        auto editLoop1 = [&window](const std::function<void(frmLoop&)>& edit) {
            const QtModal::WhenModal editing("frmLoop", [&edit](QWidget* modal) {
                QVERIFY(QTest::qWaitForWindowActive(modal));
                edit(*qobject_cast<frmLoop*>(modal));
            });
            QTest::mouseClick(Control<QPushButton>(window, "btnChange_1"), Qt::LeftButton);
            QVERIFY(editing.Answered());
        };
        const QString longName = "Basement plant rooms, car park levels B1 to B3 and the loading ramp";
        editLoop1([&](frmLoop& editor) {
            Enter(editor, "txtLoopName");
            Type(Control<QLineEdit>(editor, "txtLoopName"), "Yard");
            QCOMPARE(editor.windowTitle(), "Loop 1 - Yard");
            const QString secondRow = Cell(editor, "grdDevices", 1, 1);
            ClickRow(editor, "grdDevices", 0);
            Type(OpenBox(editor, "txtDevicesQty"), "30", Qt::Key_Return);
            Type(OpenBox(editor, "txtDevicesQty"), "9", Qt::Key_Escape);
            QVERIFY(editor.isVisible() && !OpenBox(editor, "txtDevicesQty"));
            QCOMPARE(Cell(editor, "grdDevices", 0, 1), "30");
            QCOMPARE(Control<QLabel>(window, "lblDevice_1")->text(), "70");  // the main window follows
            QCOMPARE(Cell(editor, "grdDevices", 1, 1), secondRow);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!editor.isVisible());
        });
        QCOMPARE(document.LoopName(1), "Ground and first floor");
        QCOMPARE(document.Loop(1).QtyDevices(), 40);
        editLoop1([&](frmLoop& editor) {
            Enter(editor, "txtLoopName");
            Type(Control<QLineEdit>(editor, "txtLoopName"), longName);
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
        });
        auto* name = Control<QLabel>(window, "lblLoopName_1");
        QVERIFY(longName.startsWith(name->text().chopped(1)) && name->text().endsWith(QChar(0x2026)));
        QCOMPARE(name->toolTip(), longName);

        // A new site: Save offers the site's name.
        document.Dirty = false;
        Control<QAction>(window, "mnuNew")->trigger();
        QTest::keyClicks(Control<QLineEdit>(window, "txtName"), "Yard: North/South");
        Control<QAction>(window, "mnuSave")->trigger();
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QCOMPARE(site.chooser.requests.back().Preset, "Yard_ North_South.QLX");
        document.Dirty = false;
    }
};

FERROLUX_QT_TEST(frmMainSiteTest);
#include "frmMainSiteTest.moc"
