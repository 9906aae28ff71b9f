#include "text/LeadingNumber.h"

#include "platform/DecimalNumber.h"
#include "text/Blanks.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of text that is a number; 0 when there is none.
size_t NumericPrefixLength(std::string_view text)
{
    size_t i = 0;
    auto skipDigits = [&](size_t from) {
        size_t j = from;
        while (j < text.size() && IsDigit(text[j]))
            ++j;
        return j;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t afterDigits = skipDigits(i);
    size_t digitCount = afterDigits - i;
    i = afterDigits;
    if (i < text.size() && text[i] == '.') {
        afterDigits = skipDigits(i + 1);
        digitCount += afterDigits - (i + 1);
        i = afterDigits;
    }
    if (digitCount == 0)
        return 0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t afterExponent = skipDigits(j);
        if (afterExponent > j)
            i = afterExponent;
    }
    return i;
}

// Whether a number outside the double range is too large rather than too
// small: the decimal order of its first significant digit plus its exponent
// is positive.
bool IsBeyondLargest(std::string_view number)
{
    const size_t exponentMark = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponentMark);
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long long order = first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    long long exponent = 0;
    if (exponentMark < number.size()) {
        std::string_view digits = number.substr(exponentMark + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '+' || negative)
            digits.remove_prefix(1);
        // Any exponent beyond a million outweighs the order of any mantissa
        // typed; capping it also keeps the sum below from overflowing.
        constexpr long long Cap = 1000000;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc() ||
            exponent > Cap)
            exponent = Cap;
        if (negative)
            exponent = -exponent;
    }
    return order + exponent > 0;
}

}  // namespace

double LeadingNumber(std::string_view text)
{
    text = Blanks::TrimLeft(text);
    std::string_view number = text.substr(0, NumericPrefixLength(text));
    if (number.empty())
        return 0;
    const bool negative = number.front() == '-';
    // from_chars takes a minus sign but not a plus sign.
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto result = DecimalNumber::Parse(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!IsBeyondLargest(number))
            return 0;
        const double infinity = std::numeric_limits<double>::infinity();
        return negative ? -infinity : infinity;
    }
    return value;
}

bool IsNumericText(std::string_view text)
{
    text = Blanks::Trim(text);
    return !text.empty() && NumericPrefixLength(text) == text.size();
}
