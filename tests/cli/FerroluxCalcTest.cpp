// ferrolux-calc as a black box: what it prints, on which stream, and its
// exit status.

#include "support/CalcRun.h"
#include "support/MiniJson.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {

const std::vector<std::string> SiteKeys{"file", "site_name", "panel", "panel_loops", "loops", "total_devices",
                                        "total_quiescent_uA", "total_alarm_uA", "overall"};
const std::vector<std::string> LoopKeys{
    "loop",     "name",           "devices",        "quiescent_devices_uA", "alarm_devices_uA", "quiescent_uA",
    "alarm_uA", "volt_drop_V",    "max_volt_drop_V", "calc_type",           "cable_impedance",  "cable_total_dm",
    "cable_first_dm", "loop_design", "design_short", "design_long",         "explanation",      "panel_limit_text"};

JsonValue ParsedOutput(const CalcRun& run)
{
    std::string error;
    const auto json = ParseJson(run.Out, error);
    EXPECT_TRUE(json) << error << "\n" << run.Out;
    return json ? *json : JsonValue{};
}

// A version 1 document on a single-loop panel of the bundled catalogue.
std::string WriteSite(const ScratchFolder& folder, const std::string& name, const std::string& loop1)
{
    return folder.Write(name, ";Configuration data for Harvex Zephan Dralonix\r\n[Dralon]\r\nDataFormat=1\r\n"
                              "SiteName=\"Test\"\r\nPanelType=\"Quellar QX-1 Single Loop\"\r\n[Loop1]\r\n"
                              "CableImpedance=1210\r\nCableTotalLength=1000\r\n" +
                                  loop1);
}

}  // namespace

TEST(FerroluxCalc, EveryExampleAsJsonWithItsVerdictAsExitStatus)
{
    const struct {
        const char* file;
        int status;
        const char* panel;
        int loops;
        const char* overall;
        const char* loop1AlarmDevices;  // µA
    } cases[] = {
        {"Northgate-Offices.QLX", 0, "Quellar QX-1 Single Loop", 1, "Design Satisfactory", "131400"},
        {"Riverside-Warehouse.QLX", 1, "Quellar QX-4 Four Loop", 4, "Design Not Satisfactory", "181800"},
        // Interface LEDs disabled: the LED-disabled currents of its devices,
        // 67.5 mA, and no LED left lit for the panel's limit to take off.
        {"Harbour-Hotel.QLX", 0, "Quellar QX-2 Two Loop", 2, "Design Satisfactory", "67500"},
    };
    for (const auto& c : cases) {
        CalcRunner calc;
        const CalcRun run = calc.Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath(c.file)});
        EXPECT_EQ(run.Status, c.status) << c.file << "\n" << run.Err;
        EXPECT_EQ(run.Err, "") << c.file;
        const JsonValue json = ParsedOutput(run);
        EXPECT_EQ(json.Keys(), SiteKeys);
        EXPECT_EQ(json.Find("file")->Text, ExamplePath(c.file));
        EXPECT_EQ(json.Find("panel")->Text, c.panel);
        EXPECT_EQ(json.Find("panel_loops")->Text, std::to_string(c.loops));
        EXPECT_EQ(json.Find("overall")->Text, c.overall);
        const JsonValue& loops = *json.Find("loops");
        ASSERT_EQ(loops.Items.size(), 8u) << c.file;
        EXPECT_EQ(loops.Items[0].Find("alarm_devices_uA")->Text, c.loop1AlarmDevices) << c.file;
        int devices = 0;
        for (size_t i = 0; i < loops.Items.size(); ++i) {
            const JsonValue& loop = loops.Items[i];
            EXPECT_EQ(loop.Keys(), LoopKeys);
            EXPECT_EQ(loop.Find("loop")->Text, std::to_string(i + 1));
            devices += std::stoi(loop.Find("devices")->Text);
            // Loops beyond the panel's are there, and empty.
            if (static_cast<int>(i) >= c.loops) {
                EXPECT_EQ(loop.Find("devices")->Text, "0");
            }
            for (const char* number : {"quiescent_uA", "alarm_uA", "volt_drop_V", "max_volt_drop_V"})
                EXPECT_EQ(loop.Find(number)->Text.find_first_of("eE"), std::string::npos);
        }
        EXPECT_EQ(json.Find("total_devices")->Text, std::to_string(devices));
    }
}

