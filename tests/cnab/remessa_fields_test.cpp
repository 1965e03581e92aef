// Field kinds, the payer document composites and the layout checks.

#include "cnab/fields.h"
#include "cnab/remessa/context.h"
#include "cnab/remessa/writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace fin::cnab {
namespace {

std::string formatted(Kind kind, int width, const Value& v)
{
    std::string out;
    appendValue(out, kind, width, v);
    return out;
}

std::string refusal(Kind kind, int width, const Value& v)
{
    try {
        formatted(kind, width, v);
    } catch (const FieldError& e) {
        return e.what();
    }
    return "(accepted)";
}

base::Money money(const char* text)
{
    return *base::Money::parse(text);
}

TEST(RemessaFields, AmountsInCentsRoundHalfToEven)
{
    const base::Money two = base::Money::fromUnits(2);
    const struct {
        base::Money amount;
        const char* expected;
    } cases[] = {
        {money("1234.56"), "0000000123456"},
        {money("0.004"), "0000000000000"},
        {money("33.33").percent(two), "0000000000067"},   // 0.6666
        {money("6.25").percent(two), "0000000000012"},    // 0.125: half to the even 12
        {money("6.75").percent(two), "0000000000014"},    // 0.135: half to the even 14
        {money("0.005"), "0000000000000"},
        {money("0.015"), "0000000000002"},
        {base::Money(), "0000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatted(Kind::V, 13, Value::of(c.amount)), c.expected) << c.amount.toString(4);
    EXPECT_EQ(refusal(Kind::V, 13, Value::none()), "valor não informado");
    EXPECT_NE(refusal(Kind::V, 13, Value::of(money("-1.00"))).find("negativo"), std::string::npos);
    EXPECT_NE(refusal(Kind::V, 5, Value::of(money("1000.00"))).find("tem 6 dígitos"), std::string::npos);
}

TEST(RemessaFields, DatesAndTime)
{
    const base::Date d = base::Date::fromYmd(2012, 3, 5);
    EXPECT_EQ(formatted(Kind::D6, 6, Value::of(d)), "050312");
    EXPECT_EQ(formatted(Kind::D8, 8, Value::of(d)), "05032012");
    EXPECT_EQ(formatted(Kind::H6, 6, Value::of(base::TimeOfDay{9, 5, 7, 0})), "090507");
    // A missing date refuses the field instead of shortening the record.
    EXPECT_EQ(refusal(Kind::D6, 6, Value::none()), "data não informada");
    EXPECT_EQ(refusal(Kind::D8, 8, Value::of(base::Date())), "data não informada");
}

TEST(RemessaFields, ZeroFilledNumbers)
{
    EXPECT_EQ(formatted(Kind::Z, 6, Value::of(42LL)), "000042");
    EXPECT_EQ(formatted(Kind::Z, 6, Value::of(std::string(" 0042 "))), "000042");
    EXPECT_EQ(formatted(Kind::Z, 10, Value::of(std::string("3000000000"))), "3000000000");
    EXPECT_EQ(formatted(Kind::Z, 1, Value::of(std::string("7"))), "7");

    EXPECT_EQ(refusal(Kind::Z, 8, Value::of(std::string("12A"))), "\"12A\" não é um número inteiro");
    EXPECT_EQ(refusal(Kind::Z, 8, Value::of(std::string(""))), "valor vazio não é um número inteiro");
    EXPECT_EQ(refusal(Kind::Z, 8, Value::none()), "valor vazio não é um número inteiro");
    EXPECT_EQ(refusal(Kind::Z, 8, Value::of(std::string("-5"))), "\"-5\" não é um número inteiro");
    EXPECT_EQ(refusal(Kind::Z, 5, Value::of(1234567LL)), "\"1234567\" tem 7 dígitos e o campo tem 5");
    EXPECT_EQ(refusal(Kind::Z, 2, Value::of(-1LL)), "o valor -1 é negativo");
}

TEST(RemessaFields, TextKinds)
{
    // T cuts or fills.
    EXPECT_EQ(formatted(Kind::T, 5, Value::of(std::string("abc"))), "abc  ");
    EXPECT_EQ(formatted(Kind::T, 3, Value::of(std::string("abcdef"))), "abc");
    EXPECT_EQ(formatted(Kind::T, 4, Value::none()), "    ");
    // Widths count characters of the file, so an accented letter is one.
    EXPECT_EQ(formatted(Kind::T, 8, Value::of(std::string("Goiânia"))), "Goi\xE2nia ");
    // A line break inside a stored text must not split the record.
    EXPECT_EQ(formatted(Kind::T, 8, Value::of(std::string("Rua\r\nA"))), "Rua  A  ");
    // A character the code page lacks becomes "?".
    EXPECT_EQ(formatted(Kind::T, 3, Value::of(std::string("a\xE2\x82\xBF" "b"))), "a?b");

    // P fills and never cuts: a longer value is refused.
    EXPECT_EQ(formatted(Kind::P, 10, Value::of(std::string("1234/2"))), "1234/2    ");
    EXPECT_EQ(formatted(Kind::P, 10, Value::of(42LL)), "42        ");
    EXPECT_EQ(refusal(Kind::P, 10, Value::of(std::string("123456789/12"))),
              "\"123456789/12\" tem 12 caracteres e o campo tem 10");

    // R must already have its width.
    EXPECT_EQ(formatted(Kind::R, 3, Value::of(std::string("109"))), "109");
    EXPECT_EQ(formatted(Kind::R, 3, Value::of(341LL)), "341");
    EXPECT_EQ(refusal(Kind::R, 4, Value::of(std::string("123"))), "\"123\" tem 3 caracteres e o campo exige 4");
    EXPECT_EQ(refusal(Kind::R, 2, Value::of(std::string("GOX"))), "\"GOX\" tem 3 caracteres e o campo exige 2");
}

TEST(RemessaFields, PayerDocuments)
{
    const struct {
        const char* stored;
        const char* type400;
        const char* number400;
        const char* type240;
        const char* number240;
        const char* typeCaixa;
    } cases[] = {
        {"123.456.789-09", "01", "00012345678909", "1", "000012345678909", "01"},
        {"12.345.678/0001-90", "02", "12345678000190", "2", "012345678000190", "02"},
        {"1234567890", "02", "1234567890", "2", "01234567890", "02"},
    };
    for (const auto& c : cases) {
        const PayerDocument d400 = payerDocument400(c.stored);
        const PayerDocument d240 = payerDocument240(c.stored);
        const PayerDocument caixa = payerDocumentCaixa400(c.stored);
        EXPECT_EQ(d400.type, c.type400) << c.stored;
        EXPECT_EQ(d400.number, c.number400) << c.stored;
        EXPECT_EQ(d240.type, c.type240) << c.stored;
        EXPECT_EQ(d240.number, c.number240) << c.stored;
        EXPECT_EQ(caixa.type, c.typeCaixa) << c.stored;
        EXPECT_EQ(caixa.number, DigitsOnly(c.stored)) << c.stored;
    }
    // The CNAB 400 number is a P field of 14: ten digits are followed by four blanks.
    EXPECT_EQ(formatted(Kind::P, 14, Value::of(payerDocument400("1234567890").number)), "1234567890    ");
    // In CNAB 240 anything but a CPF or a CNPJ cannot fill its 15 positions.
    EXPECT_THROW(formatted(Kind::R, 15, Value::of(payerDocument240("1234567890").number)), FieldError);
}

constexpr Field kGap[] = {lit(1, 1, "0"), blanks(3, 4)};
constexpr Field kOverlap[] = {lit(1, 2, "01"), blanks(2, 4)};
constexpr Field kBadLiteral[] = {lit(1, 2, "0"), blanks(3, 4)};
constexpr Field kShort[] = {lit(1, 1, "0"), blanks(2, 3)};
constexpr Field kNoSource[] = {lit(1, 1, "0"), field(2, 4, Kind::Z, Source{"x", nullptr})};
constexpr Field kGood[] = {lit(1, 1, "0"), blanks(2, 4)};

TEST(RemessaFields, LayoutCheckFindsGapsOverlapsAndWrongWidths)
{
    for (std::span<const Field> fields : {std::span<const Field>(kGap), std::span<const Field>(kOverlap),
                                          std::span<const Field>(kBadLiteral), std::span<const Field>(kShort),
                                          std::span<const Field>(kNoSource)})
        EXPECT_THROW(verifyLayout(Layout{"teste", 4, fields}), std::logic_error);
    EXPECT_NO_THROW(verifyLayout(Layout{"teste", 4, kGood}));
}

TEST(RemessaFields, EveryRemittanceLayoutIsContiguousAndFull)
{
    const auto layouts = remittanceLayouts();
    EXPECT_EQ(layouts.size(), 6u * 3 + 1 + 2u * 7);
    for (const Layout* l : layouts) {
        EXPECT_TRUE(l->length == 400 || l->length == 240) << l->name;
        EXPECT_NO_THROW(verifyLayout(*l)) << l->name;
    }
}

TEST(RemessaFields, RecordErrorNamesTheFieldAndPositions)
{
    static constexpr Field bad[] = {
        lit(1, 1, "0"),
        field(2, 4, Kind::Z, Source{"COD_X", [](const RecordContext&) { return Value::of(std::string("1A")); }}),
    };
    std::string out = "kept";
    const RecordContext context;
    try {
        appendRecord(out, Layout{"teste", 4, bad}, context);
        FAIL() << "accepted";
    } catch (const RecordFieldError& e) {
        EXPECT_EQ(e.field(), "COD_X");
        EXPECT_EQ(e.first(), 2);
        EXPECT_EQ(e.last(), 4);
        const RecordFieldError placed = e.placed("detalhe", "12/1");
        EXPECT_STREQ(placed.what(), "Remessa não gerada: título 12/1, registro detalhe, campo COD_X "
                                    "(posições 2-4): \"1A\" não é um número inteiro");
    }
    EXPECT_EQ(out, "kept");   // nothing of the refused record is left behind
}

} // namespace
} // namespace fin::cnab
