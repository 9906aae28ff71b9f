#pragma once
// What the options store needs of a window to save and restore its size:
// the main window implements it over Qt, tests with a plain fake. Sizes and
// positions are in the window system's units (pixels).

struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

enum class WindowState { Normal, Minimized, Maximized };

class WindowGeometry {
public:
    virtual ~WindowGeometry() = default;

    virtual WindowState State() const = 0;
    bool IsMaximized() const { return State() == WindowState::Maximized; }
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Moves and sizes the window in its normal state.
    virtual void SetGeometry(int left, int top, int width, int height) = 0;
    virtual void Maximize() = 0;
    // The screen's work area: the screen less task bars and panels.
    virtual ScreenArea WorkArea() const = 0;
};
