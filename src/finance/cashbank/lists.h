#pragma once

#include "finance/cashbank/day.h"

#include <QString>

#include <optional>
#include <vector>

namespace fin::data {
class Transaction;
}

namespace fin::finance {

// "Empresa :" list.
struct Company {
    int codEmp = 0;
    QString razaoSocial;
    QString fantasia;
};

// "Cód.Tipo" / "Descrição do tipo de documento" list.
struct FinancialHistory {
    int codHistorico = 0;
    QString descricao;
    QString tipDebito;    // "S" money out, "N" money in
};

// One CONTA_CORRENTE row: the "Conta Correte" list shows codContaCorrente,
// the read-only "Cód. Banco" and "Cód. Agência" boxes show the other two.
struct BankAccount {
    int codEmp = 0;
    int codBanco = 0;
    QString codAgencia;
    QString codContaCorrente;
    bool operator==(const BankAccount&) const = default;
};

// One management account (CONTA with its group).
struct ManagementAccount {
    int codConta = 0;
    QString descricao;
    int codGrupo = 0;
    QString desGrupo;
    QString tipo;
    QString investimento;
};

// Every company, by code.
std::vector<Company> listCompanies(data::Transaction& tx);

// The history codes a book offers (TIP_BANCO "N" for the cash book, "S" for
// the bank), by description.
std::vector<FinancialHistory> listHistories(data::Transaction& tx, Book book);

// Bank accounts by account number; every account, or those of one company.
std::vector<BankAccount> listBankAccounts(data::Transaction& tx, std::optional<int> codEmp = std::nullopt);

// Management accounts by description, and one of them by code.
std::vector<ManagementAccount> listManagementAccounts(data::Transaction& tx);
std::optional<ManagementAccount> findManagementAccount(data::Transaction& tx, int codConta);

} // namespace fin::finance
