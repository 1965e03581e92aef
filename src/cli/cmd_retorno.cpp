#include "cli/commands.h"

#include <cstdio>

namespace fin::cli {

int retorno(const QStringList&)
{
    std::fputs("retorno: ainda não disponível\n", stderr);
    return 1;
}

} // namespace fin::cli
