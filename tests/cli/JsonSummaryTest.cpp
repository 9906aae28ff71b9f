#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"
#include "cli/TextSummary.h"
#include "document/CalculationSupport.h"
#include "support/ReportFixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

using Json = nlohmann::ordered_json;

TEST(JsonSummary, StringsAreEscapedAndStayUtf8)
{
    for (const auto& [text, json] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Loop \"A\"", "\"Loop \\\"A\\\"\""},
             {"C:\\sites", "\"C:\\\\sites\""},
             {"tab\there\r\n", "\"tab\\there\\r\\n\""},
             {std::string("bell\x07 nul", 9) + std::string(1, '\0'), "\"bell\\u0007 nul\\u0000\""},
             {"3500 µA, Café", "\"3500 µA, Café\""},
             // A file's name that is not UTF-8: each stray byte as a lone surrogate U+DC80 to U+DCFF.
             {"Caf\xE9 \xC3\xA9\xFF\xC3\n.QLX", "\"Caf\\udce9 é\\udcff\\udcc3\\n.QLX\""},
         })
        EXPECT_EQ(JsonString(text), json);
}

TEST(JsonSummary, EveryKeyOfALoopInOrderEightLoopsAndExactNumbers)
{
    CalcSummary summary;
    LoopSummary& first = summary.Loops[0];
    first.Quiescent = Currency::FromScaled(123456789);  // 12345.6789 µA
    first.Alarm = Currency::FromInteger(250000);
    first.VoltDrop = Currency::FromScaled(-5000);
    summary.TotalAlarm = Currency::FromScaled(2500000005);

    const std::string text = SummaryJson(summary);
    const Json json = Json::parse(text, nullptr, false);
    ASSERT_EQ(json["loops"].size(), 8u);
    std::vector<std::string> keys;
    for (const auto& [name, value] : json["loops"][0].items())
        keys.push_back(name);
    EXPECT_EQ(keys, (std::vector<std::string>{"loop", "name", "devices", "quiescent_devices_uA", "alarm_devices_uA",
                                              "quiescent_uA", "alarm_uA", "volt_drop_V", "max_volt_drop_V", "calc_type",
                                              "cable_impedance", "cable_total_dm", "cable_first_dm", "loop_design",
                                              "design_short", "design_long", "explanation", "panel_limit_text",
                                              "along_cable", "spare"}));
    // A loop without points.
    EXPECT_EQ(json["loops"][0]["along_cable"].dump(),
              R"({"positioned":false,"placed_between":[],"feeds":null,"sections":[],"checks":null})");
    EXPECT_EQ(json["total_alarm_uA"].get<double>(), 250000.0005);
    EXPECT_EQ(json["loops"][0]["quiescent_uA"].get<double>(), 12345.6789);
    EXPECT_EQ(json["loops"][0]["volt_drop_V"].get<double>(), -0.5);
    EXPECT_NE(text.find("\"alarm_uA\": 250000,"), std::string::npos) << text;  // whole numbers without a point

    // No standard sizes, no battery fitted, a panel that gives neither its
    // largest battery nor its charger current.
    for (const char* unknown : {"battery_Ah", "fitted_Ah", "fits_panel", "charger_ok", "max_standby_mA"})
        EXPECT_TRUE(json["power"][unknown].is_null()) << unknown;
}

// A site's analysis comes back from the JSON as it was worked out, to the
// hundredth of a volt; --along-cable adds every point.
TEST(JsonSummary, AlongTheCableOfASiteReadsBack)
{
    ReportScenario site;
    site.AddDevices(1, ReportScenario::OpticalDetector, 5);
    site.AddDevices(2, ReportScenario::HeatDetector, 40);
    site.document.Loop(2).SetDeviceStandalone(3, 2, ReportScenario::RemoteIndicator);
    CalculationSupport::RecalculateAll(site.document);

    const CalcSummary summary = SummarizeDocument(site.document, "depot.QLX", "0809");
    const Json plain = Json::parse(SummaryJson(summary), nullptr, false);
    const Json withDevices = Json::parse(SummaryJson(summary, true), nullptr, false);
    const std::pair<Feed, const char*> feeds[] = {
        {Feed::Whole, "whole"}, {Feed::OpenIn, "open_in"}, {Feed::OpenOut, "open_out"}};
    for (const int loop : {1, 2}) {
        const AlongCableResult along = CalculationSupport::AnalyseAlongCable(site.document, loop);
        const Json& json = plain["loops"][loop - 1]["along_cable"];
        for (const auto& [feed, key] : feeds)
            EXPECT_EQ(json["feeds"][key]["lowest_V"].get<double>(), std::round(along.Of(feed).LowestVolts * 100) / 100)
                << loop << key;
        EXPECT_EQ(json["sections"].size(), along.Sections.size());
        EXPECT_FALSE(json.contains("devices"));
        EXPECT_EQ(withDevices["loops"][loop - 1]["along_cable"]["devices"].size(), along.Points.size());
    }
    // Loop 2's 40 detectors and no isolator: its checks, and the site's.
    EXPECT_EQ(plain["loops"][1]["along_cable"]["checks"].dump(),
              R"j({"pass":false,"total":4,"failed":1,"first_failure":"no isolator: 40 points, limit 32",)j"
              R"j("text":"Placed evenly, no isolator: 40 points, limit 32 (1 of 4 checks fails)"})j");
    EXPECT_EQ(plain["along_cable_pass"], false);
    const Json& standalone = withDevices["loops"][1]["along_cable"]["devices"][3];
    EXPECT_EQ(standalone["address"].dump() + standalone["slot"].dump() + standalone["type"].dump(),
              "32\"Remote Indicator\"");
}

// A site with a project carries it whole in the JSON, null where a field is
// not given, and the text summary gives its fields under the site's name but
// its notes; a site without one has no project at all.
TEST(JsonSummary, TheProjectOnlyWhenOneIsGiven)
{
    CalcSummary summary;
    summary.SiteName = "Depot";
    EXPECT_FALSE(Json::parse(SummaryJson(summary)).contains("project"));
    summary.Project.Number = "P-2291";
    summary.Project.Revision = "C";
    summary.Project.Notes = "Two\nlines";
    summary.Project.SpareRequired = 20;
    EXPECT_EQ(Json::parse(SummaryJson(summary))["project"],
              Json::parse(R"({"number": "P-2291", "client": null, "designer": null, "checked_by": null, "revision": "C",
                              "revision_date": null, "notes": "Two\nlines", "spare_required_percent": 20})"));
    const std::string text = SummaryText(summary, 0);
    EXPECT_EQ(text.substr(0, text.find("Control Panel:")), "Site Name:      Depot\nProject Number: P-2291\nRevision:       C\n"
                                                            "Spare Required: 20 % of every loop\n");
}
