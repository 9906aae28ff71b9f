#include "forms/OptionsDialogCore.h"

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
    const Entries interfaces{{"Input Unit", site.InputUnit, true}, {"Legacy Module", site.LegacyModule, false}};
    const Entries sounders{{"Wall Sounder", site.WallSounder, true}, {"Standalone Sounder", site.StandaloneSounder, true}};
    Entries expected{{"Optical Detector", site.Optical, true}, {"Heat Detector", site.Heat, false}};
    expected.insert(expected.end(), interfaces.begin(), interfaces.end());
    EXPECT_EQ(core.StandardDevices(), expected);

    // Away and back again: appended, every type selected; twice adds nothing.
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), false);
    for (const int family : {FamilySite::Sounders, FamilySite::Detectors, FamilySite::Detectors})
        core.SetFamilySelected(EntryOf(core.Families(), family), true);
    expected = interfaces;
    expected.insert(expected.end(), sounders.begin(), sounders.end());
    expected.insert(expected.end(), {{"Optical Detector", site.Optical, true}, {"Heat Detector", site.Heat, true}});
    EXPECT_EQ(core.StandardDevices(), expected);

    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), false);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Sounders), false);
    EXPECT_EQ(core.FamilyCountText(), "1 family selected.");
    EXPECT_EQ(core.StandardCountText(), "1 device selected.");
}

TEST(OptionsDialogCore, StoreSavesFamiliesStandardDevicesUnitsAndCableGroups)
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

    EXPECT_TRUE(site.options.GetSettingBool("DontShowFamily2"));
    EXPECT_FALSE(site.options.GetSettingBool("DontShowFamily4"));
    EXPECT_FALSE(site.options.SettingExists("DontShowFamily0"));  // not the user's to choose
    // Exactly the selected entries: Input Unit left the list with its family,
    // Wall Sounder was never in it, Standalone Beacon came with Beacons.
    for (int code = 0; static_cast<size_t>(code) < site.catalogue.DeviceTypes.size(); ++code) {
        const bool expected = code == site.Optical || code == site.Heat || code == site.StandaloneBeacon;
        EXPECT_EQ(site.options.GetSettingBool("StandardDevice" + std::to_string(code)), expected) << code;
    }
    EXPECT_EQ(site.options.GetSettingLong("Units"), 1);
    EXPECT_FALSE(site.options.GetSettingBool("CableGroup0"));
    EXPECT_TRUE(site.options.GetSettingBool("CableGroup1"));
}
