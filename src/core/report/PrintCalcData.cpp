#include "report/PrintCalcData.h"

#include "document/AlongCableVerdict.h"
#include "document/SpareCapacity.h"
#include "document/CalculationSupport.h"
#include "text/CurrentText.h"
#include "document/LoopResults.h"
#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopPlacement.h"
#include "document/ProjectText.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"
#include "report/LoopContents.h"
#include "report/PrintAlongCable.h"
#include "report/PrintSpare.h"
#include "report/PrintPower.h"
#include "report/Printing.h"
#include "report/ReportPrinter.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace PrintCalcData {

namespace {

// Tab columns, in characters of the body font.
constexpr int NameColumn = 8;
constexpr int SiteColumn = 18;
constexpr int SummaryDevicesColumn = 18;
constexpr int SummaryQuiescentColumn = 30;
constexpr int SummaryAlarmColumn = 48;
constexpr int SummaryDesignColumn = 58;
constexpr int QuantityColumn = 58;
constexpr int QuiescentColumn = 70;
constexpr int AlarmColumn = 88;

// The characters the body font must fit across the page.
constexpr int ReportWidthCharacters = 90;

// The right edges of a table's three number headings: its numbers end there.
struct NumberColumns {
    double Quantity = 0;
    double Quiescent = 0;
    double Alarm = 0;
};

void PrintBold(ReportPrinter& printer, std::string_view text)
{
    printer.SetFontBold(true);
    printer.PrintText(text);
    printer.SetFontBold(false);
}

void PrintLineAt(ReportPrinter& printer, int column, std::string_view text)
{
    printer.PrintTab(column);
    printer.PrintText(text);
    printer.EndLine();
}

void PrintLinesAt(ReportPrinter& printer, int column, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        PrintLineAt(printer, column, line);
}

void PrintRowNumbers(Printing& printing, const NumberColumns& columns, const std::string& quantity, Currency quiescent,
                     Currency alarm)
{
    printing.PrintRightAligned(quantity, columns.Quantity);
    printing.PrintRightAligned(CurrentText(quiescent), columns.Quiescent);
    printing.PrintRightAligned(CurrentText(alarm), columns.Alarm);
}


std::string ReportTitle(const Document& document)
{
    std::string title = std::string(ApplicationTitle) + " Configuration Data";
    if (!document.Path.empty())
        title += " for: " + std::filesystem::path(document.Path).filename().string();
    return title;
}

std::string ManufacturerName(const Catalogue& catalogue, const PanelRecord& panel)
{
    const auto& makers = catalogue.PanelManufacturers;
    return panel.Manufacturer >= 0 && static_cast<size_t>(panel.Manufacturer) < makers.size()
               ? makers[static_cast<size_t>(panel.Manufacturer)].Name
               : std::string();
}

// Under the overall verdict, in bold as it is: the loops that fail along the
// cable, when any does.
void PrintAlongCableFailures(Printing& printing, const Document& document)
{
    const std::string failures = AlongCableFailuresText(LoopsFailingAlongCable(document));
    if (!failures.empty())
        PrintAlongCable::PrintBesideInFont(printing, SummaryDesignColumn, failures, true);
}

// Each field given beside its label, as the site name is; the notes line by
// line, each wrapped.
void PrintProject(Printing& printing, const ProjectProperties& project)
{
    ReportPrinter& printer = printing.Printer();
    for (const ProjectLine& line : ProjectLines(project)) {
        printer.PrintText(line.Label + ":");
        std::string_view rest = line.Value;
        for (bool more = true; more;) {
            const size_t end = rest.find('\n');
            more = end != std::string_view::npos;
            std::string_view part = rest.substr(0, end);
            if (!part.empty() && part.back() == '\r')
                part.remove_suffix(1);
            if (part.empty())
                printer.EndLine();
            else
                PrintLinesAt(printer, SiteColumn, printing.LinesBeside(SiteColumn, part));
            rest = more ? rest.substr(end + 1) : std::string_view();
        }
    }
}

void PrintSummary(Printing& printing, const Document& document, const PanelRecord& panel)
{
    ReportPrinter& printer = printing.Printer();
    PrintBold(printer, "Summary");
    printer.EndLine();
    printer.EndLine();

    printer.PrintText("Site Name:");
    PrintLinesAt(printer, SiteColumn, printing.LinesBeside(SiteColumn, document.SiteName));
    PrintProject(printing, document.Project);
    printer.PrintText("Control Panel:");
    printer.PrintTab(SiteColumn);
    printer.PrintText(panel.Name);
    printer.SetFontItalic(true);
    printer.PrintText("  (" + ManufacturerName(document.Catalog(), panel) + ")");
    printer.SetFontItalic(false);
    printer.EndLine();
    printer.EndLine();

    printer.PrintTab(NameColumn);
    printer.PrintText("Loop");
    NumberColumns columns;
    columns.Quantity = printing.PrintHeading(SummaryDevicesColumn, "Devices");
    columns.Quiescent = printing.PrintHeading(SummaryQuiescentColumn, "Quiescent");
    columns.Alarm = printing.PrintHeading(SummaryAlarmColumn, "Alarm");
    printing.PrintHeading(SummaryDesignColumn, "Design");
    printer.EndLine();
    printer.EndLine();

    const int loops = std::min<int>(panel.Loops, Document::LoopCount);
    for (int loop = 1; loop <= loops; ++loop) {
        const clsCalculator& model = document.Loop(loop);
        printer.PrintTab(NameColumn);
        printer.PrintText(std::to_string(loop));
        PrintRowNumbers(printing, columns, std::to_string(model.DevicesOnLoop()), model.QuiescentCurrentTotal(),
                        model.AlarmCurrentTotal());
        printer.PrintTab(SummaryDesignColumn);
        // A one-loop panel has no total row: its loop's verdict is the verdict.
        if (loops == 1)
            PrintBold(printer, model.LoopDesignShort());
        else
            printer.PrintText(model.LoopDesignShort());
        printer.EndLine();
    }

    if (panel.Loops > 1) {
        printer.EndLine();
        printer.PrintTab(NameColumn);
        printer.PrintText("Total");
        PrintRowNumbers(printing, columns, std::to_string(CalculationSupport::TotalDevices(document)),
                        CalculationSupport::TotalQuiescentCurrent(document),
                        CalculationSupport::TotalAlarmCurrent(document));
        printer.PrintTab(SummaryDesignColumn);
        PrintBold(printer, CalculationSupport::OverallDesignText(document));
        printer.EndLine();
        PrintAlongCableFailures(printing, document);
        printer.EndLine();
    } else {
        PrintAlongCableFailures(printing, document);
    }
    PrintAlongCable::PrintSummaryLines(printing, document, loops, NameColumn, SummaryDevicesColumn, loops == 1);
    PrintSpare::PrintSummaryLines(printing, document, loops, NameColumn, SummaryDevicesColumn);
}

std::string CableDistributionAssumption(const Document& document)
{
    bool anyFirstRun = false;
    bool allAtEnd = true;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        const clsCalculator& model = document.Loop(loop);
        if (model.CableFirst() > 0) {
            anyFirstRun = true;
            allAtEnd = allAtEnd && model.CableFirst() == model.CableTotal();
        }
    }
    if (!anyFirstRun)
        return "      Even distribution of devices along cable.";
    if (allAtEnd)
        return "      All devices at end of cable.";
    return "      Even distribution of devices along cable beyond 1st device.";
}

