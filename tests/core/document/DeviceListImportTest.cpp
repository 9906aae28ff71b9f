#include "document/DeviceListImport.h"

#include "catalogues/PanelCatalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/DocumentWriter.h"
#include "document/LoopEditing.h"
#include "document/NewDocument.h"
#include "forms/LoopEditorCore.h"
#include "platform/FileSystem.h"
#include "report/Schedules.h"
#include "support/BundledCatalogue.h"
#include "support/SameLoop.h"

#include <gtest/gtest.h>

namespace {

using namespace DeviceListImport;

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : " | ") + line;
    return text;
}

class DeviceListImportTest : public ::testing::Test {
protected:
    void NewSite()
    {
        ASSERT_TRUE(SelectPanelByName(bundled.catalogue, bundled.options, "Quellar QX-2 Two Loop"));
        NewDocument(document, CurrentLoopDefaults(bundled.options, bundled.catalogue));
        document.Loop(1).SetCableTotal(5000);
        // Loaded panels hold a loop of every address; this one holds fewer.
        bundled.catalogue.Panels[static_cast<size_t>(bundled.catalogue.CurrentPanel)].MaxDevicesPerLoop = 126;
    }
    std::string Saved(Document& site, const std::string& name)
    {
        const std::string path = bundled.folder.Path(name);
        EXPECT_TRUE(WriteDocument(site, path, "0809", bundled.messages));
        return FileSystem::ReadFileBytes(path).value_or("");
    }
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
};

class ExampleImport : public DeviceListImportTest, public ::testing::WithParamInterface<const char*> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Examples, ExampleImport,
                         ::testing::Values("Harbour-Hotel.QLX", "Northgate-Offices.QLX", "Riverside-Warehouse.QLX"));

// The address schedule carries a site's loops whole: emptied and imported
// again, every loop is the same and saves to the same bytes.
TEST_P(ExampleImport, AnExportedScheduleImportedOntoTheEmptiedLoopsGivesTheSameSite)
{
    ASSERT_TRUE(bundled.Loaded);
    Document original(bundled.catalogue);
    for (Document* site : {&original, &document}) {
        ASSERT_EQ(bundled.Open(*site, FERROLUX_EXAMPLES_DIR "/" + std::string(GetParam())), OpenOutcome::Opened);
        // Every other point named, as a commissioning engineer walks it.
        for (int loop = 1; loop <= Document::LoopCount; ++loop)
            for (int a = 1; a < clsCalculator::AddressCount; a += 2) {
                site->Loop(loop).SetLocation(a, site->Loop(loop).DeviceType(a) == 0 ? "" : "Room " + std::to_string(a) + ", \"east\" ceiling");
                site->Loop(loop).SetStandaloneLocation(a, clsCalculator::FirstSlot, "Riser " + std::to_string(a));
            }
    }
    const std::string schedule = Schedules::AddressScheduleCsv(document);
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        LoopEditing::ClearDevices(document, loop);

    const Outcome outcome = Import(document, DeviceList::Read(schedule, "schedule.csv"), {});
    EXPECT_EQ(Joined(RefusalLines(outcome)), "");
    EXPECT_TRUE(outcome.Unknowns.empty());
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        EXPECT_TRUE(SameLoop(document.Loop(loop), original.Loop(loop), bundled.catalogue)) << "loop " << loop;
        EXPECT_EQ(document.Loop(loop).VoltDrop(), original.Loop(loop).VoltDrop()) << "loop " << loop;
    }
    document.ModifiedDate = original.ModifiedDate;  // the import is a change made now
    EXPECT_EQ(Saved(document, "imported.QLX"), Saved(original, "original.QLX"));
    ASSERT_TRUE(UndoEdit(document, bundled.catalogue, bundled.options));  // one step takes it back
    EXPECT_EQ(LoopEditing::OccupiedAddresses(document, 1), 0);
}

// Typed quantities and a bill of quantities of them are the same loops.
TEST_F(DeviceListImportTest, ABillOfQuantitiesPlacesAsTypingItsQuantities)
{
    ASSERT_TRUE(bundled.Loaded);
    NewSite();
    const Outcome outcome = Import(document,
                                   DeviceList::Read("Loop,Type,Qty\r\n1,Optical Smoke Detector,20\r\n"
                                                    "2,Sounder Base,4\r\n1,Manual Call Point,4\r\n"
                                                    "2,Heat Detector with Remote Output,12\r\n",
                                                    "bill.csv"),
                                   {});
    EXPECT_EQ(Joined(outcome.Loops.at(1).Placed), "12 \u00D7 Heat Detector with Remote Output | 4 \u00D7 Sounder Base");

    Document typed(bundled.catalogue);
    NewDocument(typed, CurrentLoopDefaults(bundled.options, bundled.catalogue));
    typed.Loop(1).SetCableTotal(5000);
    const std::vector<std::tuple<int, const char*, int>> quantities{{1, "Optical Smoke Detector", 20},
                                                                    {1, "Manual Call Point", 4},
                                                                    {2, "Heat Detector with Remote Output", 12}};
    for (const auto& [loop, name, quantity] : quantities) {
        LoopEditorCore editor(typed, bundled.options, bundled.messages, loop);
        editor.Activate();
        ASSERT_TRUE(editor.CommitDeviceQuantity(editor.AddDeviceRow(bundled.catalogue.FindDeviceType(name)), quantity));
    }
    LoopEditorCore editor(typed, bundled.options, bundled.messages, 2);
    editor.Activate();
    const auto& others = editor.OtherRows();
    const auto base = std::find_if(others.begin(), others.end(), [&](int other) {
        return bundled.catalogue.OtherDevice(other).SingleName == "Sounder Base";
    });
    ASSERT_TRUE(editor.CommitOtherQuantity(static_cast<size_t>(base - others.begin()), 4));
    for (int loop = 1; loop <= 2; ++loop)
        EXPECT_TRUE(SameLoop(document.Loop(loop), typed.Loop(loop), bundled.catalogue)) << "loop " << loop;
}

