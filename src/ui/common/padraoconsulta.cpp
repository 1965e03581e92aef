#include "ui/common/padraoconsulta.h"

#include "ui/common/forms.h"

#include "ui/common/modal.h"

#include "ui/common/enter_nav.h"
#include "ui/common/grid.h"
#include "ui/common/guard.h"
#include "ui/common/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

namespace fin::ui {

namespace {

// The search box types upper case only.

ColumnFormat formatOf(const data::Rows& rows, const QString& column)
{
    if (rows.empty())
        return ColumnFormat::Text;
    const auto& v = rows.front()[column].variant();
    if (std::holds_alternative<std::int32_t>(v) || std::holds_alternative<std::int64_t>(v))
        return ColumnFormat::Integer;
    if (std::holds_alternative<base::Money>(v))
        return ColumnFormat::Money;
    if (std::holds_alternative<base::Date>(v))
        return ColumnFormat::Date;
    if (std::holds_alternative<base::DateTime>(v))
        return ColumnFormat::DateTime;
    return ColumnFormat::Text;
}

const data::Rows kNoRows;

} // namespace

Tfrm_padraoconsulta::Tfrm_padraoconsulta(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frm_padraoconsulta"));
    resize(640, 420);

    auto* options = new QGroupBox(QStringLiteral("Opções"), this);
    options->setObjectName(QStringLiteral("RadioGroup_Opcoes"));
    auto* optionsLayout = new QHBoxLayout(options);
    m_options = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("  Começando com"), QStringLiteral("  Igual a"),
                                QStringLiteral("  Possuindo")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(captions[i], options);
        r->setObjectName(QStringLiteral("rbOpcao%1").arg(i));
        m_options->addButton(r, i);
        optionsLayout->addWidget(r, 1);
    }
    m_options->button(0)->setChecked(true);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label_Pesquisa"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit_Pesquisa"));
    setUpperCase(m_edit);
    m_label->setBuddy(m_edit);
    m_dots = new QPushButton(QStringLiteral("..."), this);
    m_dots->setObjectName(QStringLiteral("BitBtn_Pontos"));
    m_dots->setFixedWidth(28);
    m_dots->setAutoDefault(false);
    markBitmapButton(m_dots);

    m_grid = new ReadOnlyGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid_Pesquisa"));
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn_OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn_Cancelar"));
    m_cancel->setAutoDefault(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_label);
    searchRow->addWidget(m_edit, 1);
    searchRow->addWidget(m_dots);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addLayout(searchRow);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_dots->installEventFilter(this);
    m_edit->installEventFilter(this);
    onSignal(m_edit, &QLineEdit::textChanged, this, [this] {
        if (m_lookup.incremental)
            search();
    });
    onSignal(m_ok, &QPushButton::clicked, this, [this] { confirm(); });
    onSignal(m_grid, &QAbstractItemView::doubleClicked, this, [this] { confirm(); });
    onSignal(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

bool Tfrm_padraoconsulta::PADRAOCONSULTA(const QString& campo, const QString& select, bool incremental,
                                         const QString& titulo, const QString& retornaTexto, const QString& tabela,
                                         const QString& ordem, const QString& label, const QString& condicao)
{
    return PADRAOCONSULTA(
        finance::StandardLookup{campo, select, incremental, titulo, retornaTexto, tabela, ordem, label, condicao});
}

bool Tfrm_padraoconsulta::PADRAOCONSULTA(const finance::StandardLookup& lookup)
{
    configure(lookup);
    runModal(*this);
    return m_confirmed;
}

void Tfrm_padraoconsulta::configure(const finance::StandardLookup& lookup)
{
    m_lookup = lookup;
    m_fieldLength = finance::declaredFieldLength(m_session.schema().database(), lookup.table, lookup.searchField);
}

const data::Rows& Tfrm_padraoconsulta::Query_Pesquisa() const
{
    return m_open ? m_grid->rowsModel()->rows() : kNoRows;
}

std::optional<data::Row> Tfrm_padraoconsulta::chosenRow() const
{
    const data::Rows& rows = Query_Pesquisa();
    if (rows.empty())
        return std::nullopt;
    const int current = m_grid->currentRow();
    return rows.at(static_cast<std::size_t>(current < 0 ? 0 : current));
}

void Tfrm_padraoconsulta::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        display();
}

void Tfrm_padraoconsulta::display()
{
    setWindowTitle(QStringLiteral("Consulta ") + m_lookup.title);
    m_label->setText(m_lookup.label);
    // Emptying the box is a change of the typed text: in incremental mode it
    // runs one search, which enables OK; the result is then closed anyway.
    {
        const QSignalBlocker quiet(m_edit);
        m_edit->clear();
    }
    m_ok->setEnabled(m_lookup.incremental);
    m_edit->setFocus();
    closeResult();
    m_confirmed = false;
    m_returnedText.clear();
}

void Tfrm_padraoconsulta::closeResult()
{
    m_open = false;
    m_grid->rowsModel()->clear();
    m_grid->setColumns({});
}

void Tfrm_padraoconsulta::search()
{
    closeResult();
    const auto option = static_cast<finance::SearchOption>(std::max(0, m_options->checkedId()));
    data::Rows rows =
        finance::searchStandardLookup(m_session.schema().database(), m_lookup, option, m_edit->text());
    const QStringList titles =
        rows.empty() ? finance::selectListTitles(m_lookup.selectList) : rows.front().columns().names;
    std::vector<GridColumn> columns;
    for (const QString& t : titles)
        columns.push_back(GridColumn{t, t, -1, formatOf(rows, t)});
    m_grid->setColumns(columns);
    m_grid->rowsModel()->setRows(std::move(rows));
    m_open = true;
    m_grid->resizeColumnsToContents();
    for (int i = 0; i < static_cast<int>(titles.size()); ++i) {
        const QString name = titles[i].toUpper();
        if ((name.contains(QStringLiteral("DESCR")) || name.contains(QStringLiteral("NOME"))) && m_fieldLength > 0)
            m_grid->setColumnWidth(i, m_fieldLength * 10);
        else if (m_grid->columnWidth(i) > 320)
            m_grid->setColumnWidth(i, 320);
    }
    if (!m_grid->rowsModel()->isEmpty())
        m_grid->setCurrentIndex(m_grid->rowsModel()->index(0, 0));
    m_ok->setEnabled(true);
    if (!(m_lookup.incremental && m_edit->hasFocus()))
        m_grid->setFocus();
}

void Tfrm_padraoconsulta::confirm()
{
    if (m_open && !m_grid->rowsModel()->isEmpty())
        accept();
    else
        reject();
}

void Tfrm_padraoconsulta::done(int result)
{
    m_confirmed = result == QDialog::Accepted;
    m_returnedText = m_confirmed && m_lookup.returnText == QStringLiteral("S") ? m_edit->text() : QString();
    QDialog::done(result);
}

void Tfrm_padraoconsulta::moveCurrent(int delta)
{
    const int count = m_grid->rowsModel()->rowCount();
    if (!m_open || count == 0)
        return;
    const int row = std::clamp(m_grid->currentRow() + delta, 0, count - 1);
    m_grid->setCurrentIndex(m_grid->rowsModel()->index(row, std::max(0, m_grid->currentIndex().column())));
}

bool Tfrm_padraoconsulta::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dots && event->type() == QEvent::FocusIn) {
        // Only a move of the focus onto the button searches, not the window
        // getting active again (after an error box, say).
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            guarded(this, [this] { search(); });
    } else if (watched == m_edit && event->type() == QEvent::KeyPress && m_lookup.incremental) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            moveCurrent(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace fin::ui
