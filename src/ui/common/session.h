#pragma once

#include "data/connections.h"

#include <QString>

namespace fin::ui {

// The shared selection record: the management account last chosen in the
// account lookup, kept for the whole run.
struct TFiltro {
    int codConta = -1;
    QString desConta;
};

// What every window works with: the main connection, the schema connection
// and the shared selection record.
class Session {
public:
    Session(std::unique_ptr<data::Database> main, data::SchemaConnection schema, QString versionServer = {});

    data::Database& db() { return *m_main; }
    data::SchemaConnection& schema() { return m_schema; }
    TFiltro& filtro() { return m_filtro; }
    const QString& versionServer() const { return m_versionServer; }

private:
    std::unique_ptr<data::Database> m_main;
    data::SchemaConnection m_schema;
    TFiltro m_filtro;
    QString m_versionServer;
};

} // namespace fin::ui
