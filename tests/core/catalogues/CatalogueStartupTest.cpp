#include "catalogues/CatalogueStartup.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Start {
    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Catalogue catalogue;

    bool Load(const std::string& root)
    {
        DataFiles files = DataFiles::FromRoot(root);
        files.CustomPanelsFile = folder.Path("user/CUSTPAN.DAT");
        return LoadCatalogues(catalogue, options, host, {files, folder.Path("QUELLAR.INI"), "0809"});
    }
    // A copy of the bundled data that a test may spoil.
    std::string CopyOfBundledData()
    {
        const std::string root = folder.Path("data");
        std::filesystem::create_directories(root + "/Harvex");
        std::filesystem::copy(FERROLUX_TEST_DATA_DIR "/Harvex", root + "/Harvex", std::filesystem::copy_options::recursive);
        return root;
    }
};

}  // namespace

TEST(CatalogueStartup, TheBundledCataloguesLoadWithoutAMessage)
{
    Start start;
    ASSERT_TRUE(start.Load(FERROLUX_TEST_DATA_DIR)) << (start.host.boxes.empty() ? "" : start.host.boxes[0].Text);
    EXPECT_TRUE(start.host.boxes.empty());
    const Catalogue& c = start.catalogue;
    EXPECT_EQ(std::vector<size_t>({c.DeviceTypes.size(), c.Panels.size(), c.PanelManufacturers.size()}), std::vector<size_t>({100, 11, 5}));
    EXPECT_GE(c.OtherDevices.size(), 9u);
    EXPECT_EQ(LoopAddressLimit(c), 252);
    const int extended = c.FindDeviceType("Optical Smoke Detector XA");
    EXPECT_TRUE(IsAddressValidForType(c, extended, 129) && !IsAddressValidForType(c, extended, 127));
    // Families are listed by sort key: "10" Detectors, then "15" the US ones.
    EXPECT_EQ(std::vector<int>(c.FamilyOrder.begin(), c.FamilyOrder.begin() + 2), std::vector<int>({1, 6}));
    EXPECT_EQ(c.DeviceType(58).Family, 255);
    EXPECT_EQ(c.OtherDevice(c.DeviceType(58).StandaloneOther).Name + "|" + c.OtherDevice(c.StandaloneSurgeOther).Name,
              "Line Isolator Module|Line Isolator Module");
    EXPECT_EQ(c.DeviceType(51).ProtocolText, "Linkbay radio link");
    EXPECT_TRUE(c.DeviceType(33).IsMaster && c.DeviceType(10).HasRemoteOutput);
    EXPECT_EQ(c.DeviceType(c.DeviceTypeOrder.back()).Name, "Weatherproof Manual Call Point");

    // No last panel yet: the default one. New loops get the first enabled
    // cable outside North America, the thinnest offered.
    EXPECT_EQ(c.CurrentPanelRecord()->Name + "|" + start.options.GetSettingString("LastPanel"), "Unknown Panel|Unknown Panel");
    EXPECT_EQ(start.options.CurrentCableImpedance(), c.DefaultCableImpedance());
    EXPECT_EQ(c.CableNameForImpedance(c.DefaultCableImpedance()), "1.0 mm\u00B2");

    // The next start selects the panel last used.
    const std::string other = c.Panels[c.DefaultPanel == 0 ? 1 : 0].Name;
    start.options.SetSettingString("LastPanel", other);
    start.catalogue = Catalogue();
    ASSERT_TRUE(start.Load(FERROLUX_TEST_DATA_DIR));
    EXPECT_EQ(start.catalogue.CurrentPanelRecord()->Name, other);
}

TEST(CatalogueStartup, TheFirstCatalogueThatFailsEndsTheStartWithItsStep)
{
    const struct {
        const char* spoil;  // the file removed from a copy of the bundled data
        const char* step;
    } cases[] = {
        {"Harvex/Devices/QuellarDevices.dat", "Problem initialising devices"},
        {"Harvex/Panels/QuellarStdPanels.dat", "Problem initialising panels"},
        {"Harvex/Cables/QuellarCables.dat", "Problem initialising cables"},
    };
    for (const auto& c : cases) {
        Start start;
        const std::string root = start.CopyOfBundledData();
        std::filesystem::remove(root + "/" + c.spoil);
        EXPECT_FALSE(start.Load(root)) << c.step;
        ASSERT_EQ(start.host.boxes.size(), 2u) << c.step;
        EXPECT_EQ(start.host.boxes[1].Text, c.step);
        EXPECT_EQ(start.host.boxes[1].Style, MsgStyle::OKOnly);
    }

    // Without the default panel the last panel cannot be read.
    Start start;
    const std::string root = start.CopyOfBundledData();
    start.options.SetSettingString("LastPanel", "No Such Panel");
    std::string text = start.folder.Read("data/Harvex/Panels/QuellarStdPanels.dat");
    for (size_t at = text.find("Unknown Panel"); at != std::string::npos; at = text.find("Unknown Panel"))
        text.replace(at, 13, "Generic Panel");
    start.folder.Write("data/Harvex/Panels/QuellarStdPanels.dat", text);
    EXPECT_FALSE(start.Load(root));
    EXPECT_EQ(start.host.Texts(), (std::vector<std::string>{"Unable to find default control panel data 'Unknown Panel'",
                                                            "Problem reading last panel name"}));
}
