#include "desktop/frmPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

using Field = PanelEditorCore::Field;

// One row of the dialog: the box, its label and the captions after it.
struct BoxRow {
    Field Box;
    const char* Name;  // the box's objectName; its label's is "lbl" + the rest
    const char* Label;
    const char* Units = nullptr;
    const char* Note = nullptr;
};

constexpr std::array<BoxRow, PanelEditorCore::BoxCount> Rows{{
    {Field::Name, "txtName", "&Name:"},
    {Field::Manufacturer, "txtManufacturer", "Manufacturer:"},
    {Field::Loops, "txtLoops", "Number of &Loops:"},
    {Field::Impedance, "txtImpedance", "Loop Driver &Impedance:", "ohms", "(positive + negative connections)"},
    {Field::LED, "txtLED", "Ma&x. LED's in Alarm condition:", "per loop"},
    {Field::RemoteLED, "txtRemoteLED", "Max. &Remote LED's in Alarm condition:", "per loop"},
    {Field::Output, "txtOutput", "Max. &Outputs activated:", "per loop", "(I/O Units, Output Units, Sounders)"},
    {Field::LoopCurrent, "txtLoopCurrent", "Max. Loop &Current:", "mA per loop"},
    {Field::TotalCurrent, "txtTotalCurrent", "&Total Current available to Loops:", nullptr,
     "(when in radial topology)"},
    {Field::Voltage, "txtVoltage", "Min. Loop Driver Output &Voltage:", nullptr,
     "(at final battery voltage, excluding Pulse voltage)"},
    {Field::IsolatorPoints, "txtIsolatorPoints", "Max. Points &between Isolators:", "per section",
     "(devices a short circuit takes out)"},
    {Field::StandbyCurrent, "txtStandbyCurrent", "Panel &Standby Current:", "mA", "(on battery, loops excluded)"},
    {Field::AlarmCurrent, "txtAlarmCurrent", "Panel Alar&m Current:", "mA", "(loops excluded)"},
    {Field::MaxBattery, "txtMaxBattery", "Max. Battery Ca&pacity:", "Ah", "(the largest it can hold and charge)"},
    {Field::ChargerCurrent, "txtChargerCurrent", "C&harger Current:", "mA"},
}};

// The power supply figures, which a panel may leave out, are grouped apart.
constexpr auto FirstPowerRow = static_cast<size_t>(Field::StandbyCurrent);

constexpr int NumberBoxWidth = 80;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* Caption(const QString& text, const QString& name)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

// Puts one row into the grid at this line: the label, the box, its units and
// note; returns the box.
QLineEdit* AddRow(QGridLayout& grid, int line, const BoxRow& entry)
{
    const QString role = QString(entry.Name).mid(3);
    auto* box = new QLineEdit;
    box->setObjectName(entry.Name);
    auto* label = Caption(entry.Label, "lbl" + role);
    label->setBuddy(box);
    grid.addWidget(label, line, 0);
    if (entry.Box == Field::Name || entry.Box == Field::Manufacturer) {
        grid.addWidget(box, line, 1, 1, 3);
        return box;
    }
    box->setFixedWidth(NumberBoxWidth);
    box->setAlignment(Qt::AlignRight);
    grid.addWidget(box, line, 1);
    if (entry.Units)
        grid.addWidget(Caption(entry.Units, "lbl" + role + "Units"), line, 2);
    if (entry.Note)
        grid.addWidget(Caption(entry.Note, "lbl" + role + "Note"), line, entry.Units ? 3 : 2, 1, entry.Units ? 1 : 2);
    return box;
}

// The character a key types, as the boxes' filter sees it; nothing for keys
// that edit or move rather than type (and for shortcuts), which pass.
std::optional<char32_t> TypedCharacter(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return U'\r';
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QList<uint> typed = key.text().toUcs4();
    if (typed.isEmpty() || key.key() == Qt::Key_Escape || key.key() == Qt::Key_Delete || key.key() == Qt::Key_Tab ||
        key.key() == Qt::Key_Backtab)
        return std::nullopt;
    return static_cast<char32_t>(typed.front());
}

// A box that is only shown, never typed in, is drawn on the window's
// background, so that it does not look like one waiting for an entry.
void ShowLocked(QLineEdit& box, bool locked)
{
    box.setReadOnly(locked);
    if (!locked) {
        box.setPalette(QPalette());  // the inherited colours again
        return;
    }
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box.setPalette(palette);
}

}  // namespace

frmPanel::frmPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                   const DataFiles& files, QWidget* parent)
    : QDialog(parent), host_(host), core_(PanelServices{document, catalogue, options, host, files, pointer_})
{
    setObjectName("frmPanel");
    setWindowTitle(PanelEditorCore::Caption);
    BuildLayout();
}

