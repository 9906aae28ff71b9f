// The results of the session's document to JavaScript: the calculator's
// JSON summary, a loop's voltage plot, the printed report as the drawing
// calls of its printer, and the schedules as CSV files.

#include "cli/CalcSummary.h"
#include "cli/JsonSummary.h"
#include "document/CalculationSupport.h"
#include "document/DocumentEdits.h"
#include "document/LoopResults.h"
#include "forms/MainWindowCore.h"
#include "platform/MessageHost.h"
#include "report/PrintCalcData.h"
#include "report/PrintChoices.h"
#include "report/ReportProgress.h"
#include "report/Schedules.h"
#include "web/PlotValues.h"
#include "web/WebBytes.h"
#include "web/WebReportPrinter.h"
#include "web/WebSession.h"
#include "web/WebTextMetrics.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using emscripten::val;

// A flag of the page's options; left out, false.
bool Flag(const val& object, const char* name)
{
    return !object.isUndefined() && !object.isNull() && object[name].as<bool>();
}

bool IsLoop(int loop) { return loop >= 1 && loop <= Document::LoopCount; }

// The --json output for the open document, its path as the file's name,
// with { alongCable, deviceChecks } for --along-cable and --device-checks.
// The device checks are run as the calculator runs them after its open;
// the loops are put back as they were afterwards, so that the session's
// document keeps its own results.
std::string SummaryJsonOf(WebSession& session, const val& options)
{
    Document& document = session.document();
    std::vector<LoopState> kept;
    if (Flag(options, "deviceChecks")) {
        for (int loop = 1; loop <= Document::LoopCount; ++loop)
            kept.push_back(CaptureLoop(document, loop));
        CalculationSupport::RecalculateAll(document, false);
    }
    const std::string json =
        SummaryJson(SummarizeDocument(document, document.Path, session.localeId()), Flag(options, "alongCable"));
    for (const LoopState& state : kept)
        RestoreLoop(document, state);
    return json;
}

// The loop as last calculated, in `bounds`, its texts measured in `font`
// (its size in the bounds' units); null for a number that is no loop.
val VoltagePlot(WebSession& session, int loop, const PlotBox& bounds, const ReportPrinter::Font& font)
{
    if (!IsLoop(loop))
        return val::null();
    const Document& document = session.document();
    const AlongCableResult result = CalculationSupport::AnalyseAlongCable(document, loop);
    std::vector<std::string> tips;
    for (const AlongCablePoint& point : result.Points)
        tips.push_back(AlongCablePointTip(document.Catalog(), point));
    return PlotValues(result, session.options().Units(), bounds, WebTextMetrics::PlotMeasureFor(font, 1), tips);
}

// What the print dialog offers.
val PrintChoicesOf(WebSession& session)
{
    val choices = val::object();
    choices.set("loops", ArrayOf(PrintLoopEntries(session.document()), [](const PrintLoopEntry& entry) {
                    val item = val::object();
                    item.set("loop", entry.Loop);
                    item.set("text", entry.Text);
                    item.set("selected", entry.Selected);
                    return item;
                }));
    choices.set("listShown", PrintLoopListShown(session.document()));
    choices.set("defaultLoops", emscripten::val::array(DefaultPrintLoops(session.document())));
    return choices;
}

// Before the print dialog, as the desktop asks: true when the document may
// not be printed (a box has said why).
bool PrintRefusedOf(WebSession& session)
{
    if (!MainWindowCore::PrintRefused(session.document()))
        return false;
    MsgBox(session.host(), MainWindowCore::ReadOnlyPrintMessage(), MsgStyle::Exclamation);
    return true;
}

// The report with the loops the page's print dialog chose, as the desktop
// prints it; null when the document may not be printed (after saying why).
val PrintReport(WebSession& session, const val& loops)
{
    if (PrintRefusedOf(session))
        return val::null();
    const Document& document = session.document();
    std::vector<int> chosen;
    for (const int loop : emscripten::vecFromJSArray<int>(loops))
        if (IsLoop(loop))
            chosen.push_back(loop);
    WebReportPrinter printer;
    SilentReportProgress progress;
    const int error = PrintCalcData::PrintCalculation(document, session.options().Units(), chosen, printer, progress);
    val report = val::object();
    report.set("error", error);
    report.set("pageWidth", printer.ScaleWidth());
    report.set("pageHeight", printer.ScaleHeight());
    report.set("pages", printer.Page());
    report.set("calls", printer.Calls());
    return report;
}

// As bytes: the page's text decoder would drop the byte-order mark that
// tells spreadsheets the file is UTF-8.
val DeviceScheduleCsv(WebSession& session) { return BytesToJs(Schedules::DeviceScheduleCsv(session.document())); }

val AddressScheduleCsv(WebSession& session) { return BytesToJs(Schedules::AddressScheduleCsv(session.document())); }

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The names the desktop suggests for the report and the schedules, without
// their folder: the document's own name, or "Loop Calculation" before it has one.
val OutputFileNames(WebSession& session)
{
    const Document& document = session.document();
    val names = val::object();
    names.set("report", document.Path.empty() ? std::string("Loop Calculation.pdf")
                                              : FileNameOf(PdfPathFor(document.Path)));
    names.set("deviceSchedule", FileNameOf(Schedules::SuggestedPath(document, "", Schedules::Schedule::Devices)));
    names.set("addressSchedule", FileNameOf(Schedules::SuggestedPath(document, "", Schedules::Schedule::Addresses)));
    return names;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_results)
{
    using namespace emscripten;
    value_object<PlotBox>("PlotBox")
        .field("x", &PlotBox::X)
        .field("y", &PlotBox::Y)
        .field("width", &PlotBox::Width)
        .field("height", &PlotBox::Height);
    value_object<ReportPrinter::Font>("ReportFont")
        .field("name", &ReportPrinter::Font::Name)
        .field("size", &ReportPrinter::Font::Size)
        .field("bold", &ReportPrinter::Font::Bold)
        .field("italic", &ReportPrinter::Font::Italic)
        .field("underline", &ReportPrinter::Font::Underline);
    function("summaryJson", &SummaryJsonOf);
    function("voltagePlot", &VoltagePlot);
    function("printChoices", &PrintChoicesOf);
    function("printRefused", &PrintRefusedOf);
    function("printReport", &PrintReport);
    function("deviceScheduleCsv", &DeviceScheduleCsv);
    function("addressScheduleCsv", &AddressScheduleCsv);
    function("outputFileNames", &OutputFileNames);
}
