#include "web/WebLoopEditor.h"

#include "document/AlongCableVerdict.h"
#include "document/SpareCapacity.h"
#include "document/CalculationSupport.h"
#include "forms/BusyPointer.h"
#include "forms/DiscardQuestion.h"
#include "text/Scaling.h"
#include "web/WebSession.h"

WebLoopEditor::WebLoopEditor(WebSession& session, int loop)
    : session_(session), core_(session.document(), session.options(), session.host(), loop),
      parameters_(core_, session.options().Units())
{
    Fill();
}

void WebLoopEditor::Fill()
{
    core_.Activate();
    parameters_.Load();
    userDefined_ = false;
    core_.AcceptChange(false);
}

std::string WebLoopEditor::LoopName() { return session_.document().LoopName(core_.LoopNum()); }

WebLoopEditor::Row WebLoopEditor::RowOf(size_t row, const LoopEditorCore::RowTexts& texts) const
{
    return {static_cast<int>(row), texts.Name, texts.Quantity, texts.Quiescent, texts.Alarm};
}

std::vector<WebLoopEditor::Row> WebLoopEditor::DeviceRows() const
{
    std::vector<Row> rows;
    for (const size_t row : core_.ShownDeviceRows())
        rows.push_back(RowOf(row, core_.DeviceRowTexts(row)));
    return rows;
}

std::vector<WebLoopEditor::Row> WebLoopEditor::OtherRows() const
{
    std::vector<Row> rows;
    for (size_t row = 0; row < core_.OtherRows().size(); ++row)
        rows.push_back(RowOf(row, core_.OtherRowTexts(row)));
    return rows;
}

WebLoopEditor::Parameters WebLoopEditor::ParameterTexts()
{
    const clsCalculator& model = core_.Model();
    Parameters shown;
    shown.CalcType = StoredNumber(model.CalcType());
    shown.Cables = parameters_.CableList();
    shown.CableEntry = static_cast<int>(userDefined_ ? shown.Cables.size() - 1 : parameters_.SelectedCableEntry());
    const LoopParameters::Editable editable =
        parameters_.EditableFor(model.CalcType(), shown.Cables[static_cast<size_t>(shown.CableEntry)].Cable < 0);
    shown.TotalLengthEditable = editable.TotalLength;
    shown.CableListEditable = editable.CableList;
    shown.ImpedanceEditable = editable.Impedance;
    shown.Impedance = parameters_.ImpedanceText();
    shown.TotalLength = parameters_.TotalLengthText();
    shown.FirstLength = parameters_.FirstLengthText();
    shown.MaxOutputs = std::to_string(model.MaxOutput());
    shown.Slider = parameters_.SliderPosition();
    shown.InterfaceLedsShown = core_.InterfaceLedsAvailable();
    shown.InterfaceLedsDisabled = model.DINLEDsDisabled();
    shown.ImpedanceUnits = Scaling::ImpedanceUnitsText(Units());
    shown.ImpedanceConditions = Scaling::ImpedanceConditionsText(Units());
    shown.LengthUnits = Scaling::LengthUnitsText(Units(), true);
    shown.MaxAlarm = parameters_.MaxAlarmText();
    shown.CableRunLimit = parameters_.CableRunLimitText();
    return shown;
}

// "User-Defined" leaves the loop's cable as it is: the impedance is typed next.
void WebLoopEditor::ChooseCableEntry(int entry)
{
    const std::vector<LoopParameters::CableEntry> cables = parameters_.CableList();
    if (entry < 0 || static_cast<size_t>(entry) >= cables.size())
        return;
    const int cable = cables[static_cast<size_t>(entry)].Cable;
    userDefined_ = cable < 0;
    if (!userDefined_)
        parameters_.ChooseCable(cable);
}

// The runs and the cable the user gave come back for the new type.
void WebLoopEditor::SetCalcType(int calcType)
{
    if (calcType < StoredNumber(MinCalcType) || calcType > StoredNumber(MaxCalcType))
        return;
    parameters_.SetCalcType(static_cast<CalculationType>(calcType));
    userDefined_ = false;
}

// The busy pointer while the loop is recalculated, as on the desktop.
void WebLoopEditor::SetInterfaceLedsDisabled(bool disabled)
{
    const BusyPointer::Scope busy(session_.pointer());
    parameters_.SetInterfaceLedsDisabled(disabled);
}

WebLoopEditor::Results WebLoopEditor::CurrentResults()
{
    Results results;
    static_cast<LoopEditorResults&>(results) = LoopEditorResultsFor(core_.Model(), session_.document().Catalog(), Units());
    const AlongCableVerdict along =
        JudgeAlongCable(CalculationSupport::AnalyseAlongCable(session_.document(), core_.LoopNum()));
    results.AlongCable = along.Empty ? std::string() : AlongCableLine(along);
    results.AlongCablePass = along.Pass();
    const SpareCell spare = SpareCellFor(session_.document(), core_.LoopNum());
    results.Spare = spare.Line;
    results.SpareBelow = spare.Below;
    return results;
}

WebLoopEditor::Results WebLoopEditor::StaleResults()
{
    Results results = CurrentResults();
    static_cast<LoopEditorResults&>(results) = StaleLoopEditorResults(results, core_.Model().CalcType());
    results.AlongCable.clear();
    results.Spare.clear();
    return results;
}

HistoryTexts WebLoopEditor::History() const { return HistoryTextsOf(core_.History()); }

bool WebLoopEditor::Undo()
{
    if (!core_.Undo())
        return false;
    Fill();
    return true;
}

bool WebLoopEditor::Redo()
{
    if (!core_.Redo())
        return false;
    Fill();
    return true;
}

bool WebLoopEditor::Ok()
{
    if (!core_.ConfirmOK())
        return false;
    core_.Accept();
    return true;
}

bool WebLoopEditor::Cancel()
{
    if (!DiscardQuestion::MayClose(core_.Host(), core_.HasChanges(), core_.DiscardQuestion(), core_.Caption()))
        return false;
    core_.Cancel();
    return true;
}
