#include "data/schema.h"

#include "data/database.h"
#include "data/errors.h"
#include "data/statement.h"

#include <QFile>
#include <QRegularExpression>

namespace fin::data {

namespace {

bool onlyComments(const QString& sql)
{
    static const QRegularExpression kComments(QStringLiteral("--[^\\n]*|/\\*.*?\\*/"),
                                              QRegularExpression::DotMatchesEverythingOption);
    QString s = sql;
    s.remove(kComments);
    return s.trimmed().isEmpty();
}

void runScript(Database& db, const QString& name, bool oneTransaction)
{
    const QStringList statements = splitSqlScript(schemaScript(name));
    if (!oneTransaction) {
        // DDL must be committed before the next statement can use it.
        for (const QString& sql : statements) {
            try {
                db.executeImmediate(sql);
            } catch (const DbError& e) {
                throw DbError(QStringLiteral("%1: %2\n%3").arg(name, e.message(), sql.left(200)), e.codes(), e.sqlCode());
            }
        }
        return;
    }
    db.inTransaction([&](Transaction& tx) {
        for (const QString& sql : statements) {
            try {
                Statement(tx, sql).execute();
            } catch (const DbError& e) {
                throw DbError(QStringLiteral("%1: %2\n%3").arg(name, e.message(), sql.left(200)), e.codes(), e.sqlCode());
            }
        }
    });
}

} // namespace

QStringList splitSqlScript(const QString& script)
{
    QStringList out;
    QString terminator = QStringLiteral(";");
    QString current;
    bool inQuote = false;
    QChar quote;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (inQuote) {
            current += c;
            if (c == quote)
                inQuote = false;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            inQuote = true;
            quote = c;
            current += c;
            continue;
        }
        if (c == u'-' && i + 1 < n && script[i + 1] == u'-') {
            const qsizetype end = script.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            current += script.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (script.mid(i, terminator.size()) == terminator) {
            const QString stmt = current.trimmed();
            current.clear();
            i += terminator.size() - 1;
            static const QRegularExpression kSetTerm(QStringLiteral("^SET\\s+TERM\\s+(\\S+)\\s*$"),
                                                     QRegularExpression::CaseInsensitiveOption);
            // The comment lines before SET TERM belong to no statement.
            QString bare = stmt;
            bare.remove(QRegularExpression(QStringLiteral("--[^\\n]*")));
            const auto m = kSetTerm.match(bare.trimmed());
            if (m.hasMatch()) {
                terminator = m.captured(1);
                continue;
            }
            if (!onlyComments(stmt))
                out << stmt;
            continue;
        }
        current += c;
    }
    if (!onlyComments(current))
        out << current.trimmed();
    return out;
}

QStringList schemaScriptNames()
{
    return {QStringLiteral("01_tables.sql"), QStringLiteral("02_indexes.sql"), QStringLiteral("03_procedures.sql"),
            QStringLiteral("04_reference.sql")};
}

QString schemaScript(const QString& name)
{
    QFile f(QStringLiteral(":/schema/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Script do esquema não encontrado: %1").arg(name));
    return QString::fromUtf8(f.readAll());
}

void installSchema(Database& db, bool demo)
{
    for (const QString& name : schemaScriptNames())
        runScript(db, name, name == QStringLiteral("04_reference.sql"));
    if (demo)
        installDemoData(db);
}

void installDemoData(Database& db)
{
    runScript(db, QStringLiteral("demo.sql"), true);
}

} // namespace fin::data
