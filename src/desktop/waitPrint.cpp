#include "desktop/waitPrint.h"

#include "platform/MessageHost.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

waitPrint::waitPrint(QWidget* parent) : QDialog(parent)
{
    setObjectName("waitPrint");
    setWindowTitle(ApplicationTitle);
    setWindowModality(Qt::ApplicationModal);

    lblPrinting_ = new QLabel("Printing the configuration data");
    lblPrinting_->setObjectName("lblPrinting");
    QFont bold = lblPrinting_->font();
    bold.setBold(true);
    lblPrinting_->setFont(bold);
    printerDestLabel_ = new QLabel;
    printerDestLabel_->setObjectName("PrinterDestLabel");
    printerDestLabel_->setWordWrap(true);
    lblPage_ = new QLabel;
    lblPage_->setObjectName("lblPage");
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnCancel_, &QPushButton::clicked, this, &waitPrint::CancelCommand);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(lblPrinting_);
    layout->addWidget(printerDestLabel_);
    layout->addSpacing(6);
    layout->addWidget(lblPage_);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void waitPrint::Show(const std::string& destination)
{
    cancelRequested_ = false;
    btnCancel_->setEnabled(true);
    printerDestLabel_->setText(QString::fromStdString(destination));
    show();
    ProcessPendingEvents();
}

void waitPrint::SetPageText(const std::string& text) { lblPage_->setText(QString::fromStdString(text)); }

void waitPrint::ProcessPendingEvents() { QApplication::processEvents(); }

void waitPrint::Close() { hide(); }

void waitPrint::CancelCommand()
{
    cancelRequested_ = true;
    btnCancel_->setEnabled(false);
}
