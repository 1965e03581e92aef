#include "common/errors.h"
#include "data/database.h"
#include "data/statement.h"
#include "finance/common/lookup.h"
#include "tempdb.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace fin;
using finance::ColumnKind;
using finance::SearchOption;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList column(const data::Rows& rows, const QString& name)
{
    QStringList out;
    for (const data::Row& r : rows)
        out << r[name].toString().trimmed();
    return out;
}

int count(data::Database& db, const QString& sql)
{
    data::Transaction tx(db);
    return data::Statement(tx, sql).queryOne()->at(0).toInt();
}

class DemoLookup : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new test::TempDb(test::TempDb::Content::Demo); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }
    data::Database& db() { return s_db->db(); }
    static test::TempDb* s_db;
};
test::TempDb* DemoLookup::s_db = nullptr;

} // namespace

TEST(StandardLookupSql, IsBuiltLineByLineWithTheTextAsAParameter)
{
    finance::StandardLookup l = finance::customerLookup();
    EXPECT_EQ(finance::standardLookupSql(l, SearchOption::StartingWith),
              QStringLiteral("SELECT NOM_RAZAO_SOCIAL \"Razão Social\", NOM_FANTASIA \"Fantasia\", COD_CLIENTE \"CODIGO\"\n"
                             "  FROM CLIENTE\n"
                             " WHERE \n"
                             "\n"
                             "UPPER(NOM_RAZAO_SOCIAL) STARTING WITH :PESQUISA\n"
                             "ORDER BY NOM_RAZAO_SOCIAL"));
    l.extraCondition = QStringLiteral("COD_EMP = 1");
    l.order.clear();
    EXPECT_EQ(finance::standardLookupSql(l, SearchOption::Containing).section(u'\n', 4),
              QStringLiteral("COD_EMP = 1 AND UPPER(NOM_RAZAO_SOCIAL) CONTAINING :PESQUISA"));
    EXPECT_TRUE(finance::standardLookupSql(l, SearchOption::EqualTo).endsWith(QStringLiteral(" = :PESQUISA")));
}

