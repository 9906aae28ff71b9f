#include "desktop/frmDeletePanels.h"

#include "desktop/frmPanel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

frmDeletePanels::frmDeletePanels(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                                 const DataFiles& files, bool DoDelete, QWidget* parent)
    : QDialog(parent),
      services_{document, catalogue, options, host, files, pointer_},
      core_(catalogue, DoDelete ? PanelListCore::Mode::Delete : PanelListCore::Mode::Edit)
{
    setObjectName("frmDeletePanels");
    setWindowTitle(QString::fromStdString(core_.Caption()));
    setWindowIcon(style()->standardIcon(core_.IsDeleteMode() ? QStyle::SP_TrashIcon
                                                             : QStyle::SP_FileDialogDetailedView));

    lstPanels_ = new QListWidget;
    lstPanels_->setObjectName("lstPanels");
    lstPanels_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lstPanels_, &QListWidget::itemSelectionChanged, this, &frmDeletePanels::SelectionChanged);
    connect(lstPanels_, &QListWidget::itemDoubleClicked, this, [this] { btnDelete_->click(); });

    btnDelete_ = new QPushButton(QString::fromStdString(core_.ActionCaption()));
    btnDelete_->setObjectName("btnDelete");
    btnDelete_->setDefault(true);
    btnClose_ = new QPushButton(QString::fromStdString(core_.CloseCaption()));
    btnClose_->setObjectName("btnClose");
    connect(btnDelete_, &QPushButton::clicked, this, &frmDeletePanels::ActionClicked);
    connect(btnClose_, &QPushButton::clicked, this, &frmDeletePanels::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnDelete_);
    buttons->addWidget(btnClose_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstPanels_, 1);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    FillList();
    resize(380, 240);
}

void frmDeletePanels::FillList()
{
    const QSignalBlocker quiet(lstPanels_);
    lstPanels_->clear();
    for (const PanelListItem& item : core_.Items()) {
        auto* entry = new QListWidgetItem(QString::fromStdString(item.Name), lstPanels_);
        entry->setData(Qt::UserRole, item.Position);
    }
    btnDelete_->setEnabled(core_.ActionEnabled());
}

void frmDeletePanels::SelectionChanged()
{
    const QList<QListWidgetItem*> selected = lstPanels_->selectedItems();
    core_.Choose(selected.isEmpty() ? -1 : lstPanels_->row(selected.front()));
    btnDelete_->setEnabled(core_.ActionEnabled());
}

void frmDeletePanels::ActionClicked()
{
    if (!core_.IsDeleteMode()) {
        panelToEdit_ = core_.ChosenPosition();
        accept();
        return;
    }
    const PanelListCore::DeleteOutcome outcome = core_.DeleteChosen(services_);
    if (!outcome.Deleted)
        return;
    changed_ = true;
    FillList();
    if (outcome.CloseList)
        accept();
}

bool frmDeletePanels::EditPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                                const DataFiles& files, QWidget* parent)
{
    std::optional<int> position;
    {
        frmDeletePanels list(document, catalogue, options, host, files, false, parent);
        list.exec();
        position = list.PanelToEdit();
    }
    return position && frmPanel::ShowPanel(document, catalogue, options, host, files, *position, parent);
}

bool frmDeletePanels::DeletePanels(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                                   const DataFiles& files, QWidget* parent)
{
    frmDeletePanels list(document, catalogue, options, host, files, true, parent);
    list.exec();
    return list.Changed();
}
