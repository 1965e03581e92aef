// Field conversions and line handling shared by every return reader: the
// dates, amounts and codes as banks really write them, the line endings, and
// the errors that name the line and the field.

#include "cnab/retorno/record.h"
#include "retorno_records.h"

#include <gtest/gtest.h>

using namespace fin::cnab;
using fin::cnab::detail::LineCursor;
using fin::cnab::detail::Record;
using fin::cnab::test::readSample;
using fin::cnab::test::readWith;
using fin::cnab::test::render;

namespace {

std::string dateText(const std::optional<fin::base::Date>& d)
{
    return d ? d->toIso() : "empty";
}

// The message of the error a call throws, or "no error".
template <class F>
std::string errorOf(F&& f)
{
    try {
        f();
    } catch (const ReturnFileError& e) {
        return e.what();
    }
    return "no error";
}

std::vector<std::string> lines(std::string_view bytes)
{
    LineCursor cursor(bytes);
    std::vector<std::string> out;
    std::string_view line;
    while (cursor.next(line))
        out.push_back(std::to_string(cursor.lineNumber()) + ":" + std::string(line));
    return out;
}

} // namespace

TEST(ReturnFields, SixDigitDatesAreInThisCenturyAndZerosOrBlanksAreEmpty)
{
    struct Case { const char* digits; const char* expected; };
    const Case cases[] = {
        {"150515", "2015-05-15"},
        {"311299", "2099-12-31"},   // 99 is 2099, not 1999
        {"290200", "2000-02-29"},
        {"000000", "empty"},
        {"      ", "empty"},
        {"290201", "error"},        // no 29 February in 2001
        {"320115", "error"},
        {"151315", "error"},
        {"15 515", "error"},
        {"000   ", "error"},        // neither all zeros nor all blanks
        {"1505AB", "error"},
    };
    for (const auto& c : cases) {
        const std::string line = std::string("1") + c.digits;
        const Record record(line, 4);
        std::string got;
        try {
            got = dateText(record.date6(2, "DT_OCORRENCIA"));
        } catch (const ReturnFileError& e) {
            got = "error";
            EXPECT_EQ(e.line(), 4);
            EXPECT_EQ(e.field(), "DT_OCORRENCIA");
        }
        EXPECT_EQ(got, c.expected) << c.digits;
    }
}

TEST(ReturnFields, EightDigitDatesIgnoreTheCentury)
{
    struct Case { const char* digits; const char* expected; };
    const Case cases[] = {
        {"05032012", "2012-03-05"},
        {"15031999", "2099-03-15"},   // the century digits are not read
        {"00000000", "empty"},
        {"        ", "empty"},
        {"31042012", "error"},
    };
    for (const auto& c : cases) {
        const Record record(c.digits, 1);
        std::string got;
        try {
            got = dateText(record.date8(1, "DT_VENCIMENTO"));
        } catch (const ReturnFileError&) {
            got = "error";
        }
        EXPECT_EQ(got, c.expected) << c.digits;
    }
}

TEST(ReturnFields, AmountsHoldCentsAndIntegersAllowLeadingBlanks)
{
    const Record record("0000000012345|   0000001234|0000000012x35|999999999999999| 6|6 |  |", 7);
    EXPECT_EQ(record.amount(1, 13, "VALOR_PAGO")->toString(2), "123.45");
    EXPECT_EQ(record.amount(15, 27, "VALOR_PAGO")->toString(2), "12.34");
    EXPECT_EQ(errorOf([&] { record.amount(29, 41, "VALOR_PAGO"); }),
              "Linha 7, campo VALOR_PAGO (posições 29-41): valor inválido \"0000000012x35\"");
    EXPECT_EQ(record.amount(43, 57, "VALOR_TITULO")->toString(2), "9999999999999.99");
    EXPECT_FALSE(record.amount(200, 212, "VALOR_JUROS"));   // past the end: blanks
    EXPECT_EQ(record.requiredInteger(59, 60, "COD_MOT_OCORRENCIA"), 6);
    EXPECT_EQ(errorOf([&] { record.integer(62, 63, "COD_MOT_OCORRENCIA"); }),
              "Linha 7, campo COD_MOT_OCORRENCIA (posições 62-63): número inválido \"6 \"");
    EXPECT_FALSE(record.integer(65, 66, "TP_INSCRICAO"));
    EXPECT_EQ(errorOf([&] { record.requiredInteger(65, 66, "COD_MOT_OCORRENCIA"); }),
              "Linha 7, campo COD_MOT_OCORRENCIA (posições 65-66): campo vazio \"  \"");
}

TEST(ReturnFields, TitleKeysDropLeadingZerosAsTextAndRefuseOtherCharacters)
{
    const Record record("00001234|000000000000000000000123456789012|0000|    |  0042  |00A12", 2);
    EXPECT_EQ(record.titleKey(1, 8, "NOSSO_NUMERO"), "1234");
    EXPECT_EQ(record.titleKey(10, 42, "NOSSO_NUMERO"), "123456789012");
    EXPECT_EQ(record.titleKey(44, 47, "NOSSO_NUMERO"), "0");
    EXPECT_EQ(record.titleKey(49, 52, "NOSSO_NUMERO"), "");
    EXPECT_EQ(record.titleKey(54, 61, "NOSSO_NUMERO"), "42");
    EXPECT_EQ(errorOf([&] { record.titleKey(63, 67, "NOSSO_NUMERO"); }),
              "Linha 2, campo NOSSO_NUMERO (posições 63-67): número inválido \"00A12\"");
    EXPECT_EQ(bankTitleKey("00001234"), "1234");
    EXPECT_EQ(bankTitleKey(" 000 "), "0");
}

