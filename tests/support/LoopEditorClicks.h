#pragma once
// Working the loop editor as a user does, for window tests: its table cells,
// the quantity box laid over a row, typing, and the calculation options.

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QWidget>

namespace LoopEditorClicks {

inline QTableView* Table(QWidget& window, const char* table) { return window.findChild<QTableView*>(table); }

inline QString Cell(QWidget& window, const char* table, int row, int column)
{
    return Table(window, table)->model()->index(row, column).data().toString();
}

// The row whose first column reads `text`; -1 when there is none.
inline int RowOf(QWidget& window, const char* table, const QString& text)
{
    const QAbstractItemModel* rows = Table(window, table)->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        if (rows->index(row, 0).data().toString() == text)
            return row;
    return -1;
}

// The quantity box now open (a closed one lingers hidden until deleted).
inline QLineEdit* OpenBox(QWidget& window, const char* name)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>(name))
        if (box->isVisible())
            return box;
    return nullptr;
}

inline void ClickRow(QWidget& window, const char* table, int row)
{
    QTableView* view = Table(window, table);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
}

inline void Type(QWidget* box, const QString& text, Qt::Key end = Qt::Key_unknown)
{
    QTest::keyClicks(box, text);
    if (end != Qt::Key_unknown)
        QTest::keyClick(box, end);
}

// Focus and selection as Tab leaves them, so that typing replaces the text.
inline void Enter(QWidget& window, const char* name)
{
    auto* box = window.findChild<QLineEdit*>(name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
}

// On the caption: the rest of an option's row does not click it.
inline void ClickOption(QWidget& window, const char* name)
{
    QWidget* option = window.findChild<QWidget*>(name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

}  // namespace LoopEditorClicks
