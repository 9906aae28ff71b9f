#include "desktop/frmOpenProgress.h"

#include "document/OpenProgressTexts.h"
#include "desktop/dlgIgnoreUnknown.h"
#include "platform/MessageHost.h"
#include "desktop/QtBusyPointer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>

frmOpenProgress::frmOpenProgress(MessageHost& host, QWidget* parent)
    : QtProgressWindow("frmOpenProgress", OpenProgressTexts::Caption, 420, parent), host_(host)
{
    lblFileName_ = new QLabel;
    lblFileName_->setObjectName("lblFileName");
    lblFileName_->setWordWrap(true);
    pnlProgress_ = new QProgressBar;
    pnlProgress_->setObjectName("pnlProgress");
    pnlProgress_->setRange(0, 100);
    pnlProgress_->setValue(0);
    AddRow(lblFileName_);
    AddRow(pnlProgress_);
}

frmOpenProgress::~frmOpenProgress() = default;

void frmOpenProgress::Show()
{
    busy_ = std::make_unique<QtBusyPointer>();
    ShowAndPaint();
}

void frmOpenProgress::SetFileText(const std::string& text) { lblFileName_->setText(QString::fromStdString(text)); }

void frmOpenProgress::SetPercent(int percent) { pnlProgress_->setValue(percent); }

void frmOpenProgress::ProcessPendingEvents() { PaintPending(); }

std::string frmOpenProgress::UnknownResponse(int loop, int address, int deviceType)
{
    return dlgIgnoreUnknown::UnknownResponse(host_, loop, address, deviceType, this);
}

void frmOpenProgress::CancelClicked()
{
    const int answer = MsgBox(host_, OpenProgressTexts::CancelQuestion,
                              MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2);
    if (answer != MsgResult::Yes)
        return;
    // The busy pointer of the open stays until the reading has stopped.
    RaiseCancel();
}

void frmOpenProgress::Close()
{
    busy_.reset();
    unloading_ = true;
    close();
    unloading_ = false;
}

void frmOpenProgress::closeEvent(QCloseEvent* event)
{
    if (unloading_)
        event->accept();
    else
        event->ignore();
}
