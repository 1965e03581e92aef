#include "base/money.h"

#include <cstdlib>

namespace fin::base {

namespace {

constexpr std::int64_t pow10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

__int128 divRoundHalfAway128(__int128 value, __int128 divisor)
{
    const __int128 q = value / divisor;
    const __int128 r = value % divisor;
    const __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice >= divisor)
        return value < 0 ? q - 1 : q + 1;
    return q;
}

} // namespace

std::int64_t divRoundHalfAway(std::int64_t value, std::int64_t divisor)
{
    return static_cast<std::int64_t>(divRoundHalfAway128(value, divisor));
}

Money Money::fromScaled(std::int64_t value, int scale)
{
    if (scale <= 4)
        return Money(value * pow10(4 - scale));
    return Money(divRoundHalfAway(value, pow10(scale - 4)));
}

std::optional<Money> Money::parse(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    __int128 units = 0;
    int intDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        units = units * 10 + (text[i] - '0');
        if (++intDigits > 15)
            return std::nullopt;
        ++i;
    }
    __int128 frac = 0;
    int fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (fracDigits < 18) {
                frac = frac * 10 + (text[i] - '0');
                ++fracDigits;
            }
            ++i;
        }
    }
    if (i != text.size() || intDigits + fracDigits == 0)
        return std::nullopt;
    __int128 raw = units * kScale;
    if (fracDigits <= 4) {
        raw += frac * pow10(4 - fracDigits);
    } else {
        raw += divRoundHalfAway128(frac, pow10(fracDigits - 4));
    }
    return Money(static_cast<std::int64_t>(negative ? -raw : raw));
}

std::int64_t Money::toScaled(int scale) const
{
    if (scale >= 4)
        return m_raw * pow10(scale - 4);
    return divRoundHalfAway(m_raw, pow10(4 - scale));
}

std::int64_t Money::centsHalfEven() const
{
    std::int64_t q = m_raw / 100;
    const std::int64_t r = m_raw % 100;
    const std::int64_t ar = r < 0 ? -r : r;
    if (ar > 50 || (ar == 50 && (q % 2 != 0)))
        q += m_raw < 0 ? -1 : 1;
    return q;
}

std::string Money::toString(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    const std::int64_t scaled = toScaled(decimals);
    const std::uint64_t mag = scaled < 0 ? static_cast<std::uint64_t>(-(scaled + 1)) + 1
                                         : static_cast<std::uint64_t>(scaled);
    const auto div = static_cast<std::uint64_t>(pow10(decimals));
    std::string out = scaled < 0 ? "-" : "";
    out += std::to_string(mag / div);
    if (decimals > 0) {
        std::string frac = std::to_string(mag % div);
        out += '.';
        out.append(static_cast<std::size_t>(decimals) - frac.size(), '0');
        out += frac;
    }
    return out;
}

Money Money::percent(Money rate) const
{
    // raw * rate.raw is in 1e-8 units of a percent; /100 for the percent, /1e4 back to raw.
    const __int128 product = static_cast<__int128>(m_raw) * rate.m_raw;
    return Money(static_cast<std::int64_t>(divRoundHalfAway128(product, __int128(kScale) * 100)));
}

} // namespace fin::base
