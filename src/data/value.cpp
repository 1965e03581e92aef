#include "data/value.h"

#include "data/errors.h"

namespace fin::data {

namespace {

[[noreturn]] void wrongType(const char* wanted, const Value& v)
{
    throw DbError(QStringLiteral("Valor '%1' não pode ser lido como %2").arg(v.toString(), QString::fromLatin1(wanted)));
}

} // namespace

Value::Value(base::Date v)
{
    if (!v.isNull())
        m_v = v;
}

std::int64_t Value::toInt64() const
{
    if (isNull())
        return 0;
    if (auto p = std::get_if<std::int32_t>(&m_v))
        return *p;
    if (auto p = std::get_if<std::int64_t>(&m_v))
        return *p;
    if (auto p = std::get_if<base::Money>(&m_v); p && p->raw() % base::Money::kScale == 0)
        return p->raw() / base::Money::kScale;
    if (auto p = std::get_if<QString>(&m_v)) {
        bool ok = false;
        const qlonglong n = p->trimmed().toLongLong(&ok);
        if (ok)
            return n;
    }
    wrongType("inteiro", *this);
}

std::int32_t Value::toInt() const
{
    const std::int64_t n = toInt64();
    if (n < INT32_MIN || n > INT32_MAX)
        wrongType("inteiro de 32 bits", *this);
    return static_cast<std::int32_t>(n);
}

base::Money Value::toMoney() const
{
    if (isNull())
        return {};
    if (auto p = std::get_if<base::Money>(&m_v))
        return *p;
    if (auto p = std::get_if<std::int32_t>(&m_v))
        return base::Money::fromUnits(*p);
    if (auto p = std::get_if<std::int64_t>(&m_v))
        return base::Money::fromUnits(*p);
    if (auto p = std::get_if<QString>(&m_v)) {
        if (auto m = base::Money::parse(p->trimmed().toStdString()))
            return *m;
    }
    wrongType("valor", *this);
}

QString Value::toString() const
{
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(std::int32_t v) const { return QString::number(v); }
        QString operator()(std::int64_t v) const { return QString::number(v); }
        QString operator()(const base::Money& v) const { return QString::fromStdString(v.toString(2)); }
        QString operator()(const QString& v) const { return v; }
        QString operator()(const base::Date& v) const { return QString::fromStdString(v.toIso()); }
        QString operator()(const base::DateTime& v) const { return QString::fromStdString(v.toIso()); }
        QString operator()(const base::TimeOfDay& v) const { return QString::fromStdString(v.toHHMMSS()); }
    };
    return std::visit(Visitor{}, m_v);
}

base::Date Value::toDate() const
{
    if (isNull())
        return {};
    if (auto p = std::get_if<base::Date>(&m_v))
        return *p;
    if (auto p = std::get_if<base::DateTime>(&m_v))
        return p->date;
    if (auto p = std::get_if<QString>(&m_v)) {
        if (auto d = base::Date::parseIso(p->trimmed().toStdString()))
            return *d;
    }
    wrongType("data", *this);
}

base::DateTime Value::toDateTime() const
{
    if (isNull())
        return {};
    if (auto p = std::get_if<base::DateTime>(&m_v))
        return *p;
    if (auto p = std::get_if<base::Date>(&m_v))
        return base::DateTime{*p, {}};
    if (auto p = std::get_if<QString>(&m_v)) {
        if (auto d = base::DateTime::parseIso(p->trimmed().toStdString()))
            return *d;
    }
    wrongType("data e hora", *this);
}

} // namespace fin::data
