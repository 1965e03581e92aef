#pragma once

#include "finance/payable/query.h"
#include "ui/payable/consulta_pages.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace fin::ui {

class Session;
class ButtonPanel;
class ReadOnlyGrid;

// "Consultar, alterar vencimento e baixar título do contas pagar.": the open
// payables of one company, supplier and document type; settles the selected
// one or changes its due date or value.
class TFrm_ct_pagar_consulta : public QDialog {
public:
    // The pages, in the order the window shows them.
    enum Page { AlterarVencimento, BaixarTitulo, Consulta, AlterarValor };

    explicit TFrm_ct_pagar_consulta(Session& session, QWidget* parent = nullptr);

    // Whether a search result is open (titles listed).
    bool hasResult() const { return !m_result.titles.empty(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildTopPanel();
    QWidget* buildConsultaPage();
    void buildButtons();

    void btnPesquisarClick();
    void btnBaixarClick();
    void btnAlterarVencimentoClick();
    void btnAlterarValorClick();
    void btnCancelarClick();

    void pageChanged(int page);
    void titleChanged();
    void showResult(finance::PayableSearchResult result);
    // Empties the grid, the settlement lists and the pages: the user searches again.
    void closeResult();
    const finance::PayableTitle& selectedTitle() const;
    // Runs one action on the selected title; on success and when the title
    // was changed elsewhere the result is closed.
    void runAction(const std::function<finance::PayableActionOutcome(const finance::PayableTitle&)>& action);

    Session& m_session;
    finance::PayableSearchResult m_result;
    int m_shownRow = -1;   // the grid row the pages show

    QLineEdit* m_codEmp = nullptr;
    QComboBox* m_empresa = nullptr;
    QLineEdit* m_codFornecedor = nullptr;
    QComboBox* m_fornecedor = nullptr;
    QLineEdit* m_codTipDoc = nullptr;
    QComboBox* m_tipoDoc = nullptr;
    QPushButton* m_pesquisar = nullptr;
    QTabWidget* m_pages = nullptr;
    ReadOnlyGrid* m_grid = nullptr;
    payable::SettlePage m_settle;
    payable::DueDatePage m_dueDate;
    payable::ValuePage m_value;
    ButtonPanel* m_buttons = nullptr;
};

} // namespace fin::ui
