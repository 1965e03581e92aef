#pragma once

#include "data/database.h"

#include <QTemporaryDir>

#include <memory>

namespace fin::test {

// A fresh embedded database file in its own temporary folder, removed with it.
class TempDb {
public:
    enum class Content { Empty, Schema, Demo };
    explicit TempDb(Content content = Content::Schema);

    data::Database& db() { return m_db; }
    const QString& path() const { return m_path; }
    data::ConnectionParams params() const;
    // A second attachment to the same file (another workstation).
    data::Database attachAgain() const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    data::Database m_db;
};

} // namespace fin::test
