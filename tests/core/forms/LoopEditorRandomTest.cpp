// Random sequences of loop-editor commits (device quantities, Other Device
// quantities, parameters): whatever is accepted or refused, no device leaves
// its address range, the panel's device limit holds, the loop model's sums
// equal a recount, and Cancel gives back the loop the editor opened with.

#include "catalogues/Options.h"
#include "document/Document.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"
#include "document/LoopPlacement.h"
#include "platform/MessageHost.h"
#include "support/LoopRecount.h"
#include "support/SameLoop.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Site : TestCatalogue {
    int32_t low = AddAddressRange("L", {{1, 63}});
    int32_t high = AddAddressRange("H", {{64, 126}});
    int32_t all = AddAddressRange("A", {{1, 126}});
    int16_t remote = AddOutputBit(3);
    std::vector<int16_t> types{
        AddDeviceType({.Name = "Smoke", .Quiescent = 300, .Alarm = 3500, .AlarmLedDisabled = 500, .BaseType = 1,
                       .AddressRange = all}),
        AddDeviceType({.Name = "Heat", .Quiescent = 250, .Alarm = 3000, .Resistance = 15, .MaxSurge = 40000,
                       .BaseType = 1, .AddressRange = low}),
        AddDeviceType({.Name = "Sounder", .Quiescent = 200, .Alarm = 8000, .AddressRange = high}),
        AddDeviceType({.Name = "Module", .Quiescent = 400, .Alarm = 1000, .Outputs = {{remote, 0}}, .AddressRange = all}),
        AddDeviceType({.Name = "Master", .Quiescent = 500, .Alarm = 9000, .NoOtherDevices = true, .IsMaster = true,
                       .AddressRange = all}),
        AddDeviceType({.Name = "Slave", .Quiescent = 100, .Alarm = 7000, .NoOtherDevices = true, .IsSlave = true,
                       .BaseType = 1, .AddressRange = all}),
    };
    std::vector<int16_t> others{
        AddOtherDevice({.Name = "Remote LED", .Alarm = 2000, .FromRemote = true}),
        AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .Impedance = 10, .IsBase = true, .Base = 1}),
        AddOtherDevice({.Name = "Beacon", .Alarm = 4000, .MaxQty = 40}),
        AddOtherDevice({.Name = "Isolator", .Impedance = 20, .MaxSurge = 30000, .IsStandalone = true}),
    };
    Site()
    {
        AddCable("1.5 mm", 1210, true);
        PanelRecord panel;
        panel.Loops = 1;
        panel.AlarmLEDs = 100;
        panel.RemoteLEDs = 100;
        panel.Outputs = 50;
        panel.MaxLoopCurrent = 500;
        panel.MinLoopVoltage = 2400;
        panel.MaxDevicesPerLoop = 80;
        AddCurrentPanel(panel);
    }
};

}  // namespace

TEST(LoopEditorRandom, CommitsKeepDevicesInRangeWithinTheLimitAndSumsRight)
{
    Site site;
    ScratchFolder folder;
    SettingsStore store(folder.Path("settings.conf"));
    Options options(store);
    options.LoadStandardDevices(site, static_cast<int>(site.DeviceTypes.size() - 1));
    ScriptedMessageHost host;
    Document document(site);
    std::mt19937 random(7);
    auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    for (int session = 0; session < 8; ++session) {
        LoopEditorCore editor(document, options, host, 1);
        editor.Activate();
        LoopParameters parameters(editor, draw(2));
        const clsCalculator opened = document.Loop(1).Copy();
        for (const int16_t type : site.types)
            editor.AddDeviceRow(type);

        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE("session " + std::to_string(session) + " step " + std::to_string(step));
            switch (draw(6)) {
            case 0: case 1: case 2:
                editor.CommitDeviceQuantity(static_cast<size_t>(draw(static_cast<int>(editor.DeviceRows().size()))),
                                            draw(4) == 0 ? draw(130) : draw(25), true);
                break;
            case 3: case 4:
                editor.CommitOtherQuantity(static_cast<size_t>(draw(static_cast<int>(editor.OtherRows().size()))),
                                           draw(30), true);
                break;
            default:
                switch (draw(4)) {
                case 0: parameters.CommitTotalLength(std::to_string(draw(3200)), true); break;
                case 1: parameters.CommitFirstLength(std::to_string(draw(400)), true); break;
                case 2: parameters.SetCalcType(draw(3)); break;
                default: parameters.MoveSlider(static_cast<int16_t>(draw(101))); break;
                }
            }
            const clsCalculator& loop = document.Loop(1);
            ASSERT_EQ(RunningSums(loop), RecountSums(loop, site));
            ASSERT_LE(loop.QtyDevices(), 80);
            for (int a = 0; a < clsCalculator::AddressCount; ++a) {
                const int16_t type = loop.DeviceType(a);
                if (type != 0) {
                    ASSERT_TRUE(LoopPlacement::IsAddressInRange(document, type, a)) << "address " << a;
                }
                if (loop.DeviceBaseType(a) != 0) {
                    ASSERT_NE(type, 0) << "a slave base without its device at " << a;
                }
            }
            // The rows say what the loop holds.
            for (const LoopEditorCore::DeviceRow& row : editor.DeviceRows())
                ASSERT_EQ(row.Quantity, LoopPlacement::CountOfType(document, 1, row.Type)) << site.DeviceType(row.Type).Name;
        }
        if (session % 2 == 0) {
            editor.Cancel();
            ASSERT_TRUE(SameLoop(document.Loop(1), opened, site));
        }
    }
    EXPECT_TRUE(host.boxes.empty());  // quiet commits show nothing
}
