#pragma once

#include "finance/cashbank/day.h"
#include "finance/cashbank/lists.h"

#include <QString>

#include <optional>
#include <vector>

namespace fin::data {
class Database;
}

namespace fin::finance {

// Messages of the two book windows.
namespace cashbank_msg {
inline const QString kRegistrado = QStringLiteral("Movimento registrado com sucesso");
inline const QString kValorZero = QStringLiteral("Valor do movimento tem que ser maior que 0,00");
inline const QString kValorInvalido = QStringLiteral("Valor do movimento inválido: ");   // + the text typed
inline const QString kContaObrigatoria = QStringLiteral("Código da conta gerencial é obrigatório");
inline const QString kContaNaoCadastrada = QStringLiteral("Conta gerencial não cadastrada: ");   // + code
inline const QString kEmpresaObrigatoria = QStringLiteral("Código da empresa é obrigatório");
inline const QString kCodigoInvalido = QStringLiteral("Código inválido: ");   // + the text typed
inline const QString kEmpresaNaoCadastrada = QStringLiteral("Empresa não cadastrada: ");   // + code
inline const QString kTipoObrigatorio = QStringLiteral("Código do tipo do movimento é obrigatório");
inline const QString kTipoNaoCadastrado = QStringLiteral("Tipo do movimento não cadastrado: ");   // + code
inline const QString kContaCorrenteObrigatoria = QStringLiteral("Conta corrente é obrigatória");
inline const QString kContaCorrenteNaoCadastrada = QStringLiteral("Conta corrente não cadastrada: ");   // + account
inline const QString kAgenciaLonga = QStringLiteral("Código da agência com mais de 10 caracteres: ");   // + agency
} // namespace cashbank_msg

// Object names of the input controls; a refused input names the one the
// cursor goes back to (common::UserError::field()).
namespace cashbank_field {
inline const QString kEmpresa = QStringLiteral("edtCodEmp");
inline const QString kValor = QStringLiteral("edtVlrMovimento");
inline const QString kHistorico = QStringLiteral("edtCodHistorico");
inline const QString kComplemento = QStringLiteral("edtComplemento");
inline const QString kConta = QStringLiteral("edtCodConta");
inline const QString kContaCorrente = QStringLiteral("cbContaCorrente");
} // namespace cashbank_field

// What "&Incluir" loads: the lists and the new movement's starting amount.
struct CashEntryStart {
    std::vector<Company> empresas;
    std::vector<FinancialHistory> historicos;   // cash codes (TIP_BANCO "N")
    QString valor = QStringLiteral("0,00");
};
struct BankEntryStart {
    std::vector<Company> empresas;
    std::vector<FinancialHistory> historicos;   // bank codes (TIP_BANCO "S")
    std::vector<BankAccount> contas;            // every account
    QString valor = QStringLiteral("0,00");
};
CashEntryStart beginCashMovement(data::Database& db);
BankEntryStart beginBankMovement(data::Database& db);

// A movement typed on the cash window, as its boxes hold it.
struct CashMovementInput {
    QString empresa;                  // "Empresa :" code, as typed
    QString valor;                    // "Vlr. Movimento", Brazilian format ("1.234,56"); empty reads as 0
    QString codHistorico;             // "Cód.Tipo", as typed or chosen in the list
    QString complemento;              // stored in upper case, cut to 50 characters
    std::optional<int> codConta;      // management account from the look-up; none when not chosen
    base::Date hoje;                  // the workstation's date: the movement's DATA_MOVIMENTO
};

// A movement typed on the bank window.
struct BankMovementInput {
    QString empresa;
    QString valor;
    QString codHistorico;
    QString complemento;
    std::optional<int> codConta;
    std::optional<BankAccount> contaCorrente;   // the account chosen in the list; none when not chosen
    base::Date hoje;
};

// The outcome of a recorded movement: the message to show and the day as it
// now stands (list, opening balance, totals).
struct RecordOutcome {
    base::DateTime codMovimento;      // the key the row was stored under
    QString mensagem;                 // "Movimento registrado com sucesso"
    bool listado = false;             // whether the new row is in `dia` (its date is the server's day)
    DayView dia;
};

// Checks every input, then in one transaction stores the movement keyed by
// the server timestamp (COD_CAIXA 1, LANC_INDIVIDUAL "S", DATA_MOVIMENTO =
// input.hoje), brings the opening balance up to date and reads the day back.
// A refused input throws common::UserError with its message and field, and
// nothing is written; any other failure rolls the whole action back.
RecordOutcome RecordCashMovement(data::Database& db, const CashMovementInput& input);
RecordOutcome RecordBankMovement(data::Database& db, const BankMovementInput& input);

} // namespace fin::finance
