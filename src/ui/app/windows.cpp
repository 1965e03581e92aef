#include "ui/app/startup.h"

namespace fin::ui {

void registerPayableWindows();
void registerCashBankWindows();

void registerWindows()
{
    registerPayableWindows();
    registerCashBankWindows();
}

} // namespace fin::ui
