#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace fin::cnab {

// A value that cannot become a bank-file field (a non-digit where digits are
// needed, a text beyond the integer range, a value too long for its field).
class FieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text without blanks or control characters at either end.
std::string_view Trimmed(std::string_view text);
// The characters 0-9 of the text, in order.
std::string DigitsOnly(std::string_view text);
// Decimal text of n with "0" prepended up to `width`; never cut.
std::string ZeroPad(long long n, int width);
// Trimmed text with `fill` prepended up to `width`; never cut.
std::string LeftFill(std::string_view text, int width, char fill);
// DDMMYYYY -> DDMMYY (characters 1-2, 3-4, 7-8); shorter input gives what is there.
std::string DateToDDMMYY(std::string_view ddmmyyyy);
// DDMMYY -> DD/MM/20YY.
std::string SlashDate6(std::string_view ddmmyy);
// DDMMYYYY -> DD/MM/20YY (the century is always 20).
std::string SlashDate8(std::string_view ddmmyyyy);

struct CheckDigit {
    int remainder = 0;
    std::string text;
};

// Modulo 11 with weights 2..m from the right (Bradesco title numbers).
CheckDigit Mod11CheckDigit(std::string_view digits, int maxWeight);
// Sicoob title number: the first 21 digits weighed by "319731973197319731973".
std::string SicoobCheckDigit(std::string_view digits);
// Santander title number: left-filled to 12, weights 2..9 from the right.
std::string SantanderCheckDigit(std::string_view digits);

// The value of one digit character; throws FieldError on anything else.
int digitValue(char c);

} // namespace fin::cnab
