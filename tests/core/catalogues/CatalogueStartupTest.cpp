#include "catalogues/CatalogueStartup.h"

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>


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
        if (row.batteries) {
            EXPECT_EQ(start.host.Texts(), std::vector<std::string>{"Invalid settings for battery 0 in " + PlaceText(files.BatteriesFile)});
            EXPECT_EQ(start.catalogue.NoBatterySizes, "no battery sizes are installed ('" + files.BatteriesFile + "' could not be read)");
        } else {
            EXPECT_EQ(start.host.Texts(), std::vector<std::string>{});
            EXPECT_EQ(start.catalogue.NoBatterySizes, "no battery sizes are installed (looked for '" + files.BatteriesFile + "')");
        }
    }
}
