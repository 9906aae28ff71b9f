#pragma once
// The Qt Test classes of the window and Qt backend tests register here; the
// one main of ferrolux_qt_tests runs them inside a QApplication: all, or
// the one class its first argument names.

#include <QObject>

#include <functional>
#include <memory>

namespace QtTests {
using Factory = std::function<std::unique_ptr<QObject>()>;
bool Register(Factory factory);
}  // namespace QtTests

#define FERROLUX_QT_TEST(Class) \
    static const bool Class##Registered = QtTests::Register([] { return std::make_unique<Class>(); })
