#pragma once
// The size and state of a top-level Qt window, as the options store saves and
// restores it.

#include "platform/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

class QtWindowGeometry : public WindowGeometry {
public:
    explicit QtWindowGeometry(QWidget& window) : window_(window) {}

    WindowState State() const override
    {
        if (window_.isMinimized())
            return WindowState::Minimized;
        return window_.isMaximized() ? WindowState::Maximized : WindowState::Normal;
    }
    int Width() const override { return window_.width(); }
    int Height() const override { return window_.height(); }
    void SetGeometry(int left, int top, int width, int height) override
    {
        window_.resize(width, height);
        window_.move(left, top);
    }
    void Maximize() override { window_.setWindowState(window_.windowState() | Qt::WindowMaximized); }
    ScreenArea WorkArea() const override
    {
        const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        return {area.left(), area.top(), area.width(), area.height()};
    }

private:
    QWidget& window_;
};
