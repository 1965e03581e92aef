#pragma once

#include "data/statement.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace fin::data {
class Database;
}

namespace fin::finance {

// ---- The standard lookup -------------------------------------------------

// What a caller hands the standard lookup. Every identifier here (field,
// select list, table, order, extra condition) comes from the program, never
// from the user; the typed text is always bound as a parameter.
struct StandardLookup {
    QString searchField;      // compared with the typed text; its declared length is read
    QString selectList;       // `COL "Alias", COL "Alias"`
    bool incremental = false; // search again on every change of the typed text
    QString title;            // appended to "Consulta " for the caption
    QString returnText;       // "S": hand the typed text back
    QString table;
    QString order;            // ORDER BY list; empty for none
    QString label;            // shown before the search box
    QString extraCondition;   // always applied; empty for none
};

// The search options, in the order of the option group.
enum class SearchOption { StartingWith = 0, EqualTo = 1, Containing = 2 };

// The lookups the program makes: result columns "Razão Social", "Fantasia"
// and "CODIGO" (or "CNPJ/CPF" for the receipt variants).
StandardLookup customerLookup();
StandardLookup supplierLookup();
StandardLookup customerForReceiptLookup();
StandardLookup supplierForReceiptLookup();

// The declared byte length of table.field from the system tables; 0 when
// the column is unknown.
int declaredFieldLength(data::Database& db, const QString& table, const QString& field);

// The statement of one search; the typed text is the parameter :PESQUISA.
QString standardLookupSql(const StandardLookup& lookup, SearchOption option);

// The column aliases of a select list, in order (the grid's titles when a
// search finds nothing).
QStringList selectListTitles(const QString& selectList);

// Runs one search. The comparison ignores letter case: the search box types
// upper case while names are stored as written.
data::Rows searchStandardLookup(data::Database& db, const StandardLookup& lookup, SearchOption option,
                                const QString& typed);

// ---- The generic query window --------------------------------------------

// How the search box text is compared with a column.
enum class ColumnKind { Text, Integer, Numeric, Date, DateTime, Other };

struct QueryColumn {
    QString field;       // the column's name in the result
    QString expression;  // how the statement names it (qualified when two tables share the name)
    ColumnKind kind = ColumnKind::Text;
};

// A base query and its columns, as a derived query window defines them.
struct BasicQuery {
    QString sql;
    std::vector<QueryColumn> columns;
};

// The condition a typed text adds for one column, with its bound value;
// nullopt when it adds none (empty text, a date or number that does not read).
struct SearchCondition {
    QString sql;       // uses :VALOR
    data::Value value;
};
std::optional<SearchCondition> basicSearchCondition(const QueryColumn& column, const QString& typed);

// The base query with the condition: " where " when it has none yet, else " and ".
QString withCondition(const QString& baseSql, const QString& condition);

inline const QString kNoInitialQuery = QStringLiteral("Não existe consulta inicial.");

// Every row of the base query that matches the typed text in `column`
// (all rows when there is no condition). An empty base query is refused
// with "Não existe consulta inicial.".
data::Rows runBasicQuery(data::Database& db, const QString& baseSql, const QueryColumn* column, const QString& typed);

// The management account lookup: accounts with their group.
BasicQuery managementAccountQuery();

} // namespace fin::finance
