#include "cashbank_support.h"
#include "data/errors.h"
#include "finance/cashbank/record.h"
#include "tempdb.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using namespace fin;
using namespace std::chrono_literals;
using base::Money;
using data::Transaction;
using finance::Book;

// Every window refreshes the day's balance row when it opens and after each
// movement: two workstations doing so at once must both go on.
TEST(BookConcurrency, AnotherWorkstationRefreshingTheBalanceIsWaitedFor)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    data::Database other = tmp.attachAgain();
    const base::Date today = test::serverToday(tmp.db());

    {
        SCOPED_TRACE("first opening of the day: both insert the day's row");
        Transaction holder(other);
        finance::refreshOpeningBalance(holder, Book::Cash);
        auto opening = std::async(std::launch::async, [&] { return finance::loadCashDay(tmp.db()); });
        std::this_thread::sleep_for(300ms);
        holder.commit();
        EXPECT_EQ(opening.get().saldoInicial, Money::fromUnits(500));
    }
    {
        SCOPED_TRACE("a movement saved while the row is being updated elsewhere");
        Transaction holder(other);
        finance::refreshOpeningBalance(holder, Book::Cash);
        finance::CashMovementInput in;
        in.empresa = QStringLiteral("1");
        in.valor = QStringLiteral("10,00");
        in.codHistorico = QStringLiteral("2");
        in.codConta = 1;
        in.hoje = today;
        auto saving = std::async(std::launch::async, [&] { return finance::RecordCashMovement(tmp.db(), in); });
        std::this_thread::sleep_for(300ms);
        holder.commit();
        const auto out = saving.get();
        EXPECT_TRUE(out.listado);
        EXPECT_EQ(out.dia.totais.saldoAtualText, QStringLiteral("R$ 510,00"));
    }
    // A lock never released: the wait is bounded and the action fails, both
    // on the day's existing row (cash) and on one still being inserted (bank).
    for (const Book book : {Book::Cash, Book::Bank}) {
        SCOPED_TRACE(book == Book::Cash ? "cash: row updated elsewhere" : "bank: row inserted elsewhere");
        auto load = [&] { return book == Book::Cash ? finance::loadCashDay(tmp.db()) : finance::loadBankDay(tmp.db()); };
        Transaction holder(other);
        finance::refreshOpeningBalance(holder, book);
        EXPECT_THROW(load(), data::LockConflictError);
        holder.rollback();
        EXPECT_EQ(load().saldoInicial, Money::fromUnits(book == Book::Cash ? 500 : 15000));
    }
}
