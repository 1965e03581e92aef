#include "data/errors.h"
#include "data/statement.h"
#include "data/timestamp.h"
#include "tempdb.h"

#include <gtest/gtest.h>

using namespace fin;
using namespace fin::data;
using fin::base::Money;

namespace {

struct StatementTest : ::testing::Test {
    test::TempDb tmp{test::TempDb::Content::Empty};
    Database& db = tmp.db();

    void SetUp() override
    {
        db.executeImmediate(QStringLiteral("CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, V NUMERIC(15,2), "
                                           "S VARCHAR(80), C CHAR(6), D DATE, TS TIMESTAMP, BIG BIGINT)"));
    }

    Value readOne(const QString& column, int id = 1)
    {
        Transaction tx(db);
        Statement q(tx, QStringLiteral("SELECT %1 AS R FROM T WHERE ID = :id").arg(column));
        return q.set(QStringLiteral("id"), id).queryOne()->operator[](QStringLiteral("r"));
    }
};

} // namespace

TEST_F(StatementTest, NumericRoundTripsExactly)
{
    struct Case { const char* in; const char* stored; };
    const Case cases[] = {{"0.57", "0.57"}, {"9999999999999.99", "9999999999999.99"}, {"-0.10", "-0.10"},
                          {"-0.125", "-0.13"}, {"0.125", "0.13"}, {"1.234", "1.23"}};
    int id = 0;
    db.inTransaction([&](Transaction& tx) {
        Statement ins(tx, QStringLiteral("INSERT INTO T (ID, V) VALUES (:ID, :V)"));
        for (const auto& c : cases)
            ins.set(QStringLiteral("id"), ++id).set(QStringLiteral("v"), *Money::parse(c.in)).execute();
    });
    id = 0;
    for (const auto& c : cases) {
        const Value v = readOne(QStringLiteral("V"), ++id);
        ASSERT_TRUE(std::holds_alternative<Money>(v.variant())) << c.in;
        EXPECT_EQ(v.toMoney().toString(2), c.stored) << c.in;
        EXPECT_EQ(v.toMoney(), *Money::parse(c.stored)) << c.in;
    }
}

TEST_F(StatementTest, TextDatesAndNullsRoundTrip)
{
    const QString text = QStringLiteral("Ação – São João D'Ouro ç é ü €");
    const auto ts = base::DateTime::parseIso("2026-12-11T08:15:30.123");
    db.inTransaction([&](Transaction& tx) {
        Statement(tx, QStringLiteral("INSERT INTO T (ID, S, C, D, TS, BIG) VALUES (:id, :s, :c, :d, :ts, :big)"))
            .set(QStringLiteral("id"), 1)
            .set(QStringLiteral("S"), text)
            .set(QStringLiteral("c"), QStringLiteral("ab"))
            .set(QStringLiteral("d"), base::Date::fromYmd(2012, 3, 5))
            .set(QStringLiteral("ts"), *ts)
            .set(QStringLiteral("big"), std::int64_t(12345678901LL))
            .execute();
        Statement(tx, QStringLiteral("INSERT INTO T (ID, S, D) VALUES (2, :s, :d)"))
            .set(QStringLiteral("s"), Value())
            .set(QStringLiteral("d"), base::Date())
            .execute();
    });
    EXPECT_EQ(readOne(QStringLiteral("S")).toString(), text);
    EXPECT_EQ(readOne(QStringLiteral("C")).toString(), QStringLiteral("ab    "));   // CHAR keeps its blanks
    EXPECT_EQ(readOne(QStringLiteral("D")).toDate(), base::Date::fromYmd(2012, 3, 5));
    EXPECT_EQ(readOne(QStringLiteral("TS")).toDateTime(), *ts);
    EXPECT_EQ(readOne(QStringLiteral("BIG")).toInt64(), 12345678901LL);
    EXPECT_TRUE(readOne(QStringLiteral("S"), 2).isNull());
    EXPECT_TRUE(readOne(QStringLiteral("D"), 2).isNull());
    EXPECT_EQ(readOne(QStringLiteral("V"), 2).toMoney(), Money());   // null reads as 0

    // A quote in a value is data, never SQL.
    Transaction tx(db);
    Statement q(tx, QStringLiteral("SELECT COUNT(*) AS N FROM T WHERE S = :s"));
    EXPECT_EQ(q.set(QStringLiteral("s"), QStringLiteral("x' OR '1'='1")).queryOne()->operator[](QStringLiteral("N")).toInt(), 0);
}

