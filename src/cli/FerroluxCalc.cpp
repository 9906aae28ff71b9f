#include "cli/FerroluxCalc.h"

#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "catalogues/PanelCatalogue.h"
#include "cli/BatchRun.h"
#include "cli/CalcArguments.h"
#include "cli/CalcFileCheck.h"
#include "cli/CalcFiles.h"
#include "cli/CalcImport.h"
#include "cli/CalcSummary.h"
#include "cli/JsonSummary.h"
#include "cli/TextSummary.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"
#include "platform/OutputFile.h"
#include "platform/SettingsStore.h"
#include "report/PlotFiles.h"
#include "report/Schedules.h"

#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace {

// The user's unit system: the stored one, checked as the desktop checks it;
// before the desktop's first start has stored one, the locale's, not stored.
int UnitsOf(Options& options, MessageHost& messages)
{
    if (!options.SettingExists(SettingName::Units))
        return Scaling::DetectedUnits(Locale::IMeasure(), Locale::LocaleIdentifier());
    options.LoadUnits(messages);
    return options.Units();
}

// Why the outputs asked for cannot be written: one is an input file of the
// run, or the same file as another output (every plot the run may draw
// counts); nullopt when each has a file of its own.
std::optional<std::string> OutputClash(const CalcArguments& arguments)
{
    using FileSystem::RunFile;
    std::vector<RunFile> inputs;
    for (const std::string& file : arguments.Files)
        inputs.push_back({"the input file", file});
    if (!arguments.ImportPath.empty())
        inputs.push_back({"the device list", arguments.ImportPath});
    std::vector<RunFile> outputs{{"--pdf", arguments.PdfPath}};
    if (!arguments.PlotFolder.empty())
        for (const std::string& plot : PlotFilePaths(arguments.PlotFolder, arguments.PlotPng))
            outputs.push_back({"--plot", plot});
    outputs.push_back({"--schedule-csv", arguments.ScheduleCsvPath});
    outputs.push_back({"--addresses-csv", arguments.AddressesCsvPath});
    outputs.push_back({"--save", arguments.SavePath});
    if (const auto clash = FileSystem::FindOutputClash(inputs, outputs))
        return clash->Text() + ": nothing was written";
    return std::nullopt;
}

// The schedules asked for, each as CSV; false with the reason on stderr at
// the first that could not be written.
bool WriteSchedules(const CalcArguments& arguments, const Document& document, std::ostream& err)
{
    using Schedules::Schedule;
    for (const auto& [path, schedule] : {std::pair{arguments.ScheduleCsvPath, Schedule::Devices},
                                         std::pair{arguments.AddressesCsvPath, Schedule::Addresses}}) {
        std::string error;
        if (!path.empty() && !Schedules::WriteSchedule(document, schedule, path, error)) {
            err << "ferrolux-calc: " << error << '\n';
            return false;
        }
    }
    return true;
}

// The site the calculator works on: the file given, or a new one on the
// panel named; the exit status when there is none.
std::optional<int> OpenSite(const CalcArguments& arguments, Document& document, Catalogue& catalogue, Options& options,
                            StderrMessageHost& messages, std::ostream& err)
{
    if (!arguments.PanelName.empty()) {
        if (!SelectPanelByName(catalogue, options, arguments.PanelName)) {
            err << "ferrolux-calc: there is no control panel named '" << arguments.PanelName << "'\n";
            return CalcExit::NotOpened;
        }
        NewDocument(document, CurrentLoopDefaults(options, catalogue));
        return std::nullopt;
    }
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    const FileCheck check = OpenForCheck(arguments.Files.front(), arguments, document, catalogue, options, messages);
    // A failed open has told why on stderr; a refusal under --strict is told here.
    if (!check.Opened) {
        if (check.RefusedByStrict)
            err << "ferrolux-calc: " << check.Reason << '\n';
        return CalcExit::NotOpened;
    }
    return std::nullopt;
}

