#include "desktop/VoltagePlotView.h"

#include "desktop/QtVoltagePlot.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

VoltagePlotView::VoltagePlotView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(fontMetrics().height() * 11);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void VoltagePlotView::SetPlot(AlongCableResult result, int units, QStringList tips)
{
    result_ = std::move(result);
    units_ = units;
    tips_ = std::move(tips);
    update();
}

QString VoltagePlotView::TipAt(QPointF at) const
{
    // The reach of the mouse: a little more than a marker.
    const int point = PointNear(layout_, result_, at.x(), at.y(), 3 * layout_.MarkerSize);
    return point >= 0 && point < tips_.size() ? tips_[point] : QString();
}

void VoltagePlotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const double margin = fontMetrics().height() / 2.0;
    layout_ = PaintVoltagePlot(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), result_, units_);
}

bool VoltagePlotView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = TipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}
