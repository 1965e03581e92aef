#pragma once

#include <QString>

#include <memory>

namespace fin::data {

// How to reach and open one database.
struct ConnectionParams {
    QString database;        // "/x/y.fdb" (embedded) or "host:/x/y.fdb" (server)
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("pirulitos");
    QString role;            // empty: none
    int dialect = 3;
    QString charset = QStringLiteral("UTF8");   // the connection character set
    int lockTimeoutSeconds = 10;                 // how long a write waits for a lock
};

class Transaction;

// One attachment to a database. Not copyable; detaches when destroyed.
class Database {
public:
    // Creates a new database file (dialect 3, the given default character
    // set) and stays attached to it.
    static Database create(const ConnectionParams& params, const QString& defaultCharset = QStringLiteral("WIN1252"));
    static Database attach(const ConnectionParams& params);

    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    ~Database();

    void detach();
    bool isAttached() const;
    const ConnectionParams& params() const;

    // Runs one statement without parameters (DDL, scripts) in its own
    // committed transaction.
    void executeImmediate(const QString& sql);

    // Runs `action(tx)` in a new transaction and commits it when the action
    // returns; an exception rolls everything back. One user action, one call.
    template <class F>
    auto inTransaction(F&& action);

    struct Impl;
    Impl& impl() const { return *m_impl; }

private:
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace fin::data

#include "data/transaction.h"

namespace fin::data {

template <class F>
auto Database::inTransaction(F&& action)
{
    Transaction tx(*this);
    if constexpr (std::is_void_v<decltype(action(tx))>) {
        action(tx);
        tx.commit();
    } else {
        auto result = action(tx);
        tx.commit();
        return result;
    }
}

} // namespace fin::data
