#include "text/CSV.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(CSV, FieldsSplitOnCommasOutsideQuotes)
{
    const std::tuple<const char*, int, const char*> cases[] = {  // line, field number, field
        {"  a , b ,c  ", 3, "c"},
        {"a,b,c", 4, ""},  // past the last field
        {"12, \"Smoke, optical\" ,3", 2, "Smoke, optical"},
        {"\" padded \",x", 1, " padded "},  // quoted text is kept as written
        {"\"Heat\"\"x\",y", 2, "x"},       // no escape: a doubled quote opens a new field
        {"\"open, to the end  ", 1, "open, to the end"},
        {"\"a\" b,c", 2, "b"},                    // text after a closing quote starts the next field
    };
    for (const auto& [line, number, field] : cases) {
        EXPECT_EQ(CSV::GetCSVField(line, number), field) << line << " field " << number;
        // The same fields read in one pass.
        const std::vector<std::string> fields = CSV::GetCSVFields(line, 5);
        ASSERT_EQ(fields.size(), 5u);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(fields[static_cast<size_t>(n - 1)], CSV::GetCSVField(line, n)) << line << " field " << n;
    }
}

// Values round half to even and must lie within the limits; a fault is named
// with the description ("-": none given, so nothing is shown) and the value
// is kept.
TEST(CSV, NumericReadersCheckTheRoundedValueAgainstTheLimits)
{
    const std::string what = "number of loops for control panel 'P1' in configuration settings in 'x.dat'.";
    const std::string expected = "Numeric value expected for " + what;
    const std::string invalid = "Invalid numeric value for " + what;
    ScriptedMessageHost host;
    int32_t l = 7;
    int16_t i = 7;
    uint8_t b = 7;
    const struct {
        bool ok;
        int32_t value, wanted;
        std::string message;  // empty: read
    } cases[] = {
        {CSV::ReadLongField(host, "x, 2.5 ,9", 2, l, 0, 100, what), l, 2, ""},
        {CSV::ReadLongField(host, "\" 3.5 \"", 1, l, 0, 4, what), l, 4, ""},
        {CSV::ReadLongField(host, "1e3", 1, l, 0, 1000, what), l, 1000, ""},  // at the upper limit
        {CSV::ReadIntegerField(host, "-32768", 1, i, -32768, 32767, what), i, -32768, ""},
        {CSV::ReadByteField(host, "a,255", 2, b, 0, 255, what), b, 255, ""},
        {CSV::ReadLongField(host, "1,,3", 2, l, 0, 10, what), l, 1000, expected},
        {CSV::ReadLongField(host, "1 2", 1, l, 0, 10, what), l, 1000, expected},  // one number between blanks
        {CSV::ReadLongField(host, "11", 1, l, 0, 10, what), l, 1000, invalid},
        {CSV::ReadLongField(host, "1e400", 1, l, 0, 2147483647, what), l, 1000, invalid},
        {CSV::ReadIntegerField(host, "32768", 1, i, 0, 32767, what), i, -32768, invalid},
        {CSV::ReadByteField(host, "256", 1, b, 0, 300, what), b, 255, invalid},  // a byte holds 255 at most
        {CSV::ReadLongField(host, "11", 1, l, 0, 10, ""), l, 1000, "-"},
    };
    std::vector<std::string> messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(c.ok, c.message.empty());
        EXPECT_EQ(c.value, c.wanted);
        if (c.message.size() > 1)
            messages.push_back(c.message);
    }
    EXPECT_EQ(host.Texts(), messages);
    for (const auto& box : host.boxes)
        EXPECT_EQ(box.Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
}
