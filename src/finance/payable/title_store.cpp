#include "finance/payable/title_store.h"

#include "data/errors.h"
#include "data/statement.h"
#include "finance/payable/errors.h"
#include "finance/payable/texts.h"
#include "finance/payable/title.h"

#include <QStringList>

namespace fin::finance::payable_store {

namespace {

data::Value flag(bool set)
{
    return set ? data::Value(QStringLiteral("S")) : data::Value::null();
}

// The listed columns of CONTA_PAGAR besides the identity and the open mark.
ColumnChanges listedValues(const PayableTitle& t)
{
    return {
        {QStringLiteral("COD_COMPRADOR"), t.codComprador},
        {QStringLiteral("DAT_CADASTRO"), t.datCadastro},
        {QStringLiteral("DAT_EMISSAO"), t.datEmissao},
        {QStringLiteral("DAT_VENCIMENTO"), t.datVencimento},
        {QStringLiteral("VLR_TITULO"), t.vlrTitulo},
        {QStringLiteral("VLR_PGTO"), t.vlrPgto},
        {QStringLiteral("COD_PEDIDO"), t.codPedido},
        {QStringLiteral("VLR_NOTA_FICAL"), t.vlrNotaFiscal},
        {QStringLiteral("DES_OBS"), t.desObs},
        {QStringLiteral("VLR_JURO_DIARIO"), t.vlrJuroDiario},
        {QStringLiteral("VLR_MULTA_PG"), t.vlrMultaPg},
        {QStringLiteral("VLR_JURO_PG"), t.vlrJuroPg},
        {QStringLiteral("COD_BANCO_PAGTO"), t.codBancoPagto},
        {QStringLiteral("COD_AG_PAGTO"), t.codAgPagto},
        {QStringLiteral("COD_CONTA_PAGTO"), t.codContaPagto},
    };
}

} // namespace

void updateListedTitle(data::Transaction& tx, const PayableTitle& listed, const ColumnChanges& changes)
{
    const ColumnChanges before = listedValues(listed);
    QStringList sets;
    for (const auto& [column, value] : changes)
        sets << QStringLiteral("%1 = :NEW_%1").arg(column);
    QStringList same;
    for (const auto& [column, value] : before)
        same << QStringLiteral("%1 IS NOT DISTINCT FROM :OLD_%1").arg(column);

    data::Statement st(tx, QStringLiteral(
        "UPDATE CONTA_PAGAR SET %1 WHERE COD_EMP = :COD_EMP AND COD_DOC = :COD_DOC AND COD_PARC = :COD_PARC "
        "AND COD_FORNECEDOR = :COD_FORNECEDOR AND COD_TIP_DOC = :COD_TIP_DOC AND DAT_PGTO_TOTAL IS NULL AND %2")
        .arg(sets.join(QStringLiteral(", ")), same.join(QStringLiteral(" AND "))));
    for (const auto& [column, value] : changes)
        st.set(QStringLiteral("NEW_") + column, value);
    for (const auto& [column, value] : before)
        st.set(QStringLiteral("OLD_") + column, value);
    st.set(QStringLiteral("COD_EMP"), listed.codEmp)
        .set(QStringLiteral("COD_DOC"), listed.codDoc)
        .set(QStringLiteral("COD_PARC"), listed.codParc)
        .set(QStringLiteral("COD_FORNECEDOR"), listed.codFornecedor)
        .set(QStringLiteral("COD_TIP_DOC"), listed.codTipDoc);

    std::int64_t updated = 0;
    try {
        updated = st.execute();
    } catch (const data::LockConflictError&) {
        throw TitleChangedError(PayableTexts::titleBusy);
    }
    if (updated != 1)
        throw TitleChangedError(PayableTexts::titleChanged);
}

HistoryRow historyOf(const PayableTitle& t)
{
    HistoryRow h;
    h.codEmp = t.codEmp;
    h.codDoc = t.codDoc;
    h.codParc = t.codParc;
    h.codFornecedor = t.codFornecedor;
    h.codTipDoc = t.codTipDoc;
    h.datCadastro = t.datCadastro;
    h.datEmissao = t.datEmissao;
    h.datVencimento = t.datVencimento;
    h.vlrNotaFiscal = t.vlrNotaFiscal;
    h.vlrTitulo = t.vlrTitulo;
    h.vlrJuroDiario = t.vlrJuroDiario;
    return h;
}

void insertHistory(data::Transaction& tx, const HistoryRow& h, const base::DateTime& key)
{
    data::Statement(tx, QStringLiteral(
        "INSERT INTO HIST_CONTA_PAGAR (COD_HISTORICO, COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC, "
        "DAT_CADASTRO, DAT_EMISSAO, DAT_VENCIMENTO, DAT_PGTO_TOTAL, VLR_NOTA_FICAL, VLR_TITULO, VLR_PGTO, "
        "VLR_JURO_DIARIO, VLR_MULTA_PG, VLR_JURO_PG, DES_OBS, DES_OBS_TITULO, COD_BANCO_PAGTO, COD_AG_PAGTO, "
        "COD_CONTA_PAGTO, STA_BAIXA, STA_BX_PARCIAL, STA_ALT_VENC, STA_ABATIMENTO) "
        "VALUES (:COD_HISTORICO, :COD_EMP, :COD_DOC, :COD_PARC, :COD_FORNECEDOR, :COD_TIP_DOC, "
        ":DAT_CADASTRO, :DAT_EMISSAO, :DAT_VENCIMENTO, :DAT_PGTO_TOTAL, :VLR_NOTA_FICAL, :VLR_TITULO, :VLR_PGTO, "
        ":VLR_JURO_DIARIO, :VLR_MULTA_PG, :VLR_JURO_PG, :DES_OBS, :DES_OBS_TITULO, :COD_BANCO_PAGTO, :COD_AG_PAGTO, "
        ":COD_CONTA_PAGTO, :STA_BAIXA, :STA_BX_PARCIAL, :STA_ALT_VENC, :STA_ABATIMENTO)"))
        .set(QStringLiteral("COD_HISTORICO"), key)
        .set(QStringLiteral("COD_EMP"), h.codEmp)
        .set(QStringLiteral("COD_DOC"), h.codDoc)
        .set(QStringLiteral("COD_PARC"), h.codParc)
        .set(QStringLiteral("COD_FORNECEDOR"), h.codFornecedor)
        .set(QStringLiteral("COD_TIP_DOC"), h.codTipDoc)
        .set(QStringLiteral("DAT_CADASTRO"), h.datCadastro)
        .set(QStringLiteral("DAT_EMISSAO"), h.datEmissao)
        .set(QStringLiteral("DAT_VENCIMENTO"), h.datVencimento)
        .set(QStringLiteral("DAT_PGTO_TOTAL"), h.datPgtoTotal)
        .set(QStringLiteral("VLR_NOTA_FICAL"), h.vlrNotaFiscal)
        .set(QStringLiteral("VLR_TITULO"), h.vlrTitulo)
        .set(QStringLiteral("VLR_PGTO"), h.vlrPgto)
        .set(QStringLiteral("VLR_JURO_DIARIO"), h.vlrJuroDiario)
        .set(QStringLiteral("VLR_MULTA_PG"), h.vlrMultaPg)
        .set(QStringLiteral("VLR_JURO_PG"), h.vlrJuroPg)
        .set(QStringLiteral("DES_OBS"), h.desObs)
        .set(QStringLiteral("DES_OBS_TITULO"), h.desObsTitulo)
        .set(QStringLiteral("COD_BANCO_PAGTO"), h.codBancoPagto)
        .set(QStringLiteral("COD_AG_PAGTO"), h.codAgPagto)
        .set(QStringLiteral("COD_CONTA_PAGTO"), h.codContaPagto)
        .set(QStringLiteral("STA_BAIXA"), flag(h.staBaixa))
        .set(QStringLiteral("STA_BX_PARCIAL"), flag(h.staBxParcial))
        .set(QStringLiteral("STA_ALT_VENC"), flag(h.staAltVenc))
        .set(QStringLiteral("STA_ABATIMENTO"), flag(h.staAbatimento))
        .execute();
}

} // namespace fin::finance::payable_store
