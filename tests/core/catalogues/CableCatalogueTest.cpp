#include "catalogues/CableCatalogue.h"

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/Folders.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

struct CableLoad {
    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Catalogue catalogue;
    DataFiles files = DataFiles::FromRoot(folder.Root());

    void WriteFile(const std::string& text) { folder.Write("Harvex/Cables/QuellarCables.dat", text); }
    bool Load(std::string_view locale = "0809") { return LoadCables(catalogue, options, host, files, locale); }
    std::string Place() const { return "configuration settings in '" + files.CablesFile + "'."; }
};

const char* ThreeCables = R"(
[Cable Groups]
Group0=Metric,NONUS
Group1=American,us
Group2=Everywhere,ALL
Group3=Thin metric,NONUS,off
[Cables]
Cable0=Thin
Cable1=Thick
Cable2=Middle
[Thin]
Name=0.5 mm
Impedance=30
Group=0
[Thick]
Name=AWG 12
Impedance=10
Group=1
[Middle]
Name=FR 1.0
Impedance=20
Group=2
)";

}  // namespace

TEST(CableCatalogue, CablesAreHeldThinnestFirst)
{
    CableLoad load;
    load.WriteFile(ThreeCables);
    ASSERT_TRUE(load.Load());
    ASSERT_EQ(load.catalogue.Cables.size(), 3u);
    EXPECT_EQ(load.catalogue.Cables[0].Impedance, 30);
    EXPECT_EQ(load.catalogue.Cables[1].Impedance, 20);
    EXPECT_EQ(load.catalogue.Cables[2].Impedance, 10);
    EXPECT_EQ(load.catalogue.Cables[2].Name, "AWG 12");
    EXPECT_EQ(load.catalogue.CableGroups[1].Locale, "US");  // "us" is accepted
    EXPECT_TRUE(load.host.boxes.empty());
}

TEST(CableCatalogue, FirstRunEnablesTheGroupsOfTheUsersLocaleAndStoresTheChoice)
{
    const struct {
        const char* locale;
        bool metric, american, everywhere;
    } cases[] = {{"0409", false, true, false}, {"0C0C", false, true, false}, {"0809", true, false, true},
                 {"0407", true, false, true}};
    for (const auto& c : cases) {
        CableLoad load;
        load.WriteFile(ThreeCables);
        ASSERT_TRUE(load.Load(c.locale));
        const auto& groups = load.catalogue.CableGroups;
        EXPECT_EQ(groups[0].Enabled, c.metric) << c.locale;
        EXPECT_EQ(groups[1].Enabled, c.american) << c.locale;
        EXPECT_EQ(groups[2].Enabled, c.everywhere) << c.locale;
        // A group marked "Off" is off in every locale, and stored so.
        EXPECT_FALSE(groups[3].Enabled) << c.locale;
        EXPECT_TRUE(load.options.SettingExists("CableGroup3"));
        EXPECT_TRUE(load.options.SettingExists("CableGroup1"));
        EXPECT_EQ(load.options.GetSettingBool("CableGroup1"), c.american);
        // A cable follows its group: only enabled cables are found by impedance.
        EXPECT_EQ(load.catalogue.CableNameForImpedance(10), c.american ? "AWG 12" : "User-Defined");
    }
}

TEST(CableCatalogue, TheUsersChoiceIsKeptUntilEveryGroupIsDisabled)
{
    CableLoad load;
    load.WriteFile(ThreeCables);
    load.options.SetSettingBool("CableGroup1", true);
    ASSERT_TRUE(load.Load("0809"));
    EXPECT_FALSE(load.catalogue.CableGroups[0].Enabled);
    EXPECT_TRUE(load.catalogue.CableGroups[1].Enabled);
    EXPECT_EQ(load.catalogue.DefaultCableImpedance(), 10);

    // The user unticks the only enabled group: the next start applies the
    // locale defaults again.
    auto choices = CableGroupChoices(load.catalogue);
    choices[1].Enabled = false;
    ApplyCableGroupChoices(load.catalogue, load.options, choices);
    EXPECT_FALSE(load.options.GetSettingBool("CableGroup1"));
    EXPECT_FALSE(load.catalogue.Cables[2].Enabled);

    Catalogue restarted;
    ASSERT_TRUE(LoadCables(restarted, load.options, load.host, load.files, "0809"));
    EXPECT_TRUE(restarted.CableGroups[0].Enabled);
    EXPECT_FALSE(restarted.CableGroups[1].Enabled);
    EXPECT_TRUE(restarted.CableGroups[2].Enabled);
}

TEST(CableCatalogue, BadFilesStopAtTheFirstBadEntryWithItsMessage)
{
    CableLoad load;
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"[Cable Groups]\nGroup0=Metric,EU\n", "Invalid Locale setting for cable group 0 in "},
        {"[Cables]\nCable0=A\n", "No cable groups defined in "},
        {"[Cable Groups]\nGroup0=Metric,ALL\n", "No cables defined in "},
        {"[Cable Groups]\nGroup0=Metric,ALL\n[Cables]\nCable0=A\nCable1=B\n[A]\nName=a\nImpedance=5\nGroup=0\n[B]\nName=b\nGroup=0\n",
         "Invalid settings for cable 1 in "},
        {"[Cable Groups]\nGroup0=Metric,ALL\n[Cables]\nCable0=A\n[A]\nName=a\nImpedance=thick\nGroup=0\n",
         "An unexpected error has occurred while reading "},
        {"[Cable Groups]\nGroup0=Metric,ALL\n[Cables]\nCable0=A\n[A]\nName=a\nImpedance=5\nGroup=256\n",
         "An unexpected error has occurred while reading "},
        {"[Cable Groups]\nGroup0=Metric,ALL\n[Cables]\nCable0=A\n[A]\nName=a\nImpedance=0\nGroup=0\n",
         "Invalid settings for cable 0 in "},
        {"[Cable Groups]\nGroup0=Metric,ALL\nGroup1=Imperial,US\n[Cables]\nCable0=A\n[A]\nName=a\nImpedance=5\nGroup=2\n",
         "Invalid settings for cable 0 in "},
    };
    for (const auto& c : cases) {
        load.host.boxes.clear();
        load.WriteFile(c.file);
        EXPECT_FALSE(load.Load()) << c.message;
        ASSERT_EQ(load.host.boxes.size(), 1u) << c.message;
        EXPECT_EQ(load.host.boxes[0].Text, c.message + load.Place());
        EXPECT_EQ(load.host.boxes[0].Style, MsgStyle::Exclamation);
    }
}

TEST(CableCatalogue, AMissingFileSaysWhereItWasLookedFor)
{
    CableLoad load;
    EXPECT_FALSE(load.Load());
    ASSERT_EQ(load.host.boxes.size(), 1u);
    EXPECT_EQ(load.host.boxes[0].Text, "Unable to find file containing standard cable data: '" + load.files.CablesFile + "'.");
}

TEST(CableCatalogue, TheBundledCablesLoadWithoutAMessage)
{
    CableLoad load;
    const DataFiles bundled = DataFiles::FromRoot(FERROLUX_TEST_DATA_DIR);
    ASSERT_TRUE(LoadCables(load.catalogue, load.options, load.host, bundled, "0809"));
    EXPECT_TRUE(load.host.boxes.empty());
    EXPECT_EQ(load.catalogue.CableNameForImpedance(1210), "1.5 mm\u00B2");
    for (size_t i = 1; i < load.catalogue.Cables.size(); ++i)
        EXPECT_GE(load.catalogue.Cables[i - 1].Impedance, load.catalogue.Cables[i].Impedance);
}