TEST(StandardLookupSql, TitlesOfASelectList)
{
    const struct {
        const char* list;
        QStringList titles;
    } cases[] = {
        {"NOM_RAZAO_SOCIAL \"Razão Social\", NOM_FANTASIA \"Fantasia\", COD_CLIENTE \"CODIGO\"",
         {"Razão Social", "Fantasia", "CODIGO"}},
        {"COD_CNPJ_CIC \"CNPJ/CPF\"", {"CNPJ/CPF"}},
        {"A, T.B, C AS D", {"A", "B", "D"}},
        {"COALESCE(A, B) \"X, Y\", E", {"X, Y", "E"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(finance::selectListTitles(QString::fromUtf8(c.list)), c.titles) << c.list;
}

TEST_F(DemoLookup, DeclaredLengthOfTheSearchField)
{
    EXPECT_EQ(finance::declaredFieldLength(db(), "CLIENTE", "NOM_RAZAO_SOCIAL"), 40);
    EXPECT_EQ(finance::declaredFieldLength(db(), "FORNECEDOR", "COD_CNPJ_CIC"), 18);
    EXPECT_EQ(finance::declaredFieldLength(db(), "CLIENTE", "NAO_EXISTE"), 0);
    EXPECT_EQ(finance::declaredFieldLength(db(), "CLIENTE' OR '1'='1", "NOM_RAZAO_SOCIAL"), 0);
}

TEST_F(DemoLookup, SearchesByOptionIgnoringLetterCase)
{
    const auto customers = finance::customerLookup();
    const auto suppliers = finance::supplierLookup();
    const struct {
        const finance::StandardLookup* lookup;
        SearchOption option;
        const char* typed;
        QStringList names;
    } cases[] = {
        {&customers, SearchOption::StartingWith, "",
         {"Empório Cerrado Alimentos Ltda", "José Antônio da Conceição", "Mercearia São Judas Tadeu ME",
          "Padaria D'Ouro Ltda", "Supermercado Bom Preço Ltda"}},
        {&customers, SearchOption::StartingWith, "PADARIA D'OURO", {"Padaria D'Ouro Ltda"}},
        {&customers, SearchOption::StartingWith, "JOSÉ", {"José Antônio da Conceição"}},
        {&customers, SearchOption::StartingWith, "josé ant", {"José Antônio da Conceição"}},
        {&customers, SearchOption::StartingWith, "LTDA", {}},
        {&customers, SearchOption::EqualTo, "PADARIA", {}},
        {&customers, SearchOption::EqualTo, "PADARIA D'OURO LTDA", {"Padaria D'Ouro Ltda"}},
        {&customers, SearchOption::Containing, "LTDA",
         {"Empório Cerrado Alimentos Ltda", "Padaria D'Ouro Ltda", "Supermercado Bom Preço Ltda"}},
        {&customers, SearchOption::Containing, "D'OURO", {"Padaria D'Ouro Ltda"}},
        {&customers, SearchOption::Containing, "SÃO", {"Mercearia São Judas Tadeu ME"}},
        // What would break or widen a spliced statement is only text here.
        {&customers, SearchOption::StartingWith, "X' OR '1'='1", {}},
        {&customers, SearchOption::Containing, "' OR 1=1 --", {}},
        {&customers, SearchOption::StartingWith, "%", {}},
        {&customers, SearchOption::Containing, "_", {}},
        {&suppliers, SearchOption::Containing, "CERRADO", {"Transportadora Rápido Cerrado Ltda"}},
        {&suppliers, SearchOption::StartingWith, "M", {"Moinho Goiás Farinhas Ltda"}},
    };
    for (const auto& c : cases) {
        const data::Rows rows = finance::searchStandardLookup(db(), *c.lookup, c.option, QString::fromUtf8(c.typed));
        EXPECT_EQ(column(rows, "Razão Social"), c.names) << c.typed << " option " << int(c.option);
    }
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM CLIENTE"), 5);
}

TEST_F(DemoLookup, ChosenRowIsReadByAlias)
{
    const auto rows = finance::searchStandardLookup(db(), finance::customerLookup(), SearchOption::Containing, "OURO");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["CODIGO"].toInt(), 2);
    EXPECT_EQ(rows[0]["Fantasia"].toString(), QStringLiteral("D'Ouro"));
    EXPECT_EQ(rows[0].columns().names, (QStringList{"Razão Social", "Fantasia", "CODIGO"}));

    const auto receipt =
        finance::searchStandardLookup(db(), finance::supplierForReceiptLookup(), SearchOption::StartingWith, "MOINHO");
    ASSERT_EQ(receipt.size(), 1u);
    EXPECT_EQ(receipt[0]["CNPJ/CPF"].toString().trimmed(), QStringLiteral("78.901.234/0001-56"));
}

TEST_F(DemoLookup, ExtraConditionAlwaysApplies)
{
    auto l = finance::customerLookup();
    l.extraCondition = QStringLiteral("COD_CLIENTE > 3");
    EXPECT_EQ(column(finance::searchStandardLookup(db(), l, SearchOption::StartingWith, ""), "CODIGO"),
              (QStringList{"5", "4"}));
}

TEST(BasicQuery, ConditionByColumnKind)
{
    const struct {
        ColumnKind kind;
        const char* typed;
        const char* sql;   // nullptr: no condition
        data::Value value;
    } cases[] = {
        {ColumnKind::Text, " elé ", "(UPPER(T.F) CONTAINING :VALOR)", QStringLiteral("ELÉ")},
        {ColumnKind::Text, "D'OURO", "(UPPER(T.F) CONTAINING :VALOR)", QStringLiteral("D'OURO")},
        {ColumnKind::Integer, "42", "(T.F = :VALOR)", std::int64_t(42)},
        {ColumnKind::Integer, "4 OR 1=1", nullptr, {}},
        {ColumnKind::Numeric, "1.234,56", "(T.F = :VALOR)", *base::Money::parse("1234.56")},
        {ColumnKind::Numeric, "abc", nullptr, {}},
        {ColumnKind::Date, "05/03/2031", " (T.F = :VALOR) ", base::Date::fromYmd(2031, 3, 5)},
        {ColumnKind::Date, "31/02/2031", nullptr, {}},
        {ColumnKind::Date, "amanhã", nullptr, {}},
        {ColumnKind::DateTime, "05/03/2031", " (CAST(T.F AS DATE) = :VALOR) ", base::Date::fromYmd(2031, 3, 5)},
        {ColumnKind::Other, "x", nullptr, {}},
        {ColumnKind::Text, "   ", nullptr, {}},
    };
    for (const auto& c : cases) {
        const auto cond = finance::basicSearchCondition({"F", "T.F", c.kind}, QString::fromUtf8(c.typed));
        if (!c.sql) {
            EXPECT_FALSE(cond) << c.typed;
            continue;
        }
        ASSERT_TRUE(cond) << c.typed;
        EXPECT_EQ(cond->sql, QString::fromUtf8(c.sql)) << c.typed;
        EXPECT_TRUE(cond->value == c.value) << c.typed;
    }
}

TEST(BasicQuery, ConditionJoinsWithWhereOrAnd)
{
    EXPECT_EQ(finance::withCondition("select * from A", "(X = :VALOR)"), "select * from A where (X = :VALOR)");
    EXPECT_EQ(finance::withCondition("select * from A WHERE B=1", "(X = :VALOR)"),
              "select * from A WHERE B=1 and (X = :VALOR)");
    EXPECT_EQ(finance::withCondition("select * from A", ""), "select * from A");
}

TEST_F(DemoLookup, ManagementAccountsSearchedByEveryColumn)
{
    const finance::BasicQuery q = finance::managementAccountQuery();
    auto find = [&](const QString& field, const char* typed) {
        for (const auto& c : q.columns)
            if (c.field == field) {
                QStringList codes = column(finance::runBasicQuery(db(), q.sql, &c, QString::fromUtf8(typed)), "COD_CONTA");
                codes.sort();
                return codes;
            }
        ADD_FAILURE() << field.toStdString();
        return QStringList();
    };
    const auto all = finance::runBasicQuery(db(), q.sql, nullptr, {});
    ASSERT_EQ(all.size(), 6u);
    QStringList names;
    for (const auto& c : q.columns)
        names << c.field;
    EXPECT_EQ(all[0].columns().names, names);

    EXPECT_EQ(find("DES_CONTA", "").size(), 6);
    EXPECT_EQ(find("DES_CONTA", "elé"), QStringList{"4"});
    EXPECT_EQ(find("DES_CONTA", "' or ''='"), QStringList{});
    EXPECT_EQ(find("COD_CONTA", "5"), QStringList{"5"});
    // COD_GRUPO is in both tables: each column searches its own.
    EXPECT_EQ(find("COD_GRUPO", "3"), (QStringList{"5", "6"}));
    EXPECT_EQ(find("COD_GRUPO_1", "1"), QStringList{"1"});
    EXPECT_EQ(find("INVESTIMENTO", "S"), QStringList{"6"});
    EXPECT_EQ(find("DES_GRUPO", "financeiras").size(), 2);
}

TEST(BasicQuery, TypedColumnsAndTheMissingInitialQuery)
{
    test::TempDb tmp(test::TempDb::Content::Empty);
    tmp.db().executeImmediate("CREATE TABLE T (N INTEGER, D DATE, TS TIMESTAMP, V NUMERIC(15,2))");
    tmp.db().executeImmediate("INSERT INTO T VALUES (1, DATE '2031-03-05', TIMESTAMP '2031-03-05 14:30:00', 1234.56)");
    tmp.db().executeImmediate("INSERT INTO T VALUES (2, DATE '2031-03-06', TIMESTAMP '2031-03-06 00:00:00', 10)");
    const QString sql = "select * from T";
    auto ns = [&](finance::QueryColumn c, const char* typed) {
        return column(finance::runBasicQuery(tmp.db(), sql, &c, QString::fromUtf8(typed)), "N");
    };
    EXPECT_EQ(ns({"D", "D", ColumnKind::Date}, "05/03/2031"), QStringList{"1"});
    EXPECT_EQ(ns({"D", "D", ColumnKind::Date}, "99/99/2031"), (QStringList{"1", "2"}));
    EXPECT_EQ(ns({"TS", "TS", ColumnKind::DateTime}, "5/3/2031"), QStringList{"1"});
    EXPECT_EQ(ns({"V", "V", ColumnKind::Numeric}, "1.234,56"), QStringList{"1"});
    EXPECT_EQ(ns({"V", "V", ColumnKind::Numeric}, "10"), QStringList{"2"});

    for (const char* empty : {"", "   "}) {
        try {
            finance::runBasicQuery(tmp.db(), QString::fromUtf8(empty), nullptr, {});
            ADD_FAILURE() << "an empty initial query ran";
        } catch (const common::UserError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Não existe consulta inicial."));
        }
    }
}