TEST(ReturnFields, TextsPastTheEndOfAShortLineAreBlanks)
{
    const Record record("1ABC", 1);
    EXPECT_EQ(record.text(2, 6), "ABC  ");
    EXPECT_EQ(record.text(10, 12), "   ");
    EXPECT_EQ(record.at(0), ' ');
}

TEST(ReturnFields, LinesEndInLfCrLfOrCrAndBlankLinesArePassedOver)
{
    EXPECT_EQ(lines("a\r\nb\nc\rd"), (std::vector<std::string>{"1:a", "2:b", "3:c", "4:d"}));
    EXPECT_EQ(lines("a\r\n\r\n   \r\nb\r\n\x1a"), (std::vector<std::string>{"1:a", "4:b"}));
    EXPECT_EQ(lines("a\r\r\nb"), (std::vector<std::string>{"1:a", "3:b"}));
    EXPECT_TRUE(lines("").empty());
}

TEST(ReturnFields, LineEndingsAndStrippedBlanksDoNotChangeWhatIsRead)
{
    const std::string original = readSample("/cnab/400/237/CNAB400BRADESCO.RET");
    const auto reference = readWith(readBradesco400, original);
    ASSERT_EQ(reference.size(), 6u);

    const auto replaceAll = [](std::string s, std::string_view from, std::string_view to) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
        return s;
    };
    const std::string lf = replaceAll(original, "\r\n", "\n");
    std::string stripped;   // every line without its trailing blanks
    for (const auto& line : lines(lf)) {
        std::string text = line.substr(line.find(':') + 1);
        text.erase(text.find_last_not_of(' ') + 1);
        stripped += text + "\n";
    }
    const std::string variants[] = {
        lf,
        replaceAll(original, "\r\n", "\r"),
        original.substr(0, original.size() - 2),   // no end after the trailer
        replaceAll(original, "\r\n", "\r\n\r\n"),  // blank lines between records
        stripped,
    };
    for (const auto& bytes : variants) {
        const auto rows = readWith(readBradesco400, bytes);
        ASSERT_EQ(rows.size(), reference.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(render(rows[i]), render(reference[i])) << "row " << i;
    }
}

TEST(ReturnFields, AFileThatCannotBeReadNamesTheLineAndTheField)
{
    const std::string sample = readSample("/cnab/400/237/CNAB400BRADESCO.RET");
    const auto withChange = [&](int line, int position, std::string_view text) {
        std::string bytes = sample;
        std::size_t at = 0;
        for (int i = 1; i < line; ++i)
            at = bytes.find('\n', at) + 1;
        bytes.replace(at + static_cast<std::size_t>(position - 1), text.size(), text);
        return bytes;
    };
    struct Case { int line; int position; const char* text; const char* field; };
    const Case cases[] = {
        {3, 260, "x", "VALOR_PAGO"},
        {4, 111, "320515", "DT_OCORRENCIA"},
        {5, 147, "12 615", "DT_VENCIMENTO"},
        {2, 75, "A", "NOSSO_NUMERO"},
        {6, 109, "  ", "COD_MOT_OCORRENCIA"},
        {7, 2, "0X", "TP_INSCRICAO"},
        {8, 1, "X", "IDREG"},   // the trailer's record type
    };
    for (const auto& c : cases) {
        try {
            readWith(readBradesco400, withChange(c.line, c.position, c.text));
            ADD_FAILURE() << c.field << " read without error";
        } catch (const ReturnFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.field;
            EXPECT_EQ(e.field(), c.field);
            EXPECT_NE(std::string(e.what()).find("Linha " + std::to_string(c.line) + ", campo " + c.field),
                      std::string::npos)
                << e.what();
        }
    }
}

TEST(ReturnFields, RowsReceivedBeforeAnErrorAreTheOnesBeforeItsLine)
{
    std::string bytes = readSample("/cnab/400/237/CNAB400BRADESCO.RET");
    const std::size_t fourth = bytes.find("\r\n1", bytes.find("\r\n1", bytes.find("\r\n1") + 1) + 1) + 2;
    bytes[fourth + 253] = '?';   // VALOR_PAGO of the record on line 4
    std::vector<ReturnRow> received;
    const ReaderChoice bradesco{readBradesco400, {}};
    EXPECT_THROW(bradesco.read(bytes, "x", [&](ReturnRow&& r) { received.push_back(r); }), ReturnFileError);
    EXPECT_EQ(received.size(), 2u);
}

TEST(ReturnFields, LongTextsAreCutToTheColumnWidthInCharacters)
{
    EXPECT_EQ(cutToWidth("ÇÃOÉ", 2), "ÇÃ");
    EXPECT_EQ(cutToWidth("abc", 3), "abc");
    EXPECT_EQ(cutToWidth("abc", 0), "");
    const std::string longPath = "  C:\\" + std::string(100, 'p') + "  ";
    std::string record(400, '0');
    record[0] = '1';
    record.replace(108, 2, "06");
    record.replace(116, 10, "          ");
    const auto rows = readWith(readItau400, record, longPath);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(*rows[0].DADOS_RETORNO, "C:\\" + std::string(77, 'p'));
}
