#include "cli/commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void usage()
{
    std::fputs("Uso:\n"
               "  financeiro-cli criar-banco CAMINHO [--demo]\n"
               "  financeiro-cli remessa --banco N --layout 400|240 --entrada ARQUIVO.json --saida ARQUIVO\n"
               "  financeiro-cli retorno --banco N --layout 400|240 ARQUIVO\n"
               "  financeiro-cli info [CAMINHO]\n",
               stderr);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Financeiro"));
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == "criar-banco")
        return fin::cli::criarBanco(args);
    if (command == "remessa")
        return fin::cli::remessa(args);
    if (command == "info")
        return fin::cli::info(args);
    if (command == "retorno")
        return fin::cli::retorno(args);
    usage();
    return 2;
}
