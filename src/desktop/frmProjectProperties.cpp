#include "desktop/frmProjectProperties.h"

#include "forms/HelpTopics.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The boxes' names, in the order of the core's one-line boxes.
constexpr const char* LineNames[] = {"txtNumber", "txtClient", "txtDesigner", "txtCheckedBy", "txtRevision", "txtRevisionDate"};
static_assert(std::size(LineNames) == std::size(ProjectPropertiesCore::LineBoxes));

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

frmProjectProperties::frmProjectProperties(Document& document, MessageHost& host, QWidget* parent)
    : QDialog(parent), host_(host), core_(document)
{
    setObjectName("frmProjectProperties");
    setWindowTitle(ProjectPropertiesCore::Caption);
    setModal(true);
    const bool editable = core_.Editable();
    const ProjectProperties shown = core_.Boxes();

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (size_t n = 0; n < lines_.size(); ++n) {
        const ProjectPropertiesCore::LineBox& box = ProjectPropertiesCore::LineBoxes[n];
        lines_[n] = new QLineEdit(Text(shown.*box.Value));
        lines_[n]->setObjectName(LineNames[n]);
        lines_[n]->setMaxLength(static_cast<int>(ProjectPropertiesCore::LongestLine()));
        lines_[n]->setReadOnly(!editable);
        auto* label = new QLabel(box.Label);
        label->setBuddy(lines_[n]);
        form->addRow(label, lines_[n]);
    }
    txtNotes_ = new QPlainTextEdit(Text(shown.Notes));
    txtNotes_->setObjectName("txtNotes");
    txtNotes_->setTabChangesFocus(true);
    txtNotes_->setReadOnly(!editable);
    auto* notesLabel = new QLabel(ProjectPropertiesCore::NotesLabel);
    notesLabel->setBuddy(txtNotes_);
    form->addRow(notesLabel, txtNotes_);
    spnSpare_ = new QSpinBox;
    spnSpare_->setObjectName("spnSpare");
    spnSpare_->setRange(0, ProjectPropertiesCore::MostSpare());
    spnSpare_->setSuffix(" %");
    spnSpare_->setMaximumWidth(spnSpare_->fontMetrics().horizontalAdvance(QStringLiteral("None 00 %")) + 48);
    spnSpare_->setSpecialValueText(ProjectPropertiesCore::NoSpare);
    spnSpare_->setValue(shown.SpareRequired);
    spnSpare_->setReadOnly(!editable);
    auto* spareLabel = new QLabel(ProjectPropertiesCore::SpareLabel);
    spareLabel->setBuddy(spnSpare_);
    form->addRow(spareLabel, spnSpare_);

    auto* buttons = new QDialogButtonBox(editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close);
    if (editable) {
        buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
        buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    } else {
        buttons->button(QDialogButtonBox::Close)->setObjectName("btnCancel");
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &frmProjectProperties::ConfirmOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    resize(QSize(560, 440).expandedTo(minimumSizeHint()));
}

int frmProjectProperties::HelpTopic() const { return HelpTopic::ProjectProperties; }

ProjectProperties frmProjectProperties::TypedEntries() const
{
    ProjectProperties typed;
    for (size_t n = 0; n < lines_.size(); ++n)
        typed.*ProjectPropertiesCore::LineBoxes[n].Value = lines_[n]->text().toStdString();
    typed.Notes = txtNotes_->toPlainText().toStdString();
    typed.SpareRequired = spnSpare_->value();
    return typed;
}

void frmProjectProperties::ConfirmOK()
{
    if (const auto refusal = core_.OK(host_, TypedEntries())) {
        QWidget* box = refusal->Box == ProjectPropertiesCore::Field::Notes   ? static_cast<QWidget*>(txtNotes_)
                       : refusal->Box == ProjectPropertiesCore::Field::Spare ? static_cast<QWidget*>(spnSpare_)
                                                                              : lines_[static_cast<size_t>(refusal->Box)];
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

void frmProjectProperties::reject()
{
    if (core_.MayDiscard(host_, TypedEntries()))
        QDialog::reject();
}
