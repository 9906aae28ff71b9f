#include "document/FirstStart.h"

#include "catalogues/Options.h"
#include "document/Shell.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

// The welcome, and after an upgrade the new-version dialog, repeat until
// closed with the box ticked.
TEST(FirstStart, TheWelcomeAndTheNewVersionDialogRepeatUntilClosedTicked)
{
    ScratchFolder folder;
    SettingsStore store(folder.Path("settings.conf"));
    Options options(store);
    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    FirstStart::WelcomeClosed(options, false);
    EXPECT_TRUE(FirstStart::IsFirstStart(options));
    FirstStart::WelcomeClosed(options, true);
    EXPECT_FALSE(FirstStart::IsFirstStart(options));
    EXPECT_EQ(options.GetSettingString("LatestVersion"), Shell::VersionString());
    EXPECT_FALSE(FirstStart::NewVersionDue(options));

    options.SetSettingString("LatestVersion", "00.900");
    FirstStart::NewVersionClosed(options, false);
    EXPECT_TRUE(FirstStart::NewVersionDue(options));
    FirstStart::NewVersionClosed(options, true);
    EXPECT_FALSE(FirstStart::NewVersionDue(options));
}
