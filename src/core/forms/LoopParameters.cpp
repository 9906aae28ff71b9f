#include "forms/LoopParameters.h"

#include "document/CalculationSupport.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Scaling.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "report/PrintCalcData.h"
#include "platform/MessageHost.h"

#include <algorithm>

LoopParameters::LoopParameters(LoopEditorCore& editor, int units) : editor_(editor), units_(units) {}

std::vector<LoopParameters::CableEntry> LoopParameters::CableList() const
{
    std::vector<CableEntry> entries;
    const std::vector<CableRecord>& cables = editor_.Doc().Catalog().Cables;
    for (size_t i = 0; i < cables.size(); ++i)
        if (cables[i].Enabled)
            entries.push_back({cables[i].Name, static_cast<int>(i)});
    entries.push_back({"User-Defined", -1});
    return entries;
}

size_t LoopParameters::SelectedCableEntry() const
{
    const std::vector<CableEntry> entries = CableList();
    const int cable = editor_.Doc().Catalog().FindCableByImpedance(editor_.Model().CableImpedance());
    for (size_t i = 0; i + 1 < entries.size(); ++i)
        if (entries[i].Cable == cable)
            return i;
    return entries.size() - 1;
}

LoopParameters::Editable LoopParameters::EditableFor(CalculationType calcType, bool userDefinedCable) const
{
    // The box that shows the result of the calculation type is not editable.
    if (calcType == CalculationType::MaxCableRun)
        return {false, true, userDefinedCable};
    if (calcType == CalculationType::SmallestCable)
        return {true, false, false};
    return {true, true, userDefinedCable};
}

std::string LoopParameters::MaxAlarmText() const
{
    const PanelRecord* panel = editor_.Doc().Catalog().CurrentPanelRecord();
    return "(max. permissible = " + std::to_string(panel ? panel->MaxLoopCurrent : 0) + " mA)";
}

std::string LoopParameters::CableRunLimitText() const
{
    return "(calculation limit: " + Scaling::FormatLength(clsCalculator::MaxCableLength, units_) + " " +
           Scaling::LengthUnitsText(units_, false) + ")";
}

bool LoopParameters::Reject(const std::string& message, bool quiet)
{
    if (!quiet)
        MsgBox(editor_.Host(), message, MsgStyle::Exclamation, editor_.Caption());
    return false;
}

void LoopParameters::Recalculate()
{
    if (!loading_)
        CalculationSupport::RecalculateLoop(editor_.Doc(), editor_.LoopNum());
}

void LoopParameters::Record(LoopEditorCore::EditorState before, std::string name, std::string mergeKey)
{
    if (!loading_)
        editor_.RecordStep(std::move(before), std::move(name), std::move(mergeKey));
}

void LoopParameters::KeepUsersCable()
{
    const clsCalculator& model = editor_.Model();
    std::optional<LoopEditorCore::TypedCable>& typed = editor_.TypedRuns();
    if (!typed)
        typed = LoopEditorCore::TypedCable{model.CableTotal(), model.CableFirst(), model.CableImpedance()};
    // "Max Cable Run" computes the total run, and the first run too when the
    // slider moves; "Min Cable Size" computes the cable.
    if (model.CalcType() != CalculationType::MaxCableRun) {
        typed->Total = model.CableTotal();
        typed->First = model.CableFirst();
    }
    if (model.CalcType() != CalculationType::SmallestCable)
        typed->Impedance = model.CableImpedance();
}

void LoopParameters::KeepTypedFirstRun()
{
    KeepUsersCable();
    std::optional<LoopEditorCore::TypedCable>& typed = editor_.TypedRuns();
    typed->First = editor_.Model().CableFirst();
    typed->Total = std::max(typed->Total, typed->First);
}

