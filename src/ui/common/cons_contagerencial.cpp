#include "ui/common/cons_contagerencial.h"

#include "ui/common/session.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>

namespace fin::ui {

namespace {

// A width of `chars` characters, never narrower than the title.
int widthFor(const QWidget* grid, const QString& title, int chars)
{
    const QFontMetrics fm(grid->font());
    return std::max(fm.averageCharWidth() * chars, fm.horizontalAdvance(title)) + 12;
}

} // namespace

TF_ConsContasGerenciais::TF_ConsContasGerenciais(Session& session, QWidget* parent)
    : TF_ConBasico(session, parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("F_ConsContasGerenciais"));
    setWindowTitle(QStringLiteral("K.V.T - [Consulta conta gerencial]"));
    const ReadOnlyGrid* g = grid();
    auto column = [g](const char* field, const QString& title, int chars, ColumnFormat format) {
        return GridColumn{QString::fromLatin1(field), title, chars > 0 ? widthFor(g, title, chars) : -1, format};
    };
    setBaseQuery(finance::managementAccountQuery(),
                 {column("DES_CONTA", QStringLiteral("Descrição da Conta"), 40, ColumnFormat::Text),
                  column("COD_CONTA", QStringLiteral("Cód. Conta"), 0, ColumnFormat::Integer),
                  column("COD_GRUPO", QStringLiteral("Cód. Grupo"), 0, ColumnFormat::Integer),
                  column("TIPO", QStringLiteral("Tipo"), 1, ColumnFormat::Text),
                  column("INVESTIMENTO", QStringLiteral("Invest."), 1, ColumnFormat::Text),
                  column("COD_GRUPO_1", QStringLiteral("Cód. Grupo"), 0, ColumnFormat::Integer),
                  column("DES_GRUPO", QStringLiteral("Descrição do Grupo"), 40, ColumnFormat::Text)});
    grid()->enableCellHint();
    grid()->installEventFilter(this);
}

void TF_ConsContasGerenciais::done(int result)
{
    if (const auto row = currentRecord()) {
        m_session.filtro().codConta = (*row)[QStringLiteral("COD_CONTA")].toInt();
        m_session.filtro().desConta = (*row)[QStringLiteral("DES_CONTA")].toString();
    }
    TF_ConBasico::done(result);
}

bool TF_ConsContasGerenciais::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return TF_ConBasico::eventFilter(watched, event);
}

} // namespace fin::ui
