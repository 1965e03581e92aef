#include "finance/common/lookup.h"

#include "common/brformat.h"
#include "common/errors.h"
#include "data/database.h"

namespace fin::finance {

namespace {

StandardLookup partyLookup(const QString& table, const QString& thirdColumn, const QString& title)
{
    StandardLookup l;
    l.searchField = QStringLiteral("NOM_RAZAO_SOCIAL");
    l.selectList = QStringLiteral("NOM_RAZAO_SOCIAL \"Razão Social\", NOM_FANTASIA \"Fantasia\", ") + thirdColumn;
    l.incremental = true;
    l.title = title;
    l.returnText = QStringLiteral("S");
    l.table = table;
    l.order = QStringLiteral("NOM_RAZAO_SOCIAL");
    l.label = QStringLiteral("Razão Social");
    return l;
}

// Splits a select list at the commas that are outside quotes and brackets.
QStringList splitTopLevel(const QString& list)
{
    QStringList parts;
    QString current;
    int depth = 0;
    QChar quote;
    for (const QChar c : list) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (c == u',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

} // namespace

StandardLookup customerLookup()
{
    return partyLookup(QStringLiteral("CLIENTE"), QStringLiteral("COD_CLIENTE \"CODIGO\""),
                       QStringLiteral("Consulta Clientes"));
}

StandardLookup supplierLookup()
{
    return partyLookup(QStringLiteral("FORNECEDOR"), QStringLiteral("COD_FORNECEDOR \"CODIGO\""),
                       QStringLiteral("Consulta Fornecedores"));
}

StandardLookup customerForReceiptLookup()
{
    return partyLookup(QStringLiteral("CLIENTE"), QStringLiteral("COD_CNPJ_CIC \"CNPJ/CPF\""),
                       QStringLiteral("Consulta Clientes"));
}

StandardLookup supplierForReceiptLookup()
{
    return partyLookup(QStringLiteral("FORNECEDOR"), QStringLiteral("COD_CNPJ_CIC \"CNPJ/CPF\""),
                       QStringLiteral("Consulta Fornecedores"));
}

int declaredFieldLength(data::Database& db, const QString& table, const QString& field)
{
    return db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, QStringLiteral(
            "SELECT DADOSCAMPO.RDB$FIELD_LENGTH DATA_LENGTH\n"
            "  FROM RDB$RELATIONS TABELAS, RDB$RELATION_FIELDS CAMPOS, RDB$FIELDS DADOSCAMPO, RDB$TYPES TIPOS\n"
            " WHERE TABELAS.RDB$RELATION_NAME = :TABELA\n"
            "   AND TIPOS.RDB$FIELD_NAME = 'RDB$FIELD_TYPE'\n"
            "   AND TABELAS.RDB$RELATION_NAME = CAMPOS.RDB$RELATION_NAME\n"
            "   AND CAMPOS.RDB$FIELD_SOURCE = DADOSCAMPO.RDB$FIELD_NAME\n"
            "   AND CAMPOS.RDB$FIELD_NAME = :CAMPO\n"
            "   AND DADOSCAMPO.RDB$FIELD_TYPE = TIPOS.RDB$TYPE"));
        st.set(QStringLiteral("TABELA"), table.trimmed());
        st.set(QStringLiteral("CAMPO"), field.trimmed());
        const auto row = st.queryOne();
        return row ? row->at(0).toInt() : 0;
    });
}

QString standardLookupSql(const StandardLookup& lookup, SearchOption option)
{
    QStringList lines;
    lines << QStringLiteral("SELECT ") + lookup.selectList;
    lines << QStringLiteral("  FROM ") + lookup.table;
    lines << QStringLiteral(" WHERE ");
    lines << QString();
    QString condition;
    if (!lookup.extraCondition.trimmed().isEmpty())
        condition = lookup.extraCondition + QStringLiteral(" AND ");
    // The typed text is a value: STARTING WITH and CONTAINING take it
    // literally, so a quote, "%" or "_" is just a character of the name.
    condition += QStringLiteral("UPPER(") + lookup.searchField + u')';
    switch (option) {
    case SearchOption::StartingWith:
        condition += QStringLiteral(" STARTING WITH :PESQUISA");
        break;
    case SearchOption::EqualTo:
        condition += QStringLiteral(" = :PESQUISA");
        break;
    case SearchOption::Containing:
        condition += QStringLiteral(" CONTAINING :PESQUISA");
        break;
    }
    lines << condition;
    if (!lookup.order.isEmpty())
        lines << QStringLiteral("ORDER BY ") + lookup.order;
    return lines.join(u'\n');
}

