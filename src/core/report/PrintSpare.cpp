#include "report/PrintSpare.h"

#include "document/Document.h"
#include "document/SpareCapacity.h"
#include "report/PrintAlongCable.h"
#include "report/Printing.h"
#include "report/ReportPrinter.h"

#include <cctype>
#include <string>

namespace PrintSpare {

namespace {

// Tab columns in characters of the body font, beside the along-cable tables.
constexpr int UsedColumn = 30;
constexpr int SpareColumn = 58;
constexpr int ResultColumn = 84;

// The title, its blank line, the requirement's line and a blank.
constexpr int FrameLines = 4;

std::string Capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

int LineCount(const LoopSpare& spare)
{
    return spare.Items.empty() ? 0 : FrameLines + static_cast<int>(spare.Items.size());
}

void PrintBlock(Printing& printing, const LoopSpare& spare, int requiredPercent, int nameColumn)
{
    if (spare.Items.empty())
        return;
    ReportPrinter& printer = printing.Printer();
    printer.PrintTab(nameColumn);
    printer.SetFontBold(true);
    printer.PrintText("Spare capacity");
    printer.SetFontBold(false);
    printing.PrintHeading(UsedColumn, "Used");
    const double spareColumn = printing.PrintHeading(SpareColumn, "Spare");
    printer.EndLine();
    printer.EndLine();

    for (const SpareItem& item : spare.Items) {
        printer.PrintTab(nameColumn);
        printer.PrintText(Capitalised(item.Name));
        printer.PrintTab(UsedColumn);
        printer.PrintText(item.Text);
        printing.PrintRightAligned(std::to_string(ShownSparePercent(item.SparePercent())) + " %", spareColumn);
        // Past its limit, or short of the spare the project asks for.
        const char* mark = !item.Keeps(0) ? "Over" : requiredPercent > 0 && !item.Keeps(requiredPercent) ? "Below" : "";
        if (*mark) {
            printer.PrintTab(ResultColumn);
            printer.SetFontBold(true);
            printer.PrintText(mark);
            printer.SetFontBold(false);
        }
        printer.EndLine();
    }
    printer.SetFontItalic(true);
    printer.PrintTab(nameColumn);
    printer.PrintText(SpareLine(spare, requiredPercent));
    printer.SetFontItalic(false);
    printer.EndLine();
    printer.EndLine();
}

void PrintSummaryLines(Printing& printing, const Document& document, int loops, int numberColumn, int textColumn)
{
    ReportPrinter& printer = printing.Printer();
    const int32_t required = document.Project.SpareRequired;
    bool first = true;
    for (int loop = 1; loop <= loops; ++loop) {
        const LoopSpare spare = SpareCapacityFor(document, loop);
        if (spare.Items.empty())
            continue;
        if (first) {
            printer.EndLine();
            printer.PrintText("Spare capacity:");
            printer.EndLine();
            first = false;
        }
        printer.PrintTab(numberColumn);
        printer.PrintText(std::to_string(loop));
        PrintAlongCable::PrintBesideInFont(printing, textColumn, SpareAgainstRequired(spare, required),
                                           BelowRequired(spare, required));
    }
}

}  // namespace PrintSpare
