#pragma once

#include "data/statement.h"
#include "finance/payable/lists.h"
#include "finance/payable/title.h"

#include <QString>

#include <vector>

namespace fin::data {
class Database;
}

namespace fin::finance {

struct PayableSearchInput {
    QString codEmp;
    QString codFornecedor;
    QString codTipDoc;
};

struct PayableSearchResult {
    // The grid of the "Consulta" page, by due date: the columns of the
    // search (COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC, DES_TIP_DOC,
    // DAT_CADASTRO, DAT_VENCIMENTO, DAT_PGTO_TOTAL, VLR_TITULO, COD_COMPRADOR,
    // COD_EMP, DAT_EMISSAO, VLR_PGTO, COD_PEDIDO, VLR_NOTA_FICAL, DES_OBS,
    // VLR_JURO_DIARIO, VLR_MULTA_PG, VLR_JURO_PG, COD_BANCO_PAGTO,
    // COD_AG_PAGTO, COD_CONTA_PAGTO, NOM_RAZAO_SOCIAL, DES_NOM, NOM_FANTASIA).
    data::Rows rows;
    // The same rows, typed; titles[i] is what an action on grid row i takes.
    std::vector<PayableTitle> titles;
    // Loaded only when a title was found.
    PayableSettlementLists lists;
    // "Título não encontrado !" when nothing was found; else empty.
    QString message;
};

// The search button of the payable query: open titles of one company,
// supplier and document type. A title without buyer is listed too.
// Refuses with common::UserError: an empty field ("É necessario que todos os
// campos da pesquisa estejam preenchidos ...", cursor in the company code);
// a code that is not a whole number (InvalidCodeError, "Código inválido: "
// + that code, the window empties that field and puts the cursor there).
PayableSearchResult searchOpenPayables(data::Database& db, const PayableSearchInput& in);

} // namespace fin::finance
