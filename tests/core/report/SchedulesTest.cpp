#include "report/Schedules.h"

#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "document/OpenFlow.h"
#include "support/BundledCatalogue.h"
#include "support/CsvReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cmath>

namespace {

class SilentOpenProgress : public OpenProgressHost {
public:
    void Show() override {}
    void SetFileText(const std::string&) override {}
    void SetPercent(int) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    std::string UnknownResponse(int, int, int) override { return "Y"; }
    void Close() override {}
};

const char* const Examples[] = {"Harbour-Hotel.QLX", "Northgate-Offices.QLX", "Riverside-Warehouse.QLX"};

// A name a spreadsheet misreads unless it is quoted and its quotes doubled.
const std::string AwkwardName = "Bay 3, \"north\" µ-wing";

struct OpenedExample {
    explicit OpenedExample(const std::string& name)
    {
        SilentOpenProgress progress;
        OpenFlow flow(document, bundled.catalogue, bundled.options, bundled.messages, progress);
        opened = bundled.Loaded && flow.DoMenuOpen(std::string(FERROLUX_EXAMPLES_DIR) + "/" + name, false);
        document.LoopName(1) = AwkwardName;
    }
    int Loops() const { return document.Catalog().CurrentPanelRecord()->Loops; }

    BundledCatalogue bundled;
    Document document{bundled.catalogue};
    bool opened = false;
};

// The schedule read back as a spreadsheet program reads it.
CsvRecords ReadBack(const std::string& csv)
{
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    const std::optional<CsvRecords> records = ReadCsv(std::string_view(csv).substr(3));
    EXPECT_TRUE(records.has_value()) << csv;
    return records.value_or(CsvRecords{});
}

int64_t Number(const std::string& field) { return std::stoll(field); }

// One example site opened, loop 1 renamed to the awkward name.
class ExampleSchedules : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(site.opened); }
    OpenedExample site{GetParam()};
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSchedules, ::testing::ValuesIn(Examples));

// Each content row is its quantity times its currents; the device rows'
// quiescent currents add up to the report's sub-total (their alarm currents
// do not: the loop's is the worst alarm the panel allows, not every LED lit),
// and the totals rows are the main window's and the report's figures, exact
// to the µA.
TEST_P(ExampleSchedules, TheDeviceScheduleReadsBackWithTheReportsTotals)
{
    enum Column { Loop, LoopName, Kind, Name, Quantity, QuiescentEach, AlarmEach, QuiescentTotal, AlarmTotal, Verdict };
    const Document& document = site.document;
    const CsvRecords rows = ReadBack(Schedules::DeviceScheduleCsv(document));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"Loop", "Loop Name", "Kind", "Name", "Quantity",
                                                       "Quiescent Each (µA)", "Alarm Each (µA)",
                                                       "Quiescent Total (µA)", "Alarm Total (µA)", "Verdict"}));
    std::vector<int64_t> quiescentDevices(Document::LoopCount + 1);
    int loopTotals = 0;
    for (size_t r = 1; r + 1 < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        ASSERT_EQ(row.size(), 10u);
        const int loop = static_cast<int>(Number(row[Loop]));
        const clsCalculator& model = document.Loop(loop);
        EXPECT_EQ(row[LoopName], document.LoopName(loop));
        if (row[Kind] == "Loop Total") {
            ++loopTotals;
            EXPECT_EQ(quiescentDevices[loop], model.QuiescentCurrentDevices().Scaled() / Currency::Scale);
            const MainLoopRow shown = MainLoopRowFor(model);
            EXPECT_EQ(row[Quantity], shown.Devices);
            EXPECT_EQ(row[QuiescentTotal], model.QuiescentCurrentTotal().ToString());
            EXPECT_EQ(row[AlarmTotal], model.AlarmCurrentTotal().ToString());
            EXPECT_EQ(row[Verdict], shown.PassFail);
            continue;
        }
        ASSERT_EQ(loopTotals, 0) << "a loop's contents after the totals";
        EXPECT_EQ(Number(row[QuiescentTotal]), Number(row[Quantity]) * Number(row[QuiescentEach]));
        EXPECT_EQ(Number(row[AlarmTotal]), Number(row[Quantity]) * Number(row[AlarmEach]));
        if (row[Kind] == "Device")
            quiescentDevices[loop] += Number(row[QuiescentTotal]);
        else
            EXPECT_EQ(row[Kind], "Other Device");
    }
    EXPECT_EQ(loopTotals, site.Loops());
    EXPECT_EQ(rows.back(),
              (std::vector<std::string>{"", "", "Panel Total", document.Catalog().CurrentPanelRecord()->Name,
                                        std::to_string(CalculationSupport::TotalDevices(document)), "", "",
                                        CalculationSupport::TotalQuiescentCurrent(document).ToString(),
                                        CalculationSupport::TotalAlarmCurrent(document).ToString(),
                                        CalculationSupport::OverallDesignText(document)}));
}

