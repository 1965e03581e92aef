#include "ui/common/lookups.h"

#include "ui/common/cons_contagerencial.h"
#include "ui/common/guard.h"
#include "ui/common/modal.h"
#include "ui/common/padraoconsulta.h"

#include <memory>

namespace fin::ui {

namespace {

// A fresh standard lookup for one call; a connection error shows the error
// box and counts as no choice.
std::optional<data::Row> runLookup(Session& session, QWidget* parent, const finance::StandardLookup& lookup)
{
    std::optional<data::Row> chosen;
    guarded(parent, [&] {
        auto w = std::make_unique<Tfrm_padraoconsulta>(session, parent);
        if (w->PADRAOCONSULTA(lookup))
            chosen = w->chosenRow();
    });
    return chosen;
}

} // namespace

std::optional<data::Row> lookupCustomer(Session& session, QWidget* parent)
{
    return runLookup(session, parent, finance::customerLookup());
}

std::optional<data::Row> lookupSupplier(Session& session, QWidget* parent)
{
    return runLookup(session, parent, finance::supplierLookup());
}

std::optional<data::Row> lookupCustomerForReceipt(Session& session, QWidget* parent)
{
    return runLookup(session, parent, finance::customerForReceiptLookup());
}

std::optional<data::Row> lookupSupplierForReceipt(Session& session, QWidget* parent)
{
    return runLookup(session, parent, finance::supplierForReceiptLookup());
}

void chooseManagementAccount(Session& session, QWidget* parent)
{
    TF_ConsContasGerenciais w(session, parent);
    runModal(w);
}

} // namespace fin::ui
