#pragma once
// The designer's name for the place of a device ("Room 1.12, corridor
// ceiling"): what the commissioning engineer programs into the panel and
// finds the device by. One rule for every road a location comes in by.

#include <cstddef>
#include <string>
#include <string_view>

namespace DeviceLocation {

// Characters (UTF-8 code points), not bytes.
constexpr size_t MaxLength = 200;

// The text without the blanks around it.
std::string Cleaned(std::string_view text);

// "" when a cleaned text may be a location, else why not: a control
// character (a tab or a line break among them) is told before the length.
std::string Refusal(std::string_view cleaned);

}  // namespace DeviceLocation
