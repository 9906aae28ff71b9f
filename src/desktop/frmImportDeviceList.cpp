#include "desktop/frmImportDeviceList.h"

#include "forms/HelpTopics.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* Heading(const char* text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

frmImportDeviceList::frmImportDeviceList(DeviceListImportCore& core, QWidget* parent) : QDialog(parent), core_(core)
{
    setObjectName("frmImportDeviceList");
    setWindowTitle(Text(core_.Caption()));

    auto* summary = new QLabel(Text(core_.Summary()));
    summary->setObjectName("lblSummary");
    summary->setWordWrap(true);

    treePreview_ = new QTreeWidget;
    treePreview_->setObjectName("treePreview");
    treePreview_->setHeaderHidden(true);
    treePreview_->setRootIsDecorated(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    btnApply_ = buttons->addButton("&Apply", QDialogButtonBox::AcceptRole);
    btnApply_->setObjectName("btnApply");
    btnApply_->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    if (!core_.Unknowns().empty()) {
        grdNames_ = BuildNames();
        layout->addWidget(Heading("&Names in neither catalogue: choose what each stands for", grdNames_));
        layout->addWidget(grdNames_, 1);
    }
    layout->addWidget(Heading("&What the import places", treePreview_));
    layout->addWidget(treePreview_, 2);
    auto* note = new QLabel("Rows refused are left out. Undo takes the whole import back.");
    note->setObjectName("lblNote");
    layout->addWidget(note);
    layout->addWidget(buttons);
    ShowPreview();
    resize(760, 560);
}

QTableWidget* frmImportDeviceList::BuildNames()
{
    const auto& unknowns = core_.Unknowns();
    auto* grid = new QTableWidget(static_cast<int>(unknowns.size()), 3);
    grid->setObjectName("grdNames");
    grid->setHorizontalHeaderLabels({"Name in the list", "Rows", "Use"});
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    QStringList choices;
    for (const std::string& choice : core_.Choices())
        choices << Text(choice);
    for (size_t row = 0; row < unknowns.size(); ++row) {
        const int r = static_cast<int>(row);
        grid->setItem(r, 0, new QTableWidgetItem(Text(unknowns[row].Name)));
        grid->setItem(r, 1, new QTableWidgetItem(Text(unknowns[row].Rows)));
        auto* use = new QComboBox;
        use->setObjectName(QString("cboUse%1").arg(r));
        use->addItems(choices);
        use->setCurrentIndex(static_cast<int>(unknowns[row].Choice));
        use->setAccessibleName(Text("Use for " + unknowns[row].Name));
        connect(use, &QComboBox::currentIndexChanged, this, [this, row](int choice) {
            core_.Choose(row, static_cast<size_t>(std::max(choice, 0)));
            ShowPreview();
        });
        grid->setCellWidget(r, 2, use);
    }
    return grid;
}

void frmImportDeviceList::ShowPreview()
{
    treePreview_->clear();
    const QBrush refusedColour(QColor(0xB0, 0x00, 0x20));
    auto refusedItem = [&](QTreeWidgetItem* parent, const std::string& text) {
        auto* item = new QTreeWidgetItem(parent, {Text(text)});
        item->setForeground(0, refusedColour);
        return item;
    };
    for (const std::string& row : core_.RowsWithoutLoop())
        treePreview_->addTopLevelItem(refusedItem(nullptr, row));
    for (const DeviceListImportCore::LoopPreview& loop : core_.Preview()) {
        auto* item = new QTreeWidgetItem(treePreview_, {Text(loop.Title)});
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        for (const std::string& placed : loop.Placed)
            new QTreeWidgetItem(item, {Text(placed)});
        for (const std::string& refused : loop.Refused)
            refusedItem(item, refused);
    }
    treePreview_->expandAll();
    btnApply_->setEnabled(core_.CanApply());
}

void frmImportDeviceList::accept()
{
    if (!core_.CanApply())
        return;
    core_.Apply();
    QDialog::accept();
}

int frmImportDeviceList::HelpTopic() const { return HelpTopic::ImportDeviceList; }
