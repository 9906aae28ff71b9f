#pragma once
// Answering the modal windows a step of a window test opens: the handler
// runs once the next modal window is up (inside its own event loop), and a
// test can then click its controls or close it.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace QtModal {

// Calls `handler` with the first modal window that appears, and at most once.
inline void WhenModal(std::function<void(QWidget*)> handler)
{
    auto* poll = new QTimer;
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(handler));
    QObject::connect(poll, &QTimer::timeout, poll, [poll, shared] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        (*shared)(modal);
    });
    poll->start(10);
}

}  // namespace QtModal
