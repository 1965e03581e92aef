#include "ui/common/conbasico.h"

#include "ui/common/enter_nav.h"
#include "ui/common/guard.h"
#include "ui/common/messages.h"
#include "ui/common/session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace fin::ui {

namespace {

finance::ColumnKind kindOf(ColumnFormat format)
{
    switch (format) {
    case ColumnFormat::Integer: return finance::ColumnKind::Integer;
    case ColumnFormat::Money: return finance::ColumnKind::Numeric;
    case ColumnFormat::Date: return finance::ColumnKind::Date;
    case ColumnFormat::DateTime: return finance::ColumnKind::DateTime;
    case ColumnFormat::Text: break;
    }
    return finance::ColumnKind::Text;
}

// What the search box accepts for a column of this kind.
QValidator* validatorFor(finance::ColumnKind kind, QObject* parent)
{
    const char* pattern = nullptr;
    switch (kind) {
    case finance::ColumnKind::Integer: pattern = R"(-?\d*)"; break;
    case finance::ColumnKind::Numeric: pattern = R"(-?[\d.]*,?\d*)"; break;
    case finance::ColumnKind::Date:
    case finance::ColumnKind::DateTime: pattern = R"([\d/]*)"; break;
    default: return nullptr;
    }
    return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), parent);
}

// Compares a row's value with the typed text in the column's terms; nullopt
// when the text does not read as a value of that kind.
std::optional<int> compareTyped(const data::Value& v, finance::ColumnKind kind, const QString& typed)
{
    switch (kind) {
    case finance::ColumnKind::Integer: {
        bool ok = false;
        const qlonglong n = typed.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return v.toInt64() < n ? -1 : (v.toInt64() > n ? 1 : 0);
    }
    case finance::ColumnKind::Numeric: {
        const auto m = common::parseMoney(typed);
        if (!m)
            return std::nullopt;
        return v.toMoney() < *m ? -1 : (*m < v.toMoney() ? 1 : 0);
    }
    default:
        return QString::compare(v.toString(), typed, Qt::CaseInsensitive);
    }
}

} // namespace

TF_ConBasico::TF_ConBasico(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("F_ConBasico"));
    resize(900, 460);

    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("cbbFiltro"));
    m_filter->setMinimumContentsLength(18);
    m_searchLabel = new QLabel(this);
    m_searchLabel->setObjectName(QStringLiteral("LblPesquisa"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("EdtPesquisa"));
    m_searchLabel->setBuddy(m_edit);
    m_search = new QPushButton(QStringLiteral("&Buscar"), this);
    m_search->setObjectName(QStringLiteral("btnBusca"));
    markBitmapButton(m_search);

    m_grid = new ReadOnlyGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    // The selected row white on navy, whether or not the grid has the focus.
    QPalette p = m_grid->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
    }
    m_grid->setPalette(p);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setAutoDefault(false);

    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);
    m_count = new QLabel(m_status);
    m_count->setObjectName(QStringLiteral("StatusPanel0"));
    m_status->addWidget(m_count, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_filter);
    top->addSpacing(8);
    top->addWidget(m_searchLabel);
    top->addWidget(m_edit, 1);
    top->addWidget(m_search);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    layout->addWidget(m_status);

    m_grid->horizontalHeader()->setSectionsClickable(true);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded(this, [this, column] { titleClick(column); }); });
    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this] { guarded(this, [this] { filterChanged(m_filter->currentIndex()); }); });
    onSignal(m_search, &QPushButton::clicked, this, [this] { search(); });
    onSignal(m_edit, &QLineEdit::textEdited, this, [this] { findNearest(); });
    onSignal(m_ok, &QPushButton::clicked, this, [this] { accept(); });
    onSignal(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showCount(); });
}

void TF_ConBasico::setBaseQuery(finance::BasicQuery query, std::vector<GridColumn> columns)
{
    m_query = std::move(query);
    m_searchColumns.clear();
    for (const GridColumn& g : columns) {
        finance::QueryColumn c{g.field, g.field, kindOf(g.format)};
        for (const finance::QueryColumn& q : m_query.columns)
            if (q.field.compare(g.field, Qt::CaseInsensitive) == 0)
                c = q;
        m_searchColumns.push_back(c);
    }
    m_grid->setColumns(std::move(columns));
}

std::optional<data::Row> TF_ConBasico::currentRecord() const
{
    if (!m_open || rows().empty())
        return std::nullopt;
    const int current = m_grid->currentRow();
    return rows().at(static_cast<std::size_t>(current < 0 ? 0 : current));
}

const finance::QueryColumn& TF_ConBasico::queryColumn(int column) const
{
    return m_searchColumns.at(static_cast<std::size_t>(column));
}

