#include "catalogues/DataFiles.h"

#include "platform/Folders.h"

DataFiles DataFiles::FromRoot(const std::string& root)
{
    DataFiles files;
    files.PanelsFolder = root + "/Harvex/Panels";
    files.CablesFolder = root + "/Harvex/Cables";
    files.DevicesFolder = root + "/Harvex/Devices";
    files.BatteriesFolder = root + "/Harvex/Batteries";
    files.RevisedStandardPanelsFile = files.PanelsFolder + "/revisedstdpan.dat";
    files.StandardPanelsFile = files.PanelsFolder + "/QuellarStdPanels.dat";
    files.CustomPanelsFile = Folders::UserDataFolder() + "/Panels/CUSTPAN.DAT";
    files.CablesFile = files.CablesFolder + "/QuellarCables.dat";
    files.DevicesFile = files.DevicesFolder + "/QuellarDevices.dat";
    files.CustomDevicesFile = files.DevicesFolder + "/QuellarCustomDevices.dat";
    files.BatteriesFile = files.BatteriesFolder + "/QuellarBatteries.dat";
    return files;
}

DataFiles DataFiles::Locate()
{
    return FromRoot(Folders::DataRoot());
}

std::string PlaceText(const std::string& path)
{
    return "configuration settings in '" + path + "'.";
}

std::string MissingFileMessage(const std::string& what, const std::string& path)
{
    return "Unable to find file containing " + what + ": '" + path + "'.";
}
