#pragma once
// A strict reader of JSON text for tests of the calculator's output: it
// refuses anything RFC 8259 refuses (unescaped control characters, bad
// escapes, invalid UTF-8, trailing text) and keeps each number's own text so
// that a test can see how it was written.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind Type = Kind::Null;
    bool Boolean = false;
    std::string Text{};  // a string's value, or a number as written
    std::vector<JsonValue> Items{};
    std::vector<std::pair<std::string, JsonValue>> Members{};  // in order

    // The member of that name; nullptr when there is none (or this is no object).
    const JsonValue* Find(std::string_view name) const;
    std::vector<std::string> Keys() const;
};

// nullopt with the reason and the byte offset when the text is not one JSON value.
std::optional<JsonValue> ParseJson(std::string_view text, std::string& error);
