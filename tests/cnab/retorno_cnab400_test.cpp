// The four CNAB 400 readers on hand-built records: every field of each
// bank's layout, and the credit-date and due-date rules.

#include "retorno_records.h"

#include <gtest/gtest.h>

using namespace fin::cnab;
using fin::cnab::test::RecordBuilder;
using fin::cnab::test::render;
using fin::cnab::test::RenderedRow;
using fin::cnab::test::readWith;

namespace {

constexpr const char* kPath = "  C:\\Retornos\\CB150515.RET  ";
constexpr const char* kTrimmedPath = "C:\\Retornos\\CB150515.RET";

const std::string kHeader = RecordBuilder(400).put(1, 9, "02RETORNO").str();
const std::string kTrailer = RecordBuilder(400).put(1, 1, "9").str();

std::string file(std::initializer_list<std::string> details)
{
    std::string out = kHeader + "\r\n";
    for (const auto& d : details)
        out += d + "\r\n";
    return out + kTrailer + "\r\n";
}

RenderedRow readOne(ReturnReaderFn reader, const std::string& detail)
{
    const auto rows = readWith(reader, file({detail}), kPath);
    if (rows.size() != 1)
        throw std::runtime_error("expected one row, got " + std::to_string(rows.size()));
    return render(rows.front());
}

// Amounts: face 125.90, fee 1.60, other expenses 2.00, IOF 0.38, abatement
// 5.00, discount 6.00, paid 127.35, interest 1.45, other credits 0.07. Every
// position a bank does not read holds a value that would show if it did.
RecordBuilder amounts400()
{
    RecordBuilder b(400);
    b.put(153, 165, "0000000012590")
        .put(176, 188, "0000000000160")
        .put(189, 201, "0000000000200")
        .put(202, 214, "0000000000000")
        .put(215, 227, "0000000000038")
        .put(228, 240, "0000000000500")
        .put(241, 253, "0000000000600")
        .put(254, 266, "0000000012735")
        .put(267, 279, "0000000000145")
        .put(280, 292, "0000000000007")
        .put(395, 400, "000002");
    return b;
}

std::string bradesco(std::string_view occurrence, std::string_view due = "250515")
{
    return amounts400()
        .put(1, 3, "102")
        .put(4, 17, "12345678000190")
        .put(18, 21, "0000")
        .put(22, 24, "009")
        .put(25, 29, "01467")
        .put(30, 36, "0019669")
        .put(37, 37, "8")
        .put(38, 62, "CONTROLE PARTICIPANTE    ")
        .put(71, 81, "00000012345")
        .put(82, 82, "P")
        .put(109, 110, occurrence)
        .put(111, 116, "150515")
        .put(117, 126, "4711/02   ")
        .put(147, 152, due)
        .put(296, 301, "160515")
        .str();
}

std::string itau(std::string_view occurrence, std::string_view due = "250515")
{
    return amounts400()
        .put(1, 3, "102")
        .put(4, 17, "16733872000107")
        .put(18, 21, "0730")
        .put(22, 23, "00")
        .put(24, 28, "03511")
        .put(29, 29, "0")
        .put(63, 70, "00003136")
        .put(83, 85, "109")
        .put(86, 93, "00003136")
        .put(94, 94, "6")
        .put(109, 110, occurrence)
        .put(111, 116, "200513")
        .put(117, 126, "0000002068")
        .put(147, 152, due)
        .put(296, 301, "210513")
        .str();
}

std::string bancoDoBrasil(std::string_view occurrence, char type = '7', std::string_view due = "250109")
{
    return amounts400()
        .put(1, 1, std::string(1, type))
        .put(2, 3, "02")
        .put(18, 21, "3325")
        .put(22, 22, "1")
        .put(23, 30, "00028935")
        .put(31, 31, "X")
        .put(32, 38, "1622420")
        .put(39, 52, "12345678000190")
        .put(64, 70, "1622420")
        .put(71, 80, "0000000031")
        .put(81, 81, "1")
        .put(92, 94, "019")
        .put(107, 108, "18")
        .put(109, 110, occurrence)
        .put(111, 116, "200109")
        .put(117, 126, "NF 0815   ")
        .put(147, 152, due)
        .put(176, 181, "220109")
        .put(182, 188, "0000150")
        .put(202, 214, "0000000000300")
        .put(241, 253, "0000000000999")
        .str();
}

std::string santander(std::string_view occurrence, std::string_view due = "201016")
{
    return amounts400()
        .put(1, 3, "102")
        .put(4, 17, "12345678000190")
        .put(18, 21, "4321")
        .put(22, 29, "13000456")
        .put(30, 30, "7")
        .put(37, 37, "9")
        .put(63, 69, "0001234")
        .put(70, 70, "9")
        .put(82, 82, "5")
        .put(108, 108, "5")
        .put(109, 110, occurrence)
        .put(111, 116, "211016")
        .put(117, 126, "000000815 ")
        .put(147, 152, due)
        .put(296, 301, "241016")
        .str();
}

} // namespace

