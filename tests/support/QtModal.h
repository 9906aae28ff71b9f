#pragma once
// Answering the modal window a step of a window test opens: while a
// WhenModal object lives, the first modal window that appears (or the first
// of a given objectName, when the window that opens it is modal too) is
// handed to its handler (inside the window's own event loop), which can then
// click its controls or close it.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace QtModal {

class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget*)> handler) : WhenModal(QString(), std::move(handler)) {}

    WhenModal(QString name, std::function<void(QWidget*)> handler)
        : name_(std::move(name)), handler_(std::move(handler))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || (!name_.isEmpty() && modal->objectName() != name_))
                return;
            poll_.stop();
            answered_ = true;
            handler_(modal);
            // A handler stopped part way by a failed check must not leave the
            // test waiting on a window nobody will close.
            if (modal && modal->isVisible())
                modal->close();
        });
        poll_.start(10);
    }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    bool Answered() const { return answered_; }

private:
    QString name_;
    std::function<void(QWidget*)> handler_;
    QTimer poll_;
    bool answered_ = false;
};

}  // namespace QtModal
