#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using Json = nlohmann::ordered_json;

TEST(JsonSummary, StringsAreEscapedAndStayUtf8)
{
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"", "\"\""},
        {"Loop \"A\"", "\"Loop \\\"A\\\"\""},
        {"C:\\sites", "\"C:\\\\sites\""},
        {"tab\there\r\n", "\"tab\\there\\r\\n\""},
        {std::string("bell\x07 nul", 9) + std::string(1, '\0'), "\"bell\\u0007 nul\\u0000\""},
        {"3500 µA, Café", "\"3500 µA, Café\""},
        {"Caf\xE9", "\"Café\""},  // Windows-1252, as older files are
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json);
        EXPECT_TRUE(Json::accept(JsonString(c.text))) << c.json;  // valid JSON, valid UTF-8
    }
}

TEST(JsonSummary, OneObjectWithEveryKeyEightLoopsAndExactNumbers)
{
    CalcSummary summary;
    summary.File = "sites/Dock \"B\".QLX";
    summary.SiteName = "Dock B";
    summary.Panel = "Two Loop";
    summary.PanelLoops = 2;
    for (int i = 0; i < 8; ++i)
        summary.Loops[static_cast<size_t>(i)].Loop = i + 1;
    LoopSummary& first = summary.Loops[0];
    first.Name = "North";
    first.Devices = 12;
    first.Quiescent = Currency::FromScaled(123456789);  // 12345.6789 µA
    first.Alarm = Currency::FromInteger(250000);
    first.VoltDrop = Currency::FromScaled(-5000);
    first.MaxVoltDrop = Currency::FromScaled(90000);
    first.CableImpedance = 1210;
    first.CableTotal = 4200;
    first.LoopDesign = 2;
    summary.TotalAlarm = Currency::FromScaled(2500000005);
    summary.Overall = "Design Not Satisfactory";

    const std::string text = SummaryJson(summary);
    const Json json = Json::parse(text, nullptr, false);
    ASSERT_FALSE(json.is_discarded()) << text;
    auto keys = [](const Json& object) {
        std::vector<std::string> names;
        for (const auto& [name, value] : object.items())
            names.push_back(name);
        return names;
    };
    EXPECT_EQ(keys(json), (std::vector<std::string>{"file", "site_name", "panel", "panel_loops", "loops",
                                                    "total_devices", "total_quiescent_uA", "total_alarm_uA",
                                                    "overall"}));
    EXPECT_EQ(json["total_alarm_uA"].get<double>(), 250000.0005);
    EXPECT_TRUE(json["total_quiescent_uA"].is_number_integer());
    EXPECT_EQ(json["total_quiescent_uA"], 0);
    ASSERT_EQ(json["loops"].size(), 8u);
    const Json& loop = json["loops"][0];
    EXPECT_EQ(keys(loop), (std::vector<std::string>{
                              "loop", "name", "devices", "quiescent_devices_uA", "alarm_devices_uA", "quiescent_uA",
                              "alarm_uA", "volt_drop_V", "max_volt_drop_V", "calc_type", "cable_impedance",
                              "cable_total_dm", "cable_first_dm", "loop_design", "design_short", "design_long",
                              "explanation", "panel_limit_text"}));
    EXPECT_EQ(loop["quiescent_uA"].get<double>(), 12345.6789);
    // Whole numbers are written without a point.
    for (const auto& [key, value] : std::initializer_list<std::pair<const char*, int>>{
             {"alarm_uA", 250000}, {"max_volt_drop_V", 9}, {"cable_impedance", 1210}, {"devices", 12}}) {
        EXPECT_TRUE(loop[key].is_number_integer()) << key;
        EXPECT_EQ(loop[key], value) << key;
    }
    EXPECT_EQ(loop["volt_drop_V"].get<double>(), -0.5);
}
