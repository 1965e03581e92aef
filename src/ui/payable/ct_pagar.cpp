#include "ui/payable/ct_pagar.h"

#include "finance/payable/lists.h"
#include "finance/payable/texts.h"
#include "ui/common/clock.h"
#include "ui/common/enter_nav.h"
#include "ui/common/forms.h"
#include "ui/common/guard.h"
#include "ui/common/lookups.h"
#include "ui/common/messages.h"
#include "ui/common/session.h"
#include "ui/payable/payable_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace fin::ui {

using finance::PayableEntryAmount;
using finance::PayableFields;
using namespace payable;

namespace {

// The interest and fine stand out in bold red.
void boldRed(QWidget* w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {   // disabled stays grey
        p.setColor(g, QPalette::Text, Qt::red);
        p.setColor(g, QPalette::WindowText, Qt::red);
    }
    w->setPalette(p);
}

// Label above its control, as the groups of this window lay them out.
void above(QGridLayout* g, const QString& text, QWidget* w, int row, int column, int span = 1)
{
    g->addWidget(labelFor(text, w, w->parentWidget()), row, column, 1, span);
    g->addWidget(w, row + 1, column, 1, span);
}

} // namespace

TFrm_ct_pagar::TFrm_ct_pagar(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Frm_ct_pagar"));
    setWindowTitle(QStringLiteral("Cadastro de título a pagar"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    m_form = new QWidget(this);
    auto* formLayout = new QVBoxLayout(m_form);
    formLayout->setContentsMargins(0, 0, 0, 0);
    buildCompany();
    formLayout->addWidget(buildTitleGroup());
    formLayout->addWidget(buildCommercialGroup());
    formLayout->addWidget(buildManagementGroup());
    formLayout->addWidget(buildFinancialGroup());
    formLayout->addWidget(buildObservationGroup());
    layout->addWidget(m_form);

    m_buttons = entryButtons(this);
    layout->addWidget(m_buttons);
    const auto on = [this](const char* name, void (TFrm_ct_pagar::*handler)()) {
        onSignal(m_buttons->button(QString::fromUtf8(name)), &QPushButton::clicked, this, [this, handler] {
            (this->*handler)();
        });
    };
    on("btnIncluir", &TFrm_ct_pagar::btnIncluirClick);
    on("btnCancelar", &TFrm_ct_pagar::btnCancelarClick);
    on("btnSalvar", &TFrm_ct_pagar::btnSalvarClick);
    connect(m_buttons->button(QStringLiteral("btnSair")), &QPushButton::clicked, this, &QDialog::close);

    wireChecks();
    m_lblVlrPago->hide();
    m_vlrPago->hide();
    clearFields();
    setEditing(false);
}

void TFrm_ct_pagar::buildCompany()
{
    auto* row = new QHBoxLayout;
    m_codEmp = makeCodeEdit(m_form, PayableFields::codEmp);
    m_empresa = makeList(m_form, QStringLiteral("cmbEmpresa"), 30);
    row->addWidget(labelFor(QStringLiteral("Empresa"), m_codEmp, m_form));
    row->addWidget(m_codEmp);
    row->addWidget(m_empresa, 1);
    static_cast<QVBoxLayout*>(m_form->layout())->addLayout(row);
    bindCodeToList(m_codEmp, m_empresa);
}

QGroupBox* TFrm_ct_pagar::buildTitleGroup()
{
    auto* box = new QGroupBox(QStringLiteral("  Dados do título  "), m_form);
    box->setObjectName(QStringLiteral("grpDadosTitulo"));
    auto* g = new QGridLayout(box);
    m_codDoc = makeCodeEdit(box, PayableFields::codDoc);
    m_codParc = makeCodeEdit(box, PayableFields::codParc);
    m_codTipDoc = makeCodeEdit(box, PayableFields::codTipDoc);
    m_tipoDoc = makeList(box, QStringLiteral("cmbTipoDoc"), 30);
    above(g, QStringLiteral("Num. Doc."), m_codDoc, 0, 0);
    above(g, QStringLiteral("Parcela"), m_codParc, 0, 1);
    above(g, QStringLiteral("Cód.Tipo"), m_codTipDoc, 0, 2);
    g->addWidget(m_tipoDoc, 1, 3);
    g->setColumnStretch(3, 1);
    bindCodeToList(m_codTipDoc, m_tipoDoc);
    return box;
}

QGroupBox* TFrm_ct_pagar::buildCommercialGroup()
{
    auto* box = new QGroupBox(QStringLiteral("  Informações comerciais  "), m_form);
    box->setObjectName(QStringLiteral("grpInformacoesComerciais"));
    auto* g = new QGridLayout(box);
    m_codFornecedor = makeCodeEdit(box, PayableFields::codFornecedor);
    m_fornecedor = makeList(box, QStringLiteral("cmbFornecedor"), 30);
    m_codComprador = makeCodeEdit(box, PayableFields::codComprador);
    m_comprador = makeList(box, QStringLiteral("cmbComprador"), 30);
    above(g, QStringLiteral("Fornecedor"), m_codFornecedor, 0, 0);
    g->addWidget(m_fornecedor, 1, 1);
    above(g, QStringLiteral("Comprador"), m_codComprador, 2, 0);
    g->addWidget(m_comprador, 3, 1);
    g->setColumnStretch(1, 1);
    bindCodeToList(m_codFornecedor, m_fornecedor);
    bindCodeToList(m_codComprador, m_comprador);
    return box;
}

QGroupBox* TFrm_ct_pagar::buildManagementGroup()
{
    auto* box = new QGroupBox(QStringLiteral("  Informações gerenciais  "), m_form);
    box->setObjectName(QStringLiteral("grpInformacoesGerenciais"));
    auto* g = new QGridLayout(box);
    // Filled only by the account look-up.
    m_codConta = makeCodeEdit(box, PayableFields::codConta);
    m_codConta->setReadOnly(true);
    m_codConta->setFocusPolicy(Qt::NoFocus);
    m_contaLookup = new QPushButton(QStringLiteral("..."), box);
    m_contaLookup->setObjectName(QStringLiteral("btnContaGerencial"));
    m_contaLookup->setToolTip(QStringLiteral("Click aqui para consultar as contas gerenciais."));
    m_contaLookup->setMaximumWidth(m_contaLookup->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    // Enter on the button opens the look-up instead of moving on.
    m_contaLookup->setAutoDefault(true);
    markBitmapButton(m_contaLookup);
    m_desConta = makeReadOnly(box, QStringLiteral("edtDesConta"));
    above(g, QStringLiteral("Conta gerencial"), m_codConta, 0, 0);
    g->addWidget(m_contaLookup, 1, 1);
    g->addWidget(m_desConta, 1, 2);
    g->setColumnStretch(2, 1);
    onSignal(m_contaLookup, &QPushButton::clicked, this, [this] { btnContaGerencialClick(); });
    return box;
}

QGroupBox* TFrm_ct_pagar::buildFinancialGroup()
{
    auto* box = new QGroupBox(QStringLiteral("  Informações financeiras  "), m_form);
    box->setObjectName(QStringLiteral("grpInformacoesFinanceiras"));
    auto* g = new QGridLayout(box);
    m_emissao = makeDateEdit(box, PayableFields::datEmissao);
    m_vencimento = makeDateEdit(box, PayableFields::datVencimento);
    m_dias = makeCodeEdit(box, QStringLiteral("edtDias"));
    m_vlrNotaFiscal = makeAmount(box, PayableFields::vlrNotaFiscal);
    m_vlrDesconto = makeAmount(box, PayableFields::vlrDesconto);
    m_vlrTitulo = makeAmount(box, PayableFields::vlrTitulo);
    m_vlrJuroDiario = makeAmount(box, PayableFields::vlrJuroDiario);
    m_perMulta = makeAmount(box, PayableFields::perMulta);
    m_vlrPago = makeAmount(box, QStringLiteral("edtVlrPago"));
    above(g, QStringLiteral("Data emissão"), m_emissao, 0, 0);
    above(g, QStringLiteral("Vencimento"), m_vencimento, 0, 1);
    above(g, QStringLiteral("Dias"), m_dias, 0, 2);
    above(g, QStringLiteral("Valor nota fiscal"), m_vlrNotaFiscal, 2, 0);
    above(g, QStringLiteral("Desc. Financeiro"), m_vlrDesconto, 2, 1);
    above(g, QStringLiteral("Valor do título"), m_vlrTitulo, 2, 2);
    above(g, QStringLiteral("Valor juro diário"), m_vlrJuroDiario, 4, 0);
    above(g, QStringLiteral("Perc. da multa"), m_perMulta, 4, 1);
    above(g, QStringLiteral("Valor pago"), m_vlrPago, 4, 2);
    m_lblVlrPago = qobject_cast<QLabel*>(g->itemAtPosition(4, 2)->widget());
    for (int row : {5, 4}) {
        boldRed(g->itemAtPosition(row, 0)->widget());
        boldRed(g->itemAtPosition(row, 1)->widget());
    }
    g->setColumnStretch(3, 1);
    return box;
}

QGroupBox* TFrm_ct_pagar::buildObservationGroup()
{
    auto* box = new QGroupBox(QStringLiteral("Observação"), m_form);
    box->setObjectName(QStringLiteral("grpObservacao"));
    auto* l = new QVBoxLayout(box);
    m_obs = makeUpperEdit(box, PayableFields::desObs, 80);
    l->addWidget(m_obs);
    return box;
}

void TFrm_ct_pagar::wireChecks()
{
    const std::pair<PayableEntryAmount, QLineEdit*> amounts[] = {
        {PayableEntryAmount::NotaFiscal, m_vlrNotaFiscal}, {PayableEntryAmount::Desconto, m_vlrDesconto},
        {PayableEntryAmount::Titulo, m_vlrTitulo},         {PayableEntryAmount::JuroDiario, m_vlrJuroDiario},
        {PayableEntryAmount::PerMulta, m_perMulta},
    };
    for (const auto& [which, field] : amounts)
        onLeave(field, [this, which = which, field = field] { checkAmount(which, field); });
    onLeave(m_emissao, [this] { checkEmission(); });
}

void TFrm_ct_pagar::keyPressEvent(QKeyEvent* event)
{
    // Esc discards the title being edited, as "&Cancelar" does; it does not close the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_buttons->button(QStringLiteral("btnCancelar"))->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrm_ct_pagar::btnIncluirClick()
{
    const finance::PayableEntryLists lists = finance::loadPayableEntryLists(m_session.db());
    fillCombo(m_empresa, lists.companies, QStringLiteral("COD_EMP"), {QStringLiteral("NOM_RAZAO_SOCIAL")});
    fillCombo(m_tipoDoc, lists.documentTypes, QStringLiteral("COD_TIP_DOC"), {QStringLiteral("DES_TIP_DOC")});
    fillCombo(m_fornecedor, lists.suppliers, QStringLiteral("COD_FORNECEDOR"), {QStringLiteral("NOM_RAZAO_SOCIAL")});
    fillCombo(m_comprador, lists.buyers, QStringLiteral("COD_COMPRADOR"), {QStringLiteral("DES_NOM")});
    clearFields();
    fill(finance::newPayableEntry(toBaseDate(Clock::today())));
    setEditing(true);
    m_codEmp->setFocus();
}

void TFrm_ct_pagar::btnCancelarClick()
{
    clearFields();
    setEditing(false);
}

void TFrm_ct_pagar::btnSalvarClick()
{
    const finance::RegisterOutcome outcome =
        finance::RegisterPayableTitle(m_session.db(), input(), toBaseDate(Clock::today()));
    // The edit is released: a further title starts with "&Incluir".
    clearFields();
    setEditing(false);
    messages().info(outcome.message);
}

void TFrm_ct_pagar::btnContaGerencialClick()
{
    chooseManagementAccount(m_session, this);
    const TFiltro& f = m_session.filtro();
    if (f.codConta < 0)
        return;   // nothing was ever chosen
    m_codConta->setText(QString::number(f.codConta));
    m_desConta->setText(f.desConta);
    m_desConta->setCursorPosition(0);
}

void TFrm_ct_pagar::setEditing(bool editing)
{
    m_editing = editing;
    m_form->setEnabled(editing);
}

void TFrm_ct_pagar::clearFields()
{
    for (QLineEdit* e : m_form->findChildren<QLineEdit*>())
        if (!qobject_cast<QDateEdit*>(e->parentWidget()))
            e->clear();
    for (QComboBox* c : m_form->findChildren<QComboBox*>())
        c->setCurrentIndex(-1);
    m_emissao->setDate(Clock::today());
    m_vencimento->setDate(Clock::today());
}

void TFrm_ct_pagar::fill(const finance::PayableEntryInput& in)
{
    m_codEmp->setText(in.codEmp);
    m_codDoc->setText(in.codDoc);
    m_codParc->setText(in.codParc);
    m_codTipDoc->setText(in.codTipDoc);
    m_codFornecedor->setText(in.codFornecedor);
    m_codComprador->setText(in.codComprador);
    m_codConta->setText(in.codConta);
    m_emissao->setDate(toQDate(in.datEmissao));
    m_vencimento->setDate(toQDate(in.datVencimento));
    m_vlrNotaFiscal->setText(in.vlrNotaFiscal);
    m_vlrDesconto->setText(in.vlrDesconto);
    m_vlrTitulo->setText(in.vlrTitulo);
    m_vlrJuroDiario->setText(in.vlrJuroDiario);
    m_perMulta->setText(in.perMulta);
    m_obs->setText(in.desObs);
}

finance::PayableEntryInput TFrm_ct_pagar::input() const
{
    finance::PayableEntryInput in;
    in.codEmp = m_codEmp->text();
    in.codDoc = m_codDoc->text();
    in.codParc = m_codParc->text();
    in.codTipDoc = m_codTipDoc->text();
    in.codFornecedor = m_codFornecedor->text();
    in.codComprador = m_codComprador->text();
    in.codConta = m_codConta->text();
    in.datEmissao = toBaseDate(m_emissao->date());
    in.datVencimento = toBaseDate(m_vencimento->date());
    in.vlrNotaFiscal = m_vlrNotaFiscal->text();
    in.vlrDesconto = m_vlrDesconto->text();
    in.vlrTitulo = m_vlrTitulo->text();
    in.vlrJuroDiario = m_vlrJuroDiario->text();
    in.perMulta = m_perMulta->text();
    in.desObs = m_obs->text();
    return in;
}

bool TFrm_ct_pagar::leavingToDiscard() const
{
    // The focus has already moved when the field hears it was left. Going to
    // "&Cancelar" or "&Sair" throws the title away: nothing to check then.
    const QWidget* to = QApplication::focusWidget();
    return to
        && (to == m_buttons->button(QStringLiteral("btnCancelar")) || to == m_buttons->button(QStringLiteral("btnSair")));
}

void TFrm_ct_pagar::checkAmount(PayableEntryAmount which, QLineEdit* field)
{
    if (m_refusing || !m_editing || leavingToDiscard())
        return;
    const finance::FieldCheck c = finance::checkPayableEntryAmount(which, field->text());
    field->setText(c.text);
    if (!c.accepted())
        refuse(c.message, field);
}

void TFrm_ct_pagar::checkEmission()
{
    if (m_refusing || !m_editing || leavingToDiscard())
        return;
    const finance::FieldCheck c =
        finance::checkPayableEmissionDate(toBaseDate(m_emissao->date()), toBaseDate(Clock::today()));
    if (!c.accepted())
        refuse(c.message, m_emissao);
}

void TFrm_ct_pagar::refuse(const QString& message, QWidget* field)
{
    // Putting the cursor back makes the control the user went to lose it: that
    // control is not checked now, or two refused fields would pull the cursor
    // back and forth.
    m_refusing = true;
    messages().info(message);
    field->setFocus(Qt::OtherFocusReason);
    m_refusing = false;
}

} // namespace fin::ui
