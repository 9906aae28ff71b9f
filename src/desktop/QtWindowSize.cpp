#include "desktop/QtWindowSize.h"

#include "desktop/QtWindowGeometry.h"

#include <QEvent>
#include <QSplitter>
#include <QWidget>

#include <cmath>

QtWindowSize::QtWindowSize(QWidget& window, Options& options, const WindowSizeNames& names, QSplitter* split)
    : QObject(&window), window_(window), options_(options), names_(names), split_(split)
{
    Restore();
    window_.installEventFilter(this);
}

void QtWindowSize::Restore()
{
    const QtWindowGeometry geometry(window_);
    const WindowSize size =
        options_.WindowSizeFor(names_, {window_.width(), window_.height()}, geometry.WorkArea());
    window_.resize(size.Width, size.Height);
    // Before the window is laid out a splitter takes its sizes as shares.
    if (const int share = options_.SecondShare(names_); split_ && share > 0)
        split_->setSizes({1000 - share, share});
}

void QtWindowSize::Save()
{
    const auto together = options_.WritesTogether();
    options_.SaveWindowSize(names_, QtWindowGeometry(window_));
    if (!split_)
        return;
    const QList<int> sizes = split_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (sizes.size() == 2 && total > 0)
        options_.SetSecondShare(names_, static_cast<int>(std::lround(1000.0 * sizes[1] / total)));
}

bool QtWindowSize::eventFilter(QObject* object, QEvent* event)
{
    if (object == &window_ && event->type() == QEvent::Hide)
        Save();
    return QObject::eventFilter(object, event);
}
