// The loop editor and its cable layout window to JavaScript. Calls that may
// show a box or ask a question return a promise when the page's host answers
// with one; rows out of range are refused quietly (false, -1), as a window
// has no such rows to offer.

#include "document/Document.h"
#include "forms/EntryKeys.h"
#include "forms/HelpTopics.h"
#include "forms/HowManyMoreCore.h"
#include "text/Scaling.h"
#include "web/WebCableLayout.h"
#include "web/WebValues.h"
#include "web/WebLoopEditor.h"
#include "web/WebSession.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using emscripten::val;

std::unique_ptr<WebLoopEditor> OpenLoopEditor(WebSession& session, int loop)
{
    if (loop < 1 || loop > Document::LoopCount)
        val::global("RangeError").new_(std::string("no loop ") + std::to_string(loop)).throw_();
    return std::make_unique<WebLoopEditor>(session, loop);
}

// Whether a number box of the editor takes the typed character (a refused
// one beeps and is dropped); the first character of `key` counts.
bool EntryAccepts(const std::wstring& key, bool decimalPoint)
{
    return !key.empty() && EntryKeys::Accepts(static_cast<char32_t>(key.front()), decimalPoint);
}

template <typename Rows> val ToArray(const Rows& rows)
{
    return JsArray(rows.size(), [&](size_t i) { return rows[i]; });
}

bool DeviceRowShown(WebLoopEditor& editor, int row)
{
    return row >= 0 && static_cast<size_t>(row) < editor.Core().DeviceRows().size();
}

bool CommitDeviceQuantity(WebLoopEditor& editor, int row, const std::string& text)
{
    return DeviceRowShown(editor, row) &&
           editor.Core().CommitDeviceQuantity(static_cast<size_t>(row), LoopEditorCore::QuantityFromText(text));
}

// How many more of a row's device type (`other` false) or Other Device.
std::unique_ptr<HowManyMoreCore> OpenHowManyMore(WebLoopEditor& editor, int row, bool other)
{
    LoopEditorCore& core = editor.Core();
    const size_t rows = other ? core.OtherRows().size() : core.DeviceRows().size();
    if (row < 0 || static_cast<size_t>(row) >= rows)
        val::global("RangeError").new_(std::string("no row ") + std::to_string(row)).throw_();
    const auto at = static_cast<size_t>(row);
    return std::make_unique<HowManyMoreCore>(other ? HowManyMoreCore::ForOtherRow(core, at)
                                                   : HowManyMoreCore::ForDeviceRow(core, at));
}

bool CommitOtherQuantity(WebLoopEditor& editor, int row, const std::string& text)
{
    return row >= 0 && static_cast<size_t>(row) < editor.Core().OtherRows().size() &&
           editor.Core().CommitOtherQuantity(static_cast<size_t>(row), LoopEditorCore::QuantityFromText(text));
}

