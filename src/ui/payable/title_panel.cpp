#include "ui/payable/title_panel.h"

#include "common/brformat.h"
#include "finance/payable/title.h"
#include "ui/common/forms.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace fin::ui::payable {

namespace {

struct Box {
    const char* name;
    const char* label;
    int row;
    int column;   // 0 or 1: left or right half
};

// Two halves, labels beside their boxes, as the pages show them.
const Box kBoxes[] = {
    {"edtCodForn", "Cód. Forn. :", 0, 0},
    {"edtRazaoFornecedor", "Razão Fornecedor :", 0, 1},
    {"edtCodTitulo", "Cód. Título :", 1, 0},
    {"edtCodParcela", "Cód. Parcela :", 1, 1},
    {"edtCodPedido", "Cód. Pedido :", 2, 0},
    {"edtDataEmissao", "Data emissão :", 2, 1},
    {"edtDataCadastro", "Data cadastro :", 3, 0},
    {"edtDataVencimento", "Data vencimento :", 3, 1},
    {"edtVlrJuroDiarioTit", "Valor juro diário :", 4, 0},
    {"edtObservacoes", "Observações :", 4, 1},
    {"edtVlrTituloTit", "Valor título :", 5, 0},
    {"edtVlrNotaFiscalTit", "Valor N.F :", 5, 1},
};

QString money(const std::optional<base::Money>& m)
{
    return m ? common::formatMoney(*m) : QString();
}

QString number(const std::optional<int>& n)
{
    return n ? QString::number(*n) : QString();
}

QString date(const base::Date& d)
{
    return d.isNull() ? QString() : common::formatDate(d);
}

} // namespace

TitlePanel::TitlePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlTitulo"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const Box& b : kBoxes) {
        QLineEdit* e = makeReadOnly(this, QString::fromUtf8(b.name));
        const bool amount = QByteArray(b.name).startsWith("edtVlr");
        if (amount)
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(labelFor(QString::fromUtf8(b.label), e, this), b.row, b.column * 2, Qt::AlignRight);
        grid->addWidget(e, b.row, b.column * 2 + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
}

QLineEdit* TitlePanel::box(const QString& objectName) const
{
    return findChild<QLineEdit*>(objectName);
}

void TitlePanel::showTitle(const finance::PayableTitle* t)
{
    const auto set = [this](const char* name, const QString& text) {
        QLineEdit* e = box(QString::fromUtf8(name));
        e->setText(text);
        e->setCursorPosition(0);
    };
    if (!t) {
        for (const Box& b : kBoxes)
            set(b.name, {});
        return;
    }
    set("edtCodForn", QString::number(t->codFornecedor));
    set("edtRazaoFornecedor", t->nomFornecedor);
    set("edtCodTitulo", QString::number(t->codDoc));
    set("edtCodParcela", QString::number(t->codParc));
    set("edtCodPedido", number(t->codPedido));
    set("edtDataEmissao", date(t->datEmissao));
    set("edtDataCadastro", date(t->datCadastro));
    set("edtDataVencimento", date(t->datVencimento));
    set("edtVlrJuroDiarioTit", money(t->vlrJuroDiario));
    set("edtObservacoes", t->desObs.value_or(QString()));
    set("edtVlrTituloTit", money(t->vlrTitulo));
    set("edtVlrNotaFiscalTit", money(t->vlrNotaFiscal));
}

} // namespace fin::ui::payable
