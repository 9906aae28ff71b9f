#pragma once
// Lists to the page as plain JavaScript arrays of bound records: the page
// reads them as it reads any array, and has nothing to delete.

#include <emscripten/val.h>

#include <cstddef>
#include <utility>

// An array of `make(i)` for i from 0 to count - 1.
template <typename Make> emscripten::val JsArray(size_t count, Make make)
{
    emscripten::val array = emscripten::val::array();
    for (size_t i = 0; i < count; ++i)
        array.call<void>("push", emscripten::val(make(i)));
    return array;
}
