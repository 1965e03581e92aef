#include "base/money.h"

#include <gtest/gtest.h>

using fin::base::Money;

TEST(Money, ParsesAndPrintsExactly)
{
    struct Case { const char* in; std::int64_t raw; const char* out2; };
    const Case cases[] = {
        {"0.57", 5700, "0.57"},
        {"9999999999999.99", 99999999999999900, "9999999999999.99"},
        {"-0.10", -1000, "-0.10"},
        {"150", 1500000, "150.00"},
        {".5", 5000, "0.50"},
        {"+7", 70000, "7.00"},
        {"-0.125", -1250, "-0.13"},   // half away from zero at two decimals
        {"0.00005", 1, "0.00"},        // fifth decimal rounds half away
        {"-0.00005", -1, "0.00"},
    };
    for (const auto& c : cases) {
        auto m = Money::parse(c.in);
        ASSERT_TRUE(m) << c.in;
        EXPECT_EQ(m->raw(), c.raw) << c.in;
        EXPECT_EQ(m->toString(2), c.out2) << c.in;
    }
    for (const char* bad : {"", "-", "1,5", "1.2.3", "abc", " 1", "1e5", "1234567890123456"})
        EXPECT_FALSE(Money::parse(bad)) << bad;
}

TEST(Money, RoundsPercentagesAndBankCents)
{
    // A percentage is kept to four decimals; bank cents round a half to even.
    struct Case { const char* amount; const char* rate; std::int64_t raw; std::int64_t bankCents; };
    const Case cases[] = {
        {"33.33", "2", 6666, 67},
        {"6.25", "2", 1250, 12},
        {"6.75", "2", 1350, 14},
        {"200.00", "5", 100000, 1000},
        {"0.004", "100", 40, 0},
    };
    for (const auto& c : cases) {
        const Money p = Money::parse(c.amount)->percent(*Money::parse(c.rate));
        EXPECT_EQ(p.raw(), c.raw) << c.amount;
        EXPECT_EQ(p.centsHalfEven(), c.bankCents) << c.amount;
    }
    EXPECT_EQ(Money::parse("-0.125")->cents(), -13);
    EXPECT_EQ(Money::parse("1234.56")->centsHalfEven(), 123456);
}

TEST(Money, ScaledConversion)
{
    EXPECT_EQ(Money::fromScaled(57, 2).toScaled(2), 57);
    EXPECT_EQ(Money::fromScaled(-12345, 5).raw(), -1235);
    EXPECT_EQ(Money::fromScaled(7, 0).raw(), 70000);
}
