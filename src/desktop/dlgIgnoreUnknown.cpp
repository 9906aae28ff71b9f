#include "desktop/dlgIgnoreUnknown.h"

#include "document/OpenFlow.h"
#include "document/OpenProgressTexts.h"
#include "platform/MessageHost.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

dlgIgnoreUnknown::dlgIgnoreUnknown(int loop, int address, int deviceType, QWidget* parent) : QDialog(parent)
{
    setObjectName("dlgIgnoreUnknown");
    setWindowTitle(OpenProgressTexts::UnknownDeviceCaption);

    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    lblMsg_ = new QLabel(QString::fromStdString(UnknownDeviceText(loop, address, deviceType)));
    lblMsg_->setObjectName("lblMsg");
    lblMsg_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const struct {
        const char* Text;
        const char* Name;
        const char* Response;
    } choices[] = {{"&Yes", "btnYes", "Y"}, {"Yes to &All", "btnYesToAll", "A"}, {"&Cancel", "btnCancel", "C"}};
    for (const auto& choice : choices) {
        auto* button = new QPushButton(choice.Text);
        button->setObjectName(choice.Name);
        connect(button, &QPushButton::clicked, this, [this, response = choice.Response] { Answer(response); });
        buttons->addWidget(button);
        if (choice.Response == std::string("Y"))
            button->setDefault(true);
    }

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(lblMsg_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void dlgIgnoreUnknown::Answer(const char* response)
{
    response_ = response;
    accept();
}

std::string dlgIgnoreUnknown::UnknownResponse(MessageHost& host, int loop, int address, int deviceType,
                                              QWidget* parent)
{
    dlgIgnoreUnknown dialog(loop, address, deviceType, parent);
    host.Beep(MsgStyle::Question);
    dialog.exec();
    return dialog.Response();
}
