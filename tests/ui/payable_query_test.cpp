// moc cannot read the C++20 library headers these pull in; it needs none of them.
#ifndef Q_MOC_RUN
#include "common/brformat.h"
#include "finance/payable/texts.h"
#include "payable_support.h"
#include "recording_sink.h"
#include "screenshot.h"
#include "ui/common/clock.h"
#include "ui/common/enter_nav.h"
#include "ui/common/grid.h"
#include "ui/common/session.h"
#include "ui/payable/ct_pagar_consulta.h"
#include "ui_session.h"
#endif

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace fin;
using namespace fin::ui;
using namespace fin::test::payable_ui;
using finance::PayableTexts;
using Page = TFrm_ct_pagar_consulta;

namespace {

struct Window {
    test::UiSession s;
    test::RecordingSink sink;
    TFrm_ct_pagar_consulta w{s.session};

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&w, QString::fromUtf8(name)); }
    QComboBox* combo(const char* name) { return child<QComboBox>(&w, QString::fromUtf8(name)); }
    QPushButton* button(const char* name) { return child<QPushButton>(&w, QString::fromUtf8(name)); }
    QRadioButton* radio(const char* name) { return child<QRadioButton>(&w, QString::fromUtf8(name)); }
    QTabWidget* pages() { return child<QTabWidget>(&w, "pgcPaginas"); }
    ReadOnlyGrid* grid() { return child<ReadOnlyGrid>(&w, "grdConsulta"); }
    // The read-only title box of one page.
    QString titleBox(Page::Page page, const char* name)
    {
        return child<QLineEdit>(pages()->widget(page), QString::fromUtf8(name))->text();
    }
    bool show()
    {
        w.show();
        return QTest::qWaitForWindowActive(&w);
    }
    void search(const QString& emp, const QString& forn, const QString& tipDoc)
    {
        type(edit("edtCodEmp"), emp);
        type(edit("edtCodFornecedor"), forn);
        type(edit("edtCodTipDoc"), tipDoc);
        button("btnPesquisar")->click();
    }
    QStringList enabledActions()
    {
        QStringList out;
        for (const char* name : {"btnAlterarVencimento", "btnBaixar", "btnAlterarValor"})
            if (button(name)->isEnabled())
                out << QString::fromUtf8(name);
        return out;
    }
    data::Database& db() { return s.session.db(); }
    int rows(const char* table)
    {
        return count(db(), (QByteArray("SELECT COUNT(*) FROM ") + table).constData());
    }
};

QString money(const data::Value& v)
{
    return v.isNull() ? QStringLiteral("(vazio)") : common::formatMoney(v.toMoney());
}

QString date(const data::Value& v)
{
    return v.isNull() ? QStringLiteral("(vazio)") : common::formatDate(v.toDate());
}

} // namespace

class PayableQueryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void init() { Clock::setFixed(kNow); }
    void cleanup() { Clock::setFixed(std::nullopt); }

    void opensOnConsultaAndEachPageEnablesItsOwnAction()
    {
        Window f;
        QVERIFY(f.show());
        QCOMPARE(f.w.windowTitle(), QStringLiteral("Consultar, alterar vencimento e baixar título do contas pagar."));
        QStringList tabs;
        for (int i = 0; i < f.pages()->count(); ++i)
            tabs << f.pages()->tabText(i);
        QCOMPARE(tabs, (QStringList{"Alterar vencimento", "Baixar título", "Consulta", "Alterar valor"}));
        QCOMPARE(f.pages()->currentIndex(), int(Page::Consulta));
        QVERIFY(f.enabledActions().isEmpty());
        QStringList buttons;
        for (QPushButton* b : child<QWidget>(&f.w, "btnSair")->parentWidget()->findChildren<QPushButton*>())
            buttons << b->text();
        QCOMPARE(buttons, (QStringList{"&Baixar título", "&Cancelar", "&Sair", "&Alterar vencimento", "Alterar valor"}));

        const std::pair<Page::Page, QStringList> table[] = {
            {Page::AlterarVencimento, {"btnAlterarVencimento"}},
            {Page::BaixarTitulo, {"btnBaixar"}},
            {Page::Consulta, {}},
            {Page::AlterarValor, {"btnAlterarValor"}},
        };
        for (const auto& [page, enabled] : table) {
            f.pages()->setCurrentIndex(page);
            QCOMPARE(f.enabledActions(), enabled);
        }

        // The grid's titles, in order; each column as wide as its title.
        QStringList titles;
        for (const GridColumn& c : f.grid()->rowsModel()->columns())
            titles << c.title.trimmed();
        QCOMPARE(titles, (QStringList{"Num. Doc.", "Parc.", "Cód. Forn.", "Tipo Doc.", "Desc. tipo", "Razão social",
                                      "Data emissão", "Data cadastro", "Data vencimento", "Data Pagto.", "Valor título",
                                      "Valor pago", "COD_PEDIDO", "Valor NF", "Valor juro diário", "Valor multa paga",
                                      "Valor juro pago", "Observações", "COD_BANCO_PAGTO", "COD_AG_PAGTO",
                                      "COD_CONTA_PAGTO"}));
        QVERIFY(f.grid()->columnWidth(5) > 2 * f.grid()->columnWidth(6));   // "Razão social" and its blanks
        QCOMPARE(f.combo("cmbFornecedor")->count(), 4);
        // A code typed shows its name; a name chosen fills the code.
        type(f.edit("edtCodFornecedor"), "3");
        QCOMPARE(f.combo("cmbFornecedor")->currentText(), QStringLiteral("Transportadora Rápido Cerrado Ltda"));
        f.combo("cmbTipoDoc")->setFocus();
        QTest::keyClicks(f.combo("cmbTipoDoc"), "DUP");
        QCOMPARE(f.edit("edtCodTipDoc")->text(), QStringLiteral("2"));
        QVERIFY(f.sink.shown.empty());
        f.pages()->setCurrentIndex(Page::Consulta);
        test::screenshot(&f.w, "ct_pagar_consulta_vazia");
    }

    void theSearchTellsWhatIsWrong()
    {
        Window f;
        QVERIFY(f.show());
        // A field left empty: no search, the other codes kept, cursor in the company.
        f.search("1", "1", "");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::searchFieldsEmpty});
        QCOMPARE(focused(), QStringLiteral("edtCodEmp"));
        QCOMPARE(f.edit("edtCodFornecedor")->text(), QStringLiteral("1"));
        QCOMPARE(f.grid()->rowsModel()->rowCount(), 0);

        // A code that is not a number: named, emptied, cursor there.
        f.sink.clear();
        f.search("1", "1a", "2");
        QCOMPARE(f.sink.texts(), QStringList{"Código inválido: 1a"});
        QVERIFY(f.edit("edtCodFornecedor")->text().isEmpty());
        QCOMPARE(focused(), QStringLiteral("edtCodFornecedor"));

        // Nothing open for that supplier and type.
        f.sink.clear();
        f.search("1", "4", "3");
        QCOMPARE(f.sink.texts(), QStringList{"Título não encontrado !"});
        QCOMPARE(f.grid()->rowsModel()->rowCount(), 0);
        QVERIFY(!f.w.hasResult());

        // An action without a listed title says so.
        f.sink.clear();
        f.pages()->setCurrentIndex(Page::BaixarTitulo);
        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::noTitleSelected});
    }

    void theResultListsOpenTitlesByDueDate()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "1", "2");
        QVERIFY(f.sink.shown.empty());
        RowsModel* m = f.grid()->rowsModel();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->displayText(0, 0), QStringLiteral("10231"));
        QCOMPARE(m->displayText(0, 1), QStringLiteral("1"));   // due first
        QCOMPARE(m->displayText(1, 1), QStringLiteral("2"));
        QCOMPARE(m->displayText(0, 4), QStringLiteral("DUPLICATA"));
        QCOMPARE(m->displayText(0, 5), QStringLiteral("Laticínios Vale Verde S.A."));
        QCOMPARE(m->displayText(0, 10), QStringLiteral("1.200,00"));
        QVERIFY(QRegularExpression("^\\d\\d/\\d\\d/\\d{4}$").match(m->displayText(0, 8)).hasMatch());
        QCOMPARE(m->data(m->index(0, 0), Qt::BackgroundRole).value<QColor>(), kSkyBlue);
        QCOMPARE(m->data(m->index(1, 0), Qt::BackgroundRole).value<QColor>(), kMoneyGreen);
        QCOMPARE(f.grid()->currentRow(), 0);
        // The settlement lists: every bank, the debit history codes only.
        QCOMPARE(f.combo("cmbBanco")->count(), 6);
        QStringList histories;
        for (int i = 0; i < f.combo("cmbHistorico")->count(); ++i)
            histories << f.combo("cmbHistorico")->itemData(i).toString();
        QCOMPARE(histories, (QStringList{"1", "4", "5", "12", "13"}));
        // The pages show the selected title; moving in the grid changes it.
        QCOMPARE(f.titleBox(Page::BaixarTitulo, "edtRazaoFornecedor"), QStringLiteral("Laticínios Vale Verde S.A."));
        QCOMPARE(f.titleBox(Page::AlterarValor, "edtCodParcela"), QStringLiteral("1"));
        f.grid()->setFocus();
        QTest::keyClick(f.grid(), Qt::Key_Down);
        QCOMPARE(f.titleBox(Page::AlterarVencimento, "edtCodParcela"), QStringLiteral("2"));
        QTest::keyClick(f.grid(), Qt::Key_Down);   // the last row stays the last
        QCOMPARE(m->rowCount(), 2);
        // Typing in the grid is refused.
        QTest::keyClicks(f.grid(), "x");
        QCOMPARE(f.sink.texts(), QStringList{"Tela somente para consulta. Não permitido digitação aqui.\n"
                                             "Pressione a tecla ESC para voltar."});
        // Esc does not close the window.
        QTest::keyClick(f.grid(), Qt::Key_Escape);
        QVERIFY(f.w.isVisible());
        test::screenshot(&f.w, "ct_pagar_consulta_resultado");

        // A title without buyer is listed.
        f.sink.clear();
        f.search("1", "3", "3");
        QVERIFY(f.sink.shown.empty());
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->displayText(0, 0), QStringLiteral("881"));

        // "&Cancelar" closes the result and the lists.
        f.button("btnCancelar")->click();
        QCOMPARE(m->rowCount(), 0);
        QCOMPARE(f.combo("cmbBanco")->count(), 0);
        QVERIFY(f.titleBox(Page::BaixarTitulo, "edtCodTitulo").isEmpty());
    }

    void settlementIntoCash()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "1", "2");
        f.pages()->setCurrentIndex(Page::BaixarTitulo);
        QCOMPARE(f.edit("mmComplemento")->text(), QStringLiteral("PAGTO AO FORNECEDOR"));
        QVERIFY(!f.radio("rbParcial")->isChecked() && !f.radio("rbTotal")->isChecked());
        QVERIFY(!f.radio("rbBanco")->isChecked() && !f.radio("rbCaixa")->isChecked());
        QVERIFY(child<QGroupBox>(&f.w, "grpDadosBancario")->isHidden());
        QCOMPARE(f.titleBox(Page::BaixarTitulo, "edtVlrTituloTit"), QStringLiteral("1.200,00"));

        type(f.edit("edtVlrPago"), "1199,99");
        type(f.edit("edtDataPagto"), "12032031");
        QCOMPARE(f.edit("edtDataPagto")->text(), QStringLiteral("12/03/2031"));
        f.radio("rbTotal")->click();
        f.radio("rbCaixa")->click();
        type(f.edit("edtCodHistorico"), "1");
        QCOMPARE(f.combo("cmbHistorico")->currentText(), QStringLiteral("PAGAMENTO"));
        const int history = f.rows("HIST_CONTA_PAGAR");
        const int cash = f.rows("MOVIMENTO_CAIXA");

        // One cent below the title: refused, nothing written, the result kept.
        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Valor a pagar não pode ser menor que o título"});
        QCOMPARE(focused(), QStringLiteral("edtVlrPago"));
        QVERIFY(f.w.hasResult());
        QCOMPARE(f.rows("HIST_CONTA_PAGAR"), history);

        f.sink.clear();
        type(f.edit("edtVlrPago"), "1.200,00");
        type(f.edit("edtVlrMulta"), "24");
        test::screenshot(&f.w, "ct_pagar_consulta_baixa_caixa");
        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Título baixado com sucesso"});
        // The result is closed: the user searches again.
        QVERIFY(!f.w.hasResult());
        QCOMPARE(f.grid()->rowsModel()->rowCount(), 0);
        QVERIFY(f.titleBox(Page::BaixarTitulo, "edtCodTitulo").isEmpty());
        QVERIFY(f.edit("edtVlrPago")->text().isEmpty());

        const data::Row t = query(f.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 10231 AND COD_PARC = 1").at(0);
        QCOMPARE(date(t["DAT_PGTO_TOTAL"]), QStringLiteral("12/03/2031"));
        QCOMPARE(money(t["VLR_PGTO"]), QStringLiteral("1.200,00"));
        QCOMPARE(money(t["VLR_MULTA_PG"]), QStringLiteral("24,00"));
        QCOMPARE(money(t["VLR_JURO_PG"]), QStringLiteral("(vazio)"));
        QCOMPARE(f.rows("HIST_CONTA_PAGAR"), history + 1);
        QCOMPARE(f.rows("MOVIMENTO_CAIXA"), cash + 1);
        const data::Row h = query(f.db(), "SELECT * FROM HIST_CONTA_PAGAR ORDER BY COD_HISTORICO DESC").at(0);
        QCOMPARE(h["STA_BAIXA"].toString(), QStringLiteral("S"));
        QVERIFY(h["STA_BX_PARCIAL"].isNull());
        QVERIFY(h["COD_BANCO_PAGTO"].isNull());
        QCOMPARE(h["DES_OBS"].toString(), QStringLiteral("PAGTO AO FORNECEDOR"));
        const data::Row c = query(f.db(), "SELECT * FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K",
                                  {{"K", h["COD_HISTORICO"]}}).at(0);
        QCOMPARE(c["DES_COMPLEMENTO"].toString(), QStringLiteral("PAGTO AO FORNECEDOR - Laticínios Vale Verde S.A."));
        QCOMPARE(money(c["VLR_MOVIMENTO"]), QStringLiteral("1.200,00"));
        QCOMPARE(c["COD_HISTORICO"].toInt(), 1);
        QCOMPARE(c["COD_CAIXA"].toInt(), 1);
        QCOMPARE(date(c["DATA_MOVIMENTO"]), QStringLiteral("14/03/2031"));   // the workstation's date

        // Searched again, only the second parcel is open.
        f.sink.clear();
        f.search("1", "1", "2");
        QCOMPARE(f.grid()->rowsModel()->rowCount(), 1);
        QCOMPARE(f.grid()->rowsModel()->displayText(0, 1), QStringLiteral("2"));
    }

    void settlementIntoABank()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "2", "2");
        f.pages()->setCurrentIndex(Page::BaixarTitulo);
        f.radio("rbBanco")->click();
        QVERIFY(!child<QGroupBox>(&f.w, "grpDadosBancario")->isHidden());
        type(f.edit("edtVlrPago"), "900");
        type(f.edit("edtDataPagto"), "13032031");
        f.radio("rbParcial")->click();
        type(f.edit("edtCodHistorico"), "12");
        const int bank = f.rows("MOVIMENTO_BANCO");

        // No bank data: refused before anything is written.
        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Código do banco, agência e conta são obrigatórios"});
        QCOMPARE(focused(), QStringLiteral("edtCodBanco"));
        QVERIFY(f.w.hasResult());

        // An account chosen in its list brings its bank and agency.
        f.sink.clear();
        f.combo("cmbContaCorrente")->setFocus();
        QTest::keyClicks(f.combo("cmbContaCorrente"), "237");
        QCOMPARE(f.edit("edtCodContaCorrente")->text(), QStringLiteral("0098765"));
        QCOMPARE(f.edit("edtCodBanco")->text(), QStringLiteral("237"));
        QCOMPARE(f.edit("edtCodAgencia")->text(), QStringLiteral("0512"));
        QCOMPARE(f.combo("cmbBanco")->currentText(), QStringLiteral("BRADESCO"));
        QCOMPARE(f.combo("cmbAgencia")->currentText(), QStringLiteral("Roberto Queiroz"));
        // A click empties the prompt; what is typed is upper case.
        QTest::mouseClick(f.edit("mmComplemento"), Qt::LeftButton);
        QVERIFY(f.edit("mmComplemento")->text().isEmpty());
        QTest::keyClicks(f.edit("mmComplemento"), "boleto 5520");
        QTest::mouseClick(f.edit("mmComplemento"), Qt::LeftButton);
        QCOMPARE(f.edit("mmComplemento")->text(), QStringLiteral("BOLETO 5520"));
        test::screenshot(&f.w, "ct_pagar_consulta_baixa_banco");

        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Título baixado com sucesso"});
        QVERIFY(!f.w.hasResult());
        QVERIFY(child<QGroupBox>(&f.w, "grpDadosBancario")->isHidden());

        const data::Row t = query(f.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 5520").at(0);
        QCOMPARE(date(t["DAT_PGTO_TOTAL"]), QStringLiteral("13/03/2031"));   // "Parcial" closes it too
        QCOMPARE(t["COD_BANCO_PAGTO"].toInt(), 237);
        QCOMPARE(t["COD_AG_PAGTO"].toString(), QStringLiteral("0512"));
        QCOMPARE(t["COD_CONTA_PAGTO"].toString(), QStringLiteral("0098765"));
        const data::Row h = query(f.db(), "SELECT * FROM HIST_CONTA_PAGAR WHERE COD_DOC = 5520").at(0);
        QCOMPARE(h["STA_BX_PARCIAL"].toString(), QStringLiteral("S"));
        QVERIFY(h["STA_BAIXA"].isNull());
        QCOMPARE(h["COD_BANCO_PAGTO"].toInt(), 237);
        QCOMPARE(f.rows("MOVIMENTO_BANCO"), bank + 1);
        const data::Row b = query(f.db(), "SELECT * FROM MOVIMENTO_BANCO WHERE COD_MOVIMENTO = :K",
                                  {{"K", h["COD_HISTORICO"]}}).at(0);
        QCOMPARE(b["COD_BANCO"].toInt(), 237);
        QCOMPARE(b["COD_AGENCIA"].toString(), QStringLiteral("0512"));
        QCOMPARE(b["COD_CONTA_CORRENTE"].toString(), QStringLiteral("0098765"));
        QCOMPARE(b["COD_HISTORICO"].toInt(), 12);
        QCOMPARE(b["DES_COMPLEMENTO"].toString(), QStringLiteral("BOLETO 5520"));
        QCOMPARE(money(b["VLR_MOVIMENTO"]), QStringLiteral("900,00"));
        QCOMPARE(date(b["DATA_MOVIMENTO"]), QStringLiteral("14/03/2031"));
    }

    void dueDateChange()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "1", "2");
        f.grid()->setCurrentIndex(f.grid()->rowsModel()->index(1, 0));   // the second parcel
        f.pages()->setCurrentIndex(Page::AlterarVencimento);
        QCOMPARE(f.enabledActions(), QStringList{"btnAlterarVencimento"});
        QCOMPARE(f.titleBox(Page::AlterarVencimento, "edtCodParcela"), QStringLiteral("2"));
        QCOMPARE(f.edit("mmMotivoVencimento")->text(), QStringLiteral("DIGITE AQUI O MOTIVO DA ALTERAÇÃO."));
        QTest::mouseClick(f.edit("mmMotivoVencimento"), Qt::LeftButton);
        QVERIFY(f.edit("mmMotivoVencimento")->text().isEmpty());
        QTest::keyClicks(f.edit("mmMotivoVencimento"), "pedido do fornecedor");
        type(f.edit("edtNovoVencimento"), "30062031");
        test::screenshot(&f.w, "ct_pagar_consulta_vencimento");

        f.button("btnAlterarVencimento")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Data de vencimento alterada com sucesso"});
        QVERIFY(!f.w.hasResult());
        QCOMPARE(f.edit("mmMotivoVencimento")->text(), QStringLiteral("DIGITE AQUI O MOTIVO DA ALTERAÇÃO."));

        const data::Row t = query(f.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 10231 AND COD_PARC = 2").at(0);
        QCOMPARE(date(t["DAT_VENCIMENTO"]), QStringLiteral("30/06/2031"));
        QVERIFY(t["DAT_PGTO_TOTAL"].isNull());
        const data::Row h = query(f.db(), "SELECT * FROM HIST_CONTA_PAGAR").at(0);
        QCOMPARE(h["STA_ALT_VENC"].toString(), QStringLiteral("S"));
        QCOMPARE(h["COD_PARC"].toInt(), 2);
        QCOMPARE(date(h["DAT_VENCIMENTO"]), QStringLiteral("30/06/2031"));
        QCOMPARE(h["DES_OBS"].toString(), QStringLiteral("PEDIDO DO FORNECEDOR"));
        QCOMPARE(f.rows("MOVIMENTO_CAIXA") + f.rows("MOVIMENTO_BANCO"), 2);   // the demo's own, no new one
    }

    void valueChange()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "4", "2");
        f.pages()->setCurrentIndex(Page::AlterarValor);
        QCOMPARE(f.enabledActions(), QStringList{"btnAlterarValor"});
        QCOMPARE(f.titleBox(Page::AlterarValor, "edtVlrTituloTit"), QStringLiteral("1.489,77"));
        QVERIFY(f.edit("mmMotivoValor")->text().isEmpty());
        type(f.edit("edtNovoValor"), "1.400,00");
        type(f.edit("mmMotivoValor"), "desconto negociado");
        test::screenshot(&f.w, "ct_pagar_consulta_valor");

        f.button("btnAlterarValor")->click();
        QCOMPARE(f.sink.texts(), QStringList{"Valor do titulo alterado com sucesso"});
        QVERIFY(!f.w.hasResult());
        const data::Row t = query(f.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 774512").at(0);
        QCOMPARE(money(t["VLR_TITULO"]), QStringLiteral("1.400,00"));
        const data::Row h = query(f.db(), "SELECT * FROM HIST_CONTA_PAGAR").at(0);
        QCOMPARE(h["STA_ABATIMENTO"].toString(), QStringLiteral("S"));
        QCOMPARE(money(h["VLR_TITULO"]), QStringLiteral("1.400,00"));
        QCOMPARE(h["DES_OBS"].toString(), QStringLiteral("DESCONTO NEGOCIADO"));
    }

    void aTitleChangedElsewhereIsNotTouched()
    {
        Window f;
        QVERIFY(f.show());
        f.search("1", "1", "2");
        // Another workstation settles the listed title meanwhile.
        data::Database other = f.s.tmp.attachAgain();
        exec(other, "UPDATE CONTA_PAGAR SET DAT_PGTO_TOTAL = DATE '2031-03-13', VLR_PGTO = 1200 "
                    "WHERE COD_DOC = 10231 AND COD_PARC = 1");
        f.pages()->setCurrentIndex(Page::BaixarTitulo);
        type(f.edit("edtVlrPago"), "1200");
        type(f.edit("edtDataPagto"), "14032031");
        f.radio("rbTotal")->click();
        type(f.edit("edtCodHistorico"), "1");
        f.button("btnBaixar")->click();
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::titleChanged});
        QVERIFY(!f.w.hasResult());
        QCOMPARE(f.rows("HIST_CONTA_PAGAR"), 0);
        QCOMPARE(f.rows("MOVIMENTO_CAIXA"), 1);   // the demo's own
        QCOMPARE(date(query(f.db(), "SELECT DAT_PGTO_TOTAL FROM CONTA_PAGAR WHERE COD_DOC = 10231 AND COD_PARC = 1")
                          .at(0)["DAT_PGTO_TOTAL"]),
                 QStringLiteral("13/03/2031"));
    }

    void tabOrderFollowsTheScreen()
    {
        Window f;
        QVERIFY(f.show());
        f.edit("edtCodEmp")->setFocus();
        // The search panel, the page tabs, the grid, then the buttons enabled on "Consulta".
        QCOMPARE(tabWalk(10), (QStringList{"cmbEmpresa", "edtCodFornecedor", "cmbFornecedor", "edtCodTipDoc",
                                           "cmbTipoDoc", "btnPesquisar", "qt_tabwidget_tabbar", "grdConsulta",
                                           "btnCancelar", "btnSair"}));
        // Enter on the search button searches.
        EnterNavigation::install();
        type(f.edit("edtCodEmp"), "1");
        type(f.edit("edtCodFornecedor"), "1");
        type(f.edit("edtCodTipDoc"), "2");
        f.button("btnPesquisar")->setFocus();
        QTest::keyClick(f.button("btnPesquisar"), Qt::Key_Return);
        QCOMPARE(f.grid()->rowsModel()->rowCount(), 2);
        f.pages()->setCurrentIndex(Page::BaixarTitulo);
        f.radio("rbBanco")->click();
        f.edit("edtVlrMulta")->setFocus();
        // The settlement page, with the bank data shown.
        QCOMPARE(tabWalk(14), (QStringList{"edtVlrJuro", "edtVlrPago", "edtDataPagto", "rbParcial", "rbBanco",
                                           "edtCodBanco", "cmbBanco", "edtCodAgencia", "cmbAgencia",
                                           "edtCodContaCorrente", "cmbContaCorrente", "edtCodHistorico",
                                           "cmbHistorico", "mmComplemento"}));
    }
};

QTEST_MAIN(PayableQueryTest)
#include "payable_query_test.moc"
