#include "catalogues/CatalogueStartup.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>


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
    EXPECT_TRUE(c.DeviceType(33).IsMaster && c.DeviceType(10).HasRemoteOutput);
    EXPECT_EQ(c.BatterySizes.size(), 15u);
    EXPECT_EQ(c.BatterySizes.front() + c.BatterySizes.back(), 120 + 10000);
    for (const PanelRecord& panel : c.Panels)
        EXPECT_EQ(panel.MaxBattery.has_value(), panel.Name != "Unknown Panel") << panel.Name;

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
