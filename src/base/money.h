#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fin::base {

// An exact amount: a signed count of ten-thousandths. Four decimals hold every
// value the bank files compute (a percentage of an amount) before it is
// rounded to cents; database columns carry two.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * 100); }
    static constexpr Money fromUnits(std::int64_t units) { return Money(units * kScale); }
    // A value held with `scale` decimals (a NUMERIC column's scaled integer).
    // More than four decimals are rounded half away from zero.
    static Money fromScaled(std::int64_t value, int scale);

    // Reads "1234.56", "-0.125", "+7", ".5". Decimals beyond the fourth are
    // rounded half away from zero. Returns nothing for anything else.
    static std::optional<Money> parse(std::string_view text);

    constexpr std::int64_t raw() const { return m_raw; }
    // The value with `scale` decimals as an integer, rounded half away from zero.
    std::int64_t toScaled(int scale) const;
    std::int64_t cents() const { return toScaled(2); }

    Money roundedToCents() const { return fromCents(cents()); }
    // Rounds to cents with a half going to the even neighbour (bank amounts).
    std::int64_t centsHalfEven() const;

    // "1234.56" (a point, no grouping); `decimals` from 0 to 4.
    std::string toString(int decimals = 2) const;

    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    // This amount times a percentage (2.00 means 2 %), to four decimals,
    // rounded half away from zero.
    Money percent(Money rate) const;
    Money times(std::int64_t factor) const { return Money(m_raw * factor); }

    constexpr Money operator-() const { return Money(-m_raw); }
    constexpr Money operator+(Money o) const { return Money(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return Money(m_raw - o.m_raw); }
    Money& operator+=(Money o) { m_raw += o.m_raw; return *this; }
    Money& operator-=(Money o) { m_raw -= o.m_raw; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

// Divides rounding half away from zero; `divisor` > 0.
std::int64_t divRoundHalfAway(std::int64_t value, std::int64_t divisor);

} // namespace fin::base
