#include "data/timestamp.h"

#include "data/statement.h"

namespace fin::data {

base::DateTime serverTimestamp(Transaction& tx)
{
    Statement q(tx, QStringLiteral("SELECT current_timestamp AS datahora FROM RDB$DATABASE"));
    return q.queryOne()->operator[](QStringLiteral("datahora")).toDateTime();
}

} // namespace fin::data
