#pragma once
// Lists and records between C++ and the page as plain JavaScript arrays and
// objects, for results that hold lists (embind's value_object cannot) and
// for boxes the page hands in as one object. The page reads them as it
// reads any array, and has nothing to delete.

#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// An array of `make(i)` for i from 0 to count - 1.
template <typename Make> emscripten::val JsArray(size_t count, Make make)
{
    emscripten::val array = emscripten::val::array();
    for (size_t i = 0; i < count; ++i)
        array.call<void>("push", emscripten::val(make(i)));
    return array;
}

// Each item as `toJs` makes it, in an array.
template <typename Item, typename ToJs> emscripten::val ArrayOf(const std::vector<Item>& items, ToJs toJs)
{
    return JsArray(items.size(), [&](size_t i) { return toJs(items[i]); });
}

inline emscripten::val StringsToJs(const std::vector<std::string>& strings)
{
    return ArrayOf(strings, [](const std::string& text) { return emscripten::val(text); });
}

// Nothing as null.
template <typename Value> emscripten::val OrNull(const std::optional<Value>& value)
{
    return value ? emscripten::val(*value) : emscripten::val::null();
}

// A field of an object the page gave: its text, or empty when it has none.
inline std::string TextField(const emscripten::val& object, const char* name)
{
    const emscripten::val field = object[name];
    return field.isString() ? field.as<std::string>() : std::string();
}

// The items of an array the page gave, each as `fromJs` reads it.
template <typename Item, typename FromJs> std::vector<Item> VectorOf(const emscripten::val& array, FromJs fromJs)
{
    std::vector<Item> items;
    if (!array.isArray())
        return items;
    const unsigned length = array["length"].as<unsigned>();
    for (unsigned i = 0; i < length; ++i)
        items.push_back(fromJs(array[i]));
    return items;
}
