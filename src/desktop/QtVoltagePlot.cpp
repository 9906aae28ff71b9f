#include "desktop/QtVoltagePlot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace {

// The feeds apart in grey print too: dark, light and middle tones, each with
// its own dash pattern and marker shape.
struct FeedStyle {
    QColor Colour;
    Qt::PenStyle Dashes;
};
const std::array<FeedStyle, FeedCount> FeedStyles{{
    {QColor(0x1b, 0x3a, 0x8a), Qt::SolidLine},
    {QColor(0xe0, 0x8a, 0x00), Qt::DashLine},
    {QColor(0x2a, 0x9d, 0x5c), Qt::DotLine},
}};
const QColor Failing(0xd0, 0x1c, 0x1c);
const QColor MinimumColour(0x55, 0x55, 0x55);
const QColor AxisColour(0x40, 0x40, 0x40);
const QColor GridColour(0xdd, 0xdd, 0xdd);
const QColor ShadedSection(0xee, 0xee, 0xee);
const QColor SectionOverLimit(0xfb, 0xdc, 0xd8);

QRectF Rect(const PlotBox& box) { return {box.X, box.Y, box.Width, box.Height}; }

QString Text(const std::string& text) { return QString::fromStdString(text); }

void DrawText(QPainter& painter, const PlotText& text, Qt::Alignment alignment = Qt::AlignCenter)
{
    painter.drawText(Rect(text.Box), static_cast<int>(alignment | Qt::TextDontClip), Text(text.Text));
}

// A marker centred on `at`, `size` from its centre to its edge: a circle, a
// square or a triangle by the feed.
void DrawMarker(QPainter& painter, Feed feed, QPointF at, double size)
{
    switch (feed) {
    case Feed::Whole:
        painter.drawEllipse(at, size, size);
        break;
    case Feed::OpenIn:
        painter.drawRect(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size));
        break;
    case Feed::OpenOut:
        painter.drawPolygon(QPolygonF({QPointF(at.x(), at.y() - 1.2 * size), QPointF(at.x() + 1.1 * size, at.y() + size),
                                       QPointF(at.x() - 1.1 * size, at.y() + size)}));
        break;
    }
}

class PlotPainter {
public:
    PlotPainter(QPainter& painter, const VoltagePlotLayout& layout, const AlongCableResult& result, double lineHeight)
        : p_(painter), layout_(layout), result_(result), line_(lineHeight / 12)
    {
    }

    void Paint()
    {
        PaintArea();
        PaintAxes();
        if (result_.Empty())
            return;
        PaintMinimums();
        for (const Feed feed : AllFeeds)
            PaintFeed(feed);
        PaintLowestLabels();
        PaintLegend();
    }

private:
    QPen Pen(const QColor& colour, double widths = 1, Qt::PenStyle style = Qt::SolidLine) const
    {
        QPen pen(colour, line_ * widths, style, Qt::FlatCap, Qt::MiterJoin);
        return pen;
    }

    void PaintArea()
    {
        const PlotBox& area = layout_.Area;
        p_.fillRect(Rect(area), Qt::white);
        for (const PlotSection& section : layout_.Sections) {
            if (section.OverLimit || section.Shaded)
                p_.fillRect(QRectF(section.Left, area.Y, section.Right - section.Left, area.Height),
                            section.OverLimit ? SectionOverLimit : ShadedSection);
        }
        p_.setPen(Pen(GridColour));
        for (const double tick : layout_.YAxis.Ticks())
            p_.drawLine(QPointF(area.X, layout_.Y(tick)), QPointF(area.Right(), layout_.Y(tick)));
        for (const double tick : layout_.XAxis.Ticks())
            p_.drawLine(QPointF(layout_.X(tick), area.Y), QPointF(layout_.X(tick), area.Bottom()));
    }

    void PaintAxes()
    {
        const PlotBox& area = layout_.Area;
        const double tick = 3 * line_;
        p_.setPen(Pen(AxisColour));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(Rect(area));
        for (const double x : layout_.XAxis.Ticks())
            p_.drawLine(QPointF(layout_.X(x), area.Bottom()), QPointF(layout_.X(x), area.Bottom() + tick));
        for (const double y : layout_.YAxis.Ticks())
            p_.drawLine(QPointF(area.X - tick, layout_.Y(y)), QPointF(area.X, layout_.Y(y)));
        // Isolators: heavy ticks rising from the axis.
        p_.setPen(Pen(Qt::black, 3));
        for (const double x : layout_.Isolators)
            p_.drawLine(QPointF(x, area.Bottom() + tick), QPointF(x, area.Bottom() - 4 * tick));

        p_.setPen(Qt::black);
        for (const PlotText& label : layout_.XTicks)
            DrawText(p_, label);
        for (const PlotText& label : layout_.YTicks)
            DrawText(p_, label, Qt::AlignRight | Qt::AlignVCenter);
        DrawText(p_, layout_.XTitle);
        p_.save();
        const QRectF title = Rect(layout_.YTitle.Box);
        p_.translate(title.center());
        p_.rotate(-90);
        p_.drawText(QRectF(-title.width() / 2, -title.height() / 2, title.width(), title.height()),
                    Qt::AlignCenter | Qt::TextDontClip, Text(layout_.YTitle.Text));
        p_.restore();
    }

