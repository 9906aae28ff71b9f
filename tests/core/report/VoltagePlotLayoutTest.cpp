// Where the voltage plot puts things: round axes, the scales, the isolator
// sections, the labels of the lowest points and the legend.

#include "report/VoltagePlotLayout.h"

#include "support/AlongCableSample.h"
#include "text/Scaling.h"

#include <gtest/gtest.h>

#include <tuple>

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

class VoltagePlotScene : public ::testing::Test {
protected:
    VoltagePlotLayout LayOut(int units = Scaling::Metric) const
    {
        return LayOutVoltagePlot(result, units, bounds, {10, [](std::string_view text) { return 6.0 * text.size(); }});
    }

    AlongCableResult result = ThreeDetectorsAlongTheCable();
    PlotBox bounds{20, 10, 600, 400};
};

bool Inside(const PlotBox& box, const PlotBox& outer)
{
    return box.X >= outer.X && box.Y >= outer.Y && box.Right() <= outer.Right() && box.Bottom() <= outer.Bottom();
}

TEST_F(VoltagePlotScene, AxesSectionsLabelsAndLegendStayApart)
{
    const VoltagePlotLayout layout = LayOut();
    const PlotBox& area = layout.Area;
    EXPECT_TRUE(Inside(area, bounds));
    EXPECT_EQ(std::tuple(layout.XAxis.Low, layout.X(0), layout.X(layout.XAxis.High)),
              std::tuple(0.0, area.X, area.Right()));
    EXPECT_GE(layout.XAxis.High, 400);
    EXPECT_EQ(layout.Y(layout.YAxis.Low), area.Bottom());
    EXPECT_LE(layout.YAxis.Low, 17);  // the minimum voltages are in view
    EXPECT_EQ(layout.XTitle.Text, "Distance from OUT (m)");
    EXPECT_EQ(layout.YTitle.Text, "Voltage (V)");

    ASSERT_EQ(layout.Isolators.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.Isolators[0], layout.X(200));
    ASSERT_EQ(layout.Sections.size(), 2u);
    EXPECT_EQ(std::tuple(layout.Sections[0].Left, layout.Sections[0].Shaded, layout.Sections[0].OverLimit),
              std::tuple(area.X, false, false));
    EXPECT_EQ(std::tuple(layout.Sections[1].Right, layout.Sections[1].Shaded, layout.Sections[1].OverLimit),
              std::tuple(layout.X(400), true, true));

    ASSERT_EQ(layout.Lowest.size(), 3u);
    EXPECT_EQ(layout.Lowest[1].Text, "Address 3: 16.50 V");
    for (size_t i = 0; i < layout.Lowest.size(); ++i) {
        EXPECT_TRUE(Inside(layout.Lowest[i].Box, area)) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(layout.Lowest[i].Box.Overlaps(layout.Lowest[j].Box)) << i << " " << j;
    }

    // The legend under the axis title, inside the bounds, its entries apart.
    ASSERT_EQ(layout.Legend.size(), static_cast<size_t>(PlotKeyCount));
    EXPECT_EQ(layout.Legend[1].Label.Text, "Open at IN end");
    for (const PlotLegendEntry& entry : layout.Legend) {
        EXPECT_TRUE(Inside(entry.Label.Box, bounds) && entry.Sample.Y > layout.XTitle.Box.Bottom()) << entry.Label.Text;
        for (const PlotLegendEntry& other : layout.Legend)
            EXPECT_TRUE(&entry == &other || !entry.Label.Box.Overlaps(other.Label.Box));
    }
}

TEST_F(VoltagePlotScene, FeetMarkersUnderTheMouseAndAnEmptyLoop)
{
    const VoltagePlotLayout feet = LayOut(Scaling::Imperial);
    EXPECT_EQ(feet.XTitle.Text, "Distance from OUT (ft)");
    EXPECT_GE(feet.XAxis.High, 4000 / 3.048);

    const VoltagePlotLayout layout = LayOut();
    const AlongCablePoint& second = result.Points[1];
    EXPECT_EQ(PointNear(layout, result, PointX(layout, second) + 1, PointY(layout, second, Feed::OpenIn), 3), 1);
    EXPECT_EQ(PointNear(layout, result, PointX(layout, second) + 5, PointY(layout, second, Feed::OpenIn), 3), -1);
    EXPECT_EQ(IsolatorPosition(result, 3), 3000);
    EXPECT_EQ(IsolatorPosition(result, 0), 0);

    result.Points.clear();
    result.Sections.clear();
    const VoltagePlotLayout empty = LayOut();
    EXPECT_TRUE(empty.Legend.empty() && empty.Lowest.empty() && empty.Sections.empty());
    EXPECT_GE(empty.XAxis.High, 400);
    EXPECT_FALSE(empty.YTicks.empty());
}

}  // namespace
