#include "forms/OptionsDialogCore.h"

#include "support/FamilySite.h"

#include <gtest/gtest.h>

namespace {

size_t EntryOf(const std::vector<OptionsDialogCore::ListEntry>& entries, int number)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Number == number)
            return i;
    ADD_FAILURE() << "no entry carries " << number;
    return entries.size();
}

}  // namespace

// The lists as the window shows them are checked by its test; here the
// counts in the singular, and what Store saves.
TEST(OptionsDialogCore, CountsInTheSingularAndStoreSavesExactlyTheUsersChoices)
{
    FamilySite site;
    OptionsDialogCore core(site.catalogue, site.options);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), false);
    EXPECT_EQ(core.FamilyCountText(), "1 family selected.");
    EXPECT_EQ(core.StandardCountText(), "1 device selected.");

    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Detectors), true);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Interfaces), false);
    core.SetFamilySelected(EntryOf(core.Families(), FamilySite::Beacons), true);
    core.SetStandardSelected(EntryOf(core.StandardDevices(), site.Heat), true);
    core.SetCableGroupEnabled(0, false);
    core.SetCableGroupEnabled(1, true);
    core.Store();
    EXPECT_FALSE(site.options.SettingExists("DontShowFamily0"));  // not the user's to choose
    // Exactly the selected entries: Input Unit left the list with its family,
    // Wall Sounder was never in it, Standalone Beacon came with Beacons.
    for (int code = 0; static_cast<size_t>(code) < site.catalogue.DeviceTypes.size(); ++code) {
        const bool expected = code == site.Optical || code == site.Heat || code == site.StandaloneBeacon;
        EXPECT_EQ(site.options.GetSettingBool("StandardDevice" + std::to_string(code)), expected) << code;
    }
    EXPECT_FALSE(site.options.GetSettingBool("CableGroup0"));
    EXPECT_TRUE(site.options.GetSettingBool("CableGroup1"));
}
