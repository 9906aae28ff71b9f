#include "report/PrintChoices.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct Site {
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};

    explicit Site(uint8_t loops)
    {
        PanelRecord panel;
        panel.Name = "Panel";
        panel.Loops = loops;
        catalogue.AddCurrentPanel(panel);
    }
};

}  // namespace

TEST(PrintChoices, EveryLoopOfThePanelIsListedAndUsedOnesAreChosen)
{
    Site site(4);
    site.document.Loop(1).SetDeviceType(1, site.detector);
    site.document.Loop(3).SetDeviceType(7, site.detector);
    site.document.Loop(6).SetDeviceType(7, site.detector);  // beyond the panel's loops
    CalculationSupport::RecalculateAll(site.document);

    std::vector<std::string> listed;
    for (const PrintLoopEntry& entry : PrintLoopEntries(site.document))
        listed.push_back(entry.Text + (entry.Selected ? "*" : ""));
    EXPECT_EQ(listed, (std::vector<std::string>{"Loop 1*", "Loop 2", "Loop 3*", "Loop 4"}));
    EXPECT_EQ(DefaultPrintLoops(site.document), (std::vector<int>{1, 3}));
    EXPECT_TRUE(PrintLoopListShown(site.document));

    Site oneLoop(1);  // no list; its loop printed when used
    EXPECT_FALSE(PrintLoopListShown(oneLoop.document));
    oneLoop.document.Loop(1).SetDeviceType(1, oneLoop.detector);
    CalculationSupport::RecalculateAll(oneLoop.document);
    EXPECT_EQ(DefaultPrintLoops(oneLoop.document), std::vector<int>{1});
}

TEST(PrintChoices, ThePdfOfAFileReplacesItsExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/home/me/harbour.QLX", "/home/me/harbour.pdf"},
        {"/home/me/harbour.stores.qlx", "/home/me/harbour.stores.pdf"},
        {"/home/me/.hidden", "/home/me/.hidden.pdf"},
        {"harbour.QLX", "harbour.pdf"},
    };
    for (const auto& [file, pdf] : cases)
        EXPECT_EQ(PdfPathFor(file), pdf) << file;
    EXPECT_EQ(PdfSavedMessage("/home/me/harbour.pdf"),
              "No printer is installed, so the report has been saved as a PDF file:\n\n/home/me/harbour.pdf");
    EXPECT_EQ(PdfFailedMessage("/home/me/harbour.pdf", "No space left on device"),
              "The report could not be saved as a PDF file:\n\n/home/me/harbour.pdf\n\nNo space left on device");
}
