// The readers on real return files, kept byte for byte as the banks (or
// their libraries) wrote them.

#include "retorno_records.h"

#include <gtest/gtest.h>

using namespace fin::cnab;
using fin::base::Money;
using fin::cnab::test::readSample;
using fin::cnab::test::render;
using fin::cnab::test::RenderedRow;

namespace {

struct Sample {
    std::string path;
    std::vector<ReturnRow> rows;
};

Sample load(int bank, ReturnLayout layout, const std::string& relative)
{
    const std::string bytes = readSample(relative);
    Sample s{"C:\\retorno" + relative, chooseReturnReader(bank, layout).readAll(bytes, "C:\\retorno" + relative)};
    return s;
}

Money total(const std::vector<ReturnRow>& rows, std::optional<Money> ReturnRow::*column)
{
    Money sum;
    for (const auto& row : rows)
        sum += (row.*column).value_or(Money());
    return sum;
}

} // namespace

TEST(ReturnSamples, BradescoWithCheckDigitPAndCreditDateOutsideLiquidation)
{
    const Sample s = load(237, ReturnLayout::Cnab400, "/cnab/400/237/CNAB400BRADESCO.RET");
    ASSERT_EQ(s.rows.size(), 6u);
    const RenderedRow first = {
        {"IDREG", "1"}, {"TP_INSCRICAO", "2"}, {"CNPCPF", "12095870000170"}, {"CARTEIRA", "009"},
        {"AGENCIA", "01467"}, {"CONTA", "0019669"}, {"DIGITO_CONTA", "P"}, {"NOSSO_NUMERO", "00000000030"},
        {"DIGITO_NOSSO_NUMERO", "3"}, {"COD_MOT_OCORRENCIA", "2"}, {"DESC_OCORRENCIA", "ENTRADA CONFIRMADA"},
        {"DT_OCORRENCIA", "2015-05-15"}, {"NUM_DOC", "0030      "}, {"DT_VENCIMENTO", "2015-05-25"},
        {"VALOR_TITULO", "1450.00"}, {"VALOR_DESPESAS", "1.60"}, {"OUTRAS_DESPESAS", "0.00"}, {"IOF", "0.00"},
        {"VALOR_ABATIMENTO", "0.00"}, {"VALOR_DESCONTO", "0.00"}, {"VALOR_PAGO", "1450.00"},
        {"VALOR_JUROS", "0.00"}, {"VALOR_OUTROS_CREDITOS", "0.00"}, {"DADOS_RETORNO", s.path},
    };
    // Occurrence 02 with a date at 296-301: not a credit date.
    EXPECT_EQ(render(s.rows[0]), first);
    EXPECT_EQ(s.rows[0].titleKey, "30");
    EXPECT_EQ(s.rows[1].NOSSO_NUMERO, "51350000004");
    EXPECT_EQ(s.rows[1].DIGITO_NOSSO_NUMERO, "P");
    EXPECT_EQ(s.rows[3].DT_VENCIMENTO->toIso(), "2015-06-12");
    EXPECT_EQ(s.rows[5].COD_MOT_OCORRENCIA, 10);
    EXPECT_EQ(s.rows[5].DESC_OCORRENCIA, "BAIXADO CONFORME INST. DA AGENCIA");
    EXPECT_EQ(s.rows[5].titleKey, "50980000002");
}

TEST(ReturnSamples, ItauWithDueDatesLeftAsZeros)
{
    const Sample s = load(341, ReturnLayout::Cnab400, "/cnab/400/341/CNAB400ITAU.RET");
    ASSERT_EQ(s.rows.size(), 52u);
    int withDueDate = 0;
    for (const auto& row : s.rows) {
        withDueDate += row.DT_VENCIMENTO.has_value();
        EXPECT_EQ(row.DATA_CREDITO.has_value(), row.COD_MOT_OCORRENCIA == 6) << *row.NOSSO_NUMERO;
        EXPECT_FALSE(row.OUTRAS_DESPESAS);
    }
    EXPECT_EQ(withDueDate, 2);
    EXPECT_EQ(total(s.rows, &ReturnRow::VALOR_PAGO).toString(2), "2548.32");
    EXPECT_EQ(total(s.rows, &ReturnRow::VALOR_JUROS).toString(2), "4.36");

    const ReturnRow& writtenOff = s.rows[51];
    EXPECT_EQ(writtenOff.COD_MOT_OCORRENCIA, 9);
    EXPECT_EQ(writtenOff.DESC_OCORRENCIA, "BAIXA SIMPLES");
    EXPECT_EQ(writtenOff.CARTEIRA, "157");
    EXPECT_EQ(writtenOff.DT_VENCIMENTO->toIso(), "2013-05-10");
    EXPECT_EQ(writtenOff.VALOR_DESPESAS->toString(2), "2.10");

    const ReturnRow& withInterest = s.rows[40];
    EXPECT_EQ(withInterest.NOSSO_NUMERO, "00003136");
    EXPECT_EQ(withInterest.VALOR_TITULO->toString(2), "48.75");
    EXPECT_EQ(withInterest.VALOR_PAGO->toString(2), "47.67");
    EXPECT_EQ(withInterest.VALOR_JUROS->toString(2), "1.02");
    EXPECT_EQ(withInterest.DATA_CREDITO->toIso(), "2013-05-21");
    EXPECT_FALSE(withInterest.DT_VENCIMENTO);
}

