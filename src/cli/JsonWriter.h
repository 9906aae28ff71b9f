#pragma once
// A small JSON writer: objects, arrays, strings, whole numbers, exact
// Currency values, numbers already written out, true, false and null,
// indented two blanks a level.

#include "text/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text as a JSON string in double quotes: quotes, backslashes and control
// characters escaped, UTF-8 kept (text that is not UTF-8 is read as
// Windows-1252, as the program reads its files).
std::string JsonString(std::string_view text);

class JsonWriter {
public:
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The name of the next member of the open object.
    void Key(std::string_view name);

    void String(std::string_view text);
    void Number(int64_t value);
    // The exact value: no rounding, no exponent ("950", "0.5", "-12.25").
    void Number(Currency value);
    // A number written out by the caller, exact ("9.6", "0.0125"): put in as it is.
    void RawNumber(std::string_view digits);
    void Bool(bool value);
    void Null();

    // Convenience for object members.
    template <typename T>
    void Member(std::string_view name, const T& value)
    {
        Key(name);
        Value(value);
    }

    const std::string& Text() const { return text_; }

private:
    void Value(std::string_view text) { String(text); }
    void Value(const std::string& text) { String(text); }
    void Value(const char* text) { String(text); }
    void Value(bool value) { Bool(value); }
    void Value(Currency value) { Number(value); }
    void Value(int value) { Number(int64_t{value}); }
    void Value(int16_t value) { Number(int64_t{value}); }
    void Value(int64_t value) { Number(value); }

    // Before a value: the separator and line break its place calls for.
    void BeginValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    struct Level {
        bool Empty = true;
    };
    std::string text_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};
