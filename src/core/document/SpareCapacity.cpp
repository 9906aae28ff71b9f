#include "document/SpareCapacity.h"

#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopEditing.h"
#include "document/LoopResults.h"
#include "text/Rounding.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::string Whole(double value) { return std::to_string(std::llround(value)); }

SpareItem Item(SpareLimit limit, std::string name, double used, double of, std::string text)
{
    SpareItem item;
    item.Limit = limit;
    item.Name = std::move(name);
    item.Used = used;
    item.Of = of;
    item.Text = std::move(text);
    return item;
}

SpareItem AlarmItem(const clsCalculator& model)
{
    const double used = model.AlarmCurrentTotal().ToDouble();
    const double of = model.PanelMaxLoopCurrent() * 1000.0;
    return Item(SpareLimit::AlarmCurrent, "alarm current", used, of,
                Rounding::FormatFixed(used / 1000, 1) + " of " + Whole(of / 1000) + " mA");
}

SpareItem DevicesItem(const Document& document, int loop)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int32_t addresses = LoopAddressLimit(document.Catalog());
    const int32_t of = panel ? std::min<int32_t>(panel->MaxDevicesPerLoop, addresses) : addresses;
    const int32_t used = LoopEditing::OccupiedAddresses(document, loop);
    return Item(SpareLimit::Devices, "devices", used, of, std::to_string(used) + " of " + std::to_string(of));
}

// In hundredths of a volt, as the verdict compares them.
SpareItem VoltDropItem(const clsCalculator& model)
{
    const double used = static_cast<double>(model.VoltDrop().Scaled() / (Currency::Scale / 100));
    const double of = static_cast<double>(model.MaxVoltDrop().Scaled() / (Currency::Scale / 100));
    return Item(SpareLimit::VoltDrop, "volt drop", used, of,
                VoltsText(used / 100) + " of " + VoltsText(of / 100) + " V");
}

std::string LowerFirst(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// What the worst point loses from the feeding end's voltage against what it
// may lose before it falls below its minimum.
SpareItem FeedItem(const FeedResult& result, Feed feed)
{
    const double mayLose = result.SupplyVolts - result.WorstMinimumVoltage;
    const double lost = mayLose - result.WorstMargin;
    SpareItem item = Item(SpareLimit::AlongCable, LowerFirst(FeedName(feed)), lost, mayLose,
                          VoltsTextToHundredths(lost) + " of " + VoltsTextToHundredths(mayLose) + " V");
    item.Along = feed;
    return item;
}

// The section with the least room, by its share of its limit.
SpareItem SectionItem(const std::vector<IsolatorSection>& sections)
{
    size_t fullest = 0;
    for (size_t i = 1; i < sections.size(); ++i)
        if (int64_t{sections[i].Points} * sections[fullest].Limit > int64_t{sections[fullest].Points} * sections[i].Limit)
            fullest = i;
    const IsolatorSection& section = sections[fullest];
    return Item(SpareLimit::Section, "section " + std::to_string(fullest + 1), section.Points, section.Limit,
                std::to_string(section.Points) + " of " + std::to_string(section.Limit) + " points");
}

}  // namespace

double SpareItem::SparePercent() const { return Of > 0 ? (Of - Used) / Of * 100 : -100; }

bool SpareItem::Keeps(int32_t percent) const { return Of > 0 && Used * 100 <= Of * (100 - percent); }

const SpareItem* LoopSpare::Binding() const
{
    const auto least = std::min_element(Items.begin(), Items.end(), [](const SpareItem& a, const SpareItem& b) {
        return a.SparePercent() < b.SparePercent();
    });
    return least == Items.end() ? nullptr : &*least;
}

bool LoopSpare::Meets(int32_t requiredPercent) const
{
    return requiredPercent <= 0 ||
           std::all_of(Items.begin(), Items.end(), [&](const SpareItem& item) { return item.Keeps(requiredPercent); });
}

