#pragma once

#include <memory>

namespace fin::data {

class Database;

// Read committed, record version, waiting on locks for the connection's lock
// time-out. Rolls back when destroyed unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void commit();
    void rollback();
    bool isActive() const;
    Database& database() const { return m_db; }

    struct Impl;
    Impl& impl() const { return *m_impl; }

private:
    Database& m_db;
    std::unique_ptr<Impl> m_impl;
};

} // namespace fin::data
