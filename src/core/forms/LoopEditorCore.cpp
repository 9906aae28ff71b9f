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
    document_.LoopName(loop_) = std::string(name);
    document_.MarkChanged();
}

void LoopEditorCore::Activate()
{
    if (!backup_) {
        backup_ = Model().Copy();
        backupName_ = document_.LoopName(loop_);
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            backupTags_[static_cast<size_t>(a)] = document_.AddressTag(loop_, a);
            backupEavesdropping_[static_cast<size_t>(a)] = document_.Eavesdropping(loop_, a);
        }
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

bool LoopEditorCore::CommitDeviceQuantity(size_t row, int32_t quantity, bool quiet)
{
    DeviceRow& entry = deviceRows_.at(row);
    const int32_t rangeCount = LoopPlacement::RangeCount(document_, entry.Type);
    if (quantity < 0 || quantity > rangeCount)
        return Reject("Invalid number of devices!  (Must be between 0 and " + std::to_string(rangeCount) + ")", quiet);
    const int32_t change = quantity - entry.Quantity;
    if (change == 0)
        return true;

    const PanelRecord* panel = document_.Catalog().CurrentPanelRecord();
    const int32_t limit = panel ? panel->MaxDevicesPerLoop : 0;
    const bool slaveBase = LoopPlacement::IsSlaveBaseType(document_, entry.Type);
    if (Model().QtyDevices() + change > (slaveBase ? 2 * limit : limit))
        return Reject("Too many devices on this loop!", quiet);

    std::string message;
    const bool placed = change > 0 ? LoopPlacement::PlaceDevices(document_, loop_, entry.Type, change, message)
                                   : LoopPlacement::RemoveDevices(document_, loop_, entry.Type, -change, quantity, message);
    if (!placed) {
        // Devices relocated to make room stay where they went; show that too.
        CalculationSupport::RecalculateLoop(document_, loop_);
        return Reject(message, quiet);
    }
    entry.Quantity = quantity;
    AcceptChange(true);
    return true;
}

bool LoopEditorCore::CommitOtherQuantity(size_t row, int32_t quantity, bool quiet)
{
    const int other = otherRows_.at(row);
    const OtherDeviceRecord& record = document_.Catalog().OtherDevice(other);
    if (quantity < 0)
        return Reject("Invalid number of " + record.Name + "!", quiet);
    if (quantity > record.MaxQty)
        return Reject("Cannot have more than " + std::to_string(record.MaxQty) + " " + record.Name + "!", quiet);
    const int32_t change = quantity - Model().QtyOthers(other);
    if (change == 0)
        return true;

    if (change > 0) {
        const LoopPlacement::AttachOutcome check =
            LoopPlacement::AttachOthers(document_, loop_, other, change, LoopPlacement::AttachMode::Check);
        if (check.Shortfall > 0)
            return Reject(LoopPlacement::AttachFailureMessage(document_, other, quantity, check), quiet);
        LoopPlacement::AttachOthers(document_, loop_, other, change, LoopPlacement::AttachMode::Apply);
    } else {
        LoopPlacement::DetachOthers(document_, loop_, other, -change);
    }
    AcceptChange(true);
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

void LoopEditorCore::Cancel()
{
    if (!backup_)
        return;
    document_.ReplaceLoop(loop_, backup_->Copy());
    document_.LoopName(loop_) = backupName_;
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        document_.SetAddressTag(loop_, a, backupTags_[static_cast<size_t>(a)]);
        document_.SetEavesdropping(loop_, a, backupEavesdropping_[static_cast<size_t>(a)]);
    }
    CalculationSupport::RecalculateLoop(document_, loop_);
    options_.SetLastCableImpedance(Model().CableImpedance());
    options_.SetLastCalcType(Model().CalcType());
}