// Device types on the loop, counting slave bases fitted to devices as types
// of their own.
int DistinctDeviceTypes(const Document& document, const clsCalculator& model)
{
    std::set<int> types;
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        if (model.DeviceType(a) != 0)
            types.insert(model.DeviceType(a));
        if (LoopPlacement::IsSlaveBaseType(document, model.DeviceBaseType(a)))
            types.insert(model.DeviceBaseType(a));
    }
    return static_cast<int>(types.size());
}

int OtherDeviceTypesUsed(const Catalogue& catalogue, const clsCalculator& model)
{
    int used = 0;
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other)
        if (model.QtyOthers(static_cast<int>(other)) > 0)
            ++used;
    return used;
}

NumberColumns PrintNumberHeadings(Printing& printing)
{
    NumberColumns columns;
    columns.Quantity = printing.PrintHeading(QuantityColumn, "Quantity");
    columns.Quiescent = printing.PrintHeading(QuiescentColumn, "Quiescent");
    columns.Alarm = printing.PrintHeading(AlarmColumn, "Alarm");
    return columns;
}

// The device rows of a loop, by device-type name. True when a row shows the
// alarm current with the interface LEDs disabled (the footnote is due).
bool PrintDeviceRows(Printing& printing, const Document& document, int loop, const NumberColumns& columns)
{
    ReportPrinter& printer = printing.Printer();
    bool footnote = false;
    for (const LoopContents::Row& row : LoopContents::DeviceRows(document, loop)) {
        printer.PrintTab(NameColumn);
        printer.PrintText(row.Name);
        PrintRowNumbers(printing, columns, std::to_string(row.Quantity), row.QuiescentTotal(), row.AlarmTotal());
        if (row.LedsDisabled) {
            printer.PrintText(" *");
            footnote = true;
        }
        printer.EndLine();
    }
    return footnote;
}

