#include "catalogues/DataFiles.h"

#include "platform/Folders.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(DataFiles, WithoutADataRootTheMessagesShowTheBareFolderTailAndFileName)
{
    ScratchFolder folder;
    Folders::Environment env;
    env.SourceDataFolder = folder.Path("no/data");
    const DataFiles files = DataFiles::FromRoot(Folders::DataRoot(env));

    EXPECT_EQ(MissingFileMessage("standard panel data", files.StandardPanelsFile),
              "Unable to find file containing standard panel data: '/Harvex/Panels/QuellarStdPanels.dat'.");
    EXPECT_EQ(MissingFileMessage("device types", files.DevicesFile),
              "Unable to find file containing device types: '/Harvex/Devices/QuellarDevices.dat'.");
    EXPECT_EQ(MissingFileMessage("Other Devices data", files.DevicesFile),
              "Unable to find file containing Other Devices data: '/Harvex/Devices/QuellarDevices.dat'.");
    EXPECT_EQ(MissingFileMessage("standard cable data", files.CablesFile),
              "Unable to find file containing standard cable data: '/Harvex/Cables/QuellarCables.dat'.");
    EXPECT_EQ(files.RevisedStandardPanelsFile, "/Harvex/Panels/revisedstdpan.dat");
    EXPECT_EQ(files.CustomDevicesFile, "/Harvex/Devices/QuellarCustomDevices.dat");
}

TEST(DataFiles, FilesLieUnderTheRootExceptTheUsersOwnPanels)
{
    const DataFiles files = DataFiles::FromRoot("/usr/share");
    EXPECT_EQ(files.PanelsFolder, "/usr/share/Harvex/Panels");
    EXPECT_EQ(files.CablesFolder, "/usr/share/Harvex/Cables");
    EXPECT_EQ(files.DevicesFolder, "/usr/share/Harvex/Devices");
    EXPECT_EQ(files.CustomPanelsFile, Folders::UserDataFolder() + "/Panels/CUSTPAN.DAT");
    EXPECT_EQ(PlaceText(files.CablesFile), "configuration settings in '/usr/share/Harvex/Cables/QuellarCables.dat'.");
}
