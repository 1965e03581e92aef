#pragma once

// The writes every payable action shares: the guarded update of the listed
// title and the history row.

#include "base/date.h"
#include "base/money.h"
#include "data/value.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace fin::data {
class Transaction;
}

namespace fin::finance {

struct PayableTitle;

namespace payable_store {

// Column name (a constant of this code, never typed text) and its new value.
using ColumnChanges = std::vector<std::pair<QString, data::Value>>;

// Updates the title only while it is still open and holds every value it
// had when it was listed; otherwise nothing is written and the caller's
// action fails with TitleChangedError (also when another workstation holds
// the row longer than the lock wait).
void updateListedTitle(data::Transaction& tx, const PayableTitle& listed, const ColumnChanges& changes);

// One HIST_CONTA_PAGAR row. Event flags are "S" or empty.
struct HistoryRow {
    int codEmp = 0;
    int codDoc = 0;
    int codParc = 0;
    int codFornecedor = 0;
    int codTipDoc = 0;
    base::Date datCadastro;
    base::Date datEmissao;
    base::Date datVencimento;
    base::Date datPgtoTotal;
    std::optional<base::Money> vlrNotaFiscal;
    std::optional<base::Money> vlrTitulo;
    std::optional<base::Money> vlrPgto;
    std::optional<base::Money> vlrJuroDiario;
    std::optional<base::Money> vlrMultaPg;
    std::optional<base::Money> vlrJuroPg;
    std::optional<QString> desObs;
    std::optional<QString> desObsTitulo;
    std::optional<int> codBancoPagto;
    std::optional<QString> codAgPagto;
    std::optional<QString> codContaPagto;
    bool staBaixa = false;
    bool staBxParcial = false;
    bool staAltVenc = false;
    bool staAbatimento = false;
};

// The title's own columns every history row repeats.
HistoryRow historyOf(const PayableTitle& t);

void insertHistory(data::Transaction& tx, const HistoryRow& h, const base::DateTime& key);

} // namespace payable_store
} // namespace fin::finance
