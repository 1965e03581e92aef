#include "ui/app/principal.h"

namespace fin::ui {

// Wires the cash and bank commands of the main menu to their windows.
void registerCashBankWindows()
{
}

} // namespace fin::ui
