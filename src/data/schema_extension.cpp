#include "data/schema_extension.h"

#include "data/database.h"
#include "data/statement.h"

namespace fin::data {

namespace {

int count(Database& db, const QString& sql, const QString& table, const QString& column = {})
{
    Transaction tx(db);
    Statement q(tx, sql);
    q.set(QStringLiteral("TABELA"), table);
    if (!column.isNull())
        q.set(QStringLiteral("CAMPO"), column);
    return q.queryOne()->operator[](QStringLiteral("QTDE")).toInt();
}

} // namespace

bool verifica_tabela(Database& db, const QString& table)
{
    return count(db, QStringLiteral("SELECT COUNT(*) \"QTDE\" FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = :TABELA"), table) <= 0;
}

bool verifica_campotabela(Database& db, const QString& table, const QString& column)
{
    return count(db, QStringLiteral("SELECT COUNT(*) \"QTDE\" FROM RDB$RELATION_FIELDS "
                                    "WHERE (RDB$RELATION_NAME = :TABELA) AND (RDB$FIELD_NAME = :CAMPO)"),
                 table, column) <= 0;
}

QStringList criar_tabela_campos(Database& db)
{
    QStringList run;
    auto exec = [&](const QString& sql) {
        db.executeImmediate(sql);
        run << sql;
    };
    const QString table = QStringLiteral("NOMEDATABELA");
    if (verifica_tabela(db, table))
        exec(QStringLiteral("create table NOMEDATABELA(id integer)"));
    if (verifica_campotabela(db, table, QStringLiteral("NOMECAMPO")))
        exec(QStringLiteral("alter table NOMEDATABELA add NOMECAMPO varchar(20)"));
    if (verifica_campotabela(db, table, QStringLiteral("NOMECAMPO2")))
        exec(QStringLiteral("alter table NOMEDATABELA add nomecampo2 varchar(10)"));
    return run;
}

} // namespace fin::data
