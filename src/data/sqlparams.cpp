#include "data/sqlparams.h"

namespace fin::data {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

} // namespace

ParsedSql parseNamedParameters(const QString& sql)
{
    ParsedSql out;
    out.sql.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            // Quoted text runs to the matching quote; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = j < n ? j + 1 : n;
            out.sql += sql.mid(i, end - i);
            i = end;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            qsizetype j = sql.indexOf(u'\n', i);
            j = j < 0 ? n : j;
            out.sql += sql.mid(i, j - i);
            i = j;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out.sql += sql.mid(i, j - i);
            i = j;
        } else if (c == u':' && i + 1 < n && sql[i + 1] == u':') {
            out.sql += QStringLiteral("::");
            i += 2;
        } else if (c == u':' && i + 1 < n && isNameStart(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            out.positions << sql.mid(i + 1, j - i - 1).toUpper();
            out.sql += u'?';
            i = j;
        } else {
            out.sql += c;
            ++i;
        }
    }
    return out;
}

} // namespace fin::data
