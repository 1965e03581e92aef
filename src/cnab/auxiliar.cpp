#include "cnab/auxiliar.h"

#include <algorithm>

namespace fin::cnab {

namespace {

// Blanks and control characters at both ends go, as the platform's Trim does.
bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

int digitValue(char c)
{
    if (c < '0' || c > '9')
        throw FieldError(std::string("'") + c + "' não é um dígito");
    return c - '0';
}

std::string DigitsOnly(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9')
            out += c;
    return out;
}

std::string ZeroPad(long long n, int width)
{
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

std::string LeftFill(std::string_view text, int width, char fill)
{
    std::string s(Trimmed(text));
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), fill);
    return s;
}

std::string DateToDDMMYY(std::string_view s)
{
    std::string out(s.substr(0, 4));
    if (s.size() > 6)
        out += s.substr(6, 2);
    return out;
}

std::string SlashDate6(std::string_view s)
{
    return std::string(s.substr(0, 2)) + "/" + std::string(s.substr(std::min<std::size_t>(2, s.size()), 2))
        + "/20" + std::string(s.substr(std::min<std::size_t>(4, s.size()), 2));
}

std::string SlashDate8(std::string_view s)
{
    return std::string(s.substr(0, 2)) + "/" + std::string(s.substr(std::min<std::size_t>(2, s.size()), 2))
        + "/20" + std::string(s.substr(std::min<std::size_t>(6, s.size()), 2));
}

CheckDigit Mod11CheckDigit(std::string_view digits, int maxWeight)
{
    int sum = 0;
    int weight = 2;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += digitValue(*it) * weight;
        weight = weight >= maxWeight ? 2 : weight + 1;
    }
    const int r = sum % 11;
    return {r, r == 0 ? std::string("0") : std::to_string(11 - r)};
}

std::string SicoobCheckDigit(std::string_view digits)
{
    static constexpr std::string_view kWeights = "319731973197319731973";
    int sum = 0;
    for (std::size_t i = 0; i < digits.size() && i < kWeights.size(); ++i)
        sum += digitValue(digits[i]) * (kWeights[i] - '0');
    const int r = sum % 11;
    return r <= 1 ? "0" : std::to_string(11 - r);
}

std::string SantanderCheckDigit(std::string_view digits)
{
    const std::string s = LeftFill(digits, 12, '0');
    int sum = 0;
    int weight = 2;
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        sum += digitValue(*it) * weight;
        weight = weight >= 9 ? 2 : weight + 1;
    }
    const int r = sum % 11;
    if (r == 10)
        return "1";
    return r <= 1 ? "0" : std::to_string(11 - r);
}

} // namespace fin::cnab
