#pragma once
// The window a document opens in: the file's name, a progress bar, and
// Cancel, which asks first and then stops the reading at its next address.
// It is modal and refuses its close box: it closes only when the open is
// over (Unload). It also asks the unknown-device question while reading.

#include <QDialog>

#include <memory>
#include <string>

class MessageHost;
class QLabel;
class QProgressBar;
class QPushButton;
class QtBusyPointer;

class frmOpenProgress : public QDialog {
    Q_OBJECT

public:
    explicit frmOpenProgress(MessageHost& host, QWidget* parent = nullptr);
    ~frmOpenProgress() override;

    // Shows the window for this file, at 0 %.
    void Begin(const std::string& file);
    void SetPercent(int percent);
    // Lets pending window events run, so that the window repaints and Cancel
    // can be pressed; true once the user has confirmed Cancel.
    bool ProcessPendingEvents();
    bool CancelRequested() const { return cancelRequested_; }
    // "Y", "A" or "C" (dlgIgnoreUnknown).
    std::string UnknownResponse(int loop, int address, int deviceType);
    // Closes the window and restores the normal pointer.
    void Unload();

    // Cancel: "Do you want to cancel the open operation?"
    void CancelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape does not close the window either.
    void reject() override {}

private:
    MessageHost& host_;
    bool cancelRequested_ = false;
    bool unloading_ = false;
    std::unique_ptr<QtBusyPointer> stopping_;

    QLabel* lblFileName_ = nullptr;
    QProgressBar* pnlProgress_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
