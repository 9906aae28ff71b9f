#include "report/PrintCalcData.h"

#include "document/PowerSettings.h"
#include "report/Printing.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using Lines = std::vector<std::string>;

class PrintCalcData : public ::testing::Test, protected ReportScenario {
protected:
    // The font of the first piece printed as `text`.
    ReportPrinter::Font FontOf(std::string_view text) const
    {
        const RecordingPrinter::PrintedText* piece = Find(text);
        return piece ? piece->TextFont : ReportPrinter::Font{};
    }

    // Loop 1: detectors; loop 2: input units with their LEDs disabled, two
    // Remote Indicators and a first cable run; loop 3 empty; loop 4 only
    // Conventional Sounders, over the panel's loop current.
    void BuildFourLoopSite()
    {
        catalogue.Panels[FourLoopPanel].MaxLoopCurrent = 35;
        AddDevices(1, OpticalDetector, 5);
        AddDevices(1, HeatDetector, 2);
        AddDevices(2, InputUnit, 3);
        document.Loop(2).SetDINLEDsDisabled(true);
        document.Loop(2).SetCableFirst(1000);
        AddOthers(2, RemoteIndicator, 2);
        AddOthers(4, ConventionalSounder, 2);
    }
};

TEST_F(PrintCalcData, SummaryOfAFourLoopPanel)
{
    BuildFourLoopSite();
    document.SiteName = "Northgate Depot, Unit 14 of the Riverside Industrial Estate, with the yard, the loading "
                        "bays and the gatehouse";
    ASSERT_EQ(Print({}), 0);

    const Lines expected = {
        "Harvex Ferrolux Configuration Data",
        "Last revised on Sunday, 6 December 2026                                                  Page 1",
        "",
        "Summary",
        "",
        "Site Name:        Northgate Depot, Unit 14 of the Riverside Industrial Estate, with the yard,",
        "                  the loading bays and the gatehouse",
        "Control Panel:    HX-400  (Harvex Controls)",
        "",
        "        Loop      Devices     Quiescent         Alarm     Design",
        "",
        "        1               7       2000 \u00B5A         34 mA     Loop Satisfactory",
        "        2               3       1200 \u00B5A         11 mA     Loop Satisfactory",
        "        3               0          0 mA          0 mA     Loop Satisfactory",
        "        4               0        200 \u00B5A         40 mA     Alarm Current Too High",
        "",
        "        Total          10       3400 \u00B5A         85 mA     Design Not Satisfactory",
        "",
        "Along the cable:",
        "        1         Devices placed evenly (no distances): 2.77 V margin (all 4 checks pass)",
        "        2         Devices placed evenly (no distances): 2.92 V margin (all 4 checks pass)",
        "",
        "Spare capacity:",
        "        1         2 % (alarm current)",
        "        2         70 % (alarm current)",
        "",
        "Calculations include the following assumptions:",
        "      Even distribution of devices along cable beyond 1st device.",
        "      As many devices are in alarm as possible.",
        "      There is an open circuit on cable at worst position.",
        "",
        "",
    };
    EXPECT_EQ(LinesBetween(1, "Harvex Ferrolux Configuration Data", "Power Supply and Battery"), expected);

    EXPECT_TRUE(FontOf("Design Not Satisfactory").Bold && !FontOf("Alarm Current Too High").Bold &&
                FontOf("  (Harvex Controls)").Italic);
    EXPECT_TRUE(printer.Ended() && progress.closed);
    EXPECT_EQ(printer.ScaleLeft() + printer.ScaleTop(), -2 * 720);  // half-inch margins
    EXPECT_EQ(progress.destination, "on the Recorder on FILE:");
    EXPECT_EQ(progress.pageTexts, Lines{"Printing page 1..."});
}

