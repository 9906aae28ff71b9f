#pragma once
// Text inside the program is UTF-8. Older data files were written in the
// Windows-1252 code page; a line of a file that is not valid UTF-8 is taken
// to be in it.

#include <cstddef>
#include <string>
#include <string_view>

namespace TextEncoding {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

std::string FromWindows1252(std::string_view bytes);

// The bytes of a text file as UTF-8, without a leading byte-order mark. The
// encoding is decided line by line: a line that is valid UTF-8 stays as it
// is, any other is converted from Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// The first `count` characters (code points) of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, size_t count);

}  // namespace TextEncoding
