#include "document/DateTime.h"

#include <charconv>
#include <cstdio>
#include <ctime>

DateTime DateTime::Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// Reads a run of digits of the given length range at pos; moves pos past it.
std::optional<int> ReadNumber(std::string_view text, size_t& pos, size_t minDigits, size_t maxDigits)
{
    size_t end = pos;
    while (end < text.size() && end - pos < maxDigits && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end - pos < minDigits)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data() + pos, text.data() + end, value);
    pos = end;
    return value;
}

bool Expect(std::string_view text, size_t& pos, std::string_view separators)
{
    if (pos < text.size() && separators.find(text[pos]) != std::string_view::npos) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

std::optional<DateTime> DateTime::Parse(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    size_t pos = 0;
    DateTime result;
    auto year = ReadNumber(text, pos, 4, 4);
    if (!year || !Expect(text, pos, "-/"))
        return std::nullopt;
    auto month = ReadNumber(text, pos, 1, 2);
    if (!month || !Expect(text, pos, "-/"))
        return std::nullopt;
    auto day = ReadNumber(text, pos, 1, 2);
    if (!day)
        return std::nullopt;
    result.Year = *year;
    result.Month = *month;
    result.Day = *day;
    if (result.Month < 1 || result.Month > 12 || result.Day < 1 || result.Day > DaysInMonth(result.Year, result.Month))
        return std::nullopt;
    if (pos == text.size())
        return result;

    if (!Expect(text, pos, " T"))
        return std::nullopt;
    auto hour = ReadNumber(text, pos, 1, 2);
    if (!hour || !Expect(text, pos, ":"))
        return std::nullopt;
    auto minute = ReadNumber(text, pos, 1, 2);
    if (!minute)
        return std::nullopt;
    std::optional<int> second = 0;
    if (Expect(text, pos, ":"))
        second = ReadNumber(text, pos, 1, 2);
    if (!second || pos != text.size() || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    result.Hour = *hour;
    result.Minute = *minute;
    result.Second = *second;
    return result;
}

std::string DateTime::ToText() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", Year, Month, Day, Hour, Minute, Second);
    return text;
}
