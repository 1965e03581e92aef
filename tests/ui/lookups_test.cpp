// moc cannot read <compare> (pulled in by the money and date types); it only
// needs the test class, so it skips the program's headers.
#ifndef Q_MOC_RUN
#include "data/statement.h"
#include "recording_sink.h"
#include "screenshot.h"
#include "ui/common/conbasico.h"
#include "ui/common/cons_contagerencial.h"
#include "ui/common/enter_nav.h"
#include "ui/common/lookups.h"
#include "ui/common/padraoconsulta.h"
#include "ui_session.h"

#endif

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace fin;
using namespace fin::ui;

namespace {

QStringList columnTexts(const data::Rows& rows, const QString& name)
{
    QStringList out;
    for (const data::Row& r : rows)
        out << r[name].toString().trimmed();
    return out;
}

template <class T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void exec(data::Database& db, const char* sql)
{
    db.inTransaction([&](data::Transaction& tx) { data::Statement(tx, QString::fromUtf8(sql)).execute(); });
}

// The focus chain of a window from `first`, as Tab walks it.
QStringList tabChain(QWidget* first, int steps)
{
    QStringList names;
    QWidget* w = first;
    for (int i = 0; i < steps; ++i) {
        names << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(first->window()));
    }
    return names;
}

const QStringList kAccountsByName = {"APLICAÇÃO FINANCEIRA", "COMPRA DE MERCADORIAS", "ENERGIA ELÉTRICA",
                                     "FRETES E CARRETOS",    "TARIFAS BANCÁRIAS",     "VENDA DE MERCADORIAS"};

} // namespace

class LookupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        EnterNavigation::install();
    }

    // ---- the standard lookup ----

    void standardLookupOpensEmptyAndOkBeforeAnySearchIsNoChoice()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        w.configure(finance::customerLookup());
        QCOMPARE(w.fieldLength(), 40);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Consulta Consulta Clientes"));
        QCOMPARE(child<QLabel>(&w, "Label_Pesquisa")->text(), QStringLiteral("Razão Social"));
        QVERIFY(child<QRadioButton>(&w, "rbOpcao0")->isChecked());
        QCOMPARE(child<QRadioButton>(&w, "rbOpcao0")->text(), QStringLiteral("  Começando com"));
        QCOMPARE(child<QRadioButton>(&w, "rbOpcao1")->text(), QStringLiteral("  Igual a"));
        QCOMPARE(child<QRadioButton>(&w, "rbOpcao2")->text(), QStringLiteral("  Possuindo"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&w, "Edit_Pesquisa"));
        QVERIFY(!w.isResultOpen());
        QCOMPARE(child<ReadOnlyGrid>(&w, "DBGrid_Pesquisa")->rowsModel()->rowCount(), 0);
        // Incremental: emptying the box counted as a search, so OK is enabled...
        auto* ok = child<QPushButton>(&w, "BitBtn_OK");
        QVERIFY(ok->isEnabled());
        test::screenshot(&w, "padraoconsulta_inicial");
        // ...but the result is closed: OK answers no choice.
        ok->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.confirmed());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.returnedText(), QString());
        QVERIFY(!w.chosenRow());
        QVERIFY(sink.shown.empty());
    }

    void incrementalSearchOnEveryCharacterWithUpAndDown()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        w.configure(finance::customerLookup());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* edit = child<QLineEdit>(&w, "Edit_Pesquisa");
        auto* grid = child<ReadOnlyGrid>(&w, "DBGrid_Pesquisa");

        QTest::keyClicks(edit, "j");
        QCOMPARE(edit->text(), QStringLiteral("J"));   // upper case only
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "Razão Social"), QStringList{"José Antônio da Conceição"});
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(w.Query_Pesquisa().size(), 5u);
        QTest::keyClicks(edit, "m");
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "Razão Social"), QStringList{"Mercearia São Judas Tadeu ME"});
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(QApplication::focusWidget(), edit);   // typing keeps the focus in the box
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Razão Social"));
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("CODIGO"));

        // Up and Down move the current row while the box keeps the focus.
        QCOMPARE(grid->currentRow(), 0);
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), 2);
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(grid->currentRow(), 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), edit);

        // A name with a quote is found.
        QTest::keyClicks(edit, "padaria d'ouro");
        QCOMPARE(edit->text(), QStringLiteral("PADARIA D'OURO"));
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "Razão Social"), QStringList{"Padaria D'Ouro Ltda"});
        test::screenshot(&w, "padraoconsulta_clientes");
        child<QPushButton>(&w, "BitBtn_OK")->click();
        QVERIFY(w.confirmed());
        QCOMPARE(w.returnedText(), QStringLiteral("PADARIA D'OURO"));
        QCOMPARE(w.chosenRow()->operator[]("CODIGO").toInt(), 2);
        QCOMPARE(w.chosenRow()->operator[]("Fantasia").toString(), QStringLiteral("D'Ouro"));
        QVERIFY(sink.shown.empty());
    }

    void searchOptions()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        w.configure(finance::customerLookup());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* edit = child<QLineEdit>(&w, "Edit_Pesquisa");

        child<QRadioButton>(&w, "rbOpcao1")->click();   // "Igual a": only the whole name
        edit->setFocus();
        QTest::keyClicks(edit, "padaria");
        QCOMPARE(w.Query_Pesquisa().size(), 0u);
        QVERIFY(w.isResultOpen());
        QTest::keyClicks(edit, " d'ouro ltda");
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "CODIGO"), QStringList{"2"});

        child<QRadioButton>(&w, "rbOpcao2")->click();   // "Possuindo"
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, "ltda");
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "Razão Social"),
                 (QStringList{"Empório Cerrado Alimentos Ltda", "Padaria D'Ouro Ltda", "Supermercado Bom Preço Ltda"}));
        // Typed text that would change a spliced statement is only a name here.
        edit->clear();
        QTest::keyClicks(edit, "' or '1'='1");
        QCOMPARE(w.Query_Pesquisa().size(), 0u);

        child<QRadioButton>(&w, "rbOpcao0")->click();   // "Começando com"
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, "ltda");
        QCOMPARE(w.Query_Pesquisa().size(), 0u);
        // OK on an empty result is no choice.
        child<QPushButton>(&w, "BitBtn_OK")->click();
        QVERIFY(!w.confirmed());
        QCOMPARE(w.returnedText(), QString());
        QVERIFY(sink.shown.empty());
    }

    void dotsButtonSearchesWhenItGetsTheFocus()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        finance::StandardLookup l = finance::supplierLookup();
        l.incremental = false;
        w.configure(l);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Consulta Consulta Fornecedores"));
        auto* edit = child<QLineEdit>(&w, "Edit_Pesquisa");
        auto* ok = child<QPushButton>(&w, "BitBtn_OK");
        auto* grid = child<ReadOnlyGrid>(&w, "DBGrid_Pesquisa");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(tabChain(edit, 5),
                 (QStringList{"Edit_Pesquisa", "BitBtn_Pontos", "DBGrid_Pesquisa", "BitBtn_OK", "BitBtn_Cancelar"}));

        QTest::keyClicks(edit, "moinho");
        QVERIFY(!w.isResultOpen());   // not incremental: typing does not search
        // Enter goes on to "...", which searches and hands the focus to the grid.
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(w.isResultOpen());
        QCOMPARE(QApplication::focusWidget(), grid);
        QVERIFY(ok->isEnabled());
        QCOMPARE(columnTexts(w.Query_Pesquisa(), "Razão Social"), QStringList{"Moinho Goiás Farinhas Ltda"});

        // A double click on the grid confirms, as OK does.
        const QRect cell = grid->visualRect(grid->model()->index(0, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!w.isVisible());
        QVERIFY(w.confirmed());
        QCOMPARE(w.chosenRow()->operator[]("CODIGO").toInt(), 2);
        QCOMPARE(w.returnedText(), QStringLiteral("MOINHO"));
    }

    void descriptionColumnsTakeTheDeclaredLength()
    {
        test::UiSession s;
        Tfrm_padraoconsulta w(s.session);
        w.configure({"DES_CONTA", "DES_CONTA \"DESCRICAO\", COD_CONTA \"CODIGO\"", true, "Contas", "N", "CONTA",
                     "DES_CONTA", "Descrição", ""});
        QCOMPARE(w.fieldLength(), 40);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClicks(child<QLineEdit>(&w, "Edit_Pesquisa"), "e");
        auto* grid = child<ReadOnlyGrid>(&w, "DBGrid_Pesquisa");
        QCOMPARE(w.Query_Pesquisa().size(), 1u);
        QCOMPARE(grid->columnWidth(0), 400);
        QVERIFY(grid->columnWidth(1) < 400);
        QCOMPARE(grid->horizontalHeader()->defaultAlignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        child<QPushButton>(&w, "BitBtn_OK")->click();
        QVERIFY(w.confirmed());
        QCOMPARE(w.returnedText(), QString());   // not asked for
    }

    void cancelAndErrorsKeepTheLookupOpen()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        finance::StandardLookup l = finance::customerLookup();
        l.extraCondition = QStringLiteral("NAO_EXISTE = 1");
        w.configure(l);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* edit = child<QLineEdit>(&w, "Edit_Pesquisa");
        QTest::keyClicks(edit, "p");
        QCOMPARE(sink.shown.size(), 1u);
        QCOMPARE(sink.shown[0].icon, MessageSink::Icon::Critical);
        QVERIFY(w.isVisible());
        child<QPushButton>(&w, "BitBtn_Cancelar")->click();
        QVERIFY(!w.confirmed());
        QCOMPARE(w.returnedText(), QString());

        // The schema connection attaches again on the next use.
        Tfrm_padraoconsulta again(s.session);
        s.session.schema().database().detach();
        again.configure(finance::customerLookup());
        QCOMPARE(again.fieldLength(), 40);
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        QTest::keyClicks(child<QLineEdit>(&again, "Edit_Pesquisa"), "sup");
        QCOMPARE(columnTexts(again.Query_Pesquisa(), "CODIGO"), QStringList{"1"});
        QTest::keyClick(&again, Qt::Key_Escape);
        QVERIFY(!again.confirmed());
    }

    void failedSearchOnTheDotsButtonRunsOnce()
    {
        test::UiSession s;
        test::RecordingSink sink;
        Tfrm_padraoconsulta w(s.session);
        finance::StandardLookup l = finance::supplierLookup();
        l.incremental = false;
        l.extraCondition = QStringLiteral("NAO_EXISTE = 1");
        w.configure(l);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(child<QLineEdit>(&w, "Edit_Pesquisa"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&w, "BitBtn_Pontos"));
        QCOMPARE(sink.shown.size(), 1u);
        // The window becoming active again (as after the error box) does not search again.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&w, "BitBtn_Pontos"));
        QCOMPARE(sink.shown.size(), 1u);
    }

    void unreachableSchemaConnectionShowsTheErrorAndChoosesNothing()
    {
        test::UiSession s;
        data::ConnectionParams gone = s.tmp.params();
        gone.database += QStringLiteral(".nao_existe");
        Session session(std::make_unique<data::Database>(s.tmp.attachAgain()), data::SchemaConnection(gone));
        test::RecordingSink sink;
        QVERIFY(!lookupCustomer(session, nullptr));
        QVERIFY(!lookupSupplier(session, nullptr));
        QCOMPARE(sink.shown.size(), 2u);
        QCOMPARE(sink.shown[0].icon, MessageSink::Icon::Critical);
        QCOMPARE(sink.shown[0].caption, QStringLiteral("Financeiro"));
    }

    // ---- the generic query window and the management account lookup ----

    void basicQueryWithoutInitialQuery()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TF_ConBasico w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(sink.texts(), QStringList{"Não existe consulta inicial."});
        QCOMPARE(sink.shown[0].icon, MessageSink::Icon::Information);
        child<QPushButton>(&w, "btnBusca")->click();
        QCOMPARE(sink.texts().size(), 2);
        QCOMPARE(sink.last(), QStringLiteral("Não existe consulta inicial."));
        QVERIFY(!w.isResultOpen());
    }

    void accountLookupDisplayAndSearch()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("K.V.T - [Consulta conta gerencial]"));
        auto* filter = child<QComboBox>(&w, "cbbFiltro");
        auto* edit = child<QLineEdit>(&w, "EdtPesquisa");
        auto* label = child<QLabel>(&w, "LblPesquisa");
        auto* count = child<QLabel>(&w, "StatusPanel0");
        auto* grid = w.grid();
        QStringList titles;
        for (int i = 0; i < filter->count(); ++i)
            titles << filter->itemText(i);
        QCOMPARE(titles, (QStringList{"Descrição da Conta", "Cód. Conta", "Cód. Grupo", "Tipo", "Invest.", "Cód. Grupo",
                                      "Descrição do Grupo"}));
        QCOMPARE(filter->currentIndex(), 0);
        QCOMPARE(w.filterColumn(), 0);
        QCOMPARE(label->text(), QStringLiteral("Buscando por Descrição da Conta"));
        QVERIFY(w.isResultOpen());
        QCOMPARE(grid->rowsModel()->rowCount(), 0);   // empty until the first search
        QCOMPARE(count->text(), QStringLiteral(" Quantidade de registros : 0"));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(tabChain(filter, 5), (QStringList{"cbbFiltro", "EdtPesquisa", "btnBusca", "DBGrid1", "btnOK"}));
        // The selected row is drawn white on navy.
        QCOMPARE(grid->palette().color(QPalette::Inactive, QPalette::Highlight), QColor(0, 0, 128));
        QCOMPARE(grid->palette().color(QPalette::Active, QPalette::HighlightedText), QColor(Qt::white));
        test::screenshot(&w, "cons_contagerencial_inicial");

        // An empty text lists every account, in the first column's order;
        // Enter on the search button searches.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&w, "btnBusca"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(columnTexts(w.rows(), "DES_CONTA"), kAccountsByName);
        QCOMPARE(count->text(), QStringLiteral(" Quantidade de registros : 6"));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(grid->currentRow(), 0);

        // Typing moves to the nearest description without searching.
        QTest::keyClicks(edit, "fr");
        QCOMPARE(w.rows().size(), 6u);
        QCOMPARE(w.currentRecord()->operator[]("DES_CONTA").toString(), QStringLiteral("FRETES E CARRETOS"));
        edit->clear();
        QTest::keyClicks(edit, "EN");
        QCOMPARE(w.currentRecord()->operator[]("COD_CONTA").toInt(), 4);
        QCOMPARE(count->text(), QStringLiteral(" Quantidade de registros : 6"));

        // A text search: any part of the description, any letter case.
        edit->clear();
        QTest::keyClicks(edit, "mercadorias");
        child<QPushButton>(&w, "btnBusca")->click();
        QCOMPARE(columnTexts(w.rows(), "DES_CONTA"), (QStringList{"COMPRA DE MERCADORIAS", "VENDA DE MERCADORIAS"}));
        QCOMPARE(count->text(), QStringLiteral(" Quantidade de registros : 2"));
        edit->clear();
        QTest::keyClicks(edit, "D'OURO");
        child<QPushButton>(&w, "btnBusca")->click();
        QCOMPARE(w.rows().size(), 0u);
        QVERIFY(sink.shown.empty());

        // The filter list: the group code of the group table, an integer search.
        filter->setCurrentIndex(5);
        QCOMPARE(label->text(), QStringLiteral("Buscando por Cód. Grupo"));
        QCOMPARE(w.filterColumn(), 5);
        QCOMPARE(grid->horizontalHeader()->visualIndex(5), 1);   // moved to the second place
        QTest::keyClicks(edit, "3x");
        QCOMPARE(edit->text(), QStringLiteral("3"));   // an integer column takes digits only
        child<QPushButton>(&w, "btnBusca")->click();
        QStringList codes = columnTexts(w.rows(), "COD_CONTA");
        codes.sort();
        QCOMPARE(codes, (QStringList{"5", "6"}));
        test::screenshot(&w, "cons_contagerencial_grupo");
        QVERIFY(sink.shown.empty());
    }

    void accountLookupTitleClicks()
    {
        test::UiSession s;
        test::RecordingSink sink;
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QPushButton>(&w, "btnBusca")->click();
        auto* header = w.grid()->horizontalHeader();
        auto clickTitle = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
        };
        clickTitle(1);
        QCOMPARE(columnTexts(w.rows(), "COD_CONTA"), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(child<QComboBox>(&w, "cbbFiltro")->currentText(), QStringLiteral("Cód. Conta"));
        QCOMPARE(w.filterColumn(), 1);
        QCOMPARE(w.grid()->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        clickTitle(1);
        QCOMPARE(columnTexts(w.rows(), "COD_CONTA"), (QStringList{"6", "5", "4", "3", "2", "1"}));
        clickTitle(1);
        QCOMPARE(columnTexts(w.rows(), "COD_CONTA"), (QStringList{"1", "2", "3", "4", "5", "6"}));
        // A search keeps the order of the clicked title.
        clickTitle(1);
        child<QPushButton>(&w, "btnBusca")->click();
        QCOMPARE(columnTexts(w.rows(), "COD_CONTA"), (QStringList{"6", "5", "4", "3", "2", "1"}));
        // Typing in a decreasing order moves to the nearest code at or below it.
        QTest::keyClicks(child<QLineEdit>(&w, "EdtPesquisa"), "4");
        QCOMPARE(w.currentRecord()->operator[]("COD_CONTA").toInt(), 4);
        QVERIFY(sink.shown.empty());
    }

    void accountLookupCellHint()
    {
        test::UiSession s;
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QPushButton>(&w, "btnBusca")->click();
        ReadOnlyGrid* grid = w.grid();
        auto moveTo = [&](QPoint p) {
            QMouseEvent move(QEvent::MouseMove, p, grid->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(grid->viewport(), &move);
        };
        moveTo(grid->visualRect(grid->model()->index(2, 0)).center());
        QCOMPARE(grid->toolTip(), QStringLiteral("Descrição da Conta: \n  ENERGIA ELÉTRICA"));
        moveTo(grid->visualRect(grid->model()->index(2, 6)).center());
        QCOMPARE(grid->toolTip(), QStringLiteral("Descrição do Grupo: \n  DESPESAS OPERACIONAIS"));
        moveTo(QPoint(grid->viewport()->width() - 2, grid->viewport()->height() - 2));   // below the rows
        QCOMPARE(grid->toolTip(), QString());
    }

    void accountChosenOnEveryWayOfClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "close";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("OK") << "ok";
        QTest::newRow("Enter in the grid") << "enter";
    }

    void accountChosenOnEveryWayOfClosing()
    {
        QFETCH(QString, how);
        test::UiSession s;
        test::RecordingSink sink;
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QPushButton>(&w, "btnBusca")->click();
        ReadOnlyGrid* grid = w.grid();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);   // FRETES E CARRETOS
        QCOMPARE(grid->currentRow(), 3);
        test::screenshot(&w, "cons_contagerencial_lista");
        if (how == "close")
            w.close();
        else if (how == "esc")
            QTest::keyClick(grid, Qt::Key_Escape);
        else if (how == "ok")
            child<QPushButton>(&w, "btnOK")->click();
        else
            QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(s.session.filtro().codConta, 3);
        QCOMPARE(s.session.filtro().desConta, QStringLiteral("FRETES E CARRETOS"));
        QVERIFY(sink.shown.empty());
    }

    void emptyListLeavesThePreviousChoice()
    {
        test::UiSession s;
        test::RecordingSink sink;
        exec(s.session.db(), "DELETE FROM CONTA");
        {
            TF_ConsContasGerenciais w(s.session);
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            child<QPushButton>(&w, "btnBusca")->click();
            QCOMPARE(w.rows().size(), 0u);
            w.close();
        }
        QCOMPARE(s.session.filtro().codConta, -1);
        QCOMPARE(s.session.filtro().desConta, QString());

        s.session.filtro() = TFiltro{4, QStringLiteral("ENERGIA ELÉTRICA")};
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QPushButton>(&w, "btnBusca")->click();
        QTest::keyClick(w.grid(), Qt::Key_Return);
        QCOMPARE(s.session.filtro().codConta, 4);
        QCOMPARE(s.session.filtro().desConta, QStringLiteral("ENERGIA ELÉTRICA"));
        QVERIFY(sink.shown.empty());
    }

    void closingBeforeAnySearchChoosesNothing()
    {
        test::UiSession s;
        TF_ConsContasGerenciais w(s.session);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.close();
        QCOMPARE(s.session.filtro().codConta, -1);
    }
};

QTEST_MAIN(LookupsTest)
#include "lookups_test.moc"
