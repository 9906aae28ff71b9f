// The three device checks that follow the current and volt drop checks, each
// through Calculate and the explanation the user reads.

#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct CheckCatalogue : TestCatalogue {
    // Surge
    int16_t detector = AddDeviceType({.Name = "Detector", .Surge = 300});
    int16_t isolator = AddDeviceType({.Name = "Isolator", .Surge = 100, .MaxSurge = 1000, .NoOtherDevices = true});
    int16_t sharedMaster = AddDeviceType({.Name = "Shared Master", .Surge = 800, .NoOtherDevices = true,
                                          .IsMaster = true});
    int16_t slaveBase = AddDeviceType({.Name = "Slave Base", .Surge = 50, .NoOtherDevices = true, .IsSlave = true});
    int16_t baseIsolator = AddOtherDevice({.Name = "Isolating Base", .Surge = 90, .MaxSurge = 1000, .IsBase = true});
    int16_t beacon = AddOtherDevice({.Name = "Beacon", .Impedance = 20, .Surge = 40});
    int16_t standaloneIsolator = AddOtherDevice({.Name = "Standalone Isolator", .Impedance = 8, .Surge = 70,
                                                 .MaxSurge = 500, .IsStandalone = true});
    int16_t callPoint = AddOtherDevice({.Name = "Call Point", .Surge = 120, .IsStandalone = true});
    // Master and Slave: isolating elements without a surge rating.
    int16_t master = AddDeviceType({.Name = "Master", .IsMaster = true});
    int16_t masterBase = AddDeviceType({.Name = "Master Base", .IsMaster = true});
    int16_t lineResistor = AddDeviceType({.Name = "Line Resistor", .Resistance = 10});
    // Dependent devices
    int16_t interface = AddDeviceType({.Name = "Interface", .MaxDependents = 2});
    int16_t dependent = AddDeviceType({.Name = "Dependent", .DependsOn = interface});
    int16_t otherDependent = AddDeviceType({.Name = "Other Dependent", .DependsOn = interface});
};

using L = clsCalculator;
using C = CheckCatalogue;

void Place(L& loop, int16_t type, int first, int last = -1)
{
    for (int a = first; a <= std::max(first, last); ++a)
        loop.SetDeviceType(a, type);
}

// A slave base fitted at address a, belonging to the master at m.
void FitSlave(L& loop, int a, int m, int16_t baseType)
{
    loop.SetDeviceBaseAddr(a, m);
    loop.SetDeviceBaseType(a, baseType);
}

// A loop that fails all three checks, less the ones left out.
void FailingEveryCheck(L& l, const C& c, bool surge, bool isolated)
{
    if (surge) {
        Place(l, c.detector, 1, 4); Place(l, c.isolator, 5);  // surge 1300 against 1000
    }
    Place(l, c.master, 10); Place(l, c.detector, 12); FitSlave(l, 12, 10, c.slaveBase);
    if (isolated)
        Place(l, c.lineResistor, 11);
    Place(l, c.dependent, 20);
}

constexpr LoopDesignCode Surge = LoopDesignCode::SurgeCurrentTooHigh;
constexpr LoopDesignCode Isolated = LoopDesignCode::IsolatorBetweenMasterAndSlave;
constexpr LoopDesignCode Missing = LoopDesignCode::DependentDeviceMissing;
constexpr LoopDesignCode Pass = LoopDesignCode::Satisfactory;
const char* const masterAt1 = "There is an Isolator between a Master device at address 1 and an associated Slave "
                              "device wired with detector at address 3";
const char* const tooMany = "There are more than 2 dependent devices per Interface.";