void LoopParameters::SetCalcType(CalculationType calcType)
{
    clsCalculator& model = editor_.Model();
    LoopEditorCore::EditorState before = editor_.Snapshot();
    if (model.CalcType() != calcType) {
        KeepUsersCable();
        const LoopEditorCore::TypedCable& typed = *editor_.TypedRuns();
        model.SetCableTotal(typed.Total);
        model.SetCableFirst(typed.First);
        model.SetCableImpedance(typed.Impedance);
        model.SetCalcType(calcType);
        editor_.Doc().MarkChanged();
    }
    editor_.Opts().SetLastCalcType(calcType);
    Recalculate();
    Record(std::move(before), PrintCalcData::CalculationTypeText(calcType));
}

void LoopParameters::Load()
{
    loading_ = true;
    const int cable = CableList()[SelectedCableEntry()].Cable;
    if (cable >= 0)
        ChooseCable(cable);
    const CalculationType calcType = editor_.Model().CalcType();
    const bool offered = calcType == CalculationType::MaxCableRun || calcType == CalculationType::SmallestCable;
    SetCalcType(offered ? calcType : CalculationType::MaxVoltDrop);
    loading_ = false;
}

void LoopParameters::ChooseCable(int cable)
{
    const std::vector<CableRecord>& cables = editor_.Doc().Catalog().Cables;
    if (cable < 0 || static_cast<size_t>(cable) >= cables.size())
        return;
    const int16_t impedance = cables[static_cast<size_t>(cable)].Impedance;
    LoopEditorCore::EditorState before = editor_.Snapshot();
    editor_.Model().SetCableImpedance(impedance);
    editor_.Opts().SetLastCableImpedance(impedance);
    if (!loading_) {
        editor_.Doc().MarkChanged();
        Recalculate();
    }
    Record(std::move(before), "Cable " + cables[static_cast<size_t>(cable)].Name);
}

bool LoopParameters::CommitImpedance(std::string_view text, bool quiet)
{
    const int16_t impedance = Scaling::ParseImpedance(text, units_);
    if (impedance < 0)
        return Reject("Cable impedance must be between " + Scaling::FormatImpedance(0, units_) + " and " +
                          Scaling::FormatImpedance(10000, units_) + " " + Scaling::ImpedanceUnitsText(units_) + "!",
                      quiet);
    clsCalculator& model = editor_.Model();
    if (impedance != model.CableImpedance()) {
        LoopEditorCore::EditorState before = editor_.Snapshot();
        model.SetCableImpedance(impedance);
        editor_.Doc().MarkChanged();
        editor_.Opts().SetLastCableImpedance(impedance);
        Recalculate();
        Record(std::move(before), "Cable Impedance " + ImpedanceText() + " " + Scaling::ImpedanceUnitsText(units_));
    }
    return true;
}

namespace {

std::string RunLimitMessage(const char* what, int units)
{
    return std::string(what) + " must be between 0 and " + Scaling::FormatLength(clsCalculator::MaxCableLength, units) +
           " " + Scaling::LengthUnitsText(units, false) + "!";
}

}  // namespace

// A new run, slider position or outputs limit marks the document changed, so
// that closing asks before the edit is lost.
bool LoopParameters::CommitTotalLength(std::string_view text, bool quiet)
{
    const int32_t length = Scaling::ParseLength(text, units_);
    if (length < 0)
        return Reject(RunLimitMessage("Total cable run", units_), quiet);
    clsCalculator& model = editor_.Model();
    if (length != model.CableTotal()) {
        LoopEditorCore::EditorState before = editor_.Snapshot();
        model.SetCableTotal(length);
        if (model.CableFirst() > length)
            model.SetCableFirst(length);
        editor_.Doc().MarkChanged();
        Recalculate();
        Record(std::move(before), "Total Cable Run " + TotalLengthText() + " " + Scaling::LengthUnitsText(units_, false));
    }
    return true;
}

