#include "ui/app/principal.h"
#include "ui/payable/ct_pagar.h"
#include "ui/payable/ct_pagar_consulta.h"

namespace fin::ui {

// Wires the payable commands of the main menu to their windows.
void registerPayableWindows()
{
    TFrm_principal::registerWindow(QStringLiteral("Cadastro1Click"), [](Session& s, QWidget* p) -> QDialog* {
        return new TFrm_ct_pagar(s, p);
    });
    TFrm_principal::registerWindow(QStringLiteral("Consulta1Click"), [](Session& s, QWidget* p) -> QDialog* {
        return new TFrm_ct_pagar_consulta(s, p);
    });
}

} // namespace fin::ui