void TF_ConBasico::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { display(); });
}

void TF_ConBasico::display()
{
    m_open = false;
    m_grid->rowsModel()->clear();
    showCount();
    if (m_query.sql.trimmed().isEmpty())
        InfoAndAbort(finance::kNoInitialQuery);
    // The result is open and empty until the first search.
    m_open = true;
    const auto& columns = m_grid->rowsModel()->columns();
    m_filterFields.clear();
    {
        const QSignalBlocker quiet(m_filter);
        m_filter->clear();
        for (const GridColumn& c : columns)
            if (c.visible) {
                m_filter->addItem(c.title);
                m_filterFields << c.field;
            }
    }
    for (int i = static_cast<int>(columns.size()) - 1; i >= 0; --i)
        if (columns[static_cast<std::size_t>(i)].visible)
            titleClick(i);
    filterChanged(m_filter->currentIndex());
    m_edit->setFocus();
    showCount();
}

void TF_ConBasico::chooseColumn(int column)
{
    m_filterColumn = column;
    // The search box edits the chosen column: it starts empty and takes only
    // what that column's type accepts.
    const QSignalBlocker quiet(m_edit);
    m_edit->clear();
    QValidator* old = const_cast<QValidator*>(m_edit->validator());
    m_edit->setValidator(validatorFor(queryColumn(column).kind, m_edit));
    delete old;
    const QString title = m_grid->rowsModel()->columns().at(static_cast<std::size_t>(column)).title;
    const QSignalBlocker quietList(m_filter);
    m_filter->setCurrentIndex(static_cast<int>(
        m_filterFields.indexOf(m_grid->rowsModel()->columns().at(static_cast<std::size_t>(column)).field)));
    m_searchLabel->setText(QStringLiteral("Buscando por ") + title);
}

void TF_ConBasico::titleClick(int column)
{
    if (column < 0 || column >= m_grid->rowsModel()->columnCount())
        return;
    SortGridByColumn(m_grid, column);
    chooseColumn(column);
}

void TF_ConBasico::filterChanged(int entry)
{
    // The list remembers the field of each entry: two columns may share a title.
    if (entry < 0 || entry >= m_filterFields.size())
        return;
    const auto& columns = m_grid->rowsModel()->columns();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        if (columns[static_cast<std::size_t>(i)].field != m_filterFields[entry])
            continue;
        // Choosing from the list always orders that column increasing.
        m_grid->rowsModel()->setClickedTitle(i);
        m_grid->rowsModel()->sortRows(columns[static_cast<std::size_t>(i)].field, false);
        chooseColumn(i);
        QHeaderView* header = m_grid->horizontalHeader();
        const int visual = header->visualIndex(i);
        if (visual > 0)
            header->moveSection(visual, 1);
        return;
    }
}

void TF_ConBasico::search()
{
    if (m_query.sql.trimmed().isEmpty())
        InfoAndAbort(finance::kNoInitialQuery);
    const finance::QueryColumn* column = m_filterColumn >= 0 ? &queryColumn(m_filterColumn) : nullptr;
    data::Rows found = finance::runBasicQuery(m_session.db(), m_query.sql, column, m_edit->text());
    RowsModel* model = m_grid->rowsModel();
    const auto order = model->order();
    model->setRows(std::move(found));
    if (order)
        model->sortRows(order->field, order->descending);
    m_open = true;
    if (!model->isEmpty())
        m_grid->setCurrentIndex(model->index(0, std::max(0, m_grid->horizontalHeader()->logicalIndex(0))));
    showCount();
    m_edit->setFocus();
}

void TF_ConBasico::findNearest()
{
    RowsModel* model = m_grid->rowsModel();
    const auto& order = model->order();
    if (m_filterColumn < 0 || !order || model->isEmpty())
        return;
    const finance::ColumnKind kind = queryColumn(m_filterColumn).kind;
    if (kind == finance::ColumnKind::Date || kind == finance::ColumnKind::DateTime)
        return;
    const QString typed = m_edit->text();
    int target = 0;
    if (!typed.isEmpty()) {
        target = model->rowCount() - 1;
        for (int i = 0; i < model->rowCount(); ++i) {
            const auto c = compareTyped(model->row(i)[order->field], kind, typed);
            if (!c)
                return;
            if (order->descending ? *c <= 0 : *c >= 0) {
                target = i;
                break;
            }
        }
    }
    const int column = std::max(0, m_grid->currentIndex().column());
    m_grid->setCurrentIndex(model->index(target, column));
}

void TF_ConBasico::showCount()
{
    m_count->setText(QStringLiteral(" Quantidade de registros : %1").arg(m_grid->rowsModel()->rowCount()));
}

} // namespace fin::ui
