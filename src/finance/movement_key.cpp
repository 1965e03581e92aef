#include "finance/movement_key.h"

#include "data/errors.h"
#include "data/statement.h"
#include "data/timestamp.h"

#include <QThread>

namespace fin::finance {

base::DateTime insertWithServerKey(data::Transaction& tx, const std::function<void(const base::DateTime&)>& insert,
                                   int attempts)
{
    for (int i = 1;; ++i) {
        const base::DateTime key = data::serverTimestamp(tx);
        // A savepoint keeps the failed insert from spoiling the caller's transaction.
        data::Statement(tx, QStringLiteral("SAVEPOINT FIN_CHAVE")).execute();
        try {
            insert(key);
            data::Statement(tx, QStringLiteral("RELEASE SAVEPOINT FIN_CHAVE")).execute();
            return key;
        } catch (const data::UniqueViolationError&) {
            data::Statement(tx, QStringLiteral("ROLLBACK TO SAVEPOINT FIN_CHAVE")).execute();
            if (i >= attempts)
                throw;
            QThread::msleep(1);
        }
    }
}

} // namespace fin::finance
