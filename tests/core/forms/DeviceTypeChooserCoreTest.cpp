#include "forms/DeviceTypeChooserCore.h"

#include "support/FamilySite.h"

#include <gtest/gtest.h>

// Choosing in the outline is checked by the window's test.
TEST(DeviceTypeChooserCore, ShownFamiliesInFamilyOrderTypesByName)
{
    FamilySite site;
    site.ShowOnly({0, FamilySite::Detectors, FamilySite::Interfaces, FamilySite::Sounders, FamilySite::Beacons});
    // Family 0 never; Beacons has only a type standing for an Other Device,
    // so it is left out; slaves and types not selectable are listed.
    const DeviceTypeChooserCore chooser(site.catalogue);
    std::string outline;
    for (const auto& family : chooser.Outline()) {
        outline += "| " + family.Name + "(" + std::to_string(family.Family) + "):";
        for (const auto& type : family.Types)
            outline += " " + type.Name + "=" + std::to_string(type.Code);
    }
    EXPECT_EQ(outline, "| Interfaces(2): Input Unit=4 Legacy Module=5"
                       "| Detectors(1): Detector Base Slave=3 Heat Detector=2 Optical Detector=1"
                       "| Sounders(3): Wall Sounder=7");
}
