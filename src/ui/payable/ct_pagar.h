#pragma once

#include "finance/payable/entry.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fin::ui {

class Session;
class ButtonPanel;

// "Cadastro de título a pagar": one new payable title per "&Incluir".
class TFrm_ct_pagar : public QDialog {
public:
    explicit TFrm_ct_pagar(Session& session, QWidget* parent = nullptr);

    // Whether a title is being edited ("&Incluir" was pressed and it was
    // neither saved nor cancelled).
    bool isEditing() const { return m_editing; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildCompany();
    QGroupBox* buildTitleGroup();
    QGroupBox* buildCommercialGroup();
    QGroupBox* buildManagementGroup();
    QGroupBox* buildFinancialGroup();
    QGroupBox* buildObservationGroup();
    void wireChecks();

    void btnIncluirClick();
    void btnCancelarClick();
    void btnSalvarClick();
    void btnContaGerencialClick();

    void setEditing(bool editing);
    void clearFields();
    void fill(const finance::PayableEntryInput& in);
    finance::PayableEntryInput input() const;
    void checkAmount(finance::PayableEntryAmount which, QLineEdit* field);
    void checkEmission();
    bool leavingToDiscard() const;
    // Shows a refusal made on leaving a field and puts the cursor back there.
    void refuse(const QString& message, QWidget* field);

    Session& m_session;
    bool m_editing = false;
    bool m_refusing = false;   // the cursor is being put back: other fields are not checked meanwhile

    QWidget* m_form = nullptr;
    QLineEdit* m_codEmp = nullptr;
    QComboBox* m_empresa = nullptr;
    QLineEdit* m_codDoc = nullptr;
    QLineEdit* m_codParc = nullptr;
    QLineEdit* m_codTipDoc = nullptr;
    QComboBox* m_tipoDoc = nullptr;
    QLineEdit* m_codFornecedor = nullptr;
    QComboBox* m_fornecedor = nullptr;
    QLineEdit* m_codComprador = nullptr;
    QComboBox* m_comprador = nullptr;
    QLineEdit* m_codConta = nullptr;
    QPushButton* m_contaLookup = nullptr;
    QLineEdit* m_desConta = nullptr;
    QDateEdit* m_emissao = nullptr;
    QDateEdit* m_vencimento = nullptr;
    QLineEdit* m_dias = nullptr;
    QLineEdit* m_vlrNotaFiscal = nullptr;
    QLineEdit* m_vlrDesconto = nullptr;
    QLineEdit* m_vlrTitulo = nullptr;
    QLineEdit* m_vlrJuroDiario = nullptr;
    QLineEdit* m_perMulta = nullptr;
    QLabel* m_lblVlrPago = nullptr;
    QLineEdit* m_vlrPago = nullptr;
    QLineEdit* m_obs = nullptr;
    ButtonPanel* m_buttons = nullptr;
};

} // namespace fin::ui
