#pragma once

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <optional>

namespace fin::data {
class Row;
}

namespace fin::finance {

// One open payable as the search listed it. Empty columns stay empty
// (nullopt, null date): the title is later updated only if it still holds
// exactly these values.
struct PayableTitle {
    // Identity.
    int codEmp = 0;
    int codDoc = 0;
    int codParc = 0;
    int codFornecedor = 0;
    int codTipDoc = 0;

    std::optional<int> codComprador;
    base::Date datCadastro;
    base::Date datEmissao;
    base::Date datVencimento;
    base::Date datPgtoTotal;                    // null: open
    std::optional<base::Money> vlrTitulo;
    std::optional<base::Money> vlrPgto;
    std::optional<int> codPedido;
    std::optional<base::Money> vlrNotaFiscal;   // VLR_NOTA_FICAL
    std::optional<QString> desObs;
    std::optional<base::Money> vlrJuroDiario;
    std::optional<base::Money> vlrMultaPg;
    std::optional<base::Money> vlrJuroPg;
    std::optional<int> codBancoPagto;
    std::optional<QString> codAgPagto;
    std::optional<QString> codContaPagto;

    // Joined, for display.
    QString desTipDoc;         // TIP_DOCUMENTO.DES_TIP_DOC
    QString nomFornecedor;     // FORNECEDOR.NOM_RAZAO_SOCIAL
    QString nomComprador;      // COMPRADOR.DES_NOM; empty when the title has no buyer
    QString nomFantasiaEmpresa;   // EMPRESA.NOM_FANTASIA

    // A row of the open-payables search.
    static PayableTitle fromRow(const data::Row& row);
};

} // namespace fin::finance
