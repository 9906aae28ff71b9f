#pragma once
// Undo and Redo for one window: Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, anywhere
// in it, as actions a menu or a button can show. A line edit takes the keys
// first while it has typing of its own to undo or redo, as in any Qt line
// edit; once it has none, they undo the window's steps.

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QToolButton;
class QWidget;

class QtUndoActions : public QObject {
public:
    QtUndoActions(QWidget& window, std::function<void()> undo, std::function<void()> redo);
    ~QtUndoActions() override;

    QAction* Undo() const { return undo_; }
    QAction* Redo() const { return redo_; }
    // Buttons for a window's button row ("btnUndo", "btnRedo"): an arrow and
    // the short word, the step's name in the tip.
    QToolButton* UndoButton() const;
    QToolButton* RedoButton() const;
    // The names of the steps Undo and Redo would take; empty greys the action.
    void Show(const std::string& undoStep, const std::string& redoStep);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget& window_;
    QAction* undo_;
    QAction* redo_;
};