TEST(FerroluxCalc, TextSummaryOfTheFailingLoopAndItsReason)
{
    CalcRunner calc;
    calc.Environment["HARVEX_DATA_ROOT"] = FERROLUX_TEST_DATA_DIR;
    const CalcRun run = calc.Run({ExamplePath("Riverside-Warehouse.QLX")});
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out.rfind("Site Name:      Riverside Warehouse\nControl Panel:  Quellar QX-4 Four Loop\n\n", 0), 0u)
        << run.Out;
    EXPECT_NE(run.Out.find("\n4            40       13 mA      305 mA   Volt Drop Too High\n"), std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("\nOverall: Design Not Satisfactory\n"), std::string::npos);
    EXPECT_NE(run.Out.find("\n  Cable                   1.0 mm² (18.10 ohms/km/core), total run 2000 m, to first "
                           "device 150 m\n"),
              std::string::npos);
    EXPECT_NE(run.Out.find("\n  Reason                  The calculated final voltage at a device on the loop is below "
                           "that required for its operation.\n"),
              std::string::npos);
}

TEST(FerroluxCalc, AFileThatCannotBeOpenedOrIsRefusedEndsWithStatus2)
{
    CalcRunner calc;
    const std::string missing = calc.folder.Path("missing.QLX");
    CalcRun run = calc.Run({"--data-root", FERROLUX_TEST_DATA_DIR, missing});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Harvex Ferrolux: Unable to open file '" + missing +
                           "' for the following reason:  (53)  File not found\n");

    const std::string newer = calc.folder.Write("newer.QLX", "[Dralon]\r\nDataFormat=2\r\n");
    run = calc.Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, newer});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Harvex Ferrolux: The data in this file has been generated by a version of Harvex Ferrolux that "
                       "is newer than this version.  Unable to open '" + newer + "'.\n");
}

TEST(FerroluxCalc, StrictRefusesAFileWhoseReadingGaveAnyMessage)
{
    CalcRunner calc;
    const std::string site = WriteSite(calc.folder, "dropped.QLX", "Device1=150,0,0,1,1,0\r\n");
    EXPECT_EQ(calc.Run({"--data-root", FERROLUX_TEST_DATA_DIR, site}).Status, 0);
    const CalcRun run = calc.Run({"--strict", "--data-root", FERROLUX_TEST_DATA_DIR, site});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find(" left out:  Device type 150 at address 1 on loop 1  Saving the file will remove them from "
                           "it.\nferrolux-calc: --strict: reading the file gave the messages above\n"),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(calc.Run({"--strict", "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Harbour-Hotel.QLX")}).Status, 0);
}

TEST(FerroluxCalc, AFileCutShortIsToldAndEndsWithStatus2)
{
    // The first 300 bytes of a sample site, as a copy broken off leaves it.
    CalcRunner calc;
    std::ifstream example(ExamplePath("Northgate-Offices.QLX"), std::ios::binary);
    std::string head(300, '\0');
    example.read(head.data(), static_cast<std::streamsize>(head.size()));
    const std::string cut = calc.folder.Write("cut.QLX", head);

    const CalcRun run = calc.Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, cut});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Harvex Ferrolux: The file '" + cut +
                           "' appears to be incomplete (it may have been cut short). Check the design before you rely "
                           "on it.\n");
}

TEST(FerroluxCalc, ACatalogueThatFailsToLoadEndsWithStatus3AndTheDataRootOptionWins)
{
    CalcRunner calc;
    const std::string empty = calc.folder.Path("empty");
    std::filesystem::create_directories(empty);
    const std::string site = ExamplePath("Northgate-Offices.QLX");

    CalcRun run = calc.Run({"--data-root", empty, site});
    EXPECT_EQ(run.Status, 3);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.rfind("Harvex Ferrolux: Unable to find file containing ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("'" + empty + "/Harvex/Devices/QuellarDevices.dat'"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.substr(run.Err.find('\n') + 1), "Harvex Ferrolux: Problem initialising devices\n");

    calc.Environment["HARVEX_DATA_ROOT"] = empty;
    EXPECT_EQ(calc.Run({site}).Status, 3);
    EXPECT_EQ(calc.Run({"--data-root", FERROLUX_TEST_DATA_DIR, site}).Status, 0);
    calc.Environment["HARVEX_DATA_ROOT"] = FERROLUX_TEST_DATA_DIR;
    EXPECT_EQ(calc.Run({site}).Status, 0);
}

TEST(FerroluxCalc, DeviceChecksOnlyWhenAskedFor)
{
    // A wireless detector without the loop interface it depends on.
    CalcRunner calc;
    const std::string site = WriteSite(calc.folder, "linkbay.QLX", "Device1=51,0,0,1,1,0\r\n");
    CalcRun run = calc.Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, site});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ParsedOutput(run).Find("loops")->Items[0].Find("loop_design")->Text, "0");

    run = calc.Run({"--json", "--device-checks", "--data-root", FERROLUX_TEST_DATA_DIR, site});
    EXPECT_EQ(run.Status, 1) << run.Err;
    const JsonValue json = ParsedOutput(run);
    const JsonValue& loop = json.Find("loops")->Items[0];
    EXPECT_EQ(loop.Find("loop_design")->Text, "8");
    EXPECT_EQ(loop.Find("explanation")->Text, "Device at address 1 does not have a corresponding Linkbay Loop Interface.");
    EXPECT_EQ(json.Find("overall")->Text, "Design Not Satisfactory");
}

