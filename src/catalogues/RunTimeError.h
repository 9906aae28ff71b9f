#pragma once
// Run-time failures inside the catalogue loaders: what the platform's own
// conversions would raise on a text that is no number or a number too large
// for its type. They never leave a loader: each loader catches them where the
// catalogue's rules say such a failure is reported, and turns them into its
// message (the device-type loader's Abort/Retry/Ignore report, the other
// loaders' "An unexpected error has occurred while reading ...").

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

    static constexpr int TypeMismatch = 13;
    static constexpr int Overflow = 6;
    static constexpr int SubscriptOutOfRange = 9;
    static constexpr int OutOfMemory = 7;
    static constexpr int InternalError = 51;

private:
    int number_;
};

// Strict conversions of a whole text (blanks around it aside) to a number,
// rounded to the nearest whole number with halves to even. A text that is no
// number throws a type mismatch, a number the type cannot hold an overflow.
namespace TextConversion {

int16_t ToInteger(std::string_view text);
int32_t ToLong(std::string_view text);
double ToDouble(std::string_view text);

// The number times 100, floored towards minus infinity, computed from the
// decimal text so that "0.29" gives 29 (a binary product would give 28).
int16_t HundredthsFloored(std::string_view text);

}  // namespace TextConversion
