#include "platform/SettingsStore.h"

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

TEST(SettingsStore, ValuesKeepTheirKindAcrossARestart)
{
    ScratchFolder folder;
    const std::string path = folder.Path("Harvex/Harvex Ferrolux.conf");  // the folder does not exist yet
    {
        SettingsStore store(path);
        ASSERT_TRUE(store.WriteString("LastPanel", "Panel \"A\", loop\\2\nsecond line\t"));
        ASSERT_TRUE(store.WriteString("QLX Path", ""));
        ASSERT_TRUE(store.WriteNumber("FirstTimeDone", -1));
        ASSERT_TRUE(store.WriteNumber("Form Width", INT32_MAX));
        ASSERT_TRUE(store.WriteNumber("Units", INT32_MIN));
    }
    SettingsStore restarted(path);
    EXPECT_EQ(restarted.ReadString("LastPanel"), "Panel \"A\", loop\\2\nsecond line\t");
    EXPECT_EQ(restarted.ReadString("QLX Path"), "");
    EXPECT_EQ(restarted.ReadNumber("FirstTimeDone"), -1);
    EXPECT_EQ(restarted.ReadNumber("Form Width"), INT32_MAX);
    EXPECT_EQ(restarted.ReadNumber("Units"), INT32_MIN);
    // A value read as the other kind is not there.
    EXPECT_EQ(restarted.ReadNumber("LastPanel"), std::nullopt);
    EXPECT_EQ(restarted.ReadString("Units"), std::nullopt);
    EXPECT_TRUE(restarted.Exists("Units"));
    EXPECT_FALSE(restarted.Exists("LastCalcType"));
    EXPECT_EQ(restarted.ReadString("LastCalcType"), std::nullopt);
}

TEST(SettingsStore, NamesMatchInAnyCaseAndKeepTheirFirstSpelling)
{
    ScratchFolder folder;
    SettingsStore store(folder.Path("s.conf"));
    ASSERT_TRUE(store.WriteNumber("LastCalcType", 1));
    ASSERT_TRUE(store.WriteNumber("LASTCALCTYPE", 2));
    EXPECT_EQ(store.ReadNumber("lastcalctype"), 2);
    EXPECT_EQ(folder.Read("s.conf"), "; Harvex Ferrolux user settings\n\"LastCalcType\"=dword:00000002\n");
    ASSERT_TRUE(store.Delete("lastCalcType"));
    EXPECT_FALSE(store.Exists("LastCalcType"));
}

TEST(SettingsStore, WritingTheSameValueOrDeletingAMissingOneTouchesNothing)
{
    ScratchFolder folder;
    SettingsStore store(folder.Path("s.conf"));
    ASSERT_TRUE(store.WriteString("Form State", "Normal"));
    const auto before = FileSystem::Stamp(folder.Path("s.conf"));
    ASSERT_TRUE(store.WriteString("form state", "Normal"));
    ASSERT_TRUE(store.Delete("Units"));
    EXPECT_EQ(FileSystem::Stamp(folder.Path("s.conf")), before);
    // The same number as text is a different value.
    ASSERT_TRUE(store.WriteNumber("Form State", 0));
    EXPECT_NE(FileSystem::Stamp(folder.Path("s.conf")), before);
}

TEST(SettingsStore, AFailedWriteLeavesFileAndValuesAsTheyWere)
{
    ScratchFolder folder;
    const std::string path = folder.Path("s.conf");
    ASSERT_TRUE(SettingsStore(path).WriteNumber("Units", 0));
    const std::string before = folder.Read("s.conf");

    SettingsStore failing(path, [](FileSystem::WriteStep step) { return step == FileSystem::WriteStep::Sync; });
    EXPECT_FALSE(failing.WriteNumber("Units", 1));
    EXPECT_FALSE(failing.WriteString("LastPanel", "Panel"));
    EXPECT_FALSE(failing.Delete("Units"));
    EXPECT_EQ(failing.ReadNumber("Units"), 0);
    EXPECT_FALSE(failing.Exists("LastPanel"));
    EXPECT_EQ(folder.Read("s.conf"), before);
    EXPECT_EQ(folder.Listing(), "s.conf;");
}

TEST(SettingsStore, SeesWhatAnotherWriterChangedAndSkipsDamagedLines)
{
    ScratchFolder folder;
    const std::string path = folder.Path("s.conf");
    SettingsStore first(path);
    SettingsStore second(path);
    ASSERT_TRUE(first.WriteNumber("Units", 0));
    EXPECT_EQ(second.ReadNumber("Units"), 0);
    ASSERT_TRUE(second.WriteNumber("Units", 1));
    ASSERT_TRUE(second.WriteString("LastPanel", "P"));
    EXPECT_EQ(first.ReadNumber("Units"), 1);
    // A write through the first store keeps what the second one added.
    ASSERT_TRUE(first.WriteNumber("Form Width", 800));
    EXPECT_EQ(second.ReadString("LastPanel"), "P");

    folder.Write("s.conf", "\"Units\"=dword:zz\nrubbish\n \"Form Height\" = dword:258 \n\"LastPanel\"=\"unterminated\n");
    EXPECT_FALSE(first.Exists("Units"));
    EXPECT_FALSE(first.Exists("LastPanel"));
    EXPECT_EQ(first.ReadNumber("Form Height"), 0x258);
}

// A batch writes the file once, when it ends; meanwhile reads answer with
// the values written, deleted ones included.
TEST(SettingsStore, ABatchWritesItsValuesInOneWrite)
{
    ScratchFolder folder;
    const std::string path = folder.Path("s.conf");
    ASSERT_TRUE(SettingsStore(path).WriteNumber("Units", 0));
    int writes = 0;
    SettingsStore store(path, [&writes](FileSystem::WriteStep step) {
        writes += step == FileSystem::WriteStep::Rename;
        return false;
    });
    {
        const SettingsStore::Batch batch(store);
        ASSERT_TRUE(store.WriteNumber("Form Width", 800));
        ASSERT_TRUE(store.Delete("UNITS"));
        EXPECT_EQ(store.ReadNumber("form width"), 800);
        EXPECT_FALSE(store.Exists("Units"));
        EXPECT_EQ(writes, 0);
    }
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(folder.Read("s.conf"),
              "; Harvex Ferrolux user settings\n\"Form Width\"=dword:00000320\n");
}

// Each write changes only its own names in the file as it is under the lock,
// so two processes writing at once keep each other's values.
TEST(SettingsStore, TwoProcessesWritingAtOnceKeepEachOthersValues)
{
    ScratchFolder folder;
    const std::string path = folder.Path("Harvex/s.conf");
    const auto name = [](int writer, int n) { return "Writer" + std::to_string(writer) + "Value" + std::to_string(n); };
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 2; ++writer)
        writers.push_back(StartChild([&] {
            SettingsStore store(path);
            bool written = true;
            for (int n = 0; n < 200; ++n)
                written = store.WriteNumber(name(writer, n), n) && written;
            return written ? 0 : 1;
        }));
    for (const pid_t writer : writers)
        EXPECT_EQ(WaitForChild(writer), 0);
    SettingsStore after(path);
    int kept = 0;
    for (int writer = 0; writer < 2; ++writer)
        for (int n = 0; n < 200; ++n)
            kept += after.ReadNumber(name(writer, n)) == n;
    EXPECT_EQ(kept, 400);
    EXPECT_EQ(folder.Listing("Harvex"), "s.conf;");
}
