#pragma once

#include "text/Currency.h"

#include <string>

// A current given in µA as the user reads it: "0 mA" for zero, the plain
// number and " µA" below 10 000 µA, otherwise rounded whole milliamperes
// and " mA".
std::string CurrentText(Currency microamps);
