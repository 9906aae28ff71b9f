#pragma once
// Long texts on a printed page (a site name, a verdict's explanation) are
// broken into lines that fit the room left beside their column.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

using TextMeasure = std::function<double(std::string_view)>;

// The lines of `text`, each no wider than `width` as `measure` measures it:
// broken at blanks, and inside a word only when the word alone is wider than
// a line (never inside a character). At least one character goes on each
// line, however narrow the width. An empty text is one empty line.
std::vector<std::string> WrapText(std::string_view text, double width, const TextMeasure& measure);
