#include "cli/commands.h"

#include <cstdio>

namespace fin::cli {

int criarBanco(const QStringList&)
{
    std::fputs("criar-banco: ainda não disponível\n", stderr);
    return 1;
}

} // namespace fin::cli
