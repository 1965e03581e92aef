#include "cashbank_support.h"
#include "common/errors.h"
#include "data/errors.h"
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
using finance::BankAccount;
using finance::BankMovementInput;

namespace {

BankMovementInput bankInput(base::Date hoje, const BankAccount& conta, const char* valor, const char* historico)
{
    BankMovementInput in;
    in.empresa = QStringLiteral("1");
    in.valor = QString::fromUtf8(valor);
    in.codHistorico = QString::fromUtf8(historico);
    in.codConta = 5;
    in.contaCorrente = conta;
    in.hoje = hoje;
    return in;
}

} // namespace

// The demo company deposited 15.000,00 yesterday and has six accounts.
TEST(BankBook, TwoAccountsAddIntoTheSameTotalsAndASettlementShowsAsDebit)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const base::Date today = test::serverToday(tmp.db());

    const auto start = finance::beginBankMovement(tmp.db());
    EXPECT_EQ(start.valor, QStringLiteral("0,00"));
    ASSERT_EQ(start.empresas.size(), 1u);
    EXPECT_EQ(start.empresas[0].razaoSocial, QStringLiteral("Distribuidora Horizonte Ltda"));
    QStringList historicos;
    for (const auto& h : start.historicos)
        historicos << QString::number(h.codHistorico) + u' ' + h.descricao;
    // Only the bank codes, by description.
    EXPECT_EQ(historicos, QStringList({QStringLiteral("11 CRÉDITO DE COBRANÇA"), QStringLiteral("10 DEPÓSITO"),
                                       QStringLiteral("12 PAGAMENTO BANCÁRIO"), QStringLiteral("13 TARIFA BANCÁRIA")}));
    QStringList contas;
    for (const auto& c : start.contas)
        contas << c.codContaCorrente;
    EXPECT_EQ(contas, QStringList({QStringLiteral("00001234"), QStringLiteral("0098765"), QStringLiteral("12345"),
                                   QStringLiteral("13000456"), QStringLiteral("45678"), QStringLiteral("987654")}));

    const BankAccount itau = start.contas[2];
    const BankAccount bradesco = start.contas[1];
    const auto first = finance::RecordBankMovement(tmp.db(), bankInput(today, itau, "100,00", "10"));
    EXPECT_EQ(first.mensagem, QStringLiteral("Movimento registrado com sucesso"));
    finance::RecordBankMovement(tmp.db(), bankInput(today, bradesco, "250,00", "11"));

    // A payable paid from the bank, as the settlement writes it.
    tmp.db().inTransaction([&](Transaction& tx) {
        finance::BankMovement m;
        m.codBanco = bradesco.codBanco;
        m.codAgencia = bradesco.codAgencia;
        m.codContaCorrente = bradesco.codContaCorrente;
        m.codHistorico = 12;
        m.valor = *Money::parse("40.00");
        m.data = today;
        m.complemento = QStringLiteral("Pagamento título 10231/1");
        finance::insertWithServerKey(tx, [&](const base::DateTime& k) { finance::insertBankMovement(tx, m, k); });
    });

    const auto day = finance::loadBankDay(tmp.db());
    ASSERT_EQ(day.movimentos.size(), 3u);
    EXPECT_EQ(day.movimentos[2].complemento, QStringLiteral("Pagamento título 10231/1"));
    EXPECT_EQ(day.movimentos[2].tipoMovimento, QStringLiteral("Débito"));
    EXPECT_EQ(day.totais.saldoInicialText, QStringLiteral("15.000,00"));
    EXPECT_EQ(day.totais.creditoText, QStringLiteral("R$ 350,00"));
    EXPECT_EQ(day.totais.debitoText, QStringLiteral("R$ 40,00"));
    EXPECT_EQ(day.totais.saldoAtualText, QStringLiteral("R$ 15.310,00"));

    // The movement names the account chosen, not the first of the list.
    Transaction tx(tmp.db());
    const auto row = Statement(tx, QStringLiteral("SELECT * FROM MOVIMENTO_BANCO WHERE COD_MOVIMENTO = :K"))
                         .set(QStringLiteral("K"), first.codMovimento).queryOne();
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[QStringLiteral("COD_BANCO")].toInt(), 341);
    EXPECT_EQ((*row)[QStringLiteral("COD_AGENCIA")].toString(), QStringLiteral("0801"));
    EXPECT_EQ((*row)[QStringLiteral("COD_CONTA_CORRENTE")].toString(), QStringLiteral("12345"));
    EXPECT_EQ((*row)[QStringLiteral("COD_CONTA")].toInt(), 5);
    EXPECT_EQ((*row)[QStringLiteral("LANC_INDIVIDUAL")].toString(), QStringLiteral("S"));
    EXPECT_EQ((*row)[QStringLiteral("DATA_MOVIMENTO")].toDate(), today);
    // The cash book is another book.
    EXPECT_TRUE(finance::loadCashDay(tmp.db()).movimentos.empty());
}

