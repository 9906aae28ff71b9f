#include "desktop/QtMessageHost.h"

#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

struct Shown {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> Buttons;
    QMessageBox::StandardButton Default = QMessageBox::NoButton;
};

// Shows a box through the host and answers it with a key; returns the host's result.
int ShowAndAnswer(int style, Shown& shown, Qt::Key press)
{
    QtMessageHost host;
    const QtClicks::WhenModal answering([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shown.Caption = box->windowTitle();
        shown.Text = box->text();
        shown.Icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            shown.Buttons << box->standardButton(button);
        std::sort(shown.Buttons.begin(), shown.Buttons.end());
        shown.Default = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        QTest::keyClick(box, press);
    });
    return MsgBox(host, "First line.\n\nSecond line.\r\rThird.", style, "Caption");
}

}  // namespace

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
            {MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2, {B::Yes, B::No}, B::Question, B::No,
             MsgResult::No, MsgResult::No},
            {MsgStyle::AbortRetryIgnore + MsgStyle::Critical, {B::Abort, B::Retry, B::Ignore}, B::Critical,
             B::Abort, MsgResult::Abort, 0},
        };
        for (const auto& each : cases) {
            Shown shown;
            QCOMPARE(ShowAndAnswer(each.Style, shown, Qt::Key_Return), each.Enter);
            QList<B::StandardButton> expected = each.Buttons;
            std::sort(expected.begin(), expected.end());
            QCOMPARE(shown.Buttons, expected);
            QCOMPARE(shown.Icon, each.Icon);
            QCOMPARE(shown.Default, each.Default);
            QCOMPARE(shown.Caption, "Caption");
            // Paragraph ends of either kind become line breaks.
            QCOMPARE(shown.Text, "First line.\n\nSecond line.\n\nThird.");
            if (each.Escape != 0) {
                Shown again;
                QCOMPARE(ShowAndAnswer(each.Style, again, Qt::Key_Escape), each.Escape);
            }
        }
    }
};

FERROLUX_QT_TEST(QtMessageHostTest);
#include "QtMessageHostTest.moc"
