#pragma once

#include "tempdb.h"
#include "ui/common/session.h"

#include <memory>

namespace fin::test {

// A session of the program over a fresh database: the main connection and
// the schema connection are attachments of their own to the same file.
struct UiSession {
    explicit UiSession(TempDb::Content content = TempDb::Content::Demo)
        : tmp(content)
        , session(std::make_unique<data::Database>(tmp.attachAgain()), data::SchemaConnection(tmp.params()))
    {
    }
    TempDb tmp;
    ui::Session session;
};

} // namespace fin::test
