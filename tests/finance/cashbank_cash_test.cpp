#include "cashbank_support.h"
#include "common/brformat.h"
#include "common/errors.h"
#include "finance/cashbank/movements.h"
#include "finance/cashbank/record.h"
#include "finance/movement_key.h"
#include "tempdb.h"

#include <gtest/gtest.h>

#include <functional>

using namespace fin;
using base::Money;
using data::Statement;
using data::Transaction;
using finance::CashMovementInput;

namespace {

CashMovementInput cashInput(base::Date hoje, const char* valor, const char* historico, const char* complemento = "")
{
    CashMovementInput in;
    in.empresa = QStringLiteral("1");
    in.valor = QString::fromUtf8(valor);
    in.codHistorico = QString::fromUtf8(historico);
    in.complemento = QString::fromUtf8(complemento);
    in.codConta = 1;
    in.hoje = hoje;
    return in;
}

} // namespace

// The demo company has a cash credit of 500,00 yesterday and no balance row.
TEST(CashBook, TheDaysListOpeningBalanceAndTotals)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const base::Date today = test::serverToday(tmp.db());

    const auto opened = finance::loadCashDay(tmp.db());
    EXPECT_EQ(opened.dia, today);
    EXPECT_EQ(opened.saldoInicial, Money::fromUnits(500));
    EXPECT_EQ(opened.totais.saldoInicialText, QStringLiteral("500,00"));
    EXPECT_EQ(opened.dataSaldoText, common::formatDate(today));
    EXPECT_TRUE(opened.movimentos.empty());   // yesterday's movement is not today's
    EXPECT_EQ(opened.totais.saldoAtualText, QStringLiteral("R$ 500,00"));

    // Typed on a workstation whose date is still yesterday: stored with that
    // date, so it is not in today's list, and it moves today's opening balance.
    const auto late = finance::RecordCashMovement(tmp.db(), cashInput(today.addDays(-1), "450,00", "4"));
    EXPECT_EQ(late.mensagem, QStringLiteral("Movimento registrado com sucesso"));
    EXPECT_FALSE(late.listado);
    EXPECT_TRUE(late.dia.movimentos.empty());
    EXPECT_EQ(late.dia.saldoInicial, Money::fromUnits(50));

    const auto credit = finance::RecordCashMovement(tmp.db(), cashInput(today, "100,00", "2", "suprimento do dia"));
    EXPECT_TRUE(credit.listado);
    const auto debit = finance::RecordCashMovement(tmp.db(), cashInput(today, "30,00", "4", "café"));
    EXPECT_TRUE(debit.listado);
    EXPECT_LT(credit.codMovimento, debit.codMovimento);

    const auto& day = debit.dia;
    ASSERT_EQ(day.movimentos.size(), 2u);
    EXPECT_EQ(day.movimentos[0].codMovimento, credit.codMovimento);
    EXPECT_EQ(day.movimentos[0].tipoMovimento, QStringLiteral("Crédito"));
    EXPECT_EQ(day.movimentos[0].valorText, QStringLiteral("100,00"));
    EXPECT_EQ(day.movimentos[0].complemento, QStringLiteral("SUPRIMENTO DO DIA"));
    EXPECT_EQ(day.movimentos[1].tipoMovimento, QStringLiteral("Débito"));
    EXPECT_EQ(day.movimentos[1].complemento, QStringLiteral("CAFÉ"));
    EXPECT_EQ(day.movimentos[1].codMovimentoText,
              QString::fromStdString(debit.codMovimento.date.toDDMMYYYY() + ' ' + debit.codMovimento.time.toHHMMSS()));
    EXPECT_EQ(day.totais.creditoText, QStringLiteral("R$ 100,00"));
    EXPECT_EQ(day.totais.debitoText, QStringLiteral("R$ 30,00"));
    EXPECT_EQ(day.totais.saldoInicialText, QStringLiteral("50,00"));
    EXPECT_EQ(day.totais.saldoAtualText, QStringLiteral("R$ 120,00"));
    EXPECT_EQ(day.totais.saldoAtual, Money::fromUnits(120));

    // The stored row: a hand-typed movement of cash register 1, no user.
    {
        Transaction tx(tmp.db());
        const auto row = Statement(tx, QStringLiteral("SELECT * FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K"))
                             .set(QStringLiteral("K"), debit.codMovimento).queryOne();
        ASSERT_TRUE(row);
        EXPECT_EQ((*row)[QStringLiteral("COD_EMP")].toInt(), 1);
        EXPECT_EQ((*row)[QStringLiteral("COD_CAIXA")].toInt(), 1);
        EXPECT_EQ((*row)[QStringLiteral("COD_HISTORICO")].toInt(), 4);
        EXPECT_EQ((*row)[QStringLiteral("VLR_MOVIMENTO")].toMoney(), Money::fromUnits(30));
        EXPECT_EQ((*row)[QStringLiteral("DATA_MOVIMENTO")].toDate(), today);
        EXPECT_EQ((*row)[QStringLiteral("COD_CONTA")].toInt(), 1);
        EXPECT_EQ((*row)[QStringLiteral("LANC_INDIVIDUAL")].toString(), QStringLiteral("S"));
        EXPECT_TRUE((*row)[QStringLiteral("COD_USUARIO")].isNull());
    }

    // Committed: another workstation opening the window sees the same day.
    data::Database other = tmp.attachAgain();
    const auto seen = finance::loadCashDay(other);
    EXPECT_EQ(seen.movimentos.size(), 2u);
    EXPECT_EQ(seen.totais.saldoAtualText, QStringLiteral("R$ 120,00"));
}

