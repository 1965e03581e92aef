#pragma once

#include "finance/cashbank/record.h"

#include <QDialog>

#include <initializer_list>
#include <optional>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace fin::ui {

class ButtonPanel;
class ReadOnlyGrid;
class Session;

// What the cash book and the bank movement windows share: the company and
// history boxes, the complement, the management account, the day's opening
// balance, the day's grid, the totals and the entry commands. The bank window
// adds its account boxes in extraArea().
class BookWindow : public QDialog {
public:
    // Shown once, when the window first appears: the day's list, opening balance and totals.
    void FormShow();

    void btnIncluirClick();
    void btnCancelarClick();
    void btnSalvarClick();
    void btnSairClick();
    // The management account lookup; its choice fills "Código" and the description.
    void btnContaClick();

    // Whether a movement is being typed ("&Incluir" pressed, not yet saved or cancelled).
    bool editing() const { return m_editing; }
    // The day now on screen.
    const finance::DayView& day() const { return m_day; }

protected:
    struct Texts {
        QString caption;           // "Movimento de Caixa"
        QString complemento;       // "Complemento do lançamento no caixa."
        QString saldoGroup;        // "  Saldo Caixa  "
        QString dataSaldo;         // "Data Caixa"
        QString dataSaldoName;     // object name of the balance date box
    };

    // The movement as the shared boxes hold it, dated by the workstation's clock.
    struct Typed {
        QString empresa;
        QString valor;
        QString codHistorico;
        QString complemento;
        std::optional<int> codConta;
        base::Date hoje;
    };

    BookWindow(Session& session, finance::Book book, const Texts& texts, QWidget* parent);

    // Loads the lists of "&Incluir" (through fillEntry and the window's own boxes).
    virtual void startEntry() = 0;
    // Stores the typed movement; a refused input throws common::UserError.
    virtual finance::RecordOutcome recordEntry(const Typed& typed) = 0;
    // Empties the window's own boxes and lists.
    virtual void clearExtra() {}

    void fillEntry(const std::vector<finance::Company>& empresas,
                   const std::vector<finance::FinancialHistory>& historicos, const QString& valor);
    Typed typed() const;
    // Tab (and Enter) visit these in this order.
    void setTabChain(std::initializer_list<QWidget*> chain);
    // A control of the window's own that is enabled only while a movement is typed.
    void addEntryControl(QWidget* w);
    // The place inside "  Dados do Movimento  " for the window's own boxes.
    QWidget* extraArea() const { return m_extraArea; }
    ButtonPanel* buttons() const { return m_buttons; }

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Session& m_session;
    finance::Book m_book;

    QLineEdit* m_edtCodEmp = nullptr;
    QComboBox* m_cbEmpresa = nullptr;
    QLineEdit* m_edtVlrMovimento = nullptr;
    QLineEdit* m_edtCodHistorico = nullptr;
    QComboBox* m_cbHistorico = nullptr;
    QLineEdit* m_edtComplemento = nullptr;
    QLineEdit* m_edtCodConta = nullptr;
    QPushButton* m_btnConta = nullptr;
    QLineEdit* m_edtDesConta = nullptr;
    ReadOnlyGrid* m_grid = nullptr;

private:
    QWidget* buildDados(const Texts& texts);
    QWidget* buildBottom();
    void showDay(const finance::DayView& day);
    void setEditing(bool on);
    void clearEntry();

    QWidget* m_extraArea = nullptr;
    QLineEdit* m_edtSaldoInicial = nullptr;
    QLineEdit* m_edtDataSaldo = nullptr;
    QLineEdit* m_edtTotalCredito = nullptr;
    QLineEdit* m_edtTotalDebito = nullptr;
    QLineEdit* m_edtSaldoAtual = nullptr;
    ButtonPanel* m_buttons = nullptr;
    std::vector<QWidget*> m_entryControls;
    finance::DayView m_day;
    bool m_editing = false;
    bool m_shown = false;
};

} // namespace fin::ui
