#pragma once
// The loop editor opened on loop 1 of a two-loop panel, over a catalogue of
// each kind of device it places: ranges, outputs, a Master and its Slave,
// base, remote, limited and standalone Other Devices. Only the detector is
// a Standard Device. The window tests open the editor's window on it.

#include "catalogues/Options.h"
#include "document/Document.h"
#include "forms/LoopEditorCore.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <algorithm>
#include <memory>
#include <optional>

struct LoopEditorSite {
    TestCatalogue catalogue;
    int32_t low = catalogue.AddAddressRange("L", {{1, 63}});
    int32_t high = catalogue.AddAddressRange("H", {{64, 126}});
    int32_t all = catalogue.AddAddressRange("A", {{1, 126}});
    int16_t remoteOutput = catalogue.AddOutputBit(3);
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 3500,
                                                .AlarmLedDisabled = 500, .BaseType = 1, .AddressRange = all});
    int16_t sounder = catalogue.AddDeviceType({.Name = "Sounder", .Quiescent = 200, .Alarm = 8000, .AddressRange = low});
    int16_t heat = catalogue.AddDeviceType({.Name = "Heat", .Quiescent = 250, .Alarm = 3000, .Resistance = 15,
                                            .MaxSurge = 40000, .AddressRange = high});
    int16_t module = catalogue.AddDeviceType(
        {.Name = "Output Module", .Quiescent = 400, .Alarm = 1000, .Outputs = {{remoteOutput, 0}}, .AddressRange = all});
    int16_t masterBase = catalogue.AddDeviceType(
        {.Name = "Master Base", .Quiescent = 500, .Alarm = 9000, .NoOtherDevices = true, .IsMaster = true, .AddressRange = all});
    int16_t slaveBase = catalogue.AddDeviceType({.Name = "Slave Base", .Quiescent = 100, .Alarm = 7000,
                                                 .NoOtherDevices = true, .IsSlave = true, .BaseType = 1, .AddressRange = all});
    int16_t remoteLed = catalogue.AddOtherDevice({.Name = "Remote LED", .Alarm = 2000, .FromRemote = true});
    int16_t relayBase = catalogue.AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .Impedance = 10, .IsBase = true, .Base = 1});
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Alarm = 4000, .MaxQty = 3});
    int16_t standaloneSlave = catalogue.AddOtherDevice(
        {.Name = "Standalone Sounder", .Alarm = 6000, .Impedance = 20, .IsStandalone = true, .AddressableDevice = slaveBase});

    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};
    std::optional<LoopEditorCore> core;

    LoopEditorSite()
    {
        catalogue.AddCable("1.0 mm", 1810, true);
        catalogue.AddCable("1.5 mm", 1210, true);
        PanelRecord panel;
        panel.Loops = 2;
        panel.AlarmLEDs = panel.RemoteLEDs = 250;
        panel.Outputs = 96;
        panel.MaxLoopCurrent = 500;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size() - 1));
        for (size_t type = 1; type < catalogue.DeviceTypes.size(); ++type)
            options.SetStandardDevice(static_cast<int>(type), static_cast<int>(type) == detector);
        core.emplace(document, options, host, 1);
        core->Activate();
    }
    clsCalculator& Loop() { return document.Loop(1); }
    size_t Row(int type) { return core->AddDeviceRow(type); }
    size_t OtherRow(int other) { return std::ranges::find(core->OtherRows(), other) - core->OtherRows().begin(); }
    std::vector<int> AddressesOf(int type)
    {
        std::vector<int> addresses;
        for (int a = 0; a < clsCalculator::AddressCount; ++a)
            if (Loop().DeviceType(a) == type)
                addresses.push_back(a);
        return addresses;
    }
    std::string LastMessage() const { return host.boxes.empty() ? "" : host.boxes.back().Text; }

    // A window on loop 1 (the loop editor's), shown and activated so that
    // focus moves as it would on screen.
    template <typename Window>
    std::unique_ptr<Window> Open()
    {
        auto window = std::make_unique<Window>(document, options, host, 1, [](auto*) { return std::optional<int>(); });
        window->show();
        window->activateWindow();
        return window;
    }
};
