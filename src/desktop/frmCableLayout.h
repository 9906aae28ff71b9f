#pragma once
// The cable layout window of the loop editor: the loop's points in cable
// order with their distances from the panel, the lengths between them and
// their locations, which can be typed; Move Up and Move Down change the cable order; Space
// Evenly and Paste fill the distances. It shows what the cable layout core
// computes; OK writes into the loop, Cancel (and Escape, and the close
// button) leaves it alone, asking first when there are changes to lose.
// Undo and Redo (Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z) step through the edits;
// a box open on a cell takes them for its own text first.

#include <QDialog>

#include "desktop/QtHelpKey.h"

// moc's own preprocessor stops at the standard library's C++20 headers; it
// needs none of these to read this class.
#ifndef Q_MOC_RUN
#include "forms/CableLayoutCore.h"
#endif

class Document;
class MessageHost;
class Options;
class QPushButton;
class QToolButton;
class QtUndoActions;
class QTableWidget;

class frmCableLayout : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    enum Column { Number, Address, Type, Others, Distance, Length, Location, ColumnCount };

    // The window's size is kept in `options`.
    frmCableLayout(Document& document, Options& options, int units, MessageHost& host, int loop,
                   QWidget* parent = nullptr);

    // A typed cell, as its box commits it: false when the core refused it,
    // said why, and the box opens again on the cell with the text selected.
    bool CommitCell(int row, int column, const QString& text);
    // After Enter has committed a box: the box opens on the next row's cell.
    void EditNextRow();
    // The box open on a refused cell starts with the text refused.
    QString TakeRefusedText();
    bool Cancelling() const;
    int HelpTopic() const override;
    // Cancel, Escape and the close button: the window stays open when the
    // user keeps editing.
    void reject() override;

private:
    void BuildControls(Options& options);
    void ShowRows();
    void ShowButtons();
    void SelectRow(int row);
    void Move(int step);
    void SpaceEvenly();
    void Paste();
    void ConfirmOK();
    void StepHistory(bool undo);

    CableLayoutCore core_;
    MessageHost& host_;
    QtUndoActions* undo_ = nullptr;
    QToolButton* btnUndo_ = nullptr;
    QToolButton* btnRedo_ = nullptr;
    QTableWidget* grdCableLayout_ = nullptr;
    QPushButton* btnMoveUp_ = nullptr;
    QPushButton* btnMoveDown_ = nullptr;
    QPushButton* btnSpaceEvenly_ = nullptr;
    QPushButton* btnPaste_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QString refusedText_;
    bool refused_ = false;      // a box holds a refused entry: OK waits for it
    bool committing_ = false;   // a box being committed loses the focus to a message
};
