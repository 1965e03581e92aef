#include "ui/app/principal.h"
#include "ui/cashbank/mov_banco.h"
#include "ui/cashbank/mov_caixa.h"

namespace fin::ui {

// Wires the cash and bank commands of the main menu to their windows.
void registerCashBankWindows()
{
    TFrm_principal::registerWindow(QStringLiteral("Movimento1Click"),
                                   [](Session& s, QWidget* p) -> QDialog* { return new Tfrm_mov_caixa(s, p); });
    TFrm_principal::registerWindow(QStringLiteral("Movimento2Click"),
                                   [](Session& s, QWidget* p) -> QDialog* { return new Tfrm_mov_banco(s, p); });
}

} // namespace fin::ui
