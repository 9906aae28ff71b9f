#include "windows/frmMain.h"

#include "loop_editor/frmLoop.h"
#include "support/QtTestMain.h"
#include "windows/DesktopSite.h"
#include "windows/QtClicks.h"
#include "windows/QtModal.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using QtClicks::Control;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

// Opens loop 1's editor from its Details... button and hands it to `edit`.
void EditLoop1(frmMain& window, const std::function<void(frmLoop&)>& edit)
{
    const QtModal::WhenModal editing("frmLoop", [&edit](QWidget* modal) {
        QVERIFY(QTest::qWaitForWindowActive(modal));
        edit(*qobject_cast<frmLoop*>(modal));
    });
    QTest::mouseClick(Control<QPushButton>(window, "btnChange_1"), Qt::LeftButton);
    QVERIFY(editing.Answered());
}

void TypeName(frmLoop& editor, const QString& name)
{
    auto* box = Control<QLineEdit>(editor, "txtLoopName");
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, name);
}

}  // namespace

class frmMainSiteTest : public QObject {
    Q_OBJECT

private slots:
    // A loop named in its editor: the caption follows, the main window's row
    // shows the name (cut short when long), and Cancel gives the old one back.
    void aLoopNamedInItsEditorShowsInItsRow()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        Document& document = site.app->document();
        EditLoop1(window, [](frmLoop& editor) {
            TypeName(editor, "Yard and loading bays");
            QCOMPARE(editor.windowTitle(), "Loop 1 - Yard and loading bays");
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(document.LoopName(1), "Yard and loading bays");
        QVERIFY(document.Dirty);
        QCOMPARE(LabelText(window, "lblLoopName_1"), "Yard and loading bays");

        const QString longName = "Basement plant rooms, car park levels B1 to B3 and the loading ramp";
        EditLoop1(window, [&](frmLoop& editor) {
            QCOMPARE(Control<QLineEdit>(editor, "txtLoopName")->text(), "Yard and loading bays");
            TypeName(editor, longName);
            QTest::mouseClick(Control<QPushButton>(editor, "btnOK"), Qt::LeftButton);
        });
        auto* name = Control<QLabel>(window, "lblLoopName_1");
        QVERIFY(name->text().endsWith(QChar(0x2026)));
        QVERIFY(longName.startsWith(name->text().chopped(1)));
        QCOMPARE(name->toolTip(), longName);

        // Widened, the Details... buttons stay by their rows and the verdicts
        // take the room.
        window.resize(1600, 900);
        QTest::qWait(20);
        QtClicks::Screenshot(&window, "frmMain_widened");
        auto* alarm = Control<QLabel>(window, "lblAlarm_1");
        auto* details = Control<QPushButton>(window, "btnChange_1");
        QVERIFY(details->x() - (alarm->x() + alarm->width()) < 40);
        auto* verdict = Control<QLabel>(window, "lblPassFail_1");
        QVERIFY(verdict->x() > details->x() && verdict->width() > 600);
        auto* totals = Control<QLabel>(window, "lblPassFail_99");
        const int totalsBottom = totals->mapTo(&window, QPoint(0, totals->height())).y();
        QVERIFY(Control<QPushButton>(window, "btnClose")->mapTo(&window, QPoint()).y() - totalsBottom > 300);

        document.Dirty = false;
        EditLoop1(window, [](frmLoop& editor) {
            TypeName(editor, "Offices");
            QTest::mouseClick(Control<QPushButton>(editor, "btnCancel"), Qt::LeftButton);
        });
        QCOMPARE(document.LoopName(1), longName.toStdString());
        QCOMPARE(name->toolTip(), longName);
    }

    // The first Save of a new site offers its name as the file name.
    void aNewSiteIsSavedUnderItsName()
    {
        DesktopSite site;
        site.SeenThisVersion();
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        QTest::keyClicks(Control<QLineEdit>(window, "txtName"), "Yard: North/South");
        Control<QAction>(window, "mnuSave")->trigger();
        QCOMPARE(site.chooser.requests.back().Title, "Save Configuration Data");
        QCOMPARE(site.chooser.requests.back().Folder, site.folder.Path("Documents"));
        QCOMPARE(site.chooser.requests.back().Preset, "Yard_ North_South.QLX");
        site.app->document().Dirty = false;
    }

    // A file named relative to the folder the program started in is listed
    // and opened by its whole path from anywhere.
    void aRecentFileIsKeptByItsWholePath()
    {
        DesktopSite site;
        site.SeenThisVersion();
        const std::string file = site.folder.Path("sites/Elm.QLX");
        std::filesystem::create_directories(site.folder.Path("sites"));
        std::filesystem::copy_file(std::string(FERROLUX_EXAMPLES_DIR) + "/Northgate-Offices.QLX", file);
        const QString started = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(site.folder.Root()));
        const bool shown = site.ShowMainWindow("sites/Elm.QLX");
        QDir::setCurrent(started);
        QVERIFY(shown);
        frmMain& window = site.app->MainWindow();
        QCOMPARE(site.app->options().GetSettingString("mFileRecent1"), file);
        auto* recent = Control<QAction>(window, "mFileRecent_1");
        QVERIFY(recent->text().startsWith("&1 /"));
        QVERIFY(recent->text().endsWith("/sites/Elm.QLX"));

        Control<QAction>(window, "mnuNew")->trigger();
        recent->trigger();
        QCOMPARE(site.app->document().Path, file);
        QCOMPARE(site.app->document().SiteName, "Northgate Offices");
        QVERIFY(site.host.boxes.empty());
    }
};

FERROLUX_QT_TEST(frmMainSiteTest);
#include "frmMainSiteTest.moc"
