#include "finance/cashbank/day.h"

#include "common/brformat.h"
#include "data/database.h"
#include "data/errors.h"
#include "data/statement.h"

#include <chrono>

namespace fin::finance {

namespace {

constexpr int kRefreshAttempts = 3;

struct BookSql {
    const char* procedure;
    const char* opening;
    const char* movements;
};

const BookSql& sqlOf(Book book)
{
    static const BookSql cash{
        "EXECUTE PROCEDURE PRC_ATU_SALDO_CAIXA(:COD_USUARIO)",
        "SELECT SALDO_CAIXA.DAT_MOVIMENTO, COALESCE(SALDO_CAIXA.VLR_SALDO_INICIAL, 0) AS VLR_SALDO_INICIAL "
        "FROM SALDO_CAIXA WHERE SALDO_CAIXA.DAT_MOVIMENTO = :DIA",
        "SELECT MOVIMENTO_CAIXA.COD_MOVIMENTO, MOVIMENTO_CAIXA.DES_COMPLEMENTO, "
        "COALESCE(MOVIMENTO_CAIXA.VLR_MOVIMENTO, 0) AS VLR_MOVIMENTO, HISTORICO_FIN.TIP_DEBITO "
        "FROM MOVIMENTO_CAIXA JOIN HISTORICO_FIN ON (HISTORICO_FIN.COD_HISTORICO = MOVIMENTO_CAIXA.COD_HISTORICO) "
        "WHERE MOVIMENTO_CAIXA.DATA_MOVIMENTO = :DIA ORDER BY MOVIMENTO_CAIXA.COD_MOVIMENTO"};
    static const BookSql bank{
        "EXECUTE PROCEDURE PRC_ATU_SALDO_BANCO(:COD_USUARIO)",
        "SELECT SALDO_BANCO.DAT_MOVIMENTO, COALESCE(SALDO_BANCO.VLR_SALDO_INICIAL, 0) AS VLR_SALDO_INICIAL "
        "FROM SALDO_BANCO WHERE SALDO_BANCO.DAT_MOVIMENTO = :DIA",
        "SELECT MOVIMENTO_BANCO.COD_MOVIMENTO, MOVIMENTO_BANCO.DES_COMPLEMENTO, "
        "COALESCE(MOVIMENTO_BANCO.VLR_MOVIMENTO, 0) AS VLR_MOVIMENTO, HISTORICO_FIN.TIP_DEBITO "
        "FROM MOVIMENTO_BANCO JOIN HISTORICO_FIN ON (HISTORICO_FIN.COD_HISTORICO = MOVIMENTO_BANCO.COD_HISTORICO) "
        "WHERE MOVIMENTO_BANCO.DATA_MOVIMENTO = :DIA ORDER BY MOVIMENTO_BANCO.COD_MOVIMENTO"};
    return book == Book::Cash ? cash : bank;
}

base::Date serverDate(data::Transaction& tx)
{
    return data::Statement(tx, QStringLiteral("SELECT CURRENT_DATE AS DIA FROM RDB$DATABASE"))
        .queryOne()->operator[](QStringLiteral("DIA")).toDate();
}

QString timestampText(const base::DateTime& t)
{
    return QString::fromStdString(t.date.toDDMMYYYY() + ' ' + t.time.toHHMMSS());
}

} // namespace

QString tipoMovimentoLabel(const QString& tipDebito)
{
    if (tipDebito == u"S")
        return kLabelDebito;
    if (tipDebito == u"N")
        return kLabelCredito;
    return kLabelInexistente;
}

QString formatCurrency(base::Money value)
{
    const QString amount = common::formatMoney(value.isNegative() ? -value : value, common::kMoneyGrouped);
    return (value.isNegative() ? QStringLiteral("-R$ ") : QStringLiteral("R$ ")) + amount;
}

DayTotals AtuDebCred(const std::vector<DayMovement>& rows, std::optional<base::Money> saldoInicial)
{
    DayTotals t;
    for (const DayMovement& row : rows) {
        if (row.tipDebito == u"N")
            t.credito += row.valor;
        else if (row.tipDebito == u"S")
            t.debito += row.valor;
    }
    t.saldoAtual = saldoInicial.value_or(base::Money()) + t.credito - t.debito;
    t.creditoText = formatCurrency(t.credito);
    t.debitoText = formatCurrency(t.debito);
    t.saldoAtualText = formatCurrency(t.saldoAtual);
    t.saldoInicialText = saldoInicial ? common::formatMoney(*saldoInicial, common::kMoneyGrouped) : QStringLiteral("0");
    return t;
}

void refreshOpeningBalance(data::Transaction& tx, Book book)
{
    data::Statement proc(tx, QString::fromUtf8(sqlOf(book).procedure));
    proc.set(QStringLiteral("COD_USUARIO"), 1);
    // The engine reports a lock wait that ran out with the same codes as a
    // conflict with a change committed while we waited (an update conflict,
    // or a duplicate day row), and checks its waits once a second. A failure
    // well before the time-out is therefore a race we lost: the procedure runs
    // again on the row the other workstation committed. Anything later is the
    // bounded wait running out.
    const auto patience = std::chrono::seconds(tx.database().params().lockTimeoutSeconds - 1);
    for (int attempt = 1;; ++attempt) {
        const auto started = std::chrono::steady_clock::now();
        try {
            proc.execute();
            return;
        } catch (const data::DbError& e) {
            const bool conflict = dynamic_cast<const data::LockConflictError*>(&e) != nullptr
                                  || dynamic_cast<const data::UniqueViolationError*>(&e) != nullptr;
            if (!conflict)
                throw;
            if (std::chrono::steady_clock::now() - started >= patience)
                throw data::LockConflictError(e.message(), e.codes(), e.sqlCode());
            // A failed statement is undone by itself; the transaction goes on.
            if (attempt >= kRefreshAttempts)
                throw;
        }
    }
}

DayView loadDay(data::Transaction& tx, Book book)
{
    const BookSql& sql = sqlOf(book);
    DayView view;
    view.book = book;
    refreshOpeningBalance(tx, book);
    // One reading of the server's date keeps the balance and the list on the same day.
    view.dia = serverDate(tx);

    data::Statement opening(tx, QString::fromUtf8(sql.opening));
    opening.set(QStringLiteral("DIA"), view.dia);
    if (const auto row = opening.queryOne()) {
        view.dataSaldo = (*row)[QStringLiteral("DAT_MOVIMENTO")].toDate();
        view.saldoInicial = (*row)[QStringLiteral("VLR_SALDO_INICIAL")].toMoney();
        view.dataSaldoText = common::formatDate(*view.dataSaldo);
    }

    data::Statement movements(tx, QString::fromUtf8(sql.movements));
    movements.set(QStringLiteral("DIA"), view.dia);
    for (const data::Row& row : movements.query()) {
        DayMovement m;
        m.codMovimento = row[QStringLiteral("COD_MOVIMENTO")].toDateTime();
        m.complemento = row[QStringLiteral("DES_COMPLEMENTO")].toString();
        m.valor = row[QStringLiteral("VLR_MOVIMENTO")].toMoney();
        m.tipDebito = row[QStringLiteral("TIP_DEBITO")].toString();
        m.tipoMovimento = tipoMovimentoLabel(m.tipDebito);
        m.codMovimentoText = timestampText(m.codMovimento);
        m.valorText = common::formatMoney(m.valor, common::kMoneyGrouped);
        view.movimentos.push_back(std::move(m));
    }
    view.totais = AtuDebCred(view.movimentos, view.saldoInicial);
    return view;
}

DayView loadCashDay(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) { return loadDay(tx, Book::Cash); });
}

DayView loadBankDay(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) { return loadDay(tx, Book::Bank); });
}

} // namespace fin::finance