void PrintOtherDeviceRows(Printing& printing, const Document& document, int loop, const NumberColumns& columns)
{
    ReportPrinter& printer = printing.Printer();
    for (const LoopContents::Row& row : LoopContents::OtherDeviceRows(document, loop)) {
        printer.PrintTab(NameColumn);
        printer.PrintText(row.Name);
        PrintRowNumbers(printing, columns, std::to_string(row.Quantity), row.QuiescentTotal(), row.AlarmTotal());
        printer.EndLine();
    }
}

void PrintCableData(Printing& printing, const Document& document, const clsCalculator& model, int units,
                    const NumberColumns& columns)
{
    ReportPrinter& printer = printing.Printer();
    printer.PrintTab(NameColumn);
    PrintBold(printer, CalculationTypeText(model.CalcType()));
    printer.EndLine();
    printer.EndLine();

    printer.PrintTab(NameColumn);
    printer.PrintText("Cable");
    printing.PrintRightAligned(document.Catalog().CableNameForImpedance(model.CableImpedance()), columns.Quantity);
    printer.SetFontItalic(true);
    printing.PrintRightAligned(Scaling::FormatImpedance(model.CableImpedance(), units), columns.Quiescent);
    printer.PrintText(" " + Scaling::ImpedanceUnitsText(units));
    printer.EndLine();
    printer.SetFontItalic(false);
    printer.EndLine();

    const std::string lengthUnits = " " + Scaling::LengthUnitsText(units, true);
    printer.PrintTab(NameColumn);
    printer.PrintText("Total cable run");
    printing.PrintRightAligned(Scaling::FormatLength(model.CableTotal(), units), columns.Quantity);
    printer.PrintText(lengthUnits);
    if (model.CableFirst() > 0) {
        printer.EndLine();
        printer.PrintTab(NameColumn);
        printer.PrintText("Cable run to first device");
        printing.PrintRightAligned(Scaling::FormatLength(model.CableFirst(), units), columns.Quantity);
        printer.PrintText(lengthUnits);
    }
    printer.EndLine();

    printer.PrintTab(NameColumn);
    printer.PrintText("Volt Drop");
    printing.PrintRightAligned(VoltsText(model.VoltDrop().ToDouble()), columns.Quantity);
    printer.PrintText(" V");
    printer.EndLine();

    printer.PrintTab(NameColumn);
    printer.PrintText("Max. permissible volt drop");
    printing.PrintRightAligned(VoltsText(model.MaxVoltDrop().ToDouble()), columns.Quantity);
    printer.PrintText(" V");
    printer.EndLine();
    if (!model.PanelLimitText().empty()) {
        printer.SetFontItalic(true);
        PrintLineAt(printer, NameColumn, "Alarm current " + model.PanelLimitText());
        printer.SetFontItalic(false);
    }
    printer.EndLine();
}

// The loop's verdict in bold and, for a failing loop, why.
void PrintVerdict(ReportPrinter& printer, const clsCalculator& model, const std::vector<std::string>& explanation)
{
    printer.PrintTab(NameColumn);
    PrintBold(printer, model.LoopDesignShort());
    printer.EndLine();
    PrintLinesAt(printer, NameColumn, explanation);
    printer.EndLine();
}

}  // namespace

std::string CalculationTypeText(CalculationType calcType)
{
    switch (calcType) {
    case CalculationType::MaxVoltDrop:
        return "Calculate maximum volt drop";
    case CalculationType::MaxCableRun:
        return "Calculate maximum cable run";
    case CalculationType::SmallestCable:
        return "Calculate smallest cable";
    }
    return "";
}

void PrintAssumptions(ReportPrinter& printer, const Document& document)
{
    printer.SetFontItalic(true);
    for (const std::string& line : {std::string("Calculations include the following assumptions:"),
                                    CableDistributionAssumption(document),
                                    std::string("      As many devices are in alarm as possible."),
                                    std::string("      There is an open circuit on cable at worst position.")}) {
        printer.PrintText(line);
        printer.EndLine();
    }
    printer.SetFontItalic(false);
}