// The calculator on one file: its summary, then its PDF and plots.
int RunOneFile(const CalcArguments& arguments, Catalogue& catalogue, Options& options, std::ostream& out,
               StderrMessageHost& messages, std::ostream& err, const PdfWriter& writePdf, const PlotWriter& writePlots)
{
    const std::string& file = arguments.ImportPath.empty() ? arguments.Files.front() : arguments.SavePath;
    std::optional<HowManyMore::Item> more;
    if (!arguments.HowManyMore.empty()) {
        more = HowManyMore::ItemNamed(catalogue, arguments.HowManyMore);
        if (!more) {
            err << "ferrolux-calc: there is no device type or Other Device named '" << arguments.HowManyMore << "'\n";
            return CalcExit::NotOpened;
        }
    }
    Document document(catalogue);
    if (const std::optional<int> refused = OpenSite(arguments, document, catalogue, options, messages, err))
        return *refused;
    if (!arguments.ImportPath.empty())
        if (const std::optional<int> refused = ImportAndSave(arguments, document, messages, err))
            return *refused;

    const int units = UnitsOf(options, messages);
    CalcSummary summary = SummarizeDocument(document, file, Locale::LocaleIdentifier(), arguments.CompareCables);
    if (more)
        AddHowManyMore(summary, document, *more,
                       arguments.AtFarEnd ? HowManyMore::Placement::AtFarEnd : HowManyMore::Placement::Evenly);
    const bool devices = arguments.AlongCable;
    out << (arguments.Json ? SummaryJson(summary, devices) : SummaryText(summary, units, devices)) << std::flush;

    if (!arguments.PdfPath.empty()) {
        std::string error;
        if (!writePdf || !writePdf(document, units, arguments.PdfPath, error)) {
            err << "ferrolux-calc: " << (error.empty() ? "no PDF output in this build" : error) << '\n';
            return CalcExit::PdfFailed;
        }
    }
    if (!arguments.PlotFolder.empty()) {
        std::string error;
        if (!writePlots || !writePlots(document, units, arguments.PlotFolder, arguments.PlotPng, error)) {
            err << "ferrolux-calc: " << (error.empty() ? "no plot output in this build" : error) << '\n';
            return CalcExit::PdfFailed;
        }
    }
    if (!WriteSchedules(arguments, document, err))
        return CalcExit::PdfFailed;
    return CheckedStatus(summary, arguments.AllChecks);
}

}  // namespace

int RunFerroluxCalc(const CalcArguments& arguments, std::ostream& out, std::ostream& err, const PdfWriter& writePdf,
                    const PlotWriter& writePlots, bool errIsTerminal)
{
    // Refused before anything is read or written, as a bad command line.
    if (const auto clash = OutputClash(arguments)) {
        err << "ferrolux-calc: " << *clash << '\n';
        return CalcExit::BadCommandLine;
    }
    SettingsStore settings(SettingsStore::DefaultPath());
    Options options(settings);
    StderrMessageHost messages(err);
    Catalogue catalogue;
    const DataFiles files = arguments.DataRoot.empty() ? DataFiles::Locate() : DataFiles::FromRoot(arguments.DataRoot);
    if (!LoadCatalogues(catalogue, options, messages, {files, Folders::OldSettingsFile(), Locale::LocaleIdentifier()}))
        return CalcExit::CatalogueFailed;
    // Only the battery sizes speak and go on: a gap or a broken file.
    if (arguments.Strict && messages.Shown() > 0) {
        err << "ferrolux-calc: --strict: loading the catalogues gave the messages above\n";
        return CalcExit::NotOpened;
    }
    if (ManyFiles(arguments.Files))
        return RunBatch(arguments, catalogue, options, out, err, errIsTerminal);
    return RunOneFile(arguments, catalogue, options, out, messages, err, writePdf, writePlots);
}

int RunCalcCommandLine(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                       const PdfWriter& writePdf, const PlotWriter& writePlots, bool errIsTerminal)
{
    const ParsedCalcArguments parsed = ParseCalcArguments(words);
    if (parsed.HelpAsked) {
        out << CalcUsage();
        return 0;
    }
    if (!parsed.Ok) {
        err << "ferrolux-calc: " << parsed.Error << "\n\n" << CalcUsage();
        return CalcExit::BadCommandLine;
    }
    return RunFerroluxCalc(parsed.Arguments, out, err, writePdf, writePlots, errIsTerminal);
}
