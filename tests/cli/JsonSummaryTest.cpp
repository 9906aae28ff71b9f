#include "cli/JsonSummary.h"

#include "cli/CalcSummary.h"
#include "cli/JsonWriter.h"
#include "support/MiniJson.h"

#include <gtest/gtest.h>

TEST(JsonSummary, StringsAreEscapedAndStayUtf8)
{
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"", "\"\""},
        {"Loop \"A\"", "\"Loop \\\"A\\\"\""},
        {"C:\\sites", "\"C:\\\\sites\""},
        {"Loop Design\nSatisfactory", "\"Loop Design\\nSatisfactory\""},
        {"tab\there\r", "\"tab\\there\\r\""},
        {std::string("bell\x07 nul", 9) + std::string(1, '\0'), "\"bell\\u0007 nul\\u0000\""},
        {"3500 µA, Café", "\"3500 µA, Café\""},
        {"Caf\xE9", "\"Café\""},  // Windows-1252, as older files are
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json);
        std::string error;
        const auto parsed = ParseJson(JsonString(c.text), error);
        ASSERT_TRUE(parsed) << error;
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
    first.DesignLong = "Volt Drop\nToo High";
    summary.TotalAlarm = Currency::FromScaled(2500000005);
    summary.Overall = "Design Not Satisfactory";

    const std::string text = SummaryJson(summary);
    ASSERT_EQ(text.back(), '\n');
    std::string error;
    const auto json = ParseJson(text, error);
    ASSERT_TRUE(json) << error << "\n" << text;
    EXPECT_EQ(json->Keys(), (std::vector<std::string>{"file", "site_name", "panel", "panel_loops", "loops",
                                                      "total_devices", "total_quiescent_uA", "total_alarm_uA",
                                                      "overall"}));
    EXPECT_EQ(json->Find("file")->Text, summary.File);
    EXPECT_EQ(json->Find("total_alarm_uA")->Text, "250000.0005");
    EXPECT_EQ(json->Find("total_quiescent_uA")->Text, "0");
    const JsonValue& loops = *json->Find("loops");
    ASSERT_EQ(loops.Items.size(), 8u);
    EXPECT_EQ(loops.Items[7].Find("loop")->Text, "8");
    const JsonValue& loop = loops.Items[0];
    EXPECT_EQ(loop.Keys(), (std::vector<std::string>{
                               "loop", "name", "devices", "quiescent_devices_uA", "alarm_devices_uA", "quiescent_uA",
                               "alarm_uA", "volt_drop_V", "max_volt_drop_V", "calc_type", "cable_impedance",
                               "cable_total_dm", "cable_first_dm", "loop_design", "design_short", "design_long",
                               "explanation", "panel_limit_text"}));
    EXPECT_EQ(loop.Find("quiescent_uA")->Text, "12345.6789");
    EXPECT_EQ(loop.Find("alarm_uA")->Text, "250000");
    EXPECT_EQ(loop.Find("volt_drop_V")->Text, "-0.5");
    EXPECT_EQ(loop.Find("max_volt_drop_V")->Text, "9");
    EXPECT_EQ(loop.Find("cable_impedance")->Text, "1210");
    EXPECT_EQ(loop.Find("design_long")->Text, "Volt Drop\nToo High");
    EXPECT_EQ(loop.Find("devices")->Type, JsonValue::Kind::Number);
}
