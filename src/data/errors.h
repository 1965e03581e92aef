#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

namespace fin::data {

// An error reported by the database engine (or by this layer while talking
// to it). Carries the engine's error codes, its SQLCODE and its message.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, std::vector<long> codes = {}, int sqlCode = 0);

    const QString& message() const { return m_message; }
    // Engine error codes (ISC_STATUS values), primary code first.
    const std::vector<long>& codes() const { return m_codes; }
    long primaryCode() const { return m_codes.empty() ? 0 : m_codes.front(); }
    bool hasCode(long code) const;
    int sqlCode() const { return m_sqlCode; }

private:
    QString m_message;
    std::vector<long> m_codes;
    int m_sqlCode = 0;
};

// Another transaction changed or locked the row (update conflict, deadlock,
// or the lock wait ran out of time).
class LockConflictError : public DbError {
public:
    using DbError::DbError;
};

// A unique or primary key refused a duplicate.
class UniqueViolationError : public DbError {
public:
    using DbError::DbError;
};

// The database could not be reached or opened (missing file, host down).
class ConnectionError : public DbError {
public:
    using DbError::DbError;
};

} // namespace fin::data
