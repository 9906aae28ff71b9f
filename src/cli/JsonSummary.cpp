#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"
#include "document/LoopResults.h"
#include "document/PowerText.h"

#include <array>
#include <optional>

namespace {

// The JSON names of the feeds, in the order of AllFeeds.
constexpr std::array<const char*, FeedCount> FeedKeys{"whole", "open_in", "open_out"};

// Positions and currents to four decimals (a lumped placement's positions
// are fractions of a decimetre).
Currency Exact(double value) { return Currency::FromDouble(value).value_or(Currency()); }

void WriteFeed(JsonWriter& json, const FeedResult& feed)
{
    json.BeginObject();
    json.Member("lowest_V", VoltsToHundredths(feed.LowestVolts));
    json.Member("lowest_address", feed.LowestAddress);
    json.Member("worst_margin_V", VoltsToHundredths(feed.WorstMargin));
    json.Member("worst_address", feed.WorstAddress);
    json.Member("pass", feed.Pass);
    json.EndObject();
}

void WriteSection(JsonWriter& json, const IsolatorSection& section)
{
    json.BeginObject();
    json.Member("from", section.From);
    json.Member("to", section.To);
    json.Member("points", section.Points);
    json.Member("limit", section.Limit);
    json.Member("pass", section.Pass);
    json.EndObject();
}

void WriteDevices(JsonWriter& json, const LoopSummary& loop)
{
    json.BeginArray();
    for (size_t i = 0; i < loop.AlongCable.Points.size(); ++i) {
        const AlongCablePoint& point = loop.AlongCable.Points[i];
        json.BeginObject();
        json.Member("address", point.Address);
        json.Member("slot", point.Slot);
        json.Member("type", loop.PointTypes[i]);
        json.Member("position_dm", Exact(point.Position));
        json.Member("alarm_uA", Exact(ForFeed(point.Current, Feed::Whole)));
        json.Member("V_whole", VoltsToHundredths(ForFeed(point.Volts, Feed::Whole)));
        json.Member("V_open_in", VoltsToHundredths(ForFeed(point.Volts, Feed::OpenIn)));
        json.Member("V_open_out", VoltsToHundredths(ForFeed(point.Volts, Feed::OpenOut)));
        json.Member("min_V", VoltsToHundredths(point.MinimumVoltage));
        json.EndObject();
    }
    json.EndArray();
}

// With `devices`, every point too: under "along_cable", since the loop's
// "devices" is its count of devices.
void WriteAlongCable(JsonWriter& json, const LoopSummary& loop, bool devices)
{
    const AlongCableResult& along = loop.AlongCable;
    json.BeginObject();
    json.Member("positioned", along.Positioned);
    json.Key("feeds");
    if (along.Empty()) {
        json.Null();
    } else {
        json.BeginObject();
        for (const Feed feed : AllFeeds) {
            json.Key(FeedKeys[static_cast<size_t>(feed)]);
            WriteFeed(json, along.Of(feed));
        }
        json.EndObject();
    }
    json.Key("sections");
    json.BeginArray();
    for (const IsolatorSection& section : along.Sections)
        WriteSection(json, section);
    json.EndArray();
    if (devices) {
        json.Key("devices");
        WriteDevices(json, loop);
    }
    json.EndObject();
}

void WriteLoop(JsonWriter& json, const LoopSummary& loop, bool devices)
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
    json.Key("along_cable");
    WriteAlongCable(json, loop, devices);
    json.EndObject();
}

void NumberMember(JsonWriter& json, std::string_view name, std::string_view digits)
{
    json.Key(name);
    json.RawNumber(digits);
}

// The value written by `write`, or null when there is none.
template <typename T, typename Write>
void OptionalMember(JsonWriter& json, std::string_view name, const std::optional<T>& value, Write write)
{
    json.Key(name);
    if (value)
        write(*value);
    else
        json.Null();
}

// Every figure exact: currents in mA from µA, capacities and factors from
// hundredths, periods in hours (to four decimals where minutes / 60 does not end).
void WritePower(JsonWriter& json, const PowerInputs& in, const PowerResult& r)
{
    const auto ampHours = [&json](int32_t hundredths) { json.RawNumber(HundredthsText(hundredths)); };
    const auto boolean = [&json](bool value) { json.Bool(value); };
    json.BeginObject();
    json.Member("rule", PowerRuleName(in.Rule));
    NumberMember(json, "standby_h", HoursText(in.StandbyMinutes));
    NumberMember(json, "alarm_h", HoursText(in.AlarmMinutes));
    NumberMember(json, "factor", HundredthsText(r.FactorHundredths));
    NumberMember(json, "D", HundredthsText(r.DHundredths));
    NumberMember(json, "panel_standby_mA", MilliampsExact(in.PanelStandby));
    NumberMember(json, "panel_alarm_mA", MilliampsExact(in.PanelAlarm));
    NumberMember(json, "ancillary_standby_mA", MilliampsExact(in.AncillaryStandby));
    NumberMember(json, "ancillary_alarm_mA", MilliampsExact(in.AncillaryAlarm));
    NumberMember(json, "I1_mA", MilliampsExact(r.StandbyCurrent));
    NumberMember(json, "I2_mA", MilliampsExact(r.AlarmCurrent));
    NumberMember(json, "required_Ah", HundredthsText(r.Required));
    OptionalMember(json, "battery_Ah", r.StandardBattery, ampHours);
    OptionalMember(json, "fitted_Ah", in.FittedBattery, ampHours);
    OptionalMember(json, "fits_panel", r.FitsPanel, boolean);
    NumberMember(json, "charger_needed_mA", MilliampsExact(r.ChargerNeeded));
    OptionalMember(json, "charger_ok", r.ChargerOk, boolean);
    OptionalMember(json, "max_standby_mA", r.MaxStandby,
                   [&json](Currency microamps) { json.RawNumber(MilliampsExact(microamps)); });
    json.EndObject();
}

}  // namespace

std::string SummaryJson(const CalcSummary& summary, bool devices)
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
        WriteLoop(json, loop, devices);
    json.EndArray();
    json.Member("total_devices", summary.TotalDevices);
    json.Member("total_quiescent_uA", summary.TotalQuiescent);
    json.Member("total_alarm_uA", summary.TotalAlarm);
    json.Member("overall", summary.Overall);
    json.Key("power");
    WritePower(json, summary.BatteryInputs, summary.Battery);
    json.EndObject();
    return json.Text() + "\n";
}