bool PrintLoopSection(Printing& printing, const Document& document, int units, int loop)
{
    ReportPrinter& printer = printing.Printer();
    const clsCalculator& model = document.Loop(loop);
    const int deviceTypes = DistinctDeviceTypes(document, model);
    const int otherTypes = OtherDeviceTypesUsed(document.Catalog(), model);
    const bool hasDevices = deviceTypes > 0;
    const bool hasOthers = otherTypes > 0;

    printer.SetFontBold(true);
    const std::vector<std::string> heading = printing.LinesBeside(0, LoopTitle(loop, document.LoopName(loop)));
    printer.SetFontBold(false);
    const std::vector<std::string> explanation = model.DesignIsSatisfactory()
                                                     ? std::vector<std::string>()
                                                     : printing.LinesBeside(NameColumn, model.DesignExplanation());
    const AlongCableResult alongCable = CalculationSupport::AnalyseAlongCable(document, loop);
    const LoopSpare spare = SpareCapacityFor(document, loop);
    // The permissible volt drop, the alarm current's note, the verdict, its
    // reason and a blank line.
    const int judgementLines = 3 + (model.PanelLimitText().empty() ? 0 : 1) + static_cast<int>(explanation.size());

    // A section starts on a new page unless it fits on the rest of this one.
    const int linesNeeded = static_cast<int>(heading.size()) - 1 +
                            (hasDevices || hasOthers ? deviceTypes + (hasDevices ? 4 : 0) + otherTypes +
                                                           (hasOthers ? 4 : 0) + 12 + judgementLines +
                                                           PrintSpare::LineCount(spare) +
                                                           PrintAlongCable::LineCount(alongCable)
                                                     : 4);
    if (linesNeeded > printing.LinesLeftOnPage() && !printing.PrintPageHeader())
        return false;

    printer.SetFontBold(true);
    PrintLinesAt(printer, 0, heading);
    printer.SetFontBold(false);
    printer.EndLine();
    if (!hasDevices && !hasOthers) {
        PrintLineAt(printer, NameColumn, "No addressable devices");
        printer.EndLine();
        return true;
    }

    printer.PrintTab(NameColumn);
    PrintBold(printer, "Addressable Devices");
    const NumberColumns columns = PrintNumberHeadings(printing);
    printer.EndLine();
    printer.EndLine();

    bool footnote = false;
    if (!hasDevices) {
        PrintLineAt(printer, NameColumn, "No addressable devices");
        printer.EndLine();
    } else {
        footnote = PrintDeviceRows(printing, document, loop, columns);
        printer.EndLine();
    }

    if (hasDevices && hasOthers) {
        printer.PrintTab(NameColumn);
        printer.PrintText("Sub-total");
        PrintRowNumbers(printing, columns, std::to_string(model.DevicesOnLoop()), model.QuiescentCurrentDevices(),
                        model.AlarmCurrentDevices());
        printer.EndLine();
        printer.EndLine();
    }

    if (hasOthers) {
        printer.PrintTab(NameColumn);
        PrintBold(printer, "Other Devices");
        if (!hasDevices)
            PrintNumberHeadings(printing);
        printer.EndLine();
        printer.EndLine();
        PrintOtherDeviceRows(printing, document, loop, columns);
        printer.EndLine();
    }

    printer.PrintTab(NameColumn);
    printer.PrintText("Total");
    PrintRowNumbers(printing, columns, hasOthers ? "n/a" : std::to_string(model.DevicesOnLoop()),
                    model.QuiescentCurrentTotal(), model.AlarmCurrentTotal());
    printer.EndLine();
    printer.EndLine();

    if (footnote) {
        PrintLineAt(printer, NameColumn, "* - Interface LEDs are disabled.");
        printer.EndLine();
    }

    PrintCableData(printing, document, model, units, columns);
    PrintVerdict(printer, model, explanation);
    PrintSpare::PrintBlock(printing, spare, document.Project.SpareRequired, NameColumn);
    return PrintAlongCable::PrintBlock(printing, alongCable, NameColumn, units, LoopTitle(loop, document.LoopName(loop)));
}

int PrintCalculation(const Document& document, int units, const std::vector<int>& selectedLoops,
                     ReportPrinter& printer, ReportProgress& progress)
{
    const PanelRecord* current = document.Catalog().CurrentPanelRecord();
    const PanelRecord panel = current ? *current : PanelRecord{};

    Printing printing(printer, progress);
    if (!printing.StartReport(ReportTitle(document), true, document.ModifiedDate))
        return printing.Error();
    printing.FitFontSize(ReportWidthCharacters);
    printing.SetFooter(ProjectReference(document.Project));
    if (!printing.PrintPageHeader())
        return printing.Error();

    PrintSummary(printing, document, panel);
    printer.EndLine();
    PrintAssumptions(printer, document);
    printer.EndLine();
    printer.EndLine();

    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        const bool selected = std::find(selectedLoops.begin(), selectedLoops.end(), loop) != selectedLoops.end();
        if (selected && !PrintLoopSection(printing, document, units, loop))
            return printing.Error();
    }
    // The battery rule by default is the user's locale's, as on the screen.
    if (!PrintPower::PrintSection(printing, document, Locale::LocaleIdentifier()))
        return printing.Error();
    return printing.EndReport() ? 0 : printing.Error();
}

}  // namespace PrintCalcData
