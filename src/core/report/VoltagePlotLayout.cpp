#include "report/VoltagePlotLayout.h"

#include "document/LoopResults.h"
#include "report/PlotLabels.h"
#include "text/Scaling.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Tolerance for values that ought to be whole multiples of a step.
constexpr double Slack = 1e-9;

// Room above the highest voltage for the labels, and below the lowest, as
// parts of the voltage range.
constexpr double Headroom = 0.15;
constexpr double Footroom = 0.05;
// The smallest voltage range drawn, so that a flat loop is not a magnified
// rounding error.
constexpr double LeastVoltRange = 1;

PlotText TextAt(const PlotMeasure& measure, std::string text, double x, double y)
{
    return {{x, y, measure.TextWidth(text), measure.TextHeight}, std::move(text)};
}

// The legend under everything else, row by row across the bounds.
std::vector<PlotLegendEntry> LayOutLegend(const PlotMeasure& measure, const PlotBox& bounds)
{
    static constexpr std::array<PlotKey, PlotKeyCount> Keys{PlotKey::Whole, PlotKey::OpenIn, PlotKey::OpenOut,
                                                            PlotKey::Minimum, PlotKey::Failing};
    const double h = measure.TextHeight;
    const double sampleWidth = 2.5 * h;
    std::vector<PlotLegendEntry> legend;
    double x = bounds.X;
    double y = 0;
    for (const PlotKey key : Keys) {
        std::string text = key == PlotKey::Minimum   ? "Device minimum"
                           : key == PlotKey::Failing ? "Below its minimum"
                                                     : FeedName(AllFeeds[static_cast<size_t>(key)]);
        const double width = sampleWidth + 0.4 * h + measure.TextWidth(text);
        if (x > bounds.X && x + width > bounds.Right()) {
            x = bounds.X;
            y += 1.2 * h;
        }
        legend.push_back({key, {x, y, sampleWidth, h}, TextAt(measure, std::move(text), x + sampleWidth + 0.4 * h, y)});
        x += width + 1.5 * h;
    }
    // Rows counted; now hung from the bottom of the bounds.
    const double top = bounds.Bottom() - (y + h);
    for (PlotLegendEntry& entry : legend) {
        entry.Sample.Y += top;
        entry.Label.Box.Y += top;
    }
    return legend;
}

// The range of volts the plot shows: every point's voltage and minimum.
std::pair<double, double> VoltRange(const AlongCableResult& result)
{
    if (result.Empty())
        return {0, LeastVoltRange};
    double low = std::numeric_limits<double>::max();
    double high = 0;
    for (const AlongCablePoint& point : result.Points) {
        for (const double volts : point.Volts) {
            low = std::min(low, volts);
            high = std::max(high, volts);
        }
        if (point.MinimumVoltage > 0)
            low = std::min(low, point.MinimumVoltage);
    }
    if (high - low < LeastVoltRange) {
        const double middle = (high + low) / 2;
        low = middle - LeastVoltRange / 2;
        high = middle + LeastVoltRange / 2;
    }
    const double range = high - low;
    return {std::max(0.0, low - Footroom * range), high + Headroom * range};
}

}  // namespace

std::vector<double> PlotAxis::Ticks() const
{
    std::vector<double> ticks;
    const auto steps = static_cast<int>(std::lround((High - Low) / Step));
    for (int i = 0; i <= steps; ++i)
        ticks.push_back(Low + i * Step);
    return ticks;
}

std::string PlotAxis::TickText(double value) const
{
    const int decimals = Step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(Step) - Slack));
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    // No "-0" for a tick that rounding puts a hair below zero.
    const std::string shown = text;
    return shown.find_first_not_of("-0.") == std::string::npos ? shown.substr(shown[0] == '-' ? 1 : 0) : shown;
}

PlotAxis NiceAxis(double low, double high, int mostTicks)
{
    if (!(high > low))
        high = low + 1;
    mostTicks = std::max(mostTicks, 1);
    double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / mostTicks)));
    for (;; magnitude *= 10) {
        for (const double multiple : {1.0, 2.0, 5.0}) {
            const double step = multiple * magnitude;
            const double first = std::floor(low / step + Slack) * step;
            const double last = std::ceil(high / step - Slack) * step;
            if ((last - first) / step <= mostTicks + Slack)
                return {first, last, step};
        }
    }
}

double PlotScale::operator()(double value) const { return Start + (value - Low) * (End - Start) / (High - Low); }

double PlotScale::ValueAt(double drawn) const { return Low + (drawn - Start) * (High - Low) / (End - Start); }

bool PlotBox::Overlaps(const PlotBox& other) const
{
    return X < other.Right() && other.X < Right() && Y < other.Bottom() && other.Y < Bottom();
}

double IsolatorPosition(const AlongCableResult& result, int address)
{
    if (address == 0)
        return 0;
    const auto point = std::find_if(result.Points.begin(), result.Points.end(),
                                    [address](const AlongCablePoint& p) { return p.Address == address; });
    return point == result.Points.end() ? 0 : point->Position;
}

std::string LowestPointText(const AlongCableResult& result, Feed feed)
{
    const FeedResult& lowest = result.Of(feed);
    return "Address " + std::to_string(lowest.LowestAddress) + ": " + VoltsTextToHundredths(lowest.LowestVolts) + " V";
}

