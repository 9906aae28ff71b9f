#include "desktop/QtPanelChooser.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

constexpr int PositionRole = Qt::UserRole;
constexpr int ManufacturerEntry = -1;

int PositionOf(const QTreeWidgetItem* item) { return item ? item->data(0, PositionRole).toInt() : ManufacturerEntry; }

}  // namespace

QtPanelChooser::QtPanelChooser(QWidget* parent) : QComboBox(parent)
{
    setObjectName("cmbPanel");
    outPanel_ = new QTreeWidget(this);
    outPanel_->setObjectName("outPanel");
    outPanel_->setWindowFlags(Qt::Popup);
    outPanel_->setHeaderHidden(true);
    outPanel_->setColumnCount(1);
    outPanel_->setRootIsDecorated(true);
    outPanel_->setUniformRowHeights(true);
    outPanel_->setExpandsOnDoubleClick(true);
    outPanel_->installEventFilter(this);

    connect(outPanel_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (PositionOf(item) != ManufacturerEntry)
            ShowPanel(PositionOf(item));
    });
    connect(outPanel_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (PositionOf(item) != ManufacturerEntry)
            CloseOutline(true);
    });
}

void QtPanelChooser::Fill(const PanelOutline& outline)
{
    const QSignalBlocker quietCombo(this);
    const QSignalBlocker quietOutline(outPanel_);
    clear();
    outPanel_->clear();
    for (const PanelOutlineManufacturer& manufacturer : outline.Manufacturers) {
        auto* parent = new QTreeWidgetItem(outPanel_, {QString::fromStdString(manufacturer.Name)});
        parent->setData(0, PositionRole, ManufacturerEntry);
        QFont bold = parent->font(0);
        bold.setBold(true);
        parent->setFont(0, bold);
        for (const PanelListItem& panel : manufacturer.Panels) {
            auto* child = new QTreeWidgetItem(parent, {QString::fromStdString(panel.Name)});
            child->setData(0, PositionRole, panel.Position);
            addItem(QString::fromStdString(panel.Name), panel.Position);
        }
    }
    if (outline.SelectedManufacturer >= 0 && outline.SelectedPanel >= 0) {
        const PanelOutlineManufacturer& manufacturer =
            outline.Manufacturers[static_cast<size_t>(outline.SelectedManufacturer)];
        ShowPanel(manufacturer.Panels[static_cast<size_t>(outline.SelectedPanel)].Position);
    } else {
        setCurrentIndex(-1);
    }
}

void QtPanelChooser::ShowPanel(int position)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(position));
}

int QtPanelChooser::ShownPanel() const { return currentIndex() < 0 ? -1 : currentData().toInt(); }

QTreeWidgetItem* QtPanelChooser::ItemOfPanel(int position) const
{
    for (int m = 0; m < outPanel_->topLevelItemCount(); ++m) {
        QTreeWidgetItem* manufacturer = outPanel_->topLevelItem(m);
        for (int p = 0; p < manufacturer->childCount(); ++p)
            if (PositionOf(manufacturer->child(p)) == position)
                return manufacturer->child(p);
    }
    return nullptr;
}

bool QtPanelChooser::OutlineShown() const { return outPanel_->isVisible(); }

void QtPanelChooser::showPopup()
{
    if (OutlineShown())
        return;
    shownBeforeOpening_ = ShownPanel();
    choosing_ = true;
    {
        const QSignalBlocker quiet(outPanel_);
        outPanel_->collapseAll();
        if (QTreeWidgetItem* item = ItemOfPanel(shownBeforeOpening_)) {
            item->parent()->setExpanded(true);
            outPanel_->setCurrentItem(item);
            outPanel_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        }
    }

    // Under the combo box and as wide as it (the window's width changes it),
    // above it when the screen has no room below.
    const int rowHeight = std::max(outPanel_->sizeHintForRow(0), fontMetrics().height() + 4);
    const int height = std::clamp(rowHeight * 14, 160, 420);
    QPoint below = mapToGlobal(QPoint(0, this->height()));
    if (const QScreen* area = screen(); area && below.y() + height > area->availableGeometry().bottom())
        below = mapToGlobal(QPoint(0, -height));
    outPanel_->setGeometry(below.x(), below.y(), width(), height);
    outPanel_->show();
    outPanel_->setFocus(Qt::PopupFocusReason);
}

void QtPanelChooser::hidePopup() { CloseOutline(true); }

void QtPanelChooser::CloseOutline(bool choose)
{
    if (!OutlineShown())
        return;
    choosing_ = choose;
    outPanel_->hide();  // OutlineHidden follows
}

void QtPanelChooser::OutlineHidden()
{
    if (!choosing_) {
        ShowPanel(shownBeforeOpening_);
        choosing_ = true;
        return;
    }
    // Told once the outline is gone, so that a question about the change
    // does not open over it.
    const int chosen = ShownPanel();
    QMetaObject::invokeMethod(this, [this, chosen] { emit panelChosen(chosen); }, Qt::QueuedConnection);
}

bool QtPanelChooser::OutlineKey(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    QTreeWidgetItem* item = outPanel_->currentItem();
    switch (event->key()) {
    case Qt::Key_Up:
        if (!alt)
            return false;
        CloseOutline(true);
        setFocus(Qt::PopupFocusReason);
        return true;
    case Qt::Key_Escape:
        CloseOutline(false);
        setFocus(Qt::PopupFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (item && PositionOf(item) == ManufacturerEntry)
            item->setExpanded(!item->isExpanded());
        else if (item)
            CloseOutline(true);
        return true;
    default: return false;
    }
}

bool QtPanelChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == outPanel_) {
        if (event->type() == QEvent::KeyPress && OutlineKey(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::Hide)
            OutlineHidden();
    }
    return QComboBox::eventFilter(watched, event);
}

void QtPanelChooser::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    if ((alt && event->key() == Qt::Key_Down) || event->key() == Qt::Key_F4 || event->key() == Qt::Key_Space) {
        showPopup();
        return;
    }
    // The arrow keys and typing do not change the panel here: only the
    // outline chooses.
    event->ignore();
}

void QtPanelChooser::wheelEvent(QWheelEvent* event) { event->ignore(); }
