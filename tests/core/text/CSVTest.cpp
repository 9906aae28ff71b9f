#include "text/CSV.h"

#include <gtest/gtest.h>

TEST(CSV, GetCSVFieldSplitsOnCommasOutsideQuotes)
{
    const struct {
        const char* line;
        int n;
        const char* field;
    } cases[] = {
        {"  a , b ,c  ", 1, "a"},
        {"  a , b ,c  ", 2, "b"},
        {"  a , b ,c  ", 3, "c"},
        {"a,b,c", 5, ""},                        // past the last field
        {"a,b,c", 0, ""},
        {"a,,c", 2, ""},
        {"12, \"Smoke, optical\" ,3", 2, "Smoke, optical"},
        {"12, \"Smoke, optical\" ,3", 3, "3"},
        {"\" padded \",x", 1, " padded "},       // quoted text is kept as written
        {"\"Heat\"\"x\",y", 2, "x"},            // no escape: a doubled quote opens a new field
        {"\"open, to the end  ", 1, "open, to the end"},
        {"\"open, to the end", 2, "open"},       // the rest is read on as fields
        {"\"open, to the end", 3, "to the end"},
        {"\"a\" b,c", 2, "b"},                   // text after a closing quote starts the next field
        {"", 1, ""},
        {"single", 2, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CSV::GetCSVField(c.line, c.n), c.field) << c.line << " field " << c.n;
        // The same fields read in one pass.
        const std::vector<std::string> fields = CSV::GetCSVFields(c.line, 6);
        ASSERT_EQ(fields.size(), 6u);
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(fields[static_cast<size_t>(n - 1)], CSV::GetCSVField(c.line, n)) << c.line << " field " << n;
    }
    EXPECT_TRUE(CSV::GetCSVFields("a,b", 0).empty());
}

TEST(CSV, NumericReadersAcceptRoundedNumbersWithinTheLimits)
{
    ScriptedMessageHost host;
    int32_t longValue = 0;
    EXPECT_TRUE(CSV::ReadLongField(host, "x, 2.5 ,9", 2, longValue, 0, 100, "Span"));
    EXPECT_EQ(longValue, 2);  // halves to even
    EXPECT_TRUE(CSV::ReadLongField(host, "\" 3.5 \"", 1, longValue, 0, 100, "Span"));
    EXPECT_EQ(longValue, 4);
    EXPECT_TRUE(CSV::ReadLongField(host, "1e3", 1, longValue, 0, 1000, "Span"));
    EXPECT_EQ(longValue, 1000);
    int16_t integerValue = 0;
    EXPECT_TRUE(CSV::ReadIntegerField(host, "-32768", 1, integerValue, -32768, 32767, "Low"));
    EXPECT_EQ(integerValue, -32768);
    uint8_t byteValue = 0;
    EXPECT_TRUE(CSV::ReadByteField(host, "a,255", 2, byteValue, 0, 255, "Top"));
    EXPECT_EQ(byteValue, 255);
    EXPECT_TRUE(host.boxes.empty());
}

TEST(CSV, NumericReadersNameTheFaultAndKeepTheValue)
{
    const std::string what = "number of loops for control panel 'P1' in configuration settings in 'x.dat'.";
    const std::string expected = "Numeric value expected for " + what;
    const std::string invalid = "Invalid numeric value for " + what;
    ScriptedMessageHost host;
    int32_t longValue = 7;
    int16_t integerValue = 7;
    uint8_t byteValue = 7;
    const struct {
        bool ok;
        std::string message;
    } cases[] = {
        {CSV::ReadLongField(host, "1,,3", 2, longValue, 0, 10, what), expected},
        {CSV::ReadLongField(host, "1,2", 4, longValue, 0, 10, what), expected},
        {CSV::ReadLongField(host, "12abc", 1, longValue, 0, 100, what), expected},
        {CSV::ReadLongField(host, "11", 1, longValue, 0, 10, what), invalid},
        {CSV::ReadLongField(host, "-1", 1, longValue, 0, 10, what), invalid},
        {CSV::ReadLongField(host, "99999999999", 1, longValue, 0, 2147483647, what), invalid},
        {CSV::ReadLongField(host, "1e400", 1, longValue, 0, 2147483647, what), invalid},
        {CSV::ReadIntegerField(host, "32768", 1, integerValue, 0, 32767, what), invalid},
        {CSV::ReadIntegerField(host, "99999999999", 1, integerValue, -32768, 32767, what), invalid},
        {CSV::ReadByteField(host, "256", 1, byteValue, 0, 300, what), invalid},  // a byte holds 255 at most
        {CSV::ReadByteField(host, "-1", 1, byteValue, -5, 10, what), invalid},
        {CSV::ReadByteField(host, "eight", 1, byteValue, 0, 10, what), expected},
    };
    ASSERT_EQ(host.boxes.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_FALSE(cases[i].ok) << i;
        EXPECT_EQ(host.boxes[i].Text, cases[i].message) << i;
        EXPECT_EQ(host.boxes[i].Style, MsgStyle::OKOnly + MsgStyle::Exclamation) << i;
        EXPECT_EQ(host.boxes[i].Caption, "Harvex Ferrolux") << i;
    }
    EXPECT_EQ(longValue, 7);
    EXPECT_EQ(integerValue, 7);
    EXPECT_EQ(byteValue, 7);
}

TEST(CSV, NumericReadersAreSilentWithoutADescription)
{
    ScriptedMessageHost host;
    int32_t longValue = 0;
    int16_t integerValue = 0;
    uint8_t byteValue = 0;
    EXPECT_FALSE(CSV::ReadLongField(host, "", 1, longValue, 0, 10, ""));
    EXPECT_FALSE(CSV::ReadLongField(host, "11", 1, longValue, 0, 10, ""));
    EXPECT_FALSE(CSV::ReadIntegerField(host, "x", 1, integerValue, 0, 10, ""));
    EXPECT_FALSE(CSV::ReadByteField(host, "300", 1, byteValue, 0, 255, ""));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.beeps.empty());
}
