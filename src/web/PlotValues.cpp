#include "web/PlotValues.h"

#include "web/WebValues.h"

#include <array>

namespace {

using emscripten::val;

val Numbers(const std::vector<double>& numbers)
{
    return ArrayOf(numbers, [](double number) { return val(number); });
}

val Box(const PlotBox& box)
{
    val object = val::object();
    object.set("x", box.X);
    object.set("y", box.Y);
    object.set("width", box.Width);
    object.set("height", box.Height);
    return object;
}

val Text(const PlotText& text)
{
    val object = val::object();
    object.set("box", Box(text.Box));
    object.set("text", text.Text);
    return object;
}

val Texts(const std::vector<PlotText>& texts) { return ArrayOf(texts, Text); }

// The drawn positions of an axis's ticks along it, through its scale.
val Grid(const PlotAxis& axis, const PlotScale& scale)
{
    return ArrayOf(axis.Ticks(), [&](double tick) { return val(scale(tick)); });
}

val Section(const PlotSection& section)
{
    val object = val::object();
    object.set("left", section.Left);
    object.set("right", section.Right);
    object.set("shaded", section.Shaded);
    object.set("overLimit", section.OverLimit);
    return object;
}

const char* KeyName(PlotKey key)
{
    switch (key) {
    case PlotKey::Whole: return "whole";
    case PlotKey::OpenIn: return "openIn";
    case PlotKey::OpenOut: return "openOut";
    case PlotKey::Minimum: return "minimum";
    case PlotKey::Failing: return "failing";
    }
    return "whole";
}

val LegendEntry(const PlotLegendEntry& entry)
{
    val object = val::object();
    object.set("key", std::string(KeyName(entry.Key)));
    object.set("sample", Box(entry.Sample));
    object.set("label", Text(entry.Label));
    return object;
}

val Lowest(const VoltagePlotLayout& layout)
{
    val lowest = val::array();
    for (size_t f = 0; f < layout.Lowest.size(); ++f) {
        val label = val::object();
        label.set("label", Text(layout.Lowest[f]));
        val leader = val::null();
        if (const std::optional<PlotLine>& line = layout.LowestLeaders[f]) {
            leader = val::object();
            leader.set("x1", line->X1);
            leader.set("y1", line->Y1);
            leader.set("x2", line->X2);
            leader.set("y2", line->Y2);
        }
        label.set("leader", leader);
        lowest.call<void>("push", label);
    }
    return lowest;
}

val Points(const VoltagePlotLayout& layout, const AlongCableResult& result, const std::vector<std::string>& tips)
{
    val points = val::array();
    for (size_t i = 0; i < result.Points.size(); ++i) {
        const AlongCablePoint& point = result.Points[i];
        val y = val::array();
        val failing = val::array();
        for (const Feed feed : AllFeeds) {
            y.call<void>("push", PointY(layout, point, feed));
            failing.call<void>("push", MarkerFails(point, feed));
        }
        val object = val::object();
        object.set("address", point.Address);
        object.set("x", PointX(layout, point));
        object.set("y", y);
        object.set("failing", failing);
        // A device without a minimum voltage has no bar.
        object.set("minimumY", point.MinimumVoltage > 0 ? val(layout.Y(point.MinimumVoltage)) : val::null());
        object.set("tip", i < tips.size() ? tips[i] : std::string());
        points.call<void>("push", object);
    }
    return points;
}

}  // namespace

emscripten::val PlotValues(const AlongCableResult& result, int units, const PlotBox& bounds,
                           const PlotMeasure& measure, const std::vector<std::string>& tips)
{
    const VoltagePlotLayout layout = LayOutVoltagePlot(result, units, bounds, measure);
    val plot = val::object();
    // A loop without points shows only its area and axes.
    plot.set("empty", result.Empty());
    plot.set("units", layout.Units);
    plot.set("area", Box(layout.Area));
    plot.set("xGrid", Grid(layout.XAxis, layout.X));
    plot.set("yGrid", Grid(layout.YAxis, layout.Y));
    plot.set("xTicks", Texts(layout.XTicks));
    plot.set("yTicks", Texts(layout.YTicks));
    plot.set("xTitle", Text(layout.XTitle));
    plot.set("yTitle", Text(layout.YTitle));
    plot.set("isolators", Numbers(layout.Isolators));
    plot.set("sections", ArrayOf(layout.Sections, Section));
    plot.set("lowest", Lowest(layout));
    plot.set("legend", ArrayOf(layout.Legend, LegendEntry));
    plot.set("markerSize", layout.MarkerSize);
    plot.set("points", Points(layout, result, tips));
    return plot;
}
