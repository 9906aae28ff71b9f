#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"

namespace {

void WriteLoop(JsonWriter& json, const LoopSummary& loop)
{
    json.BeginObject();
    json.Member("loop", loop.Loop);
    json.Member("name", loop.Name);
    json.Member("devices", loop.Devices);
    json.Member("quiescent_devices_uA", loop.QuiescentDevices);
    json.Member("alarm_devices_uA", loop.AlarmDevices);
    json.Member("quiescent_uA", loop.Quiescent);
    json.Member("alarm_uA", loop.Alarm);
    json.Member("volt_drop_V", loop.VoltDrop);
    json.Member("max_volt_drop_V", loop.MaxVoltDrop);
    json.Member("calc_type", StoredNumber(loop.CalcType));
    json.Member("cable_impedance", loop.CableImpedance);
    json.Member("cable_total_dm", loop.CableTotal);
    json.Member("cable_first_dm", loop.CableFirst);
    json.Member("loop_design", static_cast<int32_t>(loop.LoopDesign));
    json.Member("design_short", loop.DesignShort);
    json.Member("design_long", loop.DesignLong);
    json.Member("explanation", loop.Explanation);
    json.Member("panel_limit_text", loop.PanelLimitText);
    json.EndObject();
}

}  // namespace

std::string SummaryJson(const CalcSummary& summary)
{
    JsonWriter json;
    json.BeginObject();
    json.Member("file", summary.File);
    json.Member("site_name", summary.SiteName);
    json.Member("panel", summary.Panel);
    json.Member("panel_loops", summary.PanelLoops);
    json.Key("loops");
    json.BeginArray();
    for (const LoopSummary& loop : summary.Loops)
        WriteLoop(json, loop);
    json.EndArray();
    json.Member("total_devices", summary.TotalDevices);
    json.Member("total_quiescent_uA", summary.TotalQuiescent);
    json.Member("total_alarm_uA", summary.TotalAlarm);
    json.Member("overall", summary.Overall);
    json.EndObject();
    return json.Text() + "\n";
}
