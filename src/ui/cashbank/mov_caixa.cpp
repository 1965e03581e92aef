#include "ui/cashbank/mov_caixa.h"

#include "ui/common/forms.h"
#include "ui/common/grid.h"
#include "ui/common/session.h"

#include <QPushButton>

namespace fin::ui {

Tfrm_mov_caixa::Tfrm_mov_caixa(Session& session, QWidget* parent)
    : BookWindow(session, finance::Book::Cash,
                 Texts{QStringLiteral("Movimento de Caixa"), QStringLiteral("Complemento do lançamento no caixa."),
                       QStringLiteral("  Saldo Caixa  "), QStringLiteral("Data Caixa"), QStringLiteral("edtDataCaixa")},
                 parent)
{
    setObjectName(QStringLiteral("frm_mov_caixa"));
    // Reprinting a movement's receipt waits for the receipts; the command stays hidden.
    auto* reemitir = new QPushButton(QStringLiteral("&Reemitir Recibo"), buttons());
    reemitir->setObjectName(QStringLiteral("btnReemitirRecibo"));
    reemitir->setAutoDefault(false);
    reemitir->hide();

    setTabChain({m_edtCodEmp, m_cbEmpresa, m_edtVlrMovimento, m_edtCodHistorico, m_cbHistorico, m_edtComplemento,
                 m_btnConta, m_grid, buttons()->button(QStringLiteral("btnIncluir")),
                 buttons()->button(QStringLiteral("btnCancelar")), buttons()->button(QStringLiteral("btnSalvar")),
                 buttons()->button(QStringLiteral("btnSair"))});
    resize(1000, 560);
}

void Tfrm_mov_caixa::startEntry()
{
    const finance::CashEntryStart s = finance::beginCashMovement(m_session.db());
    fillEntry(s.empresas, s.historicos, s.valor);
}

finance::RecordOutcome Tfrm_mov_caixa::recordEntry(const Typed& t)
{
    finance::CashMovementInput in;
    in.empresa = t.empresa;
    in.valor = t.valor;
    in.codHistorico = t.codHistorico;
    in.complemento = t.complemento;
    in.codConta = t.codConta;
    in.hoje = t.hoje;
    return finance::RecordCashMovement(m_session.db(), in);
}

} // namespace fin::ui
