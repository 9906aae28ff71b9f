#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using Json = nlohmann::ordered_json;

TEST(JsonSummary, StringsAreEscapedAndStayUtf8)
{
    for (const auto& [text, json] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Loop \"A\"", "\"Loop \\\"A\\\"\""},
             {"C:\\sites", "\"C:\\\\sites\""},
             {"tab\there\r\n", "\"tab\\there\\r\\n\""},
             {std::string("bell\x07 nul", 9) + std::string(1, '\0'), "\"bell\\u0007 nul\\u0000\""},
             {"3500 µA, Café", "\"3500 µA, Café\""},
             {"Caf\xE9", "\"Café\""},  // Windows-1252, as older files are
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
                                              "design_short", "design_long", "explanation", "panel_limit_text"}));
    EXPECT_EQ(json["total_alarm_uA"].get<double>(), 250000.0005);
    EXPECT_EQ(json["loops"][0]["quiescent_uA"].get<double>(), 12345.6789);
    EXPECT_EQ(json["loops"][0]["volt_drop_V"].get<double>(), -0.5);
    EXPECT_NE(text.find("\"alarm_uA\": 250000,"), std::string::npos) << text;  // whole numbers without a point
}
