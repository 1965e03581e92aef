#pragma once

#include "base/date.h"
#include "data/database.h"
#include "data/statement.h"

#include <QString>

namespace fin::test {

inline data::Value scalar(data::Database& db, const QString& sql)
{
    data::Transaction tx(db);
    return data::Statement(tx, sql).queryOne()->at(0);
}

inline int countOf(data::Database& db, const QString& table)
{
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

inline base::Date serverToday(data::Database& db)
{
    return scalar(db, QStringLiteral("SELECT CURRENT_DATE FROM RDB$DATABASE")).toDate();
}

} // namespace fin::test
