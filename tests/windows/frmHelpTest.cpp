#include "windows/frmHelp.h"

#include "support/QtTestMain.h"
#include "windows/DesktopSite.h"
#include "windows/QtClicks.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using QtClicks::Control;

class frmHelpTest : public QObject {
    Q_OBJECT

private slots:
    // F1 and the Help menu show the pages in the program's own window, at
    // the topic asked for, with Back, Forward and the contents page.
    void helpShowsInAWindowOfItsOwn()
    {
        DesktopSite site;
        site.SeenThisVersion();
        site.helpInWindow = true;
        site.environment.HelpIndex = FERROLUX_HELP_INDEX;
        QVERIFY(site.ShowMainWindow());
        frmMain& window = site.app->MainWindow();
        QTest::keyClick(&window, Qt::Key_F1);
        QWidget* help = nullptr;
        QTRY_VERIFY((help = QApplication::activeWindow()) && help->objectName() == "frmHelp");
        auto* browser = Control<QTextBrowser>(*help, "txtHelp");
        auto* back = Control<QPushButton>(*help, "btnBack");
        auto* forward = Control<QPushButton>(*help, "btnForward");
        QCOMPARE(browser->source().fragment(), "contents");
        QVERIFY(browser->toPlainText().contains("Glossary of terms"));
        QVERIFY(!back->isEnabled() && !forward->isEnabled());

        // The glossary lies far down the page: it is scrolled to.
        Control<QAction>(window, "mnuHelpGlossary")->trigger();
        QCOMPARE(browser->source().fragment(), "topic-37");
        const int glossary = browser->verticalScrollBar()->value();
        QVERIFY(glossary > 0);
        QtClicks::Screenshot(help, "frmHelp_glossary");
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(browser->source().fragment(), "contents");
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(browser->source().fragment(), "topic-37");
        QCOMPARE(browser->verticalScrollBar()->value(), glossary);
        QTest::mouseClick(Control<QPushButton>(*help, "btnContents"), Qt::LeftButton);
        QCOMPARE(browser->source().fragment(), "contents");
        QVERIFY(back->isEnabled() && !forward->isEnabled());

        // Closing the program closes its help.
        const QPointer<QWidget> shown = help;
        site.app->MainWindow().Unload();
        QTRY_VERIFY(!shown);
    }

    void missingHelpPagesAreSaid()
    {
        DesktopSite site;
        site.SeenThisVersion();
        site.helpInWindow = true;
        QVERIFY(site.ShowMainWindow());
        Control<QAction>(site.app->MainWindow(), "mnuHelpContents")->trigger();
        QWidget* help = nullptr;
        QTRY_VERIFY((help = QApplication::activeWindow()) && help->objectName() == "frmHelp");
        QCOMPARE(Control<QTextBrowser>(*help, "txtHelp")->toPlainText(),
                 "The help pages are not installed: " + QString::fromStdString(site.environment.HelpIndex) +
                     " could not be found.");
        site.app->MainWindow().Unload();
    }
};

FERROLUX_QT_TEST(frmHelpTest);
#include "frmHelpTest.moc"
