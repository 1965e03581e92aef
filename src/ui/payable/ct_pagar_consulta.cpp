#include "ui/payable/ct_pagar_consulta.h"

#include "finance/payable/errors.h"
#include "finance/payable/texts.h"
#include "ui/common/clock.h"
#include "ui/common/enter_nav.h"
#include "ui/common/forms.h"
#include "ui/common/grid.h"
#include "ui/common/guard.h"
#include "ui/common/messages.h"
#include "ui/common/session.h"
#include "ui/payable/payable_widgets.h"
#include "ui/payable/title_panel.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fin::ui {

using finance::PayableFields;
using finance::PayableTexts;
using namespace payable;

namespace {

// The columns of the "Consulta" grid: each as wide as its title; the blanks
// after "Desc. tipo" and "Razão social" widen theirs.
std::vector<GridColumn> consultaColumns()
{
    using F = ColumnFormat;
    return {
        {QStringLiteral("COD_DOC"), QStringLiteral("Num. Doc."), -1, F::Integer},
        {QStringLiteral("COD_PARC"), QStringLiteral("Parc."), -1, F::Integer},
        {QStringLiteral("COD_FORNECEDOR"), QStringLiteral("Cód. Forn."), -1, F::Integer},
        {QStringLiteral("COD_TIP_DOC"), QStringLiteral("Tipo Doc."), -1, F::Integer},
        {QStringLiteral("DES_TIP_DOC"), QStringLiteral("Desc. tipo                    "), -1, F::Text},
        {QStringLiteral("NOM_RAZAO_SOCIAL"), QStringLiteral("Razão social                                        "),
         -1, F::Text},
        {QStringLiteral("DAT_EMISSAO"), QStringLiteral("Data emissão"), -1, F::Date},
        {QStringLiteral("DAT_CADASTRO"), QStringLiteral("Data cadastro"), -1, F::Date},
        {QStringLiteral("DAT_VENCIMENTO"), QStringLiteral("Data vencimento"), -1, F::Date},
        {QStringLiteral("DAT_PGTO_TOTAL"), QStringLiteral("Data Pagto."), -1, F::Date},
        {QStringLiteral("VLR_TITULO"), QStringLiteral("Valor título"), -1, F::Money},
        {QStringLiteral("VLR_PGTO"), QStringLiteral("Valor pago"), -1, F::Money},
        {QStringLiteral("COD_PEDIDO"), QStringLiteral("COD_PEDIDO"), -1, F::Integer},
        {QStringLiteral("VLR_NOTA_FICAL"), QStringLiteral("Valor NF"), -1, F::Money},
        {QStringLiteral("VLR_JURO_DIARIO"), QStringLiteral("Valor juro diário"), -1, F::Money},
        {QStringLiteral("VLR_MULTA_PG"), QStringLiteral("Valor multa paga"), -1, F::Money},
        {QStringLiteral("VLR_JURO_PG"), QStringLiteral("Valor juro pago"), -1, F::Money},
        {QStringLiteral("DES_OBS"), QStringLiteral("Observações"), -1, F::Text},
        {QStringLiteral("COD_BANCO_PAGTO"), QStringLiteral("COD_BANCO_PAGTO"), -1, F::Integer},
        {QStringLiteral("COD_AG_PAGTO"), QStringLiteral("COD_AG_PAGTO"), -1, F::Text},
        {QStringLiteral("COD_CONTA_PAGTO"), QStringLiteral("COD_CONTA_PAGTO"), -1, F::Text},
    };
}

} // namespace

