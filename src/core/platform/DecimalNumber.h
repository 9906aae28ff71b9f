#pragma once
// A decimal number read into a double, correctly rounded, with the meanings
// of std::from_chars: the value is left alone and result_out_of_range
// returned when the number is too large for a double or too small to be
// anything but zero. Where the standard library has no floating-point
// from_chars (the WebAssembly build's), the C library's strtod reads it.

#include <charconv>

namespace DecimalNumber {

std::from_chars_result Parse(const char* first, const char* last, double& value);

}  // namespace DecimalNumber
