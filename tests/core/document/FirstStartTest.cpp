#include "document/FirstStart.h"

#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "document/Shell.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

// The welcome, and after an upgrade the new-version dialog, repeat until
// closed with the box ticked. The catalogue load, the first start's defaults
// and a ticked close each write the settings file once, not once a setting.
TEST(FirstStart, TheWelcomeAndTheNewVersionDialogRepeatUntilClosedTicked)
{
    ScratchFolder folder;
    int writes = 0;
    SettingsStore store(folder.Path("settings.conf"), [&writes](FileSystem::WriteStep step) {
        writes += step == FileSystem::WriteStep::Rename;
        return false;
    });
    Options options(store);
    ScriptedMessageHost host;
    Catalogue catalogue;
    DataFiles files = DataFiles::FromRoot(FERROLUX_TEST_DATA_DIR);
    files.CustomPanelsFile = folder.Path("user/CUSTPAN.DAT");
    ASSERT_TRUE(LoadCatalogues(catalogue, options, host, {files, folder.Path("QUELLAR.INI"), "0809"}));
    EXPECT_EQ(writes, 1);
    Shell::ApplyFirstStartDefaults(catalogue, options, "0809", "0");
    EXPECT_EQ(writes, 2);

    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    FirstStart::WelcomeClosed(options, false);
    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    EXPECT_FALSE(options.SettingExists("LatestVersion"));
    FirstStart::WelcomeClosed(options, true);
    EXPECT_EQ(writes, 3);  // an unticked close changes nothing
    EXPECT_FALSE(FirstStart::IsFirstStart(options));
    EXPECT_EQ(options.GetSettingString("LatestVersion"), Shell::VersionString());
    EXPECT_FALSE(FirstStart::NewVersionDue(options));

    options.SetSettingString("LatestVersion", "00.900");
    EXPECT_TRUE(FirstStart::NewVersionDue(options));
    FirstStart::NewVersionClosed(options, false);
    EXPECT_TRUE(FirstStart::NewVersionDue(options));
    FirstStart::NewVersionClosed(options, true);
    EXPECT_FALSE(FirstStart::NewVersionDue(options));
    EXPECT_FALSE(FirstStart::IsFirstStart(options));
}
