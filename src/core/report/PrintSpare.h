#pragma once
// The loop's spare capacity in the printed report: under a loop's results,
// each limit as used and as spare, those past it or short of the project's
// requirement marked; in the summary, a line per loop with its tightest limit.

struct LoopSpare;
class Document;
class Printing;

namespace PrintSpare {

// The lines PrintBlock takes, its closing blank line included; 0 for a loop
// without devices.
int LineCount(const LoopSpare& spare);

// Prints the block from the start of the current line, its row names at tab
// column `nameColumn`.
void PrintBlock(Printing& printing, const LoopSpare& spare, int requiredPercent, int nameColumn);

// A blank line and "Spare capacity:", then for each of loops 1 to `loops` with devices its
// number at `numberColumn` and its spare at `textColumn`, in bold when below
// the requirement. Nothing when no loop has devices.
void PrintSummaryLines(Printing& printing, const Document& document, int loops, int numberColumn, int textColumn);

}  // namespace PrintSpare
