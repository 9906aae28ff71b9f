#include "catalogues/CatalogueStartup.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

struct Start : CatalogueFiles<> {
    bool Load(const std::string& root)
    {
        DataFiles chosen = DataFiles::FromRoot(root);
        chosen.CustomPanelsFile = folder.Path("user/CUSTPAN.DAT");
        return LoadCatalogues(catalogue, options, host, {chosen, folder.Path("QUELLAR.INI"), "0809"});
    }
};

}  // namespace

TEST(CatalogueStartup, TheBundledCataloguesLoadWithoutAMessage)
{
    Start start;
    ASSERT_TRUE(start.Load(FERROLUX_TEST_DATA_DIR)) << (start.host.boxes.empty() ? "" : start.host.boxes[0].Text);
    EXPECT_TRUE(start.host.boxes.empty());
    const Catalogue& c = start.catalogue;
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

// The battery sizes are an aid beside the loops, loaded after every other
// catalogue: a data root made before they existed, or a broken battery file,
// starts as before, and a broken Other Device still ends the start with its
// own message.
TEST(CatalogueStartup, TheBatterySizesLoadLastAndNeverStopTheStart)
{
    const std::optional<std::string> noFile;
    const struct {
        const char* what;
        std::optional<std::string> batteries;
        bool brokenOtherDevice;
    } rows[] = {
        {"no battery file", noFile, false},
        {"a broken battery file", "[Batteries]\nBattery0=seven\n", false},
        {"no battery file, a broken Other Device", noFile, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Start start;
        const std::string root = start.folder.Path("root");
        std::filesystem::copy(FERROLUX_TEST_DATA_DIR, root, std::filesystem::copy_options::recursive);
        const DataFiles files = DataFiles::FromRoot(root);
        std::filesystem::remove_all(files.BatteriesFolder);
        if (row.batteries)
            start.folder.Write("root/Harvex/Batteries/QuellarBatteries.dat", *row.batteries);
        if (row.brokenOtherDevice) {
            std::string devices = start.folder.Read("root/Harvex/Devices/QuellarDevices.dat");
            devices.replace(devices.find("Context=base"), 12, "Context=beside");
            start.folder.Write("root/Harvex/Devices/QuellarDevices.dat", devices);
        }

        const bool loaded = start.Load(root);
        if (row.brokenOtherDevice) {
            EXPECT_FALSE(loaded);
            EXPECT_EQ(start.host.Texts(), (std::vector<std::string>{"Invalid 'context' setting for Other Device 3 in " +
                                                                        PlaceText(files.DevicesFile),
                                                                    "Problem initialising other device data"}));
            continue;
        }
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(start.catalogue.BatterySizes.empty());
        EXPECT_EQ(start.catalogue.CurrentPanelRecord()->Name, "Unknown Panel");
        // The battery file's message and the reason kept are worded as its loader's tests check.
        EXPECT_EQ(start.host.boxes.size(), row.batteries ? 1u : 0u);
        EXPECT_NE(start.catalogue.NoBatterySizes.find(files.BatteriesFile), std::string::npos);
    }
}
