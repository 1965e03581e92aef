#include "cli/commands.h"

#include "data/config.h"
#include "data/connections.h"
#include "data/errors.h"
#include "data/schema.h"
#include "data/statement.h"
#include "data/timestamp.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace fin::cli {

namespace {

void err(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

void out(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
}

} // namespace

int criarBanco(const QStringList& args)
{
    QString path;
    bool demo = false;
    for (const QString& a : args) {
        if (a == QStringLiteral("--demo"))
            demo = true;
        else if (path.isEmpty() && !a.startsWith(QStringLiteral("--")))
            path = a;
        else {
            err(QStringLiteral("Argumento inválido: %1").arg(a));
            return 2;
        }
    }
    if (path.isEmpty()) {
        err(QStringLiteral("Uso: financeiro-cli criar-banco CAMINHO [--demo]"));
        return 2;
    }
    if (!path.contains(u':') && QFileInfo::exists(path)) {
        err(QStringLiteral("O arquivo %1 já existe; nada foi alterado.").arg(path));
        return 1;
    }
    data::ConnectionParams p = data::builtInConnection(data::Locations::standard());
    p.database = path;
    p.role.clear();
    bool created = false;
    try {
        data::Database db = data::Database::create(p);
        created = true;
        data::installSchema(db, demo);
    } catch (const data::DbError& e) {
        err(QStringLiteral("Não foi possível criar o banco %1: %2").arg(path, e.message()));
        // A database left half-built would look complete to the program.
        if (created && !path.contains(u':'))
            QFile::remove(path);
        return 1;
    }
    out(QStringLiteral("Banco criado: %1%2").arg(path, demo ? QStringLiteral(" (com dados de demonstração)") : QString()));
    return 0;
}

int info(const QStringList& args)
{
    try {
        const data::Locations where = data::Locations::standard();
        const QString ini = args.isEmpty() ? data::ensureDefaultConfiguration(where) : args.first();
        const data::ConnectionsFile cfg = data::readConnectionsFile(ini, where);
        out(QStringLiteral("Configuração: %1").arg(cfg.path.isEmpty() ? QStringLiteral("(nenhuma)") : cfg.path));
        data::Connections c = data::openConnections(cfg, [](const QString& e) { err(QStringLiteral("Conexão de manutenção: %1").arg(e)); });
        out(QStringLiteral("Banco de dados: %1").arg(cfg.main.database));
        data::Transaction tx(*c.main);
        out(QStringLiteral("Hora do servidor: %1").arg(QString::fromStdString(data::serverTimestamp(tx).toIso())));
        for (const char* table : {"EMPRESA", "CLIENTE", "FORNECEDOR", "CONTA_PAGAR", "CONTA_RECEBER", "MOVIMENTO_CAIXA", "MOVIMENTO_BANCO"}) {
            data::Statement q(tx, QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(QString::fromLatin1(table)));
            out(QStringLiteral("  %1: %2").arg(QString::fromLatin1(table), q.queryOne()->at(0).toString()));
        }
        return 0;
    } catch (const data::DbError& e) {
        err(e.message());
        return 1;
    }
}

} // namespace fin::cli
