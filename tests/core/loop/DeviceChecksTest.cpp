// The three device checks that follow the current and volt drop checks, each
// through Calculate and the explanation the user reads.

#include "loop/clsCalculator.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <functional>

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
    int16_t resistiveBase = AddOtherDevice({.Name = "Resistive Base", .Impedance = 5, .IsBase = true});
    // Dependent devices
    int16_t interface = AddDeviceType({.Name = "Interface", .MaxDependents = 2});
    int16_t dependent = AddDeviceType({.Name = "Dependent", .DependsOn = interface});
    int16_t otherDependent = AddDeviceType({.Name = "Other Dependent", .DependsOn = interface});
};

struct Scenario {
    const char* name;
    std::function<void(clsCalculator&, const CheckCatalogue&)> build;
    int32_t code;
    const char* explanation;
};

class DeviceChecks : public ::testing::Test {
protected:
    CheckCatalogue c;

    void Run(const Scenario& s)
    {
        clsCalculator loop(c);
        loop.ClearData();
        s.build(loop, c);
        loop.SetPanelData(256, 256, 256, 2400, 500, 0);
        loop.Calculate(false, 0, false);
        EXPECT_EQ(loop.LoopDesign(), s.code) << s.name;
        EXPECT_EQ(loop.DesignExplanation(), s.explanation) << s.name;
    }
};

void Place(clsCalculator& loop, int16_t type, int first, int last)
{
    for (int a = first; a <= last; ++a)
        loop.SetDeviceType(a, type);
}

// A slave base fitted at address a, belonging to the master at m.
void FitSlave(clsCalculator& loop, int a, int m, int16_t baseType)
{
    loop.SetDeviceBaseAddr(a, m);
    loop.SetDeviceBaseType(a, baseType);
}

TEST_F(DeviceChecks, SurgeBetweenIsolators)
{
    const Scenario scenarios[] = {
        {"first section names the control panel first",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 4);
             Place(l, c.isolator, 5, 5);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the control panel and the isolator at address 5 "
         "(1300 \u00B5A) is too high."},
        {"last section names the last isolator first",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.isolator, 1, 1);
             Place(l, c.detector, 2, 5);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the isolator at address 1 and the control panel "
         "(1300 \u00B5A) is too high."},
        {"middle section",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.isolator, 1, 1);
             Place(l, c.detector, 2, 5);
             Place(l, c.isolator, 6, 6);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the isolator at address 1 and the isolator at "
         "address 6 (1400 \u00B5A) is too high."},
        {"no isolator passes whatever the total",
         [](clsCalculator& l, const CheckCatalogue& c) { Place(l, c.detector, 1, 150); },
         LoopDesignCode::Satisfactory, ""},
        {"sections exactly at the rating pass",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 3);
             Place(l, c.isolator, 4, 4);
             Place(l, c.detector, 5, 7);
         },
         LoopDesignCode::Satisfactory, ""},
        {"the walk follows the cable order",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 4);
             Place(l, c.isolator, 5, 5);
             l.SetAddressOrder(5, 0);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the isolator at address 5 and the control panel "
         "(1300 \u00B5A) is too high."},
        {"standalone isolator closes a section",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 2);
             l.SetDeviceStandalone(2, 3, c.standaloneIsolator);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the control panel and the isolator at address 2 "
         "(600 \u00B5A) is too high."},
        {"standalone isolator opens a section without its own surge",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 3);
             l.SetDeviceStandalone(1, 2, c.standaloneIsolator);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the isolator at address 1 and the control panel "
         "(600 \u00B5A) is too high."},
        {"standalone devices add their surge",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.isolator, 1, 1);
             Place(l, c.detector, 2, 3);
             for (int slot = 2; slot <= 4; ++slot)
                 l.SetDeviceStandalone(2, slot, c.callPoint);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the isolator at address 1 and the control panel "
         "(1060 \u00B5A) is too high."},
        {"an isolating base rates the section, a beacon adds",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 1, 4);
             l.SetDeviceOtherType(1, c.beacon);
             l.SetDeviceOtherBaseType(4, c.baseIsolator);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the control panel and the isolator at address 4 "
         "(1240 \u00B5A) is too high."},
        {"a master sharing its base draws no surge of its own",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.sharedMaster, 1, 1);
             Place(l, c.detector, 2, 2);
             FitSlave(l, 2, 1, c.slaveBase);
             Place(l, c.isolator, 3, 3);
         },
         LoopDesignCode::Satisfactory, ""},
        {"a master sharing no base draws its surge",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.sharedMaster, 1, 1);
             Place(l, c.detector, 2, 2);
             l.SetDeviceBaseType(2, c.slaveBase);
             Place(l, c.isolator, 3, 3);
         },
         LoopDesignCode::SurgeCurrentTooHigh,
         "The total switch-on surge current of devices between the control panel and the isolator at address 3 "
         "(1250 \u00B5A) is too high."},
    };
    for (const Scenario& s : scenarios)
        Run(s);
}

