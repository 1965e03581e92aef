#include "finance/cashbank/day.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace fin;
using base::Money;
using finance::DayMovement;

namespace {

DayMovement row(const char* tipDebito, const char* amount)
{
    DayMovement m;
    m.tipDebito = QString::fromUtf8(tipDebito);
    m.valor = *Money::parse(amount);
    return m;
}

std::optional<Money> money(const char* amount)
{
    return Money::parse(amount);
}

} // namespace

TEST(AtuDebCred, TotalsAndTheirTexts)
{
    struct Case {
        const char* name;
        std::vector<DayMovement> rows;
        std::optional<Money> opening;
        const char* credito;
        const char* debito;
        const char* saldo;
        const char* saldoInicial;
    };
    std::vector<DayMovement> cents(1000, row("N", "0.01"));
    cents.push_back(row("S", "0.03"));
    const std::vector<Case> cases = {
        {"credit 100, debit 30, opening 50", {row("N", "100.00"), row("S", "30.00")}, money("50.00"),
         "R$ 100,00", "R$ 30,00", "R$ 120,00", "50,00"},
        {"no balance row: opening shows 0", {row("N", "100.00"), row("S", "30.00")}, std::nullopt,
         "R$ 100,00", "R$ 30,00", "R$ 70,00", "0"},
        {"a balance row of zero", {}, money("0"), "R$ 0,00", "R$ 0,00", "R$ 0,00", "0,00"},
        {"directions other than S and N count in no total",
         {row("N", "10.00"), row("X", "999.00"), row("", "999.00"), row("s", "999.00"), row("n", "999.00")},
         money("1.00"), "R$ 10,00", "R$ 0,00", "R$ 11,00", "1,00"},
        {"a thousand cents add up exactly", cents, std::nullopt, "R$ 10,00", "R$ 0,03", "R$ 9,97", "0"},
        {"below zero", {row("S", "30.50")}, money("10.00"), "R$ 0,00", "R$ 30,50", "-R$ 20,50", "10,00"},
        {"past twelve digits, still exact", {row("N", "0.01")}, money("9999999999999.98"),
         "R$ 0,01", "R$ 0,00", "R$ 9.999.999.999.999,99", "9.999.999.999.999,98"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto t = finance::AtuDebCred(c.rows, c.opening);
        EXPECT_EQ(t.creditoText, QString::fromUtf8(c.credito));
        EXPECT_EQ(t.debitoText, QString::fromUtf8(c.debito));
        EXPECT_EQ(t.saldoAtualText, QString::fromUtf8(c.saldo));
        EXPECT_EQ(t.saldoInicialText, QString::fromUtf8(c.saldoInicial));
        EXPECT_EQ(t.saldoAtual, c.opening.value_or(Money()) + t.credito - t.debito);
    }
}

TEST(AtuDebCred, DirectionLabels)
{
    EXPECT_EQ(finance::tipoMovimentoLabel(QStringLiteral("S")), QStringLiteral("Débito"));
    EXPECT_EQ(finance::tipoMovimentoLabel(QStringLiteral("N")), QStringLiteral("Crédito"));
    for (const char* other : {"", "X", "s", "n", "SN"})
        EXPECT_EQ(finance::tipoMovimentoLabel(QString::fromUtf8(other)), QStringLiteral("Inexistente")) << other;
}
