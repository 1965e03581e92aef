// The bank-file helpers and the three title-number check digits.

#include "cnab/auxiliar.h"

#include <gtest/gtest.h>

namespace fin::cnab {
namespace {

TEST(RemessaAuxiliar, TextHelpers)
{
    EXPECT_EQ(DigitsOnly("12.345.678/0001-90"), "12345678000190");
    EXPECT_EQ(DigitsOnly("74.000-000"), "74000000");
    EXPECT_EQ(DigitsOnly(""), "");

    EXPECT_EQ(ZeroPad(42, 6), "000042");
    EXPECT_EQ(ZeroPad(0, 6), "000000");
    EXPECT_EQ(ZeroPad(0, 13), std::string(13, '0'));
    EXPECT_EQ(ZeroPad(1234567, 5), "1234567");        // never cut
    EXPECT_EQ(ZeroPad(123456789, 6), "123456789");

    EXPECT_EQ(LeftFill("  12 ", 5, '0'), "00012");     // trimmed first
    EXPECT_EQ(LeftFill("\t12\r\n", 4, '0'), "0012");   // control characters trim too
    EXPECT_EQ(LeftFill("123456", 4, '0'), "123456");   // never cut
    EXPECT_EQ(LeftFill("", 3, 'x'), "xxx");
}

TEST(RemessaAuxiliar, DateTexts)
{
    EXPECT_EQ(DateToDDMMYY(DigitsOnly("19/06/2012")), "190612");
    EXPECT_EQ(DateToDDMMYY("05032012"), "050312");
    EXPECT_EQ(DateToDDMMYY(""), "");                  // an empty date gives an empty text
    EXPECT_EQ(SlashDate6("190612"), "19/06/2012");
    EXPECT_EQ(SlashDate8("19062012"), "19/06/2012");
    EXPECT_EQ(SlashDate8("19061998"), "19/06/2098");   // the century is always 20
}

struct Mod11Case {
    const char* digits;
    int remainder;
    const char* text;
};

TEST(RemessaAuxiliar, Mod11CheckDigitRemaindersZeroOneAndOthers)
{
    const Mod11Case cases[] = {
        {"1900000000002", 3, "8"},    // 2x2 + 9x7 + 1x2 = 69
        {"0900000000002", 1, "10"},   // Bradesco writes "P"
        {"0900000000007", 0, "0"},
        {"", 0, "0"},
    };
    for (const Mod11Case& c : cases) {
        const CheckDigit dv = Mod11CheckDigit(c.digits, 7);
        EXPECT_EQ(dv.remainder, c.remainder) << c.digits;
        EXPECT_EQ(dv.text, c.text) << c.digits;
    }
    // Weights climb to the limit and start again at 2: with m = 3, 2 3 2 3 ...
    EXPECT_EQ(Mod11CheckDigit("1111", 3).remainder, (2 + 3 + 2 + 3) % 11);
}

TEST(RemessaAuxiliar, SicoobCheckDigit)
{
    EXPECT_EQ(SicoobCheckDigit("000100000000120000001"), "7");   // r = 4
    EXPECT_EQ(SicoobCheckDigit("000100000000120000007"), "0");   // r = 0
    EXPECT_EQ(SicoobCheckDigit("000100000000120000015"), "0");   // r = 1
    EXPECT_EQ(SicoobCheckDigit("0001000000001200000019999"), "7"); // only 21 digits count
}

TEST(RemessaAuxiliar, SantanderCheckDigit)
{
    EXPECT_EQ(SantanderCheckDigit("1234567"), "9");   // r = 2
    EXPECT_EQ(SantanderCheckDigit("5"), "1");         // r = 10
    EXPECT_EQ(SantanderCheckDigit("6"), "0");         // r = 1
    EXPECT_EQ(SantanderCheckDigit("14"), "0");        // r = 0
    EXPECT_EQ(SantanderCheckDigit(" 1234567 "), "9"); // trimmed before filling
}

TEST(RemessaAuxiliar, CheckDigitsRefuseNonDigits)
{
    EXPECT_THROW(Mod11CheckDigit("09A", 7), FieldError);
    EXPECT_THROW(SicoobCheckDigit("0001000000001200000-1"), FieldError);
    EXPECT_THROW(SantanderCheckDigit("12-3"), FieldError);
    EXPECT_THROW(digitValue('x'), FieldError);
    EXPECT_EQ(digitValue('7'), 7);
}

} // namespace
} // namespace fin::cnab