bool LayoutRow(WebCableLayout& layout, int row)
{
    return row >= 0 && static_cast<size_t>(row) < layout.Core().Rows().size();
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_loop_editor)
{
    using namespace emscripten;
    value_object<WebLoopEditor::Row>("LoopRow")
        .field("row", &WebLoopEditor::Row::Row)
        .field("name", &WebLoopEditor::Row::Name)
        .field("quantity", &WebLoopEditor::Row::Quantity)
        .field("quiescent", &WebLoopEditor::Row::Quiescent)
        .field("alarm", &WebLoopEditor::Row::Alarm);
    value_object<LoopParameters::CableEntry>("CableEntry")
        .field("name", &LoopParameters::CableEntry::Name)
        .field("cable", &LoopParameters::CableEntry::Cable);
    using P = WebLoopEditor::Parameters;
    value_object<P>("LoopParameters")
        .field("calcType", &P::CalcType)
        .field("cableEntry", &P::CableEntry)
        .field("totalLengthEditable", &P::TotalLengthEditable)
        .field("cableListEditable", &P::CableListEditable)
        .field("impedanceEditable", &P::ImpedanceEditable)
        .field("impedance", &P::Impedance)
        .field("totalLength", &P::TotalLength)
        .field("firstLength", &P::FirstLength)
        .field("maxOutputs", &P::MaxOutputs)
        .field("slider", &P::Slider)
        .field("interfaceLedsShown", &P::InterfaceLedsShown)
        .field("interfaceLedsDisabled", &P::InterfaceLedsDisabled)
        .field("impedanceUnits", &P::ImpedanceUnits)
        .field("impedanceConditions", &P::ImpedanceConditions)
        .field("lengthUnits", &P::LengthUnits)
        .field("maxAlarm", &P::MaxAlarm)
        .field("cableRunLimit", &P::CableRunLimit);
    using R = WebLoopEditor::Results;
    value_object<R>("LoopEditorResults")
        .field("quantity", &R::Quantity)
        .field("quiescentDevices", &R::QuiescentDevices)
        .field("alarmDevices", &R::AlarmDevices)
        .field("quiescentTotal", &R::QuiescentTotal)
        .field("alarmTotal", &R::AlarmTotal)
        .field("panelLimit", &R::PanelLimit)
        .field("panelLimitVisible", &R::PanelLimitVisible)
        .field("maxVoltDrop", &R::MaxVoltDrop)
        .field("voltDrop", &R::VoltDrop)
        .field("showsTotalLength", &R::ShowsTotalLength)
        .field("totalLength", &R::TotalLength)
        .field("showsCable", &R::ShowsCable)
        .field("limitCableRunVisible", &R::LimitCableRunVisible)
        .field("passFail", &R::PassFail)
        .field("satisfactory", &R::Satisfactory)
        .field("explanation", &R::Explanation)
        .field("alongCable", &R::AlongCable)
        .field("alongCablePass", &R::AlongCablePass)
        .field("spare", &R::Spare)
        .field("spareBelow", &R::SpareBelow);
    value_object<HistoryTexts>("HistoryTexts")
        .field("undoName", &HistoryTexts::UndoName)
        .field("redoName", &HistoryTexts::RedoName)
        .field("undoItem", &HistoryTexts::UndoItem)
        .field("redoItem", &HistoryTexts::RedoItem);

    function("loopEntryAccepts", &EntryAccepts);
    constant("noDeviceRowsText", std::string(LoopEditorCore::NoDeviceRowsText));

    class_<WebLoopEditor>("LoopEditor")
        .constructor(&OpenLoopEditor)
        .function("loopNum", optional_override([](WebLoopEditor& e) { return e.Core().LoopNum(); }))
        .function("caption", optional_override([](WebLoopEditor& e) { return e.Core().Caption(); }))
        .function("helpTopic", optional_override([](WebLoopEditor&) { return HelpTopic::LoopEditor; }))
        .function("loopName", &WebLoopEditor::LoopName)
        .function("setLoopName", optional_override([](WebLoopEditor& e, const std::string& text) {
                      e.Core().SetLoopName(text);
                  }))
        .function("deviceRows", optional_override([](WebLoopEditor& e) { return ToArray(e.DeviceRows()); }))
        .function("otherRows", optional_override([](WebLoopEditor& e) { return ToArray(e.OtherRows()); }))
        .function("hasDeviceRows", optional_override([](WebLoopEditor& e) { return !e.Core().DeviceRows().empty(); }))
        .function("addDeviceRow", optional_override([](WebLoopEditor& e, int type) {
                      return static_cast<int>(e.Core().AddDeviceRow(type));
                  }))
        .function("setDeviceFilter", optional_override([](WebLoopEditor& e, const std::string& text, bool inUseOnly) {
                      e.Core().SetDeviceFilter(text, inUseOnly);
                  }))
        .function("commitDeviceQuantity", &CommitDeviceQuantity)
        .function("commitOtherQuantity", &CommitOtherQuantity)
        .function("cables", optional_override([](WebLoopEditor& e) { return ToArray(e.Params().CableList()); }))
        .function("parameters", &WebLoopEditor::ParameterTexts)
        .function("setCalcType", &WebLoopEditor::SetCalcType)
        .function("chooseCableEntry", &WebLoopEditor::ChooseCableEntry)
        .function("commitImpedance", optional_override([](WebLoopEditor& e, const std::string& text) {
                      return e.Params().CommitImpedance(text);
                  }))
        .function("commitTotalLength", optional_override([](WebLoopEditor& e, const std::string& text) {
                      return e.Params().CommitTotalLength(text);
                  }))
        .function("commitFirstLength", optional_override([](WebLoopEditor& e, const std::string& text) {
                      return e.Params().CommitFirstLength(text);
                  }))
        .function("commitMaxOutputs", optional_override([](WebLoopEditor& e, const std::string& text) {
                      return e.Params().CommitMaxOutputs(text);
                  }))
        .function("moveSlider", optional_override([](WebLoopEditor& e, int position) {
                      e.Params().MoveSlider(static_cast<int16_t>(std::clamp(position, 0, 100)));
                  }))
        .function("setInterfaceLedsDisabled", &WebLoopEditor::SetInterfaceLedsDisabled)
        .function("results", &WebLoopEditor::CurrentResults)
        .function("staleResults", &WebLoopEditor::StaleResults)
        .function("history", &WebLoopEditor::History)
        .function("undo", &WebLoopEditor::Undo)
        .function("redo", &WebLoopEditor::Redo)
        .function("hasChanges", optional_override([](WebLoopEditor& e) { return e.Core().HasChanges(); }))
        .function("ok", &WebLoopEditor::Ok)
        .function("cancel", &WebLoopEditor::Cancel);

    value_object<WebCableLayout::Row>("CableLayoutRow")
        .field("number", &WebCableLayout::Row::Number)
        .field("address", &WebCableLayout::Row::Address)
        .field("type", &WebCableLayout::Row::Type)
        .field("others", &WebCableLayout::Row::Others)
        .field("distance", &WebCableLayout::Row::Distance)
        .field("length", &WebCableLayout::Row::Length)
        .field("canMoveUp", &WebCableLayout::Row::CanMoveUp)
        .field("canMoveDown", &WebCableLayout::Row::CanMoveDown);

    class_<WebCableLayout>("CableLayout")
        .constructor<WebLoopEditor&>()
        .function("caption", optional_override([](WebCableLayout& l) { return l.Core().Caption(); }))
        .function("lengthUnits", optional_override([](WebCableLayout& l, bool longForm) {
                      return Scaling::LengthUnitsText(l.Core().Units(), longForm);
                  }))
        .function("rows", optional_override([](WebCableLayout& l) { return ToArray(l.Rows()); }))
        .function("commitDistance", optional_override([](WebCableLayout& l, int row, const std::string& text) {
                      return LayoutRow(l, row) && l.Core().CommitDistance(static_cast<size_t>(row), text);
                  }))
        .function("commitLength", optional_override([](WebCableLayout& l, int row, const std::string& text) {
                      return LayoutRow(l, row) && l.Core().CommitLength(static_cast<size_t>(row), text);
                  }))
        .function("move", &WebCableLayout::Move)
        .function("spaceEvenly", optional_override([](WebCableLayout& l) { return l.Core().SpaceEvenly(); }))
        .function("paste", optional_override([](WebCableLayout& l, const std::string& text) { l.Core().Paste(text); }))
        .function("history", &WebCableLayout::History)
        .function("undo", optional_override([](WebCableLayout& l) { return l.Core().Undo(); }))
        .function("redo", optional_override([](WebCableLayout& l) { return l.Core().Redo(); }))
        .function("hasChanges", optional_override([](WebCableLayout& l) { return l.Core().HasChanges(); }))
        .function("ok", &WebCableLayout::Ok)
        .function("cancel", &WebCableLayout::Cancel)
        .function("helpTopic", optional_override([](WebCableLayout&) { return HelpTopic::CableLayout; }));

    class_<HowManyMoreCore>("HowManyMore")
        .constructor(&OpenHowManyMore)
        .function("caption", &HowManyMoreCore::Caption)
        .function("itemText", &HowManyMoreCore::ItemText)
        .function("setAtFarEnd", optional_override([](HowManyMoreCore& h, bool farEnd) {
                      h.SetPlacement(farEnd ? HowManyMore::Placement::AtFarEnd : HowManyMore::Placement::Evenly);
                  }))
        .function("answerText", &HowManyMoreCore::AnswerText)
        .function("addText", &HowManyMoreCore::AddText)
        .function("addEnabled", &HowManyMoreCore::AddEnabled)
        .function("add", &HowManyMoreCore::Add)
        .function("helpTopic", optional_override([](HowManyMoreCore&) { return HelpTopic::HowManyMore; }));
}
