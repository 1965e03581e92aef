#include "ui/payable/consulta_pages.h"

#include "finance/payable/texts.h"
#include "ui/common/forms.h"
#include "ui/payable/payable_widgets.h"
#include "ui/payable/title_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fin::ui::payable {

using finance::PayableFields;
using finance::PayableTexts;

namespace {

// Where the account list keeps the bank and agency of each account.
constexpr int kBankRole = Qt::UserRole + 1;
constexpr int kAgencyRole = Qt::UserRole + 2;

QLineEdit* codeEdit(QWidget* parent, const QString& name)
{
    QLineEdit* e = makeEdit(parent, name, 20);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 14);
    return e;
}

QComboBox* list(QWidget* parent, const QString& name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setMinimumContentsLength(24);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

// A radio group without a preselected item.
QGroupBox* radioGroup(QWidget* parent, const QString& title, const QString& name, QButtonGroup*& group,
                      std::initializer_list<std::pair<QString, QRadioButton**>> items)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* l = new QHBoxLayout(box);
    group = new QButtonGroup(box);
    for (const auto& [caption, out] : items) {
        auto* r = new QRadioButton(caption, box);
        r->setObjectName(QStringLiteral("rb") + caption);
        group->addButton(r);
        l->addWidget(r);
        *out = r;
    }
    return box;
}

void uncheck(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

QWidget* newPage(QWidget* parent, const QString& name, TitlePanel*& title, QVBoxLayout*& layout)
{
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    layout = new QVBoxLayout(page);
    title = new TitlePanel(page);
    layout->addWidget(title);
    return page;
}

QGroupBox* bankGroup(QWidget* parent, SettlePage& p)
{
    auto* box = new QGroupBox(QStringLiteral("  Dados bancário  "), parent);
    box->setObjectName(QStringLiteral("grpDadosBancario"));
    auto* g = new QGridLayout(box);
    p.codBanco = codeEdit(box, PayableFields::codBanco);
    p.bancos = list(box, QStringLiteral("cmbBanco"));
    p.codAgencia = codeEdit(box, PayableFields::codAgencia);
    p.agencias = list(box, QStringLiteral("cmbAgencia"));
    p.codContaCorrente = codeEdit(box, PayableFields::codContaCorrente);
    p.contas = list(box, QStringLiteral("cmbContaCorrente"));
    const std::tuple<const char*, QLineEdit*, QComboBox*> rows[] = {
        {"Banco :", p.codBanco, p.bancos}, {"Agência :", p.codAgencia, p.agencias},
        {"Conta :", p.codContaCorrente, p.contas}};
    int row = 0;
    for (const auto& [label, code, combo] : rows) {
        g->addWidget(labelFor(QString::fromUtf8(label), code, box), row, 0, Qt::AlignRight);
        g->addWidget(code, row, 1);
        g->addWidget(combo, row, 2);
        bindCodeToList(code, combo);
        ++row;
    }
    g->setColumnStretch(2, 1);
    // An account chosen in the list brings its own bank and agency.
    QObject::connect(p.contas, &QComboBox::activated, box, [p](int i) {
        p.codBanco->setText(p.contas->itemData(i, kBankRole).toString());
        p.codAgencia->setText(p.contas->itemData(i, kAgencyRole).toString());
    });
    return box;
}

} // namespace

SettlePage buildSettlePage(QWidget* parent)
{
    SettlePage p;
    QVBoxLayout* layout = nullptr;
    p.page = newPage(parent, QStringLiteral("tbsBaixarTitulo"), p.title, layout);

    auto* amounts = new QGridLayout;
    p.vlrMulta = makeAmount(p.page, PayableFields::vlrMulta);
    p.vlrJuro = makeAmount(p.page, PayableFields::vlrJuro);
    p.vlrPago = makeAmount(p.page, PayableFields::vlrPago);
    p.dataPagto = makeMaskedDate(p.page, PayableFields::dataPagto);
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Valor Multa :", p.vlrMulta}, {"Valor juro :", p.vlrJuro}, {"Valor pago :", p.vlrPago},
        {"Data pagto. :", p.dataPagto}};
    int column = 0;
    for (const auto& [label, edit] : fields) {
        amounts->addWidget(labelFor(QString::fromUtf8(label), edit, p.page), 0, column++, Qt::AlignRight);
        amounts->addWidget(edit, 0, column++);
    }
    amounts->setColumnStretch(column, 1);
    layout->addLayout(amounts);

    auto* choices = new QHBoxLayout;
    choices->addWidget(radioGroup(p.page, QStringLiteral("  Tipo de pagamento"), QStringLiteral("rgTipoPagamento"),
                                  p.tipoPagamento, {{QStringLiteral("Parcial"), &p.parcial},
                                                    {QStringLiteral("Total"), &p.total}}));
    choices->addWidget(radioGroup(p.page, QStringLiteral("  Tipo de saída"), QStringLiteral("rgTipoSaida"),
                                  p.tipoSaida, {{QStringLiteral("Banco"), &p.banco},
                                                {QStringLiteral("Caixa"), &p.caixa}}));
    choices->addStretch();
    layout->addLayout(choices);

    p.dadosBancario = bankGroup(p.page, p);
    layout->addWidget(p.dadosBancario);
    // The bank data only matter, and only show, while "Banco" is chosen.
    QObject::connect(p.banco, &QRadioButton::toggled, p.dadosBancario, &QWidget::setVisible);

    auto* history = new QGroupBox(QStringLiteral("  Histórico financeiro  "), p.page);
    history->setObjectName(QStringLiteral("grpHistoricoFinanceiro"));
    auto* hl = new QHBoxLayout(history);
    p.codHistorico = codeEdit(history, PayableFields::codHistorico);
    p.historicos = list(history, QStringLiteral("cmbHistorico"));
    hl->addWidget(p.codHistorico);
    hl->addWidget(p.historicos, 1);
    bindCodeToList(p.codHistorico, p.historicos);
    layout->addWidget(history);

    p.complemento = makeUpperEdit(p.page, PayableFields::complemento, 80);
    clearPromptOnClick(p.complemento, PayableTexts::defaultComplement);
    auto* cl = new QHBoxLayout;
    cl->addWidget(labelFor(QStringLiteral("Complemento :"), p.complemento, p.page));
    cl->addWidget(p.complemento, 1);
    layout->addLayout(cl);
    layout->addStretch();
    p.reset();
    return p;
}

