#include "web/WebMessageHost.h"

#include "web/WebImports.h"

void WebMessageHost::Beep(int iconBits) { ferrolux_beep(iconBits); }

namespace {

// An answer of the page, or QuestionPending when it comes later.
int Answered(int answer)
{
    if (answer < 0)
        throw QuestionPending{};
    return answer;
}

}  // namespace

int WebMessageHost::Show(const std::string& text, int style, const std::string& caption)
{
    return Answered(ferrolux_show(text.c_str(), style, caption.c_str(), DefaultAnswer(style)));
}

bool WebMessageHost::Choose(const std::string& text, const std::string& first, const std::string& second,
                            const std::string& caption)
{
    return Answered(ferrolux_choose(text.c_str(), first.c_str(), second.c_str(), caption.c_str())) != 0;
}

void WebOpenProgress::Show() { ferrolux_progress("show", "", 0); }

void WebOpenProgress::SetFileText(const std::string& text) { ferrolux_progress("file", text.c_str(), 0); }

void WebOpenProgress::SetPercent(int percent) { ferrolux_progress("percent", "", percent); }

bool WebOpenProgress::CancelRequested() const { return ferrolux_cancel_requested() != 0; }

std::string WebOpenProgress::UnknownResponse(int loop, int address, int deviceType)
{
    return std::string(1, static_cast<char>(Answered(ferrolux_unknown_response(loop, address, deviceType))));
}

void WebOpenProgress::Close() { ferrolux_progress("close", "", 0); }

void WebBusyPointer::Show() { ferrolux_busy(1); }

void WebBusyPointer::Restore() { ferrolux_busy(0); }
