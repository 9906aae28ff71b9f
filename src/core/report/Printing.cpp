#include "report/Printing.h"

#include "text/Rounding.h"
#include "report/ReportPrinter.h"
#include "report/ReportProgress.h"
#include "report/WrapText.h"

#include <array>
#include <chrono>

namespace {

constexpr const char* BodyFont = "Arial";
constexpr int LargestBodySize = 12;
constexpr int SmallestBodySize = 6;

}  // namespace

std::string LongDateText(const DateTime& date)
{
    static constexpr std::array<const char*, 7> Weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                             "Thursday", "Friday", "Saturday"};
    static constexpr std::array<const char*, 12> Months = {"January", "February", "March",     "April",
                                                           "May",     "June",     "July",      "August",
                                                           "September", "October", "November", "December"};
    using namespace std::chrono;
    const year_month_day day{year{date.Year}, month{static_cast<unsigned>(date.Month)},
                             std::chrono::day{static_cast<unsigned>(date.Day)}};
    if (!day.ok())
        return date.ToText();
    const weekday weekdayOf{sys_days{day}};
    return std::string(Weekdays[weekdayOf.c_encoding()]) + ", " + std::to_string(date.Day) + " " +
           Months[static_cast<size_t>(date.Month - 1)] + " " + std::to_string(date.Year);
}

Printing::Printing(ReportPrinter& printer, ReportProgress& progress) : printer_(printer), progress_(progress) {}

std::string Printing::PrinterDescription(const ReportPrinter& printer)
{
    return printer.DeviceName() + " on " + printer.Port();
}

double Printing::UsableWidth() const { return printer_.ScaleWidth() - 2 * Margin; }

double Printing::UsableHeight() const { return printer_.ScaleHeight() - 2 * Margin; }

bool Printing::StartReport(const std::string& title, bool revised, const DateTime& reportDate)
{
    cancelRequested_ = false;
    firstPage_ = true;
    reportTitle_ = title;
    progress_.Show("on the " + PrinterDescription(printer_));
    printer_.SetFontName(BodyFont);
    printer_.SetFontBold(false);
    printer_.SetFontUnderline(false);
    printer_.SetScaleMode(ReportPrinter::Scale::Twips);
    printer_.SetScaleLeft(-Margin);
    printer_.SetScaleTop(-Margin);
    printer_.SetCurrentX(0);
    printer_.SetCurrentY(0);
    revised_ = revised;
    reportDate_ = reportDate;
    return CheckPrintCancel();
}

bool Printing::PrintPageHeader()
{
    if (!CheckPrintCancel())
        return false;
    if (firstPage_)
        firstPage_ = false;
    else
        printer_.NewPage();
    // Told after the new page starts, so that it names the page being printed.
    progress_.SetPageText("Printing page " + std::to_string(printer_.Page()) + "...");

    PrintFooter();
    printer_.SetFontBold(true);
    printer_.PrintText(reportTitle_);
    printer_.EndLine();
    printer_.SetFontBold(false);
    if (revised_)
        printer_.PrintText("Last revised on " + LongDateText(reportDate_));
    PrintRightAligned("    Page " + std::to_string(printer_.Page()), UsableWidth());
    printer_.EndLine();
    printer_.EndLine();
    return true;
}

void Printing::PrintFooter()
{
    if (footer_.empty())
        return;
    // Centred in the bottom margin, below every line the body may use.
    printer_.SetCurrentX(0);
    printer_.SetCurrentY(UsableHeight() + (Margin - printer_.TextHeight(footer_)) / 2);
    printer_.PrintText(footer_);
    printer_.SetCurrentX(0);
    printer_.SetCurrentY(0);
}

void Printing::FitFontSize(int characters)
{
    const std::string blanks(static_cast<size_t>(characters > 0 ? characters : 0), ' ');
    for (int size = LargestBodySize;; --size) {
        printer_.SetFontSize(size);
        if (size == SmallestBodySize || printer_.TextWidth(blanks) <= UsableWidth())
            return;
    }
}

int Printing::LinesLeftOnPage() const
{
    const double lines = (UsableHeight() - printer_.CurrentY()) / printer_.TextHeight("Hg");
    return static_cast<int>(Rounding::RoundHalfEven(lines)) - 1;
}

void Printing::PrintRightAligned(std::string_view text, double x)
{
    printer_.SetCurrentX(x - printer_.TextWidth(text));
    printer_.PrintText(text);
}

std::vector<std::string> Printing::LinesBeside(int column, std::string_view text) const
{
    const ReportPrinter& printer = printer_;
    return WrapText(text, UsableWidth() - printer.TabX(column),
                    [&printer](std::string_view piece) { return printer.TextWidth(piece); });
}

double Printing::PrintHeading(int column, std::string_view text)
{
    printer_.PrintTab(column);
    printer_.PrintText(text);
    return printer_.CurrentX();
}

bool Printing::CheckPrintCancel()
{
    if (error_ != 0)
        return false;
    progress_.ProcessPendingEvents();
    if (progress_.CancelRequested())
        cancelRequested_ = true;
    if (!cancelRequested_)
        return true;
    printer_.KillDoc();
    progress_.Close();
    error_ = PrinterErrorCancelled;
    return false;
}

bool Printing::EndReport()
{
    if (!CheckPrintCancel())
        return false;
    printer_.EndDoc();
    progress_.Close();
    return true;
}
