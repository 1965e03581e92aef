#pragma once

#include <QStringList>

namespace fin::cli {

// Each command receives the arguments after its name and returns the exit code.
int criarBanco(const QStringList& args);
int remessa(const QStringList& args);
int retorno(const QStringList& args);
int info(const QStringList& args);

} // namespace fin::cli
