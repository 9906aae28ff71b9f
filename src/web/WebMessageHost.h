#pragma once
// The page's message boxes and open-progress window: each box, question and
// progress step is handed to the JavaScript objects the page gave the module
// (`messageHost`, `openProgress`). A question the page answers later, from
// its own dialog, suspends the running call until the answer comes
// (Asyncify): the core asks in the middle of an operation exactly as it
// does on the desktop, and the call returns a promise.

#include "document/OpenFlow.h"
#include "forms/BusyPointer.h"
#include "platform/MessageHost.h"

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
    // Gives the page a turn of its event loop now and then, so that it
    // repaints and its Cancel button can be pressed.
    void ProcessPendingEvents() override;
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
