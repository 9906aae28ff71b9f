#pragma once
// Where everything of a loop's voltage plot goes, worked out without a
// painter so that the window, the report and the image files draw the same
// picture: the axes with round tick values, the scales from distances along
// the cable (from OUT) and volts to drawing units, the isolator sections, the
// labels of the lowest points and the legend under the plot area.
//
// Drawing units are whatever the painter uses; y grows downwards.

#include "loop/AlongCable.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An axis from Low to High with a tick every Step, all of them round numbers:
// 1, 2 or 5 times a power of ten.
struct PlotAxis {
    double Low = 0;
    double High = 1;
    double Step = 1;

    std::vector<double> Ticks() const;
    // A tick value with as many decimals as the step needs ("0.5", "20").
    std::string TickText(double value) const;
};

// The round axis that covers low to high with at most `mostTicks` steps.
PlotAxis NiceAxis(double low, double high, int mostTicks);

// A linear map from the values of an axis to drawing units.
struct PlotScale {
    double Low = 0, High = 1;       // values
    double Start = 0, End = 1;      // drawing units

    double operator()(double value) const;
    double ValueAt(double drawn) const;
};

struct PlotBox {
    double X = 0, Y = 0, Width = 0, Height = 0;

    double Right() const { return X + Width; }
    double Bottom() const { return Y + Height; }
    bool Overlaps(const PlotBox& other) const;
};

struct PlotLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A text and the box it is drawn in.
struct PlotText {
    PlotBox Box;
    std::string Text;
};

// The stretch of cable between two isolators (or an isolator and the panel).
struct PlotSection {
    double Left = 0, Right = 0;  // drawing units
    bool Shaded = false;         // every other section, so that they stand apart
    bool OverLimit = false;
};

// What the legend shows, in its order.
enum class PlotKey { Whole, OpenIn, OpenOut, Minimum, Failing };
inline constexpr int PlotKeyCount = 5;

struct PlotLegendEntry {
    PlotKey Key = PlotKey::Whole;
    PlotBox Sample;  // where the line or marker of the key is drawn
    PlotText Label;
};

struct PlotMeasure {
    double TextHeight = 10;
    std::function<double(std::string_view)> TextWidth;
};

struct VoltagePlotLayout {
    int Units = 0;  // of the x axis: metres or feet
    PlotBox Area;  // inside the axes
    PlotAxis XAxis, YAxis;
    PlotScale X, Y;
    std::vector<PlotText> XTicks, YTicks;
    PlotText XTitle, YTitle;  // the y title is drawn turned a quarter left, in its box
    std::vector<double> Isolators;  // x of each isolator
    std::vector<PlotSection> Sections;
    // One per feed, in the order of AllFeeds (none on an empty loop), clear
    // of the curves, their markers and each other; a label that had to go
    // further from its point than beside it has a leader to the point.
    std::vector<PlotText> Lowest;
    std::vector<std::optional<PlotLine>> LowestLeaders;
    std::vector<PlotLegendEntry> Legend;
    double MarkerSize = 4;  // half the width of a marker
};

// The distance along the cable of an isolator at `address`: the first point
// at that address; 0 (OUT) for the panel.
double IsolatorPosition(const AlongCableResult& result, int address);

// "Address 12: 19.94 V": the lowest point of a feed.
std::string LowestPointText(const AlongCableResult& result, Feed feed);

// The plot of `result` in `bounds`. Lengths in metres or feet by `units`.
VoltagePlotLayout LayOutVoltagePlot(const AlongCableResult& result, int units, const PlotBox& bounds,
                                    const PlotMeasure& measure);

// The drawn position of a point's marker for a feed.
double PointX(const VoltagePlotLayout& layout, const AlongCablePoint& point);
double PointY(const VoltagePlotLayout& layout, const AlongCablePoint& point, Feed feed);
// A point's marker for a feed is drawn as failing: below the device's minimum.
bool MarkerFails(const AlongCablePoint& point, Feed feed);

// The point whose marker (of any feed) is nearest to (x, y) within `reach`
// drawing units; -1 when none is.
int PointNear(const VoltagePlotLayout& layout, const AlongCableResult& result, double x, double y, double reach);
