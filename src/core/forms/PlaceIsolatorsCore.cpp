#include "forms/PlaceIsolatorsCore.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/LoopResults.h"

#include <algorithm>

namespace {

// "40", "40 and 12", "40, 12 and 10".
template <typename Item, typename Text>
std::string ListOf(const std::vector<Item>& items, Text text)
{
    std::string list;
    for (size_t i = 0; i < items.size(); ++i)
        list += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + std::to_string(text(items[i]));
    return list;
}

std::string Plural(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

PlaceIsolatorsCore::PlaceIsolatorsCore(Document& document, int loop)
    : document_(document), loop_(loop), kinds_(IsolatorPlacement::KindsFor(document)),
      limit_(std::clamp(IsolatorPlacement::PanelLimit(document), MinLimit, MaxLimit))
{
    Preview();
}

std::string PlaceIsolatorsCore::Caption() const
{
    return std::string(StepName) + " - " + LoopTitle(loop_, document_.LoopName(loop_));
}

void PlaceIsolatorsCore::SetKind(size_t index)
{
    if (index < kinds_.size() && index != kind_) {
        kind_ = index;
        Preview();
    }
}

void PlaceIsolatorsCore::SetLimit(int32_t limit)
{
    limit = std::clamp(limit, MinLimit, MaxLimit);
    if (limit != limit_) {
        limit_ = limit;
        Preview();
    }
}

void PlaceIsolatorsCore::Preview()
{
    if (kinds_.empty()) {
        preview_ = {};
        preview_.Before = preview_.After = document_.Loop(loop_).AnalyseAlongCable(limit_).Sections;
        preview_.Outcome = {false, NoKindsText};
        return;
    }
    preview_ = IsolatorPlacement::PlaceEvery(document_, loop_, kinds_[kind_], limit_, IsolatorPlacement::Mode::Check);
}

std::string PlaceIsolatorsCore::SectionsText(const std::vector<IsolatorSection>& sections, int32_t limit)
{
    if (sections.empty())
        return "No points on the loop.";
    const IsolatorSection& largest = *std::max_element(
        sections.begin(), sections.end(), [](const IsolatorSection& x, const IsolatorSection& y) { return x.Points < y.Points; });
    return Plural(sections.size(), "section", "sections") + ": " +
           ListOf(sections, [](const IsolatorSection& s) { return s.Points; }) + " points; the largest, " +
           std::to_string(largest.Points) + ", is " + (largest.Points > limit ? "over" : "within") + " the limit of " +
           std::to_string(limit) + ".";
}

std::string PlaceIsolatorsCore::BeforeText() const { return SectionsText(preview_.Before, limit_); }

std::string PlaceIsolatorsCore::AfterText() const
{
    return preview_.Outcome ? SectionsText(preview_.After, limit_) : std::string();
}

std::string PlaceIsolatorsCore::OutcomeText() const
{
    if (!preview_.Outcome)
        return preview_.Outcome.Message;
    const std::vector<IsolatorPlacement::NewIsolator>& added = preview_.Added;
    if (added.empty())
        return "No isolator is needed: every section is within " + std::to_string(limit_) + " points.";
    const IsolatorPlacement::Kind& kind = kinds_[kind_];
    const bool fitted = kind.IsOther && !document_.Catalog().OtherDevice(kind.Code).IsStandalone;
    const auto before = [](const IsolatorPlacement::NewIsolator& isolator) { return isolator.Before; };
    return (fitted ? "Fits " : "Adds ") + Plural(added.size(), "isolator", "isolators") +
           (fitted ? (added.size() == 1 ? ", to the device at " : ", to the devices at ") : ", before ") +
           (added.size() == 1 ? "address " : "addresses ") +
           ListOf(added, before) + ".";
}

bool PlaceIsolatorsCore::CanApply() const { return preview_.Outcome && !preview_.Added.empty(); }

bool PlaceIsolatorsCore::Apply()
{
    if (!CanApply())
        return false;
    preview_ = IsolatorPlacement::PlaceEvery(document_, loop_, kinds_[kind_], limit_, IsolatorPlacement::Mode::Apply);
    return preview_.Outcome.Accepted;
}
