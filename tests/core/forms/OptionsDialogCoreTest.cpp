#include "forms/OptionsDialogCore.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"

#include <gtest/gtest.h>

namespace {

using Entry = OptionsDialogCore::ListEntry;

size_t EntryOf(const std::vector<Entry>& entries, int number)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Number == number)
            return i;
    ADD_FAILURE() << "no entry carries " << number;
    return entries.size();
}

}  // namespace

TEST(OptionsDialogCore, ListsFamiliesFromOneAndTheOfferableTypesOfSelectedFamilies)
{
    FamilySite site;
    // A nameless type in a selected family is never offered.
    site.catalogue.AddDeviceType({.Name = "", .Family = FamilySite::Detectors});
    const OptionsDialogCore core(site.catalogue, site.options);

    EXPECT_EQ(core.Families(), (std::vector<Entry>{{"Detectors", 1, true},
                                                   {"Interfaces", 2, true},
                                                   {"Sounders", 3, false},
                                                   {"Beacons", 4, false}}));
    // Code order; no slave, no hidden type, nothing of family 0 or of an
    // unselected family (Wall Sounder is a Standard Device, but not offered).
    EXPECT_EQ(core.StandardDevices(), (std::vector<Entry>{{"Optical Detector", site.Optical, true},
                                                          {"Heat Detector", site.Heat, false},
                                                          {"Input Unit", site.InputUnit, true},
                                                          {"Legacy Module", site.LegacyModule, false}}));
    EXPECT_EQ(core.FamilyCountText(), "2 families selected.");
    EXPECT_EQ(core.StandardCountText(), "2 devices selected.");
    EXPECT_EQ(core.Units(), 0);
    ASSERT_EQ(core.CableGroups().size(), 2u);
    EXPECT_EQ(core.CableGroups()[0].Name, "Metric sizes");
    EXPECT_TRUE(core.CableGroups()[0].Enabled);
    EXPECT_FALSE(core.CableGroups()[1].Enabled);
}

TEST(OptionsDialogCore, FamilySelectionAddsAndRemovesItsTypesAndTheCountsFollow)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    const auto families = [&] { return core.Families(); };

    core.SetFamilySelected(EntryOf(families(), FamilySite::Sounders), true);
    // Appended at the end, selected; the slave-free, hidden-free rules hold.
    EXPECT_EQ(core.StandardDevices(), (std::vector<Entry>{{"Optical Detector", site.Optical, true},
                                                          {"Heat Detector", site.Heat, false},
                                                          {"Input Unit", site.InputUnit, true},
                                                          {"Legacy Module", site.LegacyModule, false},
                                                          {"Wall Sounder", site.WallSounder, true},
                                                          {"Standalone Sounder", site.StandaloneSounder, true}}));
    EXPECT_EQ(core.FamilyCountText(), "3 families selected.");
    EXPECT_EQ(core.StandardCountText(), "4 devices selected.");

    // Selecting a selected family again adds nothing.
    core.SetFamilySelected(EntryOf(families(), FamilySite::Sounders), true);
    EXPECT_EQ(core.StandardDevices().size(), 6u);

    core.SetFamilySelected(EntryOf(families(), FamilySite::Detectors), false);
    EXPECT_EQ(core.StandardDevices(), (std::vector<Entry>{{"Input Unit", site.InputUnit, true},
                                                          {"Legacy Module", site.LegacyModule, false},
                                                          {"Wall Sounder", site.WallSounder, true},
                                                          {"Standalone Sounder", site.StandaloneSounder, true}}));
    EXPECT_EQ(core.StandardCountText(), "3 devices selected.");

    // Back again: the user's earlier "not standard" for Heat Detector is gone.
    core.SetFamilySelected(EntryOf(families(), FamilySite::Detectors), true);
    EXPECT_EQ(core.StandardDevices()[4], (Entry{"Optical Detector", site.Optical, true}));
    EXPECT_EQ(core.StandardDevices()[5], (Entry{"Heat Detector", site.Heat, true}));
    EXPECT_EQ(core.StandardDevices().size(), 6u);
    EXPECT_EQ(core.StandardCountText(), "5 devices selected.");
}

