#include "forms/OptionsDialogCore.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"

#include <gtest/gtest.h>

namespace {

using Entry = OptionsDialogCore::ListEntry;
using Entries = std::vector<Entry>;

size_t EntryOf(const Entries& entries, int number)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Number == number)
            return i;
    ADD_FAILURE() << "no entry carries " << number;
    return entries.size();
}

}  // namespace

TEST(OptionsDialogCore, SelectingAFamilyOffersItsTypesAndTheCountsFollow)
{
    FamilySite site;
    site.catalogue.AddDeviceType({.Name = "", .Family = FamilySite::Detectors});  // nameless: never offered
    OptionsDialogCore core(site.catalogue, site.options);
    EXPECT_EQ(core.Families(), (Entries{{"Detectors", 1, true}, {"Interfaces", 2, true}, {"Sounders", 3, false},
                                        {"Beacons", 4, false}}));
    // Code order; no slave, no hidden type, nothing of family 0 or of an
    // unselected family (Wall Sounder is a Standard Device, but not offered).
    const Entries detectors{{"Optical Detector", site.Optical, true}, {"Heat Detector", site.Heat, false}};
    const Entries interfaces{{"Input Unit", site.InputUnit, true}, {"Legacy Module", site.LegacyModule, false}};
    const Entries sounders{{"Wall Sounder", site.WallSounder, true}, {"Standalone Sounder", site.StandaloneSounder, true}};
    auto join = [](std::initializer_list<Entries> parts) {
        Entries all;
        for (const Entries& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    EXPECT_EQ(core.StandardDevices(), join({detectors, interfaces}));
    EXPECT_EQ(core.FamilyCountText(), "2 families selected.");
    EXPECT_EQ(core.StandardCountText(), "2 devices selected.");

    // A selected family's types are appended, selected; twice adds nothing.
    for (int twice = 0; twice < 2; ++twice)
        core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Sounders), true);
    EXPECT_EQ(core.StandardDevices(), join({detectors, interfaces, sounders}));
    EXPECT_EQ(core.FamilyCountText(), "3 families selected.");
    EXPECT_EQ(core.StandardCountText(), "4 devices selected.");

    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), false);
    EXPECT_EQ(core.StandardDevices(), join({interfaces, sounders}));
    // Back again, every type selected: the earlier "not standard" is gone.
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), true);
    EXPECT_EQ(core.StandardDevices(), join({interfaces, sounders, {{"Optical Detector", site.Optical, true},
                                                                   {"Heat Detector", site.Heat, true}}}));

    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), false);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Sounders), false);
    EXPECT_EQ(core.FamilyCountText(), "1 family selected.");
    core.SetStandardSelected(EntryOf(core.StandardDevices(), site.LegacyModule), true);
    core.SetStandardSelected(EntryOf(core.StandardDevices(), site.InputUnit), false);
    EXPECT_EQ(core.StandardCountText(), "1 device selected.");
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Interfaces), false);
    EXPECT_EQ(core.FamilyCountText(), "0 families selected.");
    EXPECT_EQ(core.StandardCountText(), "0 devices selected.");
}

TEST(OptionsDialogCore, OKRefusesWithoutAFamilyFirstThenWithoutACableGroup)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    EXPECT_FALSE(core.CheckOK());
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
    EXPECT_EQ(core.Units(), 0);
    EXPECT_EQ(core.CableGroups()[0].Name, "Metric sizes");
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Interfaces), false);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Beacons), true);
    core.SetStandardSelected(EntryOf(core.StandardDevices(), site.Heat), true);
    core.SetUnits(1);
    core.SetCableGroupEnabled(0, false);
    core.SetCableGroupEnabled(1, true);
    core.Store();

    const auto& families = site.catalogue.DeviceFamilies;
    EXPECT_TRUE(families[FamilySite::Detectors].Shown && families[FamilySite::Beacons].Shown);
    EXPECT_FALSE(families[FamilySite::Interfaces].Shown || families[FamilySite::Sounders].Shown);
    EXPECT_TRUE(site.options.GetSettingBool("DontShowFamily2"));
    EXPECT_FALSE(site.options.GetSettingBool("DontShowFamily4"));
    EXPECT_FALSE(site.options.SettingExists("DontShowFamily0"));  // not the user's to choose
    // Exactly the selected entries: Input Unit left the list with its family,
    // Wall Sounder was never in it, Standalone Beacon came with Beacons.
    for (int code = 0; static_cast<size_t>(code) < site.catalogue.DeviceTypes.size(); ++code) {
        const bool expected = code == site.Optical || code == site.Heat || code == site.StandaloneBeacon;
        EXPECT_EQ(site.options.IsStandardDevice(code), expected) << site.catalogue.DeviceType(code).Name;
    }
    EXPECT_TRUE(site.options.GetSettingBool("StandardDevice" + std::to_string(site.Heat)));
    EXPECT_FALSE(site.options.GetSettingBool("StandardDevice" + std::to_string(site.WallSounder)));
    EXPECT_EQ(site.options.GetSettingLong("Units"), 1);
    EXPECT_FALSE(site.catalogue.CableGroups[0].Enabled);
    EXPECT_EQ(site.catalogue.CableNameForImpedance(1320), "16 AWG");
    EXPECT_EQ(site.catalogue.CableNameForImpedance(1210), "User-Defined");
    EXPECT_TRUE(site.options.GetSettingBool("CableGroup1"));
}
