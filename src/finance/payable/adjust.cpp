#include "finance/payable/actions.h"

#include "common/errors.h"
#include "data/database.h"
#include "finance/movement_key.h"
#include "finance/payable/input.h"
#include "finance/payable/texts.h"
#include "finance/payable/title_store.h"

namespace fin::finance {

namespace {

// The history row of an adjustment repeats what was paid so far (0 when empty).
payable_store::HistoryRow adjustmentHistory(const PayableTitle& t, const QString& motivo)
{
    payable_store::HistoryRow h = payable_store::historyOf(t);
    h.vlrPgto = t.vlrPgto.value_or(base::Money{});
    h.vlrMultaPg = t.vlrMultaPg.value_or(base::Money{});
    h.vlrJuroPg = t.vlrJuroPg.value_or(base::Money{});
    h.desObs = motivo;
    return h;
}

PayableActionOutcome adjust(data::Database& db, const PayableTitle& t, const payable_store::ColumnChanges& changes,
                            const payable_store::HistoryRow& h, const QString& message)
{
    return db.inTransaction([&](data::Transaction& tx) {
        payable_store::updateListedTitle(tx, t, changes);
        const base::DateTime key = insertWithServerKey(tx, [&](const base::DateTime& k) {
            payable_store::insertHistory(tx, h, k);
        });
        return PayableActionOutcome{message, key};
    });
}

} // namespace

PayableActionOutcome ChangePayableDueDate(data::Database& db, const PayableTitle& t, const QString& novoVencimento,
                                          const QString& motivo)
{
    const auto date = payable_input::optionalDate(novoVencimento);
    if (!date)
        throw common::UserError(PayableTexts::invalidDueDate, PayableFields::novoVencimento);
    payable_store::HistoryRow h =
        adjustmentHistory(t, payable_input::boundedText(motivo, PayableFields::motivoVencimento));
    h.datVencimento = *date;
    h.staAltVenc = true;
    return adjust(db, t, {{QStringLiteral("DAT_VENCIMENTO"), *date}}, h, PayableTexts::dueDateChanged);
}

PayableActionOutcome ChangePayableValue(data::Database& db, const PayableTitle& t, const QString& novoValor,
                                        const QString& motivo)
{
    const auto value = payable_input::optionalAmount(novoValor, PayableFields::novoValor);
    if (!value)
        throw common::UserError(PayableTexts::invalidAmount + novoValor.trimmed(), PayableFields::novoValor);
    if (value->isNegative())
        throw common::UserError(PayableTexts::negativeValue, PayableFields::novoValor);
    payable_store::HistoryRow h = adjustmentHistory(t, payable_input::boundedText(motivo, PayableFields::motivoValor));
    h.vlrTitulo = *value;
    h.staAbatimento = true;
    return adjust(db, t, {{QStringLiteral("VLR_TITULO"), *value}}, h, PayableTexts::valueChanged);
}

} // namespace fin::finance
