#pragma once

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <cstdint>
#include <variant>

namespace fin::data {

// One typed SQL value. Null reads as 0, an empty text or a null date, as the
// screens of the system expect.
class Value {
public:
    using Variant = std::variant<std::monostate, std::int32_t, std::int64_t, base::Money, QString, base::Date,
                                 base::DateTime, base::TimeOfDay>;

    Value() = default;
    Value(std::int32_t v) : m_v(v) {}
    Value(std::int64_t v) : m_v(v) {}
    Value(base::Money v) : m_v(v) {}
    Value(const QString& v) : m_v(v) {}
    Value(const char* v) : m_v(QString::fromUtf8(v)) {}
    // A null date is stored as SQL null.
    Value(base::Date v);
    Value(base::DateTime v) : m_v(v) {}
    Value(base::TimeOfDay v) : m_v(v) {}
    template <class T>
    Value(const std::optional<T>& v) : Value(v ? Value(*v) : Value())
    {
    }

    static Value null() { return {}; }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }
    const Variant& variant() const { return m_v; }

    std::int32_t toInt() const;
    std::int64_t toInt64() const;
    base::Money toMoney() const;
    // Texts as stored; numbers and dates as plain text (point decimals, ISO dates).
    QString toString() const;
    base::Date toDate() const;
    base::DateTime toDateTime() const;

    bool operator==(const Value& o) const { return m_v == o.m_v; }

private:
    Variant m_v;
};

} // namespace fin::data
