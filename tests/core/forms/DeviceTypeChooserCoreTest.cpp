#include "forms/DeviceTypeChooserCore.h"

#include "support/FamilySite.h"

#include <gtest/gtest.h>

// The outline and choosing in it are checked by the window's test.
TEST(DeviceTypeChooserCore, TheFirstFamilyIsCurrentAndNoneWhenNoFamilyIsShown)
{
    FamilySite site;
    const DeviceTypeChooserCore chooser(site.catalogue);
    EXPECT_TRUE(chooser.Current() && chooser.Current()->Family == 0 && !chooser.Current()->Type);
    site.ShowOnly({0, FamilySite::Beacons});  // Beacons: only a type standing for an Other Device
    EXPECT_FALSE(DeviceTypeChooserCore(site.catalogue).Current());
}
