#include "forms/DeviceListImportCore.h"

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/LoopResults.h"
#include "platform/CaseFold.h"

#include <algorithm>

using namespace DeviceListImport;

namespace {

std::string Counted(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string RowsText(const std::vector<size_t>& rows)
{
    std::string text = rows.size() == 1 ? "row " : "rows ";
    for (size_t i = 0; i < rows.size(); ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(rows[i]);
    return text;
}

}  // namespace

DeviceListImportCore::DeviceListImportCore(Document& document, Options& options, DeviceList::List list,
                                           std::string fileName)
    : document_(document), options_(options), list_(std::move(list)), fileName_(std::move(fileName))
{
    const Catalogue& catalogue = document_.Catalog();
    choices_.emplace_back(LeaveOutChoice);
    for (const int type : catalogue.DeviceTypeOrder)
        if (type != 0 && catalogue.IsSelectableDeviceType(type) && !catalogue.DeviceType(type).Name.empty())
            entries_.push_back({Entry::Kind::Device, type});
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other)
        entries_.push_back({Entry::Kind::Other, static_cast<int>(other)});
    for (const Entry& entry : entries_)
        choices_.push_back(EntryName(catalogue, entry));

    const Mapping remembered = RememberedMapping(options_, catalogue);
    outcome_ = DeviceListImport::Preview(document_, list_, {});
    for (const Outcome::Unknown& unknown : outcome_.Unknowns) {
        UnknownName& name = unknowns_.emplace_back(UnknownName{unknown.Name, RowsText(unknown.Rows)});
        const auto chosen = remembered.find(FoldCase(unknown.Name));
        if (chosen != remembered.end() && chosen->second) {
            const auto at = std::find(entries_.begin(), entries_.end(), *chosen->second);
            name.Choice = at == entries_.end() ? 0 : static_cast<size_t>(at - entries_.begin()) + 1;
        }
    }
    // With every name known, the preview just made is the one to show.
    if (!unknowns_.empty())
        Refresh();
}

std::string DeviceListImportCore::Caption() const { return "Import Device List - " + fileName_; }

std::string DeviceListImportCore::Summary() const
{
    const bool schedule = list_.Of == DeviceList::Format::AddressSchedule;
    return std::string(schedule ? "An address schedule" : "A bill of quantities") + " of " +
           Counted(list_.Rows.size(), "row", "rows") +
           (schedule ? "; its devices go to the addresses it gives, added to those the loops hold."
                     : "; its devices are placed as if their quantities were typed, added to those the loops hold.");
}

void DeviceListImportCore::Choose(size_t unknown, size_t choice)
{
    unknowns_.at(unknown).Choice = std::min(choice, choices_.size() - 1);
    Refresh();
}

Mapping DeviceListImportCore::ChosenMapping() const
{
    Mapping mapping;
    for (const UnknownName& unknown : unknowns_)
        mapping[FoldCase(unknown.Name)] =
            unknown.Choice == 0 ? std::optional<Entry>() : std::optional<Entry>(entries_[unknown.Choice - 1]);
    return mapping;
}

void DeviceListImportCore::Refresh() { outcome_ = DeviceListImport::Preview(document_, list_, ChosenMapping()); }

std::vector<DeviceListImportCore::LoopPreview> DeviceListImportCore::Preview() const
{
    std::vector<LoopPreview> loops;
    for (const LoopOutcome& loop : outcome_.Loops) {
        LoopPreview& shown = loops.emplace_back();
        shown.Title = LoopTitle(loop.Loop, document_.LoopName(loop.Loop));
        if (loop.Placed.empty())
            shown.Title += ": nothing placed";
        if (!loop.Refused.empty())
            shown.Title += " (" + Counted(loop.Refused.size(), "row refused", "rows refused") + ")";
        shown.Placed = loop.Placed;
        for (const Refusal& refusal : loop.Refused)
            shown.Refused.push_back("Row " + std::to_string(refusal.Row) + ": " + refusal.Reason);
    }
    return loops;
}

std::vector<std::string> DeviceListImportCore::RowsWithoutLoop() const
{
    std::vector<std::string> rows;
    for (const Refusal& refusal : outcome_.Refused)
        rows.push_back("Row " + std::to_string(refusal.Row) + ": " + refusal.Reason);
    return rows;
}

void DeviceListImportCore::Apply()
{
    const Mapping mapping = ChosenMapping();
    RememberMapping(options_, document_.Catalog(), mapping);
    Import(document_, list_, mapping);
}
