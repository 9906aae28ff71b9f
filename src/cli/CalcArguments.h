#pragma once
// The command line of ferrolux-calc, the headless calculator:
//   ferrolux-calc [--data-root DIR] [--json] [--along-cable] [--compare-cables] [--device-checks] [--strict] [--all-checks] [--pdf OUT.pdf]
//                 [--plot DIR [--plot-png]] [--schedule-csv OUT.csv] [--addresses-csv OUT.csv] FILE.QLX...
//   ferrolux-calc [options above] --import LIST.csv --save OUT.QLX [--skip-unknown] [--skip-refused]
//                 (FILE.QLX | --panel NAME)
//   ferrolux-calc [options above] --how-many-more TYPE [--at-far-end] FILE.QLX
// Several files, or a folder, make a run over many files (see BatchRun.h).

#include <string>
#include <vector>

struct CalcArguments {
    std::string DataRoot{};  // empty: the program's usual data root
    bool Json = false;
    bool AlongCable = false;  // every point along the cable, in the text and the JSON
    bool CompareCables = false;  // every enabled cable on each loop, in the text and the JSON
    bool DeviceChecks = false;
    bool Strict = false;     // any message while reading refuses the file
    bool AllChecks = false;  // a failure along the cable or of the battery makes the status 1
    std::string PdfPath{};   // empty: no PDF
    std::string PlotFolder{};  // empty: no plots
    bool PlotPng = false;      // the plots as PNG images too
    std::string ScheduleCsvPath{};   // empty: no device schedule
    std::string AddressesCsvPath{};  // empty: no address schedule
    // A device list imported onto the site (or a new one on the panel
    // named), saved, then calculated as a file is.
    std::string ImportPath{};  // empty: no import
    std::string SavePath{};
    std::string PanelName{};  // empty: onto the file given
    bool SkipUnknown = false;  // names in neither catalogue are left out, not refusing the import
    bool SkipRefused = false;  // rows the rules refuse are left out, not refusing the import
    // How many more of the device type or Other Device of that name each
    // loop takes, spread evenly or all at the far end of the cable.
    std::string HowManyMore{};  // empty: not asked
    bool AtFarEnd = false;
    std::vector<std::string> Files{};  // files and folders, in the order given
};

struct ParsedCalcArguments {
    bool Ok = false;
    bool HelpAsked = false;
    CalcArguments Arguments;
    std::string Error;  // why the command line was refused
};

// The words after the program's name. "--data-root=DIR", "--pdf=OUT.pdf",
// "--plot=DIR" and the schedules' "--schedule-csv=OUT.csv" and
// "--addresses-csv=OUT.csv" are accepted too; "--" ends the options, so a file may begin with "-".
// An option that writes one file of its own is refused with several files or a folder.
ParsedCalcArguments ParseCalcArguments(const std::vector<std::string>& words);

std::string CalcUsage();
