#pragma once
// Working a window as a user does, for window tests: a control found by its
// name, mouse clicks on the items of lists, outlines and tabs, the loop
// editor's table rows and the quantity box laid over one, typing, and
// answering the modal window a step opens.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace QtClicks {

// The window's control of that name; a test cannot go on without it.
template <typename Widget = QWidget>
Widget* Control(QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A double-click arrives as a click followed by the double-click.
inline void ClickIndex(QAbstractItemView* view, const QModelIndex& index, bool twice = false)
{
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

inline void Click(QListWidget* list, const QString& text)
{
    ClickIndex(list, list->indexFromItem(list->findItems(text, Qt::MatchExactly).value(0)));
}

// The outline's item of that text, opened to be seen.
inline void Click(QTreeWidget* tree, const QString& text, bool twice = false)
{
    QTreeWidgetItem* item = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    for (QTreeWidgetItem* parent = item ? item->parent() : nullptr; parent; parent = parent->parent())
        parent->setExpanded(true);
    ClickIndex(tree, tree->indexFromItem(item), twice);
}

inline void ClickRow(QWidget& window, const char* table, int row)
{
    auto* view = Control<QTableView>(window, table);
    ClickIndex(view, view->model()->index(row, 0));
}

// The quantity box now open (a closed one lingers hidden until deleted).
inline QLineEdit* OpenBox(QWidget& window, const char* name)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>(name))
        if (box->isVisible())
            return box;
    return nullptr;
}

inline void Type(QWidget* box, const QString& text, Qt::Key end)
{
    QTest::keyClicks(box, text);
    QTest::keyClick(box, end);
}

// While it lives, the first modal window that appears is handed to the
// handler (inside the window's own event loop) once it is the active
// window, so that keys reach it; the handler clicks its controls or closes it.
// A window that does not become active within the wait fails the test.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget*)> handler)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, handler = std::move(handler)] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            poll_.stop();
            // One that never becomes active fails the test, not hangs it.
            if (QTest::qWaitForWindowActive(modal))
                handler(modal);
            else
                QTest::qFail("the modal window never became active", __FILE__, __LINE__);
            // A handler stopped part way by a failed check must not leave the
            // test waiting on a window nobody will close.
            if (modal && modal->isVisible())
                modal->close();
        });
        poll_.start(10);
    }

private:
    QTimer poll_;
};

}  // namespace QtClicks
