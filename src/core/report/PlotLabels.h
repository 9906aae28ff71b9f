#pragma once
// Where the voltage plot's labels of the lowest points go: as near their
// points as they can be while clear of every curve, marker, minimum bar and
// isolator tick, and of each other, inside the plot area.

#include "report/VoltagePlotLayout.h"

// Fills layout.Lowest and layout.LowestLeaders; the rest of the layout (the
// area, the scales, the isolators, the marker size) is laid out already.
void PlaceLowestLabels(VoltagePlotLayout& layout, const AlongCableResult& result, const PlotMeasure& measure);
