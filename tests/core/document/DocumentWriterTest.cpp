#include "document/DocumentWriter.h"

#include "support/ChildProcess.h"
#include "support/DocumentFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The keys of a loop nobody touched: the defaults of a new document (the
// options' impedance 1000 and calculation type 1, the panel's 96 outputs).
std::string UntouchedLoop(int loop)
{
    return "[Loop" + std::to_string(loop) +
           "]\r\n"
           "CableImpedance=1000\r\n"
           "CableFirstRun=0\r\n"
           "CableFirstLength=0\r\n"
           "CableMaxRun=0\r\n"
           "CableTotalLength=0\r\n"
           "Calculation=1\r\n"
           "MaxOutputs=96\r\n"
           "DINLEDsDisabled=False\r\n"
           "IgnoreIsolators=False\r\n";
}

struct DocumentWriter : ::testing::Test {
    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    const DocumentCatalogue& c = f.catalogue;
    std::string path = f.folder.Path("docs/plan.QLX");

    std::string Listing() const { return f.folder.Listing("docs"); }
    // Saves a document whose site name tells the saves apart.
    bool SaveAs(const std::string& siteName, const SaveFault& fault = {})
    {
        document.SiteName = siteName;
        document.Dirty = true;
        return WriteDocument(document, path, "0809", f.messages, fault);
    }
    std::string Contents(const std::string& name) const { return f.folder.Read("docs/" + name); }
    // A document and its backup, as new files (a save may leave the two as
    // links of one file, which writing in place would change together).
    void OldFiles()
    {
        std::filesystem::remove(path);
        std::filesystem::remove(BackupPath(path));
        f.folder.Write("docs/plan.QLX", "old file");
        f.folder.Write("docs/plan.BAK", "old backup");
    }
};

}  // namespace

// The whole file, byte for byte: the custom sections land where the writes
// put them (after the loop that first used them), eavesdropping, standalone
// and location keys interleave by address, the count keys follow by Id.
TEST_F(DocumentWriter, WritesTheFileTheProfileWritesWouldMake)
{
    document.ModifiedDate = {2024, 3, 6, 9, 0, 0};
    document.LoopName(1) = "North wing";
    clsCalculator& loop1 = document.Loop(1);
    loop1.SetCableImpedance(1210);
    loop1.SetCableFirst(125);
    loop1.SetCableTotal(2004);
    loop1.SetCalcType(CalculationType::MaxVoltDrop);
    loop1.SetIgnoreIsolators(true);
    loop1.SetDeviceType(1, c.customSensor);
    loop1.SetDeviceOtherType(1, c.customStrobe);
    loop1.SetDeviceOtherBaseType(1, c.relayBase);
    document.SetAddressTag(1, 1, -3);
    loop1.SetDeviceType(2, c.optical);
    document.SetEavesdropping(1, 2, 1);
    loop1.DeviceStandaloneTypeAndAddress(2, 2, c.callPoint, 1);
    loop1.DeviceStandaloneTypeAndAddress(2, 4, c.lineIsolator, 0);
    loop1.SetCablePosition(2, 150);
    loop1.SetStandaloneCablePosition(2, 4, 180);
    loop1.SetLocation(2, " Room 1.12, \"north\" ");
    loop1.SetStandaloneLocation(2, 4, "Stair B");

    std::string expected = ";Configuration data for Harvex Zephan Dralonix\r\n"
                           "[Dralon]\r\n"
                           "CreatedDate=2024-03-05 14:07:09\r\n"
                           "DataFormat=1\r\n"
                           "SiteName=\"\"\r\n"
                           "ModifiedDate=2024-03-06 09:00:00\r\n"
                           "PanelType=\"Standard 8-Loop\"\r\n"
                           "[Loop1]\r\n"
                           "Name=\"North wing\"\r\n"
                           "CableImpedance=1210\r\n"
                           "CableFirstRun=13\r\n"
                           "CableFirstLength=125\r\n"
                           "CableMaxRun=200\r\n"
                           "CableTotalLength=2004\r\n"
                           "Calculation=0\r\n"
                           "MaxOutputs=96\r\n"
                           "DINLEDsDisabled=False\r\n"
                           "IgnoreIsolators=True\r\n"
                           "Device1=C8,-3,C12+7,1,1,0\r\n"
                           "EavesdroppingDevice2=1,0,0,2,2,0\r\n"
                           "DeviceBetween2=9 (1),,10\r\n"
                           "CablePosition2=150\r\n"
                           "CablePositionBetween2=,,180\r\n"
                           "Location2=\" Room 1.12, \"north\" \"\r\n"
                           "LocationBetween2-4=\"Stair B\"\r\n"
                           "Relay Base=1\r\n"
                           "Call Point=1\r\n"
                           "Line Isolator=1\r\n"
                           "Custom_Site Strobe=1\r\n"
                           "[CustomDevice]\r\n"
                           "Device8=Site Special Sensor\r\n"
                           "[CustomOther]\r\n"
                           "Other12=Site Strobe\r\n";
    for (int loop = 2; loop <= 8; ++loop)
        expected += UntouchedLoop(loop);
    expected += "[Power]\r\nRule=\"BS 5839-1\"\r\n";

    ASSERT_TRUE(SaveAs(""));
    EXPECT_EQ(Contents("plan.QLX"), expected);
    EXPECT_FALSE(document.Dirty);
    EXPECT_TRUE(f.messages.boxes.empty());
    EXPECT_EQ(Listing(), "plan.QLX;");
}

