#include "desktop/frmCableLayout.h"

#include "catalogues/Options.h"
#include "desktop/QtUndoActions.h"
#include "desktop/QtWindowSize.h"
#include "forms/DiscardQuestion.h"
#include "forms/HelpTopics.h"
#include "text/Scaling.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The box over a distance, a length or a location: it commits through the
// window, and a refused text comes back in the box opened again on its cell.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(frmCableLayout& window, const char* boxName, Qt::Alignment alignment)
        : QStyledItemDelegate(&window), window_(window), boxName_(boxName), alignment_(alignment)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QLineEdit(parent);
        box->setObjectName(boxName_);
        box->setAlignment(alignment_ | Qt::AlignVCenter);
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QLineEdit*>(editor);
        const QString refused = window_.TakeRefusedText();
        box->setText(refused.isNull() ? index.data().toString() : refused);
        box->selectAll();
    }

    // Cancel needs no valid entry: a box left for it commits nothing.
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (!window_.Cancelling())
            window_.CommitCell(index.row(), index.column(), static_cast<QLineEdit*>(editor)->text());
    }

protected:
    // Enter commits the box and, as in the loop editor, goes on to the same
    // column of the next row, so that distances typed one after another
    // land on the points one after another.
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QLineEdit*>(object);
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        if (!box || !key || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return QStyledItemDelegate::eventFilter(object, event);
        emit commitData(box);
        emit closeEditor(box, QAbstractItemDelegate::NoHint);
        window_.EditNextRow();
        return true;
    }

private:
    frmCableLayout& window_;
    const char* boxName_;
    Qt::Alignment alignment_;
};

QTableWidgetItem* Cell(const std::string& text, bool number, bool editable)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

template <typename Widget> Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

}  // namespace

frmCableLayout::frmCableLayout(Document& document, Options& options, int units, MessageHost& host, int loop,
                               QWidget* parent)
    : QDialog(parent), core_(document, units, host, loop), host_(host)
{
    setObjectName("frmCableLayout");
    setWindowTitle(QString::fromStdString(core_.Caption()));
    setModal(true);
    BuildControls(options);
    ShowRows();
    SelectRow(0);
}

