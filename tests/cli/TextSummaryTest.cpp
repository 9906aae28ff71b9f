#include "cli/TextSummary.h"

#include "document/CalculationSupport.h"
#include "cli/CalcSummary.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(TextSummary, TheLoopTableThenEachLoopOfThePanel)
{
    ReportScenario site;  // four loops, 400 mA a loop
    site.document.LoopName(1) = "Offices";
    site.AddDevices(1, ReportScenario::OpticalDetector, 5);
    site.AddOthers(1, ReportScenario::RemoteIndicator, 2);
    site.AddDevices(2, ReportScenario::HeatDetector, 40);
    // 25 sounders of 20 mA: more than the panel's 400 mA.
    site.AddDevices(3, ReportScenario::OpticalDetector, 25);
    site.AddOthers(3, ReportScenario::ConventionalSounder, 25);
    site.document.Loop(3).SetCableFirst(120);
    CalculationSupport::RecalculateAll(site.document);

    const std::vector<std::string> lines = Lines(SummaryText(SummarizeDocument(site.document, "depot.QLX"), 0));
    const std::vector<std::string> table(lines.begin(), lines.begin() + 11);
    EXPECT_EQ(table, (std::vector<std::string>{
                         "Site Name:      Northgate Depot",
                         "Control Panel:  HX-400",
                         "",
                         "Loop    Devices   Quiescent       Alarm   Design",
                         // 5 x 300 µA; 5 x 5 mA + 2 x 3 mA
                         "1             5     1500 µA       31 mA   Loop Satisfactory",
                         // 40 x 250 µA; 40 x 4.5 mA
                         "2            40       10 mA      180 mA   Loop Satisfactory",
                         // 25 x (300 + 100) µA; 25 x (5 + 20) mA
                         "3            25       10 mA      625 mA   Alarm Current Too High",
                         "4             0        0 mA        0 mA   Loop Satisfactory",
                         "Total        70       22 mA      836 mA   Design Not Satisfactory",
                         "",
                         "Overall: Design Not Satisfactory",
                     }));

    const std::string text = SummaryText(SummarizeDocument(site.document, "depot.QLX"), 0);
    EXPECT_NE(text.find("\nLoop 1  Offices\n  Calculation             Calculate maximum volt drop\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\n  Cable                   1.5mm FR (12.10 ohms/km/core), total run 500 m\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n  Cable                   1.5mm FR (12.10 ohms/km/core), total run 500 m, to first "
                        "device 12 m\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n  Design                  Alarm Current Too High\n  Reason                  The total alarm "
                        "current drawn by the devices on the loop is greater than that permitted by the control "
                        "panel (400 mA).\n"),
              std::string::npos);
    // Only failing loops give a reason; every loop of the panel has its block.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "  Reason                  The total alarm current drawn by the "
                                                     "devices on the loop is greater than that permitted by the "
                                                     "control panel (400 mA)."),
              1);
    EXPECT_NE(text.find("\nLoop 4\n"), std::string::npos);
    EXPECT_EQ(text.find("\nLoop 5"), std::string::npos);
    EXPECT_NE(text.find("\n  Volt drop               "), std::string::npos);
    EXPECT_NE(text.find("\n  Permissible volt drop   3.0 V\n"), std::string::npos);
}

TEST(TextSummary, AOneLoopPanelHasNoTotalRow)
{
    ReportScenario site;
    site.UsePanel(ReportScenario::OneLoopPanel);
    site.AddDevices(1, ReportScenario::HeatDetector, 2);
    CalculationSupport::RecalculateAll(site.document);
    const std::vector<std::string> lines = Lines(SummaryText(SummarizeDocument(site.document, "x.QLX"), 0));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[4], "1             2      500 µA     9000 µA   Loop Satisfactory");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Overall: Design Satisfactory");
    EXPECT_EQ(lines[8], "Loop 1");
}
