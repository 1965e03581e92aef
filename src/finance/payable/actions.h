#pragma once

#include "base/date.h"
#include "finance/payable/title.h"

#include <QString>

#include <optional>

namespace fin::data {
class Database;
}

namespace fin::finance {

// "  Tipo de pagamento": "Parcial" or "Total"; no choice sets neither flag.
enum class PayablePaymentType { Parcial, Total };
// "  Tipo de saída": "Banco" writes a bank movement; "Caixa" or no choice, a cash one.
enum class PayablePaymentExit { Banco, Caixa };

// The "Baixar título" page as typed. Amounts are pt-BR texts ("1.234,56"),
// the payment date "dd/mm/yyyy".
struct PayableSettlementInput {
    QString vlrMulta;          // empty: the title keeps it empty, the history row has 0
    QString vlrJuro;           // empty: likewise
    QString vlrPago;
    QString dataPagto;
    std::optional<PayablePaymentType> tipoPagamento;
    std::optional<PayablePaymentExit> tipoSaida;
    QString codBanco;          // these three only for "Banco"
    QString codAgencia;
    QString codContaCorrente;
    QString codHistorico;      // a debit code of HISTORICO_FIN
    QString complemento;       // the window's default is PayableTexts::defaultComplement
};

struct PayableActionOutcome {
    QString message;           // the success message; the window then closes the result
    base::DateTime key;        // server timestamp of the history row (and of the movement)
};

// Each action validates everything first (common::UserError with the message
// and the field to focus; nothing written), then in one transaction updates
// the title only if it is still open and as listed (else TitleChangedError,
// nothing written: the user searches again), and writes its history row
// (and movement) keyed by one server timestamp. Any database error rolls the
// whole action back and propagates as data::DbError. `today` is the
// workstation's date.

// "&Baixar título": closes the title (for "Parcial" as for "Total"), writes
// the history row and a cash or bank movement of the amount paid.
PayableActionOutcome SettlePayableTitle(data::Database& db, const PayableTitle& listed,
                                        const PayableSettlementInput& in, const base::Date& today);

// "&Alterar vencimento": the new due date ("dd/mm/yyyy") and the reason.
PayableActionOutcome ChangePayableDueDate(data::Database& db, const PayableTitle& listed,
                                          const QString& novoVencimento, const QString& motivo);

// "Alterar valor": the new title value (pt-BR amount) and the reason.
PayableActionOutcome ChangePayableValue(data::Database& db, const PayableTitle& listed, const QString& novoValor,
                                        const QString& motivo);

} // namespace fin::finance
