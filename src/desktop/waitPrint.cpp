#include "desktop/waitPrint.h"

#include "platform/MessageHost.h"

#include <QLabel>

waitPrint::waitPrint(QWidget* parent) : QtProgressWindow("waitPrint", ApplicationTitle, 360, parent)
{
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
    AddRow(lblPrinting_);
    AddRow(printerDestLabel_);
    AddSpacing(6);
    AddRow(lblPage_);
}

void waitPrint::Show(const std::string& destination)
{
    printerDestLabel_->setText(QString::fromStdString(destination));
    ShowAndPaint();
}

void waitPrint::SetPageText(const std::string& text) { lblPage_->setText(QString::fromStdString(text)); }

void waitPrint::ProcessPendingEvents() { PaintPending(); }

void waitPrint::Close() { hide(); }
