#pragma once
// Exact decimals: figures kept as whole numbers of a fixed fraction
// (hundredths of an Ah, thousandths of a factor) read from and written as
// plain decimal text, never through floating point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace DecimalText {

// Blank-trimmed digits with an optional point and at most `decimals`
// decimals, times 10^decimals ("1.375" with 3 is 1375); nothing for an empty
// text, signs, letters, a second point, more decimals or more than 12 digits.
std::optional<int64_t> Parse(std::string_view text, int decimals);

// True for a plain decimal as Parse reads one, but with more than `decimals`
// decimals: what Parse refuses only for its precision.
bool HasMoreDecimals(std::string_view text, int decimals);

// `value` in units of 10^-decimals written out ("-" for negatives); `trim`
// drops trailing zeros of the fraction and a point left alone.
std::string Format(int64_t value, int decimals, bool trim);

}  // namespace DecimalText
