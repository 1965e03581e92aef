#include "finance/payable/title.h"

#include "data/statement.h"

namespace fin::finance {

namespace {

std::optional<int> optInt(const data::Value& v)
{
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}

std::optional<base::Money> optMoney(const data::Value& v)
{
    return v.isNull() ? std::nullopt : std::optional<base::Money>(v.toMoney());
}

std::optional<QString> optText(const data::Value& v)
{
    return v.isNull() ? std::nullopt : std::optional<QString>(v.toString());
}

} // namespace

PayableTitle PayableTitle::fromRow(const data::Row& r)
{
    PayableTitle t;
    t.codEmp = r[QStringLiteral("COD_EMP")].toInt();
    t.codDoc = r[QStringLiteral("COD_DOC")].toInt();
    t.codParc = r[QStringLiteral("COD_PARC")].toInt();
    t.codFornecedor = r[QStringLiteral("COD_FORNECEDOR")].toInt();
    t.codTipDoc = r[QStringLiteral("COD_TIP_DOC")].toInt();
    t.codComprador = optInt(r[QStringLiteral("COD_COMPRADOR")]);
    t.datCadastro = r[QStringLiteral("DAT_CADASTRO")].toDate();
    t.datEmissao = r[QStringLiteral("DAT_EMISSAO")].toDate();
    t.datVencimento = r[QStringLiteral("DAT_VENCIMENTO")].toDate();
    t.datPgtoTotal = r[QStringLiteral("DAT_PGTO_TOTAL")].toDate();
    t.vlrTitulo = optMoney(r[QStringLiteral("VLR_TITULO")]);
    t.vlrPgto = optMoney(r[QStringLiteral("VLR_PGTO")]);
    t.codPedido = optInt(r[QStringLiteral("COD_PEDIDO")]);
    t.vlrNotaFiscal = optMoney(r[QStringLiteral("VLR_NOTA_FICAL")]);
    t.desObs = optText(r[QStringLiteral("DES_OBS")]);
    t.vlrJuroDiario = optMoney(r[QStringLiteral("VLR_JURO_DIARIO")]);
    t.vlrMultaPg = optMoney(r[QStringLiteral("VLR_MULTA_PG")]);
    t.vlrJuroPg = optMoney(r[QStringLiteral("VLR_JURO_PG")]);
    t.codBancoPagto = optInt(r[QStringLiteral("COD_BANCO_PAGTO")]);
    t.codAgPagto = optText(r[QStringLiteral("COD_AG_PAGTO")]);
    t.codContaPagto = optText(r[QStringLiteral("COD_CONTA_PAGTO")]);
    t.desTipDoc = r[QStringLiteral("DES_TIP_DOC")].toString();
    t.nomFornecedor = r[QStringLiteral("NOM_RAZAO_SOCIAL")].toString();
    t.nomComprador = r[QStringLiteral("DES_NOM")].toString();
    t.nomFantasiaEmpresa = r[QStringLiteral("NOM_FANTASIA")].toString();
    return t;
}

} // namespace fin::finance
