#include "data/connections.h"

#include "data/errors.h"

namespace fin::data {

SchemaConnection::SchemaConnection(ConnectionParams params)
    : m_params(std::move(params))
{
}

Database& SchemaConnection::database()
{
    if (!isOpen())
        m_db = std::make_unique<Database>(Database::attach(m_params));
    return *m_db;
}

bool SchemaConnection::tryOpen(QString* error)
{
    try {
        database();
        return true;
    } catch (const DbError& e) {
        if (error)
            *error = e.message();
        return false;
    }
}

Connections openConnections(const ConnectionsFile& config, const std::function<void(const QString&)>& schemaError)
{
    Connections c;
    c.config = config;
    c.schema = SchemaConnection(config.schema);
    QString error;
    if (!c.schema.tryOpen(&error) && schemaError)
        schemaError(error);
    c.main = std::make_unique<Database>(Database::attach(config.main));
    return c;
}

} // namespace fin::data
