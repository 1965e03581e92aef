#include "data/statement.h"

#include "data/fb.h"
#include "data/sqlparams.h"

#include <cstring>

namespace fin::data {

using namespace Firebird;

namespace {

// ISC_DATE counts days from 1858-11-17; 1970-01-01 is day 40587.
constexpr long kUnixEpochIscDay = 40587;
constexpr unsigned kTimeUnitsPerSecond = 10000;

ISC_DATE toIscDate(const base::Date& d)
{
    return static_cast<ISC_DATE>(d.toDays() + kUnixEpochIscDay);
}

ISC_TIME toIscTime(const base::TimeOfDay& t)
{
    return static_cast<ISC_TIME>(((t.hour * 60 + t.minute) * 60 + t.second) * kTimeUnitsPerSecond + t.msec * 10);
}

base::TimeOfDay fromIscTime(ISC_TIME t)
{
    base::TimeOfDay out;
    const unsigned seconds = t / kTimeUnitsPerSecond;
    out.msec = static_cast<int>((t % kTimeUnitsPerSecond) / 10);
    out.second = static_cast<int>(seconds % 60);
    out.minute = static_cast<int>((seconds / 60) % 60);
    out.hour = static_cast<int>(seconds / 3600);
    return out;
}

template <class T>
T readAt(const unsigned char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T>
void writeAt(unsigned char* p, T v)
{
    std::memcpy(p, &v, sizeof v);
}

Value scaledNumber(std::int64_t n, int scale)
{
    if (scale < 0)
        return base::Money::fromScaled(n, -scale);
    return n;
}

} // namespace

struct Statement::Impl {
    Transaction& tx;
    Database::Impl& db;
    ParsedSql parsed;
    IStatement* handle = nullptr;
    IMessageMetadata* inDesc = nullptr;
    IMessageMetadata* outMeta = nullptr;
    QHash<QString, Value> values;
    std::shared_ptr<Columns> columns;

    Impl(Transaction& t)
        : tx(t)
        , db(t.database().impl())
    {
    }

    ~Impl()
    {
        fb::Status st;
        if (inDesc)
            inDesc->release();
        if (outMeta)
            outMeta->release();
        if (handle) {
            handle->free(&st);
            if (st.failed())
                handle->release();
        }
    }

    ITransaction* tra() const
    {
        if (!tx.isActive())
            throw DbError(QStringLiteral("Transação já encerrada."));
        return tx.impl().handle;
    }

    void prepare(const QString& sql)
    {
        parsed = parseNamedParameters(sql);
        const QByteArray text = parsed.sql.toUtf8();
        fb::Status st;
        handle = db.attachment->prepare(&st, tra(), static_cast<unsigned>(text.size()), text.constData(),
                                        static_cast<unsigned>(db.params.dialect), IStatement::PREPARE_PREFETCH_METADATA);
        st.check();
        inDesc = handle->getInputMetadata(&st);
        st.check();
        if (inDesc->getCount(&st) != static_cast<unsigned>(parsed.positions.size()))
            throw DbError(QStringLiteral("Parâmetros sem nome não são aceitos: use :NOME."));
        prepareOutput();
    }

    // Output as described, except floating point, which arrives as an exact
    // four-decimal number: amounts never pass through a double.
    void prepareOutput()
    {
        fb::Status st;
        IMessageMetadata* desc = handle->getOutputMetadata(&st);
        st.check();
        const unsigned count = desc->getCount(&st);
        IMetadataBuilder* builder = desc->getBuilder(&st);
        st.check();
        auto cols = std::make_shared<Columns>();
        for (unsigned i = 0; i < count; ++i) {
            const unsigned type = desc->getType(&st, i);
            if (type == SQL_FLOAT || type == SQL_DOUBLE || type == SQL_D_FLOAT) {
                builder->setType(&st, i, SQL_INT64 | 1);
                builder->setLength(&st, i, sizeof(ISC_INT64));
                builder->setScale(&st, i, -4);
            }
            QString name = QString::fromUtf8(desc->getAlias(&st, i));
            if (name.isEmpty())
                name = QString::fromUtf8(desc->getField(&st, i));
            cols->index.insert(name.toUpper(), static_cast<int>(i));
            cols->names << name;
        }
        st.check();
        outMeta = builder->getMetadata(&st);
        builder->release();
        desc->release();
        st.check();
        columns = std::move(cols);
    }

