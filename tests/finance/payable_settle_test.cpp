#include "payable_support.h"

#include "common/brformat.h"
#include "common/errors.h"
#include "data/errors.h"
#include "finance/payable/errors.h"
#include "tempdb.h"

using namespace fin;
using namespace fin::test::payable;
using finance::PayableFields;
using finance::PayableTexts;
using Exit = finance::PayablePaymentExit;
using Type = finance::PayablePaymentType;

namespace {

std::pair<QString, QString> refusal(data::Database& db, const finance::PayableTitle& t,
                                    const finance::PayableSettlementInput& s)
{
    try {
        EXPECT_EQ(finance::SettlePayableTitle(db, t, s, kToday).message, PayableTexts::settled);
        return {};
    } catch (const common::UserError& e) {
        return {e.message(), e.field()};
    }
}

finance::PayableSettlementInput bankSettlement(const char* paid)
{
    auto s = settlement(paid);
    s.tipoSaida = Exit::Banco;
    s.codBanco = QStringLiteral("237");
    s.codAgencia = QStringLiteral("0512");
    s.codContaCorrente = QStringLiteral("0098765");
    s.codHistorico = QStringLiteral("12");
    return s;
}

data::Row history(data::Database& db, int doc)
{
    return query(db, "SELECT * FROM HIST_CONTA_PAGAR WHERE COD_DOC = :DOC", {{"DOC", doc}}).at(0);
}

data::Row title(data::Database& db, int doc)
{
    return query(db, "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = :DOC", {{"DOC", doc}}).at(0);
}

} // namespace

TEST(PayableSettlement, AmountPaidAgainstTheTitleValue)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    struct Case {
        const char* paid;
        Type type;
        bool settled;
    };
    const Case cases[] = {
        {"100,00", Type::Total, true},   {"99,99", Type::Total, false},  {"99,99", Type::Parcial, false},
        {"100,00", Type::Parcial, true}, {"150,25", Type::Total, true},  {"", Type::Total, false},
    };
    int doc = 600;
    for (const Case& c : cases) {
        insertOpenTitle(tmp.db(), ++doc, "100.00");
        const auto t = listed(tmp.db(), doc);
        auto s = settlement(c.paid);
        s.tipoPagamento = c.type;
        const Written before = written(tmp.db());
        const auto result = refusal(tmp.db(), t, s);
        if (c.settled) {
            EXPECT_TRUE(result.first.isEmpty()) << c.paid << ": " << result.first.toStdString();
            EXPECT_EQ(query(tmp.db(), "SELECT VLR_MOVIMENTO FROM MOVIMENTO_CAIXA WHERE DES_COMPLEMENTO STARTING "
                                      "'PAGTO' ORDER BY COD_MOVIMENTO DESC").at(0).at(0).toMoney(),
                      *common::parseMoney(QString::fromUtf8(c.paid)));
        } else {
            EXPECT_EQ(result, std::make_pair(PayableTexts::paidBelowTitle, PayableFields::vlrPago)) << c.paid;
            EXPECT_EQ(written(tmp.db()), before) << c.paid;
        }
    }
}