// Loop 2 with its devices, Other Devices and disabled LEDs; after the loops
// the power supply: the loads beside them, the calculation written out and
// its verdict in bold, the long description wrapped before the quantity.
TEST_F(PrintCalcData, ALoopSectionAndThePowerSupplyAfterTheLoops)
{
    BuildFourLoopSite();
    document.LoopName(2) = "Goods in";
    // The remote indicators are driven from the input units; the panel lights one.
    OtherDeviceRecord& indicator = catalogue.OtherDevices[RemoteIndicator];
    indicator.FromRemote = indicator.FromRemote2 = true;
    PanelRecord& panel = catalogue.Panels[FourLoopPanel];
    panel.RemoteLEDs = 1;
    panel.StandbyCurrent = 60;
    panel.AlarmCurrent = 150;
    panel.MaxBattery = 700;
    catalogue.BatterySizes = {700, 1200};
    document.Power.Rule = PowerRule::NFPA2019;
    document.Power.Loads = {
        {"Remote display panel in the gatehouse by the yard entrance", 2, Currency::FromInteger(30),
         Currency::FromInteger(55)},
        {"Relay", 1, Currency(), Currency::FromScaled(125000)}};  // 12.5 mA
    document.Power.FittedBattery = 1200;
    ASSERT_EQ(Print({2}), 0);

    const Lines loop2 = {
        "Loop 2 - Goods in",
        "",
        "        Addressable Devices                               Quantity    Quiescent         Alarm",
        "",
        "        Input Unit                                               3      1200 \u00B5A       4500 \u00B5A *",
        "",
        "        Sub-total                                                3      1200 \u00B5A       4500 \u00B5A",
        "",
        "        Other Devices",
        "",
        "        Remote Indicator                                         2         0 mA       6000 \u00B5A",
        "",
        "        Total                                                  n/a      1200 \u00B5A       7500 \u00B5A",
        "",
        "        * - Interface LEDs are disabled.",
        "",
        "        Calculate maximum volt drop",
        "",
        "        Cable                                             1.5mm FR        12.10 ohms/km/core",
        "",
        "        Total cable run                                        500 metres (m)",
        "        Cable run to first device                              100 metres (m)",
        "        Volt Drop                                              0.1 V",
        "        Max. permissible volt drop                             3.0 V",
        "        Alarm current with panel-limited LEDs",
        "",
        "        Loop Satisfactory",
        "",
    };
    EXPECT_EQ(LinesBetween(2, "Loop 2", "Spare capacity"), loop2);

    EXPECT_TRUE(FontOf("Other Devices").Bold && !FontOf("Sub-total").Bold);
    EXPECT_TRUE(FontOf("Alarm current with panel-limited LEDs").Italic && !FontOf("1.5mm FR").Italic);

    const Lines power = {
        "Power Supply and Battery",
        "",
        "        Ancillary Loads                                   Quantity    Standby           Alarm",
        "",
        "        Remote display panel in the gatehouse by the             2   60.00 mA       110.00 mA",
        "        yard entrance",
        "        Relay                                                    1    0.00 mA        12.50 mA",
        "",
        "        Total                                                        60.00 mA       122.50 mA",
        "",
        "        Rule: NFPA 72 2019, standby T1 = 24 h, alarm T2 = 0.0833 h",
    };
    EXPECT_EQ(LinesBetween(LastPage(), "Power Supply and Battery", "I1 = "), power);
    // The worked lines follow, then the verdict (the power text's), wrapped
    // before "holds (7 Ah)".
    EXPECT_TRUE(FontOf("Power Supply and Battery").Bold && FontOf("Ancillary Loads").Bold && !FontOf("Relay").Bold &&
                FontOf("holds (7 Ah)").Bold);
}

