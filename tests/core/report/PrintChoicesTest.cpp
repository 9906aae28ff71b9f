#include "report/PrintChoices.h"

#include "document/CalculationSupport.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

// The list of loops to print is checked by the print dialog's test.
TEST(PrintChoices, LoopsWithADeviceArePrintedAndThePdfOfAFileReplacesItsExtension)
{
    ReportScenario site;            // four loops
    for (const int loop : {3, 6})  // 6: beyond the panel's loops
        site.AddDevices(loop, ReportScenario::HeatDetector, 1);
    CalculationSupport::RecalculateAll(site.document);
    EXPECT_EQ(DefaultPrintLoops(site.document), std::vector<int>{3});
    const std::pair<std::string, std::string> cases[] = {
        {"/home/me/harbour.stores.qlx", "/home/me/harbour.stores.pdf"},
        {"/home/me.d/harbour", "/home/me.d/harbour.pdf"},
        {"/home/me/.hidden", "/home/me/.hidden.pdf"},
    };
    for (const auto& [file, pdf] : cases)
        EXPECT_EQ(PdfPathFor(file), pdf) << file;
    EXPECT_EQ(PdfSavedMessage("/home/me/harbour.pdf"),
              "No printer is installed, so the report has been saved as a PDF file:\n\n/home/me/harbour.pdf");
    EXPECT_EQ(PdfWrittenMessage("/home/me/harbour.pdf"), "The report has been written to '/home/me/harbour.pdf'.");
    EXPECT_EQ(PdfFailedMessage("/home/me/harbour.pdf", "No space left on device"),
              "The report could not be saved as a PDF file:\n\n/home/me/harbour.pdf\n\nNo space left on device");
}
