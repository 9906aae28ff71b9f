#pragma once
// A local date and time to the second, as the document stores it
// ("yyyy-mm-dd hh:mm:ss").

#include <optional>
#include <string>
#include <string_view>

struct DateTime {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    static DateTime Now();
    // Accepts "yyyy-mm-dd hh:mm:ss", "yyyy-mm-dd hh:mm", "yyyy-mm-dd" and
    // "yyyy/mm/dd ..."; nullopt for anything else or an impossible date.
    static std::optional<DateTime> Parse(std::string_view text);
    std::string ToText() const;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};
