#include "catalogues/UserPanelFile.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

PanelRecord Panel(const std::string& name, const std::string& section)
{
    return {.Name = name, .Section = section, .Loops = 3, .DriverImpedance = 125, .AlarmLEDs = 20, .RemoteLEDs = 254,
            .Outputs = 0, .MaxLoopCurrent = 500, .MaxTotalCurrent = 1500, .MinLoopVoltage = 2750};
}

const std::string TwoPanels = "[Options]\r\nMaxCustom=3\r\n[Custom1]\r\nName=\"Mine\"\r\nLoops=1\r\n"
                              "[Custom3]\r\nName=\"Yours\"\r\nLoops=2\r\n";

}  // namespace

TEST(UserPanelFile, PanelsAreWrittenAsKeysAndSlotsAreFreeWithoutAName)
{
    ScratchFolder folder;
    const std::string file = folder.Path("Panels/CUSTPAN.DAT");
    WinINI::ProfileCache cache;
    ASSERT_TRUE(UserPanelFile::StoreNewPanel(cache, file, Panel("Site North", "Custom1"), 1));
    EXPECT_EQ(folder.Read("Panels/CUSTPAN.DAT"), "[Custom1]\r\nName=\"Site North\"\r\nLoops=3\r\n"
                                                 "DriverImpedance=125\r\nAlarmLEDs=20\r\nRemoteLEDs=254\r\n"
                                                 "Outputs=0\r\nMaxLoopCurrent=500\r\nMaxTotalCurrent=1500\r\n"
                                                 "MinLoopVoltage=2750\r\n[Options]\r\nMaxCustom=1\r\n");

    // A figure of its own for the points between isolators is kept; the usual 32 is not written.
    PanelRecord strict = Panel("Site North", "Custom1");
    strict.MaxPointsBetweenIsolators = 20;
    ASSERT_TRUE(UserPanelFile::StorePanel(cache, file, strict));
    EXPECT_NE(folder.Read("Panels/CUSTPAN.DAT").find("MinLoopVoltage=2750\r\nMaxPointsBetweenIsolators=20\r\n"),
              std::string::npos);

    // The power keys are written when given and taken out when no longer given.
    PanelRecord powered = Panel("Site North", "Custom1");
    powered.StandbyCurrent = 0;
    powered.MaxBattery = 720;
    powered.ChargerCurrent = 1200;
    ASSERT_TRUE(UserPanelFile::StorePanel(cache, file, powered));
    EXPECT_NE(folder.Read("Panels/CUSTPAN.DAT").find("MinLoopVoltage=2750\r\nStandbyCurrent=0\r\nMaxBattery=7.2\r\n"
                                                     "ChargerCurrent=1200\r\n"),
              std::string::npos);
    ASSERT_TRUE(UserPanelFile::StorePanel(cache, file, Panel("Site North", "Custom1")));
    EXPECT_EQ(folder.Read("Panels/CUSTPAN.DAT").find("Current=0"), std::string::npos);
    EXPECT_EQ(folder.Read("Panels/CUSTPAN.DAT").find("Battery"), std::string::npos);

    folder.Write("Panels/CUSTPAN.DAT", TwoPanels + "[Custom2]\r\nName=\r\nLoops=4\r\n");
    EXPECT_EQ(UserPanelFile::FirstFreeSlot(cache, file), 2);
    folder.Write("Panels/CUSTPAN.DAT", TwoPanels + "[Custom2]\r\nName=Taken\r\n");
    EXPECT_EQ(UserPanelFile::FirstFreeSlot(cache, file), 4);
}