void frmCableLayout::BuildControls(Options& options)
{
    const QString unit = QString::fromStdString(Scaling::LengthUnitsText(core_.Units(), false));
    auto* note = new QLabel(tr("Each point's distance along the cable from the panel's loop OUT terminal, in %1, "
                               "or the length of cable from the point before. A point without a distance is "
                               "placed between its neighbours that have one; with none at all, the points are "
                               "placed as the loop's volt drop assumes.")
                                .arg(QString::fromStdString(Scaling::LengthUnitsText(core_.Units(), true))));
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    grdCableLayout_ = Named(new QTableWidget(0, ColumnCount), "grdCableLayout");
    grdCableLayout_->setHorizontalHeaderLabels({tr("No."), tr("Address"), tr("Device Type"), tr("Other Devices"),
                                                tr("Distance (%1)").arg(unit), tr("From Previous (%1)").arg(unit),
                                                tr("Location")});
    grdCableLayout_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCableLayout_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCableLayout_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed);
    grdCableLayout_->setAlternatingRowColors(true);
    grdCableLayout_->setWordWrap(false);
    grdCableLayout_->verticalHeader()->hide();
    grdCableLayout_->verticalHeader()->setDefaultSectionSize(grdCableLayout_->fontMetrics().height() + 10);
    QHeaderView* header = grdCableLayout_->horizontalHeader();
    header->setHighlightSections(false);
    // The numbers keep the width of their headings; the names and the
    // locations share the rest.
    int numbers = 0;
    for (const int column : {Number, Address, Distance, Length}) {
        const QString heading = grdCableLayout_->horizontalHeaderItem(column)->text();
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, header->fontMetrics().horizontalAdvance(heading) + 24);
        numbers += header->sectionSize(column);
    }
    header->setSectionResizeMode(Type, QHeaderView::Stretch);
    header->setSectionResizeMode(Others, QHeaderView::Stretch);
    header->setSectionResizeMode(Location, QHeaderView::Stretch);
    auto* lengths = new CellDelegate(*this, "txtCableLength", Qt::AlignRight);
    grdCableLayout_->setItemDelegateForColumn(Distance, lengths);
    grdCableLayout_->setItemDelegateForColumn(Length, lengths);
    grdCableLayout_->setItemDelegateForColumn(Location, new CellDelegate(*this, "txtLocation", Qt::AlignLeft));

    btnMoveUp_ = Named(new QPushButton(tr("&Move Up")), "btnMoveUp");
    btnMoveDown_ = Named(new QPushButton(tr("Move &Down")), "btnMoveDown");
    btnSpaceEvenly_ = Named(new QPushButton(tr("&Space Evenly")), "btnSpaceEvenly");
    btnPaste_ = Named(new QPushButton(tr("&Paste")), "btnPaste");
    btnOK_ = Named(new QPushButton(tr("OK")), "btnOK");
    btnCancel_ = Named(new QPushButton(tr("Cancel")), "btnCancel");
    undo_ = new QtUndoActions(*this, [this] { StepHistory(true); }, [this] { StepHistory(false); });
    btnUndo_ = undo_->UndoButton();
    btnRedo_ = undo_->RedoButton();
    btnSpaceEvenly_->setToolTip(tr("Every point where the loop's volt drop takes it: the first run, then even steps "
                                   "to the end of the cable"));
    btnPaste_->setToolTip(tr("Two columns from a spreadsheet: address, and distance from the panel"));
    // Enter belongs to the table's boxes: no button takes it.
    for (QPushButton* button : {btnMoveUp_, btnMoveDown_, btnSpaceEvenly_, btnPaste_, btnOK_, btnCancel_}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(tr("Space Evenly")) + 32);
    }
    // Tab goes on from the table to the buttons (the arrows move between its
    // cells), and the button Space would press is plainly marked.
    grdCableLayout_->setTabKeyNavigation(false);
    setStyleSheet("QPushButton:focus { border: 2px solid palette(highlight); border-radius: 3px; "
                  "background: palette(button); padding: 3px 8px; outline: none; }");

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(btnMoveUp_);
    side->addWidget(btnMoveDown_);
    side->addSpacing(12);
    side->addWidget(btnSpaceEvenly_);
    side->addWidget(btnPaste_);
    side->addStretch(1);
    side->addWidget(btnOK_);
    side->addWidget(btnCancel_);

    // Under the table, as in the loop editor.
    auto* history = new QHBoxLayout;
    history->setSpacing(6);
    history->addWidget(btnUndo_);
    history->addWidget(btnRedo_);
    history->addStretch(1);
    auto* withHistory = new QVBoxLayout;
    withHistory->setSpacing(6);
    withHistory->addWidget(grdCableLayout_, 1);
    withHistory->addLayout(history);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addLayout(withHistory, 1);
    body->addLayout(side);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 12);
    root->setSpacing(10);
    root->addWidget(note);
    root->addLayout(body, 1);

    connect(btnMoveUp_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(btnMoveDown_, &QPushButton::clicked, this, [this] { Move(1); });
    connect(btnSpaceEvenly_, &QPushButton::clicked, this, &frmCableLayout::SpaceEvenly);
    connect(btnPaste_, &QPushButton::clicked, this, &frmCableLayout::Paste);
    connect(btnOK_, &QPushButton::clicked, this, &frmCableLayout::ConfirmOK);
    connect(btnCancel_, &QPushButton::clicked, this, &frmCableLayout::reject);
    connect(grdCableLayout_, &QTableWidget::currentCellChanged, this, &frmCableLayout::ShowButtons);

    // Never so narrow that the names lose their words.
    const int names = 3 * grdCableLayout_->fontMetrics().horizontalAdvance(tr("Optical Smoke Detector "));
    const int table = numbers + names + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    grdCableLayout_->setMinimumWidth(table);
    setMinimumSize(QSize(table + btnOK_->minimumWidth() + 12 + 28, 320));
    resize(QSize(1120, 560).expandedTo(minimumSize()));
    new QtWindowSize(*this, options, SettingName::CableLayoutSize);
}

