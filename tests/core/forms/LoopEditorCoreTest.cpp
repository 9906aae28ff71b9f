#include "forms/LoopEditorCore.h"

#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/LoopPlacement.h"
#include "platform/MessageHost.h"
#include "support/SameLoop.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Editor {
    TestCatalogue catalogue;
    int32_t low = catalogue.AddAddressRange("L", {{1, 63}});
    int32_t all = catalogue.AddAddressRange("A", {{1, 126}});
    int16_t remoteOutput = catalogue.AddOutputBit(3);
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 3500,
                                                .AlarmLedDisabled = 500, .BaseType = 1, .AddressRange = all});
    int16_t sounder = catalogue.AddDeviceType({.Name = "Sounder", .Quiescent = 200, .Alarm = 8000, .AddressRange = low});
    int16_t module = catalogue.AddDeviceType(
        {.Name = "Output Module", .Quiescent = 400, .Alarm = 1000, .Outputs = {{remoteOutput, 0}}, .AddressRange = all});
    int16_t masterBase = catalogue.AddDeviceType(
        {.Name = "Master Base", .Quiescent = 500, .Alarm = 9000, .NoOtherDevices = true, .IsMaster = true, .AddressRange = all});
    int16_t slaveBase = catalogue.AddDeviceType({.Name = "Slave Base", .Quiescent = 100, .Alarm = 7000,
                                                 .NoOtherDevices = true, .IsSlave = true, .BaseType = 1, .AddressRange = all});
    int16_t remoteLed = catalogue.AddOtherDevice({.Name = "Remote LED", .Alarm = 2000, .FromRemote = true});
    int16_t relayBase = catalogue.AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .IsBase = true, .Base = 1});
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Alarm = 4000, .MaxQty = 3});
    int16_t standaloneSlave =
        catalogue.AddOtherDevice({.Name = "Standalone Sounder", .Alarm = 6000, .IsStandalone = true, .AddressableDevice = slaveBase});

    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};
    std::optional<LoopEditorCore> core;

    Editor()
    {
        PanelRecord panel;
        panel.Loops = 2;
        panel.AlarmLEDs = 250;
        panel.RemoteLEDs = 250;
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
    size_t OtherRow(int other)
    {
        const auto& rows = core->OtherRows();
        return static_cast<size_t>(std::find(rows.begin(), rows.end(), other) - rows.begin());
    }
    std::vector<int> AddressesOf(int type)
    {
        std::vector<int> addresses;
        for (int a = 0; a < 256; ++a)
            if (Loop().DeviceType(a) == type)
                addresses.push_back(a);
        return addresses;
    }
    std::string LastMessage() const { return host.boxes.empty() ? "" : host.boxes.back().Text; }
};

}  // namespace

TEST(LoopEditorCore, StandardDevicesStartTheTableAndQuantitiesPlaceDevicesLowestFirst)
{
    Editor e;
    ASSERT_EQ(e.core->DeviceRows().size(), 1u);
    EXPECT_EQ(e.core->DeviceRows()[0].Type, e.detector);
    EXPECT_EQ(e.core->Caption(), "Loop 1");

    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 127));
    EXPECT_EQ(e.LastMessage(), "Invalid number of devices!  (Must be between 0 and 126)");
    EXPECT_EQ(e.host.boxes.back().Caption, "Loop 1");
    EXPECT_EQ(e.host.boxes.back().Style, MsgStyle::Exclamation);
    EXPECT_FALSE(e.document.Dirty);

    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 5));
    EXPECT_EQ(e.AddressesOf(e.detector), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(e.document.Dirty);
    EXPECT_EQ(e.Loop().QtyDevices(), 5);  // recalculated
    const LoopEditorCore::RowTexts texts = e.core->DeviceRowTexts(0);
    EXPECT_EQ(texts.Name, "Detector");
    EXPECT_EQ(texts.Quantity, "5");
    EXPECT_EQ(texts.Quiescent, "1500 \u00B5A");
    EXPECT_EQ(texts.Alarm, "18 mA");

    e.document.Dirty = false;
    EXPECT_TRUE(e.core->CommitDeviceQuantity(0, 5));
    EXPECT_FALSE(e.document.Dirty);  // the same quantity changes nothing

    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 20));
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 15));
    EXPECT_EQ(e.AddressesOf(e.detector).back(), 15);  // the highest addresses came off
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 3));
    EXPECT_EQ(e.AddressesOf(e.detector), (std::vector<int>{1, 2, 3}));
    e.Loop().SetDeviceType(2, 0);  // a gap: new devices fill it first
    e.Loop().SetDeviceType(6, e.detector);
    EXPECT_TRUE(e.core->CommitDeviceQuantity(0, 4, true));
    EXPECT_EQ(e.AddressesOf(e.detector), (std::vector<int>{1, 2, 3, 6}));
}

