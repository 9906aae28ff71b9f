#pragma once
// The loop along its cable in the printed report: under a loop's results,
// the lowest voltage and the worst margin for each way the loop may be fed,
// the sections between isolators and the voltage plot. A loop without points
// prints nothing. In the summary, a line per loop with what the analysis
// took and the result of its checks.

#include <string_view>

struct AlongCableResult;
class Document;
class Printing;

namespace PrintAlongCable {

// The lines PrintBlock takes, its closing blank line included; 0 for a loop
// without points.
int LineCount(const AlongCableResult& result);

// The lines the plot takes, in the body font.
inline constexpr int PlotLines = 18;

// Prints the block from the start of the current line, its row names and the
// plot's left edge at tab column `nameColumn`, lengths in metres or feet by
// `units`. Tables longer than the page run on to the next; a plot that does
// not fit on the rest of the page starts a new one with its header and the
// loop's title, "(continued)". False when the report was cancelled there.
[[nodiscard]] bool PrintBlock(Printing& printing, const AlongCableResult& result, int nameColumn, int units,
                              std::string_view loopTitle);

// `text` from tab column `column` (counted in the body font), in bold when
// asked, wrapped at the margin.
void PrintBesideInFont(Printing& printing, int column, std::string_view text, bool bold);

// "Along the cable:", then for each of loops 1 to `loops` that has points
// its number at tab column `numberColumn` and beside it at `textColumn`
// where its devices were taken and the result ("Devices at their own
// distances: 6.64 V margin (all 5 checks pass)"), wrapped at the margin.
// Nothing when no loop has points; else a blank line first when `blankFirst`.
void PrintSummaryLines(Printing& printing, const Document& document, int loops, int numberColumn, int textColumn,
                       bool blankFirst);

}  // namespace PrintAlongCable
