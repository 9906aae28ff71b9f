#include "catalogues/CatalogueStartup.h"

#include "catalogues/BatteryCatalogue.h"
#include "catalogues/CableCatalogue.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DeviceTypeLoader.h"
#include "catalogues/Options.h"
#include "catalogues/OtherDeviceLoader.h"
#include "catalogues/PanelCatalogue.h"
#include "text/WinINI.h"
#include "platform/MessageHost.h"

namespace {

// The plain box that follows a loader's own message.
bool Failed(MessageHost& host, const char* message)
{
    MsgBox(host, message, MsgStyle::OKOnly);
    return false;
}

}  // namespace

bool LoadCatalogues(Catalogue& catalogue, Options& options, MessageHost& host, const CatalogueStartup& startup)
{
    // Every data file is checked against the disk once for the whole load.
    const WinINI::ProfileCache::Pass pass(WinINI::SharedProfileCache());
    // The defaults stored on the way go to the settings file in one write.
    const SettingsStore::Batch settings = options.WritesTogether();
    options.MigrateOldSettings(startup.OldSettingsFile);

    if (!LoadDeviceTypes(catalogue, options, host, startup.Files))
        return Failed(host, "Problem initialising devices");

    options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size()) - 1);
    if (!LoadPanels(catalogue, host, startup.Files))
        return Failed(host, "Problem initialising panels");

    if (!LoadCables(catalogue, options, host, startup.Files, startup.LocaleId))
        return Failed(host, "Problem initialising cables");

    options.LoadLastCableImpedance(catalogue);
    options.LoadLastCalcType();

    if (!LoadOtherDevices(catalogue, host, startup.Files))
        return Failed(host, "Problem initialising other device data");

    if (!SelectPanelOrDefault(catalogue, options, host, options.GetSettingString(SettingName::LastPanel)))
        return Failed(host, "Problem reading last panel name");

    // Last, and never a reason to stop: the loops are calculated without them.
    LoadBatteries(catalogue, host, startup.Files);
    return true;
}
