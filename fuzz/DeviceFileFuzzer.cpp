// The device-type loader on a fuzzed device file (device types with their
// tables, then the Other Devices of the same file). A file that loads must
// give a catalogue the rest of the program can use: a sorted order that is a
// permutation of the types, and a loop holding every type and Other Device
// that calculates without fault under each calculation type.

#include "FuzzSupport.h"

#include "loop/clsCalculator.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/DeviceTypeLoader.h"
#include "catalogues/Options.h"
#include "catalogues/OtherDeviceLoader.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

struct Files {
    FuzzFolder folder;
    SettingsStore settings{folder.Path("settings.conf"), NeverWrite()};
    Options options{settings};
    SilentMessageHost host;
    DataFiles files = DataFiles::FromRoot(folder.Root());
};

void CheckOrder(const std::vector<int>& order, size_t count, const char* what)
{
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> positions(count);
    std::iota(positions.begin(), positions.end(), 0);
    if (sorted != positions)
        FuzzCheckFailed(std::string("the sorted order of the ") + what + " is no permutation of them");
}

// Every device type at an address of its own, each with whatever Other
// Devices it takes, standalone ones in the slots of address 0.
void CalculateEveryType(const Catalogue& catalogue)
{
    clsCalculator loop(catalogue);
    loop.SetPanelData(20, 20, 60, 2700, 500, 150);
    loop.SetCableImpedance(1210);
    loop.SetCableFirst(200);
    loop.SetCableTotal(15000);
    loop.SetMaxOutput(60);
    const int types = std::min(static_cast<int>(catalogue.DeviceTypes.size()), clsCalculator::AddressCount);
    int slot = clsCalculator::FirstSlot;
    for (int other = 1; other < static_cast<int>(catalogue.OtherDevices.size()); ++other) {
        const OtherDeviceRecord& record = catalogue.OtherDevices[static_cast<size_t>(other)];
        if (record.IsStandalone && slot <= clsCalculator::LastSlot)
            loop.DeviceStandaloneTypeAndAddress(0, slot++, static_cast<int16_t>(other), 1);
    }
    for (int type = 1; type < types; ++type) {
        loop.SetDeviceType(type, static_cast<int16_t>(type));
        for (int other = 1; other < static_cast<int>(catalogue.OtherDevices.size()); ++other) {
            const OtherDeviceRecord& record = catalogue.OtherDevices[static_cast<size_t>(other)];
            if (record.IsStandalone || !catalogue.CanAttachOther(type, other))
                continue;
            if (record.IsBase)
                loop.SetDeviceOtherBaseType(type, static_cast<int16_t>(other));
            else
                loop.SetDeviceOtherType(type, static_cast<int16_t>(other));
        }
    }
    for (int32_t calcType = StoredNumber(MinCalcType); calcType <= StoredNumber(MaxCalcType); ++calcType) {
        loop.SetCalcType(static_cast<CalculationType>(calcType));
        loop.Calculate(false, 0, false);
        loop.Calculate(true, 50, true);
        (void)loop.DesignExplanation();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Files& f = *new Files;
    WriteVersion(f.files.DevicesFile, std::string(reinterpret_cast<const char*>(data), size));

    Catalogue catalogue;
    if (!LoadDeviceTypes(catalogue, f.options, f.host, f.files))
        return 0;
    CheckOrder(catalogue.DeviceTypeOrder, catalogue.DeviceTypes.size(), "device types");
    CheckOrder(catalogue.FamilyOrder, catalogue.DeviceFamilies.size(), "families");
    if (!LoadOtherDevices(catalogue, f.host, f.files))
        return 0;
    CalculateEveryType(catalogue);
    return 0;
}
