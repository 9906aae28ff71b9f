#pragma once
// A catalogue with device families for the options dialog and the device-type
// chooser, and options kept in a scratch settings file.
//
// Families (family order by sort key: 0, Interfaces, Detectors, Sounders,
// Beacons):
//   0 "(no family)"   Loop Terminator (not selectable)
//   1 Detectors, shown      Optical Detector, Heat Detector (not standard),
//                           Detector Base Slave (a slave)
//   2 Interfaces, shown     Input Unit, Legacy Module (not selectable)
//   3 Sounders, hidden      Wall Sounder (standard), Standalone Sounder (stands
//                           for an Other Device)
//   4 Beacons, hidden       Standalone Beacon (stands for an Other Device)
// and Hidden Beacon in no family (255). Cable groups: "Metric sizes" enabled,
// "AWG sizes" disabled.

#include "catalogues/Options.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <algorithm>

struct FamilySite {
    static constexpr int Detectors = 1, Interfaces = 2, Sounders = 3, Beacons = 4;

    ScratchFolder folder;
    SettingsStore store{folder.Path("Harvex Ferrolux.conf")};
    Options options{store};
    TestCatalogue catalogue;

    int16_t LoopTerminator = 0, Optical = 0, Heat = 0, SlaveBase = 0, InputUnit = 0, LegacyModule = 0,
            HiddenBeacon = 0, WallSounder = 0, StandaloneSounder = 0, StandaloneBeacon = 0;

    FamilySite()
    {
        AddFamily("(no family)", "0", false);
        AddFamily("Detectors", "B", true);
        AddFamily("Interfaces", "A", true);
        AddFamily("Sounders", "C", false);
        AddFamily("Beacons", "D", false);
        catalogue.FamilyOrder = {0, Interfaces, Detectors, Sounders, Beacons};

        Optical = catalogue.AddDeviceType({.Name = "Optical Detector", .Family = Detectors});
        Heat = catalogue.AddDeviceType({.Name = "Heat Detector", .Family = Detectors});
        SlaveBase = catalogue.AddDeviceType({.Name = "Detector Base Slave", .IsSlave = true, .Family = Detectors});
        InputUnit = catalogue.AddDeviceType({.Name = "Input Unit", .Family = Interfaces});
        LegacyModule = catalogue.AddDeviceType({.Name = "Legacy Module", .Family = Interfaces, .IconNumber = 0});
        HiddenBeacon = catalogue.AddDeviceType({.Name = "Hidden Beacon", .Family = 255});
        WallSounder = catalogue.AddDeviceType({.Name = "Wall Sounder", .Family = Sounders});
        StandaloneSounder = catalogue.AddDeviceType({.Name = "Standalone Sounder", .Family = Sounders});
        StandaloneBeacon = catalogue.AddDeviceType({.Name = "Standalone Beacon", .Family = Beacons});
        LoopTerminator = catalogue.AddDeviceType({.Name = "Loop Terminator", .Family = 0, .IconNumber = 0});
        catalogue.DeviceTypes[static_cast<size_t>(StandaloneSounder)].StandaloneOther = 1;
        catalogue.DeviceTypes[static_cast<size_t>(StandaloneBeacon)].StandaloneOther = 2;
        // Display order: by name, as the device loader leaves it.
        std::sort(catalogue.DeviceTypeOrder.begin(), catalogue.DeviceTypeOrder.end(), [this](int a, int b) {
            return catalogue.DeviceType(a).Name < catalogue.DeviceType(b).Name;
        });

        catalogue.CableGroups = {{"Metric sizes", "NONUS", true}, {"AWG sizes", "US", false}};
        catalogue.Cables = {{"1.0 mm2", 1810, true, 0}, {"16 AWG", 1320, false, 1}, {"1.5 mm2", 1210, true, 0}};

        options.SetUnits(0);
        options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size() - 1));
        options.SetStandardDevice(Heat, false);
        options.SetStandardDevice(WallSounder, true);
    }

    void AddFamily(const std::string& name, const std::string& sortKey, bool shown)
    {
        catalogue.DeviceFamilies.push_back({name, sortKey, "ALL", shown, shown});
    }

    void ShowOnly(std::initializer_list<int> families)
    {
        for (DeviceFamilyRecord& family : catalogue.DeviceFamilies)
            family.Shown = false;
        for (const int family : families)
            catalogue.DeviceFamilies[static_cast<size_t>(family)].Shown = true;
    }
};
