#include "catalogues/UserPanelFile.h"

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

PanelRecord Panel(const std::string& name, const std::string& section)
{
    return {.Name = name, .Section = section, .Loops = 3, .DriverImpedance = 125, .AlarmLEDs = 20, .RemoteLEDs = 254,
            .Outputs = 0, .MaxLoopCurrent = 500, .MaxTotalCurrent = 1500, .MinLoopVoltage = 2750};
}

const std::string TwoPanels = "[Options]\r\nMaxCustom=3\r\n[Custom1]\r\nName=\"Mine\"\r\nLoops=1\r\n"
                              "[Custom3]\r\nName=\"Yours\"\r\nLoops=2\r\n";

}  // namespace

TEST(UserPanelFile, PanelsAreWrittenAsKeysAndSlotsAreFreeWithoutAName)
{
    ScratchFolder folder;
    const std::string file = folder.Path("Panels/CUSTPAN.DAT");
    WinINI::ProfileCache cache;
    ASSERT_TRUE(UserPanelFile::StorePanel(cache, file, Panel("Site North", "Custom1"), 1));
    EXPECT_EQ(folder.Read("Panels/CUSTPAN.DAT"), "[Custom1]\r\nName=\"Site North\"\r\nLoops=3\r\n"
                                                 "DriverImpedance=125\r\nAlarmLEDs=20\r\nRemoteLEDs=254\r\n"
                                                 "Outputs=0\r\nMaxLoopCurrent=500\r\nMaxTotalCurrent=1500\r\n"
                                                 "MinLoopVoltage=2750\r\n[Options]\r\nMaxCustom=1\r\n");

    folder.Write("Panels/CUSTPAN.DAT", TwoPanels + "[Custom2]\r\nName=\r\nLoops=4\r\n");
    EXPECT_EQ(UserPanelFile::FirstFreeSlot(cache, file), 2);
    folder.Write("Panels/CUSTPAN.DAT", TwoPanels + "[Custom2]\r\nName=Taken\r\n");
    EXPECT_EQ(UserPanelFile::FirstFreeSlot(cache, file), 4);

    for (const auto& [value, expected] : std::vector<std::pair<std::string, std::optional<int16_t>>>{
             {"", 0}, {"32767 slots", 32767}, {"32768", std::nullopt}}) {
        folder.Write("Panels/CUSTPAN.DAT", "[Options]\nMaxCustom=" + value + "\n");
        EXPECT_EQ(UserPanelFile::MaxCustom(cache, file), expected) << value;
    }
}

// A crash (the process stopped) at any step of adding or deleting a panel
// leaves the file with the whole panel or without it, and the next write
// clears what the crash left behind.
TEST(UserPanelFile, ACrashWhileAddingOrDeletingLeavesTheWholePanelOrNone)
{
    using Change = std::function<bool(WinINI::ProfileCache&, const std::string&)>;
    const std::pair<const char*, Change> changes[] = {
        {"add",
         [](WinINI::ProfileCache& cache, const std::string& file) {
             return UserPanelFile::StorePanel(cache, file, Panel("Third", "Custom4"), 4);
         }},
        {"delete", [](WinINI::ProfileCache& cache, const std::string& file) {
             return UserPanelFile::RemovePanelNamed(cache, file, "Yours");
         }}};
    for (const auto& [what, change] : changes) {
        ScratchFolder done;
        WinINI::ProfileCache plain;
        ASSERT_TRUE(change(plain, done.Write("CUSTPAN.DAT", TwoPanels)));
        const std::string changed = done.Read("CUSTPAN.DAT");

        for (const auto stop : {FileSystem::WriteStep::CreateTemporary, FileSystem::WriteStep::WriteBytes,
                                FileSystem::WriteStep::Sync, FileSystem::WriteStep::Rename,
                                FileSystem::WriteStep::SyncFolder}) {
            SCOPED_TRACE(std::string(what) + " stopped at step " + std::to_string(static_cast<int>(stop)));
            ScratchFolder folder;
            const std::string file = folder.Write("CUSTPAN.DAT", TwoPanels);
            EXPECT_EQ(WaitForChild(StartChild([&] {
                          WinINI::ProfileCache crashing([stop](FileSystem::WriteStep step) {
                              return step == stop ? (Crash(), true) : false;
                          });
                          return change(crashing, file) ? 0 : 1;
                      })),
                      Crashed);
            EXPECT_EQ(folder.Read("CUSTPAN.DAT"), stop == FileSystem::WriteStep::SyncFolder ? changed : TwoPanels);
            EXPECT_TRUE(change(plain, file));
            EXPECT_EQ(folder.Read("CUSTPAN.DAT"), changed);
            EXPECT_EQ(folder.Listing(), "CUSTPAN.DAT;");
        }
    }
}
