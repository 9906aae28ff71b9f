#include "text/Currency.h"

#include "text/Rounding.h"

#include <cmath>

std::optional<Currency> Currency::FromDouble(double value)
{
    // The largest magnitude the scaled integer can hold, kept a little inside
    // the 64-bit range so that the double comparison is safe.
    constexpr double Limit = 922337203685477.0;
    if (!std::isfinite(value) || std::fabs(value) > Limit)
        return std::nullopt;
    return Currency(static_cast<int64_t>(Rounding::RoundHalfEven(value * Scale)));
}

std::string Currency::ToString() const
{
    const bool negative = scaled_ < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled_) : static_cast<uint64_t>(scaled_);
    std::string text = std::to_string(magnitude / Scale);
    uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(digits.begin(), 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    return negative ? "-" + text : text;
}
