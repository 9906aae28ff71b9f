#pragma once
// What ferrolux-calc needs to paint without a window, for as long as it
// lives: a GUI application for the fonts (on the offscreen platform unless
// the caller chose a platform), and only Qt's errors on stderr, where they
// would otherwise mix Qt's notes with the calculator's messages.

#include <QGuiApplication>

#include <memory>

class QtHeadless {
public:
    QtHeadless();
    ~QtHeadless();
    QtHeadless(const QtHeadless&) = delete;
    QtHeadless& operator=(const QtHeadless&) = delete;

private:
    QtMessageHandler previousHandler_;
    std::unique_ptr<QGuiApplication> application_;
};
