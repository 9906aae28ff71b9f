#pragma once
// The headless calculator: loads the catalogues as the desktop program
// starts, opens one document through the open flow (unknown device types
// answered "Y", incompatible Other Devices OK, every message on stderr as one
// line), recalculates it as after an open, and prints the loop summary; or
// does so for many files in one run (see BatchRun.h).

#include "platform/LastResort.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

struct CalcArguments;
class Document;

namespace CalcExit {
constexpr int Satisfactory = 0;
constexpr int NotSatisfactory = 1;
constexpr int NotOpened = 2;      // missing, unreadable, refused or cut short; with --strict, any reading message
constexpr int CatalogueFailed = 3;
constexpr int PdfFailed = 4;  // or a plot, or a schedule
constexpr int BadCommandLine = 64;  // or an output that is an input file or another output
constexpr int Unexpected = UnexpectedFailureExit;  // an error nothing expected ended the run (see LastResort.h)
}  // namespace CalcExit

// Writes the report to a PDF; false with the reason (see PdfReport.h).
using PdfWriter = std::function<bool(const Document&, int units, const std::string& path, std::string& error)>;

// Writes the voltage plots into a folder, PNG images too when asked; false
// with the reason (see PlotFiles.h).
using PlotWriter =
    std::function<bool(const Document&, int units, const std::string& folder, bool png, std::string& error)>;

// Runs one calculation and returns the exit status. Settings and
// user-defined panels come from the per-user folders, as for the desktop.
// `errIsTerminal`: a run over many files shows its progress on `err`.
int RunFerroluxCalc(const CalcArguments& arguments, std::ostream& out, std::ostream& err, const PdfWriter& writePdf,
                    const PlotWriter& writePlots = {}, bool errIsTerminal = false);

// The whole command line (the words after the program's name): the usage
// for --help, a refused command line with the usage, else RunFerroluxCalc.
int RunCalcCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                       const PdfWriter& writePdf, const PlotWriter& writePlots = {}, bool errIsTerminal = false);