TEST_F(StatementTest, TransactionsAreAllOrNothing)
{
    {
        Transaction tx(db);
        Statement(tx, QStringLiteral("INSERT INTO T (ID) VALUES (1)")).execute();
        // Not committed: rolled back when it goes out of scope.
    }
    EXPECT_THROW(db.inTransaction([&](Transaction& tx) {
        Statement(tx, QStringLiteral("INSERT INTO T (ID) VALUES (2)")).execute();
        throw std::runtime_error("falha no meio da ação");
    }), std::runtime_error);
    Transaction tx(db);
    EXPECT_EQ(Statement(tx, QStringLiteral("SELECT COUNT(*) AS N FROM T")).queryOne()->operator[](QStringLiteral("N")).toInt(), 0);
}

TEST_F(StatementTest, RowsAffectedAndErrorTypes)
{
    db.inTransaction([&](Transaction& tx) {
        Statement ins(tx, QStringLiteral("INSERT INTO T (ID, V) VALUES (:id, 1)"));
        for (int i = 1; i <= 3; ++i)
            ins.set(QStringLiteral("id"), i).execute();
        EXPECT_EQ(Statement(tx, QStringLiteral("UPDATE T SET V = 2 WHERE ID >= :id")).set(QStringLiteral("id"), 2).execute(), 2);
    });

    // A duplicate key is its own error type.
    EXPECT_THROW(db.inTransaction([&](Transaction& tx) { Statement(tx, QStringLiteral("INSERT INTO T (ID) VALUES (1)")).execute(); }),
                 UniqueViolationError);

    // Two workstations updating one row: the second gets the conflict type
    // once the first commits, or when its lock wait runs out.
    Database other = tmp.attachAgain();
    Transaction first(db);
    Statement(first, QStringLiteral("UPDATE T SET V = 5 WHERE ID = 1")).execute();
    Transaction second(other);
    EXPECT_THROW(Statement(second, QStringLiteral("UPDATE T SET V = 6 WHERE ID = 1")).execute(), LockConflictError);
    first.commit();

    // Engine errors keep their codes and message; unknown names are refused.
    try {
        Transaction tx(db);
        Statement(tx, QStringLiteral("SELECT NOPE FROM T")).query();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_FALSE(e.codes().empty());
        EXPECT_TRUE(e.message().contains(QStringLiteral("NOPE")));
    }
    Transaction tx(db);
    Statement q(tx, QStringLiteral("SELECT ID FROM T WHERE ID = :id"));
    EXPECT_THROW(q.set(QStringLiteral("other"), 1), DbError);
    EXPECT_THROW(q.query(), DbError);   // :id never given
}

TEST_F(StatementTest, ServerTimestampReadsInTheCallersTransaction)
{
    Transaction tx(db);
    const base::DateTime a = serverTimestamp(tx);
    EXPECT_GE(a.date.year(), 2024);
    Statement(tx, QStringLiteral("INSERT INTO T (ID, TS) VALUES (1, :ts)")).set(QStringLiteral("ts"), a).execute();
    EXPECT_EQ(Statement(tx, QStringLiteral("SELECT TS FROM T WHERE ID = 1")).queryOne()->operator[](QStringLiteral("TS")).toDateTime(), a);
}

TEST(Database, OpeningFailuresAreConnectionErrors)
{
    ConnectionParams p;
    p.database = QStringLiteral("/nonexistent/folder/x.fdb");
    EXPECT_THROW(Database::attach(p), ConnectionError);
    p.database.clear();
    EXPECT_THROW(Database::attach(p), ConnectionError);
}
