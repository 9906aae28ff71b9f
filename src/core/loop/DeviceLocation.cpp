#include "loop/DeviceLocation.h"

#include "text/Blanks.h"

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// C0 controls and DEL, C1 controls (U+0080 to U+009F, C2 80 to C2 9F in
// UTF-8), and the line and paragraph separators (U+2028, U+2029): each would
// break the line on a screen or in the panel's text.
bool HasControlCharacter(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = [&](size_t n) { return i + n < text.size() ? static_cast<unsigned char>(text[i + n]) : 0; };
        if (c < 0x20 || c == 0x7F || (c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) ||
            (c == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)))
            return true;
    }
    return false;
}

size_t CodePoints(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        if (!IsContinuationByte(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

}  // namespace

namespace DeviceLocation {

std::string Cleaned(std::string_view text) { return std::string(Blanks::Trim(text)); }

std::string Refusal(std::string_view cleaned)
{
    if (HasControlCharacter(cleaned))
        return "A location is one line of text.";
    if (CodePoints(cleaned) > MaxLength)
        return "A location can hold at most " + std::to_string(MaxLength) + " characters.";
    return "";
}

}  // namespace DeviceLocation
