#include "desktop/frmWelcome.h"

#include "document/FirstStart.h"
#include "platform/MessageHost.h"
#include "forms/HelpTopics.h"
#include "desktop/QtHelp.h"
#include "desktop/QtWelcomeParts.h"

#include <QVBoxLayout>

using namespace QtWelcomeParts;

frmWelcome::frmWelcome(Options& options, const QtHelp& help, QWidget* parent) : QDialog(parent), options_(options)
{
    setObjectName("frmWelcome");
    setWindowTitle("Welcome");
    chkDontShow_ = DontShowAgain();
    QPushButton* btnOverview = Button("&Overview", "btnOverview");
    QPushButton* btnHelp = Button("&Help", "btnHelp");
    QPushButton* btnClose = Button("&Close", "btnClose");
    btnClose->setDefault(true);
    connect(btnOverview, &QPushButton::clicked, this, [&help] { help.ShowTopic(HelpTopic::Overview); });
    connect(btnHelp, &QPushButton::clicked, this, [&help] { help.ShowContents(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(Heading("Welcome to Ferrolux!"));
    layout->addWidget(Paragraph("We hope that you find this program useful.", "lblUseful"));
    layout->addWidget(Paragraph("Help is available throughout the program: press F1 at any time, or use the Help "
                                "menu.",
                                "lblHelp"));
    layout->addWidget(Paragraph("If you have any suggestions for improving the program, please let us know; the "
                                "Help menu tells you how to contact us.",
                                "lblSuggestions"));
    layout->addWidget(Paragraph(QString(ApplicationTitle) + " is a product of Harvex.", "lblProduct"));
    layout->addWidget(Paragraph("If you are using Ferrolux for the first time, we recommend that you read the "
                                "Overview in the help before you start: click Overview below.",
                                "lblOverview"));
    layout->addSpacing(6);
    layout->addLayout(BottomRow(chkDontShow_, {btnOverview, btnHelp, btnClose}));
    setMinimumWidth(540);
}

void frmWelcome::done(int result)
{
    FirstStart::WelcomeClosed(options_, chkDontShow_->isChecked());
    QDialog::done(result);
}