TFrm_ct_pagar_consulta::TFrm_ct_pagar_consulta(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Frm_ct_pagar_consulta"));
    setWindowTitle(QStringLiteral("Consultar, alterar vencimento e baixar título do contas pagar."));
    setModal(true);
    resize(980, 640);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopPanel());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pgcPaginas"));
    m_dueDate = buildDueDatePage(m_pages);
    m_settle = buildSettlePage(m_pages);
    QWidget* consulta = buildConsultaPage();
    m_value = buildValuePage(m_pages);
    m_pages->addTab(m_dueDate.page, QStringLiteral("Alterar vencimento"));
    m_pages->addTab(m_settle.page, QStringLiteral("Baixar título"));
    m_pages->addTab(consulta, QStringLiteral("Consulta"));
    m_pages->addTab(m_value.page, QStringLiteral("Alterar valor"));
    layout->addWidget(m_pages, 1);

    buildButtons();
    layout->addWidget(m_buttons);

    const finance::PayableQueryLists lists = finance::loadPayableQueryLists(m_session.db());
    fillCombo(m_empresa, lists.companies, QStringLiteral("COD_EMP"), {QStringLiteral("NOM_RAZAO_SOCIAL")});
    fillCombo(m_fornecedor, lists.suppliers, QStringLiteral("COD_FORNECEDOR"), {QStringLiteral("NOM_RAZAO_SOCIAL")});
    fillCombo(m_tipoDoc, lists.documentTypes, QStringLiteral("COD_TIP_DOC"), {QStringLiteral("DES_TIP_DOC")});

    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) { pageChanged(page); });
    m_pages->setCurrentIndex(Consulta);
    pageChanged(Consulta);
    titleChanged();
}

QWidget* TFrm_ct_pagar_consulta::buildTopPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlPesquisa"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(panel);
    m_codEmp = makeCodeEdit(panel, PayableFields::codEmp);
    m_empresa = makeList(panel, QStringLiteral("cmbEmpresa"), 36);
    m_codFornecedor = makeCodeEdit(panel, PayableFields::codFornecedor);
    m_fornecedor = makeList(panel, QStringLiteral("cmbFornecedor"), 36);
    m_codTipDoc = makeCodeEdit(panel, PayableFields::codTipDoc);
    m_tipoDoc = makeList(panel, QStringLiteral("cmbTipoDoc"), 36);
    const std::tuple<const char*, QLineEdit*, QComboBox*> rows[] = {
        {"Empresa:", m_codEmp, m_empresa},
        {"Fornecedor:", m_codFornecedor, m_fornecedor},
        {"Tipo de documento :", m_codTipDoc, m_tipoDoc}};
    int row = 0;
    for (const auto& [label, code, combo] : rows) {
        g->addWidget(labelFor(QString::fromUtf8(label), code, panel), row, 0, Qt::AlignRight);
        g->addWidget(code, row, 1);
        g->addWidget(combo, row, 2);
        bindCodeToList(code, combo);
        ++row;
    }
    m_pesquisar = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("Pesquisar"),
                                  panel);
    m_pesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    // Enter on the button searches instead of moving on.
    m_pesquisar->setAutoDefault(true);
    markBitmapButton(m_pesquisar);
    g->addWidget(m_pesquisar, 2, 3);
    g->setColumnStretch(4, 1);
    onSignal(m_pesquisar, &QPushButton::clicked, this, [this] { btnPesquisarClick(); });
    return panel;
}

QWidget* TFrm_ct_pagar_consulta::buildConsultaPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("tbsConsulta"));
    auto* l = new QVBoxLayout(page);
    m_grid = new ReadOnlyGrid(page);
    m_grid->setObjectName(QStringLiteral("grdConsulta"));
    m_grid->setColumns(consultaColumns());
    m_grid->rowsModel()->setAlternatingColours(kSkyBlue, kMoneyGreen);
    l->addWidget(m_grid);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { titleChanged(); });
    return page;
}

