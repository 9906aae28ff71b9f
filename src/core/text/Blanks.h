#pragma once
// The blanks that number entry and the field readers ignore around a value:
// spaces and tabs (a tab typed into a data file should not turn a number into
// text).

#include <string_view>

namespace Blanks {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

constexpr std::string_view Trim(std::string_view text)
{
    text = TrimLeft(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A flag as the document reads it: "True" or anything else that begins with
// a T, blanks aside.
constexpr bool BeginsWithT(std::string_view text)
{
    text = Trim(text);
    return !text.empty() && (text.front() == 'T' || text.front() == 't');
}

}  // namespace Blanks
