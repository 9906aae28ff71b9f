// Where the voltage plot puts things: round axes, the scales, the isolator
// sections, the labels of the lowest points and the legend.

#include "report/VoltagePlotLayout.h"

#include "support/AlongCableSample.h"
#include "text/Scaling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <array>
#include <tuple>
#include <vector>

namespace {

TEST(VoltagePlotLayout, NiceAxesHaveRoundTicksCoveringTheRange)
{
    // low, high, most ticks -> the axis.
    for (const auto& [low, high, most, axisLow, axisHigh, step] :
         {std::tuple{0.0, 520.0, 6, 0.0, 600.0, 100.0},
          {16.2, 28.9, 6, 15.0, 30.0, 5.0},
          {0.0, 0.83, 5, 0.0, 1.0, 0.2},
          {3.0, 3.0, 4, 3.0, 4.0, 0.5},  // no range: one unit
          {0.0, 9843.0, 8, 0.0, 10000.0, 2000.0}}) {
        const PlotAxis axis = NiceAxis(low, high, most);
        EXPECT_DOUBLE_EQ(axis.Low, axisLow) << low << ".." << high;
        EXPECT_DOUBLE_EQ(axis.High, axisHigh) << low << ".." << high;
        EXPECT_DOUBLE_EQ(axis.Step, step) << low << ".." << high;
        EXPECT_LE(axis.Ticks().size(), static_cast<size_t>(most) + 1);
    }
    const PlotAxis tenths{0, 1, 0.2};
    EXPECT_EQ(tenths.TickText(tenths.Ticks()[3]), "0.6");
    EXPECT_EQ(tenths.TickText(-1e-12), "0.0");
    EXPECT_EQ((PlotAxis{0, 30, 5}.TickText(20)), "20");
}

bool Inside(const PlotBox& box, const PlotBox& outer)
{
    return box.X >= outer.X && box.Y >= outer.Y && box.Right() <= outer.Right() && box.Bottom() <= outer.Bottom();
}

TEST(VoltagePlotLayout, AxesSectionsLabelsLegendMarkersAndAnEmptyLoop)
{
    AlongCableResult result = ThreeDetectorsAlongTheCable();
    const PlotBox bounds{20, 10, 600, 400};
    const auto LayOut = [&](int units) {
        return LayOutVoltagePlot(result, units, bounds, {10, [](std::string_view text) { return 6.0 * text.size(); }});
    };
    const VoltagePlotLayout layout = LayOut(Scaling::Metric);
    const PlotBox& area = layout.Area;
    EXPECT_TRUE(Inside(area, bounds));
    EXPECT_EQ(std::tuple(layout.XAxis.Low, layout.X(0), layout.X(layout.XAxis.High)),
              std::tuple(0.0, area.X, area.Right()));
    EXPECT_GE(layout.XAxis.High, 400);
    EXPECT_EQ(layout.Y(layout.YAxis.Low), area.Bottom());
    EXPECT_LE(layout.YAxis.Low, 17);  // the minimum voltages are in view
    EXPECT_EQ(layout.XTitle.Text, "Distance from OUT (m)");

    ASSERT_EQ(layout.Isolators.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.Isolators[0], layout.X(200));
    ASSERT_EQ(layout.Sections.size(), 2u);
    EXPECT_EQ(std::tuple(layout.Sections[0].Left, layout.Sections[0].Shaded, layout.Sections[0].OverLimit),
              std::tuple(area.X, false, false));
    EXPECT_EQ(std::tuple(layout.Sections[1].Right, layout.Sections[1].Shaded, layout.Sections[1].OverLimit),
              std::tuple(layout.X(400), true, true));

    ASSERT_EQ(layout.Lowest.size(), 3u);
    EXPECT_EQ(layout.Lowest[1].Text, "Address 3: 16.50 V");

    // The legend under the axis title, inside the bounds, its entries apart.
    ASSERT_EQ(layout.Legend.size(), static_cast<size_t>(PlotKeyCount));
    for (const PlotLegendEntry& entry : layout.Legend) {
        EXPECT_TRUE(Inside(entry.Label.Box, bounds) && entry.Sample.Y > layout.XTitle.Box.Bottom()) << entry.Label.Text;
        for (const PlotLegendEntry& other : layout.Legend)
            EXPECT_TRUE(&entry == &other || !entry.Label.Box.Overlaps(other.Label.Box));
    }

    const VoltagePlotLayout feet = LayOut(Scaling::Imperial);
    EXPECT_EQ(feet.XTitle.Text, "Distance from OUT (ft)");
    EXPECT_GE(feet.XAxis.High, 4000 / 3.048);

    // The marker under the mouse, and where an isolator is.
    const AlongCablePoint& second = result.Points[1];
    EXPECT_EQ(PointNear(layout, result, PointX(layout, second) + 1, PointY(layout, second, Feed::OpenIn), 3), 1);
    EXPECT_EQ(PointNear(layout, result, PointX(layout, second) + 5, PointY(layout, second, Feed::OpenIn), 3), -1);
    EXPECT_EQ(IsolatorPosition(result, 3), 3000);
    EXPECT_EQ(IsolatorPosition(result, 0), 0);
    // A marker fails below the device's minimum only.
    AlongCablePoint low = second;
    low.Volts = {17, 16.99, 18};
    low.MinimumVoltage = 17;
    EXPECT_EQ(std::vector<bool>({MarkerFails(low, Feed::Whole), MarkerFails(low, Feed::OpenIn),
                                 MarkerFails(low, Feed::OpenOut)}),
              std::vector<bool>({false, true, false}));

    result.Points.clear();
    result.Sections.clear();
    const VoltagePlotLayout empty = LayOut(Scaling::Metric);
    EXPECT_TRUE(empty.Legend.empty() && empty.Lowest.empty() && empty.Sections.empty());
    EXPECT_GE(empty.XAxis.High, 400);
    EXPECT_FALSE(empty.YTicks.empty());
}

// A loop of `count` points along 400 m, each feed falling from `start` volts
// by `fall` over the cable.
AlongCableResult FallingLoop(int count, std::array<double, FeedCount> start, std::array<double, FeedCount> fall)
{
    AlongCableResult result;
    result.CableLength = 4000;
    for (int i = 1; i <= count; ++i) {
        AlongCablePoint point;
        point.Address = i;
        point.Position = 4000.0 * i / (count + 1);
        point.MinimumVoltage = 17;
        for (size_t f = 0; f < FeedCount; ++f)
            point.Volts[f] = start[f] - fall[f] * i / count;
        result.Points.push_back(point);
    }
    for (size_t f = 0; f < FeedCount; ++f) {
        const auto lowest = std::min_element(result.Points.begin(), result.Points.end(),
                                             [f](const auto& a, const auto& b) { return a.Volts[f] < b.Volts[f]; });
        result.Feeds[f] = FeedResult{lowest->Volts[f], lowest->Address};
    }
    return result;
}

// Each label inside the area, apart from the others, and no curve, marker
// or minimum bar under it: the curves are walked in small steps.
TEST(VoltagePlotLabels, StayClearOfTheCurvesAndOfEachOther)
{
    const PlotBox bounds{20, 10, 600, 400};
    const PlotMeasure measure{10, [](std::string_view text) { return 6.0 * text.size(); }};
    const std::pair<const char*, AlongCableResult> scenes[] = {
        {"three detectors", ThreeDetectorsAlongTheCable()},
        {"ten, the feeds together", FallingLoop(10, {23.9, 23.9, 23.8}, {0.05, 0.15, 0.1})},
        {"three far apart, one feed flat", FallingLoop(3, {24, 24, 24}, {0, 0.3, 0.2})},
        {"126 falling apart", FallingLoop(126, {24, 24, 24}, {2, 7, 5})},
        {"one device", FallingLoop(1, {22, 21, 21.5}, {0, 0, 0})},
    };
    for (const auto& [scene, result] : scenes) {
        const VoltagePlotLayout layout = LayOutVoltagePlot(result, Scaling::Metric, bounds, measure);
        ASSERT_EQ(layout.Lowest.size(), 3u) << scene;
        for (size_t i = 0; i < layout.Lowest.size(); ++i) {
            const PlotBox& label = layout.Lowest[i].Box;
            EXPECT_TRUE(Inside(label, layout.Area)) << scene << " " << i;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(label.Overlaps(layout.Lowest[j].Box)) << scene << " " << i << " " << j;
            // A label away from its point has a leader to it.
            const AlongCablePoint& lowest = result.Points[static_cast<size_t>(result.Feeds[i].LowestAddress - 1)];
            const double px = PointX(layout, lowest), py = PointY(layout, lowest, AllFeeds[i]);
            const double away = std::hypot(std::max({label.X - px, 0.0, px - label.Right()}),
                                           std::max({label.Y - py, 0.0, py - label.Bottom()}));
            if (away > 2 * measure.TextHeight) {
                ASSERT_TRUE(layout.LowestLeaders[i]) << scene << " " << i;
                EXPECT_EQ(std::pair(layout.LowestLeaders[i]->X1, layout.LowestLeaders[i]->Y1), std::pair(px, py));
            }
            const auto under = [&label](double x, double y) {
                return x > label.X && x < label.Right() && y > label.Y && y < label.Bottom();
            };
            for (const Feed feed : AllFeeds) {
                for (size_t p = 0; p < result.Points.size(); ++p) {
                    const double x = PointX(layout, result.Points[p]), y = PointY(layout, result.Points[p], feed);
                    EXPECT_FALSE(under(x, y) || label.Overlaps({x - layout.MarkerSize, y - layout.MarkerSize,
                                                                2 * layout.MarkerSize, 2 * layout.MarkerSize}))
                        << scene << ": label " << i << " over the marker of " << p;
                    EXPECT_FALSE(under(x, layout.Y(result.Points[p].MinimumVoltage))) << scene << " " << i;
                    if (p == 0)
                        continue;
                    const double x0 = PointX(layout, result.Points[p - 1]);
                    const double y0 = PointY(layout, result.Points[p - 1], feed);
                    bool crossed = false;
                    for (double t = 0; t <= 1; t += 0.01)
                        crossed = crossed || under(x0 + t * (x - x0), y0 + t * (y - y0));
                    EXPECT_FALSE(crossed) << scene << ": label " << i << " over the curve before " << p;
                }
            }
        }
    }
}

}  // namespace
