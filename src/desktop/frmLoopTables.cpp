#include "desktop/frmLoopTables.h"

#include "forms/EntryKeys.h"
#include "platform/MessageHost.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>
#include <utility>

bool RefusesKey(const QKeyEvent& key, bool decimalPoint)
{
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return !EntryKeys::Accepts(text.toUcs4().value(0), decimalPoint);
}

void DeliverNow(QObject* object, QEvent* event, bool& delivering)
{
    delivering = true;
    QCoreApplication::sendEvent(object, event);
    delivering = false;
}

// ---- LoopRowsModel ----

LoopRowsModel::LoopRowsModel(LoopEditorCore& core, Table table, QObject* parent)
    : QAbstractTableModel(parent), core_(core), table_(table), shownRows_(CoreRowCount())
{
}

int LoopRowsModel::CoreRowCount() const
{
    return static_cast<int>(table_ == Table::Devices ? core_.ShownDeviceRows().size() : core_.OtherRows().size());
}

size_t LoopRowsModel::CoreRow(int row) const
{
    const auto at = static_cast<size_t>(row);
    return table_ == Table::Devices ? core_.ShownDeviceRows().at(at) : at;
}

int LoopRowsModel::RowOf(size_t coreRow) const
{
    if (table_ == Table::Other)
        return static_cast<int>(coreRow);
    const std::vector<size_t>& shown = core_.ShownDeviceRows();
    const auto found = std::find(shown.begin(), shown.end(), coreRow);
    return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
}

LoopEditorCore::RowTexts LoopRowsModel::Texts(int row) const
{
    return table_ == Table::Devices ? core_.DeviceRowTexts(CoreRow(row)) : core_.OtherRowTexts(CoreRow(row));
}

int LoopRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int LoopRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant LoopRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shownRows_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const LoopEditorCore::RowTexts texts = Texts(index.row());
    switch (index.column()) {
    case Name: return QString::fromStdString(texts.Name);
    case Quantity: return QString::fromStdString(texts.Quantity);
    case Quiescent: return QString::fromStdString(texts.Quiescent);
    case Alarm: return QString::fromStdString(texts.Alarm);
    default: return {};
    }
}

QVariant LoopRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return section == Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name: return table_ == Table::Devices ? tr("Device Type") : tr("Other Device");
    case Quantity: return tr("Qty");
    case Quiescent: return tr("Quiescent");
    case Alarm: return tr("Alarm");
    default: return {};
    }
}

Qt::ItemFlags LoopRowsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == Quantity ? flags | Qt::ItemIsEditable : flags;
}

void LoopRowsModel::Refresh()
{
    const int rows = CoreRowCount();
    if (rows < shownRows_) {
        Reset();
        return;
    }
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    }
    if (rows > 0)
        emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
}

void LoopRowsModel::Reset()
{
    beginResetModel();
    shownRows_ = CoreRowCount();
    endResetModel();
}

QString LoopRowsModel::QuantityText(int row) const { return QString::fromStdString(Texts(row).Quantity); }

// ---- QuantityDelegate ----

QuantityDelegate::QuantityDelegate(QTableView& view, LoopRowsModel& model, const QString& editorName, QWidget& cancel,
                                   MessageHost& host, Commit commit)
    : QStyledItemDelegate(&view), view_(view), viewport_(view.viewport()), model_(model), editorName_(editorName),
      cancel_(cancel), host_(host), commit_(std::move(commit))
{
    view_.setItemDelegateForColumn(LoopRowsModel::Quantity, this);
    view_.installEventFilter(this);
    viewport_->installEventFilter(this);
    // Selecting a row, by click or by arrow key, opens its quantity box.
    connect(view_.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (busy_ || !current.isValid() || (editor_ && current.row() == editorRow_))
                    return;
                if (editor_ && !CommitOpenBox()) {
                    busy_ = true;
                    view_.setCurrentIndex(model_.index(editorRow_, LoopRowsModel::Quantity));
                    busy_ = false;
                    return;
                }
                OpenAt(current.row());
            });
    // A click on the row already current opens its box again.
    connect(&view_, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (!busy_ && !editor_)
            OpenAt(index.row());
    });
}

