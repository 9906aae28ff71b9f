#include "catalogues/DeviceTypeLoader.h"

#include "text/CSV.h"
#include "catalogues/DeviceEntry.h"
#include "catalogues/DeviceFile.h"
#include "catalogues/DeviceTables.h"
#include "catalogues/ExchangeSort.h"
#include "text/WinINI.h"
#include "platform/FileSystem.h"

#include <numeric>

namespace {

// The last position a device type may take.
constexpr size_t LastDeviceTypePosition = 255;

// [Devices] "MaxDevices", then "Device" + n for n from 0 to it, each at its
// own position; a missing entry is an unused position.
bool ReadDeviceEntries(const DeviceFile& file)
{
    Catalogue& catalogue = file.catalogue;
    int16_t last = 0;
    if (!CSV::ReadIntegerField(file.host, file.Read("Devices", "MaxDevices"), 1, last, 1,
                               static_cast<int16_t>(LastDeviceTypePosition),
                               "Invalid setting for 'MaxDevices' entry in 'Devices' section in " + file.place))
        return false;

    catalogue.DeviceTypes.assign(static_cast<size_t>(last) + 1, {});
    catalogue.DeviceTypeOrder.resize(catalogue.DeviceTypes.size());
    std::iota(catalogue.DeviceTypeOrder.begin(), catalogue.DeviceTypeOrder.end(), 0);
    catalogue.FieldTypes.assign(1, {});

    for (int n = 0; n <= last; ++n) {
        const std::string entry = file.Read("Devices", "Device" + std::to_string(n));
        if (!file.Step(file.place, [&] { return ParseDeviceEntry(file, entry, n, false); }))
            return false;
    }
    return true;
}

// The custom device file's "Device" + n for n from 1 until the first empty
// value, each appended after the last type.
bool ReadCustomDeviceEntries(const DeviceFile& file)
{
    Catalogue& catalogue = file.catalogue;
    for (int n = 1;; ++n) {
        const std::string entry =
            WinINI::ReadProfileKey(file.files.CustomDevicesFile, "Devices", "Device" + std::to_string(n));
        if (entry.empty())
            return true;
        if (catalogue.DeviceTypes.size() - 1 >= LastDeviceTypePosition)
            return file.Fail("No more than DEVICE_TYPES_MAX different device types allowed, including those in in " +
                             file.customPlace);
        catalogue.DeviceTypes.emplace_back();
        const int position = static_cast<int>(catalogue.DeviceTypes.size() - 1);
        catalogue.DeviceTypeOrder.push_back(position);
        if (!file.Step(file.customPlace, [&] { return ParseDeviceEntry(file, entry, position, true); }))
            return false;
    }
}

void SortDeviceTypeOrder(Catalogue& catalogue)
{
    ExchangeSort(catalogue.DeviceTypeOrder, 0, [&](int position) -> const std::string& {
        return catalogue.DeviceTypes[static_cast<size_t>(position)].Name;
    });
}

}  // namespace

bool LoadDeviceTypes(Catalogue& catalogue, Options& options, MessageHost& host, const DataFiles& files)
{
    if (!FileSystem::FileExists(files.DevicesFile)) {
        MsgBox(host, MissingFileMessage("device types", files.DevicesFile), MsgStyle::OKOnly + MsgStyle::Exclamation);
        return false;
    }
    const DeviceFile file(catalogue, host, files);
    ResetAddressRanges(catalogue);
    if (!ReadFamilies(file, options) || !ReadButtons(file) || !ReadOutputs(file) || !ReadInputs(file) ||
        !ReadSwitches(file) || !ReadDeviceEntries(file) || !ReadCustomDeviceEntries(file))
        return false;
    SortDeviceTypeOrder(catalogue);
    return true;
}

bool IsValidInputUse(const Catalogue& catalogue, int n)
{
    return n >= 0 && static_cast<size_t>(n) < catalogue.InputBits.size() &&
           catalogue.InputBits[static_cast<size_t>(n)].Use != -1;
}
