#include "base/date.h"

#include <gtest/gtest.h>

using fin::base::Date;
using fin::base::DateTime;

TEST(Date, CalendarRoundTrips)
{
    for (long d = -700000; d < 2900000; d += 37) {
        const Date date = Date::fromDays(d);
        ASSERT_FALSE(date.isNull());
        ASSERT_EQ(date.toDays(), d);
    }
    EXPECT_EQ(Date::fromYmd(2012, 3, 5).toDDMMYYYY(), "05/03/2012");
    EXPECT_EQ(Date::fromYmd(2024, 2, 29).addDays(1), Date::fromYmd(2024, 3, 1));
    EXPECT_TRUE(Date::fromYmd(2023, 2, 29).isNull());
    EXPECT_EQ(Date::fromYmd(2026, 12, 11).dayOfWeek(), 5);   // a Friday
    EXPECT_EQ(Date::parseIso("2026-12-11"), Date::fromYmd(2026, 12, 11));
    EXPECT_FALSE(Date::parseIso("2026-13-01"));
    EXPECT_FALSE(Date::parseIso("11/12/2026"));
}

TEST(Date, DateTimeParsing)
{
    auto dt = DateTime::parseIso("2026-12-11T08:05:09");
    ASSERT_TRUE(dt);
    EXPECT_EQ(dt->time.toHHMMSS(), "08:05:09");
    EXPECT_EQ(DateTime::parseIso("2026-12-11 08:05:09.5")->time.msec, 500);
    EXPECT_FALSE(DateTime::parseIso("2026-12-11T24:00:00"));
    EXPECT_FALSE(DateTime::parseIso("2026-12-11"));
}