TEST(FerroluxCalc, APromptOfTheOpenIsPrintedOnOneLineAndAnsweredOK)
{
    // A Relay Base cannot go under a Master Sounder Base: dropped after the prompt.
    CalcRunner calc;
    const std::string site = WriteSite(calc.folder, "relay.QLX", "Device1=33,0,3,1,1,0\r\n");
    const CalcRun run = calc.Run({"--json", "--data-root", FERROLUX_TEST_DATA_DIR, site});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "Harvex Ferrolux: 1 Relay Base on loop 1 will be deleted, because it is incompatible with its "
                       "associated Master Sounder Base.\n");
    EXPECT_EQ(ParsedOutput(run).Find("loops")->Items[0].Find("devices")->Text, "1");
}

TEST(FerroluxCalc, ABadCommandLineShowsTheUsage)
{
    CalcRunner calc;
    CalcRun run = calc.Run({"--colour", "site.QLX"});
    EXPECT_EQ(run.Status, 64);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.rfind("ferrolux-calc: unknown option --colour\n\nUsage: ferrolux-calc [--data-root DIR] [--json] "
                            "[--device-checks] [--strict] [--pdf OUT.pdf]\n",
                            0),
              0u)
        << run.Err;
    run = calc.Run({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.rfind("Usage: ferrolux-calc ", 0), 0u);
}

// A PDF that cannot be written whole is told with the reason and ends with
// status 4, and an earlier PDF of that name stays as it was.
TEST(FerroluxCalc, APdfThatCannotBeWrittenEndsWithStatus4AndKeepsTheEarlierOne)
{
    CalcRunner calc;
    const std::string earlier = calc.folder.Write("pdfs/report.pdf", "an earlier report");
    std::filesystem::create_directories(calc.folder.Path("pdfs/folder.pdf"));
    const std::string locked = calc.folder.Write("locked/report.pdf", "an earlier report");
    std::filesystem::permissions(calc.folder.Path("locked"), std::filesystem::perms::owner_read |
                                                                 std::filesystem::perms::owner_exec);
    std::vector<std::tuple<std::string, int, std::string>> cases = {
        {earlier, 16, "the file came out incomplete (is the disk full?)"},  // a full disk
        {calc.folder.Path("pdfs/folder.pdf"), 0, "Is a directory"},
        {earlier + "/inside.pdf", 0, "Not a directory"}};
    if (::geteuid() != 0)  // the superuser writes in any folder
        cases.emplace_back(locked, 0, "Permission denied");
    for (const auto& [target, fileSizeLimit, reason] : cases) {
        calc.FileSizeLimit = fileSizeLimit;
        const CalcRun run =
            calc.Run({"--pdf", target, "--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Northgate-Offices.QLX")});
        EXPECT_EQ(run.Status, 4) << target;
        EXPECT_EQ(run.Err, "ferrolux-calc: unable to write the PDF '" + target + "': " + reason + "\n");
        EXPECT_EQ(calc.folder.Read("pdfs/report.pdf"), "an earlier report") << target;
        EXPECT_EQ(calc.folder.Listing("pdfs") + calc.folder.Listing("locked"), "folder.pdf;report.pdf;report.pdf;");
    }
    std::filesystem::permissions(calc.folder.Path("locked"), std::filesystem::perms::owner_all);
}
