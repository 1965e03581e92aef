#pragma once

#include "base/date.h"

#include <QString>

namespace fin::data {
class Database;
}

namespace fin::finance {

// What "Cadastro de título a pagar" holds, as typed. Codes and amounts are
// the texts of their fields (pt-BR amounts: "1.234,56"); the dates come from
// the two date pickers.
struct PayableEntryInput {
    QString codEmp;
    QString codDoc;
    QString codParc;
    QString codTipDoc;
    QString codFornecedor;
    QString codComprador;     // may stay empty
    QString codConta;         // filled by the management-account look-up
    base::Date datEmissao;
    base::Date datVencimento;
    QString vlrNotaFiscal;
    QString vlrDesconto;      // empty: stored empty
    QString vlrTitulo;
    QString vlrJuroDiario;    // empty: stored empty
    QString perMulta;         // empty: stored empty
    QString desObs;           // up to 80 characters
};

// What "&Incluir" starts: the five amounts "0,00", both dates today.
PayableEntryInput newPayableEntry(const base::Date& today);

struct RegisterOutcome {
    QString message;   // "Título cadastrado com sucesso ..."
};

// "&Salvar". Checks everything, then, in one transaction, refuses a title
// whose identity exists (also when another workstation stores the same one
// at the same moment) and inserts the row with DAT_CADASTRO = today. Throws
// common::UserError (message, field to focus) for any refused input; nothing
// is written then. Database errors propagate as data::DbError.
RegisterOutcome RegisterPayableTitle(data::Database& db, const PayableEntryInput& in, const base::Date& today);

// The checks made when the user leaves an amount field or the emission date.
enum class PayableEntryAmount { NotaFiscal, Desconto, Titulo, JuroDiario, PerMulta };

struct FieldCheck {
    QString message;   // empty when accepted; else shown, and the cursor goes back to `field`
    QString text;      // what the field shows afterwards ("##0.00": "1234,50")
    QString field;     // object name (PayableFields)
    bool accepted() const { return message.isEmpty(); }
};

FieldCheck checkPayableEntryAmount(PayableEntryAmount which, const QString& text);
FieldCheck checkPayableEmissionDate(const base::Date& emissao, const base::Date& today);

} // namespace fin::finance
