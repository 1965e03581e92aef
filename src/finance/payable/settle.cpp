#include "finance/payable/actions.h"

#include "common/errors.h"
#include "data/database.h"
#include "data/statement.h"
#include "finance/cashbank/movements.h"
#include "finance/movement_key.h"
#include "finance/payable/input.h"
#include "finance/payable/texts.h"
#include "finance/payable/title_store.h"

namespace fin::finance {

namespace in = payable_input;

namespace {

struct Settlement {
    bool bank = false;
    int codBanco = 0;
    QString codAgencia;
    QString codContaCorrente;
    base::Money vlrPago;
    std::optional<base::Money> vlrMulta;
    std::optional<base::Money> vlrJuro;
    base::Date dataPagto;
    int codHistorico = 0;
    QString complemento;
};

std::optional<base::Money> nonNegative(const QString& text, const QString& field, const QString& message)
{
    const auto value = in::optionalAmount(text, field);
    if (value && value->isNegative())
        throw common::UserError(message, field);
    return value;
}

// Everything that can be judged without the database, before anything is written.
Settlement validate(const PayableTitle& t, const PayableSettlementInput& e)
{
    Settlement s;
    s.bank = e.tipoSaida == PayablePaymentExit::Banco;
    if (s.bank) {
        if (in::isBlank(e.codBanco) || in::isBlank(e.codAgencia) || in::isBlank(e.codContaCorrente))
            throw common::UserError(PayableTexts::bankDataRequired, PayableFields::codBanco);
        bool ok = false;
        s.codBanco = e.codBanco.trimmed().toInt(&ok);
        if (!ok)
            throw common::UserError(PayableTexts::invalidBankCode + e.codBanco.trimmed(), PayableFields::codBanco);
        s.codAgencia = e.codAgencia.trimmed();
        s.codContaCorrente = e.codContaCorrente.trimmed();
    }
    // Never settled for less than its value, "Parcial" included.
    s.vlrPago = in::optionalAmount(e.vlrPago, PayableFields::vlrPago).value_or(base::Money{});
    if (s.vlrPago < t.vlrTitulo.value_or(base::Money{}))
        throw common::UserError(PayableTexts::paidBelowTitle, PayableFields::vlrPago);
    s.vlrMulta = nonNegative(e.vlrMulta, PayableFields::vlrMulta, PayableTexts::multaNegative);
    s.vlrJuro = nonNegative(e.vlrJuro, PayableFields::vlrJuro, PayableTexts::juroNegative);
    const auto date = in::optionalDate(e.dataPagto);
    if (!date)
        throw common::UserError(PayableTexts::invalidPaymentDate, PayableFields::dataPagto);
    s.dataPagto = *date;
    if (in::isBlank(e.codHistorico))
        throw common::UserError(PayableTexts::historyRequired, PayableFields::codHistorico);
    s.codHistorico = in::code(e.codHistorico, PayableFields::codHistorico);
    s.complemento = in::boundedText(e.complemento, PayableFields::complemento);
    return s;
}

void requireReferences(data::Transaction& tx, const Settlement& s)
{
    const bool debit = data::Statement(tx, QStringLiteral(
        "SELECT 1 FROM HISTORICO_FIN WHERE COD_HISTORICO = :COD AND TIP_DEBITO = 'S'"))
        .set(QStringLiteral("COD"), s.codHistorico)
        .queryOne()
        .has_value();
    if (!debit)
        throw common::UserError(PayableTexts::unknownDebitHistory + QString::number(s.codHistorico),
                                PayableFields::codHistorico);
    if (!s.bank)
        return;
    const bool account = data::Statement(tx, QStringLiteral(
        "SELECT FIRST 1 1 FROM CONTA_CORRENTE WHERE COD_BANCO = :BANCO AND COD_AGENCIA = :AGENCIA "
        "AND COD_CONTA_CORRENTE = :CONTA"))
        .set(QStringLiteral("BANCO"), s.codBanco)
        .set(QStringLiteral("AGENCIA"), s.codAgencia)
        .set(QStringLiteral("CONTA"), s.codContaCorrente)
        .queryOne()
        .has_value();
    if (!account)
        throw common::UserError(PayableTexts::unknownBankAccount, PayableFields::codContaCorrente);
}

} // namespace

PayableActionOutcome SettlePayableTitle(data::Database& db, const PayableTitle& t, const PayableSettlementInput& e,
                                        const base::Date& today)
{
    const Settlement s = validate(t, e);
    return db.inTransaction([&](data::Transaction& tx) {
        requireReferences(tx, s);

        payable_store::ColumnChanges changes = {
            {QStringLiteral("VLR_PGTO"), s.vlrPago},
            {QStringLiteral("VLR_MULTA_PG"), s.vlrMulta},
            {QStringLiteral("VLR_JURO_PG"), s.vlrJuro},
            {QStringLiteral("DAT_PGTO_TOTAL"), s.dataPagto},
        };
        if (s.bank) {
            changes.emplace_back(QStringLiteral("COD_BANCO_PAGTO"), s.codBanco);
            changes.emplace_back(QStringLiteral("COD_AG_PAGTO"), s.codAgencia);
            changes.emplace_back(QStringLiteral("COD_CONTA_PAGTO"), s.codContaCorrente);
        }
        payable_store::updateListedTitle(tx, t, changes);

        payable_store::HistoryRow h = payable_store::historyOf(t);
        h.datPgtoTotal = s.dataPagto;
        h.vlrPgto = s.vlrPago;
        h.vlrMultaPg = s.vlrMulta.value_or(base::Money{});
        h.vlrJuroPg = s.vlrJuro.value_or(base::Money{});
        h.desObs = s.complemento;
        h.desObsTitulo = t.desObs;
        // A cash settlement names no bank.
        if (s.bank) {
            h.codBancoPagto = s.codBanco;
            h.codAgPagto = s.codAgencia;
            h.codContaPagto = s.codContaCorrente;
        }
        h.staBxParcial = e.tipoPagamento == PayablePaymentType::Parcial;
        h.staBaixa = e.tipoPagamento == PayablePaymentType::Total;

        // One key for both rows: a collision on either retries both.
        const base::DateTime key = insertWithServerKey(tx, [&](const base::DateTime& k) {
            payable_store::insertHistory(tx, h, k);
            if (s.bank) {
                BankMovement m;
                m.codEmp = t.codEmp;
                m.codBanco = s.codBanco;
                m.codAgencia = s.codAgencia;
                m.codContaCorrente = s.codContaCorrente;
                m.codHistorico = s.codHistorico;
                m.complemento = s.complemento;
                m.valor = s.vlrPago;
                m.data = today;
                insertBankMovement(tx, m, k);
            } else {
                CashMovement m;
                m.codEmp = t.codEmp;
                m.codHistorico = s.codHistorico;
                m.complemento = s.complemento + QStringLiteral(" - ") + t.nomFornecedor;
                m.valor = s.vlrPago;
                m.data = today;
                insertCashMovement(tx, m, k);
            }
        });
        return PayableActionOutcome{PayableTexts::settled, key};
    });
}

} // namespace fin::finance