TEST(PayableSettlement, CashWhenNoExitIsChosen)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    // A supplier name of 40 characters: the movement text is cut at 50.
    const QString name = QStringLiteral("DISTRIBUIDORA DE BEBIDAS CERRADO GOIANO");
    const QString name40 = name + QStringLiteral("S");
    ASSERT_EQ(name40.size(), 40);
    exec(tmp.db(), "INSERT INTO FORNECEDOR (COD_EMP, COD_FORNECEDOR, NOM_RAZAO_SOCIAL) VALUES (1, 40, :NOME)",
         {{"NOME", name40}});
    insertOpenTitle(tmp.db(), 700, "250.00", 40, 2, "OBS ORIGINAL");
    const auto t = listed(tmp.db(), 700, 40);

    auto s = settlement("250,00");
    s.vlrJuro = QStringLiteral("3,10");   // fine left empty
    ASSERT_FALSE(s.tipoSaida.has_value());
    const auto out = finance::SettlePayableTitle(tmp.db(), t, s, kToday);
    EXPECT_EQ(out.message, PayableTexts::settled);

    const auto m = query(tmp.db(), "SELECT * FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K", {{"K", out.key}}).at(0);
    EXPECT_EQ(m["COD_EMP"].toInt(), 1);
    EXPECT_EQ(m["COD_CAIXA"].toInt(), 1);
    EXPECT_EQ(m["COD_HISTORICO"].toInt(), 1);
    EXPECT_EQ(m["VLR_MOVIMENTO"].toMoney(), base::Money::fromUnits(250));
    EXPECT_EQ(m["DATA_MOVIMENTO"].toDate(), kToday);
    EXPECT_EQ(m["DES_COMPLEMENTO"].toString(), QStringLiteral("PAGTO AO FORNECEDOR - ") + name40.left(28));
    EXPECT_TRUE(m["LANC_INDIVIDUAL"].isNull());
    EXPECT_TRUE(m["COD_CONTA"].isNull());
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM MOVIMENTO_BANCO WHERE COD_MOVIMENTO = :K", {{"K", out.key}}), 0);

    // History row and movement share the key.
    const auto h = history(tmp.db(), 700);
    EXPECT_EQ(h["COD_HISTORICO"].toDateTime(), out.key);
    EXPECT_EQ(h["STA_BAIXA"].toString(), QStringLiteral("S"));
    for (const char* empty : {"STA_BX_PARCIAL", "STA_ALT_VENC", "STA_ABATIMENTO", "STA_INCLUIR", "STA_CANCELA",
                              "COD_BANCO_PAGTO", "COD_AG_PAGTO", "COD_CONTA_PAGTO", "COD_COMPRADOR", "COD_PEDIDO",
                              "COD_USUARIO", "VLR_DESCONTO", "PER_MULTA"})
        EXPECT_TRUE(h[QString::fromUtf8(empty)].isNull()) << empty;
    EXPECT_EQ(h["DAT_PGTO_TOTAL"].toDate(), base::Date::fromYmd(2031, 3, 12));
    EXPECT_EQ(h["VLR_PGTO"].toMoney(), base::Money::fromUnits(250));
    EXPECT_FALSE(h["VLR_MULTA_PG"].isNull());
    EXPECT_EQ(h["VLR_MULTA_PG"].toMoney(), base::Money{});
    EXPECT_EQ(h["VLR_JURO_PG"].toMoney(), base::Money::fromCents(310));
    EXPECT_EQ(h["DES_OBS"].toString(), PayableTexts::defaultComplement);
    EXPECT_EQ(h["DES_OBS_TITULO"].toString(), QStringLiteral("OBS ORIGINAL"));
    EXPECT_EQ(h["VLR_TITULO"].toMoney(), base::Money::fromUnits(250));
    EXPECT_EQ(h["VLR_NOTA_FICAL"].toMoney(), base::Money::fromUnits(500));
    EXPECT_EQ(h["VLR_JURO_DIARIO"].toMoney(), base::Money::fromCents(15));
    EXPECT_EQ(h["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 4, 10));
    EXPECT_EQ(h["COD_TIP_DOC"].toInt(), 2);

    const auto r = title(tmp.db(), 700);
    EXPECT_EQ(r["DAT_PGTO_TOTAL"].toDate(), base::Date::fromYmd(2031, 3, 12));
    EXPECT_EQ(r["VLR_PGTO"].toMoney(), base::Money::fromUnits(250));
    EXPECT_TRUE(r["VLR_MULTA_PG"].isNull());
    EXPECT_EQ(r["VLR_JURO_PG"].toMoney(), base::Money::fromCents(310));
    EXPECT_TRUE(r["COD_BANCO_PAGTO"].isNull());
    EXPECT_EQ(finance::searchOpenPayables(tmp.db(), {"1", "40", "2"}).message, PayableTexts::notFound);
}

TEST(PayableSettlement, ParcialToABankClosesTheTitleLikeTotal)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const auto t = listed(tmp.db(), 10231);
    auto s = bankSettlement("1.200,00");
    s.tipoPagamento = Type::Parcial;
    s.vlrMulta = QStringLiteral("24,00");
    s.complemento = QStringLiteral("PAGTO DUPLICATA 10231/1");
    const auto out = finance::SettlePayableTitle(tmp.db(), t, s, kToday);

    const auto m = query(tmp.db(), "SELECT * FROM MOVIMENTO_BANCO WHERE COD_MOVIMENTO = :K", {{"K", out.key}}).at(0);
    EXPECT_EQ(m["COD_BANCO"].toInt(), 237);
    EXPECT_EQ(m["COD_AGENCIA"].toString(), QStringLiteral("0512"));
    EXPECT_EQ(m["COD_CONTA_CORRENTE"].toString(), QStringLiteral("0098765"));
    EXPECT_EQ(m["COD_HISTORICO"].toInt(), 12);
    EXPECT_EQ(m["DES_COMPLEMENTO"].toString(), s.complemento);
    EXPECT_EQ(m["VLR_MOVIMENTO"].toMoney(), base::Money::fromUnits(1200));
    EXPECT_EQ(m["DATA_MOVIMENTO"].toDate(), kToday);
    EXPECT_TRUE(m["LANC_INDIVIDUAL"].isNull());
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K", {{"K", out.key}}), 0);

    const auto h = query(tmp.db(), "SELECT * FROM HIST_CONTA_PAGAR WHERE COD_HISTORICO = :K", {{"K", out.key}}).at(0);
    EXPECT_EQ(h["STA_BX_PARCIAL"].toString(), QStringLiteral("S"));
    EXPECT_TRUE(h["STA_BAIXA"].isNull());
    EXPECT_EQ(h["COD_BANCO_PAGTO"].toInt(), 237);
    EXPECT_EQ(h["COD_AG_PAGTO"].toString(), QStringLiteral("0512"));
    EXPECT_EQ(h["COD_CONTA_PAGTO"].toString(), QStringLiteral("0098765"));
    EXPECT_EQ(h["VLR_MULTA_PG"].toMoney(), base::Money::fromUnits(24));

    const auto r = query(tmp.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 10231 AND COD_PARC = 1").at(0);
    EXPECT_EQ(r["DAT_PGTO_TOTAL"].toDate(), base::Date::fromYmd(2031, 3, 12));
    EXPECT_EQ(r["COD_BANCO_PAGTO"].toInt(), 237);
    EXPECT_EQ(r["COD_AG_PAGTO"].toString(), QStringLiteral("0512"));
    EXPECT_EQ(r["COD_CONTA_PAGTO"].toString(), QStringLiteral("0098765"));
    EXPECT_EQ(r["VLR_MULTA_PG"].toMoney(), base::Money::fromUnits(24));
    // Nothing remains open of it; the second parcel is still listed.
    const auto after = finance::searchOpenPayables(tmp.db(), {"1", "1", "2"});
    ASSERT_EQ(after.titles.size(), 1u);
    EXPECT_EQ(after.titles[0].codParc, 2);

    // No type chosen: closed as well, with neither flag.
    auto none = bankSettlement("1200");
    none.tipoPagamento.reset();
    const auto out2 = finance::SettlePayableTitle(tmp.db(), after.titles[0], none, kToday);
    const auto h2 = query(tmp.db(), "SELECT * FROM HIST_CONTA_PAGAR WHERE COD_HISTORICO = :K", {{"K", out2.key}}).at(0);
    EXPECT_TRUE(h2["STA_BAIXA"].isNull());
    EXPECT_TRUE(h2["STA_BX_PARCIAL"].isNull());
}

TEST(PayableSettlement, BadInputIsRefusedBeforeAnythingIsWritten)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    const auto t = listed(tmp.db(), 10231);
    struct Case {
        finance::PayableSettlementInput in;
        QString message;
        const QString& field;
    };
    auto bank = [](void (*change)(finance::PayableSettlementInput&)) {
        auto s = bankSettlement("1200,00");
        change(s);
        return s;
    };
    auto cash = [](void (*change)(finance::PayableSettlementInput&)) {
        auto s = settlement("1200,00");
        change(s);
        return s;
    };
    const Case cases[] = {
        {bank([](auto& s) { s.codContaCorrente.clear(); }), PayableTexts::bankDataRequired, PayableFields::codBanco},
        {bank([](auto& s) { s.codBanco = QStringLiteral(" "); }), PayableTexts::bankDataRequired, PayableFields::codBanco},
        {bank([](auto& s) { s.codAgencia.clear(); }), PayableTexts::bankDataRequired, PayableFields::codBanco},
        // The bank check comes first, as on the screen.
        {bank([](auto& s) { s.codBanco.clear(); s.vlrPago = QStringLiteral("1"); }), PayableTexts::bankDataRequired,
         PayableFields::codBanco},
        {bank([](auto& s) { s.codBanco = QStringLiteral("BB"); }), QStringLiteral("Código do banco inválido: BB"),
         PayableFields::codBanco},
        {bank([](auto& s) { s.codContaCorrente = QStringLiteral("45678"); }), PayableTexts::unknownBankAccount,
         PayableFields::codContaCorrente},
        {cash([](auto& s) { s.dataPagto = QStringLiteral("  /  /    "); }), PayableTexts::invalidPaymentDate,
         PayableFields::dataPagto},
        {cash([](auto& s) { s.dataPagto = QStringLiteral("31/02/2031"); }), PayableTexts::invalidPaymentDate,
         PayableFields::dataPagto},
        {cash([](auto& s) { s.codHistorico.clear(); }), PayableTexts::historyRequired, PayableFields::codHistorico},
        {cash([](auto& s) { s.codHistorico = QStringLiteral("1a"); }), QStringLiteral("Código inválido: 1a"),
         PayableFields::codHistorico},
        {cash([](auto& s) { s.codHistorico = QStringLiteral("3"); }),   // a credit code
         QStringLiteral("Histórico financeiro de débito não cadastrado: 3"), PayableFields::codHistorico},
        {cash([](auto& s) { s.codHistorico = QStringLiteral("404"); }),
         QStringLiteral("Histórico financeiro de débito não cadastrado: 404"), PayableFields::codHistorico},
        {cash([](auto& s) { s.vlrPago = QStringLiteral("mil"); }), QStringLiteral("Valor inválido: mil"),
         PayableFields::vlrPago},
        {cash([](auto& s) { s.vlrMulta = QStringLiteral("-1,00"); }), PayableTexts::multaNegative, PayableFields::vlrMulta},
        {cash([](auto& s) { s.vlrJuro = QStringLiteral("x"); }), QStringLiteral("Valor inválido: x"), PayableFields::vlrJuro},
        {cash([](auto& s) { s.complemento = QString(81, u'C'); }), PayableTexts::textTooLong, PayableFields::complemento},
    };
    const Written before = written(tmp.db());
    for (const Case& c : cases)
        EXPECT_EQ(refusal(tmp.db(), t, c.in), std::make_pair(c.message, c.field)) << c.message.toStdString();
    EXPECT_EQ(written(tmp.db()), before);
    // The bank account exists: accepted.
    EXPECT_EQ(refusal(tmp.db(), t, bankSettlement("1200,00")), (std::pair<QString, QString>{}));
}

