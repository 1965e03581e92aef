#include "ui/cashbank/mov_banco.h"

#include "ui/common/forms.h"
#include "ui/common/grid.h"
#include "ui/common/session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fin::ui {

Tfrm_mov_banco::Tfrm_mov_banco(Session& session, QWidget* parent)
    : BookWindow(session, finance::Book::Bank,
                 Texts{QStringLiteral("Movimento Bancario"), QStringLiteral("Complemento do lançamento no banco."),
                       QStringLiteral("  Saldo Banco  "), QStringLiteral("Data Banco"), QStringLiteral("edtDataBanco")},
                 parent)
{
    setObjectName(QStringLiteral("frm_mov_banco"));

    QWidget* area = extraArea();
    auto* g = new QGridLayout(area);
    g->setContentsMargins(0, 0, 0, 0);
    m_edtCodBanco = makeReadOnly(area, QStringLiteral("edtCodBanco"));
    m_edtCodBanco->setMaximumWidth(80);
    m_cbContaCorrente = new QComboBox(area);
    m_cbContaCorrente->setObjectName(finance::cashbank_field::kContaCorrente);
    m_cbContaCorrente->setMinimumWidth(160);
    m_edtCodAgencia = makeReadOnly(area, QStringLiteral("edtCodAgencia"));
    m_edtCodAgencia->setMaximumWidth(100);
    g->addWidget(labelFor(QStringLiteral("Cód. Banco"), m_edtCodBanco, area), 0, 0);
    g->addWidget(labelFor(QStringLiteral("Conta Correte"), m_cbContaCorrente, area), 0, 1);
    g->addWidget(labelFor(QStringLiteral("Cód. Agência"), m_edtCodAgencia, area), 0, 2);
    g->addWidget(m_edtCodBanco, 1, 0);
    g->addWidget(m_cbContaCorrente, 1, 1);
    g->addWidget(m_edtCodAgencia, 1, 2);
    g->setColumnStretch(3, 1);
    addEntryControl(m_cbContaCorrente);
    connect(m_cbContaCorrente, &QComboBox::currentIndexChanged, this, [this](int i) { showAccount(i); });

    // The command buttons are reached with the mouse or their accelerators, not with Tab.
    for (const char* name : {"btnIncluir", "btnCancelar", "btnSalvar", "btnSair"})
        buttons()->button(QString::fromLatin1(name))->setFocusPolicy(Qt::ClickFocus);
    setTabChain({m_edtCodEmp, m_cbEmpresa, m_edtVlrMovimento, m_edtCodHistorico, m_cbHistorico, m_edtComplemento,
                 m_cbContaCorrente, m_btnConta, m_grid});
    resize(1000, 600);
}

void Tfrm_mov_banco::startEntry()
{
    const finance::BankEntryStart s = finance::beginBankMovement(m_session.db());
    fillEntry(s.empresas, s.historicos, s.valor);
    m_contas = s.contas;
    m_cbContaCorrente->clear();
    for (const finance::BankAccount& c : m_contas)
        m_cbContaCorrente->addItem(c.codContaCorrente.trimmed());
    // No account until the user chooses one: saving without it is refused.
    m_cbContaCorrente->setCurrentIndex(-1);
}

finance::RecordOutcome Tfrm_mov_banco::recordEntry(const Typed& t)
{
    finance::BankMovementInput in;
    in.empresa = t.empresa;
    in.valor = t.valor;
    in.codHistorico = t.codHistorico;
    in.complemento = t.complemento;
    in.codConta = t.codConta;
    in.hoje = t.hoje;
    const int i = m_cbContaCorrente->currentIndex();
    if (i >= 0 && i < static_cast<int>(m_contas.size()))
        in.contaCorrente = m_contas[static_cast<std::size_t>(i)];
    return finance::RecordBankMovement(m_session.db(), in);
}

void Tfrm_mov_banco::clearExtra()
{
    m_cbContaCorrente->clear();
    m_contas.clear();
    showAccount(-1);
}

void Tfrm_mov_banco::showAccount(int index)
{
    if (index < 0 || index >= static_cast<int>(m_contas.size())) {
        m_edtCodBanco->clear();
        m_edtCodAgencia->clear();
        return;
    }
    const finance::BankAccount& c = m_contas[static_cast<std::size_t>(index)];
    m_edtCodBanco->setText(QString::number(c.codBanco));
    m_edtCodAgencia->setText(c.codAgencia.trimmed());
}

} // namespace fin::ui