TEST(OptionsDialogCore, CountTextsSayOneOrTheNumber)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    const struct {
        bool detectors, interfaces;
        const char* families;
        const char* devices;
    } cases[] = {
        {false, false, "0 families selected.", "0 devices selected."},
        {false, true, "1 family selected.", "2 devices selected."},  // appended selected
        {true, true, "2 families selected.", "4 devices selected."},
    };
    for (const auto& c : cases) {
        core.SetFamilySelected(0, c.detectors);
        core.SetFamilySelected(1, c.interfaces);
        EXPECT_EQ(core.FamilyCountText(), c.families);
        EXPECT_EQ(core.StandardCountText(), c.devices);
    }
    for (const int code : {site.InputUnit, site.LegacyModule, site.Optical})
        core.SetStandardSelected(EntryOf(core.StandardDevices(), code), false);
    EXPECT_EQ(core.StandardCountText(), "1 device selected.");
}

TEST(OptionsDialogCore, OKRefusesWithoutAFamilyFirstThenWithoutACableGroup)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    EXPECT_FALSE(core.CheckOK());

    core.SetUnits(1);
    core.SetCableGroupEnabled(0, false);
    core.SetFamilySelected(0, false);
    core.SetFamilySelected(1, false);
    const auto noFamily = core.CheckOK();
    ASSERT_TRUE(noFamily);
    EXPECT_EQ(noFamily->ShowTab, OptionsDialogCore::FamiliesTab);
    ScriptedMessageHost host;
    OptionsDialogCore::ShowRefusal(host, *noFamily);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].Text, "You must select at least one device family!");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Exclamation);
    EXPECT_EQ(host.boxes[0].Caption, "Options");

    core.SetFamilySelected(3, true);
    const auto noGroup = core.CheckOK();
    ASSERT_TRUE(noGroup);
    EXPECT_EQ(noGroup->ShowTab, OptionsDialogCore::CablesTab);
    EXPECT_EQ(noGroup->Message, "You must select at least one cable group!");

    core.SetCableGroupEnabled(1, true);
    EXPECT_FALSE(core.CheckOK());
}

TEST(OptionsDialogCore, StoreWritesFamiliesStandardDevicesUnitsAndCableGroups)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Interfaces), false);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Beacons), true);
    core.SetStandardSelected(EntryOf(core.StandardDevices(), site.Heat), true);
    core.SetUnits(1);
    core.SetCableGroupEnabled(0, false);
    core.SetCableGroupEnabled(1, true);

    core.Store();

    const auto& families = site.catalogue.DeviceFamilies;
    EXPECT_TRUE(families[FamilySite::Detectors].Shown);
    EXPECT_FALSE(families[FamilySite::Interfaces].Shown);
    EXPECT_FALSE(families[FamilySite::Sounders].Shown);
    EXPECT_TRUE(families[FamilySite::Beacons].Shown);
    EXPECT_TRUE(site.options.GetSettingBool("DontShowFamily2"));
    EXPECT_FALSE(site.options.GetSettingBool("DontShowFamily4"));
    // Family 0 is not the user's to choose: untouched.
    EXPECT_FALSE(site.options.SettingExists("DontShowFamily0"));

    // Exactly the selected entries: Input Unit left the list with its family,
    // Wall Sounder was never in it, Standalone Beacon came with Beacons.
    for (int code = 0; static_cast<size_t>(code) < site.catalogue.DeviceTypes.size(); ++code) {
        const bool expected = code == site.Optical || code == site.Heat || code == site.StandaloneBeacon;
        EXPECT_EQ(site.options.IsStandardDevice(code), expected) << site.catalogue.DeviceType(code).Name;
    }
    EXPECT_TRUE(site.options.GetSettingBool("StandardDevice" + std::to_string(site.Heat)));
    EXPECT_FALSE(site.options.GetSettingBool("StandardDevice" + std::to_string(site.WallSounder)));

    EXPECT_EQ(site.options.Units(), 1);
    EXPECT_EQ(site.options.GetSettingLong("Units"), 1);

    EXPECT_FALSE(site.catalogue.CableGroups[0].Enabled);
    EXPECT_TRUE(site.catalogue.CableGroups[1].Enabled);
    EXPECT_EQ(site.catalogue.CableNameForImpedance(1320), "16 AWG");
    EXPECT_EQ(site.catalogue.CableNameForImpedance(1210), "User-Defined");
    EXPECT_TRUE(site.options.GetSettingBool("CableGroup1"));
}
