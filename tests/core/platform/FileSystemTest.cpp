#include "platform/FileSystem.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(FileSystem, ExistenceIsARegularFileListedUnderExactlyThatName)
{
    ScratchFolder folder;
    folder.Write("site.QLX", "x");
    folder.Write(".hidden.QLX", "x");
    fs::create_directory(folder.Path("Loops.QLX"));

    EXPECT_TRUE(FileSystem::FileExists(folder.Path("site.QLX")));
    EXPECT_FALSE(FileSystem::FileExists(folder.Path("SITE.qlx")));
    EXPECT_FALSE(FileSystem::FileExists(folder.Path(".hidden.QLX")));
    EXPECT_FALSE(FileSystem::FileExists(folder.Path("Loops.QLX")));
    EXPECT_FALSE(FileSystem::FileExists(folder.Path("missing.QLX")));
    EXPECT_FALSE(FileSystem::FileExists(folder.Path("nowhere/site.QLX")));
}

TEST(FileSystem, AnAtomicWriteReplacesTheFileKeepingItsPermissions)
{
    ScratchFolder folder;
    const std::string path = folder.Write("site.QLX", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto before = FileSystem::Stamp(path);

    ASSERT_TRUE(FileSystem::WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(folder.Read("site.QLX"), "new contents");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_NE(FileSystem::Stamp(path), before);
    EXPECT_EQ(folder.Listing(), "site.QLX;");
}

TEST(FileSystem, AnAtomicWriteCreatesMissingFoldersButFailsWhereAFolderIsAFile)
{
    ScratchFolder folder;
    ASSERT_TRUE(FileSystem::WriteFileAtomically(folder.Path("Harvex/Panels/CUSTPAN.DAT"), "[x]\r\n"));
    EXPECT_EQ(folder.Read("Harvex/Panels/CUSTPAN.DAT"), "[x]\r\n");

    folder.Write("plain", "a file");
    EXPECT_FALSE(FileSystem::WriteFileAtomically(folder.Path("plain/inside.DAT"), "x"));
}

TEST(FileSystem, RenameRefusesAnExistingTargetAndDeleteRemovesOnlyFiles)
{
    ScratchFolder folder;
    const std::string site = folder.Write("site.QLX", "site");
    const std::string backup = folder.Write("site.BAK", "older");

    EXPECT_FALSE(FileSystem::RenameFile(site, backup));
    EXPECT_EQ(folder.Read("site.BAK"), "older");
    ASSERT_TRUE(FileSystem::DeleteFile(backup));
    ASSERT_TRUE(FileSystem::RenameFile(site, backup));
    EXPECT_EQ(folder.Listing(), "site.BAK;");
    EXPECT_EQ(folder.Read("site.BAK"), "site");

    fs::create_directory(folder.Path("sub"));
    EXPECT_FALSE(FileSystem::DeleteFile(folder.Path("sub")));
    EXPECT_FALSE(FileSystem::DeleteFile(folder.Path("missing")));
}

TEST(FileSystem, ReadOnlyMeansTheUsersWritePermissionIsClear)
{
    ScratchFolder folder;
    const std::string path = folder.Write("site.QLX", "x");
    EXPECT_FALSE(FileSystem::IsReadOnly(path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(FileSystem::IsReadOnly(path));
    EXPECT_FALSE(FileSystem::IsReadOnly(folder.Path("missing.QLX")));
}
