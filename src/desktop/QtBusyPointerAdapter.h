#pragma once
// The hourglass for the cores' busy-pointer scopes.

#include "forms/BusyPointer.h"

#include <QApplication>
#include <QCursor>

class QtBusyPointerAdapter : public BusyPointer {
public:
    void Show() override { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    void Restore() override { QApplication::restoreOverrideCursor(); }
};
