#include "report/PrintPower.h"

#include "document/Document.h"
#include "document/PowerText.h"
#include "report/Printing.h"
#include "report/ReportPrinter.h"
#include "report/WrapText.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace PrintPower {

namespace {

// Tab columns, in characters of the body font, as the loops' tables have them.
constexpr int NameColumn = 8;
constexpr int QuantityColumn = 58;
constexpr int StandbyColumn = 70;
constexpr int AlarmColumn = 88;

// Each text line of the section, in order, with what it is.
struct Line {
    enum Kind { Plain, Title, Verdict, LoadRow };
    // A load row's quantity, standby and alarm current.
    using Figures = std::array<std::string, 3>;

    explicit Line(Kind style = Plain, std::string text = {}, Figures figures = {})
        : Style(style), Text(std::move(text)), Numbers(std::move(figures))
    {
    }

    Kind Style;
    std::string Text;
    Figures Numbers;
};

std::string MA(Currency microamps) { return MilliampsText(microamps) + " mA"; }

Currency Times(int32_t quantity, Currency milliamps)
{
    // The loads are typed in mA; the calculation's currents are in µA.
    return Currency::FromScaled(milliamps.Scaled() * 1000 * quantity);
}

// A row per load, its description wrapped before the quantity, and the total.
void AddLoads(std::vector<Line>& lines, Printing& printing, const Document& document, const PowerInputs& in)
{
    const std::vector<AncillaryLoad>& loads = document.Power.Loads;
    if (loads.empty()) {
        lines.emplace_back(Line::Plain, "No ancillary loads");
        lines.emplace_back();
        return;
    }
    lines.emplace_back(Line::Title, "Ancillary Loads");
    lines.emplace_back();
    const ReportPrinter& printer = printing.Printer();
    // Up to two columns short of the quantity, which may have five digits.
    const double room = printer.TabX(QuantityColumn - 2) - printer.TabX(NameColumn);
    for (const AncillaryLoad& load : loads) {
        const std::vector<std::string> wrapped =
            WrapText(load.Description, room, [&printer](std::string_view piece) { return printer.TextWidth(piece); });
        lines.emplace_back(Line::LoadRow, wrapped.front(),
                           Line::Figures{std::to_string(load.Quantity), MA(Times(load.Quantity, load.StandbyMilliamps)),
                                         MA(Times(load.Quantity, load.AlarmMilliamps))});
        for (size_t i = 1; i < wrapped.size(); ++i)
            lines.emplace_back(Line::Plain, wrapped[i]);
    }
    lines.emplace_back();
    lines.emplace_back(Line::LoadRow, "Total", Line::Figures{"", MA(in.AncillaryStandby), MA(in.AncillaryAlarm)});
    lines.emplace_back();
}

std::vector<Line> SectionLines(Printing& printing, const Document& document, const PowerInputs& in,
                               const PowerResult& result)
{
    std::vector<Line> lines;
    AddLoads(lines, printing, document, in);
    for (const std::string& working : PowerWorking(in, result))
        for (std::string& wrapped : printing.LinesBeside(NameColumn, working))
            lines.emplace_back(Line::Plain, std::move(wrapped));
    lines.emplace_back();
    printing.Printer().SetFontBold(true);
    for (std::string& wrapped : printing.LinesBeside(NameColumn, PowerSummaryLine(in, result)))
        lines.emplace_back(Line::Verdict, std::move(wrapped));
    printing.Printer().SetFontBold(false);
    lines.emplace_back();
    return lines;
}

}  // namespace

bool PrintSection(Printing& printing, const Document& document, std::string_view localeId)
{
    const PowerInputs in = PowerInputsFor(document, localeId);
    const PowerResult result = CalculatePower(in);
    const std::vector<Line> lines = SectionLines(printing, document, in, result);

    // The heading and its blank line, then the lines.
    if (2 + static_cast<int>(lines.size()) > printing.LinesLeftOnPage() && !printing.PrintPageHeader())
        return false;
    ReportPrinter& printer = printing.Printer();
    printer.SetFontBold(true);
    printer.PrintText("Power Supply and Battery");
    printer.EndLine();
    printer.SetFontBold(false);
    printer.EndLine();

    double quantityEdge = 0, standbyEdge = 0, alarmEdge = 0;
    for (const Line& line : lines) {
        if (line.Style == Line::Plain && line.Text.empty()) {
            printer.EndLine();
            continue;
        }
        printer.PrintTab(NameColumn);
        printer.SetFontBold(line.Style == Line::Title || line.Style == Line::Verdict);
        printer.PrintText(line.Text);
        printer.SetFontBold(false);
        if (line.Style == Line::Title) {
            quantityEdge = printing.PrintHeading(QuantityColumn, "Quantity");
            standbyEdge = printing.PrintHeading(StandbyColumn, "Standby");
            alarmEdge = printing.PrintHeading(AlarmColumn, "Alarm");
        } else if (line.Style == Line::LoadRow) {
            printing.PrintRightAligned(line.Numbers[0], quantityEdge);
            printing.PrintRightAligned(line.Numbers[1], standbyEdge);
            printing.PrintRightAligned(line.Numbers[2], alarmEdge);
        }
        printer.EndLine();
    }
    return true;
}

}  // namespace PrintPower
