#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace fin::base {

// A calendar date (proleptic Gregorian), without time or zone.
class Date {
public:
    constexpr Date() = default;
    // An invalid combination gives a null date.
    static Date fromYmd(int year, int month, int day);
    // Days since 1970-01-01.
    static Date fromDays(long days);
    // "YYYY-MM-DD".
    static std::optional<Date> parseIso(std::string_view text);

    constexpr bool isNull() const { return m_year == 0; }
    constexpr int year() const { return m_year; }
    constexpr int month() const { return m_month; }
    constexpr int day() const { return m_day; }

    long toDays() const;
    Date addDays(long n) const { return fromDays(toDays() + n); }
    // 1 = Monday ... 7 = Sunday.
    int dayOfWeek() const;

    std::string toIso() const;        // YYYY-MM-DD
    std::string toDDMMYYYY() const;   // DD/MM/YYYY

    constexpr auto operator<=>(const Date&) const = default;

    static bool isLeap(int year);
    static int daysInMonth(int year, int month);

private:
    constexpr Date(int y, int m, int d) : m_year(y), m_month(m), m_day(d) {}
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
};

// A time of day with milliseconds.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    std::string toHHMMSS() const;   // HH:MM:SS
    auto operator<=>(const TimeOfDay&) const = default;
};

struct DateTime {
    Date date;
    TimeOfDay time;
    // "YYYY-MM-DDTHH:MM:SS" (a blank may stand for the T; milliseconds optional).
    static std::optional<DateTime> parseIso(std::string_view text);
    std::string toIso() const;
    auto operator<=>(const DateTime&) const = default;
};

} // namespace fin::base
