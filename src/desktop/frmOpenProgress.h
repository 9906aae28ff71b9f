#pragma once
// The window a document opens in: the file's name, a progress bar, and
// Cancel, which asks first and then stops the reading at its next address.
// It is modal, shows the busy pointer while it is up, and refuses its close
// box: it closes only when the open is over. It also asks the unknown-device
// question (dlgIgnoreUnknown).

#include "document/OpenFlow.h"

#include "desktop/QtProgressWindow.h"

#include <memory>
#include <string>

class MessageHost;
class QLabel;
class QProgressBar;
class QtBusyPointer;

class frmOpenProgress : public QtProgressWindow, public OpenProgressHost {
    Q_OBJECT

public:
    explicit frmOpenProgress(MessageHost& host, QWidget* parent = nullptr);
    ~frmOpenProgress() override;

    void Show() override;
    void SetFileText(const std::string& text) override;
    void SetPercent(int percent) override;
    void ProcessPendingEvents() override;
    bool CancelRequested() const override { return Cancelled(); }
    std::string UnknownResponse(int loop, int address, int deviceType) override;
    void Close() override;

    // Cancel: "Do you want to cancel the open operation?"
    void CancelClicked() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape does not close the window either.
    void reject() override {}

private:
    MessageHost& host_;
    bool unloading_ = false;
    std::unique_ptr<QtBusyPointer> busy_;

    QLabel* lblFileName_ = nullptr;
    QProgressBar* pnlProgress_ = nullptr;
};
