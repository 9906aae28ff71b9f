#include "desktop/dlgPlaceIsolators.h"

#include "forms/HelpTopics.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* Shown(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

dlgPlaceIsolators::dlgPlaceIsolators(Document& document, int loop, QWidget* parent)
    : QDialog(parent), core_(document, loop)
{
    setObjectName("dlgPlaceIsolators");
    setWindowTitle(QString::fromStdString(core_.Caption()));

    cboKind_ = new QComboBox;
    cboKind_->setObjectName("cboKind");
    for (const IsolatorPlacement::Kind& kind : core_.Kinds())
        cboKind_->addItem(QString::fromStdString(kind.Name));
    cboKind_->setEnabled(!core_.Kinds().empty());
    spnLimit_ = new QSpinBox;
    spnLimit_->setObjectName("spnLimit");
    spnLimit_->setRange(PlaceIsolatorsCore::MinLimit, PlaceIsolatorsCore::MaxLimit);
    spnLimit_->setValue(core_.Limit());
    spnLimit_->setSuffix(tr(" points"));
    lblBefore_ = Shown("lblBefore");
    lblAfter_ = Shown("lblAfter");
    lblOutcome_ = Shown("lblOutcome");

    auto* form = new QFormLayout;
    form->addRow(tr("&Isolator:"), cboKind_);
    form->addRow(tr("&Most points in a section:"), spnLimit_);
    form->addRow(tr("Sections now:"), lblBefore_);
    form->addRow(tr("Sections after:"), lblAfter_);
    form->addRow(lblOutcome_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK_ = buttons->button(QDialogButtonBox::Ok);
    btnOK_->setObjectName("btnOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &dlgPlaceIsolators::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboKind_, &QComboBox::currentIndexChanged, this, [this](int index) {
        core_.SetKind(static_cast<size_t>(std::max(index, 0)));
        Show();
    });
    connect(spnLimit_, &QSpinBox::valueChanged, this, [this](int value) {
        core_.SetLimit(value);
        Show();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(600);
    Show();
}

int dlgPlaceIsolators::HelpTopic() const { return HelpTopic::PlaceIsolators; }

void dlgPlaceIsolators::Show()
{
    lblBefore_->setText(QString::fromStdString(core_.BeforeText()));
    lblAfter_->setText(QString::fromStdString(core_.AfterText()));
    lblOutcome_->setText(QString::fromStdString(core_.OutcomeText()));
    btnOK_->setEnabled(core_.CanApply());
    // Longer texts wrap onto more lines: the window grows to show them whole.
    if (const int needed = layout()->totalHeightForWidth(width()); needed > height())
        resize(width(), needed);
}

void dlgPlaceIsolators::accept()
{
    if (core_.Apply())
        QDialog::accept();
    else
        Show();
}
