#include "finance/payable/lists.h"

#include "data/database.h"

namespace fin::finance {

namespace {

data::Rows rows(data::Transaction& tx, const char* sql)
{
    return data::Statement(tx, QString::fromUtf8(sql)).query();
}

data::Rows companies(data::Transaction& tx)
{
    return rows(tx, "SELECT COD_EMP, NOM_RAZAO_SOCIAL, NOM_FANTASIA FROM EMPRESA ORDER BY NOM_RAZAO_SOCIAL");
}

data::Rows suppliers(data::Transaction& tx)
{
    return rows(tx, "SELECT COD_EMP, COD_FORNECEDOR, NOM_RAZAO_SOCIAL FROM FORNECEDOR ORDER BY NOM_RAZAO_SOCIAL");
}

data::Rows documentTypes(data::Transaction& tx)
{
    return rows(tx, "SELECT COD_EMP, COD_TIP_DOC, DES_TIP_DOC FROM TIP_DOCUMENTO ORDER BY DES_TIP_DOC");
}

} // namespace

PayableEntryLists loadPayableEntryLists(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) {
        PayableEntryLists l;
        l.companies = companies(tx);
        l.suppliers = suppliers(tx);
        l.buyers = rows(tx, "SELECT COD_EMP, COD_COMPRADOR, DES_NOM FROM COMPRADOR ORDER BY DES_NOM");
        l.documentTypes = documentTypes(tx);
        l.managementAccounts = rows(tx,
            "SELECT CONTA.COD_CONTA, CONTA.DES_CONTA, CONTA.COD_GRUPO, GRUPO_CONTA.DES_GRUPO, CONTA.TIPO "
            "FROM CONTA LEFT JOIN GRUPO_CONTA ON (GRUPO_CONTA.COD_GRUPO = CONTA.COD_GRUPO) ORDER BY CONTA.DES_CONTA");
        return l;
    });
}

PayableQueryLists loadPayableQueryLists(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) {
        return PayableQueryLists{companies(tx), suppliers(tx), documentTypes(tx)};
    });
}

PayableSettlementLists loadPayableSettlementLists(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) {
        PayableSettlementLists l;
        l.banks = rows(tx, "SELECT COD_BANCO, NOM_BANCO FROM BANCO ORDER BY COD_BANCO");
        l.agencies = rows(tx,
            "SELECT COD_BANCO, COD_AGENCIA, DIGITO_AGENCIA, NOM_GERENTE FROM AGENCIA ORDER BY COD_BANCO, COD_AGENCIA");
        l.accounts = rows(tx,
            "SELECT COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, DIGITO_AGENCIA, DIGITO_CONTA_CORRENTE "
            "FROM CONTA_CORRENTE ORDER BY COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE");
        l.histories = rows(tx, "SELECT * FROM HISTORICO_FIN WHERE HISTORICO_FIN.TIP_DEBITO = 'S' ORDER BY COD_HISTORICO");
        return l;
    });
}

} // namespace fin::finance