TEST_F(PrintCalcData, TheLoopAlongItsCableUnderItsResults)
{
    BuildFourLoopSite();
    // Loop 1: the heat detectors at addresses 6 and 7 isolate, every device
    // has its distance (60 m apart), and the panel allows 4 points between
    // isolators. Fed from OUT, address 7 drops 0.0242 ohm/m x 8.01 A m.
    catalogue.DeviceTypes[HeatDetector].MaxSurgeCurrent = 1000;
    catalogue.Panels[FourLoopPanel].MaxPointsBetweenIsolators = 4;
    for (int address = 1; address <= 7; ++address)
        document.Loop(1).SetCablePosition(address, 600 * address);
    ASSERT_EQ(Print({1, 2, 3, 4}), 0);

    // Its spare: what each limit leaves, the one past it marked, the
    // tightest named.
    const Lines loop1 = {
        "        Loop Satisfactory",
        "",
        "        Spare capacity        Used                        Spare",
        "",
        "        Alarm current         34.0 of 35 mA                 2 %",
        "        Devices               7 of 126                     94 %",
        "        Volt drop             0.2 of 3.0 V                 93 %",
        "        Loop whole            0.06 of 3.00 V               97 %",
        "        Open at IN end        0.19 of 3.00 V               93 %",
        "        Open at OUT end       0.22 of 3.00 V               92 %",
        "        Section 1             5 of 4 points               -25 %                     Over",
        "        Spare capacity: None (section 1 over its limit)",
        "",
        "        Along the cable       Lowest voltage   Address    Worst margin   Address",
        "",
        "        Loop whole                   19.94 V         4          2.94 V         4    Pass",
        "        Open at IN end               19.81 V         7          2.81 V         7    Pass",
        "        Open at OUT end              19.78 V         1          2.78 V         1    Pass",
        "        Devices at their own distances along the cable",
        "",
        "        Isolator sections     From             To               Points     Limit",
        "",
        "        Section 1             Panel            Address 6             5         4    Fail",
        "        Section 2             Address 6        Address 7             1         4    Pass",
        "        Section 3             Address 7        Panel                 1         4    Pass",
    };
    EXPECT_EQ(LinesBetween(2, "Loop Satisfactory", "Loop 2"), loop1);
    // The summary: under the overall verdict the loop that fails along the
    // cable, in bold; a line per loop with where its devices were taken.
    const Lines summary = {
        "        Total          10       3400 \u00B5A         85 mA     Design Not Satisfactory",
        "                                                          Loop 1 fails along the cable",
        "",
        "Along the cable:",
        "        1         Devices at their own distances: section 1: 5 points, limit 4 (1 of 6 checks",
        "                  fails)",
        "        2         Devices placed evenly (no distances): 2.92 V margin (all 4 checks pass)",
        "",
        "Spare capacity:",
        "        1         None (section 1 over its limit)",
        "        2         25 % (section 1)",
        "",
    };
    EXPECT_EQ(LinesBetween(1, "Total", "Calculations include"), summary);
    EXPECT_TRUE(FontOf("Loop 1 fails along the cable").Bold && !FontOf("Along the cable:").Bold);
    EXPECT_TRUE(FontOf("Along the cable").Bold && FontOf("Isolator sections").Bold && !FontOf("Lowest voltage").Bold);
    EXPECT_TRUE(FontOf("Devices placed evenly along the cable (no distances given)").Italic);  // loop 2
    // Loops 3 and 4 have no points: no block.
    EXPECT_EQ(std::count_if(printer.Printed().begin(), printer.Printed().end(),
                            [](const auto& piece) { return piece.Text == "Along the cable"; }),
              2);

    // Loop 1's plot under its sections and a blank line, from the name
    // column to the right margin, 18 lines high; loop 2's does not fit under
    // its tables and starts the next page.
    ASSERT_EQ(printer.Plots().size(), 2u);
    const RecordingPrinter::PrintedPlot& plot = printer.Plots()[0];
    const RecordingPrinter::PrintedText* lastSection = Find("Section 3");
    ASSERT_NE(lastSection, nullptr);
    const double line = printer.TextHeight("Hg");
    EXPECT_EQ(std::tuple(plot.Page, plot.X, plot.Y, plot.Width, plot.Height, plot.Points),
              std::tuple(lastSection->Page, lastSection->X, lastSection->Y + 2 * line,
                         RecordingPrinter::A4Width - 2 * Printing::Margin - printer.TabX(8), 18 * line, size_t{7}));
    const auto loop2Feeds = std::find_if(printer.Printed().rbegin(), printer.Printed().rend(),
                                         [](const auto& piece) { return piece.Text == "Open at OUT end"; });
    EXPECT_EQ(printer.Plots()[1].Page, loop2Feeds->Page + 1);
}

TEST_F(PrintCalcData, CableDistributionAssumption)
{
    // The first and total runs of loops 1 and 7, and the assumption they make.
    for (const auto& [first1, first7, text] : {std::tuple{0, 0, "Even distribution of devices along cable."},
                                               {5000, 0, "All devices at end of cable."},
                                               {5000, 1000, "Even distribution of devices along cable beyond 1st device."}}) {
        printer = RecordingPrinter();
        document.Loop(1).SetCableFirst(first1);
        document.Loop(7).SetCableFirst(first7);
        document.Loop(7).SetCableTotal(3000);
        ASSERT_EQ(Print({}), 0);
        const Lines lines = LinesBetween(1, "Calculations include", "Power Supply and Battery");
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[1], std::string("      ") + text);
        EXPECT_TRUE(FontOf(lines[1]).Italic);
    }
}

