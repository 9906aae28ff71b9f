#include "platform/Folders.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Folders, DataRootIsTheOverrideThenTheInstalledShareThenTheSourceData)
{
    ScratchFolder folder;
    fs::create_directories(folder.Path("prefix/bin"));
    fs::create_directories(folder.Path("source/data/Harvex"));
    Folders::Environment env;
    env.ExecutableFolder = folder.Path("prefix/bin");
    env.SourceDataFolder = folder.Path("source/data");

    EXPECT_EQ(Folders::DataRoot(env), folder.Path("source/data"));
    fs::create_directories(folder.Path("prefix/share/Harvex/Panels"));
    EXPECT_EQ(Folders::DataRoot(env), folder.Path("prefix/share"));
    env.DataRootOverride = "/srv/harvex";
    EXPECT_EQ(Folders::DataRoot(env), "/srv/harvex");

    // Nothing found: the data root is unavailable.
    Folders::Environment bare;
    bare.ExecutableFolder = folder.Path("source");
    bare.SourceDataFolder = folder.Path("no/such/data");
    EXPECT_EQ(Folders::DataRoot(bare), "");
}

TEST(Folders, UserFoldersFollowTheXdgVariablesOrFallBackUnderHome)
{
    Folders::Environment env;
    env.Home = "/home/ann";
    EXPECT_EQ(Folders::ConfigFolder(env), "/home/ann/.config/Harvex");
    EXPECT_EQ(Folders::UserDataFolder(env), "/home/ann/.local/share/Harvex");
    EXPECT_EQ(Folders::OldSettingsFile(env), "/home/ann/.config/Harvex/QUELLAR.INI");

    env.ConfigHome = "/tmp/cfg";
    env.DataHome = "/tmp/data";
    EXPECT_EQ(Folders::ConfigFolder(env), "/tmp/cfg/Harvex");
    EXPECT_EQ(Folders::UserDataFolder(env), "/tmp/data/Harvex");

    env.ConfigHome = "relative/cfg";  // not absolute: ignored
    EXPECT_EQ(Folders::ConfigFolder(env), "/home/ann/.config/Harvex");
}

TEST(Folders, DocumentsFolderComesFromUserDirsWhenItExists)
{
    ScratchFolder folder;
    Folders::Environment env;
    env.Home = folder.Path("home");
    env.ConfigHome = folder.Path("home/.config");
    fs::create_directories(env.Home);
    EXPECT_EQ(Folders::DocumentsFolder(env), env.Home);  // no user-dirs.dirs

    folder.Write("home/.config/user-dirs.dirs",
                 "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                 "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(Folders::DocumentsFolder(env), env.Home);  // named but missing
    fs::create_directories(folder.Path("home/Dokumente"));
    EXPECT_EQ(Folders::DocumentsFolder(env), folder.Path("home/Dokumente"));

    fs::create_directories(folder.Path("shared/docs"));
    folder.Write("home/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + folder.Path("shared/docs") + "\"\n");
    EXPECT_EQ(Folders::DocumentsFolder(env), folder.Path("shared/docs"));
}
