#pragma once

#include "finance/common/lookup.h"
#include "ui/common/grid.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace fin::ui {

class Session;

// The generic query window: a base query, a filter list of its visible
// columns, a search box that searches the chosen column by its type, and a
// grid ordered by a click on a title.
class TF_ConBasico : public QDialog {
public:
    explicit TF_ConBasico(Session& session, QWidget* parent = nullptr);

    // The initial query and the grid's columns (the filter choices). A derived
    // window sets them before it is shown.
    void setBaseQuery(finance::BasicQuery query, std::vector<GridColumn> columns);

    ReadOnlyGrid* grid() const { return m_grid; }
    // Whether the result is open (after the display) and its rows.
    bool isResultOpen() const { return m_open; }
    const data::Rows& rows() const { return m_grid->rowsModel()->rows(); }
    // The current row, or nothing when the result is empty.
    std::optional<data::Row> currentRecord() const;
    // The grid column the search box searches; -1 before the display.
    int filterColumn() const { return m_filterColumn; }

    // A click on the title of grid column `column`.
    void titleClick(int column);
    // The search button.
    void search();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void display();
    void filterChanged(int entry);
    void chooseColumn(int column);
    void findNearest();
    void showCount();
    const finance::QueryColumn& queryColumn(int column) const;

    Session& m_session;
    finance::BasicQuery m_query;
    std::vector<finance::QueryColumn> m_searchColumns;   // one per grid column
    QStringList m_filterFields;                          // field of each filter list entry
    int m_filterColumn = -1;
    bool m_open = false;

    QComboBox* m_filter;
    QLabel* m_searchLabel;
    QLineEdit* m_edit;
    QPushButton* m_search;
    ReadOnlyGrid* m_grid;
    QPushButton* m_ok;
    QStatusBar* m_status;
    QLabel* m_count;
};

} // namespace fin::ui
