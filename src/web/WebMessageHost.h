#pragma once
// The page's message boxes and open-progress window: each box, question and
// progress step is handed to the JavaScript objects the page gave the module
// (`messageHost`, `openProgress`). The core asks in the middle of an
// operation exactly as it does on the desktop. A question the page answers
// later, from its own dialog, throws QuestionPending: the call is undone and
// made again with the answer (see library_ferrolux.js and pre.js).

#include "document/OpenFlow.h"
#include "forms/BusyPointer.h"
#include "platform/MessageHost.h"

// Thrown when the page will answer a question later. Deliberately no
// std::exception, so that no handler of the core's own takes it for one of
// its errors.
struct QuestionPending {};

class WebMessageHost : public MessageHost {
public:
    void Beep(int iconBits) override;
    int Show(const std::string& text, int style, const std::string& caption) override;
    bool Choose(const std::string& text, const std::string& first, const std::string& second,
                const std::string& caption) override;
};

class WebOpenProgress : public OpenProgressHost {
public:
    void Show() override;
    void SetFileText(const std::string& text) override;
    void SetPercent(int percent) override;
    // Nothing: a call into the module runs to its end before the page's
    // next event (the largest document opens in a few tens of milliseconds).
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override;
    std::string UnknownResponse(int loop, int address, int deviceType) override;
    void Close() override;
};

// The page shows a busy pointer while an operation runs.
class WebBusyPointer : public BusyPointer {
public:
    void Show() override;
    void Restore() override;
};
