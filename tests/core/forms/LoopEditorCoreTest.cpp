#include "forms/LoopEditorCore.h"

#include "support/LoopEditorSite.h"
#include "document/CalculationSupport.h"
#include "document/DocumentEdits.h"
#include "forms/LoopParameters.h"
#include "support/SameLoop.h"

#include <gtest/gtest.h>

#include <functional>

using Addresses = std::vector<int>;

TEST(LoopEditorCore, QuantitiesPlaceDevicesLowestFirstAndMoveThoseInTheWayWithWhatTheyCarry)
{
    LoopEditorSite e;
    const clsCalculator opened = e.Loop().Copy();

    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 5));
    EXPECT_TRUE(e.document.Dirty);
    EXPECT_EQ(e.core->DeviceRowTexts(0).Alarm, "18 mA");
    e.document.Dirty = false;
    EXPECT_TRUE(e.core->CommitDeviceQuantity(0, 5));
    EXPECT_FALSE(e.document.Dirty);  // the same quantity changes nothing
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 3));
    e.Loop().SetDeviceType(2, 0);  // a gap: new devices fill it first
    e.Loop().SetDeviceType(6, e.detector);
    EXPECT_TRUE(e.core->CommitDeviceQuantity(0, 4, true));
    EXPECT_EQ(e.AddressesOf(e.detector), (Addresses{1, 2, 3, 6}));

    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 63));
    e.Loop().SetDeviceOtherBaseType(1, e.relayBase);
    e.document.SetAddressTag(1, 1, -7);
    e.Loop().SetLocation(1, "Bay 1");
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.sounder), 2)) << e.LastMessage();
    EXPECT_EQ(e.AddressesOf(e.sounder), (Addresses{1, 2}));
    EXPECT_EQ(e.Loop().DeviceType(64), e.detector);  // moved out of the sounders' narrower range
    EXPECT_EQ(e.Loop().DeviceOtherBaseType(64), e.relayBase);
    EXPECT_EQ(e.document.AddressTag(1, 64), -7);
    EXPECT_EQ(e.Loop().Location(64), "Bay 1");  // the device's place in the building goes with it
    EXPECT_EQ(e.document.AddressTag(1, 1), 0);

    for (const auto& [text, quantity] : {std::pair{"12.5", 12}, std::pair{"13.5", 14}, std::pair{"", 0}})
        EXPECT_EQ(LoopEditorCore::QuantityFromText(text), quantity) << text;

    e.core->Cancel();  // gives back the loop and its tags, as yet uncalculated
    CalculationSupport::RecalculateLoop(e.document, 1);
    EXPECT_TRUE(SameLoop(e.Loop(), opened, e.catalogue));
    EXPECT_EQ(e.document.AddressTag(1, 64), 0);
}

TEST(LoopEditorCore, OtherDevicesNeedCompatibleDevicesAndSayHowManyThereAre)
{
    LoopEditorSite e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 3));
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.remoteLed), 1));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 3));  // the most there may be
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 1));
    EXPECT_EQ(e.core->OtherRowTexts(e.OtherRow(e.beacon)).Alarm, "4000 \u00B5A");

    e.Loop().SetDeviceBaseType(2, e.slaveBase);  // a slave base leaves room only in the last pass
    e.Loop().SetDeviceType(3, e.sounder);        // base type 0: no relay base fits
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.relayBase), 3));
    EXPECT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.relayBase), 2));

    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.module), 1));
    e.Loop().SetDeviceOtherType(e.AddressesOf(e.module).front(), e.beacon);
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.remoteLed), 2));
    EXPECT_EQ(e.LastMessage(), "There are no addressable devices that are compatible with Remote LED and that don't "
                               "already have different 'Other Devices'.");
    EXPECT_EQ(e.Loop().QtyOthers(e.remoteLed), 0);  // nothing attached by the failed check
}

TEST(LoopEditorCore, SlavesAndStandaloneDevicesNeedAMasterAndKeepItOnTheLoop)
{
    LoopEditorSite e;
    ASSERT_TRUE(e.core->CommitDeviceQuantity(0, 2));
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 2));
    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 0));
    EXPECT_EQ(e.LastMessage(), "Cannot remove all Detectors.  Some have 'Other Devices' attached.");
    const size_t slaves = e.Row(e.slaveBase);
    EXPECT_FALSE(e.core->CommitDeviceQuantity(slaves, 1));
    EXPECT_EQ(e.LastMessage(), "A 'Master' device must be present on the loop in order to use 'Slave' devices.");
    EXPECT_FALSE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 1));

    const size_t masters = e.Row(e.masterBase);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(masters, 1));
    ASSERT_TRUE(e.core->CommitDeviceQuantity(slaves, 2)) << e.LastMessage();
    EXPECT_EQ(e.Loop().DeviceBaseType(1), e.slaveBase);
    EXPECT_EQ(e.Loop().DeviceBaseAddr(1), 3);  // the Master's address
    EXPECT_FALSE(e.core->CommitDeviceQuantity(slaves, 3));
    EXPECT_EQ(e.LastMessage(), "There are not enough compatible devices available for Slave Bases.");
    EXPECT_FALSE(e.core->CommitDeviceQuantity(masters, 0));
    EXPECT_EQ(e.LastMessage(), "You cannot remove all 'Master' devices while there are 'Slave' devices on the loop.");
    EXPECT_FALSE(e.core->CommitDeviceQuantity(0, 1));
    EXPECT_EQ(e.LastMessage(), "Cannot reduce the quantity of Detectors.  Some have 'Other Devices' or 'Slave' devices "
                               "attached.");

    // Standalone devices: slot by slot, address by address, linked to the Master.
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 4));
    EXPECT_EQ(e.Loop().DeviceStandaloneAddress(1, 3), 3);
    ASSERT_TRUE(e.core->CommitOtherQuantity(e.OtherRow(e.standaloneSlave), 1));
    EXPECT_EQ(e.Loop().DeviceStandalone(1, 2), e.standaloneSlave);  // the first slot filled is the last emptied
}