TEST(LoopEditorCore, DevicesInTheWayAreMovedOutOfANarrowerRange)
{
    Editor e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 63));
    e.Loop().SetDeviceOtherBaseType(1, e.relayBase);
    e.document.SetAddressTag(1, 1, -7);

    const size_t row = e.Row(e.sounder);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(row, 2)) << e.LastMessage();
    EXPECT_EQ(e.AddressesOf(e.sounder), (std::vector<int>{1, 2}));
    // The detectors that made room went to the first free addresses outside
    // the sounders' range, with what they carried.
    EXPECT_EQ(e.Loop().DeviceType(64), e.detector);
    EXPECT_EQ(e.Loop().DeviceOtherBaseType(64), e.relayBase);
    EXPECT_EQ(e.document.AddressTag(1, 64), -7);
    EXPECT_EQ(e.Loop().DeviceBaseAddr(64), 64);
    EXPECT_EQ(e.Loop().DeviceType(65), e.detector);
    EXPECT_EQ(e.Loop().DeviceOtherBaseType(1), 0);
    EXPECT_EQ(e.document.AddressTag(1, 1), 0);
    EXPECT_EQ(e.AddressesOf(e.detector).size(), 63u);
}

TEST(LoopEditorCore, OtherDevicesNeedCompatibleDevicesAndSayHowManyThereAre)
{
    Editor e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 3));
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.remoteLed), 1));
    EXPECT_EQ(e.LastMessage(), "There are no addressable devices that are compatible with Remote LED.");

    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 4));
    EXPECT_EQ(e.LastMessage(), "Cannot have more than 3 Beacon!");
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), -1));
    EXPECT_EQ(e.LastMessage(), "Invalid number of Beacon!");

    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 1));
    EXPECT_EQ(e.Loop().DeviceOtherType(1), e.beacon);
    EXPECT_EQ(e.core->OtherRowTexts(e.OtherRow(e.beacon)).Alarm, "4000 \u00B5A");

    e.Loop().SetDeviceBaseType(2, e.slaveBase);  // a slave base leaves room only in the last pass
    e.Loop().SetDeviceType(3, e.sounder);        // base type 0: no relay base fits
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.relayBase), 5));
    EXPECT_EQ(e.LastMessage(), "There are only 2 Addressable Devices that are compatible with Relay Base.");

    const size_t row = e.Row(e.module);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(row, 1));
    const int moduleAddress = e.AddressesOf(e.module).front();
    e.Loop().SetDeviceOtherType(moduleAddress, e.beacon);  // the module carries another Other Device
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.remoteLed), 2));
    EXPECT_EQ(e.LastMessage(), "There are no addressable devices that are compatible with Remote LED and that don't "
                               "already have different 'Other Devices'.");
    EXPECT_EQ(e.Loop().QtyOthers(e.remoteLed), 0);  // nothing attached by the failed check
}

TEST(LoopEditorCore, RemovalRespectsOtherDevicesAndMasters)
{
    Editor e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 2));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 2));
    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 0));
    EXPECT_EQ(e.LastMessage(), "Cannot remove all Detectors.  Some have 'Other Devices' attached.");
    EXPECT_EQ(e.AddressesOf(e.detector).size(), 2u);

    const size_t slaves = e.Row(e.slaveBase);
    EXPECT_FALSE(e.core->CommitDeviceQuantity(slaves, 1));
    EXPECT_EQ(e.LastMessage(), "A 'Master' device must be present on the loop in order to use 'Slave' devices.");

    const size_t masters = e.Row(e.masterBase);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(masters, 1));
    ASSERT_TRUE(e.core->CommitDeviceQuantity(slaves, 2)) << e.LastMessage();
    EXPECT_EQ(e.Loop().DeviceBaseType(1), e.slaveBase);
    EXPECT_EQ(e.Loop().DeviceBaseAddr(1), 3);  // the Master's address
    EXPECT_EQ(e.Loop().QtyAddressableSlaveBases(), 2);
    EXPECT_FALSE(e.core->CommitDeviceQuantity(slaves, 3));
    EXPECT_EQ(e.LastMessage(), "There are not enough compatible devices available for Slave Bases.");

    EXPECT_FALSE(e.core->CommitDeviceQuantity(masters, 0));
    EXPECT_EQ(e.LastMessage(), "You cannot remove all 'Master' devices while there are 'Slave' devices on the loop.");
    ASSERT_TRUE(e.core->CommitDeviceQuantity(masters, 2));
    EXPECT_TRUE(e.core->CommitDeviceQuantity(masters, 1));  // one of two may go

    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 1));
    EXPECT_EQ(e.LastMessage(), "Cannot reduce the quantity of Detectors.  Some have 'Other Devices' or 'Slave' devices "
                               "attached.");
}

