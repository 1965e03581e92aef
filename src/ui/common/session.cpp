#include "ui/common/session.h"

namespace fin::ui {

Session::Session(std::unique_ptr<data::Database> main, data::SchemaConnection schema, QString versionServer)
    : m_main(std::move(main))
    , m_schema(std::move(schema))
    , m_versionServer(std::move(versionServer))
{
}

} // namespace fin::ui
