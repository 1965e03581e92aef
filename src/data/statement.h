#pragma once

#include "data/value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace fin::data {

class Transaction;

// Column names of a result, shared by its rows.
struct Columns {
    QStringList names;             // as the engine names them (alias first)
    QHash<QString, int> index;     // upper-cased name -> position
};

class Row {
public:
    Row(std::shared_ptr<const Columns> columns, std::vector<Value> values);
    // The value of a column by name (case-insensitive); throws on an unknown name.
    const Value& operator[](const QString& name) const;
    const Value& at(int i) const { return m_values.at(static_cast<std::size_t>(i)); }
    bool has(const QString& name) const;
    int size() const { return static_cast<int>(m_values.size()); }
    const Columns& columns() const { return *m_columns; }

private:
    std::shared_ptr<const Columns> m_columns;
    std::vector<Value> m_values;
};

using Rows = std::vector<Row>;

// One prepared SQL statement with :NAME parameters. Values are always bound,
// never spliced into the text. May be executed several times.
class Statement {
public:
    Statement(Transaction& tx, const QString& sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Binds every occurrence of :name; throws when the statement has none.
    Statement& set(const QString& name, const Value& value);
    QStringList parameterNames() const;

    // Runs the statement; returns the rows it inserted, updated or deleted.
    std::int64_t execute();
    // Runs a query (or a procedure with outputs) and fetches every row.
    Rows query();
    std::optional<Row> queryOne();

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace fin::data