// The texts go into the cells in place, so that a box closing on one
// after its commit still finds it.
void frmCableLayout::ShowRows()
{
    const int rows = static_cast<int>(core_.Rows().size());
    grdCableLayout_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const CableLayoutCore::RowTexts texts = core_.Texts(static_cast<size_t>(row));
        for (const auto& [column, text] : {std::pair{Number, &texts.Number}, std::pair{Address, &texts.Address},
                                           std::pair{Type, &texts.Type}, std::pair{Others, &texts.Others},
                                           std::pair{Distance, &texts.Distance}, std::pair{Length, &texts.Length},
                                           std::pair{Location, &texts.Location}}) {
            if (QTableWidgetItem* item = grdCableLayout_->item(row, column))
                item->setText(QString::fromStdString(*text));
            else
                grdCableLayout_->setItem(row, column,
                                         Cell(*text, column != Type && column != Others && column != Location,
                                              column == Distance || column == Length || column == Location));
        }
        // A location longer than its column is read whole in its tooltip.
        grdCableLayout_->item(row, Location)->setToolTip(QString::fromStdString(texts.Location));
    }
    ShowButtons();
}

void frmCableLayout::ShowButtons()
{
    const int row = grdCableLayout_->currentRow();
    btnMoveUp_->setEnabled(row >= 0 && core_.CanMove(static_cast<size_t>(row), -1));
    btnMoveDown_->setEnabled(row >= 0 && core_.CanMove(static_cast<size_t>(row), 1));
    btnSpaceEvenly_->setEnabled(!core_.Rows().empty());
    undo_->Show(core_.History().UndoName(), core_.History().RedoName());
}

void frmCableLayout::SelectRow(int row)
{
    if (row >= 0 && row < grdCableLayout_->rowCount())
        grdCableLayout_->setCurrentCell(row, Distance);
    ShowButtons();
}

bool frmCableLayout::CommitCell(int row, int column, const QString& text)
{
    if (committing_)
        return false;
    committing_ = true;
    const auto at = static_cast<size_t>(row);
    const std::string typed = text.toStdString();
    const bool accepted = column == Distance ? core_.CommitDistance(at, typed)
                          : column == Length ? core_.CommitLength(at, typed)
                                             : core_.CommitLocation(at, typed);
    committing_ = false;
    refused_ = !accepted;
    if (accepted) {
        ShowRows();  // the lengths after it follow a new distance
        return true;
    }
    // The box closes after this commit; it opens again on the same cell.
    refusedText_ = text;
    QTimer::singleShot(0, this, [this, row, column] {
        const QModelIndex cell = grdCableLayout_->model()->index(row, column);
        grdCableLayout_->setCurrentIndex(cell);
        grdCableLayout_->setFocus(Qt::OtherFocusReason);
        grdCableLayout_->edit(cell);
        refused_ = false;
    });
    return false;
}

void frmCableLayout::EditNextRow()
{
    const QModelIndex current = grdCableLayout_->currentIndex();
    if (refused_ || !current.isValid() || current.row() + 1 >= grdCableLayout_->rowCount())
        return;
    const QModelIndex next = current.siblingAtRow(current.row() + 1);
    grdCableLayout_->setCurrentIndex(next);
    grdCableLayout_->edit(next);
}

QString frmCableLayout::TakeRefusedText()
{
    QString text = refusedText_;
    refusedText_ = QString();
    return text;
}

int frmCableLayout::HelpTopic() const { return HelpTopic::CableLayout; }

bool frmCableLayout::Cancelling() const { return QApplication::focusWidget() == btnCancel_; }

void frmCableLayout::Move(int step)
{
    const int row = grdCableLayout_->currentRow();
    if (row < 0)
        return;
    const std::optional<size_t> now = core_.Move(static_cast<size_t>(row), step);
    ShowRows();
    SelectRow(now ? static_cast<int>(*now) : row);
}

void frmCableLayout::SpaceEvenly()
{
    if (core_.SpaceEvenly())
        ShowRows();
}

void frmCableLayout::Paste()
{
    core_.Paste(QApplication::clipboard()->text().toStdString());
    const int row = grdCableLayout_->currentRow();
    ShowRows();
    SelectRow(row);
}

// A box open on a cell keeps its text: the steps wait until it is closed.
void frmCableLayout::StepHistory(bool undo)
{
    if (grdCableLayout_->indexWidget(grdCableLayout_->currentIndex()))
        return;
    if (undo ? core_.Undo() : core_.Redo())
        ShowRows();
}

void frmCableLayout::reject()
{
    if (DiscardQuestion::MayClose(host_, core_.HasChanges(), core_.DiscardQuestion(), core_.Caption()))
        QDialog::reject();
}

void frmCableLayout::ConfirmOK()
{
    if (refused_)
        return;
    core_.Apply();
    accept();
}