    IMessageMetadata* buildInput(std::vector<unsigned char>& buffer)
    {
        fb::Status st;
        const unsigned count = static_cast<unsigned>(parsed.positions.size());
        IMetadataBuilder* b = fb::master()->getMetadataBuilder(&st, count);
        st.check();
        std::vector<QByteArray> texts(count);
        for (unsigned i = 0; i < count; ++i) {
            const QString& name = parsed.positions[static_cast<qsizetype>(i)];
            auto it = values.constFind(name);
            if (it == values.constEnd())
                throw DbError(QStringLiteral("Parâmetro não informado: %1").arg(name));
            const Value::Variant& v = it->variant();
            if (std::holds_alternative<std::monostate>(v)) {
                b->setType(&st, i, inDesc->getType(&st, i) | 1);
                b->setSubType(&st, i, inDesc->getSubType(&st, i));
                b->setLength(&st, i, inDesc->getLength(&st, i));
                b->setScale(&st, i, inDesc->getScale(&st, i));
                b->setCharSet(&st, i, inDesc->getCharSet(&st, i));
            } else if (std::holds_alternative<std::int32_t>(v)) {
                b->setType(&st, i, SQL_LONG | 1);
                b->setLength(&st, i, sizeof(ISC_LONG));
                b->setScale(&st, i, 0);
            } else if (std::holds_alternative<std::int64_t>(v) || std::holds_alternative<base::Money>(v)) {
                b->setType(&st, i, SQL_INT64 | 1);
                b->setLength(&st, i, sizeof(ISC_INT64));
                b->setScale(&st, i, std::holds_alternative<base::Money>(v) ? -4 : 0);
            } else if (auto s = std::get_if<QString>(&v)) {
                texts[i] = fb::encodeText(*s, db.charsetId);
                b->setType(&st, i, SQL_VARYING | 1);
                b->setLength(&st, i, static_cast<unsigned>(std::max<qsizetype>(1, texts[i].size())));
                b->setCharSet(&st, i, db.charsetId);
            } else if (std::holds_alternative<base::Date>(v)) {
                b->setType(&st, i, SQL_TYPE_DATE | 1);
                b->setLength(&st, i, sizeof(ISC_DATE));
            } else if (std::holds_alternative<base::DateTime>(v)) {
                b->setType(&st, i, SQL_TIMESTAMP | 1);
                b->setLength(&st, i, sizeof(ISC_TIMESTAMP));
            } else {
                b->setType(&st, i, SQL_TYPE_TIME | 1);
                b->setLength(&st, i, sizeof(ISC_TIME));
            }
            st.check();
        }
        IMessageMetadata* meta = b->getMetadata(&st);
        b->release();
        st.check();
        buffer.assign(meta->getMessageLength(&st), 0);
        for (unsigned i = 0; i < count; ++i) {
            unsigned char* p = buffer.data() + meta->getOffset(&st, i);
            const Value::Variant& v = values.constFind(parsed.positions[static_cast<qsizetype>(i)])->variant();
            writeAt<short>(buffer.data() + meta->getNullOffset(&st, i), std::holds_alternative<std::monostate>(v) ? -1 : 0);
            if (auto n = std::get_if<std::int32_t>(&v))
                writeAt<ISC_LONG>(p, *n);
            else if (auto n64 = std::get_if<std::int64_t>(&v))
                writeAt<ISC_INT64>(p, *n64);
            else if (auto m = std::get_if<base::Money>(&v))
                writeAt<ISC_INT64>(p, m->raw());
            else if (std::holds_alternative<QString>(v)) {
                writeAt<unsigned short>(p, static_cast<unsigned short>(texts[i].size()));
                std::memcpy(p + sizeof(unsigned short), texts[i].constData(), static_cast<std::size_t>(texts[i].size()));
            } else if (auto d = std::get_if<base::Date>(&v))
                writeAt<ISC_DATE>(p, toIscDate(*d));
            else if (auto dt = std::get_if<base::DateTime>(&v))
                writeAt<ISC_TIMESTAMP>(p, ISC_TIMESTAMP{toIscDate(dt->date), toIscTime(dt->time)});
            else if (auto t = std::get_if<base::TimeOfDay>(&v))
                writeAt<ISC_TIME>(p, toIscTime(*t));
        }
        st.check();
        return meta;
    }

    QString readBlob(ISC_QUAD id, unsigned charset)
    {
        fb::Status st;
        IBlob* blob = db.attachment->openBlob(&st, tra(), &id, 0, nullptr);
        st.check();
        QByteArray bytes;
        char chunk[8192];
        for (;;) {
            unsigned got = 0;
            const int rc = blob->getSegment(&st, sizeof chunk, chunk, &got);
            if (rc == IStatus::RESULT_OK || rc == IStatus::RESULT_SEGMENT)
                bytes.append(chunk, got);
            else
                break;
        }
        blob->close(&st);
        st.check();
        return fb::decodeText(bytes.constData(), static_cast<unsigned>(bytes.size()), charset);
    }