// Every used address once, in cable order as the loop along its cable takes
// them, with its distance in metres where it has one, its standalone devices
// and its tag.
TEST_P(ExampleSchedules, TheAddressScheduleFollowsTheCable)
{
    enum Column { Loop, Position, Address, DeviceType, SlaveBase, BaseOther, AttachedOther, Standalone, Tag };
    const Document& document = site.document;
    const CsvRecords rows = ReadBack(Schedules::AddressScheduleCsv(document));
    ASSERT_GE(rows.size(), 1u);
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"Loop", "Position (m)", "Address", "Device Type",
                                                       "Slave Base", "Base Other Device", "Attached Other Device",
                                                       "Standalone Devices After", "Address Tag"}));
    int positioned = 0;
    for (int loop = 1; loop <= site.Loops(); ++loop) {
        const clsCalculator& model = document.Loop(loop);
        std::vector<int> devices;
        size_t standalone = 0;
        for (size_t r = 1; r < rows.size(); ++r) {
            const std::vector<std::string>& row = rows[r];
            ASSERT_EQ(row.size(), 9u);
            if (Number(row[Loop]) != loop)
                continue;
            const int address = static_cast<int>(Number(row[Address]));
            if (!row[DeviceType].empty())
                devices.push_back(address);
            if (!row[Standalone].empty())
                standalone += 1 + static_cast<size_t>(std::count(row[Standalone].begin(), row[Standalone].end(), ';'));
            if (row[Position].empty()) {
                EXPECT_EQ(model.CablePosition(address), clsCalculator::NoPosition);
            } else {
                EXPECT_EQ(std::lround(std::stod(row[Position]) * 10), model.CablePosition(address));
                ++positioned;
            }
            EXPECT_EQ(Number(row[Tag]), document.AddressTag(loop, address));
        }
        std::vector<int> alongCable;
        size_t alongStandalone = 0;
        for (const AlongCablePoint& point : CalculationSupport::AnalyseAlongCable(document, loop).Points)
            point.Slot == 0 ? alongCable.push_back(point.Address) : void(++alongStandalone);
        EXPECT_EQ(devices, alongCable) << "loop " << loop;
        EXPECT_EQ(standalone, alongStandalone) << "loop " << loop;
    }
    EXPECT_EQ(positioned > 0, std::string(GetParam()) != "Harbour-Hotel.QLX");
}

// Rows worked out by hand from the hotel's file (Device1=10,0,1,1,34,34 and
// DeviceBetween1=7 (34); eight slave sounder bases) and the bundled
// catalogue, with a second standalone device wired after address 1.
TEST(Schedules, TheHotelsRowsAsItsFileAndTheCatalogueGiveThem)
{
    OpenedExample site("Harbour-Hotel.QLX");
    ASSERT_TRUE(site.opened);
    clsCalculator& loop = site.document.Loop(1);
    loop.SetDeviceStandalone(1, 3, loop.DeviceStandalone(4, 2));  // a Line Isolator Module
    const CsvRecords addresses = ReadBack(Schedules::AddressScheduleCsv(site.document));
    ASSERT_GE(addresses.size(), 2u);
    EXPECT_EQ(addresses[1], (std::vector<std::string>{"1", "", "1", "Optical Smoke Detector with Remote Output",
                                                       "Slave Sounder Base", "", "Remote Indicator",
                                                       "Slave Wall Sounder; Line Isolator Module", "0"}));
    EXPECT_NE(Schedules::DeviceScheduleCsv(site.document)
                  .find("\r\n1,\"Bay 3, \"\"north\"\" µ-wing\",Device,Slave Sounder Base,8,200,4700,1600,37600,\r\n"),
              std::string::npos);
}

// A write that fails says which file and why, and leaves an earlier schedule
// byte for byte, with no temporary file beside it.
TEST(Schedules, AFailedWriteKeepsTheEarlierFileAndSaysWhy)
{
    using Schedules::Schedule;
    OpenedExample site("Harbour-Hotel.QLX");
    ASSERT_TRUE(site.opened);
    const ScratchFolder& folder = site.bundled.folder;
    const std::string earlier = folder.Write("out/Devices.csv", "an earlier schedule\r\n");
    const std::string blocked = folder.Write("blocked", "a file, not a folder") + "/Addresses.csv";
    const auto failingRename = [](FileSystem::WriteStep step) { return step == FileSystem::WriteStep::Rename; };
    const struct {
        std::string path;
        FileSystem::WriteFault fault;
        Schedule schedule;
        std::string error;
    } cases[] = {
        {earlier, failingRename, Schedule::Devices,
         "The device schedule could not be written to '" + earlier + "': Input/output error."},
        {blocked, {}, Schedule::Addresses,
         "The address schedule could not be written to '" + blocked + "': Not a directory."},
        {folder.Path("out"), {}, Schedule::Devices,
         "The device schedule could not be written to '" + folder.Path("out") + "': Is a directory."},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Schedules::WriteSchedule(site.document, c.schedule, c.path, error, c.fault));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(folder.Read("out/Devices.csv"), "an earlier schedule\r\n");
        EXPECT_EQ(folder.Listing("out"), "Devices.csv;");
    }
    std::string error;
    EXPECT_TRUE(Schedules::WriteSchedule(site.document, Schedule::Devices, earlier, error));
    EXPECT_EQ(folder.Read("out/Devices.csv"), Schedules::DeviceScheduleCsv(site.document));
}

TEST(Schedules, SuggestedBesideTheDocumentUnderItsName)
{
    using Schedules::Schedule;
    const Catalogue catalogue;
    Document document(catalogue);
    EXPECT_EQ(Schedules::SuggestedPath(document, "/home/me/Documents", Schedule::Addresses),
              "/home/me/Documents/Loop Calculation - Addresses.csv");
    document.Path = "/sites/Harbour Hotel.v2.QLX";
    EXPECT_EQ(Schedules::SuggestedPath(document, "/home/me/Documents", Schedule::Devices),
              "/sites/Harbour Hotel.v2 - Devices.csv");
}
