#include "report/LoopContents.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopPlacement.h"

namespace LoopContents {

std::vector<Row> DeviceRows(const Document& document, int loop)
{
    const Catalogue& catalogue = document.Catalog();
    const bool ledsDisabled = document.Loop(loop).DINLEDsDisabled();
    std::vector<Row> rows;
    for (const int type : catalogue.DeviceTypeOrder) {
        if (type == 0)
            continue;
        const int32_t count = LoopPlacement::CountOfType(document, loop, type);
        if (count < 1)
            continue;
        const DeviceTypeRecord& record = catalogue.DeviceType(type);
        const bool ledDisabledCurrent = ledsDisabled && record.HasLedDisabledCurrent;
        rows.push_back({Kind::Device, record.Name, count, record.QuiescentCurrent,
                        ledDisabledCurrent ? record.AlarmCurrentLedDisabled : record.AlarmCurrent,
                        ledDisabledCurrent});
    }
    return rows;
}

std::vector<Row> OtherDeviceRows(const Document& document, int loop)
{
    const Catalogue& catalogue = document.Catalog();
    const clsCalculator& model = document.Loop(loop);
    std::vector<Row> rows;
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other) {
        const int32_t quantity = model.QtyOthers(static_cast<int>(other));
        if (quantity <= 0)
            continue;
        const OtherDeviceRecord& record = catalogue.OtherDevices[other];
        rows.push_back({Kind::OtherDevice, record.SingleName, quantity, record.QuiescentCurrent, record.AlarmCurrent});
    }
    return rows;
}

}  // namespace LoopContents
