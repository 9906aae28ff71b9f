#include "desktop/QtHelp.h"

#include "catalogues/Options.h"
#include "desktop/QtWindowSize.h"
#include "desktop/frmHelp.h"

#include <QApplication>
#include <QWindow>

#include <utility>

QtHelp::QtHelp(QString indexFile, Options& options, Opener open)
    : indexFile_(std::move(indexFile)), options_(options), open_(std::move(open))
{
}

QtHelp::~QtHelp() { delete window_; }

frmHelp* QtHelp::Window() const { return window_; }

QUrl QtHelp::Address(const QString& anchor) const
{
    QUrl address = QUrl::fromLocalFile(indexFile_);
    address.setFragment(anchor);
    return address;
}

QUrl QtHelp::TopicAddress(int topic) const { return Address("topic-" + QString::number(topic)); }

void QtHelp::Open(const QString& anchor) const
{
    const QUrl address = Address(anchor);
    if (open_)
        open_(address);
    else
        ShowInWindow(address);
}

void QtHelp::ShowInWindow(const QUrl& address) const
{
    if (!window_) {
        window_ = new frmHelp(Address("contents"));
        window_->setAttribute(Qt::WA_DeleteOnClose);
        new QtWindowSize(*window_, options_, SettingName::HelpSize);
    }
    window_->ShowAddress(address);
    window_->show();
    // Asked for from a modal dialog (the welcome), the window stands over
    // that dialog so that it takes the mouse and keys while the dialog is open.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->windowHandle())
        window_->windowHandle()->setTransientParent(modal->windowHandle());
    window_->raise();
    window_->activateWindow();
}

void QtHelp::ShowTopic(int topic) const { Open("topic-" + QString::number(topic)); }
void QtHelp::ShowContents() const { Open("contents"); }
void QtHelp::ShowHowToUseHelp() const { Open("using-help"); }
