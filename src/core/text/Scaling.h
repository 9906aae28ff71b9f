#pragma once
// Conversions between the loop model's internal units and what the user sees
// and types. Lengths are held in decimetres (0 to 30000), cable impedances in
// hundredths of an ohm per km per core. The unit system is always passed in:
// the options store owns the current one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Scaling {

constexpr int Metric = 0, Imperial = 1;

// Shown when the stored unit system is neither Metric nor Imperial.
constexpr const char* UnknownUnitsMessage = "An unknown type of units has been specified!\n\nChanging to Metric.";

// Unit captions; an unknown unit system gives "?" (empty for the conditions).
std::string ImpedanceUnitsText(int units);
std::string ImpedanceConditionsText(int units);
std::string LengthUnitsText(int units, bool longForm);

// The conversions below treat any unit system other than Imperial as Metric.

// Ohms per km (metric) or per kft (imperial) with two decimals ("12.10").
std::string FormatImpedance(int16_t impedance, int units);
// Typed ohms per km or per kft to hundredths of an ohm per km, halves to even;
// -1 unless 0 <= result < 10000.
int16_t ParseImpedance(std::string_view text, int units);

// Metres or feet, unrounded (a distance on a drawing).
double LengthInUnits(double decimetres, int units);
// Whole metres or feet, halves to even ("9843" for 30000 decimetres in feet);
// fractions of a decimetre too (a position along the cable).
std::string FormatLength(double decimetres, int units);
// Typed metres or feet to decimetres, halves to even; -1 unless
// 0 <= result <= 30000.
int32_t ParseLength(std::string_view text, int units);

// Metres or feet with one decimal ("12.5"), as a point's place along the
// cable is shown.
std::string FormatLengthTenths(double decimetres, int units);
// Typed metres or feet to decimetres, halves to even, negatives too; nothing
// unless the whole text, blanks around it aside, is one number that fits.
std::optional<int32_t> ParseLengthTenths(std::string_view text, int units);

// The first-run choice of unit system: imperial only when the regional
// measurement setting reads exactly 1 (US) and the user's locale is one of
// the North American ones.
bool IsAmericanLocale(std::string_view localeId);
int DetectedUnits(std::string_view iMeasure, std::string_view localeId);

}  // namespace Scaling
