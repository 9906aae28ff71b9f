#include "desktop/frmDeviceType.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QIcon StandardIcon(const QWidget* widget, QStyle::StandardPixmap pixmap)
{
    return widget->style()->standardIcon(pixmap);
}

}  // namespace

frmDeviceType::frmDeviceType(const Catalogue& catalogue, MessageHost& host, QWidget* parent)
    : QDialog(parent), loading_(std::make_unique<QtBusyPointer>()), core_(catalogue), host_(host)
{
    setObjectName("frmDeviceType");
    setWindowTitle(DeviceTypeChooserCore::Caption);

    lblChoose_ = new QLabel(QString::fromStdString(core_.HeadingText()));
    lblChoose_->setObjectName("lblChoose");
    lblChoose_->setWordWrap(true);
    lblChoose_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHint_ = new QLabel(DeviceTypeChooserCore::ExpandHintText);
    lblHint_->setObjectName("lblHint");

    outDevices_ = new QTreeWidget;
    outDevices_->setObjectName("outDevices");
    outDevices_->setHeaderHidden(true);
    outDevices_->setColumnCount(1);
    outDevices_->setExpandsOnDoubleClick(false);  // a double-click may mean OK
    connect(outDevices_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { CurrentItemChanged(item); });
    connect(outDevices_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { ItemDoubleClicked(item); });
    const QIcon closedFolder = StandardIcon(this, QStyle::SP_DirClosedIcon);
    const QIcon openFolder = StandardIcon(this, QStyle::SP_DirOpenIcon);
    connect(outDevices_, &QTreeWidget::itemExpanded, this,
            [openFolder](QTreeWidgetItem* item) { item->setIcon(0, openFolder); });
    connect(outDevices_, &QTreeWidget::itemCollapsed, this,
            [closedFolder](QTreeWidgetItem* item) { item->setIcon(0, closedFolder); });

    btnOK_ = new QPushButton("OK");
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnOK_, &QPushButton::clicked, this, &frmDeviceType::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &frmDeviceType::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    buttons->addStretch();
    auto* outline = new QVBoxLayout;
    outline->addWidget(lblChoose_);
    outline->addWidget(outDevices_, 1);
    outline->addWidget(lblHint_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(outline, 1);
    layout->addLayout(buttons);

    FillOutline();
    resize(420, 340);
}

void frmDeviceType::FillOutline()
{
    const QSignalBlocker quiet(outDevices_);
    outDevices_->clear();
    const QIcon closedFolder = StandardIcon(this, QStyle::SP_DirClosedIcon);
    const QIcon leaf = StandardIcon(this, QStyle::SP_FileIcon);
    for (const DeviceTypeChooserCore::FamilyItem& family : core_.Outline()) {
        auto* familyItem = new QTreeWidgetItem(outDevices_, {QString::fromStdString(family.Name)});
        familyItem->setData(0, Qt::UserRole, 0);
        familyItem->setIcon(0, closedFolder);
        for (const DeviceTypeChooserCore::TypeItem& type : family.Types) {
            auto* typeItem = new QTreeWidgetItem(familyItem, {QString::fromStdString(type.Name)});
            typeItem->setData(0, Qt::UserRole, type.Code);
            typeItem->setIcon(0, leaf);
        }
    }
    if (core_.IsEmpty()) {
        lblHint_->hide();
        outDevices_->hide();
    } else {
        outDevices_->setCurrentItem(outDevices_->topLevelItem(0));
    }
    CheckEnables();
}

void frmDeviceType::CurrentItemChanged(QTreeWidgetItem* item)
{
    std::optional<DeviceTypeChooserCore::ItemRef> current;
    if (item && item->parent()) {
        QTreeWidgetItem* family = item->parent();
        current = DeviceTypeChooserCore::ItemRef{static_cast<size_t>(outDevices_->indexOfTopLevelItem(family)),
                                                 static_cast<size_t>(family->indexOfChild(item))};
    } else if (item) {
        current = DeviceTypeChooserCore::ItemRef{static_cast<size_t>(outDevices_->indexOfTopLevelItem(item)),
                                                 std::nullopt};
    }
    core_.SetCurrent(current);
    CheckEnables();
}

void frmDeviceType::ItemDoubleClicked(QTreeWidgetItem* item)
{
    if (item->childCount() > 0)
        item->setExpanded(!item->isExpanded());
    else if (btnOK_->isEnabled())
        btnOK_->click();
}

void frmDeviceType::CheckEnables()
{
    btnOK_->setEnabled(core_.CheckEnables());
}

void frmDeviceType::showEvent(QShowEvent* event)
{
    loading_.reset();
    QDialog::showEvent(event);
}

void frmDeviceType::accept()
{
    if (const auto code = core_.OK(host_)) {
        result_ = code;
        QDialog::accept();
    }
}

void frmDeviceType::reject()
{
    result_.reset();
    QDialog::reject();
}

std::optional<int> frmDeviceType::ChooseDeviceType(const Catalogue& catalogue, MessageHost& host, QWidget* parent)
{
    frmDeviceType chooser(catalogue, host, parent);
    chooser.exec();
    return chooser.Result();
}
