#pragma once

#include "ui/cashbank/book_window.h"

namespace fin::ui {

// "Movimento Bancario": today's bank movements of every account with the
// day's balances, and a movement typed by hand into a chosen account.
class Tfrm_mov_banco : public BookWindow {
public:
    explicit Tfrm_mov_banco(Session& session, QWidget* parent = nullptr);

protected:
    void startEntry() override;
    finance::RecordOutcome recordEntry(const Typed& typed) override;
    void clearExtra() override;

private:
    void showAccount(int index);

    QLineEdit* m_edtCodBanco = nullptr;
    QComboBox* m_cbContaCorrente = nullptr;
    QLineEdit* m_edtCodAgencia = nullptr;
    std::vector<finance::BankAccount> m_contas;
};

} // namespace fin::ui
