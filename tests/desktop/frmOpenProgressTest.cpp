#include "desktop/frmOpenProgress.h"

#include "platform/MessageHost.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using QtClicks::Control;

class frmOpenProgressTest : public QObject {
    Q_OBJECT

private slots:
    void cancelAsksFirstAndTheCloseBoxIsRefused()
    {
        ScriptedMessageHost host;
        frmOpenProgress progress(host);
        progress.Show();
        QVERIFY(progress.isVisible() && progress.isModal());
        progress.SetFileText("Opening '/home/me/harbour.QLX'...");
        progress.SetPercent(37);
        QCOMPARE(Control<QLabel>(progress, "lblFileName")->text(), "Opening '/home/me/harbour.QLX'...");
        QCOMPARE(Control<QProgressBar>(progress, "pnlProgress")->value(), 37);

        // The close box and Escape leave it open.
        progress.close();
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(progress.isVisible());

        // No keeps reading; Yes stops at the next address.
        auto* cancel = Control<QPushButton>(progress, "btnCancel");
        host.Answer(MsgResult::No);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!progress.CancelRequested());
        host.Answer(MsgResult::Yes);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(progress.CancelRequested() && !cancel->isEnabled());
        QCOMPARE(host.boxes.size(), size_t(2));
        progress.Close();
        QVERIFY(!progress.isVisible());
    }
};

FERROLUX_QT_TEST(frmOpenProgressTest);
#include "frmOpenProgressTest.moc"
