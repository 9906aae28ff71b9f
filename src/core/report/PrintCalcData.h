#pragma once
// The printed report of the open Loop Calculation: a header on every page, a
// summary of every loop of the control panel with the totals, the
// assumptions behind the calculation, and one section per chosen loop with
// its device and Other Device tables, its cable data and the loop along its
// cable, and last the power supply and standby battery.

#include "catalogues/CalculationType.h"

#include <cstdint>
#include <string>
#include <vector>

class Document;
class Printing;
class ReportPrinter;
class ReportProgress;

namespace PrintCalcData {

// Prints the whole report with the loops chosen in the print dialog
// (`selectedLoops`, numbers 1 to 8, printed in loop order). `units` is the
// unit system of lengths and impedances. Returns 0, or the printer error
// when the report was cancelled (the document is then abandoned).
int PrintCalculation(const Document& document, int units, const std::vector<int>& selectedLoops,
                     ReportPrinter& printer, ReportProgress& progress);

// One loop's section; starts a new page first when the section would not fit
// on the rest of this one. False when the report was cancelled there.
[[nodiscard]] bool PrintLoopSection(Printing& printing, const Document& document, int units, int loop);

// "Calculate maximum volt drop", "Calculate maximum cable run" or "Calculate
// smallest cable" for calculation types 0, 1 and 2; empty for any other.
std::string CalculationTypeText(CalculationType calcType);

// The assumptions block, in italics.
void PrintAssumptions(ReportPrinter& printer, const Document& document);

}  // namespace PrintCalcData
