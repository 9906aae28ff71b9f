#include "desktop/frmOpenProgress.h"

#include "desktop/dlgIgnoreUnknown.h"
#include "platform/MessageHost.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
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
        QCOMPARE(progress.windowTitle(), "Open Progress");
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

    void theUnknownDeviceQuestionAnswersByItsButtons()
    {
        const std::pair<const char*, std::string> buttons[] = {
            {"btnYes", "Y"}, {"btnYesToAll", "A"}, {"btnCancel", "C"}, {nullptr, "C"}};
        for (const auto& [button, response] : buttons) {
            ScriptedMessageHost host;
            QStringList captions;
            const QtModal::WhenModal answering([&, name = button](QWidget* modal) {
                captions << modal->windowTitle() << Control<QLabel>(*modal, "lblMsg")->text();
                for (const char* each : {"btnYes", "btnYesToAll", "btnCancel"})
                    captions << Control<QPushButton>(*modal, each)->text();
                if (name)
                    QTest::mouseClick(Control<QPushButton>(*modal, name), Qt::LeftButton);
                else
                    modal->close();  // closed without an answer, it stops the open
            });
            QCOMPARE(dlgIgnoreUnknown::UnknownResponse(host, 3, 17, 212), response);
            QCOMPARE(captions, QStringList({"Unknown Device Type",
                                            "This file has an unknown device type (212) at address 17 on loop 3.\n\n"
                                            "Set this address to 'No Device'?",
                                            "&Yes", "Yes to &All", "&Cancel"}));
            QCOMPARE(host.beeps, std::vector<int>{MsgStyle::Question});
        }
    }
};

FERROLUX_QT_TEST(frmOpenProgressTest);
#include "frmOpenProgressTest.moc"
