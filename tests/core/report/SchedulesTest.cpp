#include "report/Schedules.h"

#include "document/DeviceList.h"

#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/DeviceList.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "support/BundledCatalogue.h"
#include "support/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

using Schedules::Schedule;

namespace {

int64_t Number(const std::string& field) { return std::stoll(field); }

// An example site opened as the desktop opens it, loop 1 renamed to a name a
// spreadsheet misreads unless it is quoted and its quotes doubled.
class SiteSchedules : public ::testing::Test {
protected:
    void Open(const std::string& example)
    {
        ASSERT_TRUE(bundled.Loaded);
        ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/" + example), OpenOutcome::Opened);
        document.LoopName(1) = "Bay 3, \"north\" µ-wing";
    }
    // The schedule read back as a spreadsheet program reads it, the header row left out.
    CsvRecords Rows(Schedule schedule) const
    {
        const std::string csv = Schedules::ScheduleCsv(document, schedule);
        EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
        CsvRecords rows = ReadCsv(std::string_view(csv).substr(3)).value_or(CsvRecords{});
        EXPECT_FALSE(rows.empty()) << csv;
        rows.erase(rows.begin(), rows.begin() + (rows.empty() ? 0 : 1));
        return rows;
    }

    BundledCatalogue bundled;
    Document document{bundled.catalogue};
};

class ExampleSchedules : public SiteSchedules, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { Open(GetParam()); }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSchedules,
                         ::testing::Values("Harbour-Hotel.QLX", "Northgate-Offices.QLX", "Riverside-Warehouse.QLX"));

// Each content row is its quantity times its currents; the device rows'
// quiescent currents add up to the report's sub-total (the alarm currents do
// not: the loop's is the worst alarm the panel allows, not every LED lit);
// the totals rows hold the main window's and the report's figures, exact.
TEST_P(ExampleSchedules, DeviceRowsAddUpAndTheTotalsAreTheReportsExactly)
{
    enum { Loop, LoopName, Kind, Name, Quantity, QuiescentEach, AlarmEach, QuiescentTotal, AlarmTotal, Verdict };
    const CsvRecords rows = Rows(Schedule::Devices);
    ASSERT_FALSE(rows.empty());
    std::array<int64_t, Document::LoopCount + 1> quiescentDevices{};
    for (auto row = rows.begin(); row + 1 < rows.end(); ++row) {
        ASSERT_EQ(row->size(), 10u);
        const int loop = static_cast<int>(Number((*row)[Loop]));
        const clsCalculator& model = document.Loop(loop);
        EXPECT_EQ((*row)[LoopName], document.LoopName(loop));
        if ((*row)[Kind] == "Loop Total") {
            EXPECT_EQ(quiescentDevices[static_cast<size_t>(loop)], model.QuiescentCurrentDevices().Scaled() / Currency::Scale);
            EXPECT_EQ((*row)[Quantity] + " " + (*row)[QuiescentTotal] + " " + (*row)[AlarmTotal] + " " + (*row)[Verdict],
                      MainLoopRowFor(model).Devices + " " + model.QuiescentCurrentTotal().ToString() + " " +
                          model.AlarmCurrentTotal().ToString() + " " + MainLoopRowFor(model).PassFail);
            continue;
        }
        EXPECT_EQ(Number((*row)[QuiescentTotal]), Number((*row)[Quantity]) * Number((*row)[QuiescentEach]));
        EXPECT_EQ(Number((*row)[AlarmTotal]), Number((*row)[Quantity]) * Number((*row)[AlarmEach]));
        if ((*row)[Kind] == "Device")
            quiescentDevices[static_cast<size_t>(loop)] += Number((*row)[QuiescentTotal]);
    }
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"", "", "Panel Total", document.Catalog().CurrentPanelRecord()->Name,
                                                      std::to_string(CalculationSupport::TotalDevices(document)), "", "",
                                                      CalculationSupport::TotalQuiescentCurrent(document).ToString(),
                                                      CalculationSupport::TotalAlarmCurrent(document).ToString(),
                                                      CalculationSupport::OverallDesignText(document)}));
}

