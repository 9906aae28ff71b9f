#include "catalogues/DataFiles.h"

#include "platform/Folders.h"

#include <gtest/gtest.h>

TEST(DataFiles, FilesLieUnderTheRootExceptTheUsersOwnPanels)
{
    const DataFiles files = DataFiles::FromRoot("/usr/share");
    EXPECT_EQ(files.CustomPanelsFile, Folders::UserDataFolder() + "/Panels/CUSTPAN.DAT");
    EXPECT_EQ(PlaceText(files.CablesFile), "configuration settings in '/usr/share/Harvex/Cables/QuellarCables.dat'.");
}
