#include "report/WrapText.h"

#include <algorithm>

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the longest start of `word` that fits, whole characters
// only, and at least its first character.
size_t FittingPrefix(std::string_view word, double width, const TextMeasure& measure)
{
    size_t fits = 0;
    for (size_t end = 1; end <= word.size(); ++end) {
        if (end < word.size() && IsContinuationByte(word[end]))
            continue;
        if (fits > 0 && measure(word.substr(0, end)) > width)
            break;
        fits = end;
    }
    return fits;
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double width, const TextMeasure& measure)
{
    // A text that fits is printed as it is, blanks and all.
    if (measure(text) <= width)
        return {std::string(text)};
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::string joined = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        // A word wider than a line of its own is broken where it must be.
        while (measure(word) > width) {
            const size_t fits = FittingPrefix(word, width, measure);
            if (fits == word.size())
                break;
            lines.emplace_back(word.substr(0, fits));
            word.remove_prefix(fits);
        }
        line = word;
    }
    lines.push_back(line);
    return lines;
}
