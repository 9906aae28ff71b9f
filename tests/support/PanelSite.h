#pragma once
// A Loop Calculation with a loaded panel catalogue, for the control-panel
// editor and the user-defined panel list. The files live in a scratch folder:
//
//   standard panels (manufacturer "Acme Fire"): "Acme 2" (2 loops) and
//   "Unknown Panel" (8 loops, 2.00 ohms, 10 and 10 LEDs, 32 outputs,
//   400 mA, 3200 mA, 24.00 V, standby current 120 mA, battery 7.20 Ah, no
//   alarm or charger current);
//   user-defined panels: "Site Panel" (4 loops) in slot 1 and "Spare Panel"
//   (2 loops) in slot 3, slot 2 free.
//
// Positions after sorting: Acme 2, Site Panel, Spare Panel, Unknown Panel.
// No panel is current until a test selects one.

#include "catalogues/PanelCatalogue.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"
#include "forms/PanelServices.h"

#include <string>
#include <vector>

// Counts how often the busy pointer was shown, and whether it is on now.
class CountingBusyPointer : public BusyPointer {
public:
    void Show() override { ++shown, ++depth; }
    void Restore() override { --depth; }
    int shown = 0;
    int depth = 0;
};

struct PanelSite {
    static constexpr int Acme2 = 0, SitePanel = 1, SparePanel = 2, UnknownPanel = 3;

    ScratchFolder folder;
    DataFiles files = Files(folder);
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    TestCatalogue catalogue;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    Document document{catalogue};
    ScriptedMessageHost host;
    CountingBusyPointer pointer;
    bool loaded = false;

    PanelSite()
    {
        folder.Write("data/Harvex/Panels/QuellarStdPanels.dat",
                     "[Manufacturers]\nManufacturer0=Acme\nManufacturer1=Generic\n"
                     "[Acme]\nName=Acme Fire\nPanel1=A2\n"
                     "[Generic]\nName=Generic\nPanel1=GenericUnknown\n" +
                         Section("A2", "Acme 2", 2) + Section("GenericUnknown", "Unknown Panel", 8) +
                         "StandbyCurrent=120\nMaxBattery=7.2\n");
        folder.Write("user/CUSTPAN.DAT", "[Options]\nMaxCustom=3\n" + Section("Custom1", "\"Site Panel\"", 4) +
                                             Section("Custom3", "\"Spare Panel\"", 2));
        loaded = LoadPanels(catalogue, host, files);
    }

    static DataFiles Files(const ScratchFolder& folder)
    {
        DataFiles files = DataFiles::FromRoot(folder.Path("data"));
        files.CustomPanelsFile = folder.Path("user/CUSTPAN.DAT");
        return files;
    }

    static std::string Section(const std::string& section, const std::string& name, int loops)
    {
        return "[" + section + "]\nName=" + name + "\nLoops=" + std::to_string(loops) +
               "\nDriverImpedance=200\nAlarmLEDs=10\nRemoteLEDs=10\nOutputs=32\nMaxLoopCurrent=400\n"
               "MaxTotalCurrent=3200\nMinLoopVoltage=2400\n";
    }

    PanelServices Services() { return {document, catalogue, options, host, files, pointer}; }

    std::string UserFile() const { return folder.Read("user/CUSTPAN.DAT"); }

    void SelectCurrent(const std::string& name) { SelectPanelByName(catalogue, options, name); }

    int Position(const std::string& name) const
    {
        for (size_t p = 0; p < catalogue.Panels.size(); ++p)
            if (catalogue.Panels[p].Name == name)
                return static_cast<int>(p);
        return -1;
    }

    // The live panels as a fresh catalogue loads them from the files, as at
    // the next start (none when the files do not load).
    std::vector<PanelRecord> PanelsAfterRestart() const
    {
        Catalogue fresh;
        ScriptedMessageHost quiet;
        return LoadPanels(fresh, quiet, files) ? fresh.Panels : std::vector<PanelRecord>{};
    }
};
