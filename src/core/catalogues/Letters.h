#pragma once
// The letter codes of the data files ("T", "F", "M", "S", "LF"...) compare
// without regard to case. Only ASCII letters change case: every code is ASCII.

#include "platform/CaseFold.h"

#include <string_view>

// Whether the text begins with the letter, in either case ("true" and "T"
// both begin with 'T').
inline bool BeginsWithLetter(std::string_view text, char upperLetter)
{
    return !text.empty() && UpperCase(text.substr(0, 1)).front() == upperLetter;
}
