#include "text/DecimalText.h"

#include "text/Blanks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace DecimalText {

namespace {
constexpr int MostDigits = 12;
}

std::optional<int64_t> Parse(std::string_view text, int decimals)
{
    text = Blanks::Trim(text);
    int64_t value = 0;
    int digits = 0;
    int after = -1;  // decimals seen, once past the point
    for (const char c : text) {
        if (c == '.' && after < 0) {
            after = 0;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c)) || ++digits > MostDigits || (after >= 0 && ++after > decimals))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (digits == 0)
        return std::nullopt;
    for (int d = std::max(after, 0); d < decimals; ++d)
        value *= 10;
    return value;
}

bool HasMoreDecimals(std::string_view text, int decimals)
{
    text = Blanks::Trim(text);
    const size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() - point - 1 <= static_cast<size_t>(decimals))
        return false;
    // Read as if it had just `decimals` decimals: the rest must be digits.
    const std::string_view rest = text.substr(point + 1 + decimals);
    return Parse(text.substr(0, point + 1 + decimals), decimals) &&
           std::all_of(rest.begin(), rest.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::string Format(int64_t value, int decimals, bool trim)
{
    std::string digits = std::to_string(std::llabs(value));
    if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string text = (value < 0 ? "-" : "") + digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    if (trim)
        fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? text : text + "." + fraction;
}

}  // namespace DecimalText
