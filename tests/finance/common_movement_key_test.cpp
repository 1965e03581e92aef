#include "data/errors.h"
#include "data/statement.h"
#include "finance/movement_key.h"
#include "tempdb.h"

#include <gtest/gtest.h>

using namespace fin;

TEST(ServerKey, ACollidingKeyIsReadAgainAndNothingIsLost)
{
    test::TempDb tmp(test::TempDb::Content::Empty);
    tmp.db().executeImmediate(QStringLiteral("CREATE TABLE K (K TIMESTAMP NOT NULL PRIMARY KEY, N INTEGER)"));
    const auto taken = *base::DateTime::parseIso("2020-01-01T00:00:00");
    tmp.db().inTransaction([&](data::Transaction& tx) {
        data::Statement(tx, QStringLiteral("INSERT INTO K VALUES (:K, 0)")).set(QStringLiteral("K"), taken).execute();
    });

    int calls = 0;
    std::vector<base::DateTime> keys;
    tmp.db().inTransaction([&](data::Transaction& tx) {
        data::Statement ins(tx, QStringLiteral("INSERT INTO K VALUES (:K, :N)"));
        // The first attempt collides (as when another workstation took the same millisecond).
        keys.push_back(finance::insertWithServerKey(tx, [&](const base::DateTime& k) {
            ins.set(QStringLiteral("N"), ++calls).set(QStringLiteral("K"), calls == 1 ? taken : k).execute();
        }));
        // Many rows in a burst all get keys of their own.
        for (int i = 0; i < 20; ++i)
            keys.push_back(finance::insertWithServerKey(tx, [&](const base::DateTime& k) {
                ins.set(QStringLiteral("N"), ++calls).set(QStringLiteral("K"), k).execute();
            }));
    });
    EXPECT_GE(calls, 22);
    data::Transaction tx(tmp.db());
    EXPECT_EQ(data::Statement(tx, QStringLiteral("SELECT COUNT(*) FROM K")).queryOne()->at(0).toInt(), 22);
}
