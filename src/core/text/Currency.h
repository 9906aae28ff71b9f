#pragma once
// Currency: an exact signed fixed-point number with four decimal places.
// Current sums and totals use it so that adding and removing devices never
// drifts. The stored integer is the value times 10 000.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;

    static constexpr Currency FromScaled(int64_t scaled) { return Currency(scaled); }
    static constexpr Currency FromInteger(int64_t whole) { return Currency(whole * Scale); }
    // Rounds to four decimals, halves to even; nullopt when the value is not
    // finite or lies outside the range of the type (the conversion overflow).
    static std::optional<Currency> FromDouble(double value);

    constexpr int64_t Scaled() const { return scaled_; }
    double ToDouble() const { return static_cast<double>(scaled_) / Scale; }
    constexpr bool IsZero() const { return scaled_ == 0; }

    // Plain decimal text: no grouping, "." as the point, no trailing zeros
    // ("950", "0.5", "-12.25").
    std::string ToString() const;

    constexpr Currency operator-() const { return Currency(-scaled_); }
    constexpr Currency& operator+=(Currency other) { scaled_ += other.scaled_; return *this; }
    constexpr Currency& operator-=(Currency other) { scaled_ -= other.scaled_; return *this; }
    friend constexpr Currency operator+(Currency a, Currency b) { return a += b; }
    friend constexpr Currency operator-(Currency a, Currency b) { return a -= b; }
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    constexpr explicit Currency(int64_t scaled) : scaled_(scaled) {}
    int64_t scaled_ = 0;
};
