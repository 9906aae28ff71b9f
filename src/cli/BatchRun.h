#pragma once
// The calculator over many files: every file opened and recalculated in
// turn with the catalogues loaded once, then one row per file and the
// counts (see BatchReport.h), or with --json one array of the files'
// objects. A file that cannot be opened or is refused, and a folder that
// cannot be read, has its row with the reason (in the JSON, {"file",
// "error"}) and the others are still checked.
// Each message goes to stderr as one line after the name of its file.

#include <iosfwd>

struct CalcArguments;
class Catalogue;
class Options;

// The worst exit status of the files: 2 (one could not be opened or was
// refused, a folder could not be read or gave none) over 1 (a design not
// satisfactory) over 0.
// `terminal`: stderr is a terminal, which shows a progress bar.
int RunBatch(const CalcArguments& arguments, Catalogue& catalogue, Options& options, std::ostream& out,
             std::ostream& err, bool terminal);
