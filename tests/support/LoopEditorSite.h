#pragma once
// The loop editor's test site: a two-loop panel, a detector and an Other
// Device, a cable, and loop 1 with a 500 m cable of the 1.5 mm² kind.

#include "catalogues/Options.h"
#include "desktop/frmLoop.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <memory>

struct LoopEditorSite {
    TestCatalogue catalogue;
    int32_t full = catalogue.AddAddressRange("1-126", {{1, 126}});
    int16_t optical = catalogue.AddDeviceType({.Name = "Optical Smoke Detector", .Quiescent = 300, .Alarm = 3500,
                                               .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 4000, .MaxQty = 3});

    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};

    LoopEditorSite()
    {
        PanelRecord panel;
        panel.Name = "HX-200";
        panel.Loops = 2;
        panel.MaxLoopCurrent = 500;
        panel.MaxTotalCurrent = 1000;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        catalogue.AddCable("1.5 mm\u00B2 fire cable", 1210, true);
        options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size() - 1));
        for (size_t type = 1; type < catalogue.DeviceTypes.size(); ++type)
            options.SetStandardDevice(static_cast<int>(type), static_cast<int>(type) == optical);
        Loop().SetCableImpedance(1210);
        Loop().SetCableTotal(5000);
    }
    clsCalculator& Loop() { return document.Loop(1); }

    // The window, shown and activated so that focus moves as it would on screen.
    std::unique_ptr<frmLoop> Open()
    {
        auto window = std::make_unique<frmLoop>(document, options, host, 1,
                                                [](QWidget*) -> std::optional<int> { return std::nullopt; });
        window->show();
        window->activateWindow();
        return window;
    }
};
