#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Device types, Other Devices and cables that exercise every lookup rule.
struct LookupCatalogue : TestCatalogue {
    int16_t led = AddOutputBit(1);
    int16_t remote = AddOutputBit(3);
    int detector = AddDeviceType({.Name = "Detector", .Outputs = {{led, 500}}});
    int lowerCase = AddDeviceType({.Name = "detector", .IconNumber = 0});
    int hidden = AddDeviceType({.Name = "Hidden", .Family = 255});
    int sounder = AddDeviceType({.Name = "Sounder", .Outputs = {{0, 0}, {0, 0}, {remote, 900}}});
    int isolator = AddDeviceType({.Name = "Isolator", .NoOtherDevices = true,
                                  .Outputs = {{remote, 0}}});
    int remoteBaseSeven = AddDeviceType({.Name = "Remote Seven", .BaseType = 7,
                                         .Outputs = {{remote, 0}}});

    // Numbers differ from positions, as after the loader's sort by name.
    int plain = AddOtherDevice({.Name = "Beacon", .Number = 3});
    int fromRemote = AddOtherDevice({.Name = "Remote LED", .FromRemote = true, .Number = 1});
    int fitsSeven = AddOtherDevice({.Name = "Sounder Base", .Base = 7, .Number = 2});
    int remoteSeven = AddOtherDevice({.Name = "Remote Base", .FromRemote = true, .Base = 7, .Number = 4});
};

TEST(CatalogueLookup, DeviceTypesAndOtherDevices)
{
    const LookupCatalogue c;
    const int pastLast = static_cast<int>(c.DeviceTypes.size());

    const struct {
        const char* name;
        int position;
    } finds[] = {{"Detector", c.detector}, {"detector", c.lowerCase}, {"DETECTOR", 0}, {"Sounde", 0}};
    for (const auto& f : finds)
        EXPECT_EQ(c.FindDeviceType(f.name), f.position) << f.name;

    // Valid, Selectable (type 0 always is; icon 0 is not offered), Hidden,
    // Remote output (on bit 3).
    const std::pair<int, const char*> types[] = {{0, "-S--"}, {c.detector, "VS--"}, {c.lowerCase, "V---"},
                                                 {c.hidden, "VSH-"}, {c.sounder, "VS-R"}, {pastLast, "----"}, {-1, "----"}};
    for (const auto& [number, flags] : types)
        EXPECT_EQ(std::string(c.IsValidDeviceType(number) ? "V" : "-") + (c.IsSelectableDeviceType(number) ? "S" : "-") +
                      (c.IsHiddenDeviceType(number) ? "H" : "-") + (c.HasRemoteOutputDevice(number) ? "R" : "-"),
                  flags) << number;

    const int pastLastOther = static_cast<int>(c.OtherDevices.size());
    EXPECT_EQ(std::vector<int>({c.FindOtherDeviceByNumber(3), c.FindOtherDeviceByNumber(1),
                                c.FindOtherDeviceByNumber(4), c.FindOtherDeviceByNumber(0), c.FindOtherDeviceByNumber(9)}),
              std::vector<int>({c.plain, c.fromRemote, c.remoteSeven, 0, 0}));
    EXPECT_EQ(std::vector<bool>({c.IsValidOtherDevice(0), c.IsValidOtherDevice(pastLastOther - 1),
                                 c.IsValidOtherDevice(pastLastOther), c.IsValidOtherDevice(-1)}),
              std::vector<bool>({false, true, false, false}));
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

TEST(CatalogueLookup, CablesMatchOnlyEnabledCables)
{
    TestCatalogue c;
    c.AddCable("Thin", 3000, false);
    c.AddCable("Fine", 2000, true);
    c.AddCable("Heavy", 800, false);
    c.AddCable("Heavy Enabled", 800, true);
    const int pastLast = static_cast<int>(c.Cables.size());

    const struct {
        int impedance, position;
        const char* name;
    } cases[] = {
        {2000, 1, "Fine"},
        {800, 3, "Heavy Enabled"},         // the first enabled one of two
        {3000, pastLast, "User-Defined"},  // only a disabled cable has it
    };
    for (const auto& k : cases) {
        EXPECT_EQ(c.FindCableByImpedance(k.impedance), k.position) << k.impedance;
        EXPECT_EQ(c.CableNameForImpedance(k.impedance), k.name) << k.impedance;
    }

    // The first enabled cable, skipping the disabled thinnest one.
    EXPECT_EQ(c.DefaultCableImpedance(), 2000);
    for (CableRecord& cable : c.Cables)
        cable.Enabled = false;
    EXPECT_EQ(c.DefaultCableImpedance(), 3000);  // none enabled: the first cable
}

}  // namespace
