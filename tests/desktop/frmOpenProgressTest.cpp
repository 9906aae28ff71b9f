#include "desktop/frmOpenProgress.h"

#include "desktop/dlgIgnoreUnknown.h"
#include "platform/MessageHost.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

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
        progress.Close();
        QVERIFY(!progress.isVisible());
    }

    // The question about an unknown device answers by the button pressed;
    // closed without an answer, it stops the open.
    void theUnknownDeviceQuestionAnswersByItsButtons()
    {
        for (const auto& [button, response] : {std::pair<const char*, std::string>{"btnYes", "Y"},
                                               {"btnYesToAll", "A"}, {"btnCancel", "C"}, {nullptr, "C"}}) {
            ScriptedMessageHost host;
            const QtClicks::WhenModal answering([name = button](QWidget* modal) {
                if (name)
                    QTest::mouseClick(Control<QPushButton>(*modal, name), Qt::LeftButton);
            });
            QCOMPARE(dlgIgnoreUnknown::UnknownResponse(host, 3, 17, 212), response);
        }
    }
};

FERROLUX_QT_TEST(frmOpenProgressTest);
#include "frmOpenProgressTest.moc"
