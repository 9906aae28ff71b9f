#include "cli/FerroluxCalc.h"

#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "cli/BatchRun.h"
#include "cli/CalcArguments.h"
#include "cli/CalcFileCheck.h"
#include "cli/CalcFiles.h"
#include "cli/CalcSummary.h"
#include "cli/JsonSummary.h"
#include "cli/TextSummary.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "report/Schedules.h"

#include <ostream>
#include <utility>

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

// The calculator on one file: its summary, then its PDF and plots.
int RunOneFile(const CalcArguments& arguments, Catalogue& catalogue, Options& options, std::ostream& out,
               StderrMessageHost& messages, std::ostream& err, const PdfWriter& writePdf, const PlotWriter& writePlots)
{
    const std::string& file = arguments.Files.front();
    Document document(catalogue);
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    const FileCheck check = OpenForCheck(file, arguments, document, catalogue, options, messages);
    // A failed open has told why on stderr; a refusal under --strict is told here.
    if (!check.Opened) {
        if (check.RefusedByStrict)
            err << "ferrolux-calc: " << check.Reason << '\n';
        return CalcExit::NotOpened;
    }

    const int units = UnitsOf(options, messages);
    const CalcSummary summary = SummarizeDocument(document, file, Locale::LocaleIdentifier());
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
