#include "desktop/frmNewVersion.h"

#include "document/FirstStart.h"
#include "document/Shell.h"
#include "platform/MessageHost.h"
#include "forms/HelpTopics.h"
#include "desktop/QtHelp.h"
#include "desktop/QtWelcomeParts.h"

#include <QVBoxLayout>

using namespace QtWelcomeParts;

frmNewVersion::frmNewVersion(Options& options, const QtHelp& help, QWidget* parent)
    : QDialog(parent), options_(options)
{
    setObjectName("frmNewVersion");
    setWindowTitle("Welcome");
    chkDontShow_ = DontShowAgain();
    QPushButton* btnWhatsNew = Button("&What's New...", "btnWhatsNew");
    QPushButton* btnClose = Button("Close", "btnClose");
    btnClose->setDefault(true);
    connect(btnWhatsNew, &QPushButton::clicked, this, [&help] { help.ShowTopic(HelpTopic::WhatsNew); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(Heading(QString("Welcome to ") + ApplicationTitle + " version " +
                              QString::fromStdString(Shell::DisplayedVersion())));
    layout->addWidget(Paragraph("This version brings changes and additions. To see what they are, click What's New "
                                "below, or look up \"What's New\" in the online help at any time.",
                                "lblWhatsNew"));
    layout->addSpacing(6);
    layout->addLayout(BottomRow(chkDontShow_, {btnWhatsNew, btnClose}));
    setMinimumWidth(500);
}

void frmNewVersion::done(int result)
{
    FirstStart::NewVersionClosed(options_, chkDontShow_->isChecked());
    QDialog::done(result);
}
