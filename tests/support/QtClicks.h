#pragma once
// Real mouse clicks on the items of list, tree and tab widgets, for window
// tests, a control found by its name, and an optional screenshot of a window.

#include <QAbstractItemView>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace QtClicks {

// The window's control of that name; a test cannot go on without it.
template <typename Widget>
Widget* Control(QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

inline void ClickIndex(QAbstractItemView* view, const QModelIndex& index, bool twice = false)
{
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    // A double-click arrives as a click followed by the double-click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

inline void Click(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable("no single item " + text));
    ClickIndex(list, list->indexFromItem(found.front()));
}

inline QTreeWidgetItem* Find(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

inline void Click(QTreeWidget* tree, QTreeWidgetItem* item, bool twice = false)
{
    ClickIndex(tree, tree->indexFromItem(item), twice);
}

inline void ClickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// The texts of a list's items, and which of them are selected ("*" after).
inline QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text() + (list->item(row)->isSelected() ? "*" : "");
    return entries;
}

// With FERROLUX_SCREENSHOT_DIR set, saves the window there for a look.
inline void Screenshot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("FERROLUX_SCREENSHOT_DIR");
    if (!folder.isEmpty() && !window->grab().save(folder + "/" + name + ".png"))
        qWarning("could not save the screenshot %s in %s", qPrintable(name), qPrintable(folder));
}

}  // namespace QtClicks