QStringList selectListTitles(const QString& selectList)
{
    QStringList titles;
    for (const QString& part : splitTopLevel(selectList)) {
        if (part.endsWith(u'"')) {
            const qsizetype open = part.lastIndexOf(u'"', part.size() - 2);
            titles << part.mid(open + 1, part.size() - open - 2);
            continue;
        }
        // No quoted alias: the last word ("X AS Y", "T.X").
        QString word = part.section(u' ', -1);
        titles << word.section(u'.', -1);
    }
    return titles;
}

data::Rows searchStandardLookup(data::Database& db, const StandardLookup& lookup, SearchOption option,
                                const QString& typed)
{
    const QString sql = standardLookupSql(lookup, option);
    return db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, sql);
        st.set(QStringLiteral("PESQUISA"), typed.toUpper());
        return st.query();
    });
}

std::optional<SearchCondition> basicSearchCondition(const QueryColumn& column, const QString& typed)
{
    const QString text = typed.trimmed();
    if (column.field.isEmpty() || text.isEmpty())
        return std::nullopt;
    const QString& expr = column.expression.isEmpty() ? column.field : column.expression;
    switch (column.kind) {
    case ColumnKind::Date:
        if (const auto d = common::parseDate(text))
            return SearchCondition{QStringLiteral(" (") + expr + QStringLiteral(" = :VALOR) "), *d};
        return std::nullopt;
    case ColumnKind::DateTime:
        // A typed day finds the rows of that day, whatever their time.
        if (const auto d = common::parseDate(text))
            return SearchCondition{QStringLiteral(" (CAST(") + expr + QStringLiteral(" AS DATE) = :VALOR) "), *d};
        return std::nullopt;
    case ColumnKind::Text:
        return SearchCondition{QStringLiteral("(UPPER(") + expr + QStringLiteral(") CONTAINING :VALOR)"),
                               text.toUpper()};
    case ColumnKind::Integer: {
        bool ok = false;
        const qlonglong n = text.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return SearchCondition{u'(' + expr + QStringLiteral(" = :VALOR)"), static_cast<std::int64_t>(n)};
    }
    case ColumnKind::Numeric:
        if (const auto m = common::parseMoney(text))
            return SearchCondition{u'(' + expr + QStringLiteral(" = :VALOR)"), *m};
        return std::nullopt;
    case ColumnKind::Other:
        break;
    }
    return std::nullopt;
}

QString withCondition(const QString& baseSql, const QString& condition)
{
    if (condition.isEmpty())
        return baseSql;
    if (baseSql.toLower().contains(QStringLiteral("where")))
        return baseSql + QStringLiteral(" and ") + condition;
    return baseSql + QStringLiteral(" where ") + condition;
}

data::Rows runBasicQuery(data::Database& db, const QString& baseSql, const QueryColumn* column, const QString& typed)
{
    if (baseSql.trimmed().isEmpty())
        throw common::UserError(kNoInitialQuery);
    const auto condition = column ? basicSearchCondition(*column, typed) : std::nullopt;
    const QString sql = withCondition(baseSql, condition ? condition->sql : QString());
    return db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, sql);
        if (condition)
            st.set(QStringLiteral("VALOR"), condition->value);
        return st.query();
    });
}

BasicQuery managementAccountQuery()
{
    BasicQuery q;
    // Both tables have COD_GRUPO: the group's copy is named COD_GRUPO_1 and
    // every search names its table.
    q.sql = QStringLiteral(
        "select CONTA.DES_CONTA, CONTA.COD_CONTA, CONTA.COD_GRUPO, CONTA.TIPO, CONTA.INVESTIMENTO, "
        "GRUPO_CONTA.COD_GRUPO COD_GRUPO_1, GRUPO_CONTA.DES_GRUPO "
        "from CONTA, GRUPO_CONTA where CONTA.COD_GRUPO=GRUPO_CONTA.COD_GRUPO");
    q.columns = {
        {QStringLiteral("DES_CONTA"), QStringLiteral("CONTA.DES_CONTA"), ColumnKind::Text},
        {QStringLiteral("COD_CONTA"), QStringLiteral("CONTA.COD_CONTA"), ColumnKind::Integer},
        {QStringLiteral("COD_GRUPO"), QStringLiteral("CONTA.COD_GRUPO"), ColumnKind::Integer},
        {QStringLiteral("TIPO"), QStringLiteral("CONTA.TIPO"), ColumnKind::Text},
        {QStringLiteral("INVESTIMENTO"), QStringLiteral("CONTA.INVESTIMENTO"), ColumnKind::Text},
        {QStringLiteral("COD_GRUPO_1"), QStringLiteral("GRUPO_CONTA.COD_GRUPO"), ColumnKind::Integer},
        {QStringLiteral("DES_GRUPO"), QStringLiteral("GRUPO_CONTA.DES_GRUPO"), ColumnKind::Text},
    };
    return q;
}

} // namespace fin::finance