TEST(PayableSettlement, ATitleChangedByAnotherWorkstationSinceTheSearchIsRefused)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    data::Database other = tmp.attachAgain();
    const auto first = listed(tmp.db(), 10231, 1, 2, 1);
    const auto second = listed(tmp.db(), 10231, 1, 2, 2);

    // Settled elsewhere between our search and our settlement.
    finance::SettlePayableTitle(other, listed(other, 10231, 1, 2, 1), settlement("1200"), kToday);
    // Its value changed elsewhere (still open, but not as we listed it).
    finance::ChangePayableValue(other, listed(other, 10231, 1, 2, 2), QStringLiteral("1100"), QStringLiteral("ACORDO"));

    const Written before = written(tmp.db());
    for (const auto* t : {&first, &second}) {
        try {
            finance::SettlePayableTitle(tmp.db(), *t, settlement("1200"), kToday);
            ADD_FAILURE() << "settled a title that changed";
        } catch (const finance::TitleChangedError& e) {
            EXPECT_EQ(e.message(), PayableTexts::titleChanged);
        }
    }
    EXPECT_EQ(written(tmp.db()), before);

    // Held by another workstation's unfinished change: refused after the lock wait.
    const auto third = listed(tmp.db(), 5520, 2, 2);
    data::Transaction holding(other);
    data::Statement(holding, QStringLiteral("UPDATE CONTA_PAGAR SET DES_OBS = 'EM USO' WHERE COD_DOC = 5520")).execute();
    try {
        finance::SettlePayableTitle(tmp.db(), third, settlement("845,30"), kToday);
        ADD_FAILURE() << "settled a title another workstation holds";
    } catch (const finance::TitleChangedError& e) {
        EXPECT_EQ(e.message(), PayableTexts::titleBusy);
    }
    holding.rollback();
    EXPECT_EQ(written(tmp.db()), before);
    // Searched again, it settles.
    EXPECT_EQ(refusal(tmp.db(), listed(tmp.db(), 5520, 2, 2), settlement("845,30")), (std::pair<QString, QString>{}));
}

