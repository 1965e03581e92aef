#pragma once

#include "data/statement.h"

namespace fin::data {
class Database;
}

namespace fin::finance {

// The lists "&Incluir" of "Cadastro de título a pagar" reloads. Choosing a
// row fills the code field; the columns are named as in the tables.
struct PayableEntryLists {
    data::Rows companies;            // COD_EMP, NOM_RAZAO_SOCIAL, NOM_FANTASIA; by NOM_RAZAO_SOCIAL
    data::Rows suppliers;            // COD_EMP, COD_FORNECEDOR, NOM_RAZAO_SOCIAL; by NOM_RAZAO_SOCIAL
    data::Rows buyers;               // COD_EMP, COD_COMPRADOR, DES_NOM; by DES_NOM
    data::Rows documentTypes;        // COD_EMP, COD_TIP_DOC, DES_TIP_DOC; by DES_TIP_DOC
    data::Rows managementAccounts;   // COD_CONTA, DES_CONTA, COD_GRUPO, DES_GRUPO, TIPO; by DES_CONTA
};
PayableEntryLists loadPayableEntryLists(data::Database& db);

// The top panel of the payable query: companies, suppliers, document types
// (same columns and order as above).
struct PayableQueryLists {
    data::Rows companies;
    data::Rows suppliers;
    data::Rows documentTypes;
};
PayableQueryLists loadPayableQueryLists(data::Database& db);

// The lists of the "Baixar título" page, loaded when a search finds titles.
struct PayableSettlementLists {
    data::Rows banks;          // every BANCO row: COD_BANCO, NOM_BANCO; by COD_BANCO
    data::Rows agencies;       // every AGENCIA row: COD_BANCO, COD_AGENCIA, DIGITO_AGENCIA, NOM_GERENTE
    data::Rows accounts;       // every CONTA_CORRENTE row: COD_EMP, COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, ...
    data::Rows histories;      // HISTORICO_FIN debit codes (TIP_DEBITO = 'S'), every column
};
PayableSettlementLists loadPayableSettlementLists(data::Database& db);

} // namespace fin::finance
