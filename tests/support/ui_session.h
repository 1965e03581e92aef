#pragma once

#include "tempdb.h"
#include "ui/common/modal.h"
#include "ui/common/session.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace fin::test {

// Drives the windows a window opens modally: `next` when set, otherwise the
// window is shown and closed as cancelled at once (a lookup the user left).
struct ModalScript {
    std::function<int(QDialog&)> next;
    ModalScript()
    {
        ui::setModalRunner([this](QDialog& d) {
            if (next)
                return next(d);
            d.show();
            d.reject();
            return int(QDialog::Rejected);
        });
    }
    ~ModalScript() { ui::setModalRunner({}); }
};

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
    ModalScript modal;
};

} // namespace fin::test
