#pragma once
// The loop along its cable in the printed report: under a loop's results,
// the lowest voltage and the worst margin for each way the loop may be fed,
// and the sections between isolators. A loop without points prints nothing.

struct AlongCableResult;
class Printing;

namespace PrintAlongCable {

// The lines PrintBlock takes, its closing blank line included; 0 for a loop
// without points.
int LineCount(const AlongCableResult& result);

// Prints the block from the start of the current line, its row names at
// tab column `nameColumn`. A block longer than the page runs on to the next.
void PrintBlock(Printing& printing, const AlongCableResult& result, int nameColumn);

}  // namespace PrintAlongCable
