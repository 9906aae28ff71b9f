#pragma once
// The progress window of a printed report: where it prints, the page being
// printed, and Cancel, which takes effect at the report's next check. It is
// modal, so the window it belongs to takes no input while the report runs.

#include "report/ReportProgress.h"

#include "desktop/QtProgressWindow.h"

class QLabel;

class waitPrint : public QtProgressWindow, public ReportProgress {
    Q_OBJECT

public:
    explicit waitPrint(QWidget* parent = nullptr);

    void Show(const std::string& destination) override;
    void SetPageText(const std::string& text) override;
    void ProcessPendingEvents() override;
    bool CancelRequested() const override { return Cancelled(); }
    void Close() override;

    // Cancel: asks the report to stop.
    void CancelCommand() { RaiseCancel(); }

protected:
    // Escape and the close box cancel too.
    void reject() override { CancelCommand(); }

private:
    QLabel* lblPrinting_ = nullptr;
    QLabel* printerDestLabel_ = nullptr;
    QLabel* lblPage_ = nullptr;
};