TEST_F(DeviceChecks, IsolatorBetweenMasterAndSlave)
{
    const Scenario scenarios[] = {
        {"slave beyond an isolator",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.lineResistor, 2, 2);
             Place(l, c.detector, 3, 3);
             FitSlave(l, 3, 1, c.slaveBase);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired with "
         "detector at address 3"},
        {"slave before the master along the cable",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 2, 2);
             FitSlave(l, 2, 5, c.slaveBase);
             Place(l, c.lineResistor, 3, 3);
             Place(l, c.master, 5, 5);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 5 and an associated Slave device wired with "
         "detector at address 2"},
        {"master wired with the master base of another detector",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.sharedMaster, 1, 1);
             Place(l, c.detector, 4, 4);
             FitSlave(l, 4, 1, c.masterBase);
             Place(l, c.lineResistor, 5, 5);
             Place(l, c.detector, 6, 6);
             FitSlave(l, 6, 1, c.slaveBase);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device wired with detector at address 4 and an associated Slave "
         "device wired with detector at address 6"},
        {"standalone slave names its neighbour",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.lineResistor, 5, 5);
             Place(l, c.detector, 7, 7);
             l.DeviceStandaloneTypeAndAddress(7, 2, c.callPoint, 1);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired between "
         "addresses 7 and 8"},
        {"the neighbour is the next address along the cable",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.lineResistor, 5, 5);
             Place(l, c.detector, 7, 7);
             l.DeviceStandaloneTypeAndAddress(7, 2, c.callPoint, 1);
             l.SetAddressOrder(30, 8);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired between "
         "addresses 7 and 30"},
        {"standalone slave at the end of the cable",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.lineResistor, 5, 5);
             Place(l, c.detector, 7, 7);
             l.DeviceStandaloneTypeAndAddress(7, 2, c.callPoint, 1);
             l.SetAddressOrder(7, 255);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired between "
         "address 7 and control panel"},
        // Walking from the panel towards the detector the master is wired
        // with, the master's own address counts as one of its slaves; walking
        // from the far end it does not.
        {"isolator between a master and the detector it is wired with",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.sharedMaster, 1, 1);
             Place(l, c.lineResistor, 2, 2);
             Place(l, c.detector, 4, 4);
             FitSlave(l, 4, 1, c.masterBase);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device wired with detector at address 4 and an associated Slave "
         "device wired with detector at address 1"},
        {"the same beyond the detector the master is wired with",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.detector, 4, 4);
             FitSlave(l, 4, 9, c.masterBase);
             Place(l, c.lineResistor, 6, 6);
             Place(l, c.sharedMaster, 9, 9);
         },
         LoopDesignCode::Satisfactory, ""},
        {"isolator beyond the slave",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.detector, 2, 2);
             FitSlave(l, 2, 1, c.slaveBase);
             Place(l, c.lineResistor, 5, 5);
         },
         LoopDesignCode::Satisfactory, ""},
        {"a base Other Device with impedance isolates",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.detector, 2, 3);
             l.SetDeviceOtherBaseType(2, c.resistiveBase);
             FitSlave(l, 3, 1, c.slaveBase);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired with "
         "detector at address 3"},
        {"a standalone device with impedance isolates",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.detector, 2, 3);
             l.SetDeviceStandalone(2, 3, c.standaloneIsolator);
             FitSlave(l, 3, 1, c.slaveBase);
         },
         LoopDesignCode::IsolatorBetweenMasterAndSlave,
         "There is an Isolator between a Master device at address 1 and an associated Slave device wired with "
         "detector at address 3"},
        {"an attached Other Device does not isolate",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.master, 1, 1);
             Place(l, c.detector, 2, 3);
             l.SetDeviceOtherType(2, c.beacon);
             FitSlave(l, 3, 1, c.slaveBase);
         },
         LoopDesignCode::Satisfactory, ""},
    };
    for (const Scenario& s : scenarios)
        Run(s);
}

