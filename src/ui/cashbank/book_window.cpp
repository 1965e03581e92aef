#include "ui/cashbank/book_window.h"

#include "finance/cashbank/movements.h"
#include "ui/common/clock.h"
#include "ui/common/forms.h"
#include "ui/common/grid.h"
#include "ui/common/guard.h"
#include "ui/common/lookups.h"
#include "ui/common/messages.h"
#include "ui/common/session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace fin::ui {

namespace field = finance::cashbank_field;

namespace {

// The day's movements as grid rows.
data::Rows dayRows(const std::vector<finance::DayMovement>& movimentos)
{
    auto columns = std::make_shared<data::Columns>();
    columns->names = {QStringLiteral("COD_MOVIMENTO"), QStringLiteral("VLR_MOVIMENTO"),
                      QStringLiteral("TIPO_MOVIMENTO"), QStringLiteral("DES_COMPLEMENTO")};
    for (int i = 0; i < columns->names.size(); ++i)
        columns->index.insert(columns->names[i], i);
    data::Rows rows;
    rows.reserve(movimentos.size());
    for (const finance::DayMovement& m : movimentos)
        rows.emplace_back(columns, std::vector<data::Value>{m.codMovimento, m.valor, m.tipoMovimento, m.complemento});
    return rows;
}

QLineEdit* moneyBox(QWidget* parent, const QString& name)
{
    QLineEdit* e = makeReadOnly(parent, name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

// A caption above its control.
void addLabelled(QGridLayout* g, int row, int column, const QString& caption, QWidget* w, int span = 1)
{
    g->addWidget(labelFor(caption, w, w->parentWidget()), row, column, 1, span);
    g->addWidget(w, row + 1, column, 1, span);
}

} // namespace

BookWindow::BookWindow(Session& session, finance::Book book, const Texts& texts, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_book(book)
{
    setWindowTitle(texts.caption);

    auto* top = new QHBoxLayout;
    m_edtCodEmp = makeEdit(this, field::kEmpresa, 9);
    m_edtCodEmp->setMaximumWidth(60);
    m_cbEmpresa = new QComboBox(this);
    m_cbEmpresa->setObjectName(QStringLiteral("cbEmpresa"));
    m_cbEmpresa->setMinimumWidth(320);
    top->addWidget(labelFor(QStringLiteral("Empresa :"), m_edtCodEmp, this));
    top->addWidget(m_edtCodEmp);
    top->addWidget(m_cbEmpresa);
    top->addStretch();

    m_grid = new ReadOnlyGrid(this);
    m_grid->setObjectName(QStringLiteral("grdMovimento"));
    m_grid->setColumns({{QStringLiteral("COD_MOVIMENTO"), QStringLiteral("Cód. Movimento"), 150, ColumnFormat::DateTime},
                        {QStringLiteral("VLR_MOVIMENTO"), QStringLiteral("Valor Movimento"), 120, ColumnFormat::Money},
                        {QStringLiteral("TIPO_MOVIMENTO"), QStringLiteral("Tipo Movimento"), 115},
                        {QStringLiteral("DES_COMPLEMENTO"), QStringLiteral("Complemento do Movimento"), 340}});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumHeight(180);
    m_grid->setTabKeyNavigation(false);   // Tab leaves the grid for the next control

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildDados(texts));
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildBottom());

    for (QWidget* w : std::initializer_list<QWidget*>{m_edtCodEmp, m_cbEmpresa, m_edtVlrMovimento, m_edtCodHistorico,
                                                      m_cbHistorico, m_edtComplemento, m_btnConta})
        m_entryControls.push_back(w);

    // A code typed shows its entry in the list; an entry chosen fills the code.
    bindCodeToList(m_edtCodEmp, m_cbEmpresa);
    bindCodeToList(m_edtCodHistorico, m_cbHistorico);
    // The complement is kept in upper case as it is typed.
    connect(m_edtComplemento, &QLineEdit::textEdited, this, [this](const QString& t) {
        const QString upper = t.toUpper();
        if (upper != t) {
            const int pos = m_edtComplemento->cursorPosition();
            m_edtComplemento->setText(upper);
            m_edtComplemento->setCursorPosition(pos);
        }
    });

    onSignal(m_buttons->button(QStringLiteral("btnIncluir")), &QPushButton::clicked, this, [this] { btnIncluirClick(); });
    onSignal(m_buttons->button(QStringLiteral("btnCancelar")), &QPushButton::clicked, this, [this] { btnCancelarClick(); });
    onSignal(m_buttons->button(QStringLiteral("btnSalvar")), &QPushButton::clicked, this, [this] { btnSalvarClick(); });
    onSignal(m_buttons->button(QStringLiteral("btnSair")), &QPushButton::clicked, this, [this] { btnSairClick(); });
    onSignal(m_btnConta, &QPushButton::clicked, this, [this] { btnContaClick(); });

    setEditing(false);
}

QWidget* BookWindow::buildDados(const Texts& texts)
{
    auto* dados = new QGroupBox(QStringLiteral("  Dados do Movimento  "), this);
    dados->setObjectName(QStringLiteral("gbDadosMovimento"));
    auto* g = new QGridLayout(dados);

    m_edtVlrMovimento = makeEdit(dados, field::kValor, 20);
    m_edtVlrMovimento->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_edtVlrMovimento->setMaximumWidth(120);
    m_edtCodHistorico = makeEdit(dados, field::kHistorico, 9);
    m_edtCodHistorico->setMaximumWidth(60);
    m_cbHistorico = new QComboBox(dados);
    m_cbHistorico->setObjectName(QStringLiteral("cbHistorico"));
    m_cbHistorico->setMinimumWidth(260);
    m_edtComplemento = makeEdit(dados, field::kComplemento, finance::kComplementoWidth);
    addLabelled(g, 0, 0, QStringLiteral("Vlr. Movimento"), m_edtVlrMovimento);
    addLabelled(g, 0, 1, QStringLiteral("Cód.Tipo"), m_edtCodHistorico);
    addLabelled(g, 0, 2, QStringLiteral("Descrição do tipo de documento"), m_cbHistorico);
    addLabelled(g, 2, 0, texts.complemento, m_edtComplemento, 3);

    m_extraArea = new QWidget(dados);
    m_extraArea->setObjectName(QStringLiteral("extraArea"));
    g->addWidget(m_extraArea, 4, 0, 1, 3);

    auto* gerencial = new QGroupBox(QStringLiteral("  Informações gerenciais  "), dados);
    gerencial->setObjectName(QStringLiteral("gbGerencial"));
    auto* gg = new QGridLayout(gerencial);
    m_edtCodConta = makeReadOnly(gerencial, field::kConta);
    m_edtCodConta->setMaximumWidth(60);
    m_btnConta = new QPushButton(QStringLiteral("..."), gerencial);
    m_btnConta->setObjectName(QStringLiteral("btnConta"));
    m_btnConta->setToolTip(QStringLiteral("Click aqui para consultar as contas gerenciais."));
    m_btnConta->setAutoDefault(false);
    m_btnConta->setMaximumWidth(32);
    m_edtDesConta = makeReadOnly(gerencial, QStringLiteral("edtDesConta"));
    m_edtDesConta->setMinimumWidth(220);
    gg->addWidget(labelFor(QStringLiteral("Código"), m_edtCodConta, gerencial), 0, 0, 1, 2);
    gg->addWidget(labelFor(QStringLiteral("Descrição da conta gerencial"), m_edtDesConta, gerencial), 0, 2);
    gg->addWidget(m_edtCodConta, 1, 0);
    gg->addWidget(m_btnConta, 1, 1);
    gg->addWidget(m_edtDesConta, 1, 2);

    auto* saldo = new QGroupBox(texts.saldoGroup, dados);
    saldo->setObjectName(QStringLiteral("gbSaldo"));
    auto* sg = new QGridLayout(saldo);
    m_edtSaldoInicial = moneyBox(saldo, QStringLiteral("edtSaldoInicial"));
    m_edtDataSaldo = makeReadOnly(saldo, texts.dataSaldoName);
    addLabelled(sg, 0, 0, QStringLiteral("Saldo Inicial"), m_edtSaldoInicial);
    addLabelled(sg, 0, 1, texts.dataSaldo, m_edtDataSaldo);

    auto* groups = new QHBoxLayout;
    groups->addWidget(gerencial, 3);
    groups->addWidget(saldo, 2);
    g->addLayout(groups, 5, 0, 1, 3);
    g->setColumnStretch(2, 1);
    return dados;
}

QWidget* BookWindow::buildBottom()
{
    auto* bottom = new QWidget(this);
    auto* h = new QHBoxLayout(bottom);
    h->setContentsMargins(0, 0, 0, 0);
    m_buttons = entryButtons(bottom);
    h->addWidget(m_buttons);
    h->addStretch();
    m_edtTotalCredito = moneyBox(bottom, QStringLiteral("edtTotalCredito"));
    m_edtTotalDebito = moneyBox(bottom, QStringLiteral("edtTotalDebito"));
    m_edtSaldoAtual = moneyBox(bottom, QStringLiteral("edtSaldoAtual"));
    for (auto [caption, box] : {std::pair{QStringLiteral("Total Crédito: "), m_edtTotalCredito},
                                std::pair{QStringLiteral("Total Débito: "), m_edtTotalDebito},
                                std::pair{QStringLiteral("Saldo Atual: "), m_edtSaldoAtual}}) {
        box->setFixedWidth(120);
        h->addWidget(labelFor(caption, box, bottom));
        h->addWidget(box);
    }
    return bottom;
}

void BookWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        guarded(this, [this] { FormShow(); });
    }
}

