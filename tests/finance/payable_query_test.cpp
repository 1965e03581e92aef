#include "payable_support.h"

#include "common/errors.h"
#include "finance/payable/errors.h"
#include "finance/payable/lists.h"
#include "tempdb.h"

using namespace fin;
using namespace fin::test::payable;
using finance::PayableFields;
using finance::PayableTexts;

namespace {

struct Refusal {
    QString message;
    QString field;
    bool clearsField = false;
    bool operator==(const Refusal&) const = default;
};

Refusal refusal(data::Database& db, const char* emp, const char* forn, const char* tipDoc)
{
    try {
        finance::searchOpenPayables(db, {QString::fromUtf8(emp), QString::fromUtf8(forn), QString::fromUtf8(tipDoc)});
    } catch (const finance::InvalidCodeError& e) {
        return {e.message(), e.field(), true};
    } catch (const common::UserError& e) {
        return {e.message(), e.field()};
    }
    return {};
}

} // namespace

TEST(PayableQuery, SearchMessages)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const Refusal empty{PayableTexts::searchFieldsEmpty, PayableFields::codEmp};
    EXPECT_EQ(refusal(tmp.db(), "1", "1", ""), empty);
    EXPECT_EQ(refusal(tmp.db(), "", "1", "2"), empty);
    EXPECT_EQ(refusal(tmp.db(), "1", " ", "2"), empty);
    // The message names the code that is wrong, and that field is emptied.
    EXPECT_EQ(refusal(tmp.db(), "1", " 1x ", "2"),
              (Refusal{QStringLiteral("Código inválido: 1x"), PayableFields::codFornecedor, true}));
    EXPECT_EQ(refusal(tmp.db(), "um", "1", "2"),
              (Refusal{QStringLiteral("Código inválido: um"), PayableFields::codEmp, true}));
    EXPECT_EQ(refusal(tmp.db(), "1", "1", "2,5"),
              (Refusal{QStringLiteral("Código inválido: 2,5"), PayableFields::codTipDoc, true}));

    const auto none = finance::searchOpenPayables(tmp.db(), {"1", "1", "3"});
    EXPECT_EQ(none.message, PayableTexts::notFound);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(none.lists.banks.empty());
}

TEST(PayableQuery, ListsOpenTitlesByDueDateWithTheSettlementLists)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const auto r = finance::searchOpenPayables(tmp.db(), {"1", "1", "2"});
    EXPECT_TRUE(r.message.isEmpty());
    ASSERT_EQ(r.rows.size(), 2u);
    ASSERT_EQ(r.titles.size(), 2u);
    EXPECT_EQ(r.rows.at(0).size(), 25);
    EXPECT_LT(r.titles[0].datVencimento, r.titles[1].datVencimento);
    const auto& t = r.titles[0];
    EXPECT_EQ(t.codDoc, 10231);
    EXPECT_EQ(t.codParc, 1);
    EXPECT_EQ(t.vlrTitulo, base::Money::fromUnits(1200));
    EXPECT_EQ(t.vlrJuroDiario, base::Money::fromCents(40));
    EXPECT_FALSE(t.vlrPgto.has_value());
    EXPECT_EQ(t.codComprador, 1);
    EXPECT_EQ(t.desTipDoc, QStringLiteral("DUPLICATA"));
    EXPECT_EQ(t.nomFornecedor, QStringLiteral("Laticínios Vale Verde S.A."));
    EXPECT_EQ(t.nomComprador, QStringLiteral("Renato Siqueira"));
    EXPECT_EQ(t.nomFantasiaEmpresa, QStringLiteral("Horizonte"));
    EXPECT_EQ(r.rows[0][QStringLiteral("DES_OBS")].toString(), QStringLiteral("Leite e derivados"));

    EXPECT_EQ(r.lists.banks.size(), 6u);
    EXPECT_EQ(r.lists.agencies.size(), 6u);
    EXPECT_EQ(r.lists.accounts.size(), 6u);
    ASSERT_FALSE(r.lists.histories.empty());
    for (const auto& h : r.lists.histories)
        EXPECT_EQ(h[QStringLiteral("TIP_DEBITO")].toString(), QStringLiteral("S"));
}

TEST(PayableQuery, WhichTitlesAreListed)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    // Entered without buyer (the demo's freight bill): listed, buyer name empty.
    const auto noBuyer = finance::searchOpenPayables(tmp.db(), {"1", "3", "3"});
    ASSERT_EQ(noBuyer.titles.size(), 1u);
    EXPECT_FALSE(noBuyer.titles[0].codComprador.has_value());
    EXPECT_TRUE(noBuyer.titles[0].nomComprador.isEmpty());
    // A buyer code that names nobody: listed as well.
    insertOpenTitle(tmp.db(), 501, "10");
    exec(tmp.db(), "UPDATE CONTA_PAGAR SET COD_COMPRADOR = 55 WHERE COD_DOC = 501");
    // Settled titles, and titles whose document type or company is missing, are not.
    insertOpenTitle(tmp.db(), 502, "10");
    exec(tmp.db(), "UPDATE CONTA_PAGAR SET DAT_PGTO_TOTAL = DATE '2031-03-01' WHERE COD_DOC = 502");
    insertOpenTitle(tmp.db(), 503, "10", 1, 97);
    exec(tmp.db(), "INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC, VLR_TITULO) "
                   "VALUES (8, 504, 1, 1, 2, 10)");

    QList<int> docs;
    for (const auto& t : finance::searchOpenPayables(tmp.db(), {"1", "1", "2"}).titles)
        docs << t.codDoc;
    EXPECT_TRUE(docs.contains(501));
    EXPECT_FALSE(docs.contains(502));
    EXPECT_EQ(finance::searchOpenPayables(tmp.db(), {"1", "1", "97"}).message, PayableTexts::notFound);
    EXPECT_EQ(finance::searchOpenPayables(tmp.db(), {"8", "1", "2"}).message, PayableTexts::notFound);
}

TEST(PayableQuery, LookupLists)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const auto entry = finance::loadPayableEntryLists(tmp.db());
    ASSERT_EQ(entry.companies.size(), 1u);
    EXPECT_EQ(entry.companies[0][QStringLiteral("NOM_RAZAO_SOCIAL")].toString(),
              QStringLiteral("Distribuidora Horizonte Ltda"));
    ASSERT_EQ(entry.suppliers.size(), 4u);
    for (std::size_t i = 1; i < entry.suppliers.size(); ++i)
        EXPECT_LE(entry.suppliers[i - 1][QStringLiteral("NOM_RAZAO_SOCIAL")].toString(),
                  entry.suppliers[i][QStringLiteral("NOM_RAZAO_SOCIAL")].toString());
    ASSERT_EQ(entry.buyers.size(), 2u);
    EXPECT_EQ(entry.buyers[0][QStringLiteral("DES_NOM")].toString(), QStringLiteral("Patrícia Gomes"));
    EXPECT_EQ(entry.documentTypes.size(), 5u);
    EXPECT_EQ(entry.managementAccounts.size(), 6u);
    EXPECT_TRUE(entry.managementAccounts[0].has(QStringLiteral("DES_GRUPO")));

    const auto top = finance::loadPayableQueryLists(tmp.db());
    EXPECT_EQ(top.companies.size(), 1u);
    EXPECT_EQ(top.suppliers.size(), 4u);
    EXPECT_EQ(top.documentTypes.size(), 5u);
}
