#include "finance/cashbank/movements.h"

#include "data/statement.h"

namespace fin::finance {

void insertCashMovement(data::Transaction& tx, const CashMovement& m, const base::DateTime& key)
{
    data::Statement(tx, QStringLiteral(
        "INSERT INTO MOVIMENTO_CAIXA (COD_EMP, COD_MOVIMENTO, COD_CAIXA, COD_HISTORICO, COD_USUARIO, DES_COMPLEMENTO, "
        "VLR_MOVIMENTO, DATA_MOVIMENTO, COD_CONTA, LANC_INDIVIDUAL, CPF_CNPJ, NOME_RAZAO, TEXTO_RECIBO) "
        "VALUES (:COD_EMP, :COD_MOVIMENTO, :COD_CAIXA, :COD_HISTORICO, :COD_USUARIO, :DES_COMPLEMENTO, "
        ":VLR_MOVIMENTO, :DATA_MOVIMENTO, :COD_CONTA, :LANC_INDIVIDUAL, :CPF_CNPJ, :NOME_RAZAO, :TEXTO_RECIBO)"))
        .set(QStringLiteral("COD_EMP"), m.codEmp)
        .set(QStringLiteral("COD_MOVIMENTO"), key)
        .set(QStringLiteral("COD_CAIXA"), kCodCaixa)
        .set(QStringLiteral("COD_HISTORICO"), m.codHistorico)
        .set(QStringLiteral("COD_USUARIO"), m.codUsuario)
        .set(QStringLiteral("DES_COMPLEMENTO"), m.complemento.left(kComplementoWidth))
        .set(QStringLiteral("VLR_MOVIMENTO"), m.valor)
        .set(QStringLiteral("DATA_MOVIMENTO"), m.data)
        .set(QStringLiteral("COD_CONTA"), m.codConta)
        .set(QStringLiteral("LANC_INDIVIDUAL"), m.lancIndividual)
        .set(QStringLiteral("CPF_CNPJ"), m.cpfCnpj)
        .set(QStringLiteral("NOME_RAZAO"), m.nomeRazao)
        .set(QStringLiteral("TEXTO_RECIBO"), m.textoRecibo)
        .execute();
}

void insertBankMovement(data::Transaction& tx, const BankMovement& m, const base::DateTime& key)
{
    data::Statement(tx, QStringLiteral(
        "INSERT INTO MOVIMENTO_BANCO (COD_EMP, COD_MOVIMENTO, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, COD_HISTORICO, "
        "COD_USUARIO, DES_COMPLEMENTO, VLR_MOVIMENTO, DATA_MOVIMENTO, COD_CONTA, LANC_INDIVIDUAL) "
        "VALUES (:COD_EMP, :COD_MOVIMENTO, :COD_BANCO, :COD_AGENCIA, :COD_CONTA_CORRENTE, :COD_HISTORICO, "
        ":COD_USUARIO, :DES_COMPLEMENTO, :VLR_MOVIMENTO, :DATA_MOVIMENTO, :COD_CONTA, :LANC_INDIVIDUAL)"))
        .set(QStringLiteral("COD_EMP"), m.codEmp)
        .set(QStringLiteral("COD_MOVIMENTO"), key)
        .set(QStringLiteral("COD_BANCO"), m.codBanco)
        .set(QStringLiteral("COD_AGENCIA"), m.codAgencia)
        .set(QStringLiteral("COD_CONTA_CORRENTE"), m.codContaCorrente)
        .set(QStringLiteral("COD_HISTORICO"), m.codHistorico)
        .set(QStringLiteral("COD_USUARIO"), m.codUsuario)
        .set(QStringLiteral("DES_COMPLEMENTO"), m.complemento.left(kComplementoWidth))
        .set(QStringLiteral("VLR_MOVIMENTO"), m.valor)
        .set(QStringLiteral("DATA_MOVIMENTO"), m.data)
        .set(QStringLiteral("COD_CONTA"), m.codConta)
        .set(QStringLiteral("LANC_INDIVIDUAL"), m.lancIndividual)
        .execute();
}

} // namespace fin::finance
