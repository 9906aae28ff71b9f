// ferrolux-calc over many files, as a black box: a row per file and the
// counts, or one JSON array; the exit status the worst of the files.

#include "support/CalcRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using Json = nlohmann::ordered_json;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The cells of a line: two blanks or more apart.
std::vector<std::string> Cells(const std::string& line)
{
    const std::regex gap(" {2,}");
    return {std::sregex_token_iterator(line.begin(), line.end(), gap, -1), {}};
}

}  // namespace

// The examples folder: a row per site in name order, under headings that
// line up, the counts, and the status of the worst; its JSON array holds
// each site's object exactly as a run on that site alone prints it.
TEST(BatchRun, TheExamplesFolderInRowsAndAsOneJsonArray)
{
    CalcRunner calc;
    const std::string data = FERROLUX_TEST_DATA_DIR, examples = FERROLUX_EXAMPLES_DIR;
    const CalcRun text = calc.Run({"--data-root", data, examples});
    EXPECT_EQ(text.Status, 1);
    EXPECT_EQ(text.Err, "");  // no progress bar either: stderr is a file
    using Row = std::vector<std::string>;
    const std::vector<std::string> lines = Lines(text.Out);
    std::vector<Row> rows;
    for (const std::string& line : lines)
        rows.push_back(Cells(line));
    EXPECT_EQ(rows,
              (std::vector<Row>{
                  {"File", "Site Name", "Panel", "Loops", "Devices", "Along the Cable", "Result"},
                  {ExamplePath("Harbour-Hotel.QLX"), "Harbour Hotel", "Quellar QX-2 Two Loop", "2", "71", "Pass",
                   "Design Satisfactory"},
                  {ExamplePath("Northgate-Offices.QLX"), "Northgate Offices", "Quellar QX-1 Single Loop", "1", "40",
                   "Pass", "Design Satisfactory"},
                  // Loop 1 fails along the cable on purpose, and loop 4 its verdict.
                  {ExamplePath("Riverside-Warehouse.QLX"), "Riverside Warehouse", "Quellar QX-4 Four Loop", "4",
                   "180", "Fails (loop 1: no isolator: 46 points, limit 32)",
                   "Design Not Satisfactory (loop 4: Volt Drop Too High)"},
                  {""},
                  {"3 files: 2 satisfactory, 1 not satisfactory, 0 failed to open"}}));
    // The columns line up: each site name under its heading, each count of devices ending under its.
    ASSERT_EQ(lines.size(), 6u);
    for (size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(lines[i].find(rows[i][1]), lines[0].find("Site Name")) << lines[i];
        EXPECT_EQ(lines[i].find(" " + rows[i][4] + "  ") + 1 + rows[i][4].size(), lines[0].find("Devices") + 7);
    }

    const CalcRun json = calc.Run({"--json", "--along-cable", "--data-root", data, examples});
    EXPECT_EQ(json.Status, 1);
    const Json array = Json::parse(json.Out, nullptr, false);
    ASSERT_EQ(array.size(), 3u) << json.Out;
    for (const Json& site : array) {
        const CalcRun alone = calc.Run({"--json", "--along-cable", "--data-root", data, site["file"]});
        EXPECT_EQ(site, Json::parse(alone.Out, nullptr, false)) << site["file"];
    }
}

// A missing file, one cut short and a folder without sites among good
// sites: each is told (in the reader's words, as its JSON gives them), on
// stderr after its name and in its row, and the others are still checked;
// the status is that of a file not opened.
TEST(BatchRun, AMissingAndABrokenFileAmongGoodOnes)
{
    CalcRunner calc;
    const std::string missing = calc.folder.Path("missing.QLX"), empty = calc.folder.Path("empty");
    std::filesystem::create_directories(empty);
    const std::string cut = WriteCutShortSite(calc.folder, "cut.QLX");
    const std::vector<std::string> arguments{"--data-root", FERROLUX_TEST_DATA_DIR, ExamplePath("Harbour-Hotel.QLX"),
                                             missing, empty, cut, ExamplePath("Riverside-Warehouse.QLX")};
    std::vector<std::string> json{"--json"};
    json.insert(json.end(), arguments.begin(), arguments.end());
    const CalcRun run = calc.Run(json);
    EXPECT_EQ(run.Status, 2);
    const Json array = Json::parse(run.Out, nullptr, false);
    ASSERT_EQ(array.size(), 4u) << run.Out;
    EXPECT_EQ(array[1]["file"], missing);
    EXPECT_EQ(array[2]["file"], cut);
    const std::string notFound = array[1]["error"], cutShort = array[2]["error"];
    EXPECT_TRUE(notFound.starts_with("Unable to open file '" + missing + "'") && cutShort.starts_with("The file '" + cut))
        << notFound << cutShort;
    EXPECT_EQ(array[3]["overall"], "Design Not Satisfactory");

    const CalcRun text = calc.Run(arguments);
    EXPECT_EQ(text.Status, 2);
    EXPECT_EQ(text.Err, "ferrolux-calc: no .QLX file in the folder '" + empty + "'\n" + missing +
                            ": Harvex Ferrolux: " + notFound + "\n" + cut + ": Harvex Ferrolux: " + cutShort + "\n");
    const std::vector<std::string> lines = Lines(text.Out);
    ASSERT_EQ(lines.size(), 7u) << text.Out;
    const std::pair<std::string, std::string> rows[] = {
        {ExamplePath("Harbour-Hotel.QLX"), "Design Satisfactory"},
        {missing, "Failed to open: " + notFound},
        {cut, "Failed to open: " + cutShort},
        {ExamplePath("Riverside-Warehouse.QLX"), "Design Not Satisfactory (loop 4: Volt Drop Too High)"}};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(lines[i + 1].starts_with(rows[i].first) && lines[i + 1].ends_with(rows[i].second)) << lines[i + 1];
    EXPECT_EQ(lines[6], "4 files: 1 satisfactory, 1 not satisfactory, 2 failed to open");
}

