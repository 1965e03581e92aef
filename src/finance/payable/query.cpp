#include "finance/payable/query.h"

#include "data/database.h"
#include "finance/payable/errors.h"
#include "finance/payable/input.h"
#include "finance/payable/texts.h"

namespace fin::finance {

namespace {

// A title entered without a buyer must still be listed: the buyer is an
// outer join; company and document type are required and stay inner joins.
const char* const kOpenPayables =
    "select CONTA_PAGAR.COD_DOC, CONTA_PAGAR.COD_PARC, CONTA_PAGAR.cod_fornecedor, CONTA_PAGAR.COD_TIP_DOC,\n"
    "TIP_DOCUMENTO.DES_TIP_DOC, CONTA_PAGAR.DAT_CADASTRO, CONTA_PAGAR.DAT_VENCIMENTO, CONTA_PAGAR.DAT_PGTO_TOTAL,\n"
    "CONTA_PAGAR.VLR_TITULO, CONTA_PAGAR.cod_comprador, CONTA_PAGAR.COD_EMP, CONTA_PAGAR.DAT_EMISSAO,\n"
    "CONTA_PAGAR.VLR_PGTO, CONTA_PAGAR.COD_PEDIDO, CONTA_PAGAR.VLR_NOTA_FICAL, CONTA_PAGAR.DES_OBS,\n"
    "CONTA_PAGAR.VLR_JURO_DIARIO, CONTA_PAGAR.VLR_MULTA_PG, CONTA_PAGAR.VLR_JURO_PG, COD_BANCO_PAGTO, COD_AG_PAGTO,\n"
    "COD_CONTA_PAGTO, fornecedor.NOM_RAZAO_SOCIAL, comprador.des_nom, EMPRESA.NOM_FANTASIA\n"
    "from CONTA_PAGAR\n"
    "join fornecedor on ( fornecedor.cod_fornecedor = CONTA_PAGAR.cod_fornecedor)\n"
    "left join comprador on ( comprador.cod_comprador = CONTA_PAGAR.cod_comprador)\n"
    "join empresa on (empresa.cod_emp = conta_pagar.cod_emp)\n"
    "join tip_documento on (tip_documento.cod_tip_doc = conta_pagar.cod_tip_doc)\n"
    "where DAT_PGTO_TOTAL is null and conta_pagar.cod_emp = :emp and conta_pagar.cod_fornecedor = :codforn\n"
    "and conta_pagar.cod_tip_doc = :tipdoc\n"
    "order by DAT_VENCIMENTO asc";

int searchCode(const QString& text, const QString& field)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        throw InvalidCodeError(PayableTexts::invalidCode + text.trimmed(), field);
    return n;
}

} // namespace

PayableSearchResult searchOpenPayables(data::Database& db, const PayableSearchInput& in)
{
    if (payable_input::isBlank(in.codEmp) || payable_input::isBlank(in.codFornecedor)
        || payable_input::isBlank(in.codTipDoc))
        throw common::UserError(PayableTexts::searchFieldsEmpty, PayableFields::codEmp);
    // Each code is named in its own message, so the user sees which one is wrong.
    const int emp = searchCode(in.codEmp, PayableFields::codEmp);
    const int forn = searchCode(in.codFornecedor, PayableFields::codFornecedor);
    const int tipDoc = searchCode(in.codTipDoc, PayableFields::codTipDoc);

    PayableSearchResult r;
    r.rows = db.inTransaction([&](data::Transaction& tx) {
        return data::Statement(tx, QString::fromUtf8(kOpenPayables))
            .set(QStringLiteral("emp"), emp)
            .set(QStringLiteral("codforn"), forn)
            .set(QStringLiteral("tipdoc"), tipDoc)
            .query();
    });
    if (r.rows.empty()) {
        r.message = PayableTexts::notFound;
        return r;
    }
    r.titles.reserve(r.rows.size());
    for (const data::Row& row : r.rows)
        r.titles.push_back(PayableTitle::fromRow(row));
    r.lists = loadPayableSettlementLists(db);
    return r;
}

} // namespace fin::finance