LoopSpare SpareCapacityFor(const Document& document, int loop)
{
    LoopSpare spare;
    const clsCalculator& model = document.Loop(loop);
    const AlongCableResult along = CalculationSupport::AnalyseAlongCable(document, loop);
    if (along.Empty())
        return spare;
    spare.Items.push_back(AlarmItem(model));
    spare.Items.push_back(DevicesItem(document, loop));
    // A run worked out to the longest uses the whole permissible drop.
    if (model.CalcType() != CalculationType::MaxCableRun)
        spare.Items.push_back(VoltDropItem(model));
    for (const Feed feed : AllFeeds)
        spare.Items.push_back(FeedItem(along.Of(feed), feed));
    if (!along.Sections.empty())
        spare.Items.push_back(SectionItem(along.Sections));
    return spare;
}

int32_t ShownSparePercent(double percent) { return static_cast<int32_t>(std::floor(percent)); }

std::string SpareText(const LoopSpare& spare)
{
    const SpareItem* binding = spare.Binding();
    if (!binding)
        return "";
    if (!binding->Keeps(0))
        return "None (" + binding->Name + " over its limit)";
    return std::to_string(ShownSparePercent(binding->SparePercent())) + " % (" + binding->Name + ")";
}

bool BelowRequired(const LoopSpare& spare, int32_t requiredPercent)
{
    return !spare.Items.empty() && !spare.Meets(requiredPercent);
}

std::string SpareAgainstRequired(const LoopSpare& spare, int32_t requiredPercent)
{
    std::string text = SpareText(spare);
    if (!text.empty() && requiredPercent > 0)
        text += (spare.Meets(requiredPercent) ? ", " : ", below the ") + std::to_string(requiredPercent) + " % required";
    return text;
}

std::string SpareLine(const LoopSpare& spare, int32_t requiredPercent)
{
    const std::string text = SpareAgainstRequired(spare, requiredPercent);
    return text.empty() ? "" : "Spare capacity: " + text;
}

std::vector<std::string> SpareDetails(const LoopSpare& spare)
{
    std::vector<std::string> lines;
    for (const SpareItem& item : spare.Items)
        lines.push_back(item.Name + ": " + item.Text + ", " + std::to_string(ShownSparePercent(item.SparePercent())) +
                        " % spare");
    return lines;
}

std::vector<int> LoopsBelowRequiredSpare(const Document& document)
{
    std::vector<int> loops;
    const int32_t required = document.Project.SpareRequired;
    if (required <= 0)
        return loops;
    for (int loop = 1; loop <= CalculationSupport::PanelLoops(document); ++loop)
        if (document.LoopExists(loop) && !SpareCapacityFor(document, loop).Meets(required))
            loops.push_back(loop);
    return loops;
}

std::string SpareShortfallText(const std::vector<int>& loops, int32_t requiredPercent)
{
    if (loops.empty())
        return "";
    return LoopsText(loops) + (loops.size() == 1 ? " is" : " are") + " below the " + std::to_string(requiredPercent) +
           " % spare required";
}

SpareCell SpareCellFor(const Document& document, int loop)
{
    const LoopSpare spare = SpareCapacityFor(document, loop);
    const int32_t required = document.Project.SpareRequired;
    SpareCell cell{SpareText(spare), SpareLine(spare, required), SpareDetails(spare), BelowRequired(spare, required)};
    if (required > 0 && !cell.Details.empty())
        cell.Details.push_back(std::to_string(required) + " % required of every limit");
    return cell;
}

SpareCell SpareTotalsFor(const Document& document)
{
    const int32_t required = document.Project.SpareRequired;
    if (required <= 0)
        return {};
    const std::vector<int> below = LoopsBelowRequiredSpare(document);
    if (below.empty())
        return {"Every loop keeps " + std::to_string(required) + " %", {}, {}, false};
    return {LoopsText(below) + " below " + std::to_string(required) + " %", {}, {SpareShortfallText(below, required)},
            true};
}
