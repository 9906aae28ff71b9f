#include "text/CsvWriter.h"

#include <gtest/gtest.h>

TEST(CsvWriter, QuotesAFieldOnlyWhenASpreadsheetWouldMisreadIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Optical Detector", "Optical Detector"},
        {"", ""},
        {"12.5", "12.5"},
        {"45 µA", "45 µA"},  // UTF-8 passes as it is
        {"Bay 3, north", "\"Bay 3, north\""},
        {"the \"red\" one", "\"the \"\"red\"\" one\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"carriage\rreturn", "\"carriage\rreturn\""},
        {" leading", "\" leading\""},
        {"trailing ", "\"trailing \""},
        {"\ttab", "\"\ttab\""},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvWriter::Field(text), field) << text;
}
