#include "desktop/frmHelp.h"

#include "support/QtTestMain.h"

#include <QTest>
#include <QTextBrowser>

class frmHelpTest : public QObject {
    Q_OBJECT

private slots:
    // Escape closes the help window, whichever of its controls has the focus.
    void escapeClosesTheWindow()
    {
        frmHelp help(QUrl::fromLocalFile(FERROLUX_HELP_INDEX));
        help.ShowAddress(QUrl::fromLocalFile(FERROLUX_HELP_INDEX));
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* page = help.findChild<QTextBrowser*>("txtHelp");
        page->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }
};

FERROLUX_QT_TEST(frmHelpTest);
#include "frmHelpTest.moc"
