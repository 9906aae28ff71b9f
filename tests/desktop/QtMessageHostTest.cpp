#include "desktop/QtMessageHost.h"

#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class QtMessageHostTest : public QObject {
    Q_OBJECT

private slots:
    void stylesGiveTheirButtonsIconDefaultAndResults()
    {
        using B = QMessageBox;
        const struct {
            int Style;
            QList<B::StandardButton> Buttons;  // in Qt's enumeration order
            B::Icon Icon;
            B::StandardButton Default;
            int Enter;   // the result of Enter on the default button
            int Escape;  // the result of Escape; 0: Escape does not close
        } cases[] = {
            {MsgStyle::OKOnly, {B::Ok}, B::NoIcon, B::Ok, MsgResult::OK, MsgResult::OK},
            {MsgStyle::OKCancel + MsgStyle::Information + MsgStyle::DefaultButton2, {B::Ok, B::Cancel},
             B::Information, B::Cancel, MsgResult::Cancel, MsgResult::Cancel},
            {MsgStyle::YesNoCancel + MsgStyle::Exclamation, {B::Yes, B::No, B::Cancel}, B::Warning, B::Yes,
             MsgResult::Yes, MsgResult::Cancel},
            {MsgStyle::AbortRetryIgnore + MsgStyle::Critical, {B::Abort, B::Retry, B::Ignore}, B::Critical,
             B::Abort, MsgResult::Abort, 0},
        };
        QtMessageHost host;
        for (const auto& each : cases) {
            for (const Qt::Key press : {Qt::Key_Return, Qt::Key_Escape}) {
                if (press == Qt::Key_Escape && each.Escape == 0)
                    continue;
                QList<B::StandardButton> buttons;
                const QtClicks::WhenModal answering([&](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    QVERIFY(box);
                    for (QAbstractButton* button : box->buttons())
                        buttons << box->standardButton(button);
                    std::sort(buttons.begin(), buttons.end());
                    QCOMPARE(buttons, each.Buttons);
                    QCOMPARE(box->icon(), each.Icon);
                    QCOMPARE(box->standardButton(box->defaultButton()), each.Default);
                    QCOMPARE(box->windowTitle(), "Caption");
                    // Paragraph ends of either kind become line breaks.
                    QCOMPARE(box->text(), "First line.\n\nSecond line.\n\nThird.");
                    QTest::keyClick(box, press);
                });
                QCOMPARE(MsgBox(host, "First line.\n\nSecond line.\r\rThird.", each.Style, "Caption"),
                         press == Qt::Key_Escape ? each.Escape : each.Enter);
                QVERIFY(!buttons.isEmpty());  // the box was shown
            }
        }
    }
};

FERROLUX_QT_TEST(QtMessageHostTest);
#include "QtMessageHostTest.moc"