TEST(Retorno400, BradescoReadsEveryFieldOfItsLayout)
{
    const RenderedRow expected = {
        {"IDREG", "1"}, {"TP_INSCRICAO", "2"}, {"CNPCPF", "12345678000190"}, {"CARTEIRA", "009"},
        {"AGENCIA", "01467"}, {"CONTA", "0019669"}, {"DIGITO_CONTA", "8"}, {"NOSSO_NUMERO", "00000012345"},
        {"DIGITO_NOSSO_NUMERO", "P"}, {"COD_MOT_OCORRENCIA", "6"}, {"DESC_OCORRENCIA", "LIQUIDAÇÃO NORMAL"},
        {"DT_OCORRENCIA", "2015-05-15"}, {"NUM_DOC", "4711/02   "}, {"DT_VENCIMENTO", "2015-05-25"},
        {"VALOR_TITULO", "125.90"}, {"VALOR_DESPESAS", "1.60"}, {"OUTRAS_DESPESAS", "2.00"}, {"IOF", "0.38"},
        {"VALOR_ABATIMENTO", "5.00"}, {"VALOR_DESCONTO", "6.00"}, {"VALOR_PAGO", "127.35"},
        {"VALOR_JUROS", "1.45"}, {"VALOR_OUTROS_CREDITOS", "0.07"}, {"DATA_CREDITO", "2015-05-16"},
        {"DADOS_RETORNO", kTrimmedPath},
    };
    EXPECT_EQ(readOne(readBradesco400, bradesco("06")), expected);
}

TEST(Retorno400, ItauReadsEveryFieldOfItsLayoutButOtherExpenses)
{
    const RenderedRow expected = {
        {"IDREG", "1"}, {"TP_INSCRICAO", "2"}, {"CNPCPF", "16733872000107"}, {"AGENCIA", "0730"},
        {"CONTA", "03511"}, {"DIGITO_CONTA", "0"}, {"NOSSO_NUMERO", "00003136"}, {"CARTEIRA", "109"},
        {"DIGITO_NOSSO_NUMERO", "6"}, {"COD_MOT_OCORRENCIA", "6"}, {"DESC_OCORRENCIA", "LIQUIDAÇÃO NORMAL"},
        {"DT_OCORRENCIA", "2013-05-20"}, {"NUM_DOC", "0000002068"}, {"DT_VENCIMENTO", "2015-05-25"},
        {"VALOR_TITULO", "125.90"}, {"VALOR_DESPESAS", "1.60"}, {"IOF", "0.38"}, {"VALOR_ABATIMENTO", "5.00"},
        {"VALOR_DESCONTO", "6.00"}, {"VALOR_PAGO", "127.35"}, {"VALOR_JUROS", "1.45"},
        {"VALOR_OUTROS_CREDITOS", "0.07"}, {"DATA_CREDITO", "2013-05-21"}, {"DADOS_RETORNO", kTrimmedPath},
    };
    EXPECT_EQ(readOne(readItau400, itau("06")), expected);
}

