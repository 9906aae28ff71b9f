#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "document/LoopResults.h"
#include "document/PowerText.h"

#include <array>
#include <optional>

namespace {

// The JSON names of the feeds, in the order of AllFeeds.
constexpr std::array<const char*, FeedCount> FeedKeys{"whole", "open_in", "open_out"};

// Positions and currents to four decimals (a lumped placement's positions
// are fractions of a decimetre).
Json Exact(double value) { return ExactNumber(Currency::FromDouble(value).value_or(Currency())); }

// Volts rounded to the hundredth.
Json Volts(double volts) { return ExactNumber(VoltsToHundredths(volts)); }

Json FeedObject(const FeedResult& feed)
{
    return Json::object({{"lowest_V", Volts(feed.LowestVolts)},
                         {"lowest_address", feed.LowestAddress},
                         {"worst_margin_V", Volts(feed.WorstMargin)},
                         {"worst_address", feed.WorstAddress},
                         {"pass", feed.Pass}});
}

Json SectionObject(const IsolatorSection& section)
{
    return Json::object({{"from", section.From},
                         {"to", section.To},
                         {"points", section.Points},
                         {"limit", section.Limit},
                         {"pass", section.Pass}});
}

Json DevicesArray(const LoopSummary& loop)
{
    Json devices = Json::array();
    for (size_t i = 0; i < loop.AlongCable.Points.size(); ++i) {
        const AlongCablePoint& point = loop.AlongCable.Points[i];
        devices.push_back(Json::object({{"address", point.Address},
                                        {"slot", point.Slot},
                                        {"type", loop.PointTypes[i]},
                                        {"position_dm", Exact(point.Position)},
                                        {"alarm_uA", Exact(ForFeed(point.Current, Feed::Whole))},
                                        {"V_whole", Volts(ForFeed(point.Volts, Feed::Whole))},
                                        {"V_open_in", Volts(ForFeed(point.Volts, Feed::OpenIn))},
                                        {"V_open_out", Volts(ForFeed(point.Volts, Feed::OpenOut))},
                                        {"min_V", Volts(point.MinimumVoltage)}}));
    }
    return devices;
}

// With `devices`, every point too: under "along_cable", since the loop's
// "devices" is its count of devices.
Json AlongCableObject(const LoopSummary& loop, bool devices)
{
    const AlongCableResult& along = loop.AlongCable;
    Json feeds = nullptr;
    if (!along.Empty()) {
        feeds = Json::object();
        for (const Feed feed : AllFeeds)
            feeds[FeedKeys[static_cast<size_t>(feed)]] = FeedObject(along.Of(feed));
    }
    Json sections = Json::array();
    for (const IsolatorSection& section : along.Sections)
        sections.push_back(SectionObject(section));
    const AlongCableVerdict& verdict = loop.AlongCableChecks;
    Json checks = nullptr;
    if (!verdict.Empty)
        checks = Json::object({{"pass", verdict.Pass()},
                               {"total", verdict.Checks.size()},
                               {"failed", verdict.Failed},
                               {"first_failure", verdict.Pass() ? Json(nullptr) : Json(verdict.FirstFailure)},
                               {"text", verdict.Text}});
    Json object = Json::object({{"positioned", along.Positioned},
                                {"placed_between", along.AddressesPlacedBetween()},
                                {"feeds", feeds},
                                {"sections", sections},
                                {"checks", checks}});
    if (devices)
        object["devices"] = DevicesArray(loop);
    return object;
}

// The limit that binds first and every limit, each with its whole percent
// spare as shown; null for a loop without devices.
Json SpareObject(const LoopSummary& loop)
{
    const SpareItem* binding = loop.Spare.Binding();
    if (!binding)
        return nullptr;
    Json limits = Json::array();
    for (const SpareItem& item : loop.Spare.Items)
        limits.push_back(Json::object({{"limit", item.Name},
                                       {"used", item.Text},
                                       {"spare_percent", ShownSparePercent(item.SparePercent())}}));
    return Json::object({{"binding", binding->Name},
                         {"spare_percent", ShownSparePercent(binding->SparePercent())},
                         {"text", SpareText(loop.Spare)},
                         {"below_required", loop.BelowRequiredSpare},
                         {"limits", limits}});
}

// Every cable tried on the loop, in the catalogue's order; "feeds" null
// for a loop without devices, as in "along_cable".
Json CablesArray(const CableComparison& comparison)
{
    Json cables = Json::array();
    for (size_t i = 0; i < comparison.Rows.size(); ++i) {
        const CableComparisonRow& row = comparison.Rows[i];
        Json feeds = Json::object();
        for (const Feed feed : AllFeeds)
            feeds[FeedKeys[static_cast<size_t>(feed)]] =
                Json::object({{"worst_margin_V", Volts(row.Of(feed).WorstMargin)},
                              {"worst_address", row.Of(feed).WorstAddress},
                              {"pass", row.Of(feed).Pass}});
        cables.push_back(Json::object({{"cable", row.Cable},
                                       {"name", row.Name},
                                       {"cable_impedance", row.Impedance},
                                       {"volt_drop_V", ExactNumber(row.VoltDrop)},
                                       {"loop_design", static_cast<int32_t>(row.Verdict)},
                                       {"design_short", clsCalculator::LoopDesignShortFor(row.Verdict)},
                                       {"longest_run_dm", row.LongestRun},
                                       {"feeds", row.HasPoints ? feeds : Json(nullptr)},
                                       {"own_cable", row.OwnCable},
                                       {"pass", row.Pass},
                                       {"smallest", comparison.Smallest == i}}));
    }
    return cables;
}

Json HowManyMoreObject(const MoreSummary& more)
{
    constexpr std::array<const char*, 5> StopKeys{"none", "verdict", "along_cable", "section", "refused"};
    const HowManyMore::Answer& answer = more.Answer;
    return Json::object({{"type", more.Item},
                         {"placement", more.Placement == HowManyMore::Placement::AtFarEnd ? "at_far_end" : "evenly"},
                         {"more", answer.More},
                         {"already_fails", answer.AlreadyFails},
                         {"stopped_by", StopKeys[static_cast<size_t>(answer.StoppedBy)]},
                         {"check", answer.Check},
                         {"text", HowManyMore::AnswerText(answer)}});
}

Json LoopObject(const LoopSummary& loop, bool devices)
{
    Json object = Json::object({{"loop", loop.Loop},
                         {"name", loop.Name},
                         {"devices", loop.Devices},
                         {"quiescent_devices_uA", ExactNumber(loop.QuiescentDevices)},
                         {"alarm_devices_uA", ExactNumber(loop.AlarmDevices)},
                         {"quiescent_uA", ExactNumber(loop.Quiescent)},
                         {"alarm_uA", ExactNumber(loop.Alarm)},
                         {"volt_drop_V", ExactNumber(loop.VoltDrop)},
                         {"max_volt_drop_V", ExactNumber(loop.MaxVoltDrop)},
                         {"calc_type", StoredNumber(loop.CalcType)},
                         {"cable_impedance", loop.CableImpedance},
                         {"cable_total_dm", loop.CableTotal},
                         {"cable_first_dm", loop.CableFirst},
                         {"loop_design", static_cast<int32_t>(loop.LoopDesign)},
                         {"design_short", loop.DesignShort},
                         {"design_long", loop.DesignLong},
                         {"explanation", loop.Explanation},
                         {"panel_limit_text", loop.PanelLimitText},
                         {"along_cable", AlongCableObject(loop, devices)},
                         {"spare", SpareObject(loop)}});
    if (loop.Cables)
        object["cables"] = CablesArray(*loop.Cables);
    if (loop.HowManyMore)
        object["how_many_more"] = HowManyMoreObject(*loop.HowManyMore);
    return object;
}

// The value made by `make`, or null when there is none.
template <typename T, typename Make>
Json Optional(const std::optional<T>& value, Make make)
{
    return value ? make(*value) : Json(nullptr);
}

Json Hundredths(int32_t hundredths) { return ExactNumber(HundredthsText(hundredths)); }
Json Milliamps(Currency microamps) { return ExactNumber(MilliampsExact(microamps)); }
Json Boolean(bool value) { return value; }

// Every figure exact: currents in mA from µA, capacities from hundredths,
// factors from thousandths, periods in hours (to four decimals where minutes / 60 does not end).
Json PowerObject(const PowerInputs& in, const PowerResult& r)
{
    return Json::object({{"rule", PowerRuleName(in.Rule)},
                         {"standby_h", ExactNumber(HoursText(in.StandbyMinutes))},
                         {"alarm_h", ExactNumber(HoursText(in.AlarmMinutes))},
                         {"factor", ExactNumber(ThousandthsText(r.FactorThousandths))},
                         {"D", Hundredths(r.DHundredths)},
                         {"panel_standby_mA", Milliamps(in.PanelStandby)},
                         {"panel_alarm_mA", Milliamps(in.PanelAlarm)},
                         {"ancillary_standby_mA", Milliamps(in.AncillaryStandby)},
                         {"ancillary_alarm_mA", Milliamps(in.AncillaryAlarm)},
                         {"I1_mA", Milliamps(r.StandbyCurrent)},
                         {"I2_mA", Milliamps(r.AlarmCurrent)},
                         {"required_Ah", Hundredths(r.Required)},
                         {"battery_Ah", Optional(r.StandardBattery, Hundredths)},
                         // Why no standard size can be named: none are installed.
                         {"battery_sizes_missing", in.BatterySizes.empty() ? Json(in.NoBatterySizes) : Json(nullptr)},
                         {"fitted_Ah", Optional(in.FittedBattery, Hundredths)},
                         {"fits_panel", Optional(r.FitsPanel, Boolean)},
                         {"charger_needed_mA", Milliamps(r.ChargerNeeded)},
                         {"charger_ok", Optional(r.ChargerOk, Boolean)},
                         {"max_standby_mA", Optional(r.MaxStandby, Milliamps)}});
}

// Every field, null where none is given.
Json ProjectObject(const ProjectProperties& project)
{
    const auto text = [](const std::string& value) { return value.empty() ? Json(nullptr) : Json(value); };
    return Json::object({{"number", text(project.Number)},
                         {"client", text(project.Client)},
                         {"designer", text(project.Designer)},
                         {"checked_by", text(project.CheckedBy)},
                         {"revision", text(project.Revision)},
                         {"revision_date", text(project.RevisionDate)},
                         {"notes", text(project.Notes)},
                         {"spare_required_percent", project.SpareRequired}});
}

}  // namespace

Json SummaryObject(const CalcSummary& summary, bool devices)
{
    Json loops = Json::array();
    for (const LoopSummary& loop : summary.Loops)
        loops.push_back(LoopObject(loop, devices));
    Json site = Json::object({{"file", summary.File},
                         {"site_name", summary.SiteName},
                         {"panel", summary.Panel},
                         {"panel_loops", summary.PanelLoops},
                         {"loops", loops},
                         {"total_devices", summary.TotalDevices},
                         {"total_quiescent_uA", ExactNumber(summary.TotalQuiescent)},
                         {"total_alarm_uA", ExactNumber(summary.TotalAlarm)},
                         {"overall", summary.Overall},
                         {"along_cable_pass", summary.AlongCableFailures.empty()},
                         {"spare_required_percent", summary.SpareRequired > 0 ? Json(summary.SpareRequired) : Json(nullptr)},
                         {"spare_pass", summary.SpareShortfall.empty()},
                         {"power", PowerObject(summary.BatteryInputs, summary.Battery)}});
    if (!summary.Project.Empty())
        site["project"] = ProjectObject(summary.Project);
    return site;
}

std::string SummaryJson(const CalcSummary& summary, bool devices)
{
    return JsonText(SummaryObject(summary, devices)) + "\n";
}
