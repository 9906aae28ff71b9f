#include "text/CurrentText.h"

#include "text/Rounding.h"

std::string CurrentText(Currency microamps)
{
    if (microamps.IsZero())
        return "0 mA";
    if (microamps < Currency::FromInteger(10000))
        return microamps.ToString() + " \u00B5A";
    // Halves of a milliampere round up: 500 is added before the remainder is dropped.
    const int32_t rounded = Rounding::ToInt32Saturated((microamps + Currency::FromInteger(500)).ToDouble());
    return std::to_string(rounded / 1000) + " mA";
}
