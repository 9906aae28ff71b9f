#include "text/TextConversion.h"

#include "platform/DecimalNumber.h"
#include "text/Blanks.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace TextConversion {

namespace {

[[noreturn]] void ThrowOverflow()
{
    throw RunTimeError(RunTimeError::Overflow, "Overflow");
}

}  // namespace

double ToDouble(std::string_view text)
{
    if (!IsNumericText(text))
        throw RunTimeError(RunTimeError::TypeMismatch, "Type mismatch");
    const double value = LeadingNumber(text);
    if (std::isinf(value))
        ThrowOverflow();
    return value;
}

int16_t ToInteger(std::string_view text)
{
    const std::optional<int16_t> value = Rounding::ToInt16(ToDouble(text));
    if (!value)
        ThrowOverflow();
    return *value;
}

int32_t ToLong(std::string_view text)
{
    const std::optional<int32_t> value = Rounding::ToInt32(ToDouble(text));
    if (!value)
        ThrowOverflow();
    return *value;
}

int16_t HundredthsFloored(std::string_view text)
{
    // The same failures as any conversion; a number that reads as zero
    // (underflow included) needs no further work.
    if (ToDouble(text) == 0)
        return 0;
    // Multiplying by 100 is adding 2 to the decimal exponent; the text then
    // reads as the double nearest to the exact product.
    std::string number(Blanks::Trim(text));
    if (number.front() == '+')
        number.erase(0, 1);
    long long exponent = 2;
    if (const size_t mark = number.find_first_of("eE"); mark != std::string::npos) {
        std::string_view digits = std::string_view(number).substr(mark + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        long long written = 0;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), written).ec != std::errc())
            ThrowOverflow();
        exponent += written;
        number.erase(mark);
    }
    number += "e" + std::to_string(exponent);
    double value = 0;
    if (DecimalNumber::Parse(number.data(), number.data() + number.size(), value).ec != std::errc())
        ThrowOverflow();
    const double floored = std::floor(value);
    if (!(floored >= INT16_MIN && floored <= INT16_MAX))
        ThrowOverflow();
    return static_cast<int16_t>(floored);
}

}  // namespace TextConversion
