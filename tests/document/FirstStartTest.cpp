#include "document/FirstStart.h"

#include "catalogues/Options.h"
#include "document/Shell.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(FirstStart, TheWelcomeRepeatsUntilClosedTicked)
{
    ScratchFolder folder;
    SettingsStore store(folder.Path("settings.conf"));
    Options options(store);
    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    FirstStart::WelcomeClosed(options, false);
    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    EXPECT_FALSE(options.SettingExists("LatestVersion"));

    FirstStart::WelcomeClosed(options, true);
    EXPECT_FALSE(FirstStart::IsFirstStart(options));
    EXPECT_EQ(options.GetSettingString("LatestVersion"), Shell::VersionString());
    EXPECT_FALSE(FirstStart::NewVersionDue(options));
}

TEST(FirstStart, TheNewVersionDialogRepeatsAfterAnUpgradeUntilClosedTicked)
{
    ScratchFolder folder;
    SettingsStore store(folder.Path("settings.conf"));
    Options options(store);
    options.SetSettingBool("FirstTimeDone", true);
    options.SetSettingString("LatestVersion", "00.900");
    EXPECT_TRUE(FirstStart::NewVersionDue(options));
    FirstStart::NewVersionClosed(options, false);
    EXPECT_TRUE(FirstStart::NewVersionDue(options));
    FirstStart::NewVersionClosed(options, true);
    EXPECT_FALSE(FirstStart::NewVersionDue(options));
    EXPECT_FALSE(FirstStart::IsFirstStart(options));
}
