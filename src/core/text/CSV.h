#pragma once
// Field lists: a data-file value made of fields separated by commas, a field
// optionally enclosed in double quotes so that it may hold commas (there is no
// escape for a quote inside a quoted field). Fields are numbered from 1; a
// field past the last one is empty.
//
// The numeric readers check a field against limits and, when the description
// is not empty, say what is wrong in an exclamation box titled with the
// application title: "Numeric value expected for " + description (the field is
// empty or not a number) or "Invalid numeric value for " + description (the
// number is outside the limits or too large for the value's type). On failure
// the value is left unchanged.

#include "platform/MessageHost.h"
#include "text/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace CSV {

// Field n (1-based) of the line. An unquoted field is trimmed of blanks; a
// quoted field is returned as written between its quotes, or trimmed to the
// end of the line when its closing quote is missing. n of 0 or less gives "".
std::string GetCSVField(std::string_view line, int n);
// Fields 1 to count of the line, as GetCSVField reads them, in one pass over
// the line (for long lists, where reading field by field would go over the
// line again for every field).
std::vector<std::string> GetCSVFields(std::string_view line, int count);

// Field n read as a number rounded to the nearest whole number (halves to
// even) and accepted when minimum <= value <= maximum.
bool ReadLongField(MessageHost& host, std::string_view line, int n, int32_t& value, int32_t minimum,
                   int32_t maximum, const std::string& description);
bool ReadIntegerField(MessageHost& host, std::string_view line, int n, int16_t& value, int16_t minimum,
                      int16_t maximum, const std::string& description);
// Reads through ReadIntegerField; the limits are narrowed to 0..255 so that a
// number a byte cannot hold is refused like any number outside the limits.
bool ReadByteField(MessageHost& host, std::string_view line, int n, uint8_t& value, int16_t minimum,
                   int16_t maximum, const std::string& description);

// The same checks on a field already taken out of its list (by GetCSVFields,
// for a long list whose fields are all read).
bool ReadLongValue(MessageHost& host, std::string_view field, int32_t& value, int32_t minimum, int32_t maximum,
                   const std::string& description);
bool ReadIntegerValue(MessageHost& host, std::string_view field, int16_t& value, int16_t minimum, int16_t maximum,
                      const std::string& description);
// A number with up to four decimals, exactly.
bool ReadCurrencyValue(MessageHost& host, std::string_view field, Currency& value, Currency minimum, Currency maximum,
                       const std::string& description);
// A number with up to two decimals ("7.25") as hundredths (725); the limits
// are in hundredths too.
bool ReadHundredthsValue(MessageHost& host, std::string_view field, int32_t& value, int32_t minimum, int32_t maximum,
                         const std::string& description);
// A plain decimal kept exactly in units of 10^-decimals ("1.375" with 3 is
// 1375), the limits in those units. More decimals than kept are refused, not
// rounded: "Invalid numeric value for " + description + " (at most N decimals)".
bool ReadDecimalValue(MessageHost& host, std::string_view field, int32_t& value, int decimals, int32_t minimum,
                      int32_t maximum, const std::string& description);

}  // namespace CSV
