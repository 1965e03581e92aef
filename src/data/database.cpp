#include "data/database.h"

#include "data/fb.h"

namespace fin::data {

using namespace Firebird;

namespace {

unsigned charsetIdOf(const QString& name)
{
    const QString n = name.trimmed().toUpper();
    if (n.isEmpty() || n == u"UTF8" || n == u"UTF-8")
        return fb::kCsUtf8;
    if (n == u"NONE")
        return fb::kCsNone;
    if (n == u"WIN1252")
        return fb::kCsWin1252;
    if (n == u"OCTETS")
        return fb::kCsOctets;
    if (n == u"UNICODE_FSS")
        return fb::kCsUnicodeFss;
    // Other single-byte sets are read as Windows-1252, their common superset here.
    return fb::kCsWin1252;
}

QString connectionCharset(const ConnectionParams& p)
{
    return p.charset.trimmed().isEmpty() ? QStringLiteral("UTF8") : p.charset.trimmed().toUpper();
}

IXpbBuilder* buildDpb(fb::Status& st, const ConnectionParams& p, bool creating, const QString& defaultCharset)
{
    IXpbBuilder* dpb = fb::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    st.check();
    dpb->insertString(&st, isc_dpb_user_name, p.user.toUtf8().constData());
    dpb->insertString(&st, isc_dpb_password, p.password.toUtf8().constData());
    if (!p.role.trimmed().isEmpty())
        dpb->insertString(&st, isc_dpb_sql_role_name, p.role.trimmed().toUtf8().constData());
    dpb->insertInt(&st, isc_dpb_sql_dialect, p.dialect);
    dpb->insertString(&st, isc_dpb_lc_ctype, connectionCharset(p).toUtf8().constData());
    if (creating) {
        dpb->insertInt(&st, isc_dpb_page_size, 8192);
        dpb->insertString(&st, isc_dpb_set_db_charset, defaultCharset.toUtf8().constData());
    }
    st.check();
    return dpb;
}

std::unique_ptr<Database::Impl> open(const ConnectionParams& p, bool creating, const QString& defaultCharset)
{
    if (p.database.trimmed().isEmpty())
        throw ConnectionError(QStringLiteral("O caminho do banco de dados não foi informado."));
    fb::Status st;
    IXpbBuilder* dpb = buildDpb(st, p, creating, defaultCharset);
    IProvider* provider = fb::master()->getDispatcher();
    const QByteArray path = p.database.trimmed().toUtf8();
    const unsigned len = dpb->getBufferLength(&st);
    const unsigned char* buf = dpb->getBuffer(&st);
    IAttachment* att = creating ? provider->createDatabase(&st, path.constData(), len, buf)
                                : provider->attachDatabase(&st, path.constData(), len, buf);
    dpb->dispose();
    provider->release();
    if (st.failed()) {
        try {
            st.raise();
        } catch (const DbError& e) {
            // Any failure to open is a connection failure to the caller.
            throw ConnectionError(e.message(), e.codes(), e.sqlCode());
        }
    }
    auto impl = std::make_unique<Database::Impl>();
    impl->params = p;
    impl->attachment = att;
    impl->charsetId = charsetIdOf(p.charset);
    return impl;
}

} // namespace

Database::Database(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{
}

Database::Database(Database&&) noexcept = default;

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        detach();
        m_impl = std::move(other.m_impl);
    }
    return *this;
}

Database::~Database()
{
    try {
        detach();
    } catch (...) {
        // Nothing sensible to do with a failed detach at destruction.
    }
}

Database Database::create(const ConnectionParams& params, const QString& defaultCharset)
{
    return Database(open(params, true, defaultCharset));
}

Database Database::attach(const ConnectionParams& params)
{
    return Database(open(params, false, {}));
}

void Database::detach()
{
    if (!m_impl || !m_impl->attachment)
        return;
    fb::Status st;
    m_impl->attachment->detach(&st);
    if (st.failed())
        m_impl->attachment->release();
    m_impl->attachment = nullptr;
    st.check();
}

bool Database::isAttached() const
{
    return m_impl && m_impl->attachment;
}

const ConnectionParams& Database::params() const
{
    return m_impl->params;
}

void Database::executeImmediate(const QString& sql)
{
    if (!isAttached())
        throw ConnectionError(QStringLiteral("Banco de dados não conectado."));
    Transaction tx(*this);
    fb::Status st;
    const QByteArray text = sql.toUtf8();
    m_impl->attachment->execute(&st, tx.impl().handle, static_cast<unsigned>(text.size()), text.constData(),
                                static_cast<unsigned>(m_impl->params.dialect), nullptr, nullptr, nullptr, nullptr);
    st.check();
    tx.commit();
}

} // namespace fin::data