TEST_F(DeviceChecks, DependentDevices)
{
    const Scenario scenarios[] = {
        {"dependent without its master type",
         [](clsCalculator& l, const CheckCatalogue& c) { Place(l, c.dependent, 5, 6); },
         LoopDesignCode::DependentDeviceMissing, "Device at address 5 does not have a corresponding Interface."},
        {"address 0 is not reported",
         [](clsCalculator& l, const CheckCatalogue& c) { Place(l, c.dependent, 0, 0); },
         LoopDesignCode::DependentDeviceMissing, "Unknown reason"},
        {"the first address other than 0",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.dependent, 0, 0);
             Place(l, c.dependent, 7, 7);
         },
         LoopDesignCode::DependentDeviceMissing, "Device at address 7 does not have a corresponding Interface."},
        {"too many dependents of all kinds",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.interface, 1, 1);
             Place(l, c.dependent, 2, 3);
             Place(l, c.otherDependent, 4, 4);
         },
         LoopDesignCode::DependentDeviceMissing, "There are more than 2 dependent devices per Interface."},
        {"the limit counts per type, however many masters",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.interface, 1, 2);
             Place(l, c.dependent, 3, 5);
         },
         LoopDesignCode::DependentDeviceMissing, "There are more than 2 dependent devices per Interface."},
        {"dependents within the limit",
         [](clsCalculator& l, const CheckCatalogue& c) {
             Place(l, c.interface, 1, 1);
             Place(l, c.dependent, 2, 2);
             Place(l, c.otherDependent, 3, 3);
         },
         LoopDesignCode::Satisfactory, ""},
    };
    for (const Scenario& s : scenarios)
        Run(s);
}

TEST_F(DeviceChecks, RunInOrderUnlessSkipped)
{
    auto failsAllThree = [](clsCalculator& l, const CheckCatalogue& c) {
        Place(l, c.detector, 1, 4);
        Place(l, c.isolator, 5, 5);  // surge 1300 against 1000
        Place(l, c.master, 10, 10);
        Place(l, c.lineResistor, 11, 11);
        Place(l, c.detector, 12, 12);
        FitSlave(l, 12, 10, c.slaveBase);
        Place(l, c.dependent, 20, 20);
    };
    const struct {
        const char* name;
        bool skip, ignoreIsolators;
        std::function<void(clsCalculator&)> repair;
        int32_t code;
    } cases[] = {
        {"surge first", false, false, [](clsCalculator&) {}, LoopDesignCode::SurgeCurrentTooHigh},
        {"then Master and Slave", false, false, [](clsCalculator& l) { l.SetDeviceType(4, 0); },
         LoopDesignCode::IsolatorBetweenMasterAndSlave},
        {"then dependent devices", false, false,
         [](clsCalculator& l) {
             l.SetDeviceType(4, 0);
             l.SetDeviceType(11, 0);
         },
         LoopDesignCode::DependentDeviceMissing},
        {"skipped by the caller", true, false, [](clsCalculator&) {}, LoopDesignCode::Satisfactory},
        {"skipped by IgnoreIsolators", false, true, [](clsCalculator&) {}, LoopDesignCode::Satisfactory},
    };
    for (const auto& k : cases) {
        clsCalculator loop(c);
        loop.ClearData();
        failsAllThree(loop, c);
        k.repair(loop);
        loop.SetIgnoreIsolators(k.ignoreIsolators);
        loop.SetPanelData(256, 256, 256, 2400, 500, 0);
        loop.Calculate(false, 0, k.skip);
        EXPECT_EQ(loop.LoopDesign(), k.code) << k.name;
        EXPECT_EQ(loop.DesignIsSatisfactory(), k.code == LoopDesignCode::Satisfactory) << k.name;
    }
}

}  // namespace
