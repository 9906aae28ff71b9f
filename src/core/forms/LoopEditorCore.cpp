#include "forms/LoopEditorCore.h"

#include "text/Blanks.h"
#include "document/CalculationSupport.h"
#include "text/CurrentText.h"
#include "text/LeadingNumber.h"
#include "document/LoopResults.h"
#include "text/Rounding.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/LoopEditing.h"
#include "document/LoopPlacement.h"
#include "platform/CaseFold.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <sstream>

namespace {

std::string Times(int32_t quantity, int32_t microamps)
{
    return CurrentText(Currency::FromInteger(int64_t{quantity} * microamps));
}

}  // namespace

LoopEditorCore::LoopEditorCore(Document& document, Options& options, MessageHost& host, int loop)
    : document_(document), options_(options), host_(host), loop_(loop)
{
    const Catalogue& catalogue = document_.Catalog();
    for (size_t position = 1; position < catalogue.OtherDevices.size(); ++position) {
        const int family = catalogue.OtherDevices[position].Family;
        const bool shown = family == 0 || (family > 0 && static_cast<size_t>(family) < catalogue.DeviceFamilies.size() &&
                                           catalogue.DeviceFamilies[static_cast<size_t>(family)].Shown);
        if (shown)
            otherRows_.push_back(static_cast<int>(position));
    }
}

clsCalculator& LoopEditorCore::Model() { return document_.Loop(loop_); }

std::string LoopEditorCore::Caption() const { return LoopTitle(loop_, document_.LoopName(loop_)); }

void LoopEditorCore::SetLoopName(std::string_view text)
{
    const std::string_view name = Blanks::Trim(text);
    if (name == document_.LoopName(loop_))
        return;
    EditorState before = Snapshot();
    document_.LoopName(loop_) = std::string(name);
    document_.MarkChanged();
    RecordStep(std::move(before), "Loop Name", "loop name");
}

void LoopEditorCore::Activate()
{
    // Kept before the recalculation below: the loop as the document had it.
    if (!opened_) {
        opened_.emplace(document_, std::vector<int>{loop_});
        openedDirty_ = document_.Dirty;
        history_.Clear();
    }
    deviceRows_.clear();
    const Catalogue& catalogue = document_.Catalog();
    for (const int type : catalogue.DeviceTypeOrder) {
        if (type == 0 || catalogue.DeviceType(type).Name.empty())
            continue;
        const int32_t count = LoopPlacement::CountOfType(document_, loop_, type);
        if (count >= 1 || options_.IsStandardDevice(type))
            deviceRows_.push_back({static_cast<int16_t>(type), count});
    }
    ChooseShownRows();
    CalculationSupport::RecalculateLoop(document_, loop_);
    if (!activated_)
        activated_ = CaptureLoop(document_, loop_);
}

void LoopEditorCore::RecountRows()
{
    for (const int type : document_.Catalog().DeviceTypeOrder)
        if (type != 0 && LoopPlacement::CountOfType(document_, loop_, type) > 0)
            AddDeviceRow(type);
    for (DeviceRow& row : deviceRows_)
        row.Quantity = LoopPlacement::CountOfType(document_, loop_, row.Type);
}

void LoopEditorCore::RememberLoopChoices()
{
    options_.SetLastCableImpedance(Model().CableImpedance());
    options_.SetLastCalcType(Model().CalcType());
}

LoopEditorCore::EditorState LoopEditorCore::Snapshot() const { return {CaptureLoop(document_, loop_), typedRuns_}; }

void LoopEditorCore::RecordStep(EditorState before, std::string name, std::string mergeKey)
{
    EditorState after = Snapshot();
    if (after == before)
        return;
    history_.Record({std::move(name), std::move(before), std::move(after), std::move(mergeKey)});
}

void LoopEditorCore::RecordPlacement(EditorState before, std::string name)
{
    if (Snapshot() == before)
        return;
    RecountRows();
    AcceptChange(true);
    RecordStep(std::move(before), std::move(name));
}

