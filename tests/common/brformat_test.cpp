#include "common/brformat.h"

#include <gtest/gtest.h>

using namespace fin::common;
using fin::base::Date;
using fin::base::Money;

TEST(BrFormat, MoneyFormats)
{
    const Money m = *Money::parse("1234567.5");
    EXPECT_EQ(formatMoney(m), "1.234.567,50");
    EXPECT_EQ(formatMoney(m, kMoneyPlain), "1234567,50");
    EXPECT_EQ(formatMoney(m, "##0.00"), "1234567,50");
    EXPECT_EQ(formatMoney(*Money::parse("-0.1")), "-0,10");
    EXPECT_EQ(formatMoney(Money()), "0,00");
    EXPECT_EQ(formatMoney(*Money::parse("999.99")), "999,99");
    EXPECT_EQ(formatMoney(*Money::parse("-1000")), "-1.000,00");
}

TEST(BrFormat, MoneyParsing)
{
    struct Case { const char* in; const char* value; };
    const Case good[] = {{"1.234,56", "1234.56"}, {"150", "150"}, {"1234,56", "1234.56"}, {" -0,10 ", "-0.10"},
                         {"1.234.567", "1234567"}, {"0,5", "0.5"}, {",75", "0.75"}, {"10.5", "10.5"}, {"12,", "12"}};
    for (const auto& c : good) {
        const auto m = parseMoney(QString::fromUtf8(c.in));
        ASSERT_TRUE(m) << c.in;
        EXPECT_EQ(*m, *Money::parse(c.value)) << c.in;
    }
    for (const char* bad : {"", "abc", "1,2,3", "1.23.4", "R$ 10", "1e3", "--1", "12,5a"})
        EXPECT_FALSE(parseMoney(QString::fromUtf8(bad))) << bad;
}

TEST(BrFormat, Dates)
{
    EXPECT_EQ(formatDate(Date::fromYmd(2012, 3, 5)), "05/03/2012");
    EXPECT_EQ(formatDate(Date()), "");
    EXPECT_EQ(parseDate("05/03/2012"), Date::fromYmd(2012, 3, 5));
    EXPECT_EQ(parseDate("5/3/12"), Date::fromYmd(2012, 3, 5));
    for (const char* bad : {"31/02/2024", "2012-03-05", "  /  /    ", "", "32/01/2020", "01/13/2020"})
        EXPECT_FALSE(parseDate(QString::fromUtf8(bad))) << bad;
}
