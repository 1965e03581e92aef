// moc cannot read the C++20 library headers the operations pull in.
#ifndef Q_MOC_RUN
#include "../finance/cashbank_support.h"
#include "ui/cashbank/mov_banco.h"
#include "ui/cashbank/mov_caixa.h"
#include "ui/common/session.h"
#endif
#include "recording_sink.h"
#include "screenshot.h"
#include "ui/app/principal.h"
#include "ui/common/clock.h"
#include "ui/common/enter_nav.h"
#include "ui/common/grid.h"
#include "ui_session.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace fin::ui {
void registerCashBankWindows();
}

using namespace fin;
using namespace fin::ui;

namespace {

QDate toQDate(base::Date d)
{
    return QDate(d.year(), d.month(), d.day());
}

// Drives one book window by its controls, as the user would.
struct Driver {
    BookWindow& w;

    template <class T = QWidget>
    T* get(const QString& name) const
    {
        T* c = w.findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QString text(const QString& name) const { return get<QLineEdit>(name)->text(); }
    void click(const QString& name) const { get<QPushButton>(name)->click(); }
    void type(const QString& name, const QString& t) const
    {
        QLineEdit* e = get<QLineEdit>(name);
        e->selectAll();
        for (const QChar ch : t) {
            if (ch.unicode() < 128) {
                QTest::keyClick(e, ch.toLatin1());
            } else {   // accented letters arrive as text, as from a Brazilian keyboard
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(e, &press);
            }
        }
    }
    // Chooses the list entry whose text is `shown`, as a click in the list would.
    void choose(const QString& combo, const QString& shown) const
    {
        QComboBox* c = get<QComboBox>(combo);
        const int i = c->findText(shown);
        QVERIFY2(i >= 0, qPrintable(shown));
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    QStringList items(const QString& combo) const
    {
        QStringList out;
        QComboBox* c = get<QComboBox>(combo);
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
    // The management account as the lookup leaves it.
    void chooseAccount(Session& s, int cod, const QString& des) const
    {
        s.filtro().codConta = cod;
        s.filtro().desConta = des;
        click(QStringLiteral("btnConta"));
    }
    RowsModel* grid() const { return get<ReadOnlyGrid>(QStringLiteral("grdMovimento"))->rowsModel(); }
    QStringList gridRow(int r) const
    {
        QStringList out;
        for (int c = 0; c < grid()->columnCount(); ++c)
            out << grid()->displayText(r, c);
        return out;
    }
    QStringList totals() const
    {
        return {text("edtSaldoInicial"), text("edtTotalCredito"), text("edtTotalDebito"), text("edtSaldoAtual")};
    }
    // Types a whole movement after "&Incluir".
    void typeMovement(const QString& valor, const QString& historico, const QString& complemento) const
    {
        click(QStringLiteral("btnIncluir"));
        type(QStringLiteral("edtCodEmp"), QStringLiteral("1"));
        type(QStringLiteral("edtVlrMovimento"), valor);
        type(QStringLiteral("edtCodHistorico"), historico);
        type(QStringLiteral("edtComplemento"), complemento);
    }
};

// The order Tab visits the focusable controls in, from `first` until it comes back.
QStringList tabCycle(QWidget* window, QWidget* first)
{
    QStringList seen;
    first->setFocus();
    for (int i = 0; i < 30; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (!f || (i > 0 && f == first))
            break;
        seen << f->objectName();
        QTest::keyClick(f, Qt::Key_Tab);
    }
    Q_UNUSED(window);
    return seen;
}

} // namespace

class CashBankWindowsTest : public QObject {
    Q_OBJECT

    base::Date m_today;

    // Fixes the workstation's clock on the server's day (or another one).
    void fixClock(test::UiSession& s, int daysFromServer = 0)
    {
        m_today = test::serverToday(s.session.db());
        Clock::setFixed(QDateTime(toQDate(m_today.addDays(daysFromServer)), QTime(10, 0)));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        EnterNavigation::install();
    }
    void cleanup() { Clock::setFixed(std::nullopt); }

    // What the cash window shows when it opens, and the parts the user sees.
    void cashWindowOpensOnTheDay()
    {
        test::UiSession s;
        test::RecordingSink sink;
        fixClock(s);
        Tfrm_mov_caixa w(s.session);
        w.show();
        Driver d{w};
        QCOMPARE(w.windowTitle(), QStringLiteral("Movimento de Caixa"));
        // The demo has yesterday's credit of 500,00 and nothing today.
        QCOMPARE(d.totals(), (QStringList{"500,00", "R$ 0,00", "R$ 0,00", "R$ 500,00"}));
        QCOMPARE(d.text("edtDataCaixa"), common::formatDate(m_today));
        QCOMPARE(d.grid()->rowCount(), 0);
        QStringList titles;
        for (int c = 0; c < d.grid()->columnCount(); ++c)
            titles << d.grid()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(titles, (QStringList{"Cód. Movimento", "Valor Movimento", "Tipo Movimento", "Complemento do Movimento"}));

        QStringList groups;
        for (QGroupBox* g : w.findChildren<QGroupBox*>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{"  Dados do Movimento  ", "  Informações gerenciais  ", "  Saldo Caixa  "}));
        QStringList labels;
        for (QLabel* l : w.findChildren<QLabel*>())
            labels << l->text();
        for (const char* caption : {"Empresa :", "Vlr. Movimento", "Cód.Tipo", "Descrição do tipo de documento",
                                    "Complemento do lançamento no caixa.", "Código", "Descrição da conta gerencial",
                                    "Saldo Inicial", "Data Caixa", "Total Crédito: ", "Total Débito: ", "Saldo Atual: "})
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
        QCOMPARE(d.get<QPushButton>("btnConta")->toolTip(), QStringLiteral("Click aqui para consultar as contas gerenciais."));
        QVERIFY(!d.get<QPushButton>("btnReemitirRecibo")->isVisible());
        for (const char* ro : {"edtCodConta", "edtDesConta", "edtSaldoInicial", "edtDataCaixa", "edtTotalCredito",
                               "edtTotalDebito", "edtSaldoAtual"})
            QVERIFY2(d.get<QLineEdit>(ro)->isReadOnly(), ro);

        // Nothing can be typed or saved before "&Incluir".
        QVERIFY(!d.get("edtVlrMovimento")->isEnabled());
        QVERIFY(!d.get("btnSalvar")->isEnabled());
        QVERIFY(d.get("btnIncluir")->isEnabled());
        QVERIFY(sink.shown.empty());
        test::screenshot(&w, QStringLiteral("mov_caixa_aberta"));
    }

    // The worked day: yesterday's 450,00 debit typed late leaves 50,00 to open
    // today; then a credit of 100,00 and a debit of 30,00 end at 120,00.
    void cashIncluirSalvarTheDay()
    {
        test::UiSession s;
        test::RecordingSink sink;
        fixClock(s, -1);
        Tfrm_mov_caixa w(s.session);
        w.show();
        Driver d{w};

        d.click("btnIncluir");
        QVERIFY(w.editing());
        QCOMPARE(d.text("edtVlrMovimento"), QStringLiteral("0,00"));
        QCOMPARE(d.items("cbEmpresa"), QStringList{"Distribuidora Horizonte Ltda"});
        // Cash codes only, by description.
        QCOMPARE(d.items("cbHistorico"),
                 (QStringList{"DESPESA DE CAIXA", "PAGAMENTO", "RECEBIMENTO", "SANGRIA DE CAIXA", "SUPRIMENTO DE CAIXA"}));
        d.type("edtCodEmp", "1");
        QCOMPARE(d.get<QComboBox>("cbEmpresa")->currentText(), QStringLiteral("Distribuidora Horizonte Ltda"));
        d.type("edtVlrMovimento", "450,00");
        d.choose("cbHistorico", "DESPESA DE CAIXA");
        QCOMPARE(d.text("edtCodHistorico"), QStringLiteral("4"));
        d.type("edtComplemento", "retirada de ontem");
        QCOMPARE(d.text("edtComplemento"), QStringLiteral("RETIRADA DE ONTEM"));
        d.chooseAccount(s.session, 4, QStringLiteral("ENERGIA ELÉTRICA"));
        QCOMPARE(d.text("edtCodConta"), QStringLiteral("4"));
        QCOMPARE(d.text("edtDesConta"), QStringLiteral("ENERGIA ELÉTRICA"));
        test::screenshot(&w, QStringLiteral("mov_caixa_digitando"));
        d.click("btnSalvar");
        QCOMPARE(sink.texts(), QStringList{"Movimento registrado com sucesso"});
        // Dated yesterday by the workstation: not in today's list, but it lowers today's opening.
        QCOMPARE(d.grid()->rowCount(), 0);
        QCOMPARE(d.totals(), (QStringList{"50,00", "R$ 0,00", "R$ 0,00", "R$ 50,00"}));
        // The typed movement is released: the next one needs "&Incluir" again.
        QVERIFY(!w.editing());
        QVERIFY(d.text("edtCodEmp").isEmpty() && d.text("edtCodConta").isEmpty());
        QCOMPARE(d.get<QComboBox>("cbHistorico")->count(), 0);
        QVERIFY(!d.get("btnSalvar")->isEnabled());

        fixClock(s);
        sink.clear();
        d.typeMovement("100,00", "2", "suprimento");
        QCOMPARE(d.get<QComboBox>("cbHistorico")->currentText(), QStringLiteral("SUPRIMENTO DE CAIXA"));
        d.chooseAccount(s.session, 1, QStringLiteral("VENDA DE MERCADORIAS"));
        d.click("btnSalvar");
        d.typeMovement("30,00", "4", "café");
        d.chooseAccount(s.session, 4, QStringLiteral("ENERGIA ELÉTRICA"));
        d.click("btnSalvar");
        QCOMPARE(sink.texts(), (QStringList{"Movimento registrado com sucesso", "Movimento registrado com sucesso"}));
        QCOMPARE(d.grid()->rowCount(), 2);
        QCOMPARE(d.gridRow(0).mid(1), (QStringList{"100,00", "Crédito", "SUPRIMENTO"}));
        QCOMPARE(d.gridRow(1).mid(1), (QStringList{"30,00", "Débito", "CAFÉ"}));
        QVERIFY(d.gridRow(0).at(0).startsWith(common::formatDate(m_today) + u' '));
        QCOMPARE(d.totals(), (QStringList{"50,00", "R$ 100,00", "R$ 30,00", "R$ 120,00"}));
        QCOMPARE(w.findChild<ReadOnlyGrid*>("grdMovimento")->currentRow(), 0);
        test::screenshot(&w, QStringLiteral("mov_caixa_dia"));

        // What the database holds: three hand-typed rows of cash register 1.
        QCOMPARE(test::countOf(s.session.db(), "MOVIMENTO_CAIXA WHERE LANC_INDIVIDUAL = 'S' AND COD_CAIXA = 1 "
                                               "AND COD_USUARIO IS NULL AND COD_EMP = 1"),
                 3);   // the demo's own row has a user; these three have none
        QCOMPARE(test::scalar(s.session.db(), "SELECT COD_CONTA FROM MOVIMENTO_CAIXA WHERE DES_COMPLEMENTO = 'CAFÉ'").toInt(), 4);
    }

    // Refused saves, on both windows: the message, the cursor in the field,
    // nothing stored, and what was typed still there.
    void refusedSaves_data()
    {
        QTest::addColumn<bool>("bank");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("historico");
        QTest::addColumn<bool>("conta");
        QTest::addColumn<bool>("contaCorrente");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        QTest::newRow("caixa valor zero") << false << "0,00" << "2" << true << false
                                          << "Valor do movimento tem que ser maior que 0,00" << "edtVlrMovimento";
        QTest::newRow("caixa sem conta gerencial") << false << "10,00" << "2" << false << false
                                                   << "Código da conta gerencial é obrigatório" << "edtCodConta";
        QTest::newRow("caixa sem tipo") << false << "10,00" << "" << true << false
                                        << "Código do tipo do movimento é obrigatório" << "edtCodHistorico";
        QTest::newRow("caixa tipo do banco") << false << "10,00" << "10" << true << false
                                             << "Tipo do movimento não cadastrado: 10" << "edtCodHistorico";
        QTest::newRow("banco valor zero") << true << "0,00" << "10" << true << true
                                          << "Valor do movimento tem que ser maior que 0,00" << "edtVlrMovimento";
        QTest::newRow("banco sem conta corrente") << true << "10,00" << "10" << true << false
                                                  << "Conta corrente é obrigatória" << "cbContaCorrente";
        QTest::newRow("banco sem conta gerencial") << true << "10,00" << "10" << false << true
                                                   << "Código da conta gerencial é obrigatório" << "edtCodConta";
    }
    void refusedSaves()
    {
        QFETCH(bool, bank);
        QFETCH(QString, valor);
        QFETCH(QString, historico);
        QFETCH(bool, conta);
        QFETCH(bool, contaCorrente);
        QFETCH(QString, message);
        QFETCH(QString, field);

        test::UiSession s;
        test::RecordingSink sink;
        fixClock(s);
        std::unique_ptr<BookWindow> w;
        if (bank)
            w = std::make_unique<Tfrm_mov_banco>(s.session);
        else
            w = std::make_unique<Tfrm_mov_caixa>(s.session);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        Driver d{*w};
        const QString table = bank ? QStringLiteral("MOVIMENTO_BANCO") : QStringLiteral("MOVIMENTO_CAIXA");
        const int before = test::countOf(s.session.db(), table);

        d.typeMovement(valor, historico, QStringLiteral("teste"));
        if (conta)
            d.chooseAccount(s.session, 1, QStringLiteral("VENDA DE MERCADORIAS"));
        if (contaCorrente)
            d.choose("cbContaCorrente", "0098765");
        d.get("edtComplemento")->setFocus();
        d.click("btnSalvar");

        QCOMPARE(sink.texts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), d.get(field));
        QCOMPARE(test::countOf(s.session.db(), table), before);
        QVERIFY(w->editing());
        QCOMPARE(d.text("edtVlrMovimento"), valor);
        QCOMPARE(d.text("edtComplemento"), QStringLiteral("TESTE"));
        QCOMPARE(d.grid()->rowCount(), 0);
        if (QByteArray(QTest::currentDataTag()) == "banco sem conta corrente")
            test::screenshot(w.get(), QStringLiteral("mov_banco_recusado"));
    }