TEST(CashBook, RefusedInputsNameTheirFieldAndWriteNothing)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const base::Date today = test::serverToday(tmp.db());
    const int movements = test::countOf(tmp.db(), QStringLiteral("MOVIMENTO_CAIXA"));

    struct Case {
        std::function<void(CashMovementInput&)> change;
        const char* message;
        QString field;
    };
    namespace f = finance::cashbank_field;
    const std::vector<Case> cases = {
        {[](auto& in) { in.valor = QStringLiteral("0,00"); }, "Valor do movimento tem que ser maior que 0,00", f::kValor},
        {[](auto& in) { in.valor.clear(); }, "Valor do movimento tem que ser maior que 0,00", f::kValor},
        {[](auto& in) { in.valor = QStringLiteral("-5,00"); }, "Valor do movimento tem que ser maior que 0,00", f::kValor},
        {[](auto& in) { in.valor = QStringLiteral("12,345"); }, "Valor do movimento inválido: 12,345", f::kValor},
        {[](auto& in) { in.valor = QStringLiteral("doze"); }, "Valor do movimento inválido: doze", f::kValor},
        {[](auto& in) { in.valor = QStringLiteral("10.000.000.000.000,00"); },
         "Valor do movimento inválido: 10.000.000.000.000,00", f::kValor},
        // With both wrong, the amount is reported first, as the screen always has.
        {[](auto& in) { in.valor = QStringLiteral("0,00"); in.codConta.reset(); },
         "Valor do movimento tem que ser maior que 0,00", f::kValor},
        {[](auto& in) { in.codConta.reset(); }, "Código da conta gerencial é obrigatório", f::kConta},
        {[](auto& in) { in.codConta = 99; }, "Conta gerencial não cadastrada: 99", f::kConta},
        {[](auto& in) { in.codHistorico.clear(); }, "Código do tipo do movimento é obrigatório", f::kHistorico},
        {[](auto& in) { in.codHistorico = QStringLiteral("12"); }, "Tipo do movimento não cadastrado: 12", f::kHistorico},
        {[](auto& in) { in.codHistorico = QStringLiteral("77"); }, "Tipo do movimento não cadastrado: 77", f::kHistorico},
        {[](auto& in) { in.codHistorico = QStringLiteral("4'"); }, "Código inválido: 4'", f::kHistorico},
        {[](auto& in) { in.empresa = QStringLiteral(" "); }, "Código da empresa é obrigatório", f::kEmpresa},
        {[](auto& in) { in.empresa = QStringLiteral("1 OR 1=1"); }, "Código inválido: 1 OR 1=1", f::kEmpresa},
        {[](auto& in) { in.empresa = QStringLiteral("9"); }, "Empresa não cadastrada: 9", f::kEmpresa},
    };
    for (const Case& c : cases) {
        CashMovementInput in = cashInput(today, "10,00", "2");
        c.change(in);
        SCOPED_TRACE(c.message);
        try {
            finance::RecordCashMovement(tmp.db(), in);
            ADD_FAILURE() << "accepted";
        } catch (const common::UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
            EXPECT_EQ(e.field(), c.field);
        }
    }
    EXPECT_EQ(test::countOf(tmp.db(), QStringLiteral("MOVIMENTO_CAIXA")), movements);
    // Refused before anything ran: not even the balance procedure wrote.
    EXPECT_EQ(test::countOf(tmp.db(), QStringLiteral("SALDO_CAIXA")), 0);
}

