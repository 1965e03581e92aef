#include "data/fb.h"

#include "base/cp1252.h"

#include <ibase.h>

namespace fin::data::fb {

using namespace Firebird;

IMaster* master()
{
    static IMaster* m = fb_get_master_interface();
    return m;
}

IUtil* util()
{
    return master()->getUtilInterface();
}

Status::Status()
    : m_status(master()->getStatus())
    , m_wrapper(m_status)
{
}

Status::~Status()
{
    m_status->dispose();
}

bool Status::failed() const
{
    return (m_wrapper.getState() & IStatus::STATE_ERRORS) != 0;
}

void Status::check()
{
    if (failed())
        raise();
}

void Status::raise()
{
    std::vector<long> codes;
    const ISC_STATUS* v = m_wrapper.getErrors();
    // The vector is a list of (kind, value) clusters; gds clusters hold the codes.
    for (const ISC_STATUS* p = v; *p != isc_arg_end;) {
        const ISC_STATUS kind = *p++;
        if (kind == isc_arg_cstring) {
            p += 2;
            continue;
        }
        if (kind == isc_arg_gds)
            codes.push_back(static_cast<long>(*p));
        ++p;
    }
    char buffer[2048];
    util()->formatStatus(buffer, sizeof buffer, &m_wrapper);
    const QString message = QString::fromUtf8(buffer).trimmed();
    const int sqlCode = static_cast<int>(isc_sqlcode(v));
    m_wrapper.init();

    auto has = [&](long code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); };
    if (has(isc_update_conflict) || has(isc_deadlock) || has(isc_lock_conflict) || has(isc_lock_timeout))
        throw LockConflictError(message, codes, sqlCode);
    if (has(isc_unique_key_violation) || has(isc_no_dup))
        throw UniqueViolationError(message, codes, sqlCode);
    if (has(isc_io_error) || has(isc_network_error) || has(isc_unavailable) || has(isc_bad_db_format)
        || has(isc_login) || has(isc_net_connect_err) || has(isc_net_lookup_err))
        throw ConnectionError(message, codes, sqlCode);
    throw DbError(message, codes, sqlCode);
}

unsigned bytesPerChar(unsigned charset)
{
    switch (charset) {
    case kCsUtf8:
        return 4;
    case kCsUnicodeFss:
        return 3;
    default:
        return 1;
    }
}

QByteArray encodeText(const QString& text, unsigned charset)
{
    if (charset == kCsUtf8 || charset == kCsUnicodeFss)
        return text.toUtf8();
    if (charset == kCsOctets)
        return text.toLatin1();
    return QByteArray::fromStdString(base::utf8ToCp1252(text.toStdString()));
}

QString decodeText(const char* data, unsigned length, unsigned charset)
{
    if (charset == kCsUtf8 || charset == kCsUnicodeFss)
        return QString::fromUtf8(data, static_cast<qsizetype>(length));
    if (charset == kCsOctets)
        return QString::fromLatin1(data, static_cast<qsizetype>(length));
    return QString::fromStdString(base::cp1252ToUtf8(std::string_view(data, length)));
}

} // namespace fin::data::fb

namespace fin::data {

DbError::DbError(const QString& message, std::vector<long> codes, int sqlCode)
    : std::runtime_error(message.toStdString())
    , m_message(message)
    , m_codes(std::move(codes))
    , m_sqlCode(sqlCode)
{
}

bool DbError::hasCode(long code) const
{
    return std::find(m_codes.begin(), m_codes.end(), code) != m_codes.end();
}

} // namespace fin::data
