#include "ui/common/modal.h"

#include <QDialog>

namespace fin::ui {

namespace {
ModalRunner g_runner;
}

int runModal(QDialog& dialog)
{
    return g_runner ? g_runner(dialog) : dialog.exec();
}

void setModalRunner(ModalRunner runner)
{
    g_runner = std::move(runner);
}

} // namespace fin::ui
