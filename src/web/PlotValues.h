#pragma once
// A loop's voltage plot as plain JavaScript values a page draws as they
// are: the core's layout (report/VoltagePlotLayout.h) with every point's
// markers placed, in the drawing units of the bounds.

#include "report/VoltagePlotLayout.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

// `tips` holds each point's tip, in the order of the points (none: no tips).
emscripten::val PlotValues(const AlongCableResult& result, int units, const PlotBox& bounds,
                           const PlotMeasure& measure, const std::vector<std::string>& tips = {});
