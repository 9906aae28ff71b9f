#include "text/CsvReader.h"

#include <gtest/gtest.h>

using CsvReader::Strictness;

TEST(CsvReader, ReadsWhatSpreadsheetsWriteAndSaysWhereATableBreaks)
{
    using Records = std::vector<CsvReader::Record>;
    const struct {
        std::string text;
        char separator;
        Strictness strictness;
        Records records;
        std::string failure = "";
        size_t line = 0;
    } cases[] = {
        {"Loop,Type,Qty\r\n1,Optical,4\r\n", ',', Strictness::Standard, {{"Loop", "Type", "Qty"}, {"1", "Optical", "4"}}},
        {"\xEF\xBB\xBFLoop;Qty\n1;4", ';', Strictness::Spreadsheet, {{"Loop", "Qty"}, {"1", "4"}}},
        {"a\tb\rc\td\r", '\t', Strictness::Spreadsheet, {{"a", "b"}, {"c", "d"}}},
        {"\"Bay 3, north\",\"the \"\"red\"\" one\",\"two\nlines\"\r\n", ',', Strictness::Standard,
         {{"Bay 3, north", "the \"red\" one", "two\nlines"}}},
        {",,\n\n", ',', Strictness::Spreadsheet, {{"", "", ""}, {""}}},
        {" 12 \"in\" ,x\n", ',', Strictness::Spreadsheet, {{" 12 \"in\" ", "x"}}},
        {"", ',', Strictness::Standard, {}},
        // Where it breaks: the line a quote was opened on, or the line of the slip.
        {"a\n\"open\nstill open", ',', Strictness::Spreadsheet, {}, "a quoted field has no closing quote", 2},
        {"a\n\"b\"c\n", ',', Strictness::Spreadsheet, {}, "text follows a closing quote", 2},
        {"a\r\n1 \"x\"\r\n", ',', Strictness::Standard, {}, "a quote stands inside an unquoted field", 2},
        {"a\r\nb\n", ',', Strictness::Standard, {}, "a record does not end in CR LF", 2},
        {"a\r\nb", ',', Strictness::Standard, {}, "a record does not end in CR LF", 2},
    };
    for (const auto& test : cases) {
        const CsvReader::Table table = CsvReader::Read(test.text, test.separator, test.strictness);
        EXPECT_EQ(table.Records, test.records) << test.text;
        EXPECT_EQ(table.Failure, test.failure) << test.text;
        EXPECT_EQ(table.FailureLine, test.line) << test.text;
    }
}

TEST(CsvReader, GuessesTheSeparatorFromTheFirstLineOutsideQuotes)
{
    const std::pair<std::string, char> cases[] = {
        {"Loop,Type,Qty", ','},
        {"Loop;Type;Qty\n1,5;Optical;4", ';'},
        {"Loop\tType\tDistance (m)", '\t'},
        {"\"Room 1, 2, 3\";Qty", ';'},
        {"Qty", ','},
    };
    for (const auto& [text, separator] : cases)
        EXPECT_EQ(CsvReader::GuessSeparator(text), separator) << text;
}
