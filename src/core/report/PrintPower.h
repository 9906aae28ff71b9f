#pragma once
// The standby battery calculation in the printed report, after the loops:
// the ancillary loads beside the loops, then the calculation written out
// (rule and periods, the currents with the panel's own, the formula with the
// numbers, the battery and its checks) and the one-line verdict in bold.

#include <string_view>

class Document;
class Printing;

namespace PrintPower {

// Prints the section from the start of the current line, on a new page when
// it does not fit on the rest of this one; `localeId` gives the rule when
// the site names none. False when the report was cancelled there.
[[nodiscard]] bool PrintSection(Printing& printing, const Document& document, std::string_view localeId);

}  // namespace PrintPower
