#pragma once
// What the progress windows of an open and of a printed report share: an
// application-modal window with rows of text above a Cancel button at the
// bottom right, and the flag Cancel raises for the long operation to read at
// its next check.

#include <QDialog>

class QPushButton;
class QVBoxLayout;

class QtProgressWindow : public QDialog {
public:
    QtProgressWindow(const QString& objectName, const QString& caption, int minimumWidth, QWidget* parent);

    bool Cancelled() const { return cancelRequested_; }
    // Lets the window paint and Cancel be clicked during the operation.
    static void PaintPending();

protected:
    // Adds a row (or space) above the Cancel button.
    void AddRow(QWidget* row);
    void AddSpacing(int pixels);
    // Clears an earlier cancel, shows the window and paints it.
    void ShowAndPaint();
    // Raises the flag and disables Cancel, which has then done its work.
    void RaiseCancel();
    // What Cancel does; raising the flag at once unless a window asks first.
    virtual void CancelClicked() { RaiseCancel(); }

private:
    bool cancelRequested_ = false;
    QVBoxLayout* layout_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
