#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"
#include "document/LoopResults.h"

#include <array>

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
    json.EndObject();
    return json.Text() + "\n";
}
