#include "desktop/frmWelcome.h"

#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QAbstractButton>
#include <QTest>

using QtClicks::Control;

namespace {

// Starts the program, hands the dialog of its first activation, if any, to
// `answer`, and ends the run; returns the dialog's object name ("" when none).
QString StartAndAnswer(DesktopSite& site, const std::function<void(QWidget*)>& answer)
{
    AppContext& app = site.Start();
    if (!app.Load())
        return "load failed";
    QString shown;
    const QtClicks::WhenModal answering([&](QWidget* modal) {
        shown = modal->objectName();
        answer(modal);
    });
    app.Show();
    if (!QTest::qWaitFor([&app] { return !app.MainWindow().StartingUp(); }, 5000))
        return "never activated";
    app.MainWindow().Unload();  // ended without asking, for a new run on the same settings
    site.app.reset();
    return shown;
}


}  // namespace

class frmWelcomeTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartWelcomesUntilTheTickBoxIsSet()
    {
        DesktopSite site(false);
        QCOMPARE(StartAndAnswer(site,
                                [](QWidget* modal) {
                                    for (const char* button : {"btnOverview", "chkDontShow"})
                                        QTest::mouseClick(Control<QAbstractButton>(*modal, button), Qt::LeftButton);
                                    QTest::keyClick(modal, Qt::Key_Escape);
                                }),
                 "frmWelcome");
        QCOMPARE(site.helpOpened.value(0).fragment(), "topic-1");
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(StartAndAnswer(site, [](QWidget* modal) { modal->close(); }), QString());
    }
};

FERROLUX_QT_TEST(frmWelcomeTest);
#include "frmWelcomeTest.moc"