    // "&Cancelar" and Esc discard the typed movement and keep the day on screen.
    void cancelDiscards_data()
    {
        QTest::addColumn<bool>("bank");
        QTest::addColumn<bool>("esc");
        QTest::newRow("caixa botão") << false << false;
        QTest::newRow("caixa Esc") << false << true;
        QTest::newRow("banco botão") << true << false;
        QTest::newRow("banco Esc") << true << true;
    }
    void cancelDiscards()
    {
        QFETCH(bool, bank);
        QFETCH(bool, esc);
        test::UiSession s;
        test::RecordingSink sink;
        fixClock(s);
        std::unique_ptr<BookWindow> w;
        if (bank)
            w = std::make_unique<Tfrm_mov_banco>(s.session);
        else
            w = std::make_unique<Tfrm_mov_caixa>(s.session);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        Driver d{*w};
        const QStringList totals = d.totals();
        const QString table = bank ? QStringLiteral("MOVIMENTO_BANCO") : QStringLiteral("MOVIMENTO_CAIXA");
        const int before = test::countOf(s.session.db(), table);

        d.typeMovement("75,00", bank ? "12" : "4", "descartar");
        d.chooseAccount(s.session, 2, QStringLiteral("COMPRA DE MERCADORIAS"));
        if (bank)
            d.choose("cbContaCorrente", "12345");
        if (esc)
            QTest::keyClick(d.get("edtComplemento"), Qt::Key_Escape);
        else
            d.click("btnCancelar");

        QVERIFY(w->isVisible());
        QVERIFY(!w->editing());
        for (const char* box : {"edtCodEmp", "edtVlrMovimento", "edtCodHistorico", "edtComplemento", "edtCodConta", "edtDesConta"})
            QVERIFY2(d.text(box).isEmpty(), box);
        QCOMPARE(d.get<QComboBox>("cbEmpresa")->count(), 0);
        QCOMPARE(d.get<QComboBox>("cbHistorico")->count(), 0);
        if (bank) {
            QCOMPARE(d.get<QComboBox>("cbContaCorrente")->count(), 0);
            QVERIFY(d.text("edtCodBanco").isEmpty() && d.text("edtCodAgencia").isEmpty());
        }
        QVERIFY(!d.get("edtVlrMovimento")->isEnabled());
        QCOMPARE(d.totals(), totals);
        QCOMPARE(test::countOf(s.session.db(), table), before);
        QVERIFY(sink.shown.empty());
        // "&Salvar" after a cancel stores nothing.
        d.click("btnSalvar");
        QCOMPARE(test::countOf(s.session.db(), table), before);
    }

