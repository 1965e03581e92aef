#include "ui/app/startup.h"

#include "ui/app/principal.h"

namespace fin::ui {

// One line per window as the windows are built.
void registerWindows()
{
}

} // namespace fin::ui
