#include "document/FirstStart.h"

#include "catalogues/Options.h"
#include "document/Shell.h"

namespace FirstStart {

bool IsFirstStart(const Options& options) { return !options.GetSettingBool(SettingName::FirstTimeDone); }

bool NewVersionDue(const Options& options)
{
    return options.GetSettingString(SettingName::LatestVersion) != Shell::VersionString();
}

void WelcomeClosed(Options& options, bool dontShowAgain)
{
    if (!dontShowAgain)
        return;
    const SettingsStore::Batch settings = options.WritesTogether();
    options.SetSettingBool(SettingName::FirstTimeDone, true);
    options.SetSettingString(SettingName::LatestVersion, Shell::VersionString());
}

void NewVersionClosed(Options& options, bool dontShowAgain)
{
    if (dontShowAgain)
        options.SetSettingString(SettingName::LatestVersion, Shell::VersionString());
}

}  // namespace FirstStart
