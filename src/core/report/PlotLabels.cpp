#include "report/PlotLabels.h"

#include <algorithm>
#include <cmath>

namespace {

// What a label must keep clear of: a line (a stretch of curve, a minimum
// bar, an isolator tick) or a box (a marker, a label already placed).
struct Obstacle {
    PlotBox Bounds;
    bool IsLine = false;
    PlotLine Line;
};

Obstacle Line(double x1, double y1, double x2, double y2)
{
    return {{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)}, true, {x1, y1, x2, y2}};
}

Obstacle Box(const PlotBox& box) { return {box, false, {}}; }

// Whether the line crosses the box (Liang and Barsky's clipping).
bool Crosses(const PlotLine& line, const PlotBox& box)
{
    const double dx = line.X2 - line.X1;
    const double dy = line.Y2 - line.Y1;
    double enter = 0, leave = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.X1 - box.X, box.Right() - line.X1, line.Y1 - box.Y, box.Bottom() - line.Y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    return true;
}

bool Hits(const Obstacle& obstacle, const PlotBox& box)
{
    // Touching edges of a zero-width line count: Overlaps is strict.
    const PlotBox& b = obstacle.Bounds;
    if (b.X > box.Right() || box.X > b.Right() || b.Y > box.Bottom() || box.Y > b.Bottom())
        return false;
    return !obstacle.IsLine || Crosses(obstacle.Line, box);
}

std::vector<Obstacle> PlotObstacles(const VoltagePlotLayout& layout, const AlongCableResult& result)
{
    std::vector<Obstacle> obstacles;
    const double marker = 1.2 * layout.MarkerSize;
    for (const Feed feed : AllFeeds) {
        for (size_t i = 0; i < result.Points.size(); ++i) {
            const double x = PointX(layout, result.Points[i]);
            const double y = PointY(layout, result.Points[i], feed);
            obstacles.push_back(Box({x - marker, y - marker, 2 * marker, 2 * marker}));
            if (i > 0)
                obstacles.push_back(Line(PointX(layout, result.Points[i - 1]),
                                         PointY(layout, result.Points[i - 1], feed), x, y));
        }
    }
    for (const AlongCablePoint& point : result.Points) {
        if (point.MinimumVoltage > 0) {
            const double x = PointX(layout, point);
            const double y = layout.Y(point.MinimumVoltage);
            obstacles.push_back(Line(x - 1.6 * layout.MarkerSize, y, x + 1.6 * layout.MarkerSize, y));
        }
    }
    const double tickHeight = 4 * layout.MarkerSize;
    for (const double x : layout.Isolators)
        obstacles.push_back(Line(x, layout.Area.Bottom() - tickHeight, x, layout.Area.Bottom()));
    return obstacles;
}

// How far a box is from a point: 0 when the point is on its edge or inside.
double Distance(const PlotBox& box, double x, double y)
{
    const double dx = std::max({box.X - x, 0.0, x - box.Right()});
    const double dy = std::max({box.Y - y, 0.0, y - box.Bottom()});
    return std::hypot(dx, dy);
}

// Every place a label of that size may take in the area, nearest to the
// point first: a grid a fraction of a line apart.
std::vector<PlotBox> Candidates(const PlotBox& area, double width, double height, double x, double y)
{
    std::vector<PlotBox> boxes;
    const double stepX = height / 2;
    const double stepY = height / 4;
    for (double top = area.Y; top + height <= area.Bottom(); top += stepY)
        for (double left = area.X; left + width <= area.Right(); left += stepX)
            boxes.push_back({left, top, width, height});
    std::stable_sort(boxes.begin(), boxes.end(), [x, y](const PlotBox& a, const PlotBox& b) {
        return Distance(a, x, y) < Distance(b, x, y);
    });
    return boxes;
}

const AlongCablePoint* LowestPoint(const AlongCableResult& result, Feed feed)
{
    const auto f = static_cast<size_t>(feed);
    const auto lowest = std::min_element(result.Points.begin(), result.Points.end(),
                                         [f](const auto& a, const auto& b) { return a.Volts[f] < b.Volts[f]; });
    return lowest == result.Points.end() ? nullptr : &*lowest;
}

PlotBox Grown(const PlotBox& box, double by) { return {box.X - by, box.Y - by, box.Width + 2 * by, box.Height + 2 * by}; }

}  // namespace

void PlaceLowestLabels(VoltagePlotLayout& layout, const AlongCableResult& result, const PlotMeasure& measure)
{
    const double h = measure.TextHeight;
    const PlotBox& area = layout.Area;
    std::vector<Obstacle> obstacles = PlotObstacles(layout, result);
    std::vector<PlotBox> labels;
    for (const Feed feed : AllFeeds) {
        const AlongCablePoint* point = LowestPoint(result, feed);
        if (!point)
            break;
        std::string text = LowestPointText(result, feed);
        const double x = PointX(layout, *point);
        const double y = PointY(layout, *point, feed);
        const double width = measure.TextWidth(text);
        const std::vector<PlotBox> places = Candidates(area, width, h, x, y);
        // Clear of everything; else clear of the other labels; else beside
        // the point, as near as the area allows.
        const auto clearOf = [&](const PlotBox& box, bool curvesToo) {
            const PlotBox room = Grown(box, 0.15 * h);
            return std::none_of(labels.begin(), labels.end(), [&](const PlotBox& l) { return l.Overlaps(room); }) &&
                   (!curvesToo || std::none_of(obstacles.begin(), obstacles.end(),
                                               [&](const Obstacle& o) { return Hits(o, room); }));
        };
        auto place = std::find_if(places.begin(), places.end(), [&](const PlotBox& b) { return clearOf(b, true); });
        if (place == places.end())
            place = std::find_if(places.begin(), places.end(), [&](const PlotBox& b) { return clearOf(b, false); });
        const PlotBox box = place != places.end()
                                ? *place
                                : PlotBox{std::clamp(x + layout.MarkerSize, area.X, std::max(area.X, area.Right() - width)),
                                          std::clamp(y - layout.MarkerSize - h, area.Y, std::max(area.Y, area.Bottom() - h)),
                                          width, h};
        std::optional<PlotLine> leader;
        if (Distance(box, x, y) > 1.5 * h) {
            const double edgeX = std::clamp(x, box.X, box.Right());
            const double edgeY = std::clamp(y, box.Y, box.Bottom());
            leader = PlotLine{x, y, edgeX, edgeY};
        }
        labels.push_back(box);
        layout.Lowest.push_back({box, std::move(text)});
        layout.LowestLeaders.push_back(leader);
    }
}
