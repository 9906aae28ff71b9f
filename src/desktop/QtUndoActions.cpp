#include "desktop/QtUndoActions.h"

#include "forms/UndoTexts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

namespace {

QAction* AddAction(QWidget& window, const char* name, QList<QKeySequence> keys, std::function<void()> handler)
{
    auto* action = new QAction(&window);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, std::move(handler));
    window.addAction(action);
    return action;
}

QToolButton* ActionButton(QAction* action, const char* name, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    action->setIcon(button->style()->standardIcon(icon));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

}  // namespace

QToolButton* QtUndoActions::UndoButton() const { return ActionButton(undo_, "btnUndo", QStyle::SP_ArrowBack); }
QToolButton* QtUndoActions::RedoButton() const { return ActionButton(redo_, "btnRedo", QStyle::SP_ArrowForward); }

QtUndoActions::QtUndoActions(QWidget& window, std::function<void()> undo, std::function<void()> redo)
    : QObject(&window), window_(window),
      undo_(AddAction(window, "actUndo", {QKeySequence::Undo}, std::move(undo))),
      redo_(AddAction(window, "actRedo", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                      std::move(redo)))
{
    // The line edits see the keys first, so the filter sits on the application.
    qApp->installEventFilter(this);
    Show({}, {});
}

QtUndoActions::~QtUndoActions() { qApp->removeEventFilter(this); }

namespace {

// A menu shows the whole text; a button beside OK the short one, the step's
// name in its tip.
void ShowStep(QAction& action, const std::string& text, const char* shortText, const std::string& step)
{
    action.setText(QString::fromStdString(text));
    action.setIconText(QString::fromUtf8(shortText));
    // The tip shows the name as it is: no mnemonics, "&&" a plain "&".
    QString tip = QString::fromStdString(text).replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
    action.setToolTip(tip + " (" + action.shortcut().toString(QKeySequence::NativeText) + ")");
    action.setEnabled(!step.empty());
}

}  // namespace

void QtUndoActions::Show(const std::string& undoStep, const std::string& redoStep)
{
    ShowStep(*undo_, UndoTexts::UndoItem(undoStep), "Undo", undoStep);
    ShowStep(*redo_, UndoTexts::RedoItem(redoStep), "Redo", redoStep);
}

bool QtUndoActions::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* box = qobject_cast<QLineEdit*>(object);
    if (!box || box->window() != &window_ || box->isReadOnly())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    const bool undoKey = undo_->shortcuts().contains(pressed);
    const bool redoKey = redo_->shortcuts().contains(pressed);
    // Left to the box, it would take the keys even with nothing to undo.
    if ((undoKey && !box->isUndoAvailable()) || (redoKey && !box->isRedoAvailable())) {
        event->ignore();
        return true;
    }
    return false;
}
