#include "desktop/QtProgressWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QtProgressWindow::QtProgressWindow(const QString& objectName, const QString& caption, int minimumWidth,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);

    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnCancel_, &QPushButton::clicked, this, [this] { CancelClicked(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel_);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(20, 16, 20, 16);
    layout_->addLayout(buttons);
    setMinimumWidth(minimumWidth);
}

void QtProgressWindow::PaintPending() { QApplication::processEvents(); }

void QtProgressWindow::AddRow(QWidget* row) { layout_->insertWidget(layout_->count() - 1, row); }

void QtProgressWindow::AddSpacing(int pixels) { layout_->insertSpacing(layout_->count() - 1, pixels); }

void QtProgressWindow::ShowAndPaint()
{
    cancelRequested_ = false;
    btnCancel_->setEnabled(true);
    show();
    PaintPending();
}

void QtProgressWindow::RaiseCancel()
{
    cancelRequested_ = true;
    btnCancel_->setEnabled(false);
}
