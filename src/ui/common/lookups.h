#pragma once

#include "data/statement.h"

#include <optional>

class QWidget;

namespace fin::ui {

class Session;

// The standard lookup for a customer: the chosen row has the columns
// "Razão Social", "Fantasia" and "CODIGO"; nothing when the user cancels.
std::optional<data::Row> lookupCustomer(Session& session, QWidget* parent);
// The same for a supplier.
std::optional<data::Row> lookupSupplier(Session& session, QWidget* parent);
// The receipt's variants: the columns "Razão Social", "Fantasia" and "CNPJ/CPF".
std::optional<data::Row> lookupCustomerForReceipt(Session& session, QWidget* parent);
std::optional<data::Row> lookupSupplierForReceipt(Session& session, QWidget* parent);

// Opens the management account lookup modally; when it closes, the shared
// selection record (session.filtro()) holds the account highlighted then,
// or keeps its previous choice when the list was empty.
void chooseManagementAccount(Session& session, QWidget* parent);

} // namespace fin::ui
