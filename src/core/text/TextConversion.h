#pragma once
// The platform's own text-to-number conversions, which the data files rely on
// where no check of their own is made: a text that cannot be converted is a
// run-time failure (a RunTimeError), reported as such by the loaders.

#include "text/RunTimeError.h"

#include <cstdint>
#include <string_view>

// Strict conversions of a whole text (blanks around it aside) to a number,
// rounded to the nearest whole number with halves to even. A text that is no
// number throws a type mismatch, a number the type cannot hold an overflow.
namespace TextConversion {

int16_t ToInteger(std::string_view text);
int32_t ToLong(std::string_view text);
double ToDouble(std::string_view text);

// The number times 100, floored towards minus infinity, computed from the
// decimal text so that "0.29" gives 29 (a binary product would give 28).
int16_t HundredthsFloored(std::string_view text);

}  // namespace TextConversion
