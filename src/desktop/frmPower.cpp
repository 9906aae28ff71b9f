#include "desktop/frmPower.h"

#include "catalogues/Options.h"
#include "desktop/QtWindowSize.h"
#include "forms/HelpTopics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* NumberBox(const char* name, int characters)
{
    auto* box = Named(new QLineEdit, name);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(characters, '0')) + 16);
    return box;
}

QLabel* Buddy(const char* text, QWidget* box)
{
    auto* label = new QLabel(text);
    label->setBuddy(box);
    return label;
}

QLabel* Hint(const std::string& text)
{
    auto* label = new QLabel(Text(text));
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

}  // namespace

frmPower::frmPower(Document& document, Options& options, std::string localeId, MessageHost& host, QWidget* parent)
    : QDialog(parent), host_(host), core_(document, std::move(localeId))
{
    setObjectName("frmPower");
    setWindowTitle(PowerCore::Caption);
    setModal(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    // Enter belongs to the boxes (it ends a load's cell): no button takes it.
    for (QAbstractButton* button : buttons->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
        static_cast<QPushButton*>(button)->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &frmPower::ConfirmOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(BuildRule(), 3);
    top->addWidget(BuildPanel(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(BuildLoads(), 1);
    layout->addWidget(BuildBattery(), 2);
    layout->addWidget(buttons);

    ShowEntries(core_.Boxes());
    ShowResult();
    resize(QSize(820, 660).expandedTo(minimumSizeHint()));
    new QtWindowSize(*this, options, SettingName::PowerSize);
}

int frmPower::HelpTopic() const { return HelpTopic::Power; }

QWidget* frmPower::BuildRule()
{
    auto* group = Named(new QGroupBox("Rule"), "fraRule");
    cmbRule_ = Named(new QComboBox, "cmbRule");
    for (const PowerRule rule : PowerCore::Rules)
        cmbRule_->addItem(Text(PowerRuleName(rule)));
    chkVoice_ = Named(new QCheckBox("&Voice evacuation (15 min alarm period)"), "chkVoice");
    txtStandby_ = NumberBox("txtStandby", 8);
    txtAlarm_ = NumberBox("txtAlarm", 8);
    txtFactor_ = NumberBox("txtFactor", 8);

    auto* form = new QFormLayout(group);
    form->addRow(Buddy("&Rule:", cmbRule_), cmbRule_);
    form->addRow(QString(), chkVoice_);
    form->addRow(Buddy("&Standby Period (h):", txtStandby_), txtStandby_);
    form->addRow(Buddy("&Alarm Period (min):", txtAlarm_), txtAlarm_);
    form->addRow(Buddy("&Factor:", txtFactor_), txtFactor_);

    connect(cmbRule_, &QComboBox::currentIndexChanged, this, &frmPower::RuleChanged);
    connect(chkVoice_, &QCheckBox::toggled, this, &frmPower::RuleChanged);
    for (QLineEdit* box : {txtStandby_, txtAlarm_, txtFactor_})
        connect(box, &QLineEdit::textEdited, this, &frmPower::ShowResult);
    return group;
}

QWidget* frmPower::BuildPanel()
{
    auto* group = Named(new QGroupBox("Control Panel's Own Currents"), "fraPanel");
    txtPanelStandby_ = NumberBox("txtPanelStandby", 12);
    txtPanelAlarm_ = NumberBox("txtPanelAlarm", 12);
    txtPanelStandby_->setPlaceholderText("Panel's own");
    txtPanelAlarm_->setPlaceholderText("Panel's own");
    auto* grid = new QGridLayout(group);
    grid->addWidget(Buddy("Standb&y (mA):", txtPanelStandby_), 0, 0);
    grid->addWidget(txtPanelStandby_, 0, 1);
    grid->addWidget(Named(Hint(core_.PanelStandbyHint()), "lblPanelStandbyHint"), 1, 1);
    grid->addWidget(Buddy("&In Alarm (mA):", txtPanelAlarm_), 2, 0);
    grid->addWidget(txtPanelAlarm_, 2, 1);
    grid->addWidget(Named(Hint(core_.PanelAlarmHint()), "lblPanelAlarmHint"), 3, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    for (QLineEdit* box : {txtPanelStandby_, txtPanelAlarm_})
        connect(box, &QLineEdit::textEdited, this, &frmPower::ShowResult);
    return group;
}

QWidget* frmPower::BuildLoads()
{
    auto* group = Named(new QGroupBox("Ancillary &Loads on the Battery"), "fraLoads");
    grdLoads_ = Named(new QTableWidget(0, ColumnCount), "grdLoads");
    grdLoads_->setHorizontalHeaderLabels({"Description", "Quantity", "Standby (mA each)", "Alarm (mA each)"});
    grdLoads_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdLoads_->horizontalHeader()->setSectionResizeMode(Description, QHeaderView::Stretch);
    grdLoads_->verticalHeader()->hide();
    grdLoads_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLoads_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(grdLoads_, &QTableWidget::itemChanged, this, &frmPower::ShowResult);

    auto* add = Named(new QPushButton("A&dd Load"), "btnAddLoad");
    btnRemoveLoad_ = Named(new QPushButton("Re&move Load"), "btnRemoveLoad");
    for (QPushButton* button : {add, btnRemoveLoad_})
        button->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &frmPower::AddLoad);
    connect(btnRemoveLoad_, &QPushButton::clicked, this, &frmPower::RemoveLoad);
    connect(grdLoads_, &QTableWidget::itemSelectionChanged, this,
            [this] { btnRemoveLoad_->setEnabled(grdLoads_->currentRow() >= 0); });

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(btnRemoveLoad_);
    side->addStretch();
    auto* row = new QHBoxLayout(group);
    row->addWidget(grdLoads_, 1);
    row->addLayout(side);
    return group;
}

QWidget* frmPower::BuildBattery()
{
    auto* group = Named(new QGroupBox("Battery"), "fraBattery");
    cmbFitted_ = Named(new QComboBox, "cmbFitted");
    cmbFitted_->setEditable(true);
    cmbFitted_->setInsertPolicy(QComboBox::NoInsert);
    // The box takes a number as typed ("10" is 10 Ah, not the listed 100):
    // the standard sizes are offered by the list, never completed into it.
    cmbFitted_->setCompleter(nullptr);
    cmbFitted_->setMinimumContentsLength(7);
    for (const std::string& choice : core_.BatteryChoices())
        cmbFitted_->addItem(Text(choice));
    connect(cmbFitted_, &QComboBox::currentTextChanged, this, &frmPower::ShowResult);

    lblSummary_ = Named(new QLabel, "lblSummary");
    lblSummary_->setWordWrap(true);
    QFont bold = lblSummary_->font();
    bold.setBold(true);
    lblSummary_->setFont(bold);
    txtWorking_ = Named(new QPlainTextEdit, "txtWorking");
    txtWorking_->setReadOnly(true);
    txtWorking_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* fitted = new QHBoxLayout;
    fitted->addWidget(Buddy("Fitted &Battery (Ah):", cmbFitted_));
    fitted->addWidget(cmbFitted_);
    fitted->addSpacing(12);
    fitted->addWidget(Hint("12 V batteries, in pairs for a 24 V panel"));
    fitted->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(fitted);
    layout->addWidget(lblSummary_);
    layout->addWidget(txtWorking_, 1);
    return group;
}

void frmPower::ShowEntries(const PowerCore::Entries& entries)
{
    showing_ = true;
    const auto rule = std::find(std::begin(PowerCore::Rules), std::end(PowerCore::Rules), entries.Rule);
    cmbRule_->setCurrentIndex(static_cast<int>(rule - std::begin(PowerCore::Rules)));
    chkVoice_->setChecked(entries.VoiceEvacuation);
    chkVoice_->setEnabled(PowerCore::VoiceEvacuationOffered(entries.Rule));
    txtStandby_->setText(Text(entries.StandbyHours));
    txtAlarm_->setText(Text(entries.AlarmMinutes));
    txtFactor_->setText(Text(entries.Factor));
    txtFactor_->setEnabled(PowerCore::FactorEditable(entries.Rule));
    txtPanelStandby_->setText(Text(entries.PanelStandby));
    txtPanelAlarm_->setText(Text(entries.PanelAlarm));
    grdLoads_->setRowCount(0);
    for (const PowerCore::LoadEntries& load : entries.Loads) {
        const int row = grdLoads_->rowCount();
        grdLoads_->insertRow(row);
        const std::string cells[] = {load.Description, load.Quantity, load.Standby, load.Alarm};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(Text(cells[column]));
            item->setTextAlignment(column == Description ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            grdLoads_->setItem(row, column, item);
        }
    }
    btnRemoveLoad_->setEnabled(grdLoads_->currentRow() >= 0);
    cmbFitted_->setCurrentText(Text(entries.Fitted));
    showing_ = false;
}

PowerCore::Entries frmPower::TypedEntries() const
{
    PowerCore::Entries entries;
    entries.Rule = PowerCore::Rules[std::max(cmbRule_->currentIndex(), 0)];
    entries.VoiceEvacuation = chkVoice_->isChecked();
    entries.StandbyHours = txtStandby_->text().toStdString();
    entries.AlarmMinutes = txtAlarm_->text().toStdString();
    entries.Factor = txtFactor_->text().toStdString();
    entries.PanelStandby = txtPanelStandby_->text().toStdString();
    entries.PanelAlarm = txtPanelAlarm_->text().toStdString();
    for (int row = 0; row < grdLoads_->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = grdLoads_->item(row, column);
            return item ? item->text().toStdString() : std::string();
        };
        entries.Loads.push_back({cell(Description), cell(Quantity), cell(Standby), cell(Alarm)});
    }
    entries.Fitted = cmbFitted_->currentText().toStdString();
    return entries;
}

void frmPower::RuleChanged()
{
    if (showing_)
        return;
    const PowerCore::Entries typed = TypedEntries();
    ShowEntries(PowerCore::WithRule(typed, typed.Rule, typed.VoiceEvacuation));
    ShowResult();
}

void frmPower::AddLoad()
{
    const int row = grdLoads_->rowCount();
    PowerCore::Entries entries = TypedEntries();
    entries.Loads.push_back(PowerCore::NewLoad());
    ShowEntries(entries);
    ShowResult();
    grdLoads_->setCurrentCell(row, Description);
    grdLoads_->editItem(grdLoads_->item(row, Description));
}

void frmPower::RemoveLoad()
{
    const int row = grdLoads_->currentRow();
    if (row < 0)
        return;
    grdLoads_->removeRow(row);
    btnRemoveLoad_->setEnabled(grdLoads_->currentRow() >= 0);
    ShowResult();
}

void frmPower::ShowResult()
{
    if (showing_)
        return;
    const PowerCore::Result shown = core_.ResultFor(TypedEntries());
    lblSummary_->setText(Text(shown.Summary));
    lblSummary_->setStyleSheet(shown.Pass ? "color: #17692e;" : "color: #a50e0e;");
    QStringList lines;
    for (const std::string& line : shown.Working)
        lines << Text(line);
    txtWorking_->setPlainText(lines.join('\n'));
}

void frmPower::FocusBox(const PowerCore::Refusal& refusal)
{
    using Field = PowerCore::Field;
    const auto cell = [&](int column) {
        grdLoads_->setFocus(Qt::OtherFocusReason);
        grdLoads_->setCurrentCell(refusal.Row, column);
        grdLoads_->editItem(grdLoads_->item(refusal.Row, column));
    };
    const auto box = [](QLineEdit* edit) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    };
    switch (refusal.Box) {
    case Field::StandbyHours: box(txtStandby_); break;
    case Field::AlarmMinutes: box(txtAlarm_); break;
    case Field::Factor: box(txtFactor_); break;
    case Field::PanelStandby: box(txtPanelStandby_); break;
    case Field::PanelAlarm: box(txtPanelAlarm_); break;
    case Field::LoadQuantity: cell(Quantity); break;
    case Field::LoadStandby: cell(Standby); break;
    case Field::LoadAlarm: cell(Alarm); break;
    case Field::Fitted: cmbFitted_->setFocus(Qt::OtherFocusReason); cmbFitted_->lineEdit()->selectAll(); break;
    }
}

void frmPower::ConfirmOK()
{
    if (const auto refusal = core_.OK(host_, TypedEntries())) {
        FocusBox(*refusal);
        return;
    }
    accept();
}

void frmPower::reject()
{
    if (core_.MayDiscard(host_, TypedEntries()))
        QDialog::reject();
}
