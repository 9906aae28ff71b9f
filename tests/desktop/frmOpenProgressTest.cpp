#include "desktop/frmOpenProgress.h"

#include "desktop/dlgIgnoreUnknown.h"
#include "platform/MessageHost.h"
#include "support/QtTestMain.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

using QtClicks::Control;

}  // namespace

class frmOpenProgressTest : public QObject {
    Q_OBJECT

private slots:
    void cancelAsksFirstAndTheCloseBoxIsRefused()
    {
        ScriptedMessageHost host;
        frmOpenProgress progress(host);
        progress.Show();
        QVERIFY(progress.isVisible());
        QCOMPARE(progress.windowTitle(), "Open Progress");
        QVERIFY(progress.isModal());
        progress.SetFileText("Opening '/home/me/harbour.QLX'...");
        progress.SetPercent(37);
        QCOMPARE(Control<QLabel>(progress, "lblFileName")->text(), "Opening '/home/me/harbour.QLX'...");
        QCOMPARE(Control<QProgressBar>(progress, "pnlProgress")->value(), 37);
        QtClicks::Screenshot(&progress, "frmOpenProgress");

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
        QVERIFY(progress.CancelRequested());
        QVERIFY(!cancel->isEnabled());
        QCOMPARE(host.Texts(), std::vector<std::string>(2, "Do you want to cancel the open operation?"));
        QCOMPARE(host.boxes[0].Style, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2);

        progress.Close();
        QVERIFY(!progress.isVisible());
    }

    void theUnknownDeviceQuestionAnswersByItsButtons()
    {
        const std::pair<const char*, std::string> buttons[] = {
            {"btnYes", "Y"}, {"btnYesToAll", "A"}, {"btnCancel", "C"}};
        for (const auto& [button, response] : buttons) {
            ScriptedMessageHost host;
            QString text;
            QStringList captions;
            const QtModal::WhenModal answering([&, name = button](QWidget* modal) {
                text = Control<QLabel>(*modal, "lblMsg")->text();
                for (const char* each : {"btnYes", "btnYesToAll", "btnCancel"})
                    captions << Control<QPushButton>(*modal, each)->text();
                captions << modal->windowTitle();
                QtClicks::Screenshot(modal, "dlgIgnoreUnknown");
                QTest::mouseClick(Control<QPushButton>(*modal, name), Qt::LeftButton);
            });
            QCOMPARE(dlgIgnoreUnknown::UnknownResponse(host, 3, 17, 212), response);
            QCOMPARE(text, "This file has an unknown device type (212) at address 17 on loop 3.\n\n"
                           "Set this address to 'No Device'?");
            QCOMPARE(captions, QStringList({"&Yes", "Yes to &All", "&Cancel", "Unknown Device Type"}));
            QCOMPARE(host.beeps, std::vector<int>{MsgStyle::Question});
        }

        // Closed without an answer, it stops the open.
        ScriptedMessageHost host;
        const QtModal::WhenModal closing([](QWidget* modal) { modal->close(); });
        QCOMPARE(dlgIgnoreUnknown::UnknownResponse(host, 1, 1, 9), "C");
    }
};

FERROLUX_QT_TEST(frmOpenProgressTest);
#include "frmOpenProgressTest.moc"