void SettlePage::reset()
{
    for (QLineEdit* e : {vlrMulta, vlrJuro, vlrPago, dataPagto, codBanco, codAgencia, codContaCorrente, codHistorico})
        e->clear();
    uncheck(tipoPagamento);
    uncheck(tipoSaida);
    dadosBancario->setVisible(false);
    complemento->setText(PayableTexts::defaultComplement);
}

void SettlePage::fillLists(const finance::PayableSettlementLists& l)
{
    fillCombo(bancos, l.banks, QStringLiteral("COD_BANCO"), {QStringLiteral("NOM_BANCO")});
    fillCombo(agencias, l.agencies, QStringLiteral("COD_AGENCIA"), {QStringLiteral("NOM_GERENTE")});
    fillCombo(contas, l.accounts, QStringLiteral("COD_CONTA_CORRENTE"),
              {QStringLiteral("COD_BANCO"), QStringLiteral("COD_AGENCIA"), QStringLiteral("COD_CONTA_CORRENTE")});
    for (int i = 0; i < static_cast<int>(l.accounts.size()); ++i) {
        contas->setItemData(i, l.accounts[i][QStringLiteral("COD_BANCO")].toString(), kBankRole);
        contas->setItemData(i, l.accounts[i][QStringLiteral("COD_AGENCIA")].toString(), kAgencyRole);
    }
    fillCombo(historicos, l.histories, QStringLiteral("COD_HISTORICO"), {QStringLiteral("DES_HISTORICO")});
}

void SettlePage::clearLists()
{
    for (QComboBox* c : {bancos, agencias, contas, historicos})
        c->clear();
}

finance::PayableSettlementInput SettlePage::input() const
{
    finance::PayableSettlementInput in;
    in.vlrMulta = vlrMulta->text();
    in.vlrJuro = vlrJuro->text();
    in.vlrPago = vlrPago->text();
    in.dataPagto = dataPagto->text();
    if (parcial->isChecked())
        in.tipoPagamento = finance::PayablePaymentType::Parcial;
    else if (total->isChecked())
        in.tipoPagamento = finance::PayablePaymentType::Total;
    if (banco->isChecked())
        in.tipoSaida = finance::PayablePaymentExit::Banco;
    else if (caixa->isChecked())
        in.tipoSaida = finance::PayablePaymentExit::Caixa;
    in.codBanco = codBanco->text();
    in.codAgencia = codAgencia->text();
    in.codContaCorrente = codContaCorrente->text();
    in.codHistorico = codHistorico->text();
    in.complemento = complemento->text();
    return in;
}

DueDatePage buildDueDatePage(QWidget* parent)
{
    DueDatePage p;
    QVBoxLayout* layout = nullptr;
    p.page = newPage(parent, QStringLiteral("tbsAlterarVencimento"), p.title, layout);
    auto* g = new QGridLayout;
    p.novoVencimento = makeMaskedDate(p.page, PayableFields::novoVencimento);
    p.motivo = makeUpperEdit(p.page, PayableFields::motivoVencimento, 80);
    clearPromptOnClick(p.motivo, PayableTexts::dueDateReasonPrompt);
    g->addWidget(labelFor(QStringLiteral("Novo vencimento"), p.novoVencimento, p.page), 0, 0, Qt::AlignRight);
    g->addWidget(p.novoVencimento, 0, 1, Qt::AlignLeft);
    g->addWidget(labelFor(QStringLiteral("Motivo da alteração :"), p.motivo, p.page), 1, 0, Qt::AlignRight);
    g->addWidget(p.motivo, 1, 1);
    g->setColumnStretch(1, 1);
    layout->addLayout(g);
    layout->addStretch();
    p.reset();
    return p;
}

void DueDatePage::reset()
{
    novoVencimento->clear();
    motivo->setText(finance::PayableTexts::dueDateReasonPrompt);
}

ValuePage buildValuePage(QWidget* parent)
{
    ValuePage p;
    QVBoxLayout* layout = nullptr;
    p.page = newPage(parent, QStringLiteral("tbsAlterarValor"), p.title, layout);
    auto* g = new QGridLayout;
    p.novoValor = makeAmount(p.page, PayableFields::novoValor);
    p.motivo = makeUpperEdit(p.page, PayableFields::motivoValor, 80);
    g->addWidget(labelFor(QStringLiteral("Novo valor"), p.novoValor, p.page), 0, 0, Qt::AlignRight);
    g->addWidget(p.novoValor, 0, 1, Qt::AlignLeft);
    g->addWidget(labelFor(QStringLiteral("Observações da alteração :"), p.motivo, p.page), 1, 0, Qt::AlignRight);
    g->addWidget(p.motivo, 1, 1);
    g->setColumnStretch(1, 1);
    layout->addLayout(g);
    layout->addStretch();
    p.reset();
    return p;
}

void ValuePage::reset()
{
    novoValor->clear();
    motivo->clear();
}

} // namespace fin::ui::payable