    // A short bar at each device's minimum voltage.
    void PaintMinimums()
    {
        const double half = 1.6 * layout_.MarkerSize;
        p_.setPen(Pen(MinimumColour, 2));
        for (const AlongCablePoint& point : result_.Points) {
            if (point.MinimumVoltage <= 0)
                continue;
            const double x = PointX(layout_, point);
            const double y = layout_.Y(point.MinimumVoltage);
            p_.drawLine(QPointF(x - half, y), QPointF(x + half, y));
        }
    }

    void PaintFeed(Feed feed)
    {
        const auto f = static_cast<size_t>(feed);
        const FeedStyle& style = FeedStyles[f];
        QPolygonF line;
        for (const AlongCablePoint& point : result_.Points)
            line << QPointF(PointX(layout_, point), PointY(layout_, point, feed));
        p_.setPen(Pen(style.Colour, 1.5, style.Dashes));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolyline(line);

        p_.setPen(Pen(style.Colour));
        for (size_t i = 0; i < result_.Points.size(); ++i) {
            const AlongCablePoint& point = result_.Points[i];
            p_.setBrush(MarkerFails(point, feed) ? Failing : QColor(Qt::white));
            DrawMarker(p_, feed, line[static_cast<qsizetype>(i)], layout_.MarkerSize);
        }
    }

    void PaintLowestLabels()
    {
        for (size_t f = 0; f < layout_.Lowest.size(); ++f) {
            const PlotText& label = layout_.Lowest[f];
            if (const std::optional<PlotLine>& leader = layout_.LowestLeaders[f]) {
                p_.setPen(Pen(FeedStyles[f].Colour, 0.7));
                p_.drawLine(QPointF(leader->X1, leader->Y1), QPointF(leader->X2, leader->Y2));
            }
            QColor veil(Qt::white);
            veil.setAlphaF(0.8);
            p_.fillRect(Rect(label.Box), veil);
            p_.setPen(FeedStyles[f].Colour.darker(130));
            DrawText(p_, label);
        }
    }

    void PaintLegend()
    {
        for (const PlotLegendEntry& entry : layout_.Legend) {
            const QRectF sample = Rect(entry.Sample);
            const QPointF middle = sample.center();
            switch (entry.Key) {
            case PlotKey::Whole:
            case PlotKey::OpenIn:
            case PlotKey::OpenOut: {
                const auto feed = static_cast<Feed>(entry.Key);
                const FeedStyle& style = FeedStyles[static_cast<size_t>(feed)];
                p_.setPen(Pen(style.Colour, 1.5, style.Dashes));
                p_.drawLine(QPointF(sample.left(), middle.y()), QPointF(sample.right(), middle.y()));
                p_.setPen(Pen(style.Colour));
                p_.setBrush(Qt::white);
                DrawMarker(p_, feed, middle, layout_.MarkerSize);
                break;
            }
            case PlotKey::Minimum:
                p_.setPen(Pen(MinimumColour, 2));
                p_.drawLine(QPointF(middle.x() - 1.6 * layout_.MarkerSize, middle.y()),
                            QPointF(middle.x() + 1.6 * layout_.MarkerSize, middle.y()));
                break;
            case PlotKey::Failing:
                p_.setPen(Pen(AxisColour));
                p_.setBrush(Failing);
                p_.drawEllipse(middle, layout_.MarkerSize, layout_.MarkerSize);
                break;
            }
            p_.setPen(Qt::black);
            DrawText(p_, entry.Label, Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    QPainter& p_;
    const VoltagePlotLayout& layout_;
    const AlongCableResult& result_;
    double line_;  // the width of a thin line
};

}  // namespace

VoltagePlotLayout PaintVoltagePlot(QPainter& painter, const QRectF& bounds, const AlongCableResult& result, int units)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const PlotMeasure measure{metrics.height(), [&metrics](std::string_view text) {
                                  return metrics.horizontalAdvance(
                                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                              }};
    const VoltagePlotLayout layout =
        LayOutVoltagePlot(result, units, {bounds.x(), bounds.y(), bounds.width(), bounds.height()}, measure);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PlotPainter(painter, layout, result, metrics.height()).Paint();
    painter.restore();
    return layout;
}
