#include "desktop/frmHelp.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

frmHelp::frmHelp(QUrl contents, QWidget* parent) : QWidget(parent, Qt::Window), contents_(std::move(contents))
{
    setObjectName("frmHelp");
    setWindowTitle("Harvex Ferrolux Help");

    btnBack_ = new QPushButton("< &Back");
    btnBack_->setObjectName("btnBack");
    btnForward_ = new QPushButton("&Forward >");
    btnForward_->setObjectName("btnForward");
    btnContents_ = new QPushButton("&Contents");
    btnContents_->setObjectName("btnContents");
    txtHelp_ = new QTextBrowser;
    txtHelp_->setObjectName("txtHelp");
    // Pages elsewhere than in the help belong to the desktop's browser.
    txtHelp_->setOpenExternalLinks(true);

    btnBack_->setEnabled(false);
    btnForward_->setEnabled(false);
    connect(txtHelp_, &QTextBrowser::backwardAvailable, btnBack_, &QPushButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::forwardAvailable, btnForward_, &QPushButton::setEnabled);
    connect(btnBack_, &QPushButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(btnForward_, &QPushButton::clicked, txtHelp_, &QTextBrowser::forward);
    connect(btnContents_, &QPushButton::clicked, this, [this] { ShowAddress(contents_); });
    // Escape closes it, as it closes every other window of the program.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack_);
    buttons->addWidget(btnForward_);
    buttons->addWidget(btnContents_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp_, 1);
    resize(760, 600);
}

void frmHelp::ShowAddress(const QUrl& address)
{
    if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile())) {
        txtHelp_->setHtml("<p>The help pages are not installed: <b>" + address.toLocalFile().toHtmlEscaped() +
                          "</b> could not be found.</p>");
        return;
    }
    txtHelp_->setSource(address);
}
