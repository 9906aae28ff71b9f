#pragma once
// The loop editor's two tables: a model per table over the rows the editor
// core computes, and the delegate that edits a row's quantity in a text box
// over column 1. The core decides whether a quantity is accepted; a refused
// one keeps its box open over the same row with the text selected.

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

// moc's own preprocessor stops at the standard library's C++20 headers; it
// needs none of these to read these classes.
#ifndef Q_MOC_RUN
#include "forms/LoopEditorCore.h"

#include <functional>
#endif

class MessageHost;
class QKeyEvent;
class QTableView;

// True for a typed character the loop editor's number boxes drop (with a
// beep): anything printable but digits and, where taken, the decimal point.
// Keys that type nothing (arrows, Delete) and shortcuts are not theirs to drop.
bool RefusesKey(const QKeyEvent& key, bool decimalPoint);

// Delivers `event` to `object` at once, past the event filter that calls it
// (`delivering` tells that filter to let it through). A filter uses it to let
// a box finish losing the focus before committing the box, so that a refused
// entry can take the focus back with its text still selected.
void DeliverNow(QObject* object, QEvent* event, bool& delivering);

class LoopRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Table { Devices, Other };
    enum Column { Name, Quantity, Quiescent, Alarm, ColumnCount };

    LoopRowsModel(LoopEditorCore& core, Table table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows the core's rows again: the rows it appended and every text.
    void Refresh();
    // The core rebuilt its rows.
    void Reset();
    // What the quantity box starts with.
    QString QuantityText(int row) const;
    // The core's row shown in a row of the table, and back: the device table
    // shows the rows the core's filter chose.
    size_t CoreRow(int row) const;
    int RowOf(size_t coreRow) const;

private:
    int CoreRowCount() const;
    LoopEditorCore::RowTexts Texts(int row) const;

    LoopEditorCore& core_;
    Table table_;
    int shownRows_ = 0;
};

class QuantityDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Commits the text typed for a row; false when the core refused it (and
    // said why).
    using Commit = std::function<bool(int row, const QString& text)>;

    // Takes over column 1 of `view`; its box is named `editorName`. A commit
    // whose focus goes to `cancel` is skipped.
    QuantityDelegate(QTableView& view, LoopRowsModel& model, const QString& editorName, QWidget& cancel,
                     MessageHost& host, Commit commit);

    // Lays the box over the row's quantity, text selected, focus in it.
    void OpenAt(int row);
    // Opens the box on the current row (the first when there is none).
    void OpenAtCurrent();
    QLineEdit* Editor() const { return editor_; }
    // The window closes: the box goes without committing, and nothing more opens it.
    void Suspend();
    // Commits the open box and closes it; true when accepted or when no box
    // is open. A refused box stays open with its text selected.
    bool CommitOpenBox();

signals:
    // A key reached the box: the results shown are out of date.
    void Typed();
    // A commit was tried; false when refused.
    void Committed(bool accepted);
    // Escape ended the edit without a commit: the row keeps its quantity.
    void Abandoned();

protected:
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The box's text is set when it opens and left alone after, so that a
    // refused text stays for correcting; commits go through Commit only.
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool FilterEditorEvent(QEvent* event);
    bool FilterViewEvent(QObject* object, QEvent* event);
    void CommitAndMove(int step);
    void Abandon();
    void Close();

    QTableView& view_;
    QWidget* viewport_;
    LoopRowsModel& model_;
    QString editorName_;
    QWidget& cancel_;
    MessageHost& host_;
    Commit commit_;
    QPointer<QLineEdit> editor_;
    int editorRow_ = -1;
    bool busy_ = false;  // opening, closing or committing: focus changes are ours
    bool suspended_ = false;
    bool pressSwallowed_ = false;
    bool delivering_ = false;
};
