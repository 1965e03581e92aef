#include "ui/common/lookups.h"

// Placeholder bodies until the lookup windows land.
namespace fin::ui {

std::optional<data::Row> lookupCustomer(Session&, QWidget*)
{
    return std::nullopt;
}

std::optional<data::Row> lookupSupplier(Session&, QWidget*)
{
    return std::nullopt;
}

void chooseManagementAccount(Session&, QWidget*)
{
}

} // namespace fin::ui
