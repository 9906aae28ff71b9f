#include "platform/MessageHost.h"

#include <iostream>

int DefaultAnswer(int style)
{
    const bool second = (style & MsgStyle::DefaultButton2) != 0;
    switch (MsgStyle::ButtonsOf(style)) {
    case MsgStyle::OKCancel:
        return second ? MsgResult::Cancel : MsgResult::OK;
    case MsgStyle::AbortRetryIgnore:
        return second ? MsgResult::Retry : MsgResult::Abort;
    case MsgStyle::YesNoCancel:
        return second ? MsgResult::No : MsgResult::Yes;
    case MsgStyle::YesNo:
        return second ? MsgResult::No : MsgResult::Yes;
    default:
        return MsgResult::OK;
    }
}

int MsgBox(MessageHost& host, const std::string& text, int style, const std::string& caption)
{
    host.Beep(MsgStyle::IconOf(style));
    return host.Show(text, style, caption.empty() ? std::string(ApplicationTitle) : caption);
}

bool MessageHost::Choose(const std::string& text, const std::string&, const std::string&, const std::string& caption)
{
    return Show(text, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2, caption) == MsgResult::Yes;
}

bool MsgChoose(MessageHost& host, const std::string& text, const std::string& first, const std::string& second,
               const std::string& caption)
{
    host.Beep(MsgStyle::Question);
    return host.Choose(text, first, second, caption.empty() ? std::string(ApplicationTitle) : caption);
}

std::string OneLineMessage(const std::string& caption, const std::string& text)
{
    std::string line = caption + ": " + text;
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    return line;
}

StderrMessageHost::StderrMessageHost(int fixedAnswer) : out_(std::cerr), fixedAnswer_(fixedAnswer) {}

int StderrMessageHost::Show(const std::string& text, int style, const std::string& caption)
{
    out_ << OneLineMessage(caption, text) << '\n' << std::flush;
    ++shown_;
    return fixedAnswer_ != 0 ? fixedAnswer_ : DefaultAnswer(style);
}

int ScriptedMessageHost::Show(const std::string& text, int style, const std::string& caption)
{
    boxes.push_back({text, style, caption});
    if (answers_.empty())
        return DefaultAnswer(style);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessageHost::Texts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes)
        texts.push_back(box.Text);
    return texts;
}
