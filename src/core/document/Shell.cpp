#include "document/Shell.h"

#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "platform/CaseFold.h"
#include "platform/MessageHost.h"

#include <cstdio>

namespace Shell {

std::string WindowTitle(const std::string& documentPath)
{
    if (documentPath.empty())
        return ApplicationTitle;
    std::string name = documentPath.substr(documentPath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    return name + " - " + ApplicationTitle;
}

std::string VersionString(int major, int minor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%03d", major, minor);
    return text;
}

std::string DisplayedVersion(int major, int minor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d", major, minor);
    return text;
}

void ApplyFirstStartDefaults(Catalogue& catalogue, Options& options, std::string_view localeId,
                             std::string_view iMeasure)
{
    const bool american = Scaling::IsAmericanLocale(localeId);
    const SettingsStore::Batch settings = options.WritesTogether();
    for (size_t n = 0; n < catalogue.DeviceFamilies.size(); ++n) {
        const std::string locale = UpperCase(catalogue.DeviceFamilies[n].Locale);
        const bool shown = locale == "ALL" || (locale == "US" && american) || (locale == "NONUS" && !american);
        // Every choice is stored, also one equal to the flag held so far.
        catalogue.DeviceFamilies[n].Shown = shown;
        options.SetSettingBool(SettingName::DontShowFamily + std::to_string(n), !shown);
    }
    for (size_t type = 0; type < catalogue.DeviceTypes.size(); ++type) {
        const int family = catalogue.DeviceTypes[type].Family;
        const bool shown = family >= 0 && static_cast<size_t>(family) < catalogue.DeviceFamilies.size() &&
                           catalogue.DeviceFamilies[static_cast<size_t>(family)].Shown;
        options.SetStandardDevice(static_cast<int>(type), shown);
    }
    options.DetectUnits(iMeasure, localeId);
}

bool CheckSaved(const Document& document, MessageHost& host, const std::function<bool()>& save)
{
    if (!document.Dirty || document.ReadOnly)
        return true;
    const int answer = MsgBox(host, "Configuration data has not been saved.\n\nDo you want to save now?",
                              MsgStyle::YesNoCancel + MsgStyle::Exclamation);
    if (answer == MsgResult::Yes)
        return save();
    return answer == MsgResult::No;
}

}  // namespace Shell