TEST(Retorno400, BancoDoBrasilReadsDetailType7WithItsAgreementFields)
{
    const RenderedRow expected = {
        {"IDREG", "7"}, {"AGENCIA", "3325"}, {"CONTA", "00028935"}, {"DIGITO_CONTA", "X"},
        {"CODIGO_CONVENIO", "1622420"}, {"CNPCPF", "12345678000190"}, {"NOSSO_NUMERO", "0000000031"},
        {"TIPO_COBRANCA", "1"}, {"VARIACAO_CARTEIRA", "019"}, {"CARTEIRA", "18"}, {"COD_MOT_OCORRENCIA", "6"},
        {"DESC_OCORRENCIA", "Liquidação Normal"}, {"DATA_CREDITO", "2009-01-22"}, {"DT_OCORRENCIA", "2009-01-20"},
        {"NUM_DOC", "NF 0815   "}, {"DT_VENCIMENTO", "2009-01-25"}, {"VALOR_TITULO", "125.90"},
        {"VALOR_DESPESAS", "1.50"},   // 7 digits at 182-188, not 13
        {"OUTRAS_DESPESAS", "2.00"}, {"VALOR_DESCONTO", "3.00"}, {"IOF", "0.38"}, {"VALOR_ABATIMENTO", "5.00"},
        {"VALOR_PAGO", "127.35"}, {"VALOR_JUROS", "1.45"}, {"VALOR_OUTROS_CREDITOS", "0.07"},
        {"DADOS_RETORNO", kTrimmedPath},
    };
    EXPECT_EQ(readOne(readBancoDoBrasil400, bancoDoBrasil("06")), expected);
}

TEST(Retorno400, SantanderReadsInterestAt267AndNoCheckDigits)
{
    // As in Santander's own files: zeros at 202-214 even when the payment
    // carried interest, the interest at 267-279.
    const RenderedRow expected = {
        {"IDREG", "1"}, {"TP_INSCRICAO", "2"}, {"CNPCPF", "12345678000190"}, {"AGENCIA", "4321"},
        {"CONTA", "13000456"}, {"NOSSO_NUMERO", "0001234"}, {"CARTEIRA", "5"}, {"COD_MOT_OCORRENCIA", "6"},
        {"DESC_OCORRENCIA", "LIQUIDAÇÃO NORMAL"}, {"DT_OCORRENCIA", "2016-10-21"}, {"NUM_DOC", "000000815 "},
        {"DT_VENCIMENTO", "2016-10-20"}, {"VALOR_TITULO", "125.90"}, {"VALOR_DESPESAS", "1.60"},
        {"OUTRAS_DESPESAS", "2.00"}, {"IOF", "0.38"}, {"VALOR_ABATIMENTO", "5.00"}, {"VALOR_DESCONTO", "6.00"},
        {"VALOR_PAGO", "127.35"}, {"VALOR_JUROS", "1.45"}, {"VALOR_OUTROS_CREDITOS", "0.07"},
        {"DATA_CREDITO", "2016-10-24"}, {"DADOS_RETORNO", kTrimmedPath},
    };
    EXPECT_EQ(readOne(readSantander400, santander("06")), expected);
}

TEST(Retorno400, CreditDateAndDueDateFollowEachBanksOccurrenceCodes)
{
    struct Case {
        const char* name;
        ReturnReaderFn reader;
        std::string record;
        const char* due;      // "" = empty
        const char* credit;   // "" = empty
    };
    const Case cases[] = {
        {"Bradesco 15 has a credit date", readBradesco400, bradesco("15"), "2015-05-25", "2015-05-16"},
        {"Bradesco 02 has none though 296-301 is filled", readBradesco400, bradesco("02"), "2015-05-25", ""},
        {"Bradesco 17: occurrence date as due date", readBradesco400, bradesco("17", "000000"), "2015-05-15", ""},
        // The bank leaves the due date as zeros: an empty date, not an error.
        {"Bradesco 06 with zeros as due date", readBradesco400, bradesco("06", "000000"), "", "2015-05-16"},
        {"Itaú 08 has a credit date", readItau400, itau("08"), "2015-05-25", "2013-05-21"},
        {"Itaú 15 has none", readItau400, itau("15"), "2015-05-25", ""},
        {"Itaú 17 keeps the due date", readItau400, itau("17"), "2015-05-25", ""},
        {"Itaú due date left blank", readItau400, itau("06", "      "), "", "2013-05-21"},
        {"BB 05: occurrence date as due date", readBancoDoBrasil400, bancoDoBrasil("05", '7', "      "),
         "2009-01-20", "2009-01-22"},
        {"BB 07 has a credit date", readBancoDoBrasil400, bancoDoBrasil("07"), "2009-01-25", "2009-01-22"},
        {"BB 08 has a credit date", readBancoDoBrasil400, bancoDoBrasil("08"), "2009-01-25", "2009-01-22"},
        {"BB 15 has a credit date", readBancoDoBrasil400, bancoDoBrasil("15"), "2009-01-25", "2009-01-22"},
        {"BB 02 has none", readBancoDoBrasil400, bancoDoBrasil("02"), "2009-01-25", ""},
        {"Santander 16: occurrence date as due date", readSantander400, santander("16", "000000"), "2016-10-21",
         ""},
        {"Santander 17 has a credit date", readSantander400, santander("17"), "2016-10-20", "2016-10-24"},
        {"Santander 15 has none", readSantander400, santander("15"), "2016-10-20", ""},
    };
    for (const auto& c : cases) {
        const RenderedRow row = readOne(c.reader, c.record);
        const auto value = [&](const char* column) {
            const auto it = row.find(column);
            return it == row.end() ? std::string() : it->second;
        };
        EXPECT_EQ(value("DT_VENCIMENTO"), c.due) << c.name;
        EXPECT_EQ(value("DATA_CREDITO"), c.credit) << c.name;
    }
}

