#include "cli/CalcArguments.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(CalcArguments, OptionsInAnyOrderOneFileAndRefusalsThatSayWhy)
{
    const struct {
        std::vector<std::string> words;
        CalcArguments expected;
        const char* error;
    } cases[] = {
        {{"--json", "--device-checks", "site.QLX"}, {.Json = true, .DeviceChecks = true, .File = "site.QLX"}, ""},
        {{"site.QLX", "--pdf", "out.pdf", "--data-root", "/opt/data"},
         {.DataRoot = "/opt/data", .PdfPath = "out.pdf", .File = "site.QLX"}, ""},
        {{"--data-root=/d", "--pdf=r.pdf", "a b.QLX"}, {.DataRoot = "/d", .PdfPath = "r.pdf", .File = "a b.QLX"}, ""},
        {{"--json", "--", "--odd name.QLX"}, {.Json = true, .File = "--odd name.QLX"}, ""},
        {{"--json"}, {}, "no file given"},
        {{"a.QLX", "b.QLX"}, {}, "one file only, not 2"},
        {{"--pdf", "", "a.QLX"}, {}, "--pdf needs a value"},
        {{"--data-root=", "a.QLX"}, {}, "--data-root needs a value"},
        {{"--jsonx", "a.QLX"}, {}, "unknown option --jsonx"},
    };
    for (const auto& c : cases) {
        const ParsedCalcArguments parsed = ParseCalcArguments(c.words);
        EXPECT_EQ(parsed.Ok, *c.error == '\0') << c.error;
        EXPECT_EQ(parsed.Error, c.error);
        EXPECT_FALSE(parsed.HelpAsked);
        if (!parsed.Ok)
            continue;
        const CalcArguments &a = parsed.Arguments, &e = c.expected;
        EXPECT_EQ(std::tie(a.File, a.DataRoot, a.PdfPath, a.Json, a.DeviceChecks),
                  std::tie(e.File, e.DataRoot, e.PdfPath, e.Json, e.DeviceChecks));
    }
    EXPECT_TRUE(ParseCalcArguments({"a.QLX", "-h"}).HelpAsked);
}