// Nothing named like a site is passed over: a FIFO and a link to nothing
// are named and counted as failed to open. A name with a line break keeps to
// its row, quoted with C's escapes (the JSON's escapes are JsonString's).
TEST(BatchRun, AFifoALinkToNothingAndOddNamesAreEachNamed)
{
    CalcRunner calc;
    const std::string sites = calc.folder.Path("sites");
    std::filesystem::create_directories(sites);
    std::filesystem::copy_file(ExamplePath("Northgate-Offices.QLX"), sites + "/a\nb.QLX");
    std::filesystem::copy_file(ExamplePath("Northgate-Offices.QLX"), sites + "/caf\xE9.QLX");
    ASSERT_EQ(::mkfifo((sites + "/fifo.QLX").c_str(), 0644), 0);
    std::filesystem::create_symlink(sites + "/gone.QLX", sites + "/link.QLX");

    const CalcRun text = calc.Run({"--data-root", FERROLUX_TEST_DATA_DIR, sites});
    EXPECT_EQ(text.Status, 2);
    const std::vector<std::string> lines = Lines(text.Out);
    ASSERT_EQ(lines.size(), 7u) << text.Out;
    const std::pair<std::string, std::string> rows[] = {
        {"\"" + sites + "/a\\nb.QLX\"", "Design Satisfactory"},
        {sites + "/caf\xE9.QLX", "Design Satisfactory"},
        {sites + "/fifo.QLX", "Failed to open: Unable to open file '" + sites + "/fifo.QLX'"},
        {sites + "/link.QLX", "Failed to open: Unable to open file '" + sites + "/link.QLX'"}};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(lines[i + 1].starts_with(rows[i].first + "  ") && lines[i + 1].find(rows[i].second) != std::string::npos)
            << lines[i + 1];
    EXPECT_EQ(lines[6], "4 files: 2 satisfactory, 0 not satisfactory, 2 failed to open");
}

// A folder that cannot be read, among sites, is named with the reason and
// counted as failed to open. The superuser, who reads any folder, runs the
// calculator without the capabilities that let it.
TEST(BatchRun, AFolderThatCannotBeReadIsNamedAndCounted)
{
    CalcRunner calc;
    if (::geteuid() == 0) {
        calc.Through = "setpriv --bounding-set=-dac_override,-dac_read_search";
        if (std::system((calc.Through + " true >/dev/null 2>&1").c_str()) != 0)
            GTEST_SKIP() << "the superuser reads every folder, and setpriv cannot take that from it here";
    }
    const std::string sites = calc.folder.Path("sites"), locked = sites + "/locked";
    std::filesystem::create_directories(locked);
    std::filesystem::copy_file(ExamplePath("Northgate-Offices.QLX"), sites + "/a.QLX");
    std::filesystem::copy_file(ExamplePath("Northgate-Offices.QLX"), locked + "/b.QLX");
    std::filesystem::permissions(locked, std::filesystem::perms::none);

    const CalcRun run = calc.Run({"--data-root", FERROLUX_TEST_DATA_DIR, sites});
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    EXPECT_EQ(run.Status, 2);
    const std::string problem = "unable to read the folder '" + locked + "': Permission denied";
    EXPECT_EQ(run.Err, "ferrolux-calc: " + problem + "\n");
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 5u) << run.Out;
    EXPECT_TRUE(lines[2].starts_with(locked + "  ") && lines[2].ends_with("Failed to open: " + problem)) << lines[2];
    EXPECT_EQ(lines[4], "2 files: 1 satisfactory, 0 not satisfactory, 1 failed to open");
}
