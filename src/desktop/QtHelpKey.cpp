#include "desktop/QtHelpKey.h"

#include "desktop/QtHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

QtHelpKey::QtHelpKey(const QtHelp& help) : help_(help) { QApplication::instance()->installEventFilter(this); }

bool QtHelpKey::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !object->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    if (const auto* window = dynamic_cast<const HelpTopicWindow*>(static_cast<QWidget*>(object)->window()))
        help_.ShowTopic(window->HelpTopic());
    else
        help_.ShowContents();
    return true;
}
