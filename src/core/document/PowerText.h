#pragma once
// The standby battery calculation in words: the one-line summary the main
// window and the text output show, and the worked formula with its checks
// that the power window and the printed report show. Every figure comes
// from the exact integers of the calculation, rounded only for display.

#include "document/PowerSupply.h"

#include <string>
#include <vector>

// Hundredths of an Ah with two decimals: "9.60".
std::string AmpHoursText(int32_t hundredths);
// Hundredths without trailing zeros, as battery sizes and D are written:
// "12", "1.2", "1.75".
std::string HundredthsText(int32_t hundredths);
// A factor's thousandths the same way: "1.25", "1.375".
std::string ThousandthsText(int32_t thousandths);
// A current given in µA, in mA with two decimals: "245.30".
std::string MilliampsText(Currency microamps);
// The exact value of a current given in µA, in mA, without trailing zeros: "245.3", "0.0125".
std::string MilliampsExact(Currency microamps);
// A period in hours: exact when minutes / 60 ends ("24", "0.5", "0.25"),
// else to four decimals ("0.0833").
std::string HoursText(int32_t minutes);

// True when the battery calculation finds nothing wrong: a standard size (or
// the fitted battery) covers the requirement, and the panel's largest battery
// and its charger, where the panel gives them, pass.
bool PowerPasses(const PowerResult& result);

// "Standby battery: 9.60 Ah required (BS 5839-1), 12 Ah fitted", or with
// what fails: "…, 7 Ah fitted is too small".
std::string PowerSummaryLine(const PowerInputs& inputs, const PowerResult& result);

// The main window's battery line: the summary for the site's settings, and
// whether it passes.
struct PowerLine {
    std::string Text;
    bool Pass = false;
};
PowerLine PowerLineFor(const Document& document, std::string_view localeId);

// The calculation written out line by line: the currents, the formula in
// letters and in numbers, BS 5839-1's derating, the battery and the checks.
std::vector<std::string> PowerWorking(const PowerInputs& inputs, const PowerResult& result);
