#include "report/PrintAlongCable.h"

#include "document/AlongCableVerdict.h"
#include "document/LoopResults.h"
#include "loop/AlongCable.h"
#include "report/Printing.h"
#include "report/ReportPrinter.h"
#include "report/WrapText.h"

#include <string>
#include <string_view>

namespace PrintAlongCable {

namespace {

// Tab columns of the headings, in characters of the body font; the two
// tables share them so that their numbers line up.
constexpr int LowestColumn = 30;
constexpr int LowestAddressColumn = 47;
constexpr int MarginColumn = 58;
constexpr int MarginAddressColumn = 73;
constexpr int ResultColumn = 84;
constexpr int FromColumn = 30;
constexpr int ToColumn = 47;
constexpr int PointsColumn = 64;
constexpr int LimitColumn = 75;

// The title, its blank line, a row per feed, the placement note and a blank.
constexpr int FeedLines = 4 + FeedCount;
// The title, its blank line and the closing blank around the section rows.
constexpr int SectionFrameLines = 3;

void PrintTitle(ReportPrinter& printer, int column, std::string_view text)
{
    printer.PrintTab(column);
    printer.SetFontBold(true);
    printer.PrintText(text);
    printer.SetFontBold(false);
}

void PrintAt(ReportPrinter& printer, int column, std::string_view text)
{
    printer.PrintTab(column);
    printer.PrintText(text);
}

std::string PassText(bool pass) { return pass ? "Pass" : "Fail"; }

std::string AddressText(int address) { return address == 0 ? "Panel" : "Address " + std::to_string(address); }

void PrintFeeds(Printing& printing, const AlongCableResult& result, int nameColumn)
{
    ReportPrinter& printer = printing.Printer();
    PrintTitle(printer, nameColumn, "Along the cable");
    const double lowest = printing.PrintHeading(LowestColumn, "Lowest voltage");
    const double lowestAddress = printing.PrintHeading(LowestAddressColumn, "Address");
    const double margin = printing.PrintHeading(MarginColumn, "Worst margin");
    const double marginAddress = printing.PrintHeading(MarginAddressColumn, "Address");
    printer.EndLine();
    printer.EndLine();

    for (const Feed feed : AllFeeds) {
        const FeedResult& row = result.Of(feed);
        PrintAt(printer, nameColumn, FeedName(feed));
        printing.PrintRightAligned(VoltsTextToHundredths(row.LowestVolts) + " V", lowest);
        printing.PrintRightAligned(std::to_string(row.LowestAddress), lowestAddress);
        printing.PrintRightAligned(VoltsTextToHundredths(row.WorstMargin) + " V", margin);
        printing.PrintRightAligned(std::to_string(row.WorstAddress), marginAddress);
        PrintAt(printer, ResultColumn, PassText(row.Pass));
        printer.EndLine();
    }

    printer.SetFontItalic(true);
    PrintAt(printer, nameColumn, PlacementText(result));
    printer.SetFontItalic(false);
    printer.EndLine();
    printer.EndLine();
}

void PrintSections(Printing& printing, const AlongCableResult& result, int nameColumn)
{
    ReportPrinter& printer = printing.Printer();
    PrintTitle(printer, nameColumn, "Isolator sections");
    printing.PrintHeading(FromColumn, "From");
    printing.PrintHeading(ToColumn, "To");
    const double points = printing.PrintHeading(PointsColumn, "Points");
    const double limit = printing.PrintHeading(LimitColumn, "Limit");
    printer.EndLine();
    printer.EndLine();

    int number = 0;
    for (const IsolatorSection& section : result.Sections) {
        PrintAt(printer, nameColumn, "Section " + std::to_string(++number));
        PrintAt(printer, FromColumn, AddressText(section.From));
        PrintAt(printer, ToColumn, AddressText(section.To));
        printing.PrintRightAligned(std::to_string(section.Points), points);
        printing.PrintRightAligned(std::to_string(section.Limit), limit);
        PrintAt(printer, ResultColumn, PassText(section.Pass));
        printer.EndLine();
    }
    printer.EndLine();
}

}  // namespace

int LineCount(const AlongCableResult& result)
{
    return result.Empty() ? 0
                          : FeedLines + SectionFrameLines + static_cast<int>(result.Sections.size()) + PlotLines + 1;
}

bool PrintBlock(Printing& printing, const AlongCableResult& result, int nameColumn, int units,
                std::string_view loopTitle)
{
    if (result.Empty())
        return true;
    PrintFeeds(printing, result, nameColumn);
    PrintSections(printing, result, nameColumn);
    ReportPrinter& printer = printing.Printer();
    if (PlotLines > printing.LinesLeftOnPage()) {
        if (!printing.PrintPageHeader())
            return false;
        // A plot alone on its page says whose it is.
        printer.SetFontBold(true);
        printer.PrintText(std::string(loopTitle) + " (continued)");
        printer.SetFontBold(false);
        printer.EndLine();
        printer.EndLine();
    }
    printer.PrintTab(nameColumn);
    printer.PrintVoltagePlot(result, units, printing.UsableWidth() - printer.TabX(nameColumn), PlotLines);
    printer.EndLine();
    return true;
}

void PrintBesideInFont(Printing& printing, int column, std::string_view text, bool bold)
{
    ReportPrinter& printer = printing.Printer();
    printer.SetFontBold(false);
    const double room = printing.UsableWidth() - printer.TabX(column);
    printer.SetFontBold(bold);
    const std::vector<std::string> lines =
        WrapText(text, room, [&printer](std::string_view piece) { return printer.TextWidth(piece); });
    for (const std::string& line : lines) {
        // Tab columns are counted in the body font, bold or not.
        printer.SetFontBold(false);
        printer.PrintTab(column);
        printer.SetFontBold(bold);
        printer.PrintText(line);
        printer.EndLine();
    }
    printer.SetFontBold(false);
}

void PrintSummaryLines(Printing& printing, const Document& document, int loops, int numberColumn, int textColumn,
                       bool blankFirst)
{
    ReportPrinter& printer = printing.Printer();
    bool first = true;
    for (int loop = 1; loop <= loops; ++loop) {
        const AlongCableVerdict verdict = AlongCableVerdictFor(document, loop);
        if (verdict.Empty)
            continue;
        if (first) {
            if (blankFirst)
                printer.EndLine();
            printer.PrintText("Along the cable:");
            printer.EndLine();
            first = false;
        }
        PrintAt(printer, numberColumn, std::to_string(loop));
        // A failing loop stands out in bold, as a failing verdict does.
        PrintBesideInFont(printing, textColumn, "Devices " + verdict.Placement + ": " + verdict.Result,
                          !verdict.Pass());
    }
}

}  // namespace PrintAlongCable
