#include "cli/commands.h"

#include <cstdio>

namespace fin::cli {

int remessa(const QStringList&)
{
    std::fputs("remessa: ainda não disponível\n", stderr);
    return 1;
}

} // namespace fin::cli
