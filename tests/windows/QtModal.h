#pragma once
// Answering the modal window a step of a window test opens: while a
// WhenModal object lives, the first modal window that appears is handed to
// its handler (inside the window's own event loop), which can then click its
// controls or close it.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace QtModal {

class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget*)> handler) : handler_(std::move(handler))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            poll_.stop();
            answered_ = true;
            handler_(modal);
        });
        poll_.start(10);
    }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    bool Answered() const { return answered_; }

private:
    std::function<void(QWidget*)> handler_;
    QTimer poll_;
    bool answered_ = false;
};

}  // namespace QtModal
