#pragma once
// Names that match in any case (profile sections and keys, settings names)
// are compared through this fold. Only ASCII letters fold: every name the
// program itself uses is ASCII.

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
