#include "platform/Folders.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Folders, DataRootIsTheOverrideThenTheInstalledShareThenTheSourceData)
{
    ScratchFolder folder;
    fs::create_directories(folder.Path("prefix/bin"));
    Folders::Environment env;
    env.ExecutableFolder = folder.Path("prefix/bin");
    env.SourceDataFolder = folder.Path("source/data");
    EXPECT_EQ(Folders::DataRoot(env), "");
    fs::create_directories(folder.Path("source/data/Harvex"));
    EXPECT_EQ(Folders::DataRoot(env), folder.Path("source/data"));
    fs::create_directories(folder.Path("prefix/share/Harvex/Panels"));
    EXPECT_EQ(Folders::DataRoot(env), folder.Path("prefix/share"));
    env.DataRootOverride = "/srv/harvex";
    EXPECT_EQ(Folders::DataRoot(env), "/srv/harvex");
}

TEST(Folders, UserFoldersFollowTheXdgVariablesAndUserDirs)
{
    ScratchFolder folder;
    Folders::Environment env;
    env.Home = folder.Path("home");
    fs::create_directories(env.Home);
    EXPECT_EQ(Folders::OldSettingsFile(env), env.Home + "/.config/Harvex/QUELLAR.INI");
    env.ConfigHome = "relative/cfg";  // not absolute: ignored
    EXPECT_EQ(Folders::ConfigFolder(env), env.Home + "/.config/Harvex");

    env.ConfigHome = folder.Path("cfg");
    folder.Write("cfg/user-dirs.dirs", "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    fs::create_directories(folder.Path("home/Docs"));
    EXPECT_EQ(Folders::DocumentsFolder(env), folder.Path("home/Docs"));
}
