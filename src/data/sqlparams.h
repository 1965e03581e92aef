#pragma once

#include <QString>
#include <QStringList>

namespace fin::data {

// SQL with :NAME parameters turned into positional markers. Names are
// upper-cased (binding is case-insensitive); a name may occur several times.
// Quoted text ('...' and "..."), comments and "::" are left alone.
struct ParsedSql {
    QString sql;            // the statement with '?' in place of each :NAME
    QStringList positions;  // the name of each '?', in order
};

ParsedSql parseNamedParameters(const QString& sql);

} // namespace fin::data
