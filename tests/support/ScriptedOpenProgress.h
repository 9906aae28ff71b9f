#pragma once
// The open flow's progress window in a test: records what it shows, never
// cancels, and answers "Y" (leave the address empty) about an unknown device.

#include "document/OpenFlow.h"

#include <string>
#include <vector>

class ScriptedOpenProgress : public OpenProgressHost {
public:
    void Show() override { ++shown; }
    void SetFileText(const std::string& text) override { fileText = text; }
    void SetPercent(int percent) override { percents.push_back(percent); }
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    std::string UnknownResponse(int, int, int) override { return "Y"; }
    void Close() override { ++closed; }

    int shown = 0, closed = 0;
    std::string fileText;
    std::vector<int> percents;
};
