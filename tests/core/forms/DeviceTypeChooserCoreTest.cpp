#include "forms/DeviceTypeChooserCore.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"

#include <gtest/gtest.h>

using ItemRef = DeviceTypeChooserCore::ItemRef;

TEST(DeviceTypeChooserCore, ShownFamiliesInFamilyOrderTypesByNameAndOnlyATypeIsChosen)
{
    FamilySite site;
    site.ShowOnly({0, FamilySite::Detectors, FamilySite::Interfaces, FamilySite::Sounders, FamilySite::Beacons});
    DeviceTypeChooserCore chooser(site.catalogue);
    ScriptedMessageHost host;

    // Family 0 never; Beacons has only a type standing for an Other Device,
    // so it is left out; slaves and types not selectable are listed.
    std::string outline;
    for (const auto& family : chooser.Outline()) {
        outline += "| " + family.Name + "(" + std::to_string(family.Family) + "):";
        for (const auto& type : family.Types)
            outline += " " + type.Name + "=" + std::to_string(type.Code);
    }
    EXPECT_EQ(outline, "| Interfaces(2): Input Unit=4 Legacy Module=5"
                       "| Detectors(1): Detector Base Slave=3 Heat Detector=2 Optical Detector=1"
                       "| Sounders(3): Wall Sounder=7");
    EXPECT_EQ(chooser.HeadingText(), "Choose a new device type.");
    EXPECT_EQ(chooser.OK(host), std::nullopt);  // the first family is current, not a type
    chooser.SetCurrent(ItemRef{1, 1});          // Detectors: Heat Detector
    EXPECT_TRUE(chooser.CheckEnables());
    EXPECT_EQ(chooser.OK(host), site.Heat);
    chooser.SetCurrent(ItemRef{1, 3});  // past the last type of the family
    EXPECT_FALSE(chooser.Current());
    EXPECT_FALSE(chooser.CheckEnables());

    EXPECT_TRUE(host.boxes.empty());
}
