#include "cli/FerroluxCalc.h"

#include "document/CalculationSupport.h"
#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "cli/CalcArguments.h"
#include "cli/CalcSummary.h"
#include "cli/HeadlessOpenProgress.h"
#include "cli/JsonSummary.h"
#include "cli/TextSummary.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/OpenFlow.h"
#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "report/Schedules.h"

#include <filesystem>
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

// Passes every box on and counts them, so that --strict can tell whether the
// open had anything to say.
class CountingMessageHost : public MessageHost {
public:
    explicit CountingMessageHost(MessageHost& inner) : inner_(inner) {}
    void Beep(int iconBits) override { inner_.Beep(iconBits); }
    int Show(const std::string& text, int style, const std::string& caption) override
    {
        ++shown;
        return inner_.Show(text, style, caption);
    }
    int shown = 0;

private:
    MessageHost& inner_;
};

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

}  // namespace

int RunFerroluxCalc(const CalcArguments& arguments, std::ostream& out, std::ostream& err, const PdfWriter& writePdf,
                    const PlotWriter& writePlots)
{
    SettingsStore settings(SettingsStore::DefaultPath());
    Options options(settings);
    StderrMessageHost messages(err);
    Catalogue catalogue;
    const DataFiles files = arguments.DataRoot.empty() ? DataFiles::Locate() : DataFiles::FromRoot(arguments.DataRoot);
    if (!LoadCatalogues(catalogue, options, messages, {files, Folders::OldSettingsFile(), Locale::LocaleIdentifier()}))
        return CalcExit::CatalogueFailed;

    Document document(catalogue);
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    HeadlessOpenProgress progress(err);
    CountingMessageHost readingMessages(messages);
    OpenFlow flow(document, catalogue, options, readingMessages, progress);
    // The desktop opens full paths; so the messages and the report name the file alike.
    flow.DoMenuOpen(std::filesystem::absolute(arguments.File).lexically_normal().string(), false);
    // A file cut short is not opened properly: its warning is on stderr, and
    // no summary is given that a script could take for the whole design.
    if (flow.Outcome() != OpenOutcome::Opened || flow.OpenedCutShort())
        return CalcExit::NotOpened;
    if (arguments.Strict && readingMessages.shown + progress.Asked() > 0) {
        err << "ferrolux-calc: --strict: reading the file gave the messages above\n";
        return CalcExit::NotOpened;
    }
    if (arguments.DeviceChecks)
        CalculationSupport::RecalculateAll(document, false);

    const int units = UnitsOf(options, messages);
    const CalcSummary summary = SummarizeDocument(document, arguments.File, Locale::LocaleIdentifier());
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
    return summary.Satisfactory ? CalcExit::Satisfactory : CalcExit::NotSatisfactory;
}