void TFrm_ct_pagar_consulta::buildButtons()
{
    m_buttons = new ButtonPanel(this, {{QStringLiteral("&Baixar título"), QStringLiteral("btnBaixar")},
                                       {QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar")},
                                       {QStringLiteral("&Sair"), QStringLiteral("btnSair")},
                                       {QStringLiteral("&Alterar vencimento"), QStringLiteral("btnAlterarVencimento")},
                                       {QStringLiteral("Alterar valor"), QStringLiteral("btnAlterarValor")}});
    onSignal(m_buttons->button(QStringLiteral("btnBaixar")), &QPushButton::clicked, this, [this] { btnBaixarClick(); });
    onSignal(m_buttons->button(QStringLiteral("btnCancelar")), &QPushButton::clicked, this,
             [this] { btnCancelarClick(); });
    connect(m_buttons->button(QStringLiteral("btnSair")), &QPushButton::clicked, this, &QDialog::close);
    onSignal(m_buttons->button(QStringLiteral("btnAlterarVencimento")), &QPushButton::clicked, this,
             [this] { btnAlterarVencimentoClick(); });
    onSignal(m_buttons->button(QStringLiteral("btnAlterarValor")), &QPushButton::clicked, this,
             [this] { btnAlterarValorClick(); });
}

void TFrm_ct_pagar_consulta::keyPressEvent(QKeyEvent* event)
{
    // The grid answers a typed key with "Pressione a tecla ESC para voltar.":
    // Esc must not then close the window and lose the result; "&Sair" closes it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrm_ct_pagar_consulta::pageChanged(int page)
{
    m_buttons->button(QStringLiteral("btnAlterarVencimento"))->setEnabled(page == AlterarVencimento);
    m_buttons->button(QStringLiteral("btnBaixar"))->setEnabled(page == BaixarTitulo);
    m_buttons->button(QStringLiteral("btnAlterarValor"))->setEnabled(page == AlterarValor);
}

void TFrm_ct_pagar_consulta::titleChanged()
{
    const int row = m_grid->currentRow();
    const bool valid = row >= 0 && row < static_cast<int>(m_result.titles.size());
    const finance::PayableTitle* t = valid ? &m_result.titles[static_cast<std::size_t>(row)] : nullptr;
    m_settle.title->showTitle(t);
    m_dueDate.title->showTitle(t);
    m_value.title->showTitle(t);
    // What was typed for one title is not carried over to another.
    if (row != m_shownRow) {
        m_settle.reset();
        m_dueDate.reset();
        m_value.reset();
        m_shownRow = row;
    }
}

void TFrm_ct_pagar_consulta::btnPesquisarClick()
{
    const finance::PayableSearchInput in{m_codEmp->text(), m_codFornecedor->text(), m_codTipDoc->text()};
    finance::PayableSearchResult r;
    try {
        r = finance::searchOpenPayables(m_session.db(), in);
    } catch (const finance::InvalidCodeError& e) {
        if (auto* field = findChild<QLineEdit*>(e.field()))
            field->clear();
        throw;
    }
    closeResult();
    if (!r.message.isEmpty()) {
        messages().info(r.message);
        return;
    }
    showResult(std::move(r));
}

void TFrm_ct_pagar_consulta::showResult(finance::PayableSearchResult result)
{
    m_result = std::move(result);
    m_settle.fillLists(m_result.lists);
    m_grid->rowsModel()->setRows(m_result.rows);
    m_grid->setCurrentIndex(m_grid->rowsModel()->index(0, 0));
    titleChanged();
}

void TFrm_ct_pagar_consulta::closeResult()
{
    m_result = {};
    m_grid->rowsModel()->clear();
    m_settle.clearLists();
    m_shownRow = -2;   // the pages start afresh
    titleChanged();
}

const finance::PayableTitle& TFrm_ct_pagar_consulta::selectedTitle() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= static_cast<int>(m_result.titles.size()))
        InfoAndAbort(PayableTexts::noTitleSelected);
    return m_result.titles[static_cast<std::size_t>(row)];
}

void TFrm_ct_pagar_consulta::runAction(
    const std::function<finance::PayableActionOutcome(const finance::PayableTitle&)>& action)
{
    finance::PayableActionOutcome outcome;
    try {
        outcome = action(selectedTitle());
    } catch (const finance::TitleChangedError&) {
        // Nothing was written; what is listed is out of date.
        closeResult();
        throw;
    }
    closeResult();
    messages().info(outcome.message);
}

void TFrm_ct_pagar_consulta::btnBaixarClick()
{
    runAction([this](const finance::PayableTitle& t) {
        return finance::SettlePayableTitle(m_session.db(), t, m_settle.input(), toBaseDate(Clock::today()));
    });
}

void TFrm_ct_pagar_consulta::btnAlterarVencimentoClick()
{
    runAction([this](const finance::PayableTitle& t) {
        return finance::ChangePayableDueDate(m_session.db(), t, m_dueDate.novoVencimento->text(),
                                             m_dueDate.motivo->text());
    });
}

void TFrm_ct_pagar_consulta::btnAlterarValorClick()
{
    runAction([this](const finance::PayableTitle& t) {
        return finance::ChangePayableValue(m_session.db(), t, m_value.novoValor->text(), m_value.motivo->text());
    });
}

void TFrm_ct_pagar_consulta::btnCancelarClick()
{
    closeResult();
}

} // namespace fin::ui
