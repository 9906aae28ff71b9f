#include "desktop/frmOpenProgress.h"

#include "document/OpenProgressTexts.h"
#include "desktop/dlgIgnoreUnknown.h"
#include "platform/MessageHost.h"
#include "desktop/QtBusyPointer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmOpenProgress::frmOpenProgress(MessageHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName("frmOpenProgress");
    setWindowTitle(OpenProgressTexts::Caption);
    setWindowModality(Qt::ApplicationModal);

    lblFileName_ = new QLabel;
    lblFileName_->setObjectName("lblFileName");
    lblFileName_->setWordWrap(true);
    pnlProgress_ = new QProgressBar;
    pnlProgress_->setObjectName("pnlProgress");
    pnlProgress_->setRange(0, 100);
    pnlProgress_->setValue(0);
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnCancel_, &QPushButton::clicked, this, &frmOpenProgress::CancelClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(lblFileName_);
    layout->addWidget(pnlProgress_);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

frmOpenProgress::~frmOpenProgress() = default;

void frmOpenProgress::Show()
{
    cancelRequested_ = false;
    btnCancel_->setEnabled(true);
    busy_ = std::make_unique<QtBusyPointer>();
    show();
    ProcessPendingEvents();
}

void frmOpenProgress::SetFileText(const std::string& text) { lblFileName_->setText(QString::fromStdString(text)); }

void frmOpenProgress::SetPercent(int percent) { pnlProgress_->setValue(percent); }

void frmOpenProgress::ProcessPendingEvents() { QApplication::processEvents(); }

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
    cancelRequested_ = true;
    btnCancel_->setEnabled(false);
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
