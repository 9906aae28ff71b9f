#pragma once
// The open flow's progress window when there is no window: nothing to show
// or cancel; an unknown device type is told as the dialog would show it,
// through the message host, and answered "Y" (the address is left empty).

#include "document/OpenFlow.h"

class MessageHost;

class HeadlessOpenProgress : public OpenProgressHost {
public:
    explicit HeadlessOpenProgress(MessageHost& messages) : messages_(messages) {}

    void Show() override {}
    void SetFileText(const std::string&) override {}
    void SetPercent(int) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    std::string UnknownResponse(int loop, int address, int deviceType) override;
    void Close() override {}

private:
    MessageHost& messages_;
};
