#pragma once
// Lenient number reading for everything the user types and every number read
// from a data or document file. The decimal point is always "." whatever the
// locale the program runs in.

#include <string_view>

// The number at the start of the text: leading blanks skipped, then the
// longest prefix of the form [sign] digits [. digits] [e|E [sign] digits]
// (at least one digit before the exponent), so "12.5 m" reads 12.5, "1e3"
// reads 1000 and "1e" reads 1. An empty or non-numeric text reads 0. A number
// too large for a double reads as an infinity of its sign, which every
// integer conversion rejects; one too small reads 0. Blanks inside the number
// end it ("1 000" reads 1), and no "&H" or "&O" prefixes are recognised.
double LeadingNumber(std::string_view text);

// True when the whole text, blanks around it aside, is one number in the form
// LeadingNumber reads ("12", " -3.5 ", "1e3"); false for "", "12abc", "1,000".
bool IsNumericText(std::string_view text);
