#pragma once
// Names and codes that match in any case (profile sections and keys,
// settings names, the letter codes and locales of the data files) are
// compared through these folds. Only ASCII letters fold: every name and code
// the program itself uses is ASCII.

#include <string>
#include <string_view>

inline std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

inline std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}