    // Two accounts add into the same totals; the account boxes follow the list.
    void bankIncluirSalvarTwoAccounts()
    {
        test::UiSession s;
        test::RecordingSink sink;
        fixClock(s);
        Tfrm_mov_banco w(s.session);
        w.show();
        Driver d{w};
        QCOMPARE(w.windowTitle(), QStringLiteral("Movimento Bancario"));
        // The demo has yesterday's deposit of 15.000,00.
        QCOMPARE(d.totals(), (QStringList{"15.000,00", "R$ 0,00", "R$ 0,00", "R$ 15.000,00"}));
        QCOMPARE(d.text("edtDataBanco"), common::formatDate(m_today));
        QStringList groups;
        for (QGroupBox* g : w.findChildren<QGroupBox*>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{"  Dados do Movimento  ", "  Informações gerenciais  ", "  Saldo Banco  "}));
        QStringList labels;
        for (QLabel* l : w.findChildren<QLabel*>())
            labels << l->text();
        for (const char* caption : {"Complemento do lançamento no banco.", "Cód. Banco", "Conta Correte", "Cód. Agência",
                                    "Data Banco", "Total Crédito: ", "Total Débito: ", "Saldo Atual: "})
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);

        d.click("btnIncluir");
        QCOMPARE(d.text("edtVlrMovimento"), QStringLiteral("0,00"));
        QCOMPARE(d.items("cbHistorico"),
                 (QStringList{"CRÉDITO DE COBRANÇA", "DEPÓSITO", "PAGAMENTO BANCÁRIO", "TARIFA BANCÁRIA"}));
        QCOMPARE(d.items("cbContaCorrente"), (QStringList{"00001234", "0098765", "12345", "13000456", "45678", "987654"}));
        // No account is taken for granted.
        QCOMPARE(d.get<QComboBox>("cbContaCorrente")->currentIndex(), -1);
        QVERIFY(d.text("edtCodBanco").isEmpty());
        d.type("edtCodEmp", "1");
        d.type("edtVlrMovimento", "100,00");
        d.type("edtCodHistorico", "10");
        QCOMPARE(d.get<QComboBox>("cbHistorico")->currentText(), QStringLiteral("DEPÓSITO"));
        d.type("edtComplemento", "depósito em dinheiro");
        d.choose("cbContaCorrente", "0098765");
        QCOMPARE(d.text("edtCodBanco"), QStringLiteral("237"));
        QCOMPARE(d.text("edtCodAgencia"), QStringLiteral("0512"));
        d.chooseAccount(s.session, 1, QStringLiteral("VENDA DE MERCADORIAS"));
        test::screenshot(&w, QStringLiteral("mov_banco_digitando"));
        d.click("btnSalvar");
        QCOMPARE(sink.texts(), QStringList{"Movimento registrado com sucesso"});

