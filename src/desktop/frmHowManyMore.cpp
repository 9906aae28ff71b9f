#include "desktop/frmHowManyMore.h"

#include "forms/HelpTopics.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmHowManyMore::frmHowManyMore(HowManyMoreCore core, QWidget* parent) : QDialog(parent), core_(std::move(core))
{
    setObjectName("frmHowManyMore");
    setWindowTitle(QString::fromStdString(core_.Caption()));

    lblType_ = new QLabel(QString::fromStdString(core_.ItemText()));
    lblType_->setObjectName("lblType");
    optEvenly_ = new QRadioButton("&Evenly, where the loop editor places them");
    optEvenly_->setObjectName("optEvenly");
    optEvenly_->setChecked(true);
    optFarEnd_ = new QRadioButton("All at the &far end of the cable (the worst place)");
    optFarEnd_->setObjectName("optFarEnd");
    auto* placement = new QVBoxLayout;
    placement->addWidget(optEvenly_);
    placement->addWidget(optFarEnd_);
    lblAnswer_ = new QLabel;
    lblAnswer_->setObjectName("lblAnswer");
    lblAnswer_->setWordWrap(true);
    lblAnswer_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow("Type:", lblType_);
    form->addRow("Placed:", placement);
    form->addRow("How many more:", lblAnswer_);

    auto* buttons = new QDialogButtonBox;
    btnAddMore_ = buttons->addButton("Add", QDialogButtonBox::ActionRole);
    btnAddMore_->setObjectName("btnAddMore");
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("btnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAddMore_, &QPushButton::clicked, this, &frmHowManyMore::AddThem);
    connect(optEvenly_, &QRadioButton::toggled, this, &frmHowManyMore::ChoosePlacement);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    ShowAnswer();
}

int frmHowManyMore::HelpTopic() const { return HelpTopic::HowManyMore; }

void frmHowManyMore::ChoosePlacement()
{
    core_.SetPlacement(optFarEnd_->isChecked() ? HowManyMore::Placement::AtFarEnd : HowManyMore::Placement::Evenly);
    ShowAnswer();
}

void frmHowManyMore::AddThem()
{
    core_.Add();
    ShowAnswer();
}

void frmHowManyMore::ShowAnswer()
{
    lblAnswer_->setText(QString::fromStdString(core_.AnswerText()));
    btnAddMore_->setText(QString::fromStdString(core_.AddText()));
    btnAddMore_->setEnabled(core_.AddEnabled());
}
