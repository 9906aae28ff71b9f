// ferrolux-calc: the headless calculator (see FerroluxCalc.h).

#include "cli/FerroluxCalc.h"
#include "platform/LastResort.h"
#include "platform/MessageHost.h"
#include "report/PdfReport.h"
#include "report/PlotFiles.h"

#include <iostream>
#include <unistd.h>

namespace {

int Calculate(int argc, char** argv)
{
#ifdef FERROLUX_CALC_WITHOUT_PDF
    const PdfWriter writePdf;
    const PlotWriter writePlots;
#else
    const PdfWriter writePdf = WritePdfReport;
    const PlotWriter writePlots = WriteVoltagePlots;
#endif
    return RunCalcCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, writePdf,
                              writePlots, isatty(STDERR_FILENO) == 1);
}

}  // namespace

int main(int argc, char** argv)
{
    StderrMessageHost lastResort;
    return RunGuarded(lastResort, "ferrolux-calc", [&] { return Calculate(argc, argv); });
}
