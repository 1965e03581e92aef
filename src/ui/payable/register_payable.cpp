#include "ui/app/principal.h"

namespace fin::ui {

// Wires the payable commands of the main menu to their windows.
void registerPayableWindows()
{
}

} // namespace fin::ui