    Row decodeRow(const std::vector<unsigned char>& buf)
    {
        fb::Status st;
        const unsigned count = outMeta->getCount(&st);
        std::vector<Value> vals;
        vals.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            if (readAt<short>(buf.data() + outMeta->getNullOffset(&st, i)) != 0) {
                vals.emplace_back();
                continue;
            }
            const unsigned char* p = buf.data() + outMeta->getOffset(&st, i);
            const unsigned type = outMeta->getType(&st, i);
            const int scale = outMeta->getScale(&st, i);
            const unsigned charset = outMeta->getCharSet(&st, i);
            switch (type) {
            case SQL_TEXT: {
                const unsigned len = outMeta->getLength(&st, i);
                QString s = fb::decodeText(reinterpret_cast<const char*>(p), len, charset);
                // Multi-byte sets pad to the byte width: keep the declared character width.
                const unsigned bpc = fb::bytesPerChar(charset);
                if (bpc > 1)
                    s.truncate(len / bpc);
                vals.emplace_back(s);
                break;
            }
            case SQL_VARYING:
                vals.emplace_back(fb::decodeText(reinterpret_cast<const char*>(p) + sizeof(unsigned short),
                                                 readAt<unsigned short>(p), charset));
                break;
            case SQL_SHORT:
                vals.push_back(scaledNumber(readAt<short>(p), scale));
                break;
            case SQL_LONG:
                vals.push_back(scale < 0 ? scaledNumber(readAt<ISC_LONG>(p), scale) : Value(std::int32_t(readAt<ISC_LONG>(p))));
                break;
            case SQL_INT64:
                vals.push_back(scaledNumber(readAt<ISC_INT64>(p), scale));
                break;
            case SQL_TYPE_DATE:
                vals.emplace_back(base::Date::fromDays(static_cast<long>(readAt<ISC_DATE>(p)) - kUnixEpochIscDay));
                break;
            case SQL_TIMESTAMP: {
                const auto ts = readAt<ISC_TIMESTAMP>(p);
                vals.emplace_back(base::DateTime{base::Date::fromDays(static_cast<long>(ts.timestamp_date) - kUnixEpochIscDay),
                                                 fromIscTime(ts.timestamp_time)});
                break;
            }
            case SQL_TYPE_TIME:
                vals.emplace_back(fromIscTime(readAt<ISC_TIME>(p)));
                break;
            case SQL_BOOLEAN:
                vals.emplace_back(std::int32_t(readAt<FB_BOOLEAN>(p) ? 1 : 0));
                break;
            case SQL_BLOB:
                vals.emplace_back(outMeta->getSubType(&st, i) == 1 ? readBlob(readAt<ISC_QUAD>(p), charset) : QString());
                break;
            default:
                vals.emplace_back();
                break;
            }
        }
        st.check();
        return Row(columns, std::move(vals));
    }

    Rows run(std::int64_t* affected)
    {
        fb::Status st;
        std::vector<unsigned char> inBuf;
        IMessageMetadata* inMeta = buildInput(inBuf);
        std::vector<unsigned char> outBuf(outMeta->getMessageLength(&st), 0);
        Rows rows;
        const unsigned flags = handle->getFlags(&st);
        if (flags & IStatement::FLAG_HAS_CURSOR) {
            IResultSet* rs = handle->openCursor(&st, tra(), inMeta, inBuf.data(), outMeta, 0);
            inMeta->release();
            st.check();
            try {
                while (rs->fetchNext(&st, outBuf.data()) == IStatus::RESULT_OK)
                    rows.push_back(decodeRow(outBuf));
                st.check();
            } catch (...) {
                fb::Status closing;
                rs->close(&closing);
                if (closing.failed())
                    rs->release();
                throw;
            }
            rs->close(&st);
            st.check();
            if (affected)
                *affected = static_cast<std::int64_t>(rows.size());
            return rows;
        }
        const bool hasOutput = outMeta->getCount(&st) > 0;
        handle->execute(&st, tra(), inMeta, inBuf.data(), hasOutput ? outMeta : nullptr, hasOutput ? outBuf.data() : nullptr);
        inMeta->release();
        st.check();
        if (hasOutput)
            rows.push_back(decodeRow(outBuf));
        if (affected) {
            *affected = static_cast<std::int64_t>(handle->getAffectedRecords(&st));
            st.check();
        }
        return rows;
    }
};

Row::Row(std::shared_ptr<const Columns> columns, std::vector<Value> values)
    : m_columns(std::move(columns))
    , m_values(std::move(values))
{
}

const Value& Row::operator[](const QString& name) const
{
    auto it = m_columns->index.constFind(name.toUpper());
    if (it == m_columns->index.constEnd())
        throw DbError(QStringLiteral("Coluna inexistente no resultado: %1").arg(name));
    return m_values[static_cast<std::size_t>(*it)];
}

bool Row::has(const QString& name) const
{
    return m_columns->index.contains(name.toUpper());
}

Statement::Statement(Transaction& tx, const QString& sql)
    : m_impl(std::make_unique<Impl>(tx))
{
    m_impl->prepare(sql);
}

Statement::~Statement() = default;

Statement& Statement::set(const QString& name, const Value& value)
{
    const QString key = name.toUpper();
    if (!m_impl->parsed.positions.contains(key))
        throw DbError(QStringLiteral("Parâmetro inexistente na instrução: %1").arg(name));
    m_impl->values.insert(key, value);
    return *this;
}

QStringList Statement::parameterNames() const
{
    QStringList names;
    for (const QString& n : m_impl->parsed.positions)
        if (!names.contains(n))
            names << n;
    return names;
}

std::int64_t Statement::execute()
{
    std::int64_t affected = 0;
    m_impl->run(&affected);
    return affected;
}

Rows Statement::query()
{
    return m_impl->run(nullptr);
}

std::optional<Row> Statement::queryOne()
{
    Rows rows = m_impl->run(nullptr);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

} // namespace fin::data
