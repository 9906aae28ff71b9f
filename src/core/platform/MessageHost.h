#pragma once
// Every message box of the program goes through MsgBox: it plays the sound of
// the box's icon first, then shows the box through the host the application
// installed (Qt in the desktop program, stderr headless, a script in tests)
// and returns the button pressed.
//
// Styles and results keep the classic numeric values, so that a style is a
// sum such as MsgStyle::YesNoCancel + MsgStyle::Exclamation.

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

inline constexpr const char* ApplicationTitle = "Harvex Ferrolux";

namespace MsgStyle {
constexpr int OKOnly = 0;
constexpr int OKCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;

constexpr int ButtonsOf(int style) { return style & 0x0F; }
constexpr int IconOf(int style) { return style & 0xF0; }
}  // namespace MsgStyle

namespace MsgResult {
constexpr int OK = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgResult

// The button a box answers when nobody chooses: its default button.
int DefaultAnswer(int style);

class MessageHost {
public:
    virtual ~MessageHost() = default;
    // Plays the system sound of an icon (the style's bits 4 to 7 only).
    virtual void Beep(int iconBits) = 0;
    // Shows the box and returns the button pressed (a MsgResult value).
    virtual int Show(const std::string& text, int style, const std::string& caption) = 0;
    // A question whose two buttons say what they do ("Discard", "Keep
    // Editing"): true for the first. The second is the default and what Esc
    // answers. Hosts without buttons of their own words show it as a Yes/No
    // box, Yes for the first.
    virtual bool Choose(const std::string& text, const std::string& first, const std::string& second,
                        const std::string& caption);
};

// The one message routine. An empty caption means the application title.
int MsgBox(MessageHost& host, const std::string& text, int style = MsgStyle::OKOnly, const std::string& caption = "");
// The same for a question of two buttons of its own words (MessageHost::Choose).
bool MsgChoose(MessageHost& host, const std::string& text, const std::string& first, const std::string& second,
               const std::string& caption = "");

// Headless host: writes each box as one line, "CAPTION: TEXT" with its line
// breaks shown as blanks, to stderr (or the given stream), and answers with
// the box's default button, or with a fixed answer when one is given.
class StderrMessageHost : public MessageHost {
public:
    explicit StderrMessageHost(int fixedAnswer = 0);
    StderrMessageHost(std::ostream& out, int fixedAnswer = 0) : out_(out), fixedAnswer_(fixedAnswer) {}
    void Beep(int) override {}
    int Show(const std::string& text, int style, const std::string& caption) override;
    // How many boxes have been printed.
    int Shown() const { return shown_; }

private:
    std::ostream& out_;
    int fixedAnswer_;
    int shown_ = 0;
};

// "CAPTION: TEXT" on one line: every line feed and carriage return a blank.
std::string OneLineMessage(const std::string& caption, const std::string& text);

// Test host: records every box and its sound, answers from a queue (the box's
// default button when the queue is empty).
class ScriptedMessageHost : public MessageHost {
public:
    struct Box {
        std::string Text;
        int Style = 0;
        std::string Caption;
    };

    void Answer(int result) { answers_.push_back(result); }
    void Beep(int iconBits) override { beeps.push_back(iconBits); }
    int Show(const std::string& text, int style, const std::string& caption) override;

    // The texts shown, in order.
    std::vector<std::string> Texts() const;

    std::vector<Box> boxes;
    std::vector<int> beeps;

private:
    std::deque<int> answers_;
};
