#include "cli/CalcArguments.h"

#include <gtest/gtest.h>

TEST(CalcArguments, OptionsInAnyOrderAndOneFile)
{
    const struct {
        std::vector<std::string> words;
        CalcArguments expected;
    } cases[] = {
        {{"site.QLX"}, {.File = "site.QLX"}},
        {{"--json", "--device-checks", "site.QLX"}, {.Json = true, .DeviceChecks = true, .File = "site.QLX"}},
        {{"site.QLX", "--pdf", "out.pdf", "--data-root", "/opt/data"},
         {.DataRoot = "/opt/data", .PdfPath = "out.pdf", .File = "site.QLX"}},
        {{"--data-root=/d", "--pdf=r.pdf", "a b.QLX"}, {.DataRoot = "/d", .PdfPath = "r.pdf", .File = "a b.QLX"}},
        {{"--json", "--", "--odd name.QLX"}, {.Json = true, .File = "--odd name.QLX"}},
    };
    for (const auto& c : cases) {
        const ParsedCalcArguments parsed = ParseCalcArguments(c.words);
        ASSERT_TRUE(parsed.Ok) << parsed.Error;
        EXPECT_FALSE(parsed.HelpAsked);
        const CalcArguments& a = parsed.Arguments;
        EXPECT_EQ(a.File, c.expected.File);
        EXPECT_EQ(a.DataRoot, c.expected.DataRoot);
        EXPECT_EQ(a.PdfPath, c.expected.PdfPath);
        EXPECT_EQ(a.Json, c.expected.Json);
        EXPECT_EQ(a.DeviceChecks, c.expected.DeviceChecks);
    }
}

TEST(CalcArguments, RefusedCommandLinesSayWhy)
{
    const struct {
        std::vector<std::string> words;
        const char* error;
    } cases[] = {
        {{}, "no file given"},
        {{"--json"}, "no file given"},
        {{"a.QLX", "b.QLX"}, "one file only, not 2"},
        {{"--pdf"}, "--pdf needs a value"},
        {{"--pdf", "", "a.QLX"}, "--pdf needs a value"},
        {{"--data-root=", "a.QLX"}, "--data-root needs a value"},
        {{"--verbose", "a.QLX"}, "unknown option --verbose"},
        {{"--jsonx", "a.QLX"}, "unknown option --jsonx"},
    };
    for (const auto& c : cases) {
        const ParsedCalcArguments parsed = ParseCalcArguments(c.words);
        EXPECT_FALSE(parsed.Ok) << c.error;
        EXPECT_EQ(parsed.Error, c.error);
    }
    EXPECT_TRUE(ParseCalcArguments({"--help"}).HelpAsked);
    EXPECT_TRUE(ParseCalcArguments({"a.QLX", "-h"}).HelpAsked);
}