void BookWindow::FormShow()
{
    showDay(m_book == finance::Book::Cash ? finance::loadCashDay(m_session.db()) : finance::loadBankDay(m_session.db()));
}

void BookWindow::showDay(const finance::DayView& day)
{
    m_day = day;
    m_grid->rowsModel()->setRows(dayRows(day.movimentos));
    if (!day.movimentos.empty())
        m_grid->selectRow(0);
    m_edtSaldoInicial->setText(day.totais.saldoInicialText);
    m_edtDataSaldo->setText(day.dataSaldoText);
    m_edtTotalCredito->setText(day.totais.creditoText);
    m_edtTotalDebito->setText(day.totais.debitoText);
    m_edtSaldoAtual->setText(day.totais.saldoAtualText);
}

void BookWindow::fillEntry(const std::vector<finance::Company>& empresas,
                           const std::vector<finance::FinancialHistory>& historicos, const QString& valor)
{
    m_cbEmpresa->clear();
    for (const finance::Company& c : empresas)
        m_cbEmpresa->addItem(c.razaoSocial.trimmed(), QString::number(c.codEmp));
    m_cbEmpresa->setCurrentIndex(-1);
    m_cbHistorico->clear();
    for (const finance::FinancialHistory& h : historicos)
        m_cbHistorico->addItem(h.descricao.trimmed(), QString::number(h.codHistorico));
    m_cbHistorico->setCurrentIndex(-1);
    m_edtVlrMovimento->setText(valor);
}

