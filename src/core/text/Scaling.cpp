#include "text/Scaling.h"

#include "text/Currency.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"

#include <array>
#include <cctype>

namespace Scaling {

namespace {

// Both held to four decimals, so they are exactly 3.048 and 3.2808.
constexpr Currency DecimetresPerFoot = Currency::FromScaled(30480);
constexpr Currency KilometresPerKilofoot = Currency::FromScaled(32808);

constexpr int16_t ImpedanceLimit = 10000;  // exclusive
constexpr int32_t LengthLimit = 30000;     // inclusive

}  // namespace

std::string ImpedanceUnitsText(int units)
{
    switch (units) {
    case Metric:
        return "ohms/km/core";
    case Imperial:
        return "ohms/kft/core";
    default:
        return "?";
    }
}

std::string ImpedanceConditionsText(int units)
{
    switch (units) {
    case Metric:
        return "(copper at 20\u00B0C)";
    case Imperial:
        return "(copper at 68\u00B0F)";
    default:
        return "";
    }
}

std::string LengthUnitsText(int units, bool longForm)
{
    switch (units) {
    case Metric:
        return longForm ? "metres (m)" : "m";
    case Imperial:
        return longForm ? "feet (ft)" : "ft";
    default:
        return "?";
    }
}

std::string FormatImpedance(int16_t impedance, int units)
{
    const double divisor = units == Imperial ? 100 * KilometresPerKilofoot.ToDouble() : 100;
    // Held to four decimals first, then shown with two: the display has always
    // rounded twice.
    const Currency shown = *Currency::FromDouble(impedance / divisor);
    return Rounding::FormatFixed(shown.ToDouble(), 2);
}

int16_t ParseImpedance(std::string_view text, int units)
{
    double typed = LeadingNumber(text);
    if (units == Imperial)
        typed *= KilometresPerKilofoot.ToDouble();
    const std::optional<int16_t> impedance = Rounding::ToInt16(typed * 100);
    if (!impedance || *impedance < 0 || *impedance >= ImpedanceLimit)
        return -1;
    return *impedance;
}

double LengthInUnits(double decimetres, int units)
{
    return decimetres / (units == Imperial ? DecimetresPerFoot.ToDouble() : 10);
}

std::string FormatLength(double decimetres, int units)
{
    return std::to_string(*Rounding::ToInt32(LengthInUnits(decimetres, units)));
}

int32_t ParseLength(std::string_view text, int units)
{
    const double factor = units == Imperial ? DecimetresPerFoot.ToDouble() : 10;
    const std::optional<int32_t> decimetres = Rounding::ToInt32(LeadingNumber(text) * factor);
    if (!decimetres || *decimetres < 0 || *decimetres > LengthLimit)
        return -1;
    return *decimetres;
}

std::string FormatLengthTenths(double decimetres, int units)
{
    const double divisor = units == Imperial ? DecimetresPerFoot.ToDouble() : 10;
    return Rounding::FormatFixed(decimetres / divisor, 1);
}

std::optional<int32_t> ParseLengthTenths(std::string_view text, int units)
{
    if (!IsNumericText(text))
        return std::nullopt;
    const double factor = units == Imperial ? DecimetresPerFoot.ToDouble() : 10;
    return Rounding::ToInt32(LeadingNumber(text) * factor);
}

bool IsAmericanLocale(std::string_view localeId)
{
    // The language identifier is the first four characters, in hexadecimal.
    static constexpr std::array<std::string_view, 4> American = {"0409", "1009", "0C0C", "080A"};
    const std::string_view id = localeId.substr(0, 4);
    for (std::string_view candidate : American) {
        bool same = id.size() == candidate.size();
        for (size_t i = 0; same && i < id.size(); ++i)
            same = std::toupper(static_cast<unsigned char>(id[i])) == candidate[i];
        if (same)
            return true;
    }
    return false;
}

int DetectedUnits(std::string_view iMeasure, std::string_view localeId)
{
    return LeadingNumber(iMeasure) == 1 && IsAmericanLocale(localeId) ? Imperial : Metric;
}

}  // namespace Scaling
