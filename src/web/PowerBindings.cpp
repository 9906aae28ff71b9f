// The power supply and battery window to JavaScript: its boxes as one plain
// object (the rule as its place in the rule box), the result worked out as
// the user types, OK as one step of the history and the question before
// changes are discarded, as frmPower uses PowerCore.

#include "document/PowerText.h"
#include "forms/HelpTopics.h"
#include "forms/PowerCore.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <iterator>

namespace {

using emscripten::val;

const char* FieldName(PowerCore::Field field)
{
    using Field = PowerCore::Field;
    switch (field) {
    case Field::StandbyHours: return "standbyHours";
    case Field::AlarmMinutes: return "alarmMinutes";
    case Field::Factor: return "factor";
    case Field::PanelStandby: return "panelStandby";
    case Field::PanelAlarm: return "panelAlarm";
    case Field::LoadQuantity: return "loadQuantity";
    case Field::LoadStandby: return "loadStandby";
    case Field::LoadAlarm: return "loadAlarm";
    case Field::Fitted: return "fitted";
    }
    return "standbyHours";
}

int RuleIndex(PowerRule rule)
{
    const auto found = std::find(std::begin(PowerCore::Rules), std::end(PowerCore::Rules), rule);
    return found == std::end(PowerCore::Rules) ? 0 : static_cast<int>(found - std::begin(PowerCore::Rules));
}

PowerRule RuleAt(int index)
{
    const int count = static_cast<int>(std::size(PowerCore::Rules));
    return PowerCore::Rules[index >= 0 && index < count ? index : 0];
}

val LoadToJs(const PowerCore::LoadEntries& load)
{
    val entry = val::object();
    entry.set("description", load.Description);
    entry.set("quantity", load.Quantity);
    entry.set("standby", load.Standby);
    entry.set("alarm", load.Alarm);
    return entry;
}

val EntriesToJs(const PowerCore::Entries& entries)
{
    val boxes = val::object();
    boxes.set("rule", RuleIndex(entries.Rule));
    boxes.set("voiceEvacuation", entries.VoiceEvacuation);
    boxes.set("standbyHours", entries.StandbyHours);
    boxes.set("alarmMinutes", entries.AlarmMinutes);
    boxes.set("factor", entries.Factor);
    boxes.set("panelStandby", entries.PanelStandby);
    boxes.set("panelAlarm", entries.PanelAlarm);
    boxes.set("loads", ArrayOf(entries.Loads, LoadToJs));
    boxes.set("fitted", entries.Fitted);
    return boxes;
}

PowerCore::Entries EntriesFromJs(const val& boxes)
{
    PowerCore::Entries entries;
    entries.Rule = RuleAt(boxes["rule"].isNumber() ? boxes["rule"].as<int>() : 0);
    entries.VoiceEvacuation = boxes["voiceEvacuation"].isTrue();
    entries.StandbyHours = TextField(boxes, "standbyHours");
    entries.AlarmMinutes = TextField(boxes, "alarmMinutes");
    entries.Factor = TextField(boxes, "factor");
    entries.PanelStandby = TextField(boxes, "panelStandby");
    entries.PanelAlarm = TextField(boxes, "panelAlarm");
    entries.Loads = VectorOf<PowerCore::LoadEntries>(boxes["loads"], [](const val& load) {
        return PowerCore::LoadEntries{TextField(load, "description"), TextField(load, "quantity"),
                                      TextField(load, "standby"), TextField(load, "alarm")};
    });
    entries.Fitted = TextField(boxes, "fitted");
    return entries;
}

val RefusalToJs(const std::optional<PowerCore::Refusal>& refusal)
{
    if (!refusal)
        return val::null();
    val shown = val::object();
    shown.set("box", std::string(FieldName(refusal->Box)));
    shown.set("row", refusal->Row);
    shown.set("message", refusal->Message);
    return shown;
}

// frmPower over the session's document; the session outlives it.
class PowerWindow {
public:
    explicit PowerWindow(WebSession& session) : session_(session), core_(session.document(), session.localeId()) {}

    std::string Caption() const { return PowerCore::Caption; }
    int HelpTopic() const { return HelpTopic::Power; }
    val RuleNames() const
    {
        return ArrayOf(std::vector<PowerRule>(std::begin(PowerCore::Rules), std::end(PowerCore::Rules)),
                       [](PowerRule rule) { return val(PowerRuleName(rule)); });
    }
    val Boxes() const { return EntriesToJs(core_.Boxes()); }
    val WithRule(const val& boxes, int rule, bool voiceEvacuation) const
    {
        return EntriesToJs(PowerCore::WithRule(EntriesFromJs(boxes), RuleAt(rule), voiceEvacuation));
    }
    bool VoiceEvacuationOffered(int rule) const { return PowerCore::VoiceEvacuationOffered(RuleAt(rule)); }
    bool FactorEditable(int rule) const { return PowerCore::FactorEditable(RuleAt(rule)); }
    val NewLoad() const { return LoadToJs(PowerCore::NewLoad()); }
    std::string PanelStandbyHint() const { return core_.PanelStandbyHint(); }
    std::string PanelAlarmHint() const { return core_.PanelAlarmHint(); }
    val BatteryChoices() const { return StringsToJs(core_.BatteryChoices()); }
    bool HasChanges(const val& boxes) const { return core_.HasChanges(EntriesFromJs(boxes)); }

    val Result(const val& boxes) const
    {
        const PowerCore::Result result = core_.ResultFor(EntriesFromJs(boxes));
        val shown = val::object();
        shown.set("refused", RefusalToJs(result.Refused));
        shown.set("summary", result.Summary);
        shown.set("pass", result.Pass);
        shown.set("working", StringsToJs(result.Working));
        return shown;
    }

    val OK(const val& boxes) { return RefusalToJs(core_.OK(session_.host(), EntriesFromJs(boxes))); }
    bool MayDiscard(const val& boxes) const { return core_.MayDiscard(session_.host(), EntriesFromJs(boxes)); }

private:
    WebSession& session_;
    PowerCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_power)
{
    using namespace emscripten;
    class_<PowerWindow>("PowerWindow")
        .constructor<WebSession&>()
        .function("caption", &PowerWindow::Caption)
        .function("helpTopic", &PowerWindow::HelpTopic)
        .function("ruleNames", &PowerWindow::RuleNames)
        .function("boxes", &PowerWindow::Boxes)
        .function("withRule", &PowerWindow::WithRule)
        .function("voiceEvacuationOffered", &PowerWindow::VoiceEvacuationOffered)
        .function("factorEditable", &PowerWindow::FactorEditable)
        .function("newLoad", &PowerWindow::NewLoad)
        .function("panelStandbyHint", &PowerWindow::PanelStandbyHint)
        .function("panelAlarmHint", &PowerWindow::PanelAlarmHint)
        .function("batteryChoices", &PowerWindow::BatteryChoices)
        .function("hasChanges", &PowerWindow::HasChanges)
        .function("result", &PowerWindow::Result)
        .function("ok", &PowerWindow::OK)
        .function("mayDiscard", &PowerWindow::MayDiscard);
}