const struct Scenario {
    const char* name;
    void (*build)(L&, const C&);
    LoopDesignCode code;
    const char* explanation;
    bool skipChecks = false;
} scenarios[] = {
    // Surge current between isolators
    {"first section names the control panel first",
     [](L& l, const C& c) { Place(l, c.detector, 1, 4); Place(l, c.isolator, 5); }, Surge,
     "The total switch-on surge current of devices between the control panel and the isolator at address 5 "
     "(1300 \u00B5A) is too high."},
    {"last section names the last isolator first",
     [](L& l, const C& c) { Place(l, c.isolator, 1); Place(l, c.detector, 2, 5); }, Surge,
     "The total switch-on surge current of devices between the isolator at address 1 and the control panel "
     "(1300 \u00B5A) is too high."},
    {"middle section",
     [](L& l, const C& c) { Place(l, c.isolator, 1); Place(l, c.detector, 2, 5); Place(l, c.isolator, 6); }, Surge,
     "The total switch-on surge current of devices between the isolator at address 1 and the isolator at "
     "address 6 (1400 \u00B5A) is too high."},
    {"an isolating base rates the section, a beacon adds",
     [](L& l, const C& c) {
         Place(l, c.detector, 1, 4); l.SetDeviceOtherType(1, c.beacon); l.SetDeviceOtherBaseType(4, c.baseIsolator);
     },
     Surge,
     "The total switch-on surge current of devices between the control panel and the isolator at address 4 "
     "(1240 \u00B5A) is too high."},
    // An isolating element between a Master and its Slave
    {"slave beyond an isolator",
     [](L& l, const C& c) {
         Place(l, c.master, 1); Place(l, c.lineResistor, 2); Place(l, c.detector, 3); FitSlave(l, 3, 1, c.slaveBase);
     },
     Isolated, masterAt1},
    {"standalone slave names its neighbour",
     [](L& l, const C& c) {
         Place(l, c.master, 1); Place(l, c.lineResistor, 5); Place(l, c.detector, 7);
         l.DeviceStandaloneTypeAndAddress(7, 2, c.callPoint, 1); l.SetAddressOrder(30, 8);
     },
     Isolated,
     "There is an Isolator between a Master device at address 1 and an associated Slave device wired between "
     "addresses 7 and 30"},
    {"standalone slave at the end of the cable",
     [](L& l, const C& c) {
         Place(l, c.master, 1); Place(l, c.lineResistor, 5); Place(l, c.detector, 7);
         l.DeviceStandaloneTypeAndAddress(7, 2, c.callPoint, 1); l.SetAddressOrder(7, 255);
     },
     Isolated,
     "There is an Isolator between a Master device at address 1 and an associated Slave device wired between "
     "address 7 and control panel"},
    // From the panel towards the detector the master is wired with, the
    // master's own address counts as one of its slaves; from the far end not.
    {"isolator between a master and the detector it is wired with",
     [](L& l, const C& c) {
         Place(l, c.sharedMaster, 1); Place(l, c.lineResistor, 2); Place(l, c.detector, 4);
         FitSlave(l, 4, 1, c.masterBase);
     },
     Isolated,
     "There is an Isolator between a Master device wired with detector at address 4 and an associated Slave "
     "device wired with detector at address 1"},
    // Dependent devices
    {"the first dependent other than address 0 without its master type",
     [](L& l, const C& c) { Place(l, c.dependent, 0); Place(l, c.dependent, 7, 8); }, Missing,
     "Device at address 7 does not have a corresponding Interface."},
    {"too many dependents of all kinds",
     [](L& l, const C& c) { Place(l, c.interface, 1); Place(l, c.dependent, 2, 3); Place(l, c.otherDependent, 4); },
     Missing, tooMany},
    {"dependents within the limit",
     [](L& l, const C& c) { Place(l, c.interface, 1); Place(l, c.dependent, 2); Place(l, c.otherDependent, 3); },
     Pass, ""},
    // The checks in their order, unless skipped
    {"surge first", [](L& l, const C& c) { FailingEveryCheck(l, c, true, true); }, Surge, nullptr},
    {"then Master and Slave", [](L& l, const C& c) { FailingEveryCheck(l, c, false, true); }, Isolated, nullptr},
    {"then dependent devices", [](L& l, const C& c) { FailingEveryCheck(l, c, false, false); }, Missing, nullptr},
    {"skipped by the caller", [](L& l, const C& c) { FailingEveryCheck(l, c, true, true); }, Pass, "", true},
};

TEST(DeviceChecks, SmallLoops)
{
    const C c;
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        L loop(c);
        loop.ClearData();
        s.build(loop, c);
        loop.SetPanelData(256, 256, 256, 2400, 500, 0);
        loop.Calculate(false, 0, s.skipChecks);
        EXPECT_EQ(loop.LoopDesign(), s.code);
        if (s.explanation != nullptr) {
            EXPECT_EQ(loop.DesignExplanation(), s.explanation);
        }
    }
}

}  // namespace
