#include "catalogues/CatalogueStartup.h"

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
    EXPECT_GE(c.DeviceFamilies.size(), 4u);
    EXPECT_GE(c.OtherDevices.size(), 9u);
    EXPECT_GE(c.Panels.size(), 9u);
    EXPECT_FALSE(c.Cables.empty());
    ASSERT_NE(c.CurrentPanelRecord(), nullptr);
    EXPECT_EQ(c.CurrentPanelRecord()->Name, "Unknown Panel");  // no last panel yet
    EXPECT_EQ(start.options.GetSettingString("LastPanel"), "Unknown Panel");
    // The cable impedance new loops get: the first enabled cable outside North America.
    EXPECT_EQ(start.options.CurrentCableImpedance(), c.DefaultCableImpedance());
    // The thinnest cable offered, so the smallest "Min Cable Size" proposes.
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
        EXPECT_EQ(start.host.boxes[0].Text.rfind("Unable to find file containing ", 0), 0u) << start.host.boxes[0].Text;
        EXPECT_EQ(start.host.boxes[1].Text, c.step);
        EXPECT_EQ(start.host.boxes[1].Style, MsgStyle::OKOnly);
    }
}

TEST(CatalogueStartup, WithoutTheDefaultPanelTheLastPanelCannotBeRead)
{
    Start start;
    const std::string root = start.CopyOfBundledData();
    start.options.SetSettingString("LastPanel", "No Such Panel");
    // Rename the default panel in the copy so that neither name is found.
    std::string text = start.folder.Read("data/Harvex/Panels/QuellarStdPanels.dat");
    for (size_t at = text.find("Unknown Panel"); at != std::string::npos; at = text.find("Unknown Panel"))
        text.replace(at, 13, "Generic Panel");
    start.folder.Write("data/Harvex/Panels/QuellarStdPanels.dat", text);
    EXPECT_FALSE(start.Load(root));
    EXPECT_EQ(start.host.Texts(), (std::vector<std::string>{"Unable to find default control panel data 'Unknown Panel'",
                                                            "Problem reading last panel name"}));
}
