#include "ui/common/guard.h"

#include "common/errors.h"
#include "data/errors.h"
#include "ui/common/messages.h"

#include <QWidget>

namespace fin::ui {

QString errorText(const std::exception& e)
{
    if (auto lock = dynamic_cast<const data::LockConflictError*>(&e))
        return QStringLiteral("O registro está sendo alterado em outra estação. Aguarde e tente novamente.\n\n%1")
            .arg(lock->message());
    if (auto db = dynamic_cast<const data::DbError*>(&e))
        return db->message();
    if (auto user = dynamic_cast<const common::UserError*>(&e))
        return user->message();
    return QString::fromUtf8(e.what());
}

bool guarded(QWidget* window, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const common::SilentAbort&) {
    } catch (const common::UserError& e) {
        messages().info(e.message());
        if (window && !e.field().isEmpty())
            if (auto* w = window->findChild<QWidget*>(e.field()))
                w->setFocus();
    } catch (const std::exception& e) {
        messages().error(errorText(e));
    }
    return false;
}

} // namespace fin::ui
