#include "finance/cashbank/lists.h"

#include "data/statement.h"

namespace fin::finance {

namespace {

ManagementAccount managementAccountOf(const data::Row& row)
{
    ManagementAccount a;
    a.codConta = row[QStringLiteral("COD_CONTA")].toInt();
    a.descricao = row[QStringLiteral("DES_CONTA")].toString();
    a.codGrupo = row[QStringLiteral("COD_GRUPO")].toInt();
    a.desGrupo = row[QStringLiteral("DES_GRUPO")].toString();
    a.tipo = row[QStringLiteral("TIPO")].toString();
    a.investimento = row[QStringLiteral("INVESTIMENTO")].toString();
    return a;
}

const QString kManagementAccountSelect = QStringLiteral(
    "SELECT CONTA.COD_CONTA, CONTA.DES_CONTA, CONTA.COD_GRUPO, GRUPO_CONTA.DES_GRUPO, CONTA.TIPO, CONTA.INVESTIMENTO "
    "FROM CONTA LEFT JOIN GRUPO_CONTA ON GRUPO_CONTA.COD_GRUPO = CONTA.COD_GRUPO ");

} // namespace

std::vector<Company> listCompanies(data::Transaction& tx)
{
    std::vector<Company> out;
    for (const data::Row& row :
         data::Statement(tx, QStringLiteral("SELECT COD_EMP, NOM_RAZAO_SOCIAL, NOM_FANTASIA FROM EMPRESA ORDER BY COD_EMP"))
             .query())
        out.push_back({row[QStringLiteral("COD_EMP")].toInt(), row[QStringLiteral("NOM_RAZAO_SOCIAL")].toString(),
                       row[QStringLiteral("NOM_FANTASIA")].toString()});
    return out;
}

std::vector<FinancialHistory> listHistories(data::Transaction& tx, Book book)
{
    data::Statement q(tx, QStringLiteral("SELECT COD_HISTORICO, DES_HISTORICO, TIP_DEBITO FROM HISTORICO_FIN "
                                         "WHERE HISTORICO_FIN.TIP_BANCO = :TIP_BANCO ORDER BY DES_HISTORICO, COD_HISTORICO"));
    q.set(QStringLiteral("TIP_BANCO"), book == Book::Bank ? QStringLiteral("S") : QStringLiteral("N"));
    std::vector<FinancialHistory> out;
    for (const data::Row& row : q.query())
        out.push_back({row[QStringLiteral("COD_HISTORICO")].toInt(), row[QStringLiteral("DES_HISTORICO")].toString(),
                       row[QStringLiteral("TIP_DEBITO")].toString()});
    return out;
}

std::vector<BankAccount> listBankAccounts(data::Transaction& tx, std::optional<int> codEmp)
{
    data::Statement q(tx, QStringLiteral("SELECT COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE FROM CONTA_CORRENTE "
                                         "WHERE (CAST(:COD_EMP AS INTEGER) IS NULL OR COD_EMP = :COD_EMP) "
                                         "ORDER BY COD_CONTA_CORRENTE, COD_BANCO, COD_AGENCIA, COD_EMP"));
    q.set(QStringLiteral("COD_EMP"), codEmp);
    std::vector<BankAccount> out;
    for (const data::Row& row : q.query())
        out.push_back({row[QStringLiteral("COD_EMP")].toInt(), row[QStringLiteral("COD_BANCO")].toInt(),
                       row[QStringLiteral("COD_AGENCIA")].toString(), row[QStringLiteral("COD_CONTA_CORRENTE")].toString()});
    return out;
}

std::vector<ManagementAccount> listManagementAccounts(data::Transaction& tx)
{
    std::vector<ManagementAccount> out;
    for (const data::Row& row :
         data::Statement(tx, kManagementAccountSelect + QStringLiteral("ORDER BY CONTA.DES_CONTA, CONTA.COD_CONTA")).query())
        out.push_back(managementAccountOf(row));
    return out;
}

std::optional<ManagementAccount> findManagementAccount(data::Transaction& tx, int codConta)
{
    data::Statement q(tx, kManagementAccountSelect + QStringLiteral("WHERE CONTA.COD_CONTA = :COD_CONTA"));
    q.set(QStringLiteral("COD_CONTA"), codConta);
    if (const auto row = q.queryOne())
        return managementAccountOf(*row);
    return std::nullopt;
}

} // namespace fin::finance
