#include "cli/CalcArguments.h"

#include "cli/CalcFiles.h"

#include <string_view>
#include <utility>

namespace {

// An option with a value, given as "--name VALUE" or "--name=VALUE". True
// when `word` is that option; `value` empty with an error when it lacks one.
bool TakeValue(std::string_view name, const std::vector<std::string>& words, size_t& i, std::string& value,
               std::string& error)
{
    const std::string& word = words[i];
    if (word == name) {
        if (i + 1 >= words.size() || words[i + 1].empty()) {
            error = std::string(name) + " needs a value";
            return true;
        }
        value = words[++i];
        return true;
    }
    if (word.size() > name.size() && word.compare(0, name.size(), name) == 0 && word[name.size()] == '=') {
        value = word.substr(name.size() + 1);
        if (value.empty())
            error = std::string(name) + " needs a value";
        return true;
    }
    return false;
}

// What the import's options need of each other and of the files.
std::string ImportError(const CalcArguments& args, const std::vector<std::string>& files)
{
    if (args.ImportPath.empty()) {
        const std::pair<const char*, bool> needImport[] = {{"--save", !args.SavePath.empty()},
                                                           {"--panel", !args.PanelName.empty()},
                                                           {"--skip-unknown", args.SkipUnknown},
                                                           {"--skip-refused", args.SkipRefused}};
        for (const auto& [option, given] : needImport)
            if (given)
                return std::string(option) + " needs --import LIST.csv";
        return {};
    }
    if (args.SavePath.empty())
        return "--import needs --save OUT.QLX";
    if (!args.PanelName.empty() && !files.empty())
        return "--import with --panel makes a new site: give no FILE.QLX";
    if (args.PanelName.empty() && (files.size() != 1 || ManyFiles(files)))
        return "--import takes a single FILE.QLX, or --panel NAME for a new site";
    return {};
}

}  // namespace

ParsedCalcArguments ParseCalcArguments(const std::vector<std::string>& words)
{
    ParsedCalcArguments parsed;
    CalcArguments& args = parsed.Arguments;
    std::vector<std::string> files;
    bool options = true;
    for (size_t i = 0; i < words.size() && parsed.Error.empty(); ++i) {
        const std::string& word = words[i];
        if (!options || word.empty() || word[0] != '-' || word == "-") {
            files.push_back(word);
        } else if (word == "--") {
            options = false;
        } else if (word == "--json") {
            args.Json = true;
        } else if (word == "--along-cable") {
            args.AlongCable = true;
        } else if (word == "--compare-cables") {
            args.CompareCables = true;
        } else if (word == "--device-checks") {
            args.DeviceChecks = true;
        } else if (word == "--plot-png") {
            args.PlotPng = true;
        } else if (word == "--strict") {
            args.Strict = true;
        } else if (word == "--all-checks") {
            args.AllChecks = true;
        } else if (word == "--skip-unknown") {
            args.SkipUnknown = true;
        } else if (word == "--skip-refused") {
            args.SkipRefused = true;
        } else if (word == "--at-far-end") {
            args.AtFarEnd = true;
        } else if (word == "--help" || word == "-h") {
            parsed.HelpAsked = true;
        } else if (!TakeValue("--data-root", words, i, args.DataRoot, parsed.Error) &&
                   !TakeValue("--pdf", words, i, args.PdfPath, parsed.Error) &&
                   !TakeValue("--plot", words, i, args.PlotFolder, parsed.Error) &&
                   !TakeValue("--schedule-csv", words, i, args.ScheduleCsvPath, parsed.Error) &&
                   !TakeValue("--addresses-csv", words, i, args.AddressesCsvPath, parsed.Error) &&
                   !TakeValue("--import", words, i, args.ImportPath, parsed.Error) &&
                   !TakeValue("--save", words, i, args.SavePath, parsed.Error) &&
                   !TakeValue("--panel", words, i, args.PanelName, parsed.Error) &&
                   !TakeValue("--how-many-more", words, i, args.HowManyMore, parsed.Error)) {
            parsed.Error = "unknown option " + word;
        }
    }
    if (parsed.HelpAsked)
        return parsed;
    if (parsed.Error.empty() && args.PlotPng && args.PlotFolder.empty())
        parsed.Error = "--plot-png needs --plot DIR";
    if (parsed.Error.empty() && args.AtFarEnd && args.HowManyMore.empty())
        parsed.Error = "--at-far-end needs --how-many-more TYPE";
    if (parsed.Error.empty())
        parsed.Error = ImportError(args, files);
    if (parsed.Error.empty() && files.empty() && args.PanelName.empty())
        parsed.Error = "no file given";
    // An option that writes one site's output to one place has no meaning for many sites.
    const std::pair<const char*, const std::string&> singleOutputs[] = {{"--pdf", args.PdfPath},
                                                                        {"--plot", args.PlotFolder},
                                                                        {"--schedule-csv", args.ScheduleCsvPath},
                                                                        {"--addresses-csv", args.AddressesCsvPath},
                                                                        {"--how-many-more", args.HowManyMore}};
    for (const auto& [option, value] : singleOutputs)
        if (parsed.Error.empty() && !value.empty() && ManyFiles(files))
            parsed.Error = std::string(option) + " takes a single FILE.QLX, not several files or a folder";
    args.Files = std::move(files);
    parsed.Ok = parsed.Error.empty();
    return parsed;
}

