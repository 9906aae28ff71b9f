#pragma once
// Working a window as a user does, for window tests: a control found by its
// name, mouse clicks on the items of lists, outlines and tabs, the loop
// editor's table cells and the quantity box laid over a row, and typing.

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

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

inline QTreeWidgetItem* Find(QTreeWidget* tree, const QString& text)
{
    return tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
}

inline void Click(QTreeWidget* tree, QTreeWidgetItem* item, bool twice = false)
{
    ClickIndex(tree, tree->indexFromItem(item), twice);
}

inline void ClickTab(QTabWidget* tabs, int index)
{
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

// The texts of a list's items, and which of them are selected ("*" after).
inline QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text() + (list->item(row)->isSelected() ? "*" : "");
    return entries;
}

inline QString Cell(QWidget& window, const char* table, int row, int column)
{
    return Control<QTableView>(window, table)->model()->index(row, column).data().toString();
}

inline void ClickRow(QWidget& window, const char* table, int row)
{
    auto* view = Control<QTableView>(window, table);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
}

// The quantity box now open (a closed one lingers hidden until deleted).
inline QLineEdit* OpenBox(QWidget& window, const char* name)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>(name))
        if (box->isVisible())
            return box;
    return nullptr;
}

inline void Type(QWidget* box, const QString& text, Qt::Key end = Qt::Key_unknown)
{
    QTest::keyClicks(box, text);
    if (end != Qt::Key_unknown)
        QTest::keyClick(box, end);
}

// Focus and selection as Tab leaves them, so that typing replaces the text.
inline QLineEdit* Enter(QWidget& window, const char* name)
{
    auto* box = Control<QLineEdit>(window, name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    return box;
}

}  // namespace QtClicks
