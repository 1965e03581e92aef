#include "base/date.h"

#include <cstdio>

namespace fin::base {

namespace {

// Days from civil, after H. Hinnant's public-domain algorithm.
long daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool readInt(std::string_view s, std::size_t pos, std::size_t len, int& out)
{
    if (pos + len > s.size())
        return false;
    int v = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
    }
    out = v;
    return true;
}

} // namespace

bool Date::isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeap(year))
        return 29;
    return kDays[month - 1];
}

Date Date::fromYmd(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return {};
    return Date(year, month, day);
}

Date Date::fromDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return fromYmd(static_cast<int>(y + (m <= 2)), m, d);
}

long Date::toDays() const
{
    return daysFromCivil(m_year, m_month, m_day);
}

int Date::dayOfWeek() const
{
    const long z = toDays();   // 1970-01-01 was a Thursday
    const long w = ((z % 7) + 7 + 3) % 7;   // 0 = Monday
    return static_cast<int>(w) + 1;
}

std::optional<Date> Date::parseIso(std::string_view s)
{
    int y = 0, m = 0, d = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' || !readInt(s, 0, 4, y) || !readInt(s, 5, 2, m)
        || !readInt(s, 8, 2, d))
        return std::nullopt;
    const Date date = fromYmd(y, m, d);
    if (date.isNull())
        return std::nullopt;
    return date;
}

std::string Date::toIso() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", m_year, m_month, m_day);
    return buf;
}

std::string Date::toDDMMYYYY() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", m_day, m_month, m_year);
    return buf;
}

std::string TimeOfDay::toHHMMSS() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour, minute, second);
    return buf;
}

std::optional<DateTime> DateTime::parseIso(std::string_view s)
{
    if (s.size() < 19 || (s[10] != 'T' && s[10] != ' '))
        return std::nullopt;
    auto date = Date::parseIso(s.substr(0, 10));
    TimeOfDay t;
    if (!date || s[13] != ':' || s[16] != ':' || !readInt(s, 11, 2, t.hour) || !readInt(s, 14, 2, t.minute)
        || !readInt(s, 17, 2, t.second) || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    if (s.size() > 19) {
        if (s[19] != '.' || s.size() > 23 || s.size() == 20)
            return std::nullopt;
        int ms = 0;
        const std::size_t len = s.size() - 20;
        if (!readInt(s, 20, len, ms))
            return std::nullopt;
        for (std::size_t i = len; i < 3; ++i)
            ms *= 10;
        t.msec = ms;
    }
    return DateTime{*date, t};
}

std::string DateTime::toIso() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%sT%02d:%02d:%02d", date.toIso().c_str(), time.hour, time.minute, time.second);
    return buf;
}

} // namespace fin::base