std::string CalcUsage()
{
    return "Usage: ferrolux-calc [--data-root DIR] [--json] [--along-cable] [--compare-cables]\n"
           "                     [--device-checks] [--strict] [--all-checks] [--pdf OUT.pdf]\n"
           "                     [--plot DIR [--plot-png]] [--schedule-csv OUT.csv]\n"
           "                     [--addresses-csv OUT.csv] FILE.QLX...\n"
           "       ferrolux-calc [the options above] --import LIST.csv --save OUT.QLX\n"
           "                     [--skip-unknown] [--skip-refused] (FILE.QLX | --panel NAME)\n"
           "       ferrolux-calc [the options above] --how-many-more TYPE [--at-far-end] FILE.QLX\n"
           "\n"
           "Opens a Loop Calculation, recalculates every loop as the desktop program does after an open\n"
           "and prints the loop summary, with each loop's lowest voltages along the cable (loop whole and\n"
           "open at either end), its worst isolator section and the first of these checks that fails,\n"
           "and the standby battery the site needs.\n"
           "\n"
           "With several files, or a folder (every .QLX file in it and below it, in name order), it checks\n"
           "each in turn and prints one row per file: file, site name, panel, loops, devices, the first\n"
           "loop failing along the cable and the overall verdict with the first failing loop, or why\n"
           "the file could not be opened; then the counts. A progress bar shows on a terminal when the\n"
           "run takes more than a second.\n"
           "\n"
           "  --data-root DIR   the folder holding Harvex/Devices, Harvex/Panels and Harvex/Cables\n"
           "                    (instead of $HARVEX_DATA_ROOT or the installed catalogues)\n"
           "  --json            print one JSON object instead of text; each loop's \"along_cable\" has the\n"
           "                    lowest voltages per feed, the isolator sections and the result of their\n"
           "                    \"checks\", and \"power\" the battery calculation; with several files, an\n"
           "                    array of one object per file ({\"file\", \"error\"} for one that could not\n"
           "                    be opened)\n"
           "  --along-cable     also list every device along the cable: position, current and the\n"
           "                    voltage with the loop whole and open at either end (in the JSON, the\n"
           "                    \"devices\" of each \"along_cable\")\n"
           "  --compare-cables  also try every enabled catalogue cable on each loop: its volt drop,\n"
           "                    verdict, longest run and least margin along the cable in each feed, the\n"
           "                    smallest (thinnest) passing cable marked (in the JSON, each loop's \"cables\")\n"
           "  --device-checks   calculate with the device checks (surge, Master/Slave, dependants)\n"
           "  --strict          refuse the file (exit 2) when reading it gave any message: a refused\n"
           "                    value, a device not in the catalogues, a panel replaced...; and\n"
           "                    every file when loading the catalogues did (the battery sizes)\n"
           "  --all-checks      exit 1 also when a loop fails along the cable (a device below its\n"
           "                    minimum voltage with the loop whole or open at either end, or too\n"
           "                    many points between isolators), a loop is below the spare capacity\n"
           "                    the project requires, or the standby battery fails\n"
           "  --pdf OUT.pdf     also write the printed report of every loop of the panel to a PDF (one file only)\n"
           "  --plot DIR        also draw the voltage along the cable of every loop with devices as\n"
           "                    DIR/Loop<n>.svg (the folder is made when missing; one file only)\n"
           "  --plot-png        with --plot, also as DIR/Loop<n>.png\n"
           "  --schedule-csv OUT.csv\n"
           "                    also write the device schedule as CSV: each loop's device types and\n"
           "                    Other Devices with their quantities and currents in µA, then each\n"
           "                    loop's totals and verdict, and the panel's\n"
           "  --addresses-csv OUT.csv\n"
           "                    also write the address schedule as CSV: every used address in cable\n"
           "                    order with its position in metres, its devices and its tag\n"
           "  --import LIST.csv a device list to place on the site's loops through the loop editor's\n"
           "                    rules, then --save OUT.QLX: an address schedule as --addresses-csv\n"
           "                    writes it, or a bill of quantities (Loop, Type, Quantity), CSV with\n"
           "                    commas or semicolons; the site is then calculated as a file is.\n"
           "                    A name in neither catalogue, or a row the rules refuse, refuses the\n"
           "                    import (exit 2, each told on stderr, nothing saved) unless\n"
           "  --skip-unknown    leaves out the rows of names in neither catalogue, and\n"
           "  --skip-refused    leaves out the rows the rules refuse\n"
           "  --panel NAME      with --import, onto a new site on the control panel of that name\n"
           "  --how-many-more TYPE\n"
           "                    also tell for each loop how many more of the device type or Other Device\n"
           "                    of that catalogue name (any case) it takes with its verdict satisfactory\n"
           "                    and every check along the cable passing, and the check that stops one\n"
           "                    more (in the JSON, each loop's \"how_many_more\"); an unknown name exits 2\n"
           "  --at-far-end      with --how-many-more, all of them last along the cable (at its far end\n"
           "                    when the loop has distances) instead of where the loop editor puts them\n"
           "An output that is a regular file is replaced whole, keeping its permissions; a FIFO or a\n"
           "device (/dev/null, /dev/stdout) is written in place.\n"
           "\n"
           "Exit status: 0 design satisfactory, 1 not satisfactory (with --all-checks, also a failure\n"
           "along the cable, of the spare required or of the battery), 2 the file could not be opened,\n"
           "was refused or was cut short (with --strict, also when reading it gave a message), or the\n"
           "device list of --import was refused or the type of --how-many-more is in neither catalogue,\n"
           "3 a catalogue failed to load, 4 the PDF, a plot or a schedule could not be written,\n"
           "64 a bad command line, or an output that is the input file or the same file as another\n"
           "output (nothing is written then), 70 an error nothing expected ended the run (told on stderr).\n"
           "With several files, the worst of them: 2 over 1 over 0 (2 also when a folder has no .QLX file).\n";
}
