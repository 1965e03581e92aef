// The banks' occurrence tables and the choice of reader by bank and layout.

#include "retorno_records.h"

#include <gtest/gtest.h>

using namespace fin::cnab;
using fin::cnab::test::RecordBuilder;

namespace {

constexpr auto k400 = ReturnLayout::Cnab400;
constexpr auto k240 = ReturnLayout::Cnab240;

} // namespace

TEST(ReturnOccurrences, TablesKeepTheBanksTextsToTheCharacter)
{
    struct Case { int bank; ReturnLayout layout; int code; std::string_view text; };
    const Case cases[] = {
        {237, k400, 17, "Liquidação após baixa ou Título não registrado"},
        {237, k400, 28, "Débito de tarifas/custas"},
        {341, k400, 4, "ALTERAÇÃO DE DADOS – NOVA ENTRADA OU ALTERAÇÃO/EXCLUSÃO DE DADOS ACATADA"},   // en dash
        {341, k400, 62, "DÉBITO MENSAL DE TARIFA – AVISO DE MOVIMENTAÇÃO DE TÍTULOS (2154)"},
        {341, k400, 93, "TARIFA MENSAL DE EXCLUSÃO DE NEGATIVAÇÃO EXPRESSA POR LIQUIDAÇÃO"},
        {341, k400, 83, "CONFIRMAÇÃO DE EXCLUSÃO DE ENTRADA EM NEGATIVAÇÃO EXPRESSA POR LIQUIDAÇÃO – TARIFA"},
        {1, k400, 72, "Alteração de tipo de cobrança "},   // trailing blank
        {1, k400, 3, "Comando recusado (Motivo indicado na posição 087/088)"},
        {1, k400, 98, "Débito de Custas Antecipadas"},
        {33, k400, 1, "TÍTULO NÃO EXISTE"},
        {33, k400, 26, "Sustar Protesto"},
        {756, k240, 19, " Confirmação Recebimento Instrução de Protesto"},   // leading blank
        {756, k240, 38, "Confirmação de alteração do Prazo Limite de Recebimento (a data deve ser"},
        {756, k240, 43, "Confirmação da alteração dos dados do Pagadorr/Avalista"},
        {756, k240, 86, "Confirmação de cancelamento do Protesto"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(occurrenceText(c.bank, c.layout, c.code), c.text) << c.bank << " " << c.code;
}

TEST(ReturnOccurrences, CodesWithoutAnEntryHaveNoText)
{
    struct Case { int bank; ReturnLayout layout; int code; };
    const Case cases[] = {
        {237, k400, 1}, {237, k400, 99}, {341, k400, 22}, {341, k400, 0}, {1, k400, 4},
        {33, k400, 5}, {756, k240, 1}, {756, k240, 16}, {756, k400, 6}, {237, k240, 6}, {399, k400, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(occurrenceText(c.bank, c.layout, c.code), "") << c.bank << " " << c.code;
}

TEST(ReturnOccurrences, RowsGetTheTextCutTo80CharactersOrNothing)
{
    const auto itauRow = [](std::string_view code) {
        const std::string record = RecordBuilder(400, '0').put(1, 1, "1").put(109, 110, code).str();
        return fin::cnab::test::readWith(readItau400, record).at(0);
    };
    // 85 and 86 characters in the table; the column holds 80.
    EXPECT_EQ(itauRow("18").DESC_OCORRENCIA,
              "COBRANÇA CONTRATUAL – INSTRUÇÕES/ALTERAÇÕES REJEITADAS/PENDENTES (NOTA 20 – TABE");
    EXPECT_EQ(itauRow("73").DESC_OCORRENCIA,
              "CONFIRMAÇÃO DE ENTRADA NA COBRANÇA SIMPLES – ENTRADA NÃO ACEITA NA COBRANÇA CONT");
    const ReturnRow unknown = itauRow("22");
    EXPECT_EQ(unknown.DESC_OCORRENCIA, "");
    EXPECT_EQ(unknown.COD_MOT_OCORRENCIA, 22);
}

TEST(ReturnOccurrences, ReaderChosenByBankCodeAndLayout)
{
    struct Case { int bank; ReturnLayout layout; ReturnReaderFn reader; std::string_view message; };
    const Case cases[] = {
        {341, k400, readItau400, ""},
        {237, k400, readBradesco400, ""},
        {33, k400, readSantander400, ""},
        {1, k400, readBancoDoBrasil400, ""},
        {104, k400, nullptr, "Banco não implementado"},
        {756, k400, nullptr, "Banco não implementado"},
        {399, k400, nullptr, ""},
        {0, k400, nullptr, ""},
        {756, k240, readSicoob240, ""},
        {237, k240, nullptr, "Banco não implementado, para CNAB 240"},
        {341, k240, nullptr, "Banco não implementado, para CNAB 240"},
        {104, k240, nullptr, "Banco não implementado, para CNAB 240"},
        {1, k240, nullptr, "Banco não implementado, para CNAB 240"},
        {33, k240, nullptr, "Banco nao implementado"},
        {399, k240, nullptr, ""},
    };
    for (const auto& c : cases) {
        const ReaderChoice choice = chooseReturnReader(c.bank, c.layout);
        EXPECT_EQ(choice.reader, c.reader) << c.bank;
        EXPECT_EQ(choice.message, c.message) << c.bank;
    }
    // A bank without a reader reads nothing.
    EXPECT_TRUE(chooseReturnReader(104, k400).readAll("1", "x").empty());
}

TEST(ReturnOccurrences, ColumnListFollowsTheReturnTable)
{
    EXPECT_EQ(kReturnColumns.front().name, "IDREG");
    EXPECT_EQ(kReturnColumns[7].name, "NOSSO_NUMERO");
    EXPECT_EQ(kReturnColumns[27].name, "DESC_OCORRENCIA");
    EXPECT_EQ(kReturnColumns[27].width, 80);
    EXPECT_EQ(kReturnColumns.back().name, "VARIACAO_CARTEIRA");
    // The walk visits the members in the same order as the list.
    ReturnRow row;
    row.NOSSO_NUMERO = "1";
    row.VARIACAO_CARTEIRA = "019";
    std::vector<std::string_view> filled;
    forEachColumn(row, [&](const ReturnColumn& column, const auto& value) {
        if (value)
            filled.push_back(column.name);
    });
    EXPECT_EQ(filled, (std::vector<std::string_view>{"NOSSO_NUMERO", "VARIACAO_CARTEIRA"}));
}