struct StepOutcome {
    SaveStep Step;
    const char* File;    // what the document's name holds afterwards: "old file" or "new"
    const char* Backup;  // and the backup's
    const char* Named;   // the file the message names
};
// Until the new file is renamed into place the name holds the old one; the
// backup takes the old file by one rename before that.
constexpr StepOutcome EverySaveStep[] = {
    {SaveStep::CreateTemporary, "old file", "old backup", "plan.QLX"},
    {SaveStep::WriteNew, "old file", "old backup", "plan.QLX"},
    {SaveStep::SyncNew, "old file", "old backup", "plan.QLX"},
    {SaveStep::LinkBackup, "old file", "old backup", "plan.BAK"},
    {SaveStep::ReplaceBackup, "old file", "old backup", "plan.BAK"},
    {SaveStep::MoveNewIntoPlace, "old file", "old file", "plan.QLX"},
    {SaveStep::SyncFolder, "new", "old file", "plan.QLX"}};

// Whichever step fails, the user is told, the document in memory is the one
// they were saving, still marked changed, and no temporary file is left. A
// crash (the process stopped) there leaves the same files, and the next save
// clears what the crash left behind.
TEST_F(DocumentWriter, AFailureOrACrashAtAnyStepLeavesWholeFiles)
{
    document.LoopName(2) = "East";
    document.Loop(2).SetDeviceType(4, c.optical);
    document.Loop(2).DeviceStandaloneTypeAndAddress(4, 3, c.callPoint, 4);
    document.SiteName = "new";
    const std::string inMemory = DocumentText(document, "0809");

    for (const StepOutcome& stop : EverySaveStep) {
        SCOPED_TRACE(static_cast<int>(stop.Step));
        OldFiles();
        f.messages.boxes.clear();
        EXPECT_FALSE(SaveAs("new", [&stop](SaveStep step) { return step == stop.Step; }));
        EXPECT_TRUE(document.Dirty);
        EXPECT_EQ(DocumentText(document, "0809"), inMemory);
        EXPECT_EQ(Contents("plan.QLX"), stop.File == std::string("new") ? inMemory : stop.File);
        EXPECT_EQ(Contents("plan.BAK"), stop.Backup);
        EXPECT_EQ(Listing(), "plan.BAK;plan.QLX;");
        ASSERT_EQ(f.messages.boxes.size(), 1u);
        EXPECT_EQ(f.messages.boxes[0].Text, "Unable to save the configuration data\n\n'" +
                                                f.folder.Path(std::string("docs/") + stop.Named) +
                                                "': Input/output error.");
        EXPECT_EQ(f.messages.boxes[0].Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
        EXPECT_EQ(f.messages.boxes[0].Caption, "Harvex Ferrolux");

        OldFiles();
        EXPECT_EQ(WaitForChild(StartChild([&] {
                      SaveAs("new", [&stop](SaveStep step) { return step == stop.Step ? (Crash(), true) : false; });
                      return 0;
                  })),
                  Crashed);
        EXPECT_EQ(Contents("plan.QLX"), stop.File == std::string("new") ? inMemory : stop.File);
        EXPECT_EQ(Contents("plan.BAK"), stop.Backup);
        const std::string left = Contents("plan.QLX");
        ASSERT_TRUE(SaveAs("new"));
        EXPECT_EQ(Listing(), "plan.BAK;plan.QLX;");
        EXPECT_EQ(Contents("plan.BAK"), left);
        EXPECT_EQ(Contents("plan.QLX"), inMemory);
    }
}

// The system's own reason: the backup's name taken by a folder.
TEST_F(DocumentWriter, AFailedSaveNamesTheFileAndTheReason)
{
    f.folder.Write("docs/plan.QLX", "old file");
    std::filesystem::create_directories(f.folder.Path("docs/plan.BAK"));
    EXPECT_FALSE(SaveAs("new"));
    EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{"Unable to save the configuration data\n\n'" +
                                                           f.folder.Path("docs/plan.BAK") + "': Is a directory."});
}

// The classic rule (the last three characters replaced by "BAK") where the
// name has an extension of three characters; ".BAK" after any other name, so
// that a backup never leaves the document's folder nor eats into its name.
TEST(BackupPath, ReplacesAThreeCharacterExtensionOrFollowsTheName)
{
    for (const auto& [path, backup] : std::initializer_list<std::pair<std::string, std::string>>{
             {"/home/me/site.QLX", "/home/me/site.BAK"},
             {"/home/me/.QLX", "/home/me/.BAK"},
             {"/home/me/site.Qµx", "/home/me/site.BAK"},  // three characters, four bytes
             {"/home/me/plan", "/home/me/plan.BAK"},
             {"dir/abc", "dir/abc.BAK"},
             {"/home/me/site.QL", "/home/me/site.QL.BAK"},
             {"/home/me/site.QLXX", "/home/me/site.QLXX.BAK"},
         })
        EXPECT_EQ(BackupPath(path), backup) << path;
}

// Whatever name the user gives, the document is saved with ".QLX" at its end.
TEST(DocumentPath, AddsTheExtensionWhenTheNameDoesNotEndInIt)
{
    for (const auto& [chosen, path] : std::initializer_list<std::pair<std::string, std::string>>{
             {"/home/me/Millbrook.rev3", "/home/me/Millbrook.rev3.QLX"},
             {"/home/me/Millbrook.QLX.old", "/home/me/Millbrook.QLX.old.QLX"},
             {"/home/me/MillbrookQLX", "/home/me/MillbrookQLX.QLX"},
             {"/home/me/Millbrook.QLX", "/home/me/Millbrook.QLX"},
             {"/home/me/Millbrook.qlx", "/home/me/Millbrook.qlx"},
         })
        EXPECT_EQ(DocumentPath(chosen), path) << chosen;
}
