// moc cannot read <compare> (pulled in by the money and date types); it only
// needs the test class, so it skips the program's headers.
#ifndef Q_MOC_RUN
#include "recording_sink.h"
#include "ui/common/grid.h"
#endif

#include <QHeaderView>
#include <QTest>

using namespace fin;
using namespace fin::ui;

namespace {

// Rows of (NOME, N) as a query would give them.
data::Rows makeRows(std::initializer_list<std::pair<const char*, int>> values)
{
    auto columns = std::make_shared<data::Columns>();
    columns->names = {"NOME", "N"};
    columns->index = {{"NOME", 0}, {"N", 1}};
    data::Rows rows;
    for (const auto& [name, n] : values)
        rows.emplace_back(columns, std::vector<data::Value>{QString::fromUtf8(name), n});
    return rows;
}

QStringList names(const ReadOnlyGrid& grid)
{
    QStringList out;
    for (int i = 0; i < grid.model()->rowCount(); ++i)
        out << grid.model()->index(i, 0).data().toString();
    return out;
}

void clickTitle(ReadOnlyGrid& grid, int column)
{
    QHeaderView* h = grid.horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(column) + 4, h->height() / 2));
}

QColor titleColour(const ReadOnlyGrid& grid, int column)
{
    return grid.model()->headerData(column, Qt::Horizontal, Qt::ForegroundRole).value<QColor>();
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT

private slots:
    void threeClicksOnATitle()
    {
        ReadOnlyGrid grid;
        grid.setColumns({GridColumn{"NOME", "Nome", 120}, GridColumn{"N", "Número", -1, ColumnFormat::Integer}});
        grid.rowsModel()->setRows(makeRows({{"banana", 3}, {"Cereja", 1}, {"abacate", 10}, {"Ameixa", 2}}));
        grid.enableTitleSort();
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentIndex(grid.model()->index(1, 0));   // Cereja

        const QStringList increasing{"abacate", "Ameixa", "banana", "Cereja"};
        const QStringList decreasing{"Cereja", "banana", "Ameixa", "abacate"};
        clickTitle(grid, 0);
        QCOMPARE(names(grid), increasing);   // letter case does not count
        QCOMPARE(titleColour(grid, 0), QColor(Qt::red));
        QCOMPARE(titleColour(grid, 1), QColor(0, 0, 128));
        QVERIFY(grid.model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        // The highlighted record stays highlighted wherever it moves.
        QCOMPARE(grid.currentRow(), 3);
        clickTitle(grid, 0);
        QCOMPARE(names(grid), decreasing);
        QCOMPARE(grid.currentRow(), 0);
        clickTitle(grid, 0);
        QCOMPARE(names(grid), increasing);

        // Another title starts increasing again; numbers order as numbers.
        clickTitle(grid, 1);
        QCOMPARE(names(grid), (QStringList{"Cereja", "Ameixa", "banana", "abacate"}));
        QCOMPARE(titleColour(grid, 1), QColor(Qt::red));
        QCOMPARE(titleColour(grid, 0), QColor(0, 0, 128));
        clickTitle(grid, 0);
        QCOMPARE(names(grid), increasing);
    }

    void readOnlyKeys()
    {
        test::RecordingSink sink;
        ReadOnlyGrid grid;
        grid.setColumns({GridColumn{"NOME", "Nome"}, GridColumn{"N", "N", -1, ColumnFormat::Integer}});
        grid.rowsModel()->setRows(makeRows({{"um", 1}, {"dois", 2}}));
        grid.show();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(1, 0));

        QTest::keyClicks(&grid, "x");
        QCOMPARE(sink.texts(), QStringList{"Tela somente para consulta. Não permitido digitação aqui.\n"
                                           "Pressione a tecla ESC para voltar."});
        QCOMPARE(sink.shown[0].caption, QStringLiteral("Financeiro"));
        QCOMPARE(sink.shown[0].icon, MessageSink::Icon::Information);
        QCOMPARE(names(grid), (QStringList{"um", "dois"}));

        sink.clear();
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_Down);   // no new row below the last
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(names(grid), (QStringList{"um", "dois"}));
        QVERIFY(sink.shown.empty());
        QTest::keyClick(&grid, Qt::Key_Up);   // moving is allowed
        QCOMPARE(grid.currentRow(), 0);
        QVERIFY(sink.shown.empty());
    }

    void alternatingColoursAndHints()
    {
        ReadOnlyGrid grid;
        grid.setColumns({GridColumn{"NOME", "Nome"}, GridColumn{"N", " "}});
        grid.rowsModel()->setRows(makeRows({{"um", 1}, {"dois", 2}, {"três", 3}}));
        grid.rowsModel()->setAlternatingColours(kSkyBlue, kMoneyGreen);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), kSkyBlue);
        QCOMPARE(grid.model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), kMoneyGreen);
        QCOMPARE(grid.model()->index(2, 1).data(Qt::BackgroundRole).value<QColor>(), kSkyBlue);

        GridCellHint(&grid, grid.visualRect(grid.model()->index(2, 0)).center());
        QCOMPARE(grid.toolTip(), QStringLiteral("Nome: \n  três"));
        GridCellHint(&grid, grid.visualRect(grid.model()->index(1, 1)).center());   // a blank title
        QCOMPARE(grid.toolTip(), QString());
        GridCellHint(&grid, grid.visualRect(grid.model()->index(0, 0)).center());
        GridCellHint(&grid, QPoint(grid.viewport()->width() - 1, grid.viewport()->height() - 1));   // no cell
        QCOMPARE(grid.toolTip(), QString());
    }
};

QTEST_MAIN(GridTest)
#include "grid_test.moc"
