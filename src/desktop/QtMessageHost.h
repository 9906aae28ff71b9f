#pragma once
// The message boxes of the desktop program: the system beep for the box's
// icon, then a QMessageBox with the caption, the buttons of the style and its
// default button, answering with the classic result values.

#include "platform/MessageHost.h"

#include <QMessageBox>

class QtMessageHost : public MessageHost {
public:
    void Beep(int iconBits) override;
    int Show(const std::string& text, int style, const std::string& caption) override;
    bool Choose(const std::string& text, const std::string& first, const std::string& second,
                const std::string& caption) override;

    // The buttons of a style, in the order they are shown, with their results.
    struct Button {
        QMessageBox::StandardButton Standard;
        int Result;
    };
    static std::vector<Button> ButtonsOf(int style);
    static QMessageBox::Icon IconOf(int style);
};