bool LoopEditorCore::Undo() { return PutBack(history_.Undo()); }
bool LoopEditorCore::Redo() { return PutBack(history_.Redo()); }

bool LoopEditorCore::PutBack(const EditorState* state)
{
    if (!state)
        return false;
    typedRuns_ = state->Typed;
    RestoreLoop(document_, state->Loop);
    RecountRows();
    // Back where the editor started, the document is as clean as it was then.
    if (history_.AtSaved() && opened_) {
        document_.Dirty = openedDirty_;
        document_.ModifiedDate = opened_->Before().Modified;
    } else {
        document_.MarkChanged();
    }
    RememberLoopChoices();
    return true;
}

LoopEditorCore::RowTexts LoopEditorCore::DeviceRowTexts(size_t row) const
{
    const DeviceRow& entry = deviceRows_.at(row);
    const DeviceTypeRecord& type = document_.Catalog().DeviceType(entry.Type);
    const bool ledDisabled = document_.Loop(loop_).DINLEDsDisabled() && type.HasLedDisabledCurrent;
    return {type.Name, std::to_string(entry.Quantity), Times(entry.Quantity, type.QuiescentCurrent),
            Times(entry.Quantity, ledDisabled ? type.AlarmCurrentLedDisabled : type.AlarmCurrent)};
}

int32_t LoopEditorCore::OtherQuantity(size_t row) const
{
    return document_.Loop(loop_).QtyOthers(otherRows_.at(row));
}

LoopEditorCore::RowTexts LoopEditorCore::OtherRowTexts(size_t row) const
{
    const OtherDeviceRecord& other = document_.Catalog().OtherDevice(otherRows_.at(row));
    const int32_t quantity = OtherQuantity(row);
    return {other.SingleName, std::to_string(quantity), Times(quantity, other.QuiescentCurrent),
            Times(quantity, other.AlarmCurrent)};
}

size_t LoopEditorCore::AddDeviceRow(int type)
{
    const auto existing = std::find_if(deviceRows_.begin(), deviceRows_.end(),
                                       [type](const DeviceRow& row) { return row.Type == type; });
    const auto row = static_cast<size_t>(existing - deviceRows_.begin());
    if (existing == deviceRows_.end())
        deviceRows_.push_back({static_cast<int16_t>(type), 0});
    if (std::find(shownRows_.begin(), shownRows_.end(), row) == shownRows_.end())
        shownRows_.push_back(row);
    return row;
}

void LoopEditorCore::SetDeviceFilter(std::string_view text, bool inUseOnly)
{
    filterWords_.clear();
    std::istringstream words(FoldCase(text));
    for (std::string word; words >> word;)
        filterWords_.push_back(word);
    inUseOnly_ = inUseOnly;
    ChooseShownRows();
}

void LoopEditorCore::ChooseShownRows()
{
    shownRows_.clear();
    for (size_t row = 0; row < deviceRows_.size(); ++row)
        if (PassesFilter(deviceRows_[row]))
            shownRows_.push_back(row);
}

bool LoopEditorCore::PassesFilter(const DeviceRow& row) const
{
    if (inUseOnly_ && row.Quantity == 0)
        return false;
    const std::string name = FoldCase(document_.Catalog().DeviceType(row.Type).Name);
    return std::all_of(filterWords_.begin(), filterWords_.end(),
                       [&name](const std::string& word) { return name.find(word) != std::string::npos; });
}

int32_t LoopEditorCore::QuantityFromText(std::string_view text)
{
    return Rounding::ToInt32Saturated(LeadingNumber(text));
}

bool LoopEditorCore::Reject(const std::string& message, bool quiet)
{
    if (!quiet)
        MsgBox(host_, message, MsgStyle::Exclamation, Caption());
    return false;
}

void LoopEditorCore::AcceptChange(bool markChanged)
{
    if (markChanged)
        document_.MarkChanged();
    CalculationSupport::RecalculateLoop(document_, loop_);
}