void frmPanel::BuildLayout()
{
    auto* grid = new QGridLayout;
    auto* powerGrid = powerGrid_ = new QGridLayout;
    for (QGridLayout* each : {grid, powerGrid}) {
        each->setHorizontalSpacing(8);
        each->setVerticalSpacing(6);
        each->setColumnStretch(3, 1);
    }
    for (size_t row = 0; row < Rows.size(); ++row) {
        const bool power = row >= FirstPowerRow;
        QLineEdit* box = AddRow(power ? *powerGrid : *grid, static_cast<int>(power ? row - FirstPowerRow : row), Rows[row]);
        box->installEventFilter(this);
        boxes_[static_cast<size_t>(Rows[row].Box)] = box;
    }
    auto* powerSupply = new QGroupBox("Power Supply (optional)");
    powerSupply->setObjectName("fraPowerSupply");
    powerSupply->setLayout(powerGrid);

    // The manufacturer is shown, never typed, and is left out of the tab order.
    QLineEdit* manufacturer = boxes_[static_cast<size_t>(Field::Manufacturer)];
    ShowLocked(*manufacturer, true);
    manufacturer->setFocusPolicy(Qt::ClickFocus);

    lblNotes_ = Caption({}, "lblNotes");
    lblNotes_->setWordWrap(true);
    btnOK_ = new QPushButton("OK");
    btnOK_->setObjectName("btnOK");
    btnClose_ = new QPushButton;
    btnClose_->setObjectName("btnClose");
    connect(btnOK_, &QPushButton::clicked, this, &frmPanel::accept);
    connect(btnClose_, &QPushButton::clicked, this, &frmPanel::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblNotes_, 1);
    bottom->addSpacing(12);
    bottom->addWidget(btnOK_);
    bottom->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(powerSupply);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addLayout(bottom);

    QWidget* previous = boxes_[static_cast<size_t>(Field::Name)];
    for (size_t box = static_cast<size_t>(Field::Loops); box < boxes_.size(); ++box) {
        setTabOrder(previous, boxes_[box]);
        previous = boxes_[box];
    }
    setTabOrder(previous, btnOK_);
    setTabOrder(btnOK_, btnClose_);
}

void frmPanel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    AlignPowerBoxes();
}

// The power supply boxes line up under the boxes above them, however much
// room the group's frame takes: their label column is widened by the
// difference, once the layouts have placed both.
void frmPanel::AlignPowerBoxes()
{
    const auto left = [this](Field field) { return boxes_[static_cast<size_t>(field)]->mapTo(this, QPoint()).x(); };
    const int shift = left(Field::Loops) - left(Field::StandbyCurrent);
    if (shift > 0)
        powerGrid_->setColumnMinimumWidth(0, powerGrid_->cellRect(0, 0).width() + shift);
}

bool frmPanel::SetPanelNum(int panelNum)
{
    if (!core_.Open(panelNum))
        return false;
    ShowPanelValues();
    return true;
}

void frmPanel::ShowPanelValues()
{
    const PanelEditorCore::Entries texts = core_.Boxes();
    for (size_t box = 0; box < boxes_.size(); ++box) {
        boxes_[box]->setText(Text(texts[box]));
        if (box != static_cast<size_t>(Field::Manufacturer))
            ShowLocked(*boxes_[box], core_.IsReadOnly());
    }
    lblNotes_->setText(Text(core_.NotesText()));
    btnClose_->setText(Text(core_.CloseCaption()));
    btnOK_->setVisible(!core_.IsReadOnly());
    (core_.IsReadOnly() ? static_cast<QWidget*>(btnClose_) : boxes_[0])->setFocus();
}

PanelEditorCore::Entries frmPanel::ReadBoxes() const
{
    PanelEditorCore::Entries entries;
    for (size_t box = 0; box < boxes_.size(); ++box)
        entries[box] = boxes_[box]->text().toStdString();
    return entries;
}

void frmPanel::FocusField(Field field, bool select)
{
    if (field == Field::OKButton) {
        // A standard panel has no OK: Enter in its last box goes to Close.
        (btnOK_->isVisible() ? btnOK_ : btnClose_)->setFocus();
        return;
    }
    QLineEdit* box = boxes_[static_cast<size_t>(field)];
    box->setFocus();
    if (select)
        box->selectAll();
}

bool frmPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    const std::optional<char32_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (found == boxes_.end() || !typed)
        return QDialog::eventFilter(watched, event);
    const auto box = static_cast<Field>(found - boxes_.begin());
    switch (PanelEditorCore::KeyPressed(box, *typed)) {
    case PanelEditorCore::KeyAction::NextBox:
        FocusField(PanelEditorCore::NextField(box), false);
        return true;
    case PanelEditorCore::KeyAction::Refuse:
        host_.Beep(MsgStyle::OKOnly);
        return true;
    case PanelEditorCore::KeyAction::Accept:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmPanel::accept()
{
    QLineEdit* name = boxes_[static_cast<size_t>(Field::Name)];
    name->setText(Text(PanelEditorCore::TrimmedName(name->text().toStdString())));
    const PanelEditorCore::Outcome outcome = core_.OK(ReadBoxes());
    changed_ = changed_ || outcome.Changed;
    if (outcome.Close)
        QDialog::accept();
    else
        FocusField(outcome.Focus, true);
}

bool frmPanel::ShowPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                         const DataFiles& files, int panelNum, QWidget* parent)
{
    frmPanel dialog(document, catalogue, options, host, files, parent);
    if (!dialog.SetPanelNum(panelNum))
        return false;
    dialog.exec();
    return dialog.Changed();
}

bool frmPanel::AddPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                        const DataFiles& files, QWidget* parent)
{
    return ShowPanel(document, catalogue, options, host, files, -1, parent);
}
