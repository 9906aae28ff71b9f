#include "cli/TextSummary.h"

#include "document/CalculationSupport.h"
#include "cli/CalcSummary.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

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
    site.catalogue.BatterySizes = {120, 210, 320};
    CalculationSupport::RecalculateAll(site.document);

    const CalcSummary summary = SummarizeDocument(site.document, "depot.QLX", "0809");
    const std::string text = SummaryText(summary, 0);
    EXPECT_EQ(text.substr(0, text.find("Loop 1  Offices\n  Calculation             Calculate maximum volt drop\n")),
              "Site Name:      Northgate Depot\n"
              "Control Panel:  HX-400\n"
              "\n"
              "Loop    Devices   Quiescent       Alarm   Design\n"
              "1             5     1500 µA       31 mA   Loop Satisfactory\n"  // 5 x 300 µA; 5 x 5 mA + 2 x 3 mA
              "2            40       10 mA      180 mA   Loop Satisfactory\n"  // 40 x 250 µA; 40 x 4.5 mA
              // 25 x (300 + 100) µA; 25 x (5 + 20) mA
              "3            25       10 mA      625 mA   Alarm Current Too High\n"
              "4             0        0 mA        0 mA   Loop Satisfactory\n"
              "Total        70       22 mA      836 mA   Design Not Satisfactory\n"
              "\n"
              "Overall: Design Not Satisfactory\n"
              "Loops 2 and 3 fail along the cable\n"  // 40 points and no isolator; loop 3 below 17 V open at either end
              // BS 5839-1 in a British locale, no panel currents: 1.25 x (24 h x 21.5 mA + 1.75 x 836 mA x 0.5 h)
              "Standby battery: 1.56 Ah required (BS 5839-1), smallest standard battery 2.1 Ah, without the panel's own currents\n"
              "\n");
    // Only a failing loop gives a reason (the loop's explanation); every loop
    // of the panel has its block.
    EXPECT_NE(text.find("\n  Permissible volt drop   3.0 V\n  Cable                   1.5mm FR (12.10 ohms/km/core), "
                        "total run 500 m, to first device 12 m\n  Design                  Alarm Current Too High\n"
                        "  Reason                  " + site.document.Loop(3).DesignExplanation() + "\n"
                        "  Along the cable         devices placed evenly (no positions); lowest 19.03 V loop whole "
                        "(address 12), 15.98 V open at IN end (address 25, fails at address 25), 16.46 V open at OUT "
                        "end (address 1, fails at address 1); no isolator, 25 points (limit 32)\n"
                        "  Along-cable checks      Placed evenly, open at IN end: address 25, 1.02 V below its "
                        "minimum (2 of 4 checks fail)\n"
                        "  Spare capacity          None (alarm current over its limit)\n\nLoop 4\n"),
              std::string::npos)
        << text;
}

TEST(TextSummary, EveryDeviceAlongTheCableOnRequest)
{
    ReportScenario site;
    site.AddDevices(1, ReportScenario::OpticalDetector, 2);
    site.document.Loop(1).SetDeviceStandalone(2, 2, ReportScenario::RemoteIndicator);
    for (int address = 1; address <= 2; ++address)
        site.document.Loop(1).SetCablePosition(address, 1500 * address + 5);
    CalculationSupport::RecalculateAll(site.document);
    const CalcSummary summary = SummarizeDocument(site.document, "depot.QLX", "0809");

    const std::string text = SummaryText(summary, Scaling::Imperial, true);
    EXPECT_NE(text.find("  Along the cable         lowest "), std::string::npos) << text;  // positioned
    EXPECT_EQ(SummaryText(summary, Scaling::Imperial).find("Position"), std::string::npos);
    // Positions in feet; the standalone device at its address's position.
    const std::string table = R"(
  Position (ft)  Address  Slot   Type                 Alarm   Whole V  Open IN V  Open OUT V   Min V
            494        1         Optical Detector   5000 µA     19.98      19.95       19.92   17.00
            986        2         Optical Detector   5000 µA     19.97      19.92       19.94   17.00
            986        2     2   Remote Indicator   3000 µA     19.97      19.92       19.94    0.00

Loop 2
)";
    EXPECT_NE(text.find(table), std::string::npos) << text;
}

TEST(TextSummary, TheWorstOfSeveralIsolatorSections)
{
    CalcSummary summary;
    summary.PanelLoops = 1;
    AlongCableResult& along = summary.Loops[0].AlongCable;
    along.Positioned = true;
    along.Points.resize(1);
    along.Sections = {{0, 12, 33, 32, false}, {12, 0, 30, 32, true}};
    EXPECT_NE(SummaryText(summary, 0).find("; worst section 33 points (limit 32) from the panel to address 12, fails\n"),
              std::string::npos);
}