// The names mapped in the window come back for the next import, by the
// entries' names; a name left out stays left out.
TEST_F(DeviceListImportTest, MappedNamesAreRemembered)
{
    ASSERT_TRUE(bundled.Loaded);
    const Entry beacon{Entry::Kind::Other, EntryIndex(bundled.catalogue).Find("slave beacon")->Code};
    RememberMapping(bundled.options, bundled.catalogue, {{"blitz", beacon}, {"old thing", std::nullopt}});
    RememberMapping(bundled.options, bundled.catalogue, {{"rauchmelder", EntryIndex(bundled.catalogue).Find("Heat Detector Fixed 78C")}});
    EXPECT_EQ(RememberedMapping(bundled.options, bundled.catalogue),
              (Mapping{{"blitz", beacon}, {"old thing", std::nullopt},
                       {"rauchmelder", EntryIndex(bundled.catalogue).Find("heat detector fixed 78c")}}));
}

// How spreadsheets write a list, and what the import makes of each.
TEST_F(DeviceListImportTest, WhatSpreadsheetsWriteAndWhatTheRulesRefuse)
{
    ASSERT_TRUE(bundled.Loaded);
    const Entry optical{Entry::Kind::Device, bundled.catalogue.FindDeviceType("Optical Smoke Detector")};
    const struct {
        const char* what;
        std::string csv;
        Mapping mapping;
        std::string placed;   // on loop 1
        std::string refused;  // or the file's failure, or the unknown names
        int32_t position = clsCalculator::NoPosition;  // of address 7
    } cases[] = {
        {"semicolons, a byte-order mark and decimal commas",
         "\xEF\xBB\xBFLoop;Address;Device Type;Distance (m)\r\n1;7;optical smoke detector;12,5\r\n", {},
         "1 \u00D7 Optical Smoke Detector | distances along the cable for 1 point", "", 125},
        {"feet", "Loop,Address,Type,Position (ft)\n1,7,Optical Smoke Detector,10\n", {},
         "1 \u00D7 Optical Smoke Detector | distances along the cable for 1 point", "", 30},
        {"Windows-1252, a name mapped", "Loop,Type,Qty\n1,D\xE9tecteur optique,2\n", {{"d\xC3\xA9tecteur optique", optical}},
         "2 \u00D7 Optical Smoke Detector", ""},
        {"a row shorter than the header", "Loop,Type,Qty,Location\n1,Optical Smoke Detector,2\n", {},
         "2 \u00D7 Optical Smoke Detector", ""},
        {"a quoted name with a comma, unknown", "Loop,Type,Qty\n1,\"Detector, optical\",2\n", {}, "",
         "'Detector, optical' is in neither catalogue (row 2)."},
        {"the same left out", "Loop,Type,Qty\n1,\"Detector, optical\",2\n", {{"detector, optical", std::nullopt}}, "", ""},
        {"an address outside the type's range, and one with nothing",
         "Loop,Address,Device Type\n1,127,Optical Smoke Detector\n1,9,\n", {}, "",
         "Row 2 (loop 1): Address 127 is outside the address range of Optical Smoke Detectors (A). | "
         "Row 3 (loop 1): the row names nothing to place at address 9."},
        {"more devices than the panel allows",
         "Loop,Type,Qty\n1,Optical Smoke Detector,100\n1,Manual Call Point,26\n1,Manual Call Point,1\n", {},
         "100 \u00D7 Optical Smoke Detector | 26 \u00D7 Manual Call Point", "Row 4 (loop 1): Too many devices on this loop!"},
        {"a loop the panel has not", "Loop,Type,Qty\n3,Optical Smoke Detector,1\n", {}, "",
         "Row 2: '3' is not a loop of the panel (loops 1 to 2)."},
        {"a distance out of cable order",
         "Loop,Address,Type,Distance (m)\n1,1,Multisensor Detector,10\n1,2,Multisensor Detector,30\n1,3,Multisensor Detector,20\n1,4,Multisensor Detector,25\n",
         {}, "4 \u00D7 Multisensor Detector | distances along the cable for 3 points",
         "Row 3 (loop 1): the distance 30 is out of cable order."},
        {"no header", "1,2,3\n", {}, "",
         "The device list 'list.csv' has no header row naming its columns: it needs an Address column (a schedule "
         "of addresses) or Type and Quantity columns (a bill of quantities)."},
        {"an unclosed quote", "Loop,Type,Qty\n1,\"Optical,2\n", {}, "",
         "The device list 'list.csv' cannot be read: a quoted field has no closing quote (line 2)."},
    };
    for (const auto& test : cases) {
        NewSite();
        const Outcome outcome = Import(document, DeviceList::Read(test.csv, "list.csv"), test.mapping);
        std::vector<std::string> told = RefusalLines(outcome);
        for (const Outcome::Unknown& unknown : outcome.Unknowns)
            told.push_back(UnknownLine(unknown));
        if (!outcome.Failure.empty())
            told.push_back(outcome.Failure);
        const auto loop1 = std::find_if(outcome.Loops.begin(), outcome.Loops.end(), [](const auto& l) { return l.Loop == 1; });
        EXPECT_EQ(loop1 == outcome.Loops.end() ? "" : Joined(loop1->Placed), test.placed) << test.what;
        EXPECT_EQ(Joined(told), test.refused) << test.what;
        EXPECT_EQ(document.Loop(1).CablePosition(7), test.position) << test.what;
    }
}