// The rows on show are chosen when the filter is set: every word of its text
// in the name, any case; with "in use only", rows with devices. A row added,
// or one whose quantity falls to 0, stays on show until the filter is set again.
TEST(LoopEditorCore, TheDeviceFilterShowsTheMatchingRows)
{
    LoopEditorSite e;
    for (const int type : {e.sounder, e.masterBase, e.slaveBase})
        e.options.SetStandardDevice(type, true);
    e.core->Activate();
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.sounder), 2));
    const auto shown = [&] {
        std::string names;
        for (const size_t row : e.core->ShownDeviceRows())
            names += (names.empty() ? "" : ", ") + e.core->DeviceRowTexts(row).Name;
        return names;
    };
    EXPECT_EQ(shown(), "Detector, Sounder, Master Base, Slave Base");
    for (const auto& [text, inUse, names] : {std::tuple{"BASE", false, "Master Base, Slave Base"},
                                             {" base  MAS ", false, "Master Base"},
                                             {"", true, "Sounder"},
                                             {"base", true, ""},
                                             {"", false, "Detector, Sounder, Master Base, Slave Base"}}) {
        e.core->SetDeviceFilter(text, inUse);
        EXPECT_EQ(shown(), names) << text << " " << inUse;
    }

    e.core->SetDeviceFilter("", true);
    e.Row(e.heat);
    ASSERT_TRUE(e.core->CommitDeviceQuantity(e.Row(e.sounder), 0));
    EXPECT_EQ(shown(), "Sounder, Heat");
    e.core->SetDeviceFilter("", true);
    EXPECT_EQ(shown(), "");
}

// Each accepted change is a step named in the user's words; the slider's
// moves and the name's keys merge. OK makes them one step of the document's
// history; Cancel leaves the document as clean as it was.
TEST(LoopEditorCore, EachAcceptedChangeIsANamedStepAndOKMakesThemOne)
{
    LoopEditorSite e;
    LoopParameters p(*e.core, 0);
    EXPECT_FALSE(e.core->HasChanges());
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { e.core->CommitDeviceQuantity(0, 12); }, "Quantity of Detector 0 \u2192 12"},
        {[&] { e.core->CommitDeviceQuantity(0, 14); }, "Quantity of Detector 12 \u2192 14"},
        {[&] { e.core->CommitOtherQuantity(e.OtherRow(e.beacon), 2); }, "Quantity of Beacon 0 \u2192 2"},
        {[&] { p.ChooseCable(0); }, "Cable 1.0 mm"},
        {[&] { p.CommitImpedance("12.5"); }, "Cable Impedance 12.50 ohms/km/core"},
        {[&] { p.CommitTotalLength("420"); }, "Total Cable Run 420 m"},
        {[&] { p.CommitFirstLength("12"); }, "Cable Run to First Device 12 m"},
        {[&] { p.CommitMaxOutputs("5"); }, "Activated Outputs 5"},
        {[&] { p.SetInterfaceLedsDisabled(true); }, "Interface LEDs Disabled"},
        {[&] { p.MoveSlider(20), p.MoveSlider(30); }, "Device Distribution"},
        {[&] { p.SetCalcType(CalculationType::MaxCableRun); }, "Calculate maximum cable run"},
        {[&] { e.core->SetLoopName("Y"), e.core->SetLoopName("Yard"); }, "Loop Name"},
    };
    for (const auto& [edit, name] : steps) {
        const size_t done = e.core->History().Done();
        edit();
        EXPECT_EQ(e.core->History().Done(), done + 1) << name;
        EXPECT_EQ(e.core->History().UndoName(), name);
    }
    EXPECT_TRUE(e.core->HasChanges());
    EXPECT_EQ(e.core->DiscardQuestion(), "Discard the changes to loop 1?");
    while (e.core->Undo()) {
    }
    EXPECT_EQ(e.Loop().QtyDevices(), 0);
    EXPECT_EQ(e.core->DeviceRows()[0].Quantity, 0);  // the rows follow
    EXPECT_FALSE(e.core->HasChanges() || e.document.Dirty);
    EXPECT_TRUE(e.core->Redo() && e.core->Redo());
    EXPECT_EQ(e.core->DeviceRows()[0].Quantity, 14);

    e.core->Accept();
    EXPECT_EQ(e.document.History.UndoName(), "Changes to Loop 1");
    EXPECT_TRUE(UndoEdit(e.document, e.catalogue, e.options));
    EXPECT_EQ(e.Loop().QtyDevices(), 0);
    EXPECT_FALSE(e.document.Dirty);
}
