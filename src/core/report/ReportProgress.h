#pragma once
// The progress window shown while a report prints: it names the printer and
// the page being printed, lets pending window events run so that its Cancel
// button works, and tells whether Cancel was pressed.

#include <string>

class ReportProgress {
public:
    virtual ~ReportProgress() = default;
    // Shows the window without waiting; `destination` is "on the " and the
    // printer's description.
    virtual void Show(const std::string& destination) = 0;
    // "Printing page n..."
    virtual void SetPageText(const std::string& text) = 0;
    virtual void ProcessPendingEvents() = 0;
    // True once Cancel has been pressed since the window was shown.
    virtual bool CancelRequested() const = 0;
    virtual void Close() = 0;
};

// Progress nobody watches and nobody can cancel: a report written to a file
// or handed to a page to draw.
class SilentReportProgress : public ReportProgress {
public:
    void Show(const std::string&) override {}
    void SetPageText(const std::string&) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    void Close() override {}
};