        d.typeMovement("30,00", "13", "tarifa");
        d.choose("cbContaCorrente", "12345");
        QCOMPARE(d.text("edtCodBanco"), QStringLiteral("341"));
        QCOMPARE(d.text("edtCodAgencia"), QStringLiteral("0801"));
        d.chooseAccount(s.session, 5, QStringLiteral("TARIFAS BANCÁRIAS"));
        d.click("btnSalvar");
        QCOMPARE(sink.shown.size(), size_t(2));
        QCOMPARE(d.grid()->rowCount(), 2);
        QCOMPARE(d.gridRow(0).mid(1), (QStringList{"100,00", "Crédito", "DEPÓSITO EM DINHEIRO"}));
        QCOMPARE(d.gridRow(1).mid(1), (QStringList{"30,00", "Débito", "TARIFA"}));
        QCOMPARE(d.totals(), (QStringList{"15.000,00", "R$ 100,00", "R$ 30,00", "R$ 15.070,00"}));
        QVERIFY(!w.editing());
        QVERIFY(d.text("edtCodBanco").isEmpty());
        test::screenshot(&w, QStringLiteral("mov_banco_dia"));

        data::Transaction tx(s.session.db());
        data::Statement q(tx, "SELECT COD_BANCO, COD_AGENCIA, COD_CONTA_CORRENTE, COD_CONTA, LANC_INDIVIDUAL, DATA_MOVIMENTO "
                              "FROM MOVIMENTO_BANCO WHERE DATA_MOVIMENTO = CURRENT_DATE ORDER BY COD_MOVIMENTO");
        const data::Rows rows = q.query();
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[0]["COD_BANCO"].toInt(), 237);
        QCOMPARE(rows[0]["COD_AGENCIA"].toString(), QStringLiteral("0512"));
        QCOMPARE(rows[0]["COD_CONTA_CORRENTE"].toString(), QStringLiteral("0098765"));
        QCOMPARE(rows[1]["COD_BANCO"].toInt(), 341);
        QCOMPARE(rows[1]["COD_CONTA_CORRENTE"].toString(), QStringLiteral("12345"));
        QCOMPARE(rows[1]["COD_CONTA"].toInt(), 5);
        QCOMPARE(rows[1]["LANC_INDIVIDUAL"].toString(), QStringLiteral("S"));
        QVERIFY(rows[1]["DATA_MOVIMENTO"].toDate() == m_today);
    }

    // Tab visits the entry controls in reading order; the bank window's
    // command buttons are left out of it.
    void tabOrder()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_mov_caixa caixa(s.session);
        caixa.show();
        QVERIFY(QTest::qWaitForWindowActive(&caixa));
        Driver(caixa).click("btnIncluir");
        QCOMPARE(tabCycle(&caixa, caixa.findChild<QWidget*>("edtCodEmp")),
                 (QStringList{"edtCodEmp", "cbEmpresa", "edtVlrMovimento", "edtCodHistorico", "cbHistorico",
                              "edtComplemento", "btnConta", "grdMovimento", "btnCancelar", "btnSalvar", "btnSair"}));
        caixa.close();

        Tfrm_mov_banco banco(s.session);
        banco.show();
        QVERIFY(QTest::qWaitForWindowActive(&banco));
        Driver(banco).click("btnIncluir");
        QCOMPARE(tabCycle(&banco, banco.findChild<QWidget*>("edtCodEmp")),
                 (QStringList{"edtCodEmp", "cbEmpresa", "edtVlrMovimento", "edtCodHistorico", "cbHistorico",
                              "edtComplemento", "cbContaCorrente", "btnConta", "grdMovimento"}));
        // Enter moves on as Tab does.
        banco.findChild<QWidget*>("edtVlrMovimento")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtCodHistorico"));
    }

    // Another workstation holding the day's balance row: the save waits a
    // bounded time, then the error box; nothing stored and nothing typed lost.
    void saveBlockedByAnotherWorkstation()
    {
        test::TempDb tmp(test::TempDb::Content::Demo);
        test::ModalScript modal;
        data::ConnectionParams quick = tmp.params();
        quick.lockTimeoutSeconds = 1;
        Session session(std::make_unique<data::Database>(data::Database::attach(quick)), data::SchemaConnection(tmp.params()));
        test::RecordingSink sink;
        m_today = test::serverToday(tmp.db());
        Clock::setFixed(QDateTime(toQDate(m_today), QTime(10, 0)));
        Tfrm_mov_caixa w(session);
        w.show();
        Driver d{w};
        const int before = test::countOf(tmp.db(), "MOVIMENTO_CAIXA");
        d.typeMovement("80,00", "2", "bloqueado");
        d.chooseAccount(session, 1, QStringLiteral("VENDA DE MERCADORIAS"));

        data::Transaction holder(tmp.db());
        finance::refreshOpeningBalance(holder, finance::Book::Cash);
        d.click("btnSalvar");
        holder.rollback();

        QCOMPARE(sink.shown.size(), size_t(1));
        QCOMPARE(sink.shown[0].icon, MessageSink::Icon::Critical);
        QVERIFY(sink.shown[0].text.startsWith(
            QStringLiteral("O registro está sendo alterado em outra estação. Aguarde e tente novamente.")));
        QCOMPARE(test::countOf(tmp.db(), "MOVIMENTO_CAIXA"), before);
        QVERIFY(w.editing());
        QCOMPARE(d.text("edtVlrMovimento"), QStringLiteral("80,00"));
        QCOMPARE(d.text("edtCodConta"), QStringLiteral("1"));
        QCOMPARE(d.totals(), (QStringList{"500,00", "R$ 0,00", "R$ 0,00", "R$ 500,00"}));

        // Once the other workstation is done, the same typing saves.
        d.click("btnSalvar");
        QCOMPARE(sink.last(), QStringLiteral("Movimento registrado com sucesso"));
        QCOMPARE(d.totals(), (QStringList{"500,00", "R$ 80,00", "R$ 0,00", "R$ 580,00"}));
    }

    // The "Caixa" and "Banco" menus open their windows.
    void menuOpensTheWindows()
    {
        test::UiSession s;
        test::RecordingSink sink;
        registerCashBankWindows();
        TFrm_principal main(s.session);
        QStringList opened;
        s.modal.next = [&](QDialog& dlg) {
            opened << dlg.windowTitle();
            return int(QDialog::Rejected);
        };
        for (const char* handler : {"Movimento1Click", "Movimento2Click"})
            main.runCommand(QString::fromLatin1(handler));
        QCOMPARE(opened, (QStringList{"Movimento de Caixa", "Movimento Bancario"}));
    }
};

QTEST_MAIN(CashBankWindowsTest)
#include "cashbank_mov_test.moc"
