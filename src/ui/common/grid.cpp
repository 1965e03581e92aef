#include "ui/common/grid.h"

#include "ui/common/messages.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>

namespace fin::ui {

namespace {

int compareValues(const data::Value& a, const data::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const auto& va = a.variant();
    if (std::holds_alternative<QString>(va))
        return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    if (std::holds_alternative<base::Money>(va))
        return a.toMoney() < b.toMoney() ? -1 : (b.toMoney() < a.toMoney() ? 1 : 0);
    if (std::holds_alternative<base::Date>(va) || std::holds_alternative<base::DateTime>(va))
        return a.toDateTime() < b.toDateTime() ? -1 : (b.toDateTime() < a.toDateTime() ? 1 : 0);
    const auto x = a.toInt64();
    const auto y = b.toInt64();
    return x < y ? -1 : (y < x ? 1 : 0);
}

} // namespace

RowsModel::RowsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void RowsModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    m_clickedTitle = -1;
    endResetModel();
}

void RowsModel::setRows(data::Rows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_order.reset();
    endResetModel();
}

void RowsModel::setAlternatingColours(QColor odd, QColor even)
{
    m_odd = odd;
    m_even = even;
}

void RowsModel::sortRows(const QString& field, bool descending)
{
    // A layout change, not a reset: the current row (and any persistent
    // index) follows its record to the new place.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> order(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    const bool known = !m_rows.empty() && m_rows.front().has(field);
    if (known)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int c = compareValues(m_rows[static_cast<std::size_t>(a)][field], m_rows[static_cast<std::size_t>(b)][field]);
            return descending ? c > 0 : c < 0;
        });
    data::Rows sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newPlace(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(m_rows[static_cast<std::size_t>(order[i])]);
        newPlace[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from)
        to << index(newPlace[static_cast<std::size_t>(i.row())], i.column());
    changePersistentIndexList(from, to);
    m_order = Order{field, descending};
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RowsModel::setClickedTitle(int column)
{
    m_clickedTitle = column;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QString RowsModel::displayText(int row, int column) const
{
    const GridColumn& c = m_columns.at(static_cast<std::size_t>(column));
    const data::Row& r = m_rows.at(static_cast<std::size_t>(row));
    if (!r.has(c.field))
        return {};
    const data::Value& v = r[c.field];
    if (v.isNull())
        return {};
    switch (c.format) {
    case ColumnFormat::Money:
        return common::formatMoney(v.toMoney(), c.moneyPattern);
    case ColumnFormat::Date:
        return common::formatDate(v.toDate());
    case ColumnFormat::DateTime: {
        const base::DateTime dt = v.toDateTime();
        return common::formatDate(dt.date) + u' ' + QString::fromStdString(dt.time.toHHMMSS());
    }
    default:
        if (std::holds_alternative<base::Date>(v.variant()))
            return common::formatDate(v.toDate());
        return v.toString();
    }
}

int RowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn& c = m_columns.at(static_cast<std::size_t>(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (c.format == ColumnFormat::Money || c.format == ColumnFormat::Integer)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (m_odd && m_even)
            return (index.row() % 2 == 0) ? *m_odd : *m_even;   // row 0 is record number 1
        return {};
    default:
        return {};
    }
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_columns.at(static_cast<std::size_t>(section)).title;
    case Qt::ForegroundRole:
        if (m_clickedTitle < 0)
            return {};
        return section == m_clickedTitle ? QColor(Qt::red) : QColor(0, 0, 128);
    case Qt::FontRole:
        if (m_clickedTitle >= 0) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

ReadOnlyGrid::ReadOnlyGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new RowsModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
}

void ReadOnlyGrid::setColumns(std::vector<GridColumn> columns)
{
    m_model->setColumns(columns);
    const QFontMetrics fm(horizontalHeader()->font());
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const GridColumn& c = columns[static_cast<std::size_t>(i)];
        setColumnWidth(i, c.width > 0 ? c.width : fm.horizontalAdvance(c.title) + 12);
        setColumnHidden(i, !c.visible);
    }
}

void ReadOnlyGrid::enableTitleSort()
{
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { SortGridByColumn(this, column); });
}

void ReadOnlyGrid::enableCellHint()
{
    m_cellHint = true;
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

int ReadOnlyGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void ReadOnlyGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier))
        return;   // rows are never deleted here
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        messages().info(kReadOnlyMessage + u'\n' + kPressEscMessage);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ReadOnlyGrid::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    if (m_cellHint)
        GridCellHint(this, event->position().toPoint());
}

void SortGridByColumn(ReadOnlyGrid* grid, int column)
{
    RowsModel* model = grid->rowsModel();
    if (column < 0 || column >= model->columnCount())
        return;
    model->setClickedTitle(column);
    const QString field = model->columns().at(static_cast<std::size_t>(column)).field;
    const auto& order = model->order();
    // The same column again turns an increasing order into a decreasing one.
    const bool descending = order && order->field == field && !order->descending;
    model->sortRows(field, descending);
}

void GridCellHint(ReadOnlyGrid* grid, const QPoint& pos)
{
    const QModelIndex index = grid->indexAt(pos);
    if (!index.isValid()) {
        grid->setToolTip({});
        QToolTip::hideText();
        return;
    }
    const QString title = grid->rowsModel()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    if (title.contains(QStringLiteral("lookup")))
        return;
    const QString hint = title.trimmed().isEmpty()
        ? QString()
        : title + QStringLiteral(": \n  ") + grid->rowsModel()->displayText(index.row(), index.column());
    if (hint != grid->toolTip()) {
        QToolTip::hideText();
        grid->setToolTip(hint);
    }
}

} // namespace fin::ui
