#pragma once
// The headless calculator's JSON: documents built as nlohmann::ordered_json
// (members in the order they are put in) and written out here, indented two
// blanks a level.
//
// Exact numbers: nlohmann holds a decimal as a double, which cannot hold
// 330.1333334 or 0.1 exactly, and writes whole doubles as "250000.0". So a
// figure that must come out exactly as written rides in the document as the
// text of its digits, tagged (see ExactNumber), and JsonText writes that text
// as the number. Whole counts are plain nlohmann integers.

#include "text/Currency.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

using Json = nlohmann::ordered_json;

// The text as a JSON string in double quotes: quotes, backslashes and control
// characters escaped, UTF-8 kept. A byte that is no part of a UTF-8
// character (in a file's name: the program's own texts are UTF-8) is written
// as "\udc" and its two hexadecimal digits, a lone surrogate from U+DC80 to
// U+DCFF, so that the name's bytes can be had back exactly (Python's
// "surrogateescape": os.fsencode(json.loads(text))).
std::string JsonString(std::string_view text);

// A number written out exactly ("9.6", "0.0125", "-12.25"), to be put in a
// document as it is; `digits` must be a JSON number.
Json ExactNumber(std::string_view digits);
// The exact value of a Currency: no rounding, no exponent ("950", "0.5").
Json ExactNumber(Currency value);

// The document as text, exact numbers as their digits, without a final line feed.
std::string JsonText(const Json& document);