TEST(LoopEditorCore, StandaloneDevicesHangOnTheMaster)
{
    Editor e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 2));
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 1));
    EXPECT_EQ(e.LastMessage(), "A 'Master' device must be present on the loop in order to use 'Slave' devices.");
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.masterBase), 1));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 4));
    // Slot by slot, address by address, each linked to the Master at 3.
    EXPECT_EQ(e.Loop().DeviceStandalone(1, 2), e.standaloneSlave);
    EXPECT_EQ(e.Loop().DeviceStandalone(3, 2), e.standaloneSlave);
    EXPECT_EQ(e.Loop().DeviceStandalone(1, 3), e.standaloneSlave);
    EXPECT_EQ(e.Loop().DeviceStandaloneAddress(1, 3), 3);
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 1));
    EXPECT_EQ(e.Loop().DeviceStandalone(1, 2), e.standaloneSlave);  // the first slot filled is the last emptied
    EXPECT_EQ(e.Loop().QtyOthers(e.standaloneSlave), 1);
}

TEST(LoopEditorCore, CancelRestoresTheLoopAsItWasWhenTheEditorOpened)
{
    Editor e;
    e.Loop().SetCableTotal(1000);
    e.Loop().SetCableImpedance(1210);
    e.Loop().SetDeviceType(10, e.detector);
    e.document.SetAddressTag(1, 10, 42);
    e.core.emplace(e.document, e.options, e.host, 1);
    e.core->Activate();
    const clsCalculator opened = e.Loop().Copy();

    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 30));
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.masterBase), 1));
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.slaveBase), 4));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 3));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 2));
    e.Loop().SetCableImpedance(500);
    e.core->Cancel();

    EXPECT_TRUE(SameLoop(e.Loop(), opened, e.catalogue));
    EXPECT_EQ(e.AddressesOf(e.detector), (std::vector<int>{10}));
    EXPECT_EQ(e.Loop().QtyOthers(e.beacon), 0);
    EXPECT_EQ(e.Loop().CableImpedance(), 1210);
    EXPECT_EQ(e.document.AddressTag(1, 10), 42);
    EXPECT_EQ(e.Loop().QtyDevices(), 1);
    EXPECT_EQ(e.options.CurrentCableImpedance(), 1210);
}

TEST(LoopEditorCore, OkAsksWhenDevicesHaveNoCableRun)
{
    Editor e;
    EXPECT_TRUE(e.core->ConfirmOK());
    EXPECT_TRUE(e.host.boxes.empty());
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 1));
    e.host.Answer(MsgResult::No);
    EXPECT_FALSE(e.core->ConfirmOK());
    EXPECT_EQ(e.LastMessage(), "You have not specified a Total Cable Run.  Is this correct?");
    EXPECT_EQ(e.host.boxes.back().Style, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2);
    e.host.Answer(MsgResult::Yes);
    EXPECT_TRUE(e.core->ConfirmOK());
}

TEST(LoopEditorCore, InterfaceLedsAreOfferedOnlyWithDevicesThatHaveThem)
{
    Editor e;
    EXPECT_FALSE(e.core->InterfaceLedsAvailable());
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.sounder), 1));
    EXPECT_FALSE(e.core->InterfaceLedsAvailable());
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 1));
    EXPECT_TRUE(e.core->InterfaceLedsAvailable());
    e.Loop().SetDINLEDsDisabled(true);
    EXPECT_EQ(e.core->DeviceRowTexts(0).Alarm, "500 \u00B5A");
}

TEST(LoopEditorCore, TooManyDevicesForThePanel)
{
    Editor e;
    e.catalogue.Panels[0].MaxDevicesPerLoop = 4;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 4));
    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 5));
    EXPECT_EQ(e.LastMessage(), "Too many devices on this loop!");
    EXPECT_EQ(LoopEditorCore::QuantityFromText("12.5"), 12);
    EXPECT_EQ(LoopEditorCore::QuantityFromText("13.5"), 14);
    EXPECT_EQ(LoopEditorCore::QuantityFromText(""), 0);
}