TEST(Retorno400, BlankBeforeTheOccurrenceDigitGivesTheTextButNoCreditDate)
{
    struct Case {
        ReturnReaderFn reader;
        std::string record;
        const char* text;
    };
    const Case cases[] = {
        {readBradesco400, bradesco(" 6"), "LIQUIDAÇÃO NORMAL"},
        {readItau400, itau(" 6"), "LIQUIDAÇÃO NORMAL"},
        {readBancoDoBrasil400, bancoDoBrasil(" 6"), "Liquidação Normal"},
        {readSantander400, santander(" 6"), "LIQUIDAÇÃO NORMAL"},
    };
    for (const auto& c : cases) {
        const RenderedRow row = readOne(c.reader, c.record);
        EXPECT_EQ(row.at("COD_MOT_OCORRENCIA"), "6") << c.text;
        EXPECT_EQ(row.at("DESC_OCORRENCIA"), c.text);
        EXPECT_EQ(row.count("DATA_CREDITO"), 0u) << c.text;
    }
}

TEST(Retorno400, EachReaderTakesOnlyItsDetailType)
{
    // A Banco do Brasil file of type-1 details (the layout of other banks)
    // gives no rows, and the type-1 readers pass over type-7 details.
    EXPECT_TRUE(readWith(readBancoDoBrasil400, file({bancoDoBrasil("06", '1')})).empty());
    EXPECT_TRUE(readWith(readBradesco400, file({bancoDoBrasil("06", '7')})).empty());
    // Header and trailer alone: nothing, and no error.
    EXPECT_TRUE(readWith(readItau400, file({})).empty());
    EXPECT_TRUE(readWith(readItau400, "").empty());
}

TEST(Retorno400, RowsComeInFileOrderWithTheirTitleKeys)
{
    std::string second = bradesco("02");
    second.replace(70, 11, "12345678901");   // beyond a 32-bit integer
    std::string third = bradesco("09");
    third.replace(70, 11, "00000000000");
    const auto rows = readWith(readBradesco400, file({bradesco("06"), second, third}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].COD_MOT_OCORRENCIA, 6);
    EXPECT_EQ(rows[0].titleKey, "12345");
    EXPECT_EQ(rows[1].COD_MOT_OCORRENCIA, 2);
    EXPECT_EQ(rows[1].NOSSO_NUMERO, "12345678901");
    EXPECT_EQ(rows[1].titleKey, "12345678901");
    EXPECT_EQ(rows[2].titleKey, "0");
    EXPECT_EQ(rows[2].DESC_OCORRENCIA, "BAIXADO AUTOMATICAMENTE");
}

TEST(Retorno400, WindowsAccentsInTextFieldsBecomeUtf8)
{
    std::string record = bradesco("06");
    record.replace(116, 10, "JO\xC3O-\xC7\xE3 12");   // Windows-1252 bytes
    const auto rows = readWith(readBradesco400, file({record}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].NUM_DOC, "JOÃO-Çã 12");
}
