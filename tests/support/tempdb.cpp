#include "tempdb.h"

#include "data/schema.h"

#include <stdexcept>

namespace fin::test {

namespace {

data::Database makeDb(const QString& path, TempDb::Content content)
{
    data::ConnectionParams p;
    p.database = path;
    p.lockTimeoutSeconds = 2;
    data::Database db = data::Database::create(p);
    if (content != TempDb::Content::Empty)
        data::installSchema(db, content == TempDb::Content::Demo);
    return db;
}

} // namespace

TempDb::TempDb(Content content)
    : m_path(m_dir.filePath(QStringLiteral("test.fdb")))
    , m_db(makeDb(m_path, content))
{
}

data::ConnectionParams TempDb::params() const
{
    return m_db.params();
}

data::Database TempDb::attachAgain() const
{
    return data::Database::attach(params());
}

} // namespace fin::test
