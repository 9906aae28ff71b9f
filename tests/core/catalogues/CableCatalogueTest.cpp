#include "catalogues/CableCatalogue.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

namespace {

struct CableLoad : CatalogueFiles<> {
    bool Load(const std::string& text, std::string_view locale = "0809")
    {
        folder.Write("Harvex/Cables/QuellarCables.dat", text);
        return LoadCables(catalogue, options, host, files, locale);
    }
};

const char* ThreeCables = "[Cable Groups]\nGroup0=Metric,NONUS\nGroup1=American,us\nGroup2=Everywhere,ALL\n"
                          "Group3=Thin metric,NONUS,off\n[Cables]\nCable0=Thin\nCable1=Thick\nCable2=Middle\n"
                          "[Thin]\nName=0.5 mm\nImpedance=30\nGroup=0\n[Thick]\nName=AWG 12\nImpedance=10\nGroup=1\n"
                          "[Middle]\nName=FR 1.0\nImpedance=20\nGroup=2\n";

}  // namespace

// The first run enables the groups of the user's locale (a group marked
// "Off" is off everywhere) and stores the choice; cables are held thinnest
// first and follow their group.
TEST(CableCatalogue, FirstRunEnablesTheGroupsOfTheUsersLocaleAndStoresTheChoice)
{
    for (const auto& [locale, american] : {std::pair{"0409", true}, {"0C0C", true}, {"0809", false}}) {
        SCOPED_TRACE(locale);
        CableLoad load;
        ASSERT_TRUE(load.Load(ThreeCables, locale));
        EXPECT_TRUE(load.host.boxes.empty());
        std::string held;
        for (const CableRecord& cable : load.catalogue.Cables)
            held += cable.Name + "=" + std::to_string(cable.Impedance) + (cable.Enabled ? "+;" : "-;");
        EXPECT_EQ(held, american ? "0.5 mm=30-;FR 1.0=20-;AWG 12=10+;" : "0.5 mm=30+;FR 1.0=20+;AWG 12=10-;");
        EXPECT_EQ(load.options.GetSettingBool("CableGroup1"), american);
        EXPECT_FALSE(load.catalogue.CableGroups[3].Enabled);
    }
}

TEST(CableCatalogue, BadFilesStopAtTheFirstBadEntryWithItsMessage)
{
    const std::string group = "[Cable Groups]\nGroup0=Metric,ALL\n";
    const std::string cable = group + "[Cables]\nCable0=A\n[A]\nName=a\n";
    const std::pair<std::string, std::string> cases[] = {  // a file, its message before the place text
        {"[Cable Groups]\nGroup0=Metric,EU\n", "Invalid Locale setting for cable group 0 in "},
        {"[Cables]\nCable0=A\n", "No cable groups defined in "},
        {group, "No cables defined in "},
        {cable + "Impedance=0\nGroup=0\n", "Invalid settings for cable 0 in "},
        {cable + "Impedance=5\nGroup=256\n", "An unexpected error has occurred while reading "},
    };
    for (const auto& [file, message] : cases) {
        CableLoad load;
        EXPECT_FALSE(load.Load(file)) << message;
        EXPECT_EQ(load.host.Texts(), std::vector<std::string>{message + PlaceText(load.files.CablesFile)});
        EXPECT_EQ(load.host.boxes.at(0).Style, MsgStyle::Exclamation);
    }
    CableLoad missing;
    EXPECT_FALSE(LoadCables(missing.catalogue, missing.options, missing.host, missing.files, "0809"));
    EXPECT_EQ(missing.host.Texts(), std::vector<std::string>{"Unable to find file containing standard cable data: '" +
                                                             missing.files.CablesFile + "'."});
}
