#include "desktop/QtMessageHost.h"

#include <QApplication>
#include <QPushButton>

void QtMessageHost::Beep(int /*iconBits*/)
{
    // The desktop offers one sound for every kind of box.
    QApplication::beep();
}

std::vector<QtMessageHost::Button> QtMessageHost::ButtonsOf(int style)
{
    switch (MsgStyle::ButtonsOf(style)) {
    case MsgStyle::OKCancel: return {{QMessageBox::Ok, MsgResult::OK}, {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgStyle::AbortRetryIgnore:
        return {{QMessageBox::Abort, MsgResult::Abort},
                {QMessageBox::Retry, MsgResult::Retry},
                {QMessageBox::Ignore, MsgResult::Ignore}};
    case MsgStyle::YesNoCancel:
        return {{QMessageBox::Yes, MsgResult::Yes},
                {QMessageBox::No, MsgResult::No},
                {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgStyle::YesNo: return {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
    case 5: return {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
    default: return {{QMessageBox::Ok, MsgResult::OK}};
    }
}

QMessageBox::Icon QtMessageHost::IconOf(int style)
{
    switch (MsgStyle::IconOf(style)) {
    case MsgStyle::Critical: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case MsgStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

namespace {

// Texts end their paragraphs with line feeds, a few with carriage returns.
QString BoxText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    return shown.replace("\r\n", "\n").replace('\r', '\n');
}

}  // namespace

bool QtMessageHost::Choose(const std::string& text, const std::string& first, const std::string& second,
                           const std::string& caption)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), BoxText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* chosen = box.addButton(QString::fromStdString(first), QMessageBox::DestructiveRole);
    QPushButton* kept = box.addButton(QString::fromStdString(second), QMessageBox::RejectRole);
    box.setDefaultButton(kept);
    box.setEscapeButton(kept);
    box.exec();
    return box.clickedButton() == chosen;
}

int QtMessageHost::Show(const std::string& text, int style, const std::string& caption)
{
    QMessageBox box(IconOf(style), QString::fromStdString(caption), BoxText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const std::vector<Button> buttons = ButtonsOf(style);
    for (const Button& button : buttons)
        box.addButton(button.Standard);
    const size_t defaultIndex = std::min(static_cast<size_t>((style >> 8) & 0x0F), buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex].Standard);
    // Escape answers Cancel where there is one, and OK on a box with OK alone;
    // other boxes need a button.
    for (const Button& button : buttons)
        if (button.Result == MsgResult::Cancel || buttons.size() == 1)
            box.setEscapeButton(button.Standard);

    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const Button& button : buttons)
        if (button.Standard == pressed)
            return button.Result;
    return DefaultAnswer(style);
}
