#pragma once

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <optional>
#include <vector>

namespace fin::data {
class Database;
class Transaction;
}

namespace fin::finance {

// The two books share one design: MOVIMENTO_CAIXA with SALDO_CAIXA, and
// MOVIMENTO_BANCO with SALDO_BANCO (all accounts together).
enum class Book { Cash, Bank };

// Grid labels of a movement's direction.
inline const QString kLabelDebito = QStringLiteral("Débito");
inline const QString kLabelCredito = QStringLiteral("Crédito");
inline const QString kLabelInexistente = QStringLiteral("Inexistente");

// "S" -> "Débito", "N" -> "Crédito", anything else -> "Inexistente".
QString tipoMovimentoLabel(const QString& tipDebito);

// One row of the day's grid.
struct DayMovement {
    base::DateTime codMovimento;
    QString complemento;
    base::Money valor;          // null amounts read as 0
    QString tipDebito;          // HISTORICO_FIN.TIP_DEBITO as stored ("S", "N", other or empty)
    QString tipoMovimento;      // "Débito", "Crédito" or "Inexistente"
    // Display texts of the grid columns "Cód. Movimento" and "Valor Movimento".
    QString codMovimentoText;   // "dd/mm/yyyy hh:mm:ss"
    QString valorText;          // "1.234,56"
};

// What the bottom boxes show.
struct DayTotals {
    base::Money credito;
    base::Money debito;
    base::Money saldoAtual;     // opening + credit - debit
    QString creditoText;        // "Total Crédito: " box, e.g. "R$ 100,00"
    QString debitoText;         // "Total Débito: " box
    QString saldoAtualText;     // "Saldo Atual: " box; negative as "-R$ 20,00"
    QString saldoInicialText;   // "Saldo Inicial" box: "0" when the day has no balance row, else "50,00"
};

// Recomputes the day's totals from the rows as loaded, first to last: "N"
// adds to the credit, "S" to the debit, any other direction to neither.
// Exact decimals; a missing opening balance counts as 0 and shows "0".
DayTotals AtuDebCred(const std::vector<DayMovement>& rows, std::optional<base::Money> saldoInicial);

// Amount in the workstation's currency format: "R$ 1.234,56", "-R$ 20,00".
QString formatCurrency(base::Money value);

// Everything the lower part of a book window shows.
struct DayView {
    Book book = Book::Cash;
    base::Date dia;                          // the server's current date: the day shown
    std::optional<base::Date> dataSaldo;     // DAT_MOVIMENTO of the day's balance row, none when missing
    std::optional<base::Money> saldoInicial; // its opening balance (null read as 0), none when missing
    QString dataSaldoText;                   // "Data Caixa" / "Data Banco" box; empty when missing
    std::vector<DayMovement> movimentos;     // the day's movements with a known history code, by key
    DayTotals totais;
};

// What the window shows when it opens: brings the opening balance up to date
// (PRC_ATU_SALDO_CAIXA / PRC_ATU_SALDO_BANCO with COD_USUARIO 1), then reads
// the server day's balance row and movements, all companies together.
// One transaction.
DayView loadCashDay(data::Database& db);
DayView loadBankDay(data::Database& db);

// The same inside the caller's transaction (it sees the caller's own rows).
DayView loadDay(data::Transaction& tx, Book book);

// Runs the book's balance procedure. Two workstations refreshing the same
// day's row at once conflict; the loser runs it again once the winner has
// committed. A lock held past the time-out still fails.
void refreshOpeningBalance(data::Transaction& tx, Book book);

} // namespace fin::finance
