#pragma once
// The hourglass pointer for the length of a scope, restored on every way out.

#include <QApplication>
#include <QCursor>

class QtBusyPointer {
public:
    QtBusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~QtBusyPointer() { QApplication::restoreOverrideCursor(); }
    QtBusyPointer(const QtBusyPointer&) = delete;
    QtBusyPointer& operator=(const QtBusyPointer&) = delete;
};
