#include "report/WrapText.h"

#include "report/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(WrapText, LinesFitTheWidthBrokenAtBlanksWherePossible)
{
    using Lines = std::vector<std::string>;
    const std::tuple<const char*, const char*, double, Lines> cases[] = {  // what, text, width in characters, lines
        {"a text that fits keeps its blanks", "Site  A", 7, {"Site  A"}},
        {"a word wider than a line is broken", "ab cdefghij k", 4, {"ab", "cdef", "ghij", "k"}},
        {"never inside a character", "\u00B5\u00B5\u00B5\u00B5\u00B5", 2,
         {"\u00B5\u00B5", "\u00B5\u00B5", "\u00B5"}},
        {"one character a line however narrow", "ab", 0, {"a", "b"}},
        {"an empty text is one empty line", "", 5, {""}},
    };
    const TextMeasure characters = [](std::string_view text) {
        return static_cast<double>(RecordingPrinter::CharacterCount(text));
    };
    for (const auto& [what, text, width, lines] : cases)
        EXPECT_EQ(WrapText(text, width, characters), lines) << what;
}
