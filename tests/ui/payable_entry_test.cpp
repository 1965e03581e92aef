// moc cannot read the C++20 library headers these pull in; it needs none of them.
#ifndef Q_MOC_RUN
#include "common/brformat.h"
#include "finance/payable/texts.h"
#include "payable_support.h"
#include "recording_sink.h"
#include "screenshot.h"
#include "ui/app/principal.h"
#include "ui/app/startup.h"
#include "ui/common/clock.h"
#include "ui/common/enter_nav.h"
#include "ui/common/session.h"
#include "ui/payable/ct_pagar.h"
#include "ui/payable/ct_pagar_consulta.h"
#include "ui_session.h"
#endif

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace fin;
using namespace fin::ui;
using namespace fin::test::payable_ui;
using finance::PayableTexts;

namespace {

struct Window {
    test::UiSession s;
    test::RecordingSink sink;
    TFrm_ct_pagar w{s.session};

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&w, QString::fromUtf8(name)); }
    QComboBox* combo(const char* name) { return child<QComboBox>(&w, QString::fromUtf8(name)); }
    QDateEdit* date(const char* name) { return child<QDateEdit>(&w, QString::fromUtf8(name)); }
    void press(const char* name) { child<QPushButton>(&w, QString::fromUtf8(name))->click(); }
    bool show()
    {
        w.show();
        return QTest::qWaitForWindowActive(&w);
    }
    // "&Incluir", then the fields of a complete title (buyer left empty).
    void typeCompleteTitle(const QString& doc = QStringLiteral("4711"))
    {
        press("btnIncluir");
        type(edit("edtCodEmp"), "1");
        type(edit("edtCodDoc"), doc);
        type(edit("edtCodParc"), "2");
        type(edit("edtCodTipDoc"), "3");
        type(edit("edtCodFornecedor"), "2");
        s.session.filtro() = {3, QStringLiteral("FRETES E CARRETOS")};
        press("btnContaGerencial");
        type(edit("edtVlrNotaFiscal"), "1234,5");
        type(edit("edtVlrTitulo"), "617,25");
        edit("mmObs")->setFocus();
    }
    int titles() { return count(s.session.db(), "SELECT COUNT(*) FROM CONTA_PAGAR"); }
};

QStringList labelTexts(QWidget* w)
{
    QStringList out;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->isHidden())
            out << l->text();
    return out;
}

} // namespace

class PayableEntryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void init() { Clock::setFixed(kNow); }
    void cleanup() { Clock::setFixed(std::nullopt); }

    void opensIdleWithItsGroupsLabelsAndHiddenPaidValue()
    {
        Window f;
        QVERIFY(f.show());
        QCOMPARE(f.w.windowTitle(), QStringLiteral("Cadastro de título a pagar"));
        QStringList groups;
        for (QGroupBox* g : f.w.findChildren<QGroupBox*>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{"  Dados do título  ", "  Informações comerciais  ", "  Informações gerenciais  ",
                                      "  Informações financeiras  ", "Observação"}));
        const QStringList financial = labelTexts(child<QGroupBox>(&f.w, "grpInformacoesFinanceiras"));
        QCOMPARE(financial, (QStringList{"Data emissão", "Vencimento", "Dias", "Valor nota fiscal", "Desc. Financeiro",
                                         "Valor do título", "Valor juro diário", "Perc. da multa"}));
        QCOMPARE(labelTexts(child<QGroupBox>(&f.w, "grpDadosTitulo")),
                 (QStringList{"Num. Doc.", "Parcela", "Cód.Tipo"}));
        QVERIFY(f.edit("edtVlrPago")->isHidden());
        QCOMPARE(child<QPushButton>(&f.w, "btnContaGerencial")->toolTip(),
                 QStringLiteral("Click aqui para consultar as contas gerenciais."));
        // Interest and fine in bold red.
        for (const char* name : {"edtVlrJuroDiario", "edtPerMulta"}) {
            QVERIFY(f.edit(name)->font().bold());
            QCOMPARE(f.edit(name)->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
        }
        QVERIFY(!f.edit("edtVlrTitulo")->font().bold());
        // Idle: nothing can be typed until "&Incluir"; both pickers show today.
        QVERIFY(!f.w.isEditing());
        QVERIFY(!f.edit("edtCodEmp")->isEnabled());
        QCOMPARE(f.date("dtpEmissao")->date(), kNow.date());
        QCOMPARE(f.date("dtpVencimento")->date(), kNow.date());
        test::screenshot(&f.w, "ct_pagar_ocioso");

        // "&Salvar" while idle finds the fields empty.
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::missingData});
    }

    void incluirStartsABlankTitleAndEnterFollowsTheScreen()
    {
        Window f;
        QVERIFY(f.show());
        f.press("btnIncluir");
        QVERIFY(f.w.isEditing());
        QCOMPARE(focused(), QStringLiteral("edtCodEmp"));
        for (const char* name : {"edtVlrNotaFiscal", "edtVlrDesconto", "edtVlrTitulo", "edtVlrJuroDiario", "edtPerMulta"})
            QCOMPARE(f.edit(name)->text(), QStringLiteral("0,00"));
        QCOMPARE(f.combo("cmbEmpresa")->count(), 1);
        QCOMPARE(f.combo("cmbFornecedor")->count(), 4);
        QCOMPARE(f.combo("cmbComprador")->count(), 2);
        QStringList types;
        for (int i = 0; i < f.combo("cmbTipoDoc")->count(); ++i)
            types << f.combo("cmbTipoDoc")->itemText(i);
        QVERIFY(types.contains("NOTA FISCAL"));
        QStringList sorted = types;
        sorted.sort();
        QCOMPARE(types, sorted);   // by description

        // Valid amounts, so that leaving them is accepted, then walk with Enter.
        f.edit("edtVlrNotaFiscal")->setText("10,00");
        f.edit("edtVlrTitulo")->setText("10,00");
        EnterNavigation::install();
        f.edit("edtCodEmp")->setFocus();
        QStringList walked{focused()};
        for (int i = 0; i < 25 && focused() != "btnContaGerencial"; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            walked << focused();
        }
        QCOMPARE(walked, (QStringList{"edtCodEmp", "cmbEmpresa", "edtCodDoc", "edtCodParc", "edtCodTipDoc", "cmbTipoDoc",
                                      "edtCodFornecedor", "cmbFornecedor", "edtCodComprador", "cmbComprador",
                                      "btnContaGerencial"}));
        // The look-up button keeps Enter: it opens the look-up.
        f.s.session.filtro() = {2, QStringLiteral("COMPRA DE MERCADORIAS")};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focused(), QStringLiteral("btnContaGerencial"));
        QCOMPARE(f.edit("edtCodConta")->text(), QStringLiteral("2"));
        QCOMPARE(f.edit("edtDesConta")->text(), QStringLiteral("COMPRA DE MERCADORIAS"));
        QCOMPARE(tabWalk(14), (QStringList{"dtpEmissao", "dtpVencimento", "edtDias", "edtVlrNotaFiscal", "edtVlrDesconto",
                                    "edtVlrTitulo", "edtVlrJuroDiario", "edtPerMulta", "mmObs", "btnIncluir",
                                    "btnCancelar", "btnSalvar", "btnSair", "edtCodEmp"}));
        QVERIFY(f.sink.shown.empty());
    }

    void oneEntryIsStored()
    {
        Window f;
        QVERIFY(f.show());
        f.press("btnIncluir");
        type(f.edit("edtCodEmp"), "1");
        QCOMPARE(f.combo("cmbEmpresa")->currentText(), QStringLiteral("Distribuidora Horizonte Ltda"));
        type(f.edit("edtCodDoc"), "4711");
        type(f.edit("edtCodParc"), "2");
        // Choosing in a list fills the code.
        f.combo("cmbTipoDoc")->setFocus();
        QTest::keyClicks(f.combo("cmbTipoDoc"), "NOTA");
        QCOMPARE(f.edit("edtCodTipDoc")->text(), QStringLiteral("3"));
        f.combo("cmbFornecedor")->setFocus();
        QTest::keyClicks(f.combo("cmbFornecedor"), "Moi");
        QCOMPARE(f.edit("edtCodFornecedor")->text(), QStringLiteral("2"));
        // The account comes from the look-up's shared choice.
        f.s.session.filtro() = {3, QStringLiteral("FRETES E CARRETOS")};
        f.press("btnContaGerencial");
        QCOMPARE(f.edit("edtCodConta")->text(), QStringLiteral("3"));
        QCOMPARE(f.edit("edtDesConta")->text(), QStringLiteral("FRETES E CARRETOS"));
        QVERIFY(f.edit("edtCodConta")->isReadOnly());

        f.date("dtpEmissao")->setDate(QDate(2031, 3, 10));
        f.date("dtpVencimento")->setDate(QDate(2031, 4, 10));
        // Leaving an amount rewrites it with two decimals.
        const std::pair<const char*, const char*> amounts[] = {
            {"edtVlrNotaFiscal", "1234,5"}, {"edtVlrDesconto", "10"}, {"edtVlrTitulo", "1.234,5"},
            {"edtVlrJuroDiario", "0,4"},    {"edtPerMulta", "2,5"}};
        for (const auto& [name, typed] : amounts) {
            type(f.edit(name), QString::fromUtf8(typed));
            leave();
        }
        QCOMPARE(f.edit("edtVlrNotaFiscal")->text(), QStringLiteral("1234,50"));
        QCOMPARE(f.edit("edtVlrDesconto")->text(), QStringLiteral("10,00"));
        QCOMPARE(f.edit("edtVlrTitulo")->text(), QStringLiteral("1234,50"));
        QCOMPARE(f.edit("edtPerMulta")->text(), QStringLiteral("2,50"));
        QCOMPARE(focused(), QStringLiteral("mmObs"));
        QTest::keyClicks(f.edit("mmObs"), "frete de mar");
        QTest::sendKeyEvent(QTest::Click, f.edit("mmObs"), Qt::Key_unknown, QStringLiteral("ç"), Qt::NoModifier);
        QTest::keyClicks(f.edit("mmObs"), "o");
        QCOMPARE(f.edit("mmObs")->text(), QStringLiteral("FRETE DE MARÇO"));
        QVERIFY(f.sink.shown.empty());
        test::screenshot(&f.w, "ct_pagar_editando");

        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{"Título cadastrado com sucesso ..."});
        QVERIFY(!f.w.isEditing());
        QVERIFY(f.edit("edtCodDoc")->text().isEmpty());

        const data::Rows rows = query(f.s.session.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 4711");
        QCOMPARE(rows.size(), size_t(1));
        const data::Row& r = rows[0];
        QCOMPARE(r["COD_EMP"].toInt(), 1);
        QCOMPARE(r["COD_PARC"].toInt(), 2);
        QCOMPARE(r["COD_TIP_DOC"].toInt(), 3);
        QCOMPARE(r["COD_FORNECEDOR"].toInt(), 2);
        QVERIFY(r["COD_COMPRADOR"].isNull());
        QCOMPARE(r["COD_CONTA"].toInt(), 3);
        QCOMPARE(common::formatDate(r["DAT_CADASTRO"].toDate()), QStringLiteral("14/03/2031"));   // the workstation's date
        QCOMPARE(common::formatDate(r["DAT_EMISSAO"].toDate()), QStringLiteral("10/03/2031"));
        QCOMPARE(common::formatDate(r["DAT_VENCIMENTO"].toDate()), QStringLiteral("10/04/2031"));
        QCOMPARE(common::formatMoney(r["VLR_NOTA_FICAL"].toMoney()), QStringLiteral("1.234,50"));
        QCOMPARE(common::formatMoney(r["VLR_DESCONTO"].toMoney()), QStringLiteral("10,00"));
        QCOMPARE(common::formatMoney(r["VLR_TITULO"].toMoney()), QStringLiteral("1.234,50"));
        QCOMPARE(common::formatMoney(r["VLR_JURO_DIARIO"].toMoney()), QStringLiteral("0,40"));
        QCOMPARE(common::formatMoney(r["PER_MULTA"].toMoney()), QStringLiteral("2,50"));
        QCOMPARE(r["DES_OBS"].toString(), QStringLiteral("FRETE DE MARÇO"));
        QVERIFY(r["DAT_PGTO_TOTAL"].isNull());
    }

    void leavingAFieldChecksIt_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("nota 0,99") << "edtVlrNotaFiscal" << "0,99" << "0,99" << PayableTexts::notaTooSmall;
        QTest::newRow("nota 1") << "edtVlrNotaFiscal" << "1" << "1,00" << QString();
        QTest::newRow("nota texto") << "edtVlrNotaFiscal" << "abc" << "abc" << PayableTexts::invalidAmount + "abc";
        QTest::newRow("desconto -1 limpa") << "edtVlrDesconto" << "-1" << "" << PayableTexts::descontoNegative;
        QTest::newRow("desconto vazio") << "edtVlrDesconto" << "" << "0,00" << QString();
        QTest::newRow("titulo 0,50") << "edtVlrTitulo" << "0,50" << "0,50" << PayableTexts::tituloTooSmall;
        QTest::newRow("titulo 1,00") << "edtVlrTitulo" << "1,00" << "1,00" << QString();
        QTest::newRow("juro -0,01") << "edtVlrJuroDiario" << "-0,01" << "-0,01" << PayableTexts::juroNegative;
        QTest::newRow("multa -2") << "edtPerMulta" << "-2" << "-2,00" << PayableTexts::multaNegative;
        QTest::newRow("multa 2,50") << "edtPerMulta" << "2,50" << "2,50" << QString();
    }

    void leavingAFieldChecksIt()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Window f;
        QVERIFY(f.show());
        f.press("btnIncluir");
        // The two amounts that start refused get valid values, so that only `field` is judged.
        f.edit("edtVlrNotaFiscal")->setText("5,00");
        f.edit("edtVlrTitulo")->setText("5,00");
        QLineEdit* e = f.edit(field.toUtf8().constData());
        type(e, typed);
        leave();
        QCOMPARE(e->text(), shown);
        if (message.isEmpty()) {
            QVERIFY(f.sink.shown.empty());
            QVERIFY(focused() != field);
            // Left a second time, the same value is accepted again.
            e->setFocus();
            leave();
            QVERIFY(f.sink.shown.empty());
        } else {
            QCOMPARE(f.sink.texts(), QStringList{message});
            QCOMPARE(focused(), field);   // the cursor is back in the field
        }
    }

    void twoRefusedFieldsDoNotPullTheCursorBackAndForth()
    {
        Window f;
        QVERIFY(f.show());
        f.press("btnIncluir");
        // "Valor nota fiscal" and "Valor do título" both hold 0,00: a click from one to the other.
        f.edit("edtVlrNotaFiscal")->setFocus();
        f.edit("edtVlrTitulo")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::notaTooSmall});
        QCOMPARE(focused(), QStringLiteral("edtVlrNotaFiscal"));
        // Going to "&Cancelar" or "&Sair" is not held up by the check.
        f.sink.clear();
        child<QPushButton>(&f.w, "btnCancelar")->setFocus(Qt::MouseFocusReason);
        QVERIFY(f.sink.shown.empty());
        QCOMPARE(focused(), QStringLiteral("btnCancelar"));
    }

    void anEmissionDateAfterTodayIsRefusedOnLeaving()
    {
        Window f;
        QVERIFY(f.show());
        f.press("btnIncluir");
        f.date("dtpEmissao")->setFocus();
        f.date("dtpEmissao")->setDate(kNow.date().addDays(1));
        leave();   // with Tab from the year
        QCOMPARE(f.sink.texts(), QStringList{"Data de emissão não pode ser maior que hoje ..."});
        QCOMPARE(focused(), QStringLiteral("dtpEmissao"));
        f.sink.clear();
        f.date("dtpEmissao")->setDate(kNow.date());
        leave();
        QVERIFY(f.sink.shown.empty());
    }

    void refusedSavesKeepWhatWasTyped()
    {
        Window f;
        QVERIFY(f.show());
        const int before = f.titles();

        // Without the account: the presence check, cursor in the company code.
        f.typeCompleteTitle();
        f.edit("edtCodConta")->clear();
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::missingData});
        QCOMPARE(focused(), QStringLiteral("edtCodEmp"));
        QVERIFY(f.w.isEditing());
        QCOMPARE(f.edit("edtCodDoc")->text(), QStringLiteral("4711"));

        // A title value of 0,99 never left: refused at saving too.
        f.sink.clear();
        f.press("btnContaGerencial");
        f.edit("edtVlrTitulo")->setText("0,99");
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::missingData});

        // The identity of a demo title: the duplicate box, cursor in the document number.
        f.sink.clear();
        f.edit("edtVlrTitulo")->setText("617,25");
        f.edit("edtCodDoc")->setText("10231");
        f.edit("edtCodParc")->setText("1");
        f.edit("edtCodFornecedor")->setText("1");
        f.edit("edtCodTipDoc")->setText("2");
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(),
                 QStringList{"Título já cadastrado com estes dados!\nPortanto não será inserido novamente."});
        QCOMPARE(focused(), QStringLiteral("edtCodDoc"));
        QCOMPARE(f.titles(), before);

        // An account the look-up handed over but that no longer exists: cursor on the account.
        f.sink.clear();
        f.s.session.filtro() = {99, QStringLiteral("CONTA EXCLUÍDA")};
        f.press("btnContaGerencial");
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::unknownAccount + "99"});
        QCOMPARE(focused(), QStringLiteral("edtCodConta"));
        f.s.session.filtro() = {3, QStringLiteral("FRETES E CARRETOS")};
        f.press("btnContaGerencial");

        // Another document type makes it a new title.
        f.sink.clear();
        f.edit("edtCodTipDoc")->setText("3");
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::registered});
        QCOMPARE(f.titles(), before + 1);
    }

    void escapeCancelsTheTitleAndKeepsTheWindow()
    {
        Window f;
        QVERIFY(f.show());
        f.typeCompleteTitle();
        QTest::keyClick(f.edit("mmObs"), Qt::Key_Escape);
        QVERIFY(!f.w.isEditing());
        QVERIFY(f.w.isVisible());
        QVERIFY(f.edit("edtCodDoc")->text().isEmpty());
        QVERIFY(f.edit("edtCodConta")->text().isEmpty());
        f.press("btnSalvar");
        QCOMPARE(f.sink.texts(), QStringList{PayableTexts::missingData});
        f.press("btnSair");
        QVERIFY(!f.w.isVisible());
    }

    void theMenuOpensBothWindows()
    {
        test::UiSession s;
        test::RecordingSink sink;
        registerWindows();
        TFrm_principal main(s.session);
        const auto opened = [&](const QString& handler) {
            QString name;
            s.modal.next = [&](QDialog& d) {
                name = d.objectName() + u'|' + d.windowTitle();
                return int(QDialog::Rejected);
            };
            main.runCommand(handler);
            s.modal.next = {};
            return name;
        };
        QCOMPARE(opened("Cadastro1Click"), QStringLiteral("Frm_ct_pagar|Cadastro de título a pagar"));
        QCOMPARE(opened("Consulta1Click"),
                 QStringLiteral("Frm_ct_pagar_consulta|Consultar, alterar vencimento e baixar título do contas pagar."));
        QVERIFY(sink.shown.empty());
    }
};

QTEST_MAIN(PayableEntryTest)
#include "payable_entry_test.moc"
