#include "LargestDocument.h"

#include "document/CalculationSupport.h"
#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "catalogues/PanelCatalogue.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/LoopEditing.h"

#include <utility>
#include <vector>

bool LoadBundledCatalogues(Catalogue& catalogue, Options& options, MessageHost& host, const std::string& dataRoot,
                           const std::string& userFolder)
{
    DataFiles files = DataFiles::FromRoot(dataRoot);
    files.CustomPanelsFile = userFolder + "/CUSTPAN.DAT";
    return LoadCatalogues(catalogue, options, host, {files, userFolder + "/QUELLAR.INI", "0809"});
}

namespace {

constexpr const char* PanelName = "Quellar QX-8 Eight Loop";

// Device types by quantity: the Master first, so that it takes address 1,
// then the types with remote outputs (which some Other Devices need) on the
// lower addresses, then the extended-range types filling the 201 left.
const std::vector<std::pair<const char*, int32_t>> Devices{
    {"Master Sounder Base", 1},
    {"Optical Smoke Detector with Remote Output", 30},
    {"Heat Detector with Remote Output", 20},
    {"Optical Smoke Detector XA", 120},
    {"Heat Detector XA", 50},
    {"Input Output Module XA", 31},
};

// Other Devices by single name: based and attached ones on the devices,
// standalone ones linked to the Master.
const std::vector<std::pair<const char*, int32_t>> Others{
    {"Relay Base", 20},   {"Sounder Base", 20},         {"Isolator Base", 10},  {"Remote Indicator", 20},
    {"Slave Wall Sounder", 12}, {"Slave Beacon", 12}, {"Line Isolator Module", 4}, {"Isolator Card", 4},
};

int FindOtherBySingleName(const Catalogue& catalogue, const std::string& name)
{
    for (size_t i = 1; i < catalogue.OtherDevices.size(); ++i)
        if (catalogue.OtherDevices[i].SingleName == name)
            return static_cast<int>(i);
    return 0;
}

bool FillLoop(Document& document, Catalogue& catalogue, int loop, std::string& failure)
{
    const std::string where = " on loop " + std::to_string(loop);
    for (const auto& [name, quantity] : Devices) {
        const int type = catalogue.FindDeviceType(name);
        const LoopEditing::Outcome placed =
            type > 0 ? LoopEditing::SetDeviceQuantity(document, loop, type, quantity) : LoopEditing::Outcome{false, "no such type"};
        if (!placed) {
            failure = std::string("cannot place ") + std::to_string(quantity) + " " + name + where + ": " + placed.Message;
            return false;
        }
    }
    for (const auto& [name, quantity] : Others) {
        const int other = FindOtherBySingleName(catalogue, name);
        const LoopEditing::Outcome attached =
            other > 0 ? LoopEditing::SetOtherQuantity(document, loop, other, quantity) : LoopEditing::Outcome{false, "no such Other Device"};
        if (!attached) {
            failure = std::string("cannot attach ") + std::to_string(quantity) + " " + name + where + ": " + attached.Message;
            return false;
        }
    }
    clsCalculator& model = document.Loop(loop);
    model.SetCableFirst(150 + 10 * loop);
    model.SetCableTotal(8000 + 500 * loop);
    model.SetCalcType(static_cast<CalculationType>((loop - 1) % (StoredNumber(MaxCalcType) + 1)));
    document.LoopName(loop) = " Wing " + std::to_string(loop) + " ";
    return true;
}

}  // namespace

bool BuildLargestDocument(Document& document, Catalogue& catalogue, Options& options,
                          std::string& failure)
{
    if (!SelectPanelByName(catalogue, options, PanelName)) {
        failure = std::string("no panel named ") + PanelName;
        return false;
    }
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    document.SiteName = "Harbour Logistics Centre";
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        if (!FillLoop(document, catalogue, loop, failure))
            return false;
    document.MarkChanged();
    CalculationSupport::RecalculateAll(document);
    return true;
}
