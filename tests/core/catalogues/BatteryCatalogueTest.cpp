#include "catalogues/BatteryCatalogue.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

namespace {

struct BatteryLoad : CatalogueFiles<> {
    bool Load(const std::string& text)
    {
        folder.Write("Harvex/Batteries/QuellarBatteries.dat", text);
        return LoadBatteries(catalogue, host, files);
    }
};

}  // namespace

TEST(BatteryCatalogue, SizesAreHeldInHundredthsSmallestFirst)
{
    BatteryLoad load;
    ASSERT_TRUE(load.Load("[Batteries]\nBattery0=12\nBattery1=1.2\nBattery2=7\n"));
    EXPECT_TRUE(load.host.boxes.empty());
    EXPECT_EQ(load.catalogue.BatterySizes, (std::vector<int32_t>{120, 700, 1200}));

    // A gap is told, and every size after it read.
    BatteryLoad gap;
    ASSERT_TRUE(gap.Load("[Batteries]\nBattery0=12\nBattery2=1.2\nBattery4=7\n"));
    EXPECT_EQ(gap.host.Texts(), (std::vector<std::string>{"Missing settings for battery 1 in " + PlaceText(gap.files.BatteriesFile),
                                                          "Missing settings for battery 3 in " + PlaceText(gap.files.BatteriesFile)}));
    EXPECT_EQ(gap.catalogue.BatterySizes, (std::vector<int32_t>{120, 700, 1200}));
}

// A broken file gives its message and no sizes at all; a missing one is no
// fault. The reason is kept for the battery results to give.
TEST(BatteryCatalogue, BadFilesStopAtTheFirstBadEntryWithItsMessage)
{
    const std::pair<std::string, std::string> cases[] = {  // a file, its message before the place text
        {"[Batteries]\nBattery0=7\nBattery1=0\n", "Invalid settings for battery 1 in "},
        {"[Batteries]\nBattery0=seven\n", "Invalid settings for battery 0 in "},
        {"[Batteries]\nBattery0=-12\n", "Invalid settings for battery 0 in "},
        {"[Batteries]\nBatteries=7\n", "No batteries defined in "},
    };
    for (const auto& [file, message] : cases) {
        BatteryLoad load;
        EXPECT_FALSE(load.Load(file)) << file;
        EXPECT_EQ(load.host.Texts(), std::vector<std::string>{message + PlaceText(load.files.BatteriesFile)});
        EXPECT_EQ(load.host.boxes.at(0).Style, MsgStyle::Exclamation);
        EXPECT_TRUE(load.catalogue.BatterySizes.empty());
        EXPECT_EQ(load.catalogue.NoBatterySizes,
                  "no battery sizes are installed ('" + load.files.BatteriesFile + "' could not be read)");
    }
    BatteryLoad missing;
    missing.catalogue.BatterySizes = {700};
    EXPECT_FALSE(LoadBatteries(missing.catalogue, missing.host, missing.files));
    EXPECT_TRUE(missing.host.boxes.empty());
    EXPECT_TRUE(missing.catalogue.BatterySizes.empty());
    EXPECT_EQ(missing.catalogue.NoBatterySizes, "no battery sizes are installed (looked for '" + missing.files.BatteriesFile + "')");
}
