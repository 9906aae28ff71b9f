#pragma once
// Bytes between C++ and the page: a std::string of a file's bytes as a new
// Uint8Array (embind would read a std::string as UTF-8 text), and nothing as
// null.

#include <emscripten/val.h>

#include <optional>
#include <string>

inline emscripten::val BytesToJs(const std::string& bytes)
{
    const auto view = emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
    return emscripten::val::global("Uint8Array").new_(view);
}

inline emscripten::val BytesToJs(const std::optional<std::string>& bytes)
{
    return bytes ? BytesToJs(*bytes) : emscripten::val::null();
}
