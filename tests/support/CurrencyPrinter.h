#pragma once
// Lets GoogleTest print a Currency as its plain decimal text in failures.

#include "text/Currency.h"

#include <ostream>

inline void PrintTo(const Currency& value, std::ostream* out)
{
    *out << value.ToString();
}
