#pragma once
// Columns of the calculator's text output, counted in characters, so that
// "µA" is two wide, not three.

#include <algorithm>
#include <string>
#include <string_view>

inline size_t TextWidth(std::string_view text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

inline std::string Right(std::string_view text, size_t width)
{
    const size_t used = TextWidth(text);
    return std::string(used < width ? width - used : 0, ' ') + std::string(text);
}

inline std::string Left(std::string_view text, size_t width)
{
    const size_t used = TextWidth(text);
    return std::string(text) + std::string(used < width ? width - used : 0, ' ');
}