TEST(PayableSettlement, AFailurePartWayLeavesNothing)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    tmp.db().executeImmediate(QStringLiteral("CREATE EXCEPTION E_CAIXA_FECHADO 'caixa fechado'"));
    tmp.db().executeImmediate(QStringLiteral(
        "CREATE TRIGGER T_CAIXA_FECHADO FOR MOVIMENTO_CAIXA BEFORE INSERT AS BEGIN EXCEPTION E_CAIXA_FECHADO; END"));
    const auto t = listed(tmp.db(), 10231);
    const Written before = written(tmp.db());
    EXPECT_THROW(finance::SettlePayableTitle(tmp.db(), t, settlement("1200"), kToday), data::DbError);
    EXPECT_EQ(written(tmp.db()), before);
    EXPECT_TRUE(title(tmp.db(), 10231)["VLR_PGTO"].isNull());
    // The same listed row still settles once the cause is gone.
    tmp.db().executeImmediate(QStringLiteral("DROP TRIGGER T_CAIXA_FECHADO"));
    EXPECT_EQ(refusal(tmp.db(), t, settlement("1200")), (std::pair<QString, QString>{}));
}

TEST(PayableSettlement, AKeyTakenInEitherTableRetriesBothRows)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    // The first movement insert collides on a key, as when another
    // workstation took the same millisecond; the history row written just
    // before it must go back with it and both be written again.
    tmp.db().executeImmediate(QStringLiteral("CREATE SEQUENCE G_TENTATIVA"));
    tmp.db().executeImmediate(QStringLiteral("CREATE TABLE K_OCUPADA (N INTEGER NOT NULL PRIMARY KEY)"));
    exec(tmp.db(), "INSERT INTO K_OCUPADA VALUES (1)");
    tmp.db().executeImmediate(QStringLiteral(
        "CREATE TRIGGER T_COLIDE FOR MOVIMENTO_CAIXA BEFORE INSERT AS BEGIN "
        "IF (GEN_ID(G_TENTATIVA, 1) = 1) THEN INSERT INTO K_OCUPADA VALUES (1); END"));

    const auto out = finance::SettlePayableTitle(tmp.db(), listed(tmp.db(), 10231), settlement("1200"), kToday);
    EXPECT_EQ(count(tmp.db(), "SELECT GEN_ID(G_TENTATIVA, 0) FROM RDB$DATABASE"), 2);
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM HIST_CONTA_PAGAR"), 1);
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM HIST_CONTA_PAGAR WHERE COD_HISTORICO = :K", {{"K", out.key}}), 1);
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K", {{"K", out.key}}), 1);
}
