// ferrolux-calc as a black box: its exit status, what it prints and on
// which stream.

#include "support/CalcRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

TEST(FerroluxCalc, ExitStatusStreamsAndMessagesOfEachKindOfRun)
{
    CalcRunner calc;
    const std::string data = FERROLUX_TEST_DATA_DIR, empty = calc.folder.Path("empty");
    std::filesystem::create_directories(empty);
    const std::string cut = WriteCutShortSite(calc.folder, "cut.QLX");
    // Version 1 documents on a single-loop panel of the bundled catalogue.
    auto WriteSite = [&](const std::string& name, const std::string& loop1) {
        return calc.folder.Write(name, ";Configuration data for Harvex Zephan Dralonix\r\n[Dralon]\r\nDataFormat=1\r\n"
                                       "SiteName=\"Test\"\r\nPanelType=\"Quellar QX-1 Single Loop\"\r\n[Loop1]\r\n"
                                       "CableImpedance=1210\r\nCableTotalLength=1000\r\n" + loop1);
    };
    const std::string dropped = WriteSite("dropped.QLX", "Device1=150,0,0,1,1,0\r\n");
    // A wireless detector without the loop interface it depends on.
    const std::string linkbay = WriteSite("linkbay.QLX", "Device1=51,0,0,1,1,0\r\n");
    // A Relay Base cannot go under a Master Sounder Base: dropped after the prompt, answered OK.
    const std::string relay = WriteSite("relay.QLX", "Device1=33,0,3,1,1,0\r\n");
    // 33 detectors and no isolator: the verdict passes, the one section of
    // 33 points (limit 32) does not. One detector with 1.2 Ah fitted: the
    // panel alone draws 85 mA for 24 h.
    std::string detectors;
    for (int a = 1; a <= 33; ++a)
        detectors += "Device" + std::to_string(a) + "=1,0,0," + std::to_string(a) + "," + std::to_string(a) + ",0\r\n";
    const std::string unisolated = WriteSite("unisolated.QLX", detectors);
    // 20 of them where the project asks 70 % of every limit: the section of
    // 20 points keeps 37 % of its 32.
    const std::string spare = WriteSite("spare.QLX", detectors.substr(0, detectors.find("Device21=")) +
                                                         "[Project]\r\nSpareCapacityRequired=70\r\n");
    const std::string smallBattery = WriteSite("battery.QLX", "Device1=1,0,0,1,1,0\r\n[Power]\r\nFittedBattery=1.2\r\n");
    const std::string site = calc.folder.Path("site.QLX"), link = calc.folder.Path("report.pdf");
    std::filesystem::copy_file(ExamplePath("Northgate-Offices.QLX"), site);
    std::filesystem::create_symlink("site.QLX", link);
    const std::string blocked = calc.folder.Write("blocked", "a file, not a folder");
    const std::string leftOut = "Harvex Ferrolux: This file has devices that are not in the catalogues on this "
                                "computer; they have been left out:  Device type 150 at address 1 on loop 1  Saving "
                                "the file will remove them from it.\n";
    // The loaders' and the reader's messages are theirs; here, that they reach stderr and which root was used.
    const std::string noDevices = "'" + empty + "/Harvex/Devices/QuellarDevices.dat'.\nHarvex Ferrolux: Problem initialising devices\n";
    const struct {
        std::vector<std::string> arguments;
        std::string dataRootVariable;
        int status;
        std::string errHas, outHas;  // none: nothing printed there
    } cases[] = {
        // Interface LEDs disabled: the LED-disabled currents of its devices.
        {{"--json", "--data-root", data, ExamplePath("Harbour-Hotel.QLX")}, "", 0, "", "\"alarm_devices_uA\": 67500,"},
        {{ExamplePath("Riverside-Warehouse.QLX")}, data, 1, "",
         "\n4            40       13 mA      305 mA   Volt Drop Too High\n"},
        {{"--json", "--data-root", data, cut}, "", 2,
         "Harvex Ferrolux: The file '" + cut + "' appears to be incomplete", ""},
        {{"--data-root", data, dropped}, "", 0, leftOut, "Overall: Design Satisfactory"},
        {{"--strict", "--data-root", data, dropped}, "", 2,
         leftOut + "ferrolux-calc: --strict: reading the file gave the messages above\n", ""},
        {{"--data-root", empty, ExamplePath("Northgate-Offices.QLX")}, data, 3, noDevices, ""},  // the option wins
        {{ExamplePath("Northgate-Offices.QLX")}, empty, 3, noDevices, ""},
        {{"--json", "--along-cable", "--data-root", data, linkbay}, "", 0, "", "\"V_open_out\": "},
        {{"--json", "--device-checks", "--data-root", data, linkbay}, "", 1, "",
         "\"explanation\": \"Device at address 1 does not have a corresponding Linkbay Loop Interface.\","},
        {{"--json", "--data-root", data, relay}, "", 0, "Harvex Ferrolux: 1 Relay Base on loop 1 will be deleted",
         "\"devices\": 1,"},
        {{"--strict", "--data-root", data, relay}, "", 2, "ferrolux-calc: --strict: reading the file gave the messages above\n",
         ""},  // a prompt answered counts as a message
        // A name that no full path can be made of is told as the open tells a missing file.
        {{"--data-root", data, ""}, "", 2,
         "Harvex Ferrolux: Unable to open file '' for the following reason:  (53)  File not found\n", ""},
        // Without --all-checks the status is the verdict's; with it, a failure
        // along the cable, of the spare required or of the battery makes it 1,
        // of one file or of many.
        {{"--data-root", data, unisolated}, "", 0, "", "\nOverall: Design Satisfactory\nLoop 1 fails along the cable\n"},
        {{"--all-checks", "--data-root", data, unisolated}, "", 1, "",
         "\n  Along-cable checks      Placed evenly, no isolator: 33 points, limit 32 (1 of 4 checks fails)\n"},
        {{"--all-checks", "--data-root", data, smallBattery}, "", 1, "", "1.2 Ah fitted is too small"},
        {{"--data-root", data, spare}, "", 0, "", "\nOverall: Design Satisfactory\nLoop 1 is below the 70 % spare required\n"},
        {{"--all-checks", "--json", "--data-root", data, spare}, "", 1, "", "\"spare_pass\": false,"},
        // How many more: 31 beside the one detector fill the section; a
        // failing loop takes none; a name in neither catalogue is refused.
        {{"--json", "--at-far-end", "--how-many-more", "OPTICAL smoke detector", "--data-root", data, smallBattery}, "", 0,
         "", "\"how_many_more\": {\n        \"type\": \"Optical Smoke Detector\",\n        \"placement\": \"at_far_end\",\n"
             "        \"more\": 31,\n        \"already_fails\": false,\n        \"stopped_by\": \"section\",\n"},
        {{"--how-many-more", "Optical Smoke Detector", "--data-root", data, unisolated}, "", 0, "",
         "\n  How many more           Optical Smoke Detector, evenly: None"},
        {{"--how-many-more", "call point", "--data-root", data, smallBattery}, "", 2,
         "ferrolux-calc: there is no device type or Other Device named 'call point'\n", ""},
        {{"--all-checks", "--data-root", data, linkbay}, "", 0, "", "Overall: Design Satisfactory"},
        {{"--all-checks", "--json", "--data-root", data, linkbay, unisolated}, "", 1, "", "\"along_cable_pass\": false,"},
        // An output that is the input file, through a symbolic link: refused before anything is written.
        {{"--pdf", link, "--data-root", data, site}, "", 64,
         "ferrolux-calc: --pdf '" + link + "' is the same file as the input file '" + site + "': nothing was written\n", ""},
        // The summary is printed before the plots that cannot be written.
        {{"--plot", blocked, "--data-root", data, ExamplePath("Harbour-Hotel.QLX")}, "", 4,
         "ferrolux-calc: unable to write the plot '" + blocked + "/Loop1.svg': Not a directory\n", "Overall: Design Satisfactory"},
        {{"--colour", "site.QLX"}, "", 64,
         "ferrolux-calc: unknown option --colour\n\nUsage: ferrolux-calc [--data-root DIR] [--json] [--along-cable] "
         "[--compare-cables]\n", ""},
        {{"--compare-cables", "--data-root", data, ExamplePath("Harbour-Hotel.QLX")}, "", 0, "",
         "\n  Cables compared. Whole, Open IN and Open OUT: the least margin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        calc.Environment["HARVEX_DATA_ROOT"] = c.dataRootVariable;
        const CalcRun run = calc.Run(c.arguments);
        EXPECT_EQ(run.Status, c.status) << run.Err;
        for (const auto& [printed, expected] : {std::pair{run.Err, c.errHas}, std::pair{run.Out, c.outHas}})
            EXPECT_TRUE(expected.empty() ? printed.empty() : printed.find(expected) != std::string::npos) << printed;
    }
    EXPECT_EQ(std::filesystem::file_size(site), std::filesystem::file_size(ExamplePath("Northgate-Offices.QLX")));
}

// A device list onto a new site or an opened one: refused whole, nothing
// saved, while a name or a row cannot be placed, unless those are left out.
TEST(FerroluxCalc, ImportsADeviceListAndSavesTheSite)
{
    CalcRunner calc;
    const std::string data = FERROLUX_TEST_DATA_DIR, saved = calc.folder.Path("imported.QLX");
    const std::string list = calc.folder.Write("list.csv", "Loop;Type;Qty\r\n1;Optical Smoke Detector;20\r\n"
                                                            "1;Smoke thing;3\r\n1;Remote Indicator;30\r\n");
    const std::vector<std::string> onPanel{"--data-root", data, "--import", list, "--save", saved, "--panel",
                                           "Quellar QX-1 Single Loop"};
    const auto with = [&](std::vector<std::string> words, std::vector<std::string> more) {
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    const CalcRun unknown = calc.Run(onPanel);
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_EQ(unknown.Err, "ferrolux-calc: 'Smoke thing' is in neither catalogue (row 3).\n"
                           "ferrolux-calc: the import of 'list.csv' is refused (--skip-unknown leaves such rows out): "
                           "nothing was saved\n");
    const CalcRun refused = calc.Run(with(onPanel, {"--skip-unknown"}));
    EXPECT_EQ(refused.Status, 2);
    EXPECT_NE(refused.Err.find("ferrolux-calc: Row 4 (loop 1): There are no addressable devices that are compatible "
                               "with Remote Indicator LED.\n"),
              std::string::npos)
        << refused.Err;
    EXPECT_FALSE(std::filesystem::exists(saved));
    const CalcRun skipped = calc.Run(with(onPanel, {"--skip-unknown", "--skip-refused", "--json"}));
    EXPECT_EQ(skipped.Status, 0) << skipped.Err;
    EXPECT_NE(skipped.Err.find("  loop 1: 20 \u00D7 Optical Smoke Detector\n"), std::string::npos) << skipped.Err;
    EXPECT_NE(skipped.Out.find("\"devices\": 20,"), std::string::npos) << skipped.Out;
    // The saved site is a site: a second list goes onto it.
    const std::string more = calc.folder.Write("more.csv", "Loop,Address,Device Type\n1,40,Manual Call Point\n");
    const CalcRun onto = calc.Run({"--data-root", data, "--import", more, "--save", calc.folder.Path("more.QLX"), saved});
    EXPECT_EQ(onto.Status, 0) << onto.Err;
    EXPECT_NE(onto.Out.find("\n1            21 "), std::string::npos) << onto.Out;
}

// A PDF that cannot be written whole (the disk full) is told with the
// reason and ends with status 4, and an earlier PDF of that name stays as it
// was; the reasons are the output file's, checked there.
TEST(FerroluxCalc, APdfThatCannotBeWrittenEndsWithStatus4AndKeepsTheEarlierOne)
{
    CalcRunner calc;
    const std::string earlier = calc.folder.Write("pdfs/report.pdf", "an earlier report");
    calc.FileSizeLimit = 16;
    const CalcRun run =
        calc.Run({"--pdf", earlier, "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Northgate-Offices.QLX")});
    EXPECT_EQ(run.Status, 4);
    EXPECT_EQ(run.Err, "ferrolux-calc: unable to write the PDF '" + earlier +
                           "': the file came out incomplete (is the disk full?)\n");
    EXPECT_EQ(calc.folder.Read("pdfs/report.pdf"), "an earlier report");
    EXPECT_EQ(calc.folder.Listing("pdfs"), "report.pdf;");
}

// The plot of each loop with devices as SVG, and PNG when asked, in a folder
// made for them (a folder that cannot be made is in the table above).
TEST(FerroluxCalc, PlotsOfEveryLoopWithDevicesAsSvgAndPng)
{
    CalcRunner calc;
    const std::string folder = calc.folder.Path("site/plots");
    const CalcRun run = calc.Run({"--plot", folder, "--plot-png", "--data-root", FERROLUX_TEST_DATA_DIR,
                                  ExamplePath("Harbour-Hotel.QLX")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(calc.folder.Listing("site/plots"), "Loop1.png;Loop1.svg;Loop2.png;Loop2.svg;");
    const std::string svg = calc.folder.Read("site/plots/Loop1.svg");
    EXPECT_TRUE(svg.starts_with("<?xml") && svg.find("Distance from OUT (m)") != std::string::npos);
    EXPECT_TRUE(calc.folder.Read("site/plots/Loop2.png").starts_with("\x89PNG"));
}

// The hotel's battery, worked by hand from its totals (19.91 mA quiescent,
// 228.24 mA in alarm), its panel (110 mA standby, 240 mA in alarm, 17 Ah at
// most, a 1000 mA charger) and its loads (a repeater of 45/90 mA, two bell
// circuits of 2/180 mA):
//   I1 = 110 + 19.91 + 49 = 178.91 mA, I2 = 240 + 228.24 + 450 = 918.24 mA
//   C1 = 1.25 x (24 h x 178.91 + 0.5 h x 918.24) = 5.94 Ah; I2 > C1 / 20 h, so D = 1.75
//   C = 1.25 x (4293.84 + 1.75 x 459.12) mAh = 6.371625 Ah, 6.38 rounded up: 7 Ah standard, 12 Ah fitted
//   charger 178.91 + 0.8 x 12000 mAh / 24 h = 578.91 mA
//   largest I1 = (12 Ah / 1.25 - 1.75 x 0.5 h x 918.24 mA) / 24 h = 366.5225 mA
TEST(FerroluxCalc, TheBatteryOfTheHotelInItsJson)
{
    using Json = nlohmann::ordered_json;
    const CalcRun run = CalcRunner().Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Harbour-Hotel.QLX")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const Json json = Json::parse(run.Out, nullptr, false);
    ASSERT_EQ(json["total_quiescent_uA"].dump() + " " + json["total_alarm_uA"].dump(), "19910 228240");
    EXPECT_EQ(json["power"], Json::parse(R"({"rule": "BS 5839-1", "standby_h": 24, "alarm_h": 0.5, "factor": 1.25,
        "D": 1.75, "panel_standby_mA": 110, "panel_alarm_mA": 240, "ancillary_standby_mA": 49,
        "ancillary_alarm_mA": 450, "I1_mA": 178.91, "I2_mA": 918.24, "required_Ah": 6.38, "battery_Ah": 7,
        "battery_sizes_missing": null, "fitted_Ah": 12, "fits_panel": true, "charger_needed_mA": 578.91, "charger_ok": true,
        "max_standby_mA": 366.5225})"));
}

// Each loop of the panel has its cables, the loop's own (1210: 1.5 mm²,
// plain and fire-resistant) with the loop's volt drop.
TEST(FerroluxCalc, EveryCableOnTheHotelsLoopsInItsJson)
{
    const CalcRun run =
        CalcRunner().Run({"--json", "--compare-cables", "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Harbour-Hotel.QLX")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json loops = nlohmann::json::parse(run.Out, nullptr, false)["loops"];
    EXPECT_FALSE(loops[2].contains("cables"));  // a panel of two loops
    std::string own;
    for (const nlohmann::json& cable : loops[1]["cables"])
        own += cable["own_cable"] ? cable["name"].get<std::string>() + " " + cable["volt_drop_V"].dump() + "; " : "";
    EXPECT_EQ(own, "1.5 mm² " + loops[1]["volt_drop_V"].dump() + "; FR screened 2 x 1.5 mm² " +
                       loops[1]["volt_drop_V"].dump() + "; ");
}

// A data root made before the battery sizes existed: the run goes on without
// a word and its JSON says why no standard size is named (how the battery is
// then worked out is the power supply's, checked there). A gap in the sizes
// is told, and --strict counts it.
TEST(FerroluxCalc, ADataRootWithoutBatterySizes)
{
    CalcRunner calc;
    const std::string root = calc.folder.Path("root"), sizes = root + "/Harvex/Batteries/QuellarBatteries.dat";
    std::filesystem::copy(FERROLUX_TEST_DATA_DIR, root, std::filesystem::copy_options::recursive);
    std::filesystem::remove_all(root + "/Harvex/Batteries");
    const CalcRun without = calc.Run({"--json", "--data-root", root, ExamplePath("Riverside-Warehouse.QLX")});
    EXPECT_EQ(without.Status, 1) << without.Err;  // loop 4's volt drop, as with the sizes
    EXPECT_EQ(without.Err, "");
    const nlohmann::json power = nlohmann::json::parse(without.Out, nullptr, false)["power"];
    EXPECT_TRUE(power["battery_Ah"].is_null());
    EXPECT_EQ(power["battery_sizes_missing"], "no battery sizes are installed (looked for '" + sizes + "')");

    calc.folder.Write("root/Harvex/Batteries/QuellarBatteries.dat", "[Batteries]\nBattery0=7\nBattery2=12\n");
    const CalcRun strict = calc.Run({"--strict", "--data-root", root, ExamplePath("Northgate-Offices.QLX")});
    EXPECT_EQ(strict.Status, 2);
    EXPECT_EQ(strict.Err, "Harvex Ferrolux: Missing settings for battery 1 in configuration settings in '" + sizes +
                              "'.\nferrolux-calc: --strict: loading the catalogues gave the messages above\n");
}

// Both schedules from one run, the same as the desktop's; a schedule that
// cannot be written is told with the file and the reason, status 4; one on
// standard output follows the summary.
TEST(FerroluxCalc, WritesTheDeviceAndAddressSchedulesAsCsv)
{
    CalcRunner calc;
    const std::string devices = calc.folder.Path("csv/Riverside - Devices.csv");
    const CalcRun run = calc.Run({"--schedule-csv", devices, "--addresses-csv=" + calc.folder.Path("csv/addresses.csv"),
                                  "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Riverside-Warehouse.QLX")});
    EXPECT_EQ(run.Status, 1);  // loop 4's volt drop is too high
    EXPECT_EQ(run.Err, "");
    const std::string schedule = calc.folder.Read("csv/Riverside - Devices.csv");
    EXPECT_TRUE(schedule.starts_with("\xEF\xBB\xBFLoop,Loop Name,Kind,Name,Quantity,")) << schedule;
    EXPECT_TRUE(calc.folder.Read("csv/addresses.csv").starts_with("\xEF\xBB\xBFLoop,Position (m),Address,"));

    const std::string blocked = calc.folder.Write("blocked", "a file, not a folder") + "/a.csv";
    const CalcRun refused = calc.Run({"--addresses-csv", blocked, "--data-root", FERROLUX_TEST_DATA_DIR,
                                      ExamplePath("Harbour-Hotel.QLX")});
    EXPECT_EQ(refused.Status, 4);
    // The schedules' own message, told by the calculator.
    EXPECT_TRUE(refused.Err.starts_with("ferrolux-calc: The address schedule") && refused.Err.find(blocked) != std::string::npos)
        << refused.Err;

    // Written to /dev/stdout, with the output going to a file (as `> report.txt`
    // does), the schedule follows the summary in that file.
    const CalcRun out = calc.Run(
        {"--schedule-csv", "/dev/stdout", "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Northgate-Offices.QLX")});
    EXPECT_EQ(out.Status, 0) << out.Err;
    EXPECT_TRUE(out.Out.starts_with("Site Name:      Northgate Offices\n")) << out.Out;
    const size_t csv = out.Out.find("\xEF\xBB\xBFLoop,Loop Name,Kind,");
    EXPECT_NE(csv, std::string::npos) << out.Out;
    EXPECT_LT(out.Out.find("Standby battery:"), csv);
    EXPECT_TRUE(out.Out.ends_with("Design Satisfactory\r\n")) << out.Out;
}
