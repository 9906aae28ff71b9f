#include "platform/SettingsStore.h"

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

// Values keep their kind across a restart; a second
// store on the same file sees the first one's writes.
TEST(SettingsStore, ValuesRoundTripAcrossStores)
{
    ScratchFolder folder;
    const std::string path = folder.Path("Harvex/s.conf");  // the folder does not exist yet
    SettingsStore first(path);
    ASSERT_TRUE(first.WriteString("LastPanel", "Panel \"A\", loop\\2\nsecond line\t"));
    ASSERT_TRUE(first.WriteNumber("Form Width", INT32_MAX));
    SettingsStore second(path);
    EXPECT_EQ(second.ReadString("lastpanel"), "Panel \"A\", loop\\2\nsecond line\t");
    EXPECT_EQ(second.ReadNumber("Form Width"), INT32_MAX);
}

// A failed write leaves the values as they were; a batch writes once, when
// it ends, and meanwhile reads answer with what was written.
TEST(SettingsStore, FailedWritesChangeNothingAndABatchWritesOnce)
{
    ScratchFolder folder;
    const std::string path = folder.Path("s.conf");
    int writes = 0;
    bool fail = true;
    SettingsStore store(path, [&](FileSystem::WriteStep step) {
        writes += step == FileSystem::WriteStep::Rename;
        return fail && step == FileSystem::WriteStep::Sync;
    });
    EXPECT_FALSE(store.WriteNumber("Units", 1));
    EXPECT_FALSE(store.Exists("Units"));
    EXPECT_FALSE(FileSystem::FileExists(path));

    fail = false;
    ASSERT_TRUE(store.WriteNumber("Units", 0));
    {
        const SettingsStore::Batch batch(store);
        ASSERT_TRUE(store.WriteNumber("Form Width", 800));
        ASSERT_TRUE(store.Delete("UNITS"));
        EXPECT_EQ(store.ReadNumber("form width"), 800);
        EXPECT_FALSE(store.Exists("Units"));
        EXPECT_EQ(writes, 1);
    }
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(folder.Read("s.conf"), "; Harvex Ferrolux user settings\n\"Form Width\"=dword:00000320\n");
}

// Each write changes only its own names in the file as it is under the lock,
// so two processes writing at once keep each other's values.
TEST(SettingsStore, TwoProcessesWritingAtOnceKeepEachOthersValues)
{
    ScratchFolder folder;
    const std::string path = folder.Path("Harvex/s.conf");
    const auto name = [](int writer, int n) { return "W" + std::to_string(writer) + "V" + std::to_string(n); };
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
    for (int n = 0; n < 400; ++n)
        kept += after.ReadNumber(name(n / 200, n % 200)) == n % 200;
    EXPECT_EQ(kept, 400);
    EXPECT_EQ(folder.Listing("Harvex"), "s.conf;");
}
