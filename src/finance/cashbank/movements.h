#pragma once

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <optional>

namespace fin::data {
class Transaction;
}

namespace fin::finance {

// One MOVIMENTO_CAIXA row. The amount is always positive; the direction comes
// from the financial history code.
struct CashMovement {
    int codEmp = 1;
    int codHistorico = 0;
    std::optional<int> codUsuario;
    QString complemento;                 // cut to 50 characters when stored
    base::Money valor;
    base::Date data;
    std::optional<int> codConta;         // management account
    std::optional<QString> lancIndividual;   // "S" when typed by hand
    std::optional<QString> cpfCnpj;
    std::optional<QString> nomeRazao;
    std::optional<QString> textoRecibo;
};

// One MOVIMENTO_BANCO row.
struct BankMovement {
    int codEmp = 1;
    int codBanco = 0;
    QString codAgencia;
    QString codContaCorrente;
    int codHistorico = 0;
    std::optional<int> codUsuario;
    QString complemento;                 // cut to 50 characters when stored
    base::Money valor;
    base::Date data;
    std::optional<int> codConta;
    std::optional<QString> lancIndividual;
};

inline constexpr int kComplementoWidth = 50;
inline constexpr int kCodCaixa = 1;

// Inserts the movement with the given key (the server timestamp) in the
// caller's transaction.
void insertCashMovement(data::Transaction& tx, const CashMovement& m, const base::DateTime& key);
void insertBankMovement(data::Transaction& tx, const BankMovement& m, const base::DateTime& key);

} // namespace fin::finance
