#include "data/transaction.h"

#include "data/fb.h"

namespace fin::data {

using namespace Firebird;

Transaction::Transaction(Database& db)
    : m_db(db)
    , m_impl(std::make_unique<Impl>())
{
    if (!db.isAttached())
        throw ConnectionError(QStringLiteral("Banco de dados não conectado."));
    fb::Status st;
    IXpbBuilder* tpb = fb::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
    st.check();
    tpb->insertTag(&st, isc_tpb_write);
    tpb->insertTag(&st, isc_tpb_read_committed);
    tpb->insertTag(&st, isc_tpb_rec_version);
    const int timeout = db.params().lockTimeoutSeconds;
    if (timeout > 0) {
        tpb->insertTag(&st, isc_tpb_wait);
        tpb->insertInt(&st, isc_tpb_lock_timeout, timeout);
    } else {
        tpb->insertTag(&st, isc_tpb_nowait);
    }
    st.check();
    m_impl->handle = db.impl().attachment->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
    tpb->dispose();
    st.check();
}

Transaction::~Transaction()
{
    if (m_impl->handle) {
        fb::Status st;
        m_impl->handle->rollback(&st);
        if (st.failed())
            m_impl->handle->release();
        m_impl->handle = nullptr;
    }
}

void Transaction::commit()
{
    if (!m_impl->handle)
        throw DbError(QStringLiteral("Transação já encerrada."));
    fb::Status st;
    m_impl->handle->commit(&st);
    if (!st.failed())
        m_impl->handle = nullptr;
    st.check();
}

void Transaction::rollback()
{
    if (!m_impl->handle)
        return;
    fb::Status st;
    m_impl->handle->rollback(&st);
    if (st.failed())
        m_impl->handle->release();
    m_impl->handle = nullptr;
    st.check();
}

bool Transaction::isActive() const
{
    return m_impl->handle != nullptr;
}

} // namespace fin::data
