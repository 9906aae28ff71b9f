#pragma once
// The voltage plot of a loop, painted on any QPainter: the loop editor's
// plot, the printed report (through its printer) and the image files of
// ferrolux-calc all draw it here. Where things go is worked out by the core
// (report/VoltagePlotLayout.h); this only paints.

#include "report/VoltagePlotLayout.h"

#include <QRectF>

class QPainter;

// Paints the plot of `result` in `bounds`, its texts in the painter's font,
// lengths in metres or feet by `units`, and returns the layout it drew.
VoltagePlotLayout PaintVoltagePlot(QPainter& painter, const QRectF& bounds, const AlongCableResult& result, int units);
