#include "platform/FileSystem.h"

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(FileSystem, AnAtomicWriteReplacesTheFileKeepingItsPermissions)
{
    ScratchFolder folder;
    const std::string path = folder.Write("site.QLX", "old");
    fs::create_directory(folder.Path("Loops.QLX"));
    for (const char* absent : {"SITE.qlx", "Loops.QLX", "missing.QLX"})
        EXPECT_FALSE(FileSystem::FileExists(folder.Path(absent))) << absent;
    const auto kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, kept);
    const auto before = FileSystem::Stamp(path);
    ASSERT_TRUE(FileSystem::WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(folder.Read("site.QLX"), "new contents");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, kept);
    EXPECT_NE(FileSystem::Stamp(path), before);
    EXPECT_FALSE(FileSystem::WriteFileAtomically(folder.Path("site.QLX/inside.DAT"), "x"));

    // A folder is not deleted as a file; a read-only file says so.
    EXPECT_FALSE(FileSystem::DeleteFile(folder.Path("Loops.QLX")) || FileSystem::IsReadOnly(path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(FileSystem::IsReadOnly(path));
}

// The names the program opens and lists by; an empty name names no file.
TEST(FileSystem, AnAbsolutePathIsTheFullNameWithoutDots)
{
    const std::string here = fs::current_path().string();
    EXPECT_EQ(FileSystem::AbsolutePath("sites/./old/../site.QLX"), here + "/sites/site.QLX");
    EXPECT_EQ(FileSystem::AbsolutePath("/a/../b.QLX"), "/b.QLX");
    EXPECT_EQ(FileSystem::AbsolutePath(""), "");
}

// A step that fails before the rename leaves the old file and no temporary
// one; a failed flush of the folder after it still reports the failure.
TEST(FileSystem, AFailedStepOfAnAtomicWriteLeavesTheOldFile)
{
    using FileSystem::WriteStep;
    for (const WriteStep failing : {WriteStep::CreateTemporary, WriteStep::WriteBytes, WriteStep::Sync,
                                    WriteStep::Rename, WriteStep::SyncFolder}) {
        SCOPED_TRACE(static_cast<int>(failing));
        ScratchFolder folder;
        const std::string path = folder.Write("site.QLX", "old");
        EXPECT_FALSE(FileSystem::WriteFileAtomically(path, std::string(5000, 'n'),
                                                     [failing](WriteStep step) { return step == failing; }));
        EXPECT_EQ(folder.Read("site.QLX"), failing == WriteStep::SyncFolder ? std::string(5000, 'n') : "old");
        EXPECT_EQ(folder.Listing(), "site.QLX;");
    }
}

// A writer stopped by a crash before its rename leaves the old file and its
// temporary one, which the next write clears.
TEST(FileSystem, TheNextWriteClearsWhatACrashedWriterLeft)
{
    ScratchFolder folder;
    const std::string path = folder.Write("site.QLX", "old");
    const auto crashAtRename = [](FileSystem::WriteStep step) { return step == FileSystem::WriteStep::Rename && (Crash(), true); };
    EXPECT_EQ(WaitForChild(StartChild([&] { return FileSystem::WriteFileAtomically(path, "new", crashAtRename) ? 0 : 1; })), Crashed);
    EXPECT_EQ(folder.Read("site.QLX") + "|" + std::to_string(folder.Listing() != "site.QLX;"), "old|1");  // a temporary is left
    ASSERT_TRUE(FileSystem::WriteFileAtomically(path, "newer"));
    EXPECT_EQ(folder.Read("site.QLX") + "|" + folder.Listing(), "newer|site.QLX;");
}

// The listener hears of each file once it has changed, and of nothing that
// failed.
TEST(FileSystem, TheChangeListenerHearsOfEveryCompletedChange)
{
    ScratchFolder folder;
    std::string heard;
    FileSystem::SetChangeListener([&](const std::string& path) { heard += fs::path(path).filename().string() + ";"; });
    const std::string path = folder.Path("a.DAT");
    FileSystem::WriteFileAtomically(path, "x");
    FileSystem::WriteFileAtomically(folder.Path("a.DAT/inside.DAT"), "x");
    FileSystem::LinkOrCopy(path, folder.Path("b.DAT"));
    FileSystem::RenameFile(folder.Path("b.DAT"), folder.Path("c.DAT"));
    FileSystem::RenameFile(path, folder.Path("c.DAT"));
    FileSystem::DeleteFile(folder.Path("c.DAT"));
    FileSystem::DeleteFile(folder.Path("c.DAT"));
    FileSystem::SetChangeListener({});
    EXPECT_EQ(heard, "a.DAT;b.DAT;b.DAT;c.DAT;c.DAT;");
}
