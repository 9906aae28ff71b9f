#pragma once
// Rounding rules shared by the whole program.
//
// Conversions to whole numbers round to the nearest integer with halves going
// to the even neighbour (as the calculation has always done). Display formats
// with a fixed number of decimals ("#####0.0") round halves away from zero, as
// a spreadsheet would.

#include <cstdint>
#include <optional>
#include <string>

namespace Rounding {

// Nearest whole number, halves to even. NaN and infinities are returned as is.
double RoundHalfEven(double value);

// Nearest whole number, halves to even, when it fits the type; nullopt on
// overflow or for NaN (the conversion error of a 16- or 32-bit store).
std::optional<int16_t> ToInt16(double value);
std::optional<int32_t> ToInt32(double value);

// Nearest whole number, halves to even, clamped to the range of the type.
int16_t ToInt16Saturated(double value);
int32_t ToInt32Saturated(double value);

// The value written with exactly `decimals` decimals (0 to 9), halves away
// from zero on the decimal digits a person would read ("2.25" -> "2.3" with
// one decimal), "." as the decimal point, no grouping, "-" for negatives.
std::string FormatFixed(double value, int decimals);

}  // namespace Rounding
