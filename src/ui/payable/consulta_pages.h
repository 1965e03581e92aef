#pragma once

// The three action pages of the payable query: what each holds and what it
// hands to its operation.

#include "finance/payable/actions.h"
#include "finance/payable/lists.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace fin::ui::payable {

class TitlePanel;

// "Baixar título".
struct SettlePage {
    QWidget* page = nullptr;
    TitlePanel* title = nullptr;
    QLineEdit* vlrMulta = nullptr;
    QLineEdit* vlrJuro = nullptr;
    QLineEdit* vlrPago = nullptr;
    QLineEdit* dataPagto = nullptr;
    QButtonGroup* tipoPagamento = nullptr;
    QRadioButton* parcial = nullptr;
    QRadioButton* total = nullptr;
    QButtonGroup* tipoSaida = nullptr;
    QRadioButton* banco = nullptr;
    QRadioButton* caixa = nullptr;
    QGroupBox* dadosBancario = nullptr;
    QLineEdit* codBanco = nullptr;
    QComboBox* bancos = nullptr;
    QLineEdit* codAgencia = nullptr;
    QComboBox* agencias = nullptr;
    QLineEdit* codContaCorrente = nullptr;
    QComboBox* contas = nullptr;
    QLineEdit* codHistorico = nullptr;
    QComboBox* historicos = nullptr;
    QLineEdit* complemento = nullptr;

    // Back to how the page opens: nothing typed, no choice made, the default complement.
    void reset();
    void fillLists(const finance::PayableSettlementLists& lists);
    void clearLists();
    finance::PayableSettlementInput input() const;
};
SettlePage buildSettlePage(QWidget* parent);

// "Alterar vencimento".
struct DueDatePage {
    QWidget* page = nullptr;
    TitlePanel* title = nullptr;
    QLineEdit* novoVencimento = nullptr;
    QLineEdit* motivo = nullptr;
    void reset();
};
DueDatePage buildDueDatePage(QWidget* parent);

// "Alterar valor".
struct ValuePage {
    QWidget* page = nullptr;
    TitlePanel* title = nullptr;
    QLineEdit* novoValor = nullptr;
    QLineEdit* motivo = nullptr;
    void reset();
};
ValuePage buildValuePage(QWidget* parent);

} // namespace fin::ui::payable