TEST_F(PrintCalcData, ASectionThatDoesNotFitStartsANewPageAndOneLongerThanAPageRunsOn)
{
    BuildFourLoopSite();
    // On a page of 23120 twips loop 2 with its spare capacity, its block
    // along the cable and its plot just fits below the summary; 10 less, and
    // the plot starts page 2 under its header and the loop's title.
    printer = RecordingPrinter(RecordingPrinter::A4Width, 23120);
    ASSERT_EQ(Print({2}), 0);
    // The power supply section does not fit under it and starts page 2.
    EXPECT_EQ(std::tuple(printer.Plots().at(0).Page, Find("Power Supply and Battery")->Page), std::tuple(1, 2));
    printer = RecordingPrinter(RecordingPrinter::A4Width, 23110);
    ASSERT_EQ(Print({2}), 0);
    EXPECT_EQ(std::tuple(Find("Section 1")->Page, printer.Plots().at(0).Page), std::tuple(1, 2));
    EXPECT_EQ(PageLines(2)[3], "Loop 2 (continued)");  // the plot says whose it is
    // On a page of 7100 twips the summary fills page 1, loop 2
    // starts page 2 under its header and runs on to page 3 without one; its
    // plot starts page 4 under a header. The power supply section with eight
    // loads starts page 5 under a header and runs on to page 6.
    document.Power.Loads.assign(8, AncillaryLoad{"Door holder", 1, Currency::FromInteger(25), Currency()});
    printer = RecordingPrinter(RecordingPrinter::A4Width, 7100);
    progress = ScriptedProgress();
    ASSERT_EQ(Print({2}), 0);
    ASSERT_EQ(LastPage(), 6);
    EXPECT_EQ(PageLines(2)[1], "Last revised on Sunday, 6 December 2026                                                  Page 2");
    EXPECT_EQ(PageLines(2)[3], "Loop 2");
    EXPECT_NE(PageLines(3).front(), "Harvex Ferrolux Configuration Data");
    EXPECT_EQ(printer.Plots().at(0).Page, 4);
    EXPECT_EQ(PageLines(5)[3], "Power Supply and Battery");
    EXPECT_NE(PageLines(6).front(), "Harvex Ferrolux Configuration Data");
    EXPECT_EQ(progress.pageTexts, (Lines{"Printing page 1...", "Printing page 2...", "Printing page 4...",
                                         "Printing page 5..."}));
}

TEST_F(PrintCalcData, CancelAbandonsTheDocumentAtTheNextCheck)
{
    BuildFourLoopSite();
    // Pressed before printing started, at the second page's header, at the end.
    for (const int cancelAfterPageTexts : {0, 1, 2}) {
        printer = RecordingPrinter();
        progress = ScriptedProgress();
        progress.cancelAfterPageTexts = cancelAfterPageTexts;
        EXPECT_EQ(Print({1, 2, 3, 4}), PrinterErrorCancelled);
        EXPECT_TRUE(printer.Abandoned() && !printer.Ended() && progress.closed);
        EXPECT_EQ(LastPage(), cancelAfterPageTexts);  // no page after the one it was pressed on
        EXPECT_EQ(progress.pageTexts.size(), static_cast<size_t>(cancelAfterPageTexts));
    }
}

}  // namespace

// The project's fields given are in the header block beside the site name,
// the notes line by line and wrapped; every page's bottom margin carries the
// project number and revision.
TEST_F(PrintCalcData, TheProjectIsInTheHeaderBlockAndOnEveryPage)
{
    BuildFourLoopSite();
    document.SiteName = "Northgate Depot";
    document.Project.Number = "P-2291";
    document.Project.Client = "Harbour Estates, Ltd.";
    document.Project.Revision = "C";
    document.Project.SpareRequired = 20;
    document.Project.Notes = "Loop 4 to be split at the second stage, once the yard and the loading bays and the gatehouse "
                             "are built\r\n\nAs surveyed";
    ASSERT_EQ(Print({1, 2, 4}), 0);
    EXPECT_EQ(LinesBetween(1, "Site Name:", "Control Panel:"),
              (Lines{"Site Name:        Northgate Depot", "Project Number:   P-2291", "Client:           Harbour Estates, Ltd.",
                     "Revision:         C", "Spare Required:   20 % of every loop",
                     "Notes:            Loop 4 to be split at the second stage, once the yard and the loading bays",
                     "                  and the gatehouse are built", "", "                  As surveyed"}));
    ASSERT_GT(LastPage(), 1);
    for (int page = 1; page <= LastPage(); ++page)
        EXPECT_EQ(PageLines(page).back(), "Project P-2291, revision C") << page;
}
