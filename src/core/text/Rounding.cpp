#include "text/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace Rounding {

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

template <typename Int>
std::optional<Int> ToInteger(double value)
{
    const double rounded = RoundHalfEven(value);
    if (std::isnan(rounded) || rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

template <typename Int>
Int ToIntegerSaturated(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<int16_t> ToInt16(double value) { return ToInteger<int16_t>(value); }
std::optional<int32_t> ToInt32(double value) { return ToInteger<int32_t>(value); }
int16_t ToInt16Saturated(double value) { return ToIntegerSaturated<int16_t>(value); }
int32_t ToInt32Saturated(double value) { return ToIntegerSaturated<int32_t>(value); }

std::string FormatFixed(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 9)
        decimals = 9;
    if (!std::isfinite(value))
        return "0";

    // Work on the shortest decimal text that reads back as the value (at most
    // 17 significant digits), so that 2.675 rounds as the digits say and not
    // as its binary neighbour 2.67499999... would.
    char digits[64];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(digits, sizeof digits, "%.*e", precision - 1, value);
        if (std::strtod(digits, nullptr) == value)
            break;
    }
    // digits now holds "d.ddddde±X"; take the mantissa digits and the exponent.
    const bool negative = digits[0] == '-';
    const char* p = digits + (negative ? 1 : 0);
    std::string mantissa;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    const int exponent = std::atoi(p + 1);

    // The number is 0.mantissa × 10^(exponent+1). Keep digits up to `decimals`
    // places after the point, then round half away from zero on the next one.
    const int keep = exponent + 1 + decimals;  // digits of the mantissa kept
    std::string kept;
    bool roundUp = false;
    if (keep < 0) {
        kept = "";
    } else {
        kept = mantissa.substr(0, std::min<size_t>(static_cast<size_t>(keep), mantissa.size()));
        if (static_cast<size_t>(keep) < mantissa.size())
            roundUp = mantissa[static_cast<size_t>(keep)] >= '5';
        kept.append(static_cast<size_t>(keep) - kept.size(), '0');
    }
    // Turn the kept digits into an integer count of 10^-decimals units.
    std::string units = kept.empty() ? "0" : kept;
    if (roundUp) {
        int i = static_cast<int>(units.size()) - 1;
        while (i >= 0 && units[static_cast<size_t>(i)] == '9') {
            units[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0)
            units.insert(units.begin(), '1');
        else
            ++units[static_cast<size_t>(i)];
    }
    if (units.size() <= static_cast<size_t>(decimals))
        units.insert(units.begin(), static_cast<size_t>(decimals) + 1 - units.size(), '0');
    std::string whole = units.substr(0, units.size() - static_cast<size_t>(decimals));
    const std::string fraction = units.substr(units.size() - static_cast<size_t>(decimals));
    const size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    std::string text = whole;
    if (decimals > 0)
        text += "." + fraction;
    const bool isZero = text.find_first_not_of("0.") == std::string::npos;
    return negative && !isZero ? "-" + text : text;
}

}  // namespace Rounding
