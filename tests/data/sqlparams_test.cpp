#include "data/schema.h"
#include "data/sqlparams.h"

#include <gtest/gtest.h>

using namespace fin::data;

TEST(NamedParameters, ReplacesNamesOutsideQuotesAndComments)
{
    struct Case { const char* in; const char* sql; QStringList names; };
    const Case cases[] = {
        {"SELECT * FROM T WHERE A = :a AND B = :B_2", "SELECT * FROM T WHERE A = ? AND B = ?", {"A", "B_2"}},
        {"UPDATE T SET X = :v WHERE Y = :V", "UPDATE T SET X = ? WHERE Y = ?", {"V", "V"}},
        {"SELECT ':nao' FROM T WHERE N = 'D'':Ouro' AND C = :c", "SELECT ':nao' FROM T WHERE N = 'D'':Ouro' AND C = ?", {"C"}},
        {"SELECT \"A:B\" FROM T -- :x\nWHERE /* :y */ Z = :z", "SELECT \"A:B\" FROM T -- :x\nWHERE /* :y */ Z = ?", {"Z"}},
        {"SELECT 1 FROM T WHERE A = :1", "SELECT 1 FROM T WHERE A = :1", {}},
    };
    for (const auto& c : cases) {
        const ParsedSql p = parseNamedParameters(QString::fromUtf8(c.in));
        EXPECT_EQ(p.sql, QString::fromUtf8(c.sql)) << c.in;
        EXPECT_EQ(p.positions, c.names) << c.in;
    }
}

TEST(SqlScript, SplitsOnTerminatorAndSetTerm)
{
    const QString script = QStringLiteral(
        "-- header comment\nCREATE TABLE A (X INTEGER);\nINSERT INTO A VALUES (1); -- it's fine\n"
        "INSERT INTO B VALUES ('a;b');\nSET TERM ^ ;\nCREATE PROCEDURE P AS BEGIN X = 1; END^\n"
        "SET TERM ; ^\n-- trailing\n");
    const QStringList parts = splitSqlScript(script);
    ASSERT_EQ(parts.size(), 4) << parts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(parts[0].endsWith(QStringLiteral("CREATE TABLE A (X INTEGER)")));
    EXPECT_TRUE(parts[2].endsWith(QStringLiteral("\nINSERT INTO B VALUES ('a;b')")));
    EXPECT_EQ(parts[3], QStringLiteral("CREATE PROCEDURE P AS BEGIN X = 1; END"));
}
