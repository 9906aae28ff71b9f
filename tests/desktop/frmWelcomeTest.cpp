#include "desktop/frmWelcome.h"

#include "document/Shell.h"
#include "support/QtTestMain.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "desktop/dlgAbout.h"
#include "desktop/frmMain.h"
#include "desktop/frmNewVersion.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using QtClicks::Screenshot;

namespace {

using QtClicks::Control;

bool SplashShown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<dlgAbout*>(window) && window->isVisible())
            return true;
    return false;
}

// Starts the program and hands the dialog of its first activation, if any,
// to `answer`; returns the dialog's object name ("" when none appeared).
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
    return shown;
}

}  // namespace

class frmWelcomeTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartWelcomesUntilTheTickBoxIsSet()
    {
        DesktopSite site;
        AppContext& app = site.Start();
        QVERIFY(app.Load());
        QVERIFY(SplashShown());

        QStringList texts;
        const QtModal::WhenModal answering([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), "Welcome");
            for (const char* name : {"lblWelcome", "lblUseful", "lblProduct"})
                texts << Control<QLabel>(*modal, name)->text();
            for (const char* name : {"btnOverview", "btnHelp", "btnClose"})
                texts << Control<QPushButton>(*modal, name)->text();
            texts << Control<QCheckBox>(*modal, "chkDontShow")->text();
            QTest::mouseClick(Control<QPushButton>(*modal, "btnOverview"), Qt::LeftButton);
            Screenshot(modal, "frmWelcome");
            QTest::mouseClick(Control<QCheckBox>(*modal, "chkDontShow"), Qt::LeftButton);
            QTest::mouseClick(Control<QPushButton>(*modal, "btnClose"), Qt::LeftButton);
        });
        app.Show();
        QTRY_VERIFY_WITH_TIMEOUT(!app.MainWindow().StartingUp(), 5000);
        QTRY_VERIFY(!QApplication::activeModalWidget());

        QCOMPARE(texts, QStringList({"Welcome to Ferrolux!", "We hope that you find this program useful.",
                                     "Harvex Ferrolux is a product of Harvex.", "&Overview", "&Help", "&Close",
                                     "&Don't show this window again."}));
        QCOMPARE(site.helpOpened.size(), 1);
        QCOMPARE(site.helpOpened[0].fragment(), "topic-1");
        QVERIFY(!SplashShown());
        QVERIFY(app.options().GetSettingBool("FirstTimeDone"));
        QCOMPARE(app.options().GetSettingString("LatestVersion"), Shell::VersionString());
        // The first start chose the families and units for this user.
        QVERIFY(app.options().SettingExists("DontShowFamily1"));
        QVERIFY(app.options().SettingExists("Units"));
        QVERIFY(site.host.boxes.empty());

        // The next start has nothing to say.
        DesktopSite::Restart(site);
        QCOMPARE(StartAndAnswer(site, [](QWidget* modal) { modal->close(); }), QString());
    }

    void anUpgradeShowsWhatIsNewUntilTheTickBoxIsSet()
    {
        DesktopSite site;
        site.SeenThisVersion();
        {
            SettingsStore store(site.environment.SettingsFile);
            store.WriteString("LatestVersion", "00.900");
        }
        QString heading;
        auto closeUnticked = [&heading](QWidget* modal) {
            heading = Control<QLabel>(*modal, "lblWelcome")->text();
            QCOMPARE(Control<QPushButton>(*modal, "btnWhatsNew")->text(), "&What's New...");
            QCOMPARE(Control<QPushButton>(*modal, "btnClose")->text(), "Close");
            QTest::mouseClick(Control<QPushButton>(*modal, "btnWhatsNew"), Qt::LeftButton);
            Screenshot(modal, "frmNewVersion");
            QTest::mouseClick(Control<QPushButton>(*modal, "btnClose"), Qt::LeftButton);
        };
        QCOMPARE(StartAndAnswer(site, closeUnticked), "frmNewVersion");
        QCOMPARE(heading, "Welcome to Harvex Ferrolux version " + QString::fromStdString(Shell::DisplayedVersion()));
        QCOMPARE(site.helpOpened.back().fragment(), "topic-51");
        QCOMPARE(site.app->options().GetSettingString("LatestVersion"), "00.900");

        DesktopSite::Restart(site);
        auto closeTicked = [](QWidget* modal) {
            QTest::mouseClick(Control<QCheckBox>(*modal, "chkDontShow"), Qt::LeftButton);
            QTest::keyClick(modal, Qt::Key_Escape);
        };
        QCOMPARE(StartAndAnswer(site, closeTicked), "frmNewVersion");
        QCOMPARE(site.app->options().GetSettingString("LatestVersion"), Shell::VersionString());

        DesktopSite::Restart(site);
        QCOMPARE(StartAndAnswer(site, [](QWidget* modal) { modal->close(); }), QString());
    }

    void aCatalogueThatFailsEndsTheStart()
    {
        DesktopSite site;
        site.environment.Files = DataFiles::FromRoot(site.folder.Path("no data"));
        AppContext& app = site.Start();
        QVERIFY(!app.Load());
        QVERIFY(!site.host.boxes.empty());
        QCOMPARE(site.host.boxes.back().Text, "Problem initialising devices");
        QCOMPARE(site.host.boxes.back().Style, MsgStyle::OKOnly);
        QVERIFY(!SplashShown());
        QVERIFY(!app.MainWindow().isVisible());
    }
};

FERROLUX_QT_TEST(frmWelcomeTest);
#include "frmWelcomeTest.moc"
