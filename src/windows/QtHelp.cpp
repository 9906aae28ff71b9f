#include "windows/QtHelp.h"

#include <QDesktopServices>

#include <utility>

QtHelp::QtHelp(QString indexFile, Opener open) : indexFile_(std::move(indexFile)), open_(std::move(open))
{
    if (!open_)
        open_ = [](const QUrl& address) { QDesktopServices::openUrl(address); };
}

QUrl QtHelp::TopicAddress(int topic) const
{
    QUrl address = QUrl::fromLocalFile(indexFile_);
    address.setFragment("topic-" + QString::number(topic));
    return address;
}

void QtHelp::Open(const QString& anchor) const
{
    QUrl address = QUrl::fromLocalFile(indexFile_);
    address.setFragment(anchor);
    open_(address);
}

void QtHelp::ShowTopic(int topic) const { open_(TopicAddress(topic)); }
void QtHelp::ShowContents() const { Open("contents"); }
void QtHelp::ShowHowToUseHelp() const { Open("using-help"); }