// The points in the order the loop along its cable takes them, each at its
// distance in metres where it has one: an address, then its standalone devices.
TEST_P(ExampleSchedules, AddressRowsFollowTheCable)
{
    enum { Loop, Position, Address, DeviceType, SlaveBase, BaseOther, AttachedOther, Standalone, Tag, Location };
    using Point = std::tuple<int, std::string, int32_t>;  // address, standalone device, distance
    const CsvRecords rows = Rows(Schedule::Addresses);
    for (int loop = 1; loop <= document.Catalog().CurrentPanelRecord()->Loops; ++loop) {
        const clsCalculator& model = document.Loop(loop);
        std::vector<Point> listed, alongCable;
        for (const std::vector<std::string>& row : rows) {
            ASSERT_EQ(row.size(), 10u);
            const int address = static_cast<int>(Number(row[Address]));
            if (Number(row[Loop]) != loop || (row[DeviceType].empty() && row[Standalone].empty()))
                continue;
            const int32_t distance =
                row[Position].empty() ? clsCalculator::NoPosition : std::lround(std::stod(row[Position]) * 10);
            listed.emplace_back(address, row[Standalone], distance);
            EXPECT_EQ(row[Tag], row[Standalone].empty() ? std::to_string(document.AddressTag(loop, address)) : "");
        }
        for (const AlongCablePoint& point : CalculationSupport::AnalyseAlongCable(document, loop).Points) {
            const int a = point.Address, slot = point.Slot;
            const std::string name = slot == 0 ? "" : document.Catalog().OtherDevice(point.Type).SingleName;
            alongCable.emplace_back(a, name, slot == 0 ? model.CablePosition(a) : model.StandaloneCablePosition(a, slot));
        }
        EXPECT_EQ(listed, alongCable) << "loop " << loop;
    }
}

// The headers, and rows worked out by hand from the hotel's file
// (Device1=10,0,1,1,34,34 and DeviceBetween1=7 (34); eight slave sounder
// bases) and the bundled catalogue, a second standalone device added.
TEST_F(SiteSchedules, TheHotelsRowsAsItsFileAndTheCatalogueGiveThem)
{
    Open("Harbour-Hotel.QLX");
    clsCalculator& loop = document.Loop(1);
    loop.SetDeviceStandalone(1, 3, loop.DeviceStandalone(4, 2));  // a Line Isolator Module
    loop.SetStandaloneCablePosition(1, 3, 125);
    loop.SetLocation(1, "Room 1.12, corridor ceiling");
    loop.SetStandaloneLocation(1, 3, "Riser cupboard");
    EXPECT_TRUE(Schedules::AddressScheduleCsv(document).starts_with(
        "\xEF\xBB\xBFLoop,Position (m),Address,Device Type,Slave Base,Base Other Device,Attached Other Device,"
        "Standalone Device,Address Tag,Location\r\n1,,1,Optical Smoke Detector with Remote Output,Slave Sounder Base,,"
        "Remote Indicator,,0,\"Room 1.12, corridor ceiling\"\r\n1,,1,,,,,Slave Wall Sounder,,\r\n"
        "1,12.5,1,,,,,Line Isolator Module,,Riser cupboard\r\n"));
    const std::string devices = Schedules::DeviceScheduleCsv(document);
    EXPECT_TRUE(devices.starts_with("\xEF\xBB\xBFLoop,Loop Name,Kind,Name,Quantity,Quiescent Each (µA),"
                                    "Alarm Each (µA),Quiescent Total (µA),Alarm Total (µA),Verdict\r\n"));
    EXPECT_NE(devices.find("\r\n1,\"Bay 3, \"\"north\"\" µ-wing\",Device,Slave Sounder Base,8,200,4700,1600,37600,\r\n"),
              std::string::npos);
}

// The project above the table, where a spreadsheet keeps it; the list reads
// back from its header row.
TEST_F(SiteSchedules, TheProjectStandsAboveTheTable)
{
    Open("Harbour-Hotel.QLX");
    document.Project.Number = "P-2291";
    document.Project.Revision = "C";
    document.Project.Notes = "Two\nlines";
    const std::string addresses = Schedules::AddressScheduleCsv(document);
    EXPECT_TRUE(addresses.starts_with("\xEF\xBB\xBFProject Number,P-2291\r\nRevision,C\r\n\r\nLoop,Position (m),"));
    const DeviceList::List read = DeviceList::Read(addresses, "list");
    const DeviceList::List table = DeviceList::Read(addresses.substr(addresses.find("Loop,")), "list");
    EXPECT_EQ(read.Failure, "");
    EXPECT_FALSE(table.Rows.empty());
    EXPECT_EQ(read.Rows.size(), table.Rows.size());
}

// A write that fails says which file and why (that the earlier file is kept
// is the output file's rule, tested there).
TEST_F(SiteSchedules, AFailedWriteSaysWhichFileAndWhy)
{
    Open("Harbour-Hotel.QLX");
    const std::string blocked = bundled.folder.Write("blocked", "a file, not a folder") + "/Addresses.csv";
    std::string told;
    EXPECT_FALSE(Schedules::WriteSchedule(document, Schedule::Addresses, blocked, told));
    EXPECT_EQ(told, "The address schedule could not be written to '" + blocked + "': Not a directory.");
    const std::string written = bundled.folder.Path("Devices.csv");
    EXPECT_TRUE(Schedules::WriteSchedule(document, Schedule::Devices, written, told));
    EXPECT_EQ(bundled.folder.Read("Devices.csv"), Schedules::DeviceScheduleCsv(document));
    EXPECT_EQ(Schedules::ScheduleWrittenMessage(Schedule::Addresses, "/home/me/a.csv"),
              "The address schedule has been written to '/home/me/a.csv'.");
}
