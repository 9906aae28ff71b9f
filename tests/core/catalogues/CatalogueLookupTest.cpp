#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Device types and Other Devices that exercise every rule of attaching one
// to the other.
struct LookupCatalogue : TestCatalogue {
    int16_t led = AddOutputBit(1);
    int16_t remote = AddOutputBit(3);
    int detector = AddDeviceType({.Name = "Detector", .Outputs = {{led, 500}}});
    int sounder = AddDeviceType({.Name = "Sounder", .Outputs = {{0, 0}, {0, 0}, {remote, 900}}});
    int isolator = AddDeviceType({.Name = "Isolator", .NoOtherDevices = true, .Outputs = {{remote, 0}}});
    int remoteBaseSeven = AddDeviceType({.Name = "Remote Seven", .BaseType = 7, .Outputs = {{remote, 0}}});

    int plain = AddOtherDevice({.Name = "Beacon", .Number = 3});
    int fromRemote = AddOtherDevice({.Name = "Remote LED", .FromRemote = true, .Number = 1});
    int fitsSeven = AddOtherDevice({.Name = "Sounder Base", .Base = 7, .Number = 2});
    int remoteSeven = AddOtherDevice({.Name = "Remote Base", .FromRemote = true, .Base = 7, .Number = 4});
};

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