TEST(BankBook, RefusedInputsWriteNothingAndAFailureUndoesTheMovement)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const base::Date today = test::serverToday(tmp.db());
    tmp.db().executeImmediate(QStringLiteral(
        "INSERT INTO CONTA_CORRENTE (COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, COD_TIP_DOC) "
        "VALUES (1, 1, '12345678901', '777', 1)"));
    const BankAccount itau{1, 341, QStringLiteral("0801"), QStringLiteral("12345")};
    const int movements = test::countOf(tmp.db(), QStringLiteral("MOVIMENTO_BANCO"));

    struct Case {
        std::function<void(BankMovementInput&)> change;
        const char* message;
        QString field;
    };
    namespace f = finance::cashbank_field;
    const std::vector<Case> cases = {
        {[](auto& in) { in.contaCorrente.reset(); }, "Conta corrente é obrigatória", f::kContaCorrente},
        {[](auto& in) { in.contaCorrente->codContaCorrente.clear(); }, "Conta corrente é obrigatória", f::kContaCorrente},
        {[](auto& in) { in.contaCorrente->codContaCorrente = QStringLiteral("99999"); },
         "Conta corrente não cadastrada: 99999", f::kContaCorrente},
        {[](auto& in) { in.contaCorrente->codAgencia = QStringLiteral("0512"); },   // another bank's agency
         "Conta corrente não cadastrada: 12345", f::kContaCorrente},
        {[](auto& in) { in.contaCorrente = BankAccount{1, 1, QStringLiteral("12345678901"), QStringLiteral("777")}; },
         "Código da agência com mais de 10 caracteres: 12345678901", f::kContaCorrente},
        {[](auto& in) { in.codHistorico = QStringLiteral("2"); }, "Tipo do movimento não cadastrado: 2", f::kHistorico},
        {[](auto& in) { in.codHistorico.clear(); }, "Código do tipo do movimento é obrigatório", f::kHistorico},
        {[](auto& in) { in.valor = QStringLiteral("0,00"); }, "Valor do movimento tem que ser maior que 0,00", f::kValor},
        {[](auto& in) { in.codConta.reset(); }, "Código da conta gerencial é obrigatório", f::kConta},
        {[](auto& in) { in.empresa = QStringLiteral("x"); }, "Código inválido: x", f::kEmpresa},
    };
    for (const Case& c : cases) {
        BankMovementInput in = bankInput(today, itau, "10,00", "10");
        c.change(in);
        SCOPED_TRACE(c.message);
        try {
            finance::RecordBankMovement(tmp.db(), in);
            ADD_FAILURE() << "accepted";
        } catch (const common::UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
            EXPECT_EQ(e.field(), c.field);
        }
    }
    EXPECT_EQ(test::countOf(tmp.db(), QStringLiteral("MOVIMENTO_BANCO")), movements);
    EXPECT_EQ(test::countOf(tmp.db(), QStringLiteral("SALDO_BANCO")), 0);

    // A failure after the insert (here the balance refresh) takes the movement back with it.
    tmp.db().executeImmediate(QStringLiteral("CREATE EXCEPTION E_SALDO 'saldo indisponível'"));
    tmp.db().executeImmediate(QStringLiteral(
        "ALTER PROCEDURE PRC_ATU_SALDO_BANCO (COD_USUARIO INTEGER) AS BEGIN EXCEPTION E_SALDO; END"));
    EXPECT_THROW(finance::RecordBankMovement(tmp.db(), bankInput(today, itau, "10,00", "10")), data::DbError);
    EXPECT_EQ(test::countOf(tmp.db(), QStringLiteral("MOVIMENTO_BANCO")), movements);
}
