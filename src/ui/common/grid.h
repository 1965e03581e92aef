#pragma once

#include "common/brformat.h"
#include "data/statement.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include <optional>
#include <vector>

namespace fin::ui {

enum class ColumnFormat { Text, Integer, Money, Date, DateTime };

struct GridColumn {
    QString field;                      // result column name
    QString title;                      // header text (trailing blanks widen it)
    int width = -1;                     // pixels; -1: as wide as the title
    ColumnFormat format = ColumnFormat::Text;
    QString moneyPattern = common::kMoneyGrouped;
    bool visible = true;
};

// A read-only table over query rows: titles, formats, alternating colours,
// and the title colouring and ordering of a click on a title.
class RowsModel : public QAbstractTableModel {
public:
    explicit RowsModel(QObject* parent = nullptr);

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return m_columns; }
    void setRows(data::Rows rows);
    void clear() { setRows({}); }
    const data::Rows& rows() const { return m_rows; }
    const data::Row& row(int i) const { return m_rows.at(static_cast<std::size_t>(i)); }
    bool isEmpty() const { return m_rows.empty(); }

    // Odd record numbers (1, 3, ...) get `odd`, even ones `even`.
    void setAlternatingColours(QColor odd, QColor even);

    // The current ordering: the field it is on and whether it decreases.
    struct Order {
        QString field;
        bool descending = false;
    };
    const std::optional<Order>& order() const { return m_order; }
    void sortRows(const QString& field, bool descending);
    // Title colours after a click: every title navy and bold, the clicked one red.
    void setClickedTitle(int column);

    QString displayText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<GridColumn> m_columns;
    data::Rows m_rows;
    std::optional<QColor> m_odd;
    std::optional<QColor> m_even;
    std::optional<Order> m_order;
    int m_clickedTitle = -1;
};

// The grid of the query windows: whole rows, read only; a typed key is
// refused with the read-only message.
class ReadOnlyGrid : public QTableView {
public:
    explicit ReadOnlyGrid(QWidget* parent = nullptr);
    RowsModel* rowsModel() const { return m_model; }

    void setColumns(std::vector<GridColumn> columns);
    // Clicking a title orders by that column (SortGridByColumn).
    void enableTitleSort();
    // Moving the mouse over a cell shows "title:" and the value (GridCellHint).
    void enableCellHint();
    // The current row, or -1.
    int currentRow() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    RowsModel* m_model;
    bool m_cellHint = false;
};

inline const QString kReadOnlyMessage = QStringLiteral("Tela somente para consulta. Não permitido digitação aqui.");
inline const QString kPressEscMessage = QStringLiteral("Pressione a tecla ESC para voltar.");
inline const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
inline const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);

// Colours the titles and orders the rows by the clicked column: increasing,
// then decreasing on the next click of the same column, case-insensitive.
void SortGridByColumn(ReadOnlyGrid* grid, int column);
// Sets the grid's hint for the cell at `pos`: "title: " + line break + two
// blanks + the value; no hint on titles or for a blank title.
void GridCellHint(ReadOnlyGrid* grid, const QPoint& pos);

} // namespace fin::ui