TEST(CashBook, ALongComplementIsStoredCutAt50)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const QString sixty = QStringLiteral("pagamento de frete à transportadora rápido cerrado ref. 8812");
    ASSERT_EQ(sixty.size(), 60);
    const auto out = finance::RecordCashMovement(
        tmp.db(), cashInput(test::serverToday(tmp.db()), "1.234,56", "4", sixty.toUtf8().constData()));
    const QString stored = test::scalar(tmp.db(), QStringLiteral("SELECT DES_COMPLEMENTO FROM MOVIMENTO_CAIXA "
                                                                 "WHERE DATA_MOVIMENTO = CURRENT_DATE")).toString();
    EXPECT_EQ(stored, sixty.toUpper().left(50));
    ASSERT_EQ(out.dia.movimentos.size(), 1u);
    EXPECT_EQ(out.dia.movimentos[0].complemento, stored);
    EXPECT_EQ(out.dia.movimentos[0].valorText, QStringLiteral("1.234,56"));
    EXPECT_EQ(out.dia.totais.debitoText, QStringLiteral("R$ 1.234,56"));
}

// Rows written by other operations or older programs: only a known history
// code with a direction counts, today and in the opening balance.
TEST(CashBook, OnlyMovementsWithAKnownDirectionCount)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const base::Date today = test::serverToday(tmp.db());
    tmp.db().executeImmediate(QStringLiteral(
        "INSERT INTO HISTORICO_FIN (COD_HISTORICO, DES_HISTORICO, TIP_DEBITO, TIP_BANCO) VALUES (50, 'AJUSTE', 'X', 'N')"));
    int second = 0;
    auto insert = [&](const base::Date& day, std::optional<int> historico, const char* amount) {
        tmp.db().inTransaction([&](Transaction& tx) {
            Statement(tx, QStringLiteral("INSERT INTO MOVIMENTO_CAIXA (COD_EMP, COD_MOVIMENTO, COD_CAIXA, COD_HISTORICO, "
                                         "VLR_MOVIMENTO, DATA_MOVIMENTO) VALUES (1, :K, 1, :H, :V, :D)"))
                .set(QStringLiteral("K"), base::DateTime{day, {1, 0, ++second, 0}})
                .set(QStringLiteral("H"), historico)
                .set(QStringLiteral("V"), *Money::parse(amount))
                .set(QStringLiteral("D"), day)
                .execute();
        });
    };
    for (const base::Date& day : {today.addDays(-2), today}) {
        insert(day, std::nullopt, "1000.00");   // no history code
        insert(day, 99, "1000.00");             // a code missing from HISTORICO_FIN
        insert(day, 50, "1000.00");             // a code whose direction is neither
    }
    // A settlement's movement: not typed by hand, a credit code.
    tmp.db().inTransaction([&](Transaction& tx) {
        finance::CashMovement m;
        m.codHistorico = 3;
        m.valor = *Money::parse("75.10");
        m.data = today;
        m.complemento = QStringLiteral("Recebimento título 3006/1");
        finance::insertWithServerKey(tx, [&](const base::DateTime& k) { finance::insertCashMovement(tx, m, k); });
    });

    const auto day = finance::loadCashDay(tmp.db());
    ASSERT_EQ(day.movimentos.size(), 2u);
    QStringList listed;
    for (const auto& m : day.movimentos)
        listed << m.tipoMovimento + u' ' + m.complemento;
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("Crédito Recebimento título 3006/1"), QStringLiteral("Inexistente ")}));
    EXPECT_EQ(day.saldoInicial, Money::fromUnits(500));   // yesterday's 500,00 only
    EXPECT_EQ(day.totais.creditoText, QStringLiteral("R$ 75,10"));
    EXPECT_EQ(day.totais.debitoText, QStringLiteral("R$ 0,00"));
    EXPECT_EQ(day.totais.saldoAtualText, QStringLiteral("R$ 575,10"));
}

