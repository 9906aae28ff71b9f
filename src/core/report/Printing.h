#pragma once
// The page mechanics of one printed report: starting it, the header of every
// page, the body font size, how much room is left on a page, right-aligned
// numbers, cancelling and ending. One Printing object holds the state of one
// report.
//
// Page geometry: the printer's origin is moved so that there is a margin of
// 720 twips at the left and at the top; the usable width and height are the
// printable area less a margin on both sides.

#include "document/DateTime.h"

#include <string>
#include <string_view>
#include <vector>

class ReportPrinter;
class ReportProgress;

// The printer error a cancelled report ends with.
inline constexpr int PrinterErrorCancelled = 482;

// The date as the report's header writes it, "Sunday, 6 December 2026" (the
// long date format of an English locale).
std::string LongDateText(const DateTime& date);

class Printing {
public:
    static constexpr double Margin = 720;  // twips

    Printing(ReportPrinter& printer, ReportProgress& progress);

    ReportPrinter& Printer() { return printer_; }

    // The printer's device name, " on " and its port.
    static std::string PrinterDescription(const ReportPrinter& printer);

    // The operations below that return false have found the report
    // cancelled: the printer document is abandoned, the progress window
    // closed, and Error() gives the printer error. Nothing more may be
    // printed then.

    // Shows the progress window and prepares the printer's font and origin.
    // `revised` puts "Last revised on" and `reportDate` into every header.
    [[nodiscard]] bool StartReport(const std::string& title, bool revised, const DateTime& reportDate);
    // A line every page prints in its bottom margin from the next header on;
    // empty for none.
    void SetFooter(std::string text) { footer_ = std::move(text); }
    // Starts a new page (except for the first) and prints the header.
    [[nodiscard]] bool PrintPageHeader();
    // The largest body size from 12 points down to 6 at which `characters`
    // blanks fit in the usable width; 6 when none fits.
    void FitFontSize(int characters);
    // Whole text lines still free below the current position.
    int LinesLeftOnPage() const;
    // Prints text ending at x, on the current line.
    void PrintRightAligned(std::string_view text, double x);
    // The lines a text takes beside a tab column, up to the right margin, in
    // the current font.
    std::vector<std::string> LinesBeside(int column, std::string_view text) const;
    // Prints a column heading at a tab column and returns its right edge,
    // where the column's numbers end.
    double PrintHeading(int column, std::string_view text);
    // Lets pending events run; on a cancel request abandons the document.
    [[nodiscard]] bool CheckPrintCancel();
    // Ends the printer document and closes the progress window.
    [[nodiscard]] bool EndReport();

    // 0, or PrinterErrorCancelled once the report has been cancelled.
    int Error() const { return error_; }

    double UsableWidth() const;
    double UsableHeight() const;

private:
    void PrintFooter();

    ReportPrinter& printer_;
    ReportProgress& progress_;
    bool cancelRequested_ = false;
    bool firstPage_ = true;
    std::string reportTitle_;
    bool revised_ = false;
    DateTime reportDate_;
    std::string footer_;
    int error_ = 0;
};
