#include "document/LoopEditing.h"

#include "document/DocumentEdits.h"
#include "support/LoopEditorSite.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using LoopEditing::Outcome;

struct Step {
    const char* what;
    std::function<Outcome(LoopEditorSite&)> run;
    std::string refusal;  // "" when accepted
};

}  // namespace

// Each rule once, at its edge: what passes just inside it and the refusal
// just outside, in the rule's own words. The steps run in order on one loop
// and a refused one leaves it as it was.
TEST(LoopEditing, PlacingAtAddressesAndByQuantityKeepsEveryRuleAndLimit)
{
    LoopEditorSite e;
    e.catalogue.Panels[0].MaxDevicesPerLoop = 4;
    int slot = 0;
    const std::vector<Step> steps{
        {"a device", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 63, s.sounder); }, ""},
        {"a host of another base type", [](auto& s) { return LoopEditing::FitSlaveBaseAt(s.document, 1, 63, s.slaveBase); },
         "The Sounder at address 63 cannot take a Slave Base."},
        {"the range's last address", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 126, s.detector); }, ""},
        {"past the range", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 127, s.detector); },
         "Address 127 is outside the address range of Detectors (A)."},
        {"below the range", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 63, s.heat); },
         "Address 63 is outside the address range of Heats (H)."},
        {"taken", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 126, s.module); },
         "Address 126 already holds a Detector."},
        {"a slave base is no device of its own", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 5, s.slaveBase); },
         "A Slave Base is fitted to another device: it has no address of its own."},
        {"slave base without a Master", [](auto& s) { return LoopEditing::FitSlaveBaseAt(s.document, 1, 126, s.slaveBase); },
         "A 'Master' device must be present on the loop in order to use 'Slave' devices."},
        {"standalone without a Master", [&](auto& s) { return LoopEditing::WireStandaloneAfter(s.document, 1, 126, s.standaloneSlave, slot); },
         "A 'Master' device must be present on the loop in order to use 'Slave' devices."},
        {"the Master", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 10, s.masterBase); }, ""},
        {"the panel's last device", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 11, s.module); }, ""},
        {"one more than the panel takes", [](auto& s) { return LoopEditing::PlaceDeviceAt(s.document, 1, 12, s.detector); },
         "Too many devices on this loop!"},
        {"the same by quantity", [](auto& s) { return LoopEditing::SetDeviceQuantity(s.document, 1, s.detector, 2); },
         "Too many devices on this loop!"},
        {"a quantity past the range", [](auto& s) { return LoopEditing::SetDeviceQuantity(s.document, 1, s.sounder, 64); },
         "Invalid number of devices!  (Must be between 0 and 63)"},
        {"a slave base on its host", [](auto& s) { return LoopEditing::FitSlaveBaseAt(s.document, 1, 126, s.slaveBase); }, ""},
        {"a second on the same host", [](auto& s) { return LoopEditing::FitSlaveBaseAt(s.document, 1, 126, s.slaveBase); },
         "The Detector at address 126 cannot take a Slave Base."},
        {"nothing to fit it to", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 40, s.relayBase); },
         "There is no device at address 40 for the Relay Base."},
        {"a base that does not fit", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 63, s.relayBase); },
         "A Relay Base cannot be fitted to the Sounder at address 63."},
        {"a base", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 126, s.relayBase); }, ""},
        {"a second base", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 126, s.relayBase); },
         "The device at address 126 already has a Relay Base."},
        {"a standalone device fitted", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 126, s.standaloneSlave); },
         "A Standalone Sounder is wired between devices, not fitted to one."},
        {"wired after a device", [&](auto& s) { return LoopEditing::WireStandaloneAfter(s.document, 1, 126, s.standaloneSlave, slot); }, ""},
        {"the Other Device's last one", [](auto& s) { return LoopEditing::SetOtherQuantity(s.document, 1, s.beacon, 3); }, ""},
        {"one more than it may have", [](auto& s) { return LoopEditing::AttachOtherAt(s.document, 1, 126, s.beacon); },
         "Cannot have more than 3 Beacon!"},
        {"fewer than none", [](auto& s) { return LoopEditing::SetOtherQuantity(s.document, 1, s.beacon, -1); },
         "Invalid number of Beacon!"},
        {"none of them", [](auto& s) { return LoopEditing::SetOtherQuantity(s.document, 1, s.beacon, 0); }, ""},
    };
    for (const Step& step : steps) {
        const LoopState before = CaptureLoop(e.document, 1);
        const Outcome outcome = step.run(e);
        EXPECT_EQ(outcome.Message, step.refusal) << step.what;
        EXPECT_EQ(outcome.Accepted, step.refusal.empty()) << step.what;
        if (!outcome) {
            EXPECT_TRUE(CaptureLoop(e.document, 1) == before) << step.what;
        }
    }
    const clsCalculator& loop = e.Loop();
    EXPECT_EQ(loop.DeviceBaseAddr(126), 10);  // the slave base belongs to the Master
    EXPECT_EQ(slot, clsCalculator::FirstSlot);
    EXPECT_EQ(loop.DeviceStandaloneAddress(126, slot), 10);
}
