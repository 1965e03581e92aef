#pragma once

#include "data/config.h"
#include "data/database.h"

#include <functional>
#include <memory>

namespace fin::data {

// The second connection, used by the schema maintenance and the standard
// lookup. A failure to open it is not fatal: each later use tries again.
class SchemaConnection {
public:
    explicit SchemaConnection(ConnectionParams params = {});
    // Attached database; attaches first when closed. Throws ConnectionError.
    Database& database();
    bool tryOpen(QString* error = nullptr);
    bool isOpen() const { return m_db && m_db->isAttached(); }
    const ConnectionParams& params() const { return m_params; }

private:
    ConnectionParams m_params;
    std::unique_ptr<Database> m_db;
};

struct Connections {
    ConnectionsFile config;
    SchemaConnection schema;
    std::unique_ptr<Database> main;
};

// Opens the connections in start-up order: the schema connection first (its
// failure goes to `schemaError` and start-up goes on), then the main
// connection, whose failure is thrown and ends the start-up.
Connections openConnections(const ConnectionsFile& config, const std::function<void(const QString&)>& schemaError);

} // namespace fin::data
