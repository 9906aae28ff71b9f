// The device-list import: fuzzed bytes read as a device list and imported,
// every unknown name left out, onto an eight-loop site. A list is refused
// with its reason or imported; the import does what its preview said, and
// what it places keeps the loop within the catalogues and the panel's limit.

#include "FuzzSupport.h"

#include "catalogues/PanelCatalogue.h"
#include "document/DeviceListImport.h"
#include "document/Document.h"
#include "document/LoopEditing.h"
#include "document/NewDocument.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static BundledCatalogue& bundled = *new BundledCatalogue;
    static const bool panel = SelectPanelByName(bundled.catalogue, bundled.options, "Quellar QX-8 Eight Loop");
    if (!panel)
        FuzzCheckFailed("the eight-loop panel is not in the bundled catalogue");
    Document document(bundled.catalogue, FixedNow);
    NewDocument(document, CurrentLoopDefaults(bundled.options, bundled.catalogue));

    const DeviceList::List list = DeviceList::Read(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.csv");
    if (!list.Failure.empty() && !list.Rows.empty())
        FuzzCheckFailed("a refused list kept rows");
    const DeviceListImport::Outcome preview = DeviceListImport::Preview(document, list, {});
    const DeviceListImport::Mapping leftOut = DeviceListImport::LeaveOut(preview);
    const DeviceListImport::Outcome told = DeviceListImport::Preview(document, list, leftOut);
    const DeviceListImport::Outcome imported = DeviceListImport::Import(document, list, leftOut);
    if (!imported.Unknowns.empty())
        FuzzCheckFailed("a name left out is still unknown");
    if (DeviceListImport::RefusalLines(told) != DeviceListImport::RefusalLines(imported) ||
        told.Loops.size() != imported.Loops.size())
        FuzzCheckFailed("the import refused other rows than its preview");
    for (size_t i = 0; i < told.Loops.size(); ++i)
        if (told.Loops[i].Placed != imported.Loops[i].Placed)
            FuzzCheckFailed("the import placed other devices than its preview");

    const PanelRecord* record = bundled.catalogue.CurrentPanelRecord();
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        if (LoopEditing::OccupiedAddresses(document, loop) > record->MaxDevicesPerLoop)
            FuzzCheckFailed("loop " + std::to_string(loop) + " holds more devices than the panel allows");
        const clsCalculator& model = document.Loop(loop);
        for (int a = 0; a < clsCalculator::AddressCount; ++a)
            if (model.DeviceType(a) != 0 && !bundled.catalogue.IsSelectableDeviceType(model.DeviceType(a)))
                FuzzCheckFailed("loop " + std::to_string(loop) + " holds a device type that cannot be selected");
    }
    return 0;
}
