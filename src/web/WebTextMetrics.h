#pragma once
// Text measured as the page measures it (`Module.measureText`, see
// library_ferrolux.js), in the units of the font's size; where the page
// measures nothing, the fixed pitch of the core's recording printer.

#include "report/ReportPrinter.h"
#include "report/VoltagePlotLayout.h"

#include <string_view>

namespace WebTextMetrics {

double Width(std::string_view text, const ReportPrinter::Font& font);
// The height of a line of the font.
double Height(const ReportPrinter::Font& font);

// The plot's measure in the font, each length times `scale` (drawing units
// per unit of the font's size).
PlotMeasure PlotMeasureFor(const ReportPrinter::Font& font, double scale);

}  // namespace WebTextMetrics
