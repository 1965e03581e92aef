#pragma once

namespace fin::ui {

// The program: configuration, the connections in their order, the main
// window, the message loop. Returns the exit code.
int runFinanceiro(int argc, char** argv);

// Wires every menu command whose window exists to it.
void registerWindows();

} // namespace fin::ui