VoltagePlotLayout LayOutVoltagePlot(const AlongCableResult& result, int units, const PlotBox& bounds,
                                    const PlotMeasure& measure)
{
    const double h = measure.TextHeight;
    VoltagePlotLayout layout;
    layout.Units = units;
    layout.MarkerSize = 0.3 * h;

    double bottom = bounds.Bottom();
    if (!result.Empty()) {
        layout.Legend = LayOutLegend(measure, bounds);
        bottom = layout.Legend.front().Sample.Y - 0.6 * h;
    }
    // Under the area: a tick's mark and its label, then the axis title.
    layout.Area.Y = bounds.Y + 0.5 * h;
    layout.Area.Height = std::max(h, bottom - 2.3 * h - layout.Area.Y);

    const auto [lowVolts, highVolts] = VoltRange(result);
    layout.YAxis = NiceAxis(lowVolts, highVolts, std::max(2, static_cast<int>(layout.Area.Height / (2.2 * h))));
    double tickWidth = 0;
    for (const double tick : layout.YAxis.Ticks())
        tickWidth = std::max(tickWidth, measure.TextWidth(layout.YAxis.TickText(tick)));
    layout.Area.X = bounds.X + 1.5 * h + tickWidth + 0.5 * h;

    const double lengthEnd = Scaling::LengthInUnits(
        std::max(result.CableLength, result.Empty() ? 0.0 : result.Points.back().Position), units);
    // Room for the widest label the x axis may have (a decimal or none), twice over per tick.
    const double xLabelWidth = measure.TextWidth(PlotAxis{}.TickText(std::max(lengthEnd, 10.0)) + ".5") + h;
    layout.Area.Width = std::max(h, bounds.Right() - xLabelWidth / 2 - layout.Area.X);
    layout.XAxis = NiceAxis(0, lengthEnd > 0 ? lengthEnd : 10,
                            std::max(1, static_cast<int>(layout.Area.Width / (2 * xLabelWidth))));

    const PlotBox& area = layout.Area;
    // Markers a little apart where the points crowd.
    if (!result.Empty())
        layout.MarkerSize = std::clamp(0.3 * area.Width / static_cast<double>(result.Points.size()), 0.15 * h, 0.3 * h);
    layout.X = {layout.XAxis.Low, layout.XAxis.High, area.X, area.Right()};
    layout.Y = {layout.YAxis.Low, layout.YAxis.High, area.Bottom(), area.Y};

    for (const double tick : layout.XAxis.Ticks()) {
        PlotText label = TextAt(measure, layout.XAxis.TickText(tick), 0, area.Bottom() + 0.3 * h);
        label.Box.X = layout.X(tick) - label.Box.Width / 2;
        layout.XTicks.push_back(std::move(label));
    }
    for (const double tick : layout.YAxis.Ticks()) {
        PlotText label = TextAt(measure, layout.YAxis.TickText(tick), 0, layout.Y(tick) - h / 2);
        label.Box.X = area.X - 0.5 * h - label.Box.Width;
        layout.YTicks.push_back(std::move(label));
    }
    layout.XTitle = TextAt(measure, "Distance from OUT (" + Scaling::LengthUnitsText(units, false) + ")", 0,
                           area.Bottom() + 1.3 * h);
    layout.XTitle.Box.X = area.X + (area.Width - layout.XTitle.Box.Width) / 2;
    layout.YTitle = TextAt(measure, "Voltage (V)", 0, area.Y + area.Height / 2 - h / 2);
    layout.YTitle.Box.X = bounds.X + h * 0.6 - layout.YTitle.Box.Width / 2;

    const double cableEnd = layout.X(Scaling::LengthInUnits(result.CableLength, units));
    for (size_t i = 0; i < result.Sections.size(); ++i) {
        const IsolatorSection& section = result.Sections[i];
        const double left = layout.X(Scaling::LengthInUnits(IsolatorPosition(result, section.From), units));
        const double right =
            section.To == 0 ? cableEnd : layout.X(Scaling::LengthInUnits(IsolatorPosition(result, section.To), units));
        layout.Sections.push_back({left, right, i % 2 == 1, !section.Pass});
        if (section.From != 0)
            layout.Isolators.push_back(left);
    }

    PlaceLowestLabels(layout, result, measure);
    return layout;
}

double PointX(const VoltagePlotLayout& layout, const AlongCablePoint& point)
{
    return layout.X(Scaling::LengthInUnits(point.Position, layout.Units));
}

double PointY(const VoltagePlotLayout& layout, const AlongCablePoint& point, Feed feed)
{
    return layout.Y(point.Volts[static_cast<size_t>(feed)]);
}

bool MarkerFails(const AlongCablePoint& point, Feed feed)
{
    return point.Volts[static_cast<size_t>(feed)] < point.MinimumVoltage;
}

int PointNear(const VoltagePlotLayout& layout, const AlongCableResult& result, double x, double y, double reach)
{
    int nearest = -1;
    double best = reach * reach;
    for (size_t i = 0; i < result.Points.size(); ++i) {
        const double dx = PointX(layout, result.Points[i]) - x;
        for (const Feed feed : AllFeeds) {
            const double dy = PointY(layout, result.Points[i], feed) - y;
            if (dx * dx + dy * dy <= best) {
                best = dx * dx + dy * dy;
                nearest = static_cast<int>(i);
            }
        }
    }
    return nearest;
}
