#pragma once
// The open flow's progress window when there is no window: nothing to show
// or cancel; an unknown device type is printed as the dialog would show it
// and answered "Y" (the address is left empty).

#include "document/OpenFlow.h"

#include <iosfwd>

class HeadlessOpenProgress : public OpenProgressHost {
public:
    explicit HeadlessOpenProgress(std::ostream& messages) : messages_(messages) {}

    void Show() override {}
    void SetFileText(const std::string&) override {}
    void SetPercent(int) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    std::string UnknownResponse(int loop, int address, int deviceType) override;
    void Close() override {}

    // Unknown device types printed so far.
    int Asked() const { return asked_; }

private:
    std::ostream& messages_;
    int asked_ = 0;
};