QWidget* QuantityDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(editorName_);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

void QuantityDelegate::OpenAt(int row)
{
    if (suspended_ || row < 0 || row >= model_.rowCount())
        return;
    Close();
    const QModelIndex index = model_.index(row, LoopRowsModel::Quantity);
    busy_ = true;
    if (view_.currentIndex() != index)
        view_.setCurrentIndex(index);
    view_.scrollTo(index);
    view_.openPersistentEditor(index);
    editor_ = qobject_cast<QLineEdit*>(view_.indexWidget(index));
    editorRow_ = row;
    busy_ = false;
    if (!editor_)
        return;
    connect(editor_, &QLineEdit::textEdited, this, &QuantityDelegate::Typed);
    editor_->setText(model_.QuantityText(row));
    editor_->selectAll();
    editor_->setFocus(Qt::OtherFocusReason);
}

void QuantityDelegate::Suspend()
{
    suspended_ = true;
    Close();
}

void QuantityDelegate::OpenAtCurrent()
{
    if (editor_) {
        editor_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QModelIndex current = view_.currentIndex();
    OpenAt(current.isValid() ? current.row() : 0);
}

void QuantityDelegate::Close()
{
    if (editorRow_ < 0)
        return;
    busy_ = true;
    view_.closePersistentEditor(model_.index(editorRow_, LoopRowsModel::Quantity));
    busy_ = false;
    editor_ = nullptr;
    editorRow_ = -1;
}

bool QuantityDelegate::CommitOpenBox()
{
    if (!editor_)
        return true;
    busy_ = true;
    const bool accepted = commit_(editorRow_, editor_->text());
    busy_ = false;
    emit Committed(accepted);
    if (accepted) {
        Close();
        return true;
    }
    if (editor_) {
        editor_->setFocus(Qt::OtherFocusReason);
        editor_->selectAll();
    }
    return false;
}

void QuantityDelegate::CommitAndMove(int step)
{
    const int row = editorRow_;
    if (CommitOpenBox())
        OpenAt(std::clamp(row + step, 0, model_.rowCount() - 1));
}

// Escape ends only the edit; the window's Cancel is for an Escape with no box open.
void QuantityDelegate::Abandon()
{
    Close();
    view_.setFocus(Qt::OtherFocusReason);
    emit Abandoned();
}

bool QuantityDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (editor_ && object == editor_)
        return FilterEditorEvent(event);
    // Pointers compared only: the view may be part way through its destruction.
    if (object == &view_ || object == viewport_)
        return FilterViewEvent(object, event);
    // Nothing of the item views' own editing: every commit is ours.
    return false;
}

bool QuantityDelegate::FilterEditorEvent(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down: CommitAndMove(1); return true;
        case Qt::Key_Up: CommitAndMove(-1); return true;
        case Qt::Key_Escape: Abandon(); return true;
        default: break;
        }
        if (RefusesKey(*key, true)) {
            host_.Beep(0);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && !busy_ && !suspended_ && !delivering_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window (a message box, another program) takes nothing from the box.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        QWidget* next = QApplication::focusWidget();
        DeliverNow(editor_, event, delivering_);
        if (next == &cancel_)
            Close();
        else
            CommitOpenBox();
        return true;
    }
    return false;
}

bool QuantityDelegate::FilterViewEvent(QObject* object, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click focuses the table before it arrives; when a refused entry
        // pulled the focus back to its box, the click must not move the row.
        if (object != viewport_)
            return false;
        pressSwallowed_ = QApplication::focusWidget() != &view_;
        return pressSwallowed_;
    case QEvent::MouseButtonRelease:
        return object == viewport_ && std::exchange(pressSwallowed_, false);
    case QEvent::FocusIn:
        if (object == &view_ && static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason && !busy_)
            OpenAtCurrent();
        return false;
    default: return false;
    }
}
