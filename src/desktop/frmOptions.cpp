#include "desktop/frmOptions.h"

#include "desktop/QtBusyPointer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* NoteLabel(const char* text, const char* name)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QListWidget* MultiSelectList(const char* name)
{
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

// A tab page: the note on top, then the controls, stretched to the page.
QWidget* Page(std::initializer_list<QWidget*> widgets)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return page;
}

void FillList(QListWidget* list, const std::vector<OptionsDialogCore::ListEntry>& entries)
{
    const QSignalBlocker quiet(list);
    list->clear();
    for (const OptionsDialogCore::ListEntry& entry : entries) {
        auto* item = new QListWidgetItem(Text(entry.Text), list);
        item->setData(Qt::UserRole, entry.Number);
        item->setSelected(entry.Selected);
    }
}

}  // namespace

frmOptions::frmOptions(Catalogue& catalogue, Options& options, MessageHost& host, QWidget* parent)
    : QDialog(parent), core_(catalogue, options), host_(host)
{
    const QtBusyPointer busy;
    setObjectName("frmOptions");
    setWindowTitle(OptionsDialogCore::Caption);

    tabOptions_ = new QTabWidget;
    tabOptions_->setObjectName("tabOptions");
    tabOptions_->addTab(BuildFamiliesTab(), "Device &Families");
    tabOptions_->addTab(BuildStandardTab(), "'&Standard' Devices");
    tabOptions_->addTab(BuildUnitsTab(), "&Units");
    tabOptions_->addTab(BuildCablesTab(), "&Cables");
    helpTopic_ = OptionsDialogCore::HelpTopic(0);
    connect(tabOptions_, &QTabWidget::currentChanged, this,
            [this](int tab) { helpTopic_ = OptionsDialogCore::HelpTopic(tab); });

    btnOK_ = new QPushButton("OK");
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnOK_, &QPushButton::clicked, this, &frmOptions::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &frmOptions::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabOptions_);
    layout->addLayout(buttons);

    FillFamilies();
    FillStandard();
    FillCableGroups();
    optUnit_[core_.Units() == 1 ? 1 : 0]->setChecked(true);
    RefreshCounts();
    resize(440, 380);
}

QWidget* frmOptions::BuildFamiliesTab()
{
    lstFamilies_ = MultiSelectList("lstFamilies");
    lblFamilySelectCount_ = new QLabel;
    lblFamilySelectCount_->setObjectName("lblFamilySelectCount");
    connect(lstFamilies_, &QListWidget::itemSelectionChanged, this, &frmOptions::FamiliesChanged);
    return Page({NoteLabel("Select which families will be shown when adding new rows of devices.", "lblFamiliesNote"),
                 lstFamilies_, lblFamilySelectCount_});
}

QWidget* frmOptions::BuildStandardTab()
{
    lstStandard_ = MultiSelectList("lstStandard");
    lblStandardSelectCount_ = new QLabel;
    lblStandardSelectCount_->setObjectName("lblStandardSelectCount");
    connect(lstStandard_, &QListWidget::itemSelectionChanged, this, &frmOptions::StandardChanged);
    return Page({NoteLabel("Select which devices will always be shown in the Loop Data dialogue box, without "
                           "needing to use Add Row.",
                           "lblStandardNote"),
                 lstStandard_, lblStandardSelectCount_});
}

QWidget* frmOptions::BuildUnitsTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NoteLabel("Select units of measurement for input and output.", "lblUnitsNote"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);
    const std::array<const char*, 2> captions{"&Metric", "&Imperial"};
    for (int index = 0; index < 2; ++index) {
        const QString suffix = "_" + QString::number(index);
        QRadioButton*& option = optUnit_[static_cast<size_t>(index)];
        option = new QRadioButton(captions[static_cast<size_t>(index)]);
        option->setObjectName("optUnit" + suffix);
        connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                core_.SetUnits(index);
        });
        const OptionsDialogCore::UnitTexts texts = OptionsDialogCore::UnitLabels(index);
        const int row = index * 4;
        grid->addWidget(option, row, 0, Qt::AlignTop);
        int line = row;
        for (const auto& [name, text] : {std::pair{"lblUnitLength", &texts.Length},
                                         std::pair{"lblUnitImpedance", &texts.Impedance},
                                         std::pair{"lblUnitImpedanceTemp", &texts.ImpedanceTemp}}) {
            auto* label = new QLabel(Text(*text));
            label->setObjectName(name + suffix);
            grid->addWidget(label, line++, 1);
        }
        grid->setRowMinimumHeight(row + 3, 16);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget* frmOptions::BuildCablesTab()
{
    lstCableGroups_ = new QListWidget;
    lstCableGroups_->setObjectName("lstCableGroups");
    connect(lstCableGroups_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        core_.SetCableGroupEnabled(static_cast<size_t>(lstCableGroups_->row(item)), item->checkState() == Qt::Checked);
    });
    return Page({NoteLabel("Select the groups of cable sizes that should be displayed:", "lblCablesNote"),
                 lstCableGroups_});
}

void frmOptions::FillFamilies()
{
    FillList(lstFamilies_, core_.Families());
}

void frmOptions::FillStandard()
{
    FillList(lstStandard_, core_.StandardDevices());
}

void frmOptions::FillCableGroups()
{
    const QSignalBlocker quiet(lstCableGroups_);
    lstCableGroups_->clear();
    for (const CableGroupChoice& group : core_.CableGroups()) {
        auto* item = new QListWidgetItem(Text(group.Name), lstCableGroups_);
        item->setData(Qt::UserRole, group.Group);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(group.Enabled ? Qt::Checked : Qt::Unchecked);
    }
}

void frmOptions::RefreshCounts()
{
    lblFamilySelectCount_->setText(Text(core_.FamilyCountText()));
    lblStandardSelectCount_->setText(Text(core_.StandardCountText()));
}

void frmOptions::FamiliesChanged()
{
    for (int row = 0; row < lstFamilies_->count(); ++row)
        core_.SetFamilySelected(static_cast<size_t>(row), lstFamilies_->item(row)->isSelected());
    FillStandard();
    RefreshCounts();
}

void frmOptions::StandardChanged()
{
    for (int row = 0; row < lstStandard_->count(); ++row)
        core_.SetStandardSelected(static_cast<size_t>(row), lstStandard_->item(row)->isSelected());
    RefreshCounts();
}

void frmOptions::accept()
{
    if (const auto refusal = core_.CheckOK()) {
        tabOptions_->setCurrentIndex(refusal->ShowTab);
        (refusal->ShowTab == OptionsDialogCore::CablesTab ? lstCableGroups_ : lstFamilies_)->setFocus();
        OptionsDialogCore::ShowRefusal(host_, *refusal);
        return;
    }
    {
        const QtBusyPointer busy;
        core_.Store();
    }
    QDialog::accept();
}
