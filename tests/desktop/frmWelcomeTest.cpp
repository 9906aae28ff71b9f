#include "desktop/frmWelcome.h"

#include "document/Shell.h"
#include "desktop/dlgAbout.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "support/QtTestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using QtClicks::Control;

namespace {

bool SplashShown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<dlgAbout*>(window) && window->isVisible())
            return true;
    return false;
}

// Starts the program and hands the dialog of its first activation, if any,
// to `answer`, and ends the run; returns the dialog's object name ("" when
// none appeared), with a note of any message shown.
QString StartAndAnswer(DesktopSite& site, const std::function<void(QWidget*)>& answer)
{
    AppContext& app = site.Start();
    if (!app.Load())
        return "load failed";
    QString shown;
    const QtModal::WhenModal answering([&](QWidget* modal) {
        shown = modal->objectName();
        answer(modal);
    });
    app.Show();
    if (!QTest::qWaitFor([&app] { return !app.MainWindow().StartingUp(); }, 5000))
        return "never activated";
    QTest::qWait(20);
    if (!site.host.boxes.empty())
        shown += " and a message";
    DesktopSite::Restart(site);
    return shown;
}

void Press(QWidget* modal, const char* button) { QTest::mouseClick(Control<QAbstractButton>(*modal, button), Qt::LeftButton); }

}  // namespace

class frmWelcomeTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartWelcomesUntilTheTickBoxIsSet()
    {
        DesktopSite site;
        QStringList captions;
        QCOMPARE(StartAndAnswer(site,
                                [&](QWidget* modal) {
                                    for (const char* name : {"btnOverview", "btnHelp", "btnClose", "chkDontShow"})
                                        captions << Control<QAbstractButton>(*modal, name)->text();
                                    Press(modal, "btnOverview");
                                    Press(modal, "chkDontShow");
                                    Press(modal, "btnClose");
                                }),
                 "frmWelcome");
        QCOMPARE(captions, QStringList({"&Overview", "&Help", "&Close", "&Don't show this window again."}));
        QCOMPARE(site.helpOpened.size(), 1);
        QCOMPARE(site.helpOpened[0].fragment(), "topic-1");
        QCOMPARE(StartAndAnswer(site, [](QWidget* modal) { modal->close(); }), QString());
    }

    void anUpgradeShowsWhatIsNewUntilTheTickBoxIsSet()
    {
        DesktopSite site;
        site.SeenThisVersion();
        SettingsStore(site.environment.SettingsFile).WriteString("LatestVersion", "00.900");
        QString heading;
        auto closeUnticked = [&heading](QWidget* modal) {
            heading = Control<QLabel>(*modal, "lblWelcome")->text();
            QCOMPARE(Control<QPushButton>(*modal, "btnWhatsNew")->text(), "&What's New...");
            Press(modal, "btnWhatsNew");
            Press(modal, "btnClose");
        };
        QCOMPARE(StartAndAnswer(site, closeUnticked), "frmNewVersion");
        QCOMPARE(heading, "Welcome to Harvex Ferrolux version " + QString::fromStdString(Shell::DisplayedVersion()));
        QCOMPARE(site.helpOpened.back().fragment(), "topic-51");
        auto closeTicked = [](QWidget* modal) {
            Press(modal, "chkDontShow");
            QTest::keyClick(modal, Qt::Key_Escape);
        };
        QCOMPARE(StartAndAnswer(site, closeTicked), "frmNewVersion");
        QCOMPARE(StartAndAnswer(site, [](QWidget* modal) { modal->close(); }), QString());
    }

    void aCatalogueThatFailsEndsTheStart()
    {
        DesktopSite site;
        site.environment.Files = DataFiles::FromRoot(site.folder.Path("no data"));
        AppContext& app = site.Start();
        QVERIFY(!app.Load());
        QCOMPARE(site.host.boxes.back().Text, "Problem initialising devices");
        QVERIFY(!SplashShown());
        QVERIFY(!app.MainWindow().isVisible());
    }
};

FERROLUX_QT_TEST(frmWelcomeTest);
#include "frmWelcomeTest.moc"