bool LoopParameters::CommitFirstLength(std::string_view text, bool quiet)
{
    const int32_t length = Scaling::ParseLength(text, units_);
    if (length < 0)
        return Reject(RunLimitMessage("Cable run to first device", units_), quiet);
    clsCalculator& model = editor_.Model();
    if (length != model.CableFirst()) {
        LoopEditorCore::EditorState before = editor_.Snapshot();
        model.SetCableFirst(length);
        if (model.CableTotal() < length)
            model.SetCableTotal(length);
        if (model.CalcType() == CalculationType::MaxCableRun)
            KeepTypedFirstRun();
        editor_.Doc().MarkChanged();
        Recalculate();
        Record(std::move(before),
               "Cable Run to First Device " + FirstLengthText() + " " + Scaling::LengthUnitsText(units_, false));
    }
    return true;
}

bool LoopParameters::CommitMaxOutputs(std::string_view text, bool quiet)
{
    const PanelRecord* panel = editor_.Doc().Catalog().CurrentPanelRecord();
    const int32_t outputs = panel ? panel->Outputs : 0;
    const bool empty = text.find_first_not_of(" \t") == std::string_view::npos;
    const int32_t value = empty ? outputs : Rounding::ToInt32Saturated(LeadingNumber(text));
    if (value < 0 || value > outputs)
        return Reject("Limit on quantity of activated outputs must be between 0 and " + std::to_string(outputs) +
                          " outputs!",
                      quiet);
    clsCalculator& model = editor_.Model();
    if (value != model.MaxOutput()) {
        LoopEditorCore::EditorState before = editor_.Snapshot();
        model.SetMaxOutput(value);
        editor_.Doc().MarkChanged();
        Recalculate();
        Record(std::move(before), "Activated Outputs " + std::to_string(value));
    }
    return true;
}

void LoopParameters::SetInterfaceLedsDisabled(bool disabled)
{
    LoopEditorCore::EditorState before = editor_.Snapshot();
    editor_.Doc().MarkChanged();
    editor_.Model().SetDINLEDsDisabled(disabled);
    Recalculate();
    Record(std::move(before), disabled ? "Interface LEDs Disabled" : "Interface LEDs Enabled");
}

int16_t LoopParameters::SliderPosition() const
{
    const clsCalculator& model = editor_.Model();
    double position = 0;
    if (model.CableTotal() != 0)
        position = static_cast<double>(model.CableFirst()) * 100 / model.CableTotal();
    else if (model.CableFirst() != 0)
        position = 100;
    return static_cast<int16_t>(Rounding::RoundHalfEven(std::clamp(position, 0.0, 100.0)));
}

// With the maximum cable run calculated, the slider is the share of the run
// before the first device; otherwise it places the first device directly.
void LoopParameters::MoveSlider(int16_t position)
{
    if (loading_)
        return;
    clsCalculator& model = editor_.Model();
    LoopEditorCore::EditorState before = editor_.Snapshot();
    const int32_t firstBefore = model.CableFirst();
    if (model.CalcType() == CalculationType::MaxCableRun)
        CalculationSupport::RecalculateLoop(editor_.Doc(), editor_.LoopNum(), true, position);
    else
        model.SetCableFirst(Rounding::ToInt32Saturated(static_cast<double>(position) * model.CableTotal() / 100));
    if (model.CableFirst() != firstBefore)
        editor_.Doc().MarkChanged();
    if (model.CalcType() != CalculationType::MaxCableRun)
        Recalculate();
    // A drag of the slider is one step.
    Record(std::move(before), "Device Distribution", "slider");
}

std::string LoopParameters::ImpedanceText() const
{
    return Scaling::FormatImpedance(editor_.Model().CableImpedance(), units_);
}

std::string LoopParameters::TotalLengthText() const
{
    return Scaling::FormatLength(editor_.Model().CableTotal(), units_);
}

std::string LoopParameters::FirstLengthText() const
{
    return Scaling::FormatLength(editor_.Model().CableFirst(), units_);
}
