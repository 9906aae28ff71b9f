#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Device types and Other Devices that exercise every lookup rule.
struct LookupCatalogue : TestCatalogue {
    int16_t led = AddOutputBit(1);
    int16_t remote = AddOutputBit(3);
    int detector = AddDeviceType({.Name = "Detector", .Outputs = {{led, 500}}});
    int lowerCase = AddDeviceType({.Name = "detector", .IconNumber = 0});
    int hidden = AddDeviceType({.Name = "Hidden", .Family = 255});
    int sounder = AddDeviceType({.Name = "Sounder", .Outputs = {{0, 0}, {0, 0}, {remote, 900}}});
    int isolator = AddDeviceType({.Name = "Isolator", .NoOtherDevices = true, .Outputs = {{remote, 0}}});
    int remoteBaseSeven = AddDeviceType({.Name = "Remote Seven", .BaseType = 7, .Outputs = {{remote, 0}}});

    int plain = AddOtherDevice({.Name = "Beacon", .Number = 3});
    int fromRemote = AddOtherDevice({.Name = "Remote LED", .FromRemote = true, .Number = 1});
    int fitsSeven = AddOtherDevice({.Name = "Sounder Base", .Base = 7, .Number = 2});
    int remoteSeven = AddOtherDevice({.Name = "Remote Base", .FromRemote = true, .Base = 7, .Number = 4});
};

TEST(CatalogueLookup, DeviceTypesByNameAndTheirFlags)
{
    const LookupCatalogue c;
    EXPECT_EQ(std::vector<int>({c.FindDeviceType("Detector"), c.FindDeviceType("detector"), c.FindDeviceType("DETECTOR"),
                                c.FindDeviceType("Sounde")}),
              std::vector<int>({c.detector, c.lowerCase, 0, 0}));
    // Valid, Selectable (type 0 always is; icon 0 is not offered), Hidden,
    // Remote output (on bit 3).
    const std::pair<int, const char*> types[] = {{0, "-S--"},           {c.detector, "VS--"}, {c.lowerCase, "V---"},
                                                 {c.hidden, "VSH-"},    {c.sounder, "VS-R"},
                                                 {static_cast<int>(c.DeviceTypes.size()), "----"}, {-1, "----"}};
    for (const auto& [number, flags] : types)
        EXPECT_EQ(std::string(c.IsValidDeviceType(number) ? "V" : "-") + (c.IsSelectableDeviceType(number) ? "S" : "-") +
                      (c.IsHiddenDeviceType(number) ? "H" : "-") + (c.HasRemoteOutputDevice(number) ? "R" : "-"),
                  flags) << number;
}

TEST(CatalogueLookup, CanAttachOtherFollowsItsFourRulesInOrder)
{
    const LookupCatalogue c;
    const struct {
        const char* why;
        int device, other;
        bool allowed;
    } cases[] = {
        {"no Other Device is always allowed", c.isolator, 0, true},
        {"NoOtherDevices wins over a remote output", c.isolator, c.fromRemote, false},
        {"FromRemote needs a remote output", c.detector, c.fromRemote, false},
        {"Base 0 fits any base", c.detector, c.plain, true},
        {"Base 7 on base type 0", c.detector, c.fitsSeven, false},
        {"remote output but wrong base", c.sounder, c.remoteSeven, false},
        {"remote output and matching base", c.remoteBaseSeven, c.remoteSeven, true},
    };
    for (const auto& k : cases)
        EXPECT_EQ(c.CanAttachOther(k.device, k.other), k.allowed) << k.why;
}

}  // namespace
