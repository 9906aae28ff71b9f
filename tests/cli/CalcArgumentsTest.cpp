#include "cli/CalcArguments.h"

#include <gtest/gtest.h>

TEST(CalcArguments, OptionsInAnyOrderFilesAndRefusalsThatSayWhy)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        // What was understood: files | data root | PDF | JSON | device checks | along the cable; or why not.
        {{"--json", "--device-checks", "site.QLX"}, "site.QLX|||1|1|0"},
        {{"site.QLX", "--pdf", "out.pdf", "--data-root", "/opt/data"}, "site.QLX|/opt/data|out.pdf|0|0|0"},
        {{"--data-root=/d", "--along-cable", "--pdf=r.pdf", "a b.QLX"}, "a b.QLX|/d|r.pdf|0|0|1"},
        {{"--json", "--", "--odd name.QLX"}, "--odd name.QLX|||1|0|0"},
        {{"--json"}, "no file given"},
        {{"a.QLX", "--json", "b.QLX"}, "a.QLX,b.QLX|||1|0|0"},
        // One output file cannot take many sites; "." is a folder.
        {{"--pdf", "r.pdf", "a.QLX", "b.QLX"}, "--pdf takes a single FILE.QLX, not several files or a folder"},
        {{"--plot", "plots", "."}, "--plot takes a single FILE.QLX, not several files or a folder"},
        {{"--addresses-csv=a.csv", "a.QLX", "b.QLX"}, "--addresses-csv takes a single FILE.QLX, not several files or a folder"},
        {{"--pdf", "", "a.QLX"}, "--pdf needs a value"},
        {{"--data-root=", "a.QLX"}, "--data-root needs a value"},
        {{"--jsonx", "a.QLX"}, "unknown option --jsonx"},
        {{"--plot-png", "a.QLX"}, "--plot-png needs --plot DIR"},
        {{"--at-far-end", "a.QLX"}, "--at-far-end needs --how-many-more TYPE"},
        {{"--how-many-more=Sounder", "a.QLX", "b.QLX"}, "--how-many-more takes a single FILE.QLX, not several files or a folder"},
        {{"--import", "l.csv", "--save", "o.QLX", "--panel", "QX-1"}, "|||0|0|0"},
        {{"--import", "l.csv", "a.QLX"}, "--import needs --save OUT.QLX"},
        {{"--skip-refused", "a.QLX"}, "--skip-refused needs --import LIST.csv"},
        {{"--import", "l.csv", "--save", "o.QLX", "--panel", "QX-1", "a.QLX"},
         "--import with --panel makes a new site: give no FILE.QLX"},
        {{"--import", "l.csv", "--save", "o.QLX", "a.QLX", "b.QLX"},
         "--import takes a single FILE.QLX, or --panel NAME for a new site"},
    };
    for (const auto& [words, understood] : cases) {
        const ParsedCalcArguments parsed = ParseCalcArguments(words);
        const CalcArguments& a = parsed.Arguments;
        EXPECT_EQ(parsed.Ok, parsed.Error.empty());
        std::string files;
        for (const std::string& file : a.Files)
            files += (files.empty() ? "" : ",") + file;
        EXPECT_EQ(parsed.Ok ? files + "|" + a.DataRoot + "|" + a.PdfPath + "|" + std::to_string(a.Json) + "|" +
                                  std::to_string(a.DeviceChecks) + "|" + std::to_string(a.AlongCable)
                            : parsed.Error,
                  understood);
    }
    EXPECT_TRUE(ParseCalcArguments({"a.QLX", "-h"}).HelpAsked);
    const CalcArguments plots = ParseCalcArguments({"--plot-png", "--plot=out", "a.QLX"}).Arguments;
    EXPECT_EQ(plots.PlotFolder + "|" + std::to_string(plots.PlotPng), "out|1");
    const CalcArguments schedules =
        ParseCalcArguments({"--schedule-csv", "d.csv", "--addresses-csv=a b.csv", "a.QLX"}).Arguments;
    EXPECT_EQ(schedules.ScheduleCsvPath + "|" + schedules.AddressesCsvPath, "d.csv|a b.csv");
}