// The procedure's body belongs to the database: one that leaves no row for
// today must still give a usable screen.
TEST(CashBook, WithoutABalanceRowTheOpeningShowsZero)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    tmp.db().executeImmediate(QStringLiteral("ALTER PROCEDURE PRC_ATU_SALDO_CAIXA (COD_USUARIO INTEGER) AS BEGIN EXIT; END"));
    const base::Date today = test::serverToday(tmp.db());
    finance::RecordCashMovement(tmp.db(), cashInput(today, "100,00", "2"));
    const auto out = finance::RecordCashMovement(tmp.db(), cashInput(today, "30,00", "4"));
    EXPECT_FALSE(out.dia.saldoInicial);
    EXPECT_TRUE(out.dia.dataSaldoText.isEmpty());
    EXPECT_EQ(out.dia.totais.saldoInicialText, QStringLiteral("0"));
    EXPECT_EQ(out.dia.totais.saldoAtualText, QStringLiteral("R$ 70,00"));
}

TEST(CashBook, EntryLists)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    tmp.db().executeImmediate(QStringLiteral(
        "INSERT INTO CONTA_CORRENTE (COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, COD_TIP_DOC) "
        "VALUES (2, 237, '0512', '55555', 1)"));
    const auto start = finance::beginCashMovement(tmp.db());
    EXPECT_EQ(start.valor, QStringLiteral("0,00"));
    QStringList historicos;
    for (const auto& h : start.historicos)
        historicos << QString::number(h.codHistorico) + u' ' + h.tipDebito;
    // The cash codes by description: DESPESA, PAGAMENTO, RECEBIMENTO, SANGRIA, SUPRIMENTO.
    EXPECT_EQ(historicos, QStringList({QStringLiteral("4 S"), QStringLiteral("1 S"), QStringLiteral("3 N"),
                                       QStringLiteral("5 S"), QStringLiteral("2 N")}));

    Transaction tx(tmp.db());
    EXPECT_EQ(finance::listBankAccounts(tx).size(), 7u);
    const auto second = finance::listBankAccounts(tx, 2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0], (finance::BankAccount{2, 237, QStringLiteral("0512"), QStringLiteral("55555")}));
    const auto conta = finance::findManagementAccount(tx, 5);
    ASSERT_TRUE(conta);
    EXPECT_EQ(conta->descricao, QStringLiteral("TARIFAS BANCÁRIAS"));
    EXPECT_EQ(conta->desGrupo, QStringLiteral("DESPESAS FINANCEIRAS"));
    EXPECT_FALSE(finance::findManagementAccount(tx, 99));
    EXPECT_EQ(finance::listManagementAccounts(tx).front().descricao, QStringLiteral("APLICAÇÃO FINANCEIRA"));
}