TEST(ReturnSamples, BancoDoBrasilWithEmptyDueDateAndDocument)
{
    const Sample s = load(1, ReturnLayout::Cnab400, "/cnab/400/001/CBR64310.RET");
    ASSERT_EQ(s.rows.size(), 26u);
    for (const auto& row : s.rows) {
        EXPECT_EQ(row.IDREG, 7);
        EXPECT_EQ(row.CODIGO_CONVENIO, "1622420");
        EXPECT_FALSE(row.DT_VENCIMENTO);
        EXPECT_EQ(row.NUM_DOC, "          ");
        EXPECT_EQ(row.DESC_OCORRENCIA, "Liquidação Normal");
        EXPECT_EQ(row.DATA_CREDITO->toIso(), "2009-01-22");
        EXPECT_EQ(row.VALOR_DESPESAS->toString(2), "5.00");
        EXPECT_FALSE(row.TP_INSCRICAO);
        EXPECT_FALSE(row.DIGITO_NOSSO_NUMERO);
    }
    EXPECT_EQ(total(s.rows, &ReturnRow::VALOR_PAGO).toString(2), "10051.83");
    EXPECT_EQ(s.rows[0].NOSSO_NUMERO, "0000000003");
    EXPECT_EQ(s.rows[0].titleKey, "3");
    EXPECT_EQ(s.rows[0].AGENCIA, "3325");
    EXPECT_EQ(s.rows[0].CONTA, "00028935");
    EXPECT_EQ(s.rows[0].VARIACAO_CARTEIRA, "019");
    EXPECT_EQ(s.rows[0].CARTEIRA, "18");
    EXPECT_EQ(s.rows[0].VALOR_PAGO->toString(2), "90.64");
    EXPECT_EQ(s.rows[25].titleKey, "55");
}

TEST(ReturnSamples, SantanderWithoutLineEndAfterTheTrailer)
{
    const Sample s = load(33, ReturnLayout::Cnab400, "/cnab/400/033/santander.ret");
    ASSERT_EQ(s.rows.size(), 1u);
    const ReturnRow& row = s.rows[0];
    EXPECT_EQ(row.COD_MOT_OCORRENCIA, 2);
    EXPECT_EQ(row.DESC_OCORRENCIA, "ENTRADA CONFIRMADA");
    EXPECT_EQ(row.NOSSO_NUMERO, "0000001");
    EXPECT_EQ(row.NUM_DOC, "         1");
    EXPECT_EQ(row.DT_OCORRENCIA->toIso(), "2016-10-20");
    EXPECT_EQ(row.DT_VENCIMENTO->toIso(), "2016-10-20");
    EXPECT_EQ(row.VALOR_TITULO->toString(2), "100.00");
    EXPECT_FALSE(row.DATA_CREDITO);
    EXPECT_FALSE(row.DIGITO_CONTA);
    EXPECT_FALSE(row.DIGITO_NOSSO_NUMERO);
}

TEST(ReturnSamples, SicoobWithStrippedRecordsGivesOneRowPerPair)
{
    const Sample s = load(756, ReturnLayout::Cnab240, "/cnab/240/756/CNAB240SICOOB.RET");
    ASSERT_EQ(s.rows.size(), 3u);
    const char* numbers[] = {"000000008", "000000011", "000000012"};
    const char* keys[] = {"8", "11", "12"};
    for (std::size_t i = 0; i < 3; ++i) {
        const ReturnRow& row = s.rows[i];
        EXPECT_EQ(row.NOSSO_NUMERO, numbers[i]);
        EXPECT_EQ(row.titleKey, keys[i]);
        EXPECT_EQ(row.COD_MOT_OCORRENCIA, 6);
        EXPECT_EQ(row.DESC_OCORRENCIA, "Liquidação");
        EXPECT_EQ(row.CARTEIRA, "1");
        EXPECT_EQ(row.DT_VENCIMENTO->toIso(), "2015-08-13");
        EXPECT_EQ(row.DT_OCORRENCIA->toIso(), "2015-08-10");
        EXPECT_EQ(row.VALOR_TITULO->toString(2), "2.00");
        EXPECT_EQ(row.VALOR_PAGO->toString(2), "2.00");
        EXPECT_EQ(row.DADOS_RETORNO, s.path);
    }
    EXPECT_EQ(s.rows[1].NUM_DOC, "000000000000012");
}