void BookWindow::btnIncluirClick()
{
    clearEntry();
    startEntry();
    setEditing(true);
    m_edtCodEmp->setFocus();
}

void BookWindow::btnCancelarClick()
{
    clearEntry();
    setEditing(false);
}

void BookWindow::btnSalvarClick()
{
    if (!m_editing)
        return;
    const finance::RecordOutcome out = recordEntry(typed());
    showDay(out.dia);
    clearEntry();
    setEditing(false);
    messages().info(out.mensagem);
}

void BookWindow::btnSairClick()
{
    close();
}

void BookWindow::btnContaClick()
{
    chooseManagementAccount(m_session, this);
    const TFiltro& f = m_session.filtro();
    if (f.codConta < 0)
        return;
    m_edtCodConta->setText(QString::number(f.codConta));
    m_edtDesConta->setText(f.desConta);
}

BookWindow::Typed BookWindow::typed() const
{
    Typed t;
    t.empresa = m_edtCodEmp->text();
    t.valor = m_edtVlrMovimento->text();
    t.codHistorico = m_edtCodHistorico->text();
    t.complemento = m_edtComplemento->text();
    bool ok = false;
    const int conta = m_edtCodConta->text().trimmed().toInt(&ok);
    if (ok)
        t.codConta = conta;
    const QDate d = Clock::today();
    t.hoje = base::Date::fromYmd(d.year(), d.month(), d.day());
    return t;
}

void BookWindow::setTabChain(std::initializer_list<QWidget*> chain)
{
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void BookWindow::addEntryControl(QWidget* w)
{
    m_entryControls.push_back(w);
    w->setEnabled(m_editing);
}

void BookWindow::clearEntry()
{
    m_edtCodEmp->clear();
    m_cbEmpresa->clear();
    m_edtVlrMovimento->clear();
    m_edtCodHistorico->clear();
    m_cbHistorico->clear();
    m_edtComplemento->clear();
    m_edtCodConta->clear();
    m_edtDesConta->clear();
    clearExtra();
}

// Typing needs "&Incluir" first; a movement being typed is saved or cancelled
// before the next one starts.
void BookWindow::setEditing(bool on)
{
    m_editing = on;
    for (QWidget* w : m_entryControls)
        w->setEnabled(on);
    m_buttons->button(QStringLiteral("btnIncluir"))->setEnabled(!on);
    m_buttons->button(QStringLiteral("btnCancelar"))->setEnabled(on);
    m_buttons->button(QStringLiteral("btnSalvar"))->setEnabled(on);
}

// Esc is "&Cancelar": it discards the movement being typed and keeps the window open.
void BookWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        guarded(this, [this] { btnCancelarClick(); });
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace fin::ui
