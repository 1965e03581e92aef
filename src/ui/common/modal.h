#pragma once

#include <functional>

class QDialog;

namespace fin::ui {

// Shows a window modally and returns its result. Tests install a runner
// that drives the window instead of waiting for a person.
int runModal(QDialog& dialog);

using ModalRunner = std::function<int(QDialog&)>;
// An empty runner restores the ordinary modal loop.
void setModalRunner(ModalRunner runner);

} // namespace fin::ui