namespace {

std::string QuantityStepName(const std::string& name, int32_t from, int32_t to)
{
    return "Quantity of " + name + " " + std::to_string(from) + " \u2192 " + std::to_string(to);
}

}  // namespace

bool LoopEditorCore::CommitDeviceQuantity(size_t row, int32_t quantity, bool quiet)
{
    DeviceRow& entry = deviceRows_.at(row);
    const std::string name = QuantityStepName(document_.Catalog().DeviceType(entry.Type).Name, entry.Quantity, quantity);
    EditorState before = Snapshot();
    const LoopEditing::Outcome outcome = LoopEditing::SetDeviceQuantity(document_, loop_, entry.Type, quantity);
    if (!outcome) {
        // Devices relocated to make room stay where they went; show that too,
        // and keep it as a change that can be saved and undone.
        CalculationSupport::RecalculateLoop(document_, loop_);
        if (!(Snapshot().Loop == before.Loop)) {
            document_.MarkChanged();
            RecordStep(std::move(before), name + " (refused; devices moved)");
        }
        return Reject(outcome.Message, quiet);
    }
    entry.Quantity = quantity;
    if (Snapshot().Loop == before.Loop)
        return true;
    AcceptChange(true);
    RecordStep(std::move(before), name);
    return true;
}

bool LoopEditorCore::CommitOtherQuantity(size_t row, int32_t quantity, bool quiet)
{
    const int other = otherRows_.at(row);
    const int32_t current = Model().QtyOthers(other);
    EditorState before = Snapshot();
    const LoopEditing::Outcome outcome = LoopEditing::SetOtherQuantity(document_, loop_, other, quantity);
    if (!outcome)
        return Reject(outcome.Message, quiet);
    if (Snapshot().Loop == before.Loop)
        return true;
    AcceptChange(true);
    RecordStep(std::move(before), QuantityStepName(document_.Catalog().OtherDevice(other).SingleName, current, quantity));
    return true;
}

bool LoopEditorCore::AddMore(HowManyMore::Item item, int32_t count, HowManyMore::Placement placement)
{
    EditorState before = Snapshot();
    if (const std::string refusal = HowManyMore::Add(document_, loop_, item, count, placement); !refusal.empty()) {
        RestoreLoop(document_, before.Loop);
        return Reject(refusal, false);
    }
    AcceptChange(true);
    RecountRows();
    RecordStep(std::move(before), "Add " + std::to_string(count) + " " + HowManyMore::ItemName(document_.Catalog(), item));
    return true;
}

bool LoopEditorCore::InterfaceLedsAvailable() const
{
    for (const DeviceRow& row : deviceRows_)
        if (row.Quantity > 0 && document_.Catalog().DeviceType(row.Type).HasLedDisabledCurrent)
            return true;
    return false;
}

bool LoopEditorCore::ConfirmOK()
{
    const clsCalculator& model = Model();
    if (model.CableTotal() == 0 && model.QtyDevices() > 0) {
        const int answer = MsgBox(host_, "You have not specified a Total Cable Run.  Is this correct?",
                                  MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2, Caption());
        return answer == MsgResult::Yes;
    }
    return true;
}

void LoopEditorCore::Accept()
{
    if (opened_)
        opened_->Commit("Changes to " + LoopTitle(loop_, ""));
}

void LoopEditorCore::Cancel()
{
    if (!opened_)
        return;
    RestoreLoop(document_, opened_->Before().Loops.front());
    document_.Dirty = openedDirty_;
    document_.ModifiedDate = opened_->Before().Modified;
    RememberLoopChoices();
}

bool LoopEditorCore::HasChanges() const
{
    return activated_ && !(CaptureLoop(document_, loop_) == *activated_);
}

std::string LoopEditorCore::DiscardQuestion() const
{
    return "Discard the changes to loop " + std::to_string(loop_) + "?";
}
