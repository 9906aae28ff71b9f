#pragma once
// The letter codes of the data files ("T", "F", "M", "S", "LF"...) compare
// without regard to case. Only ASCII letters change case: every code is ASCII.

#include <string>
#include <string_view>

inline std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Whether the text begins with the letter, in either case ("true" and "T"
// both begin with 'T').
inline bool BeginsWithLetter(std::string_view text, char upperLetter)
{
    return !text.empty() && UpperCase(text.substr(0, 1)).front() == upperLetter;
}
