#include "payable_support.h"

#include "common/errors.h"
#include "data/errors.h"
#include "finance/payable/errors.h"
#include "tempdb.h"

using namespace fin;
using namespace fin::test::payable;
using finance::PayableFields;
using finance::PayableTexts;

namespace {

data::Row historyAt(data::Database& db, const base::DateTime& key)
{
    return query(db, "SELECT * FROM HIST_CONTA_PAGAR WHERE COD_HISTORICO = :K", {{"K", key}}).at(0);
}

data::Row title(data::Database& db, int doc)
{
    return query(db, "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = :DOC AND COD_PARC = 1", {{"DOC", doc}}).at(0);
}

} // namespace

TEST(PayableAdjustment, DueDateChangeWritesTheNewDateAndAHistoryRow)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    insertOpenTitle(tmp.db(), 800, "320.00");
    exec(tmp.db(), "UPDATE CONTA_PAGAR SET VLR_JURO_PG = 1.5 WHERE COD_DOC = 800");
    const auto t = listed(tmp.db(), 800);

    const auto out = finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("20/05/2031"),
                                                   QStringLiteral("FORNECEDOR CONCEDEU PRAZO"));
    EXPECT_EQ(out.message, PayableTexts::dueDateChanged);
    EXPECT_EQ(title(tmp.db(), 800)["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 5, 20));
    EXPECT_TRUE(title(tmp.db(), 800)["DAT_PGTO_TOTAL"].isNull());

    const auto h = historyAt(tmp.db(), out.key);
    EXPECT_EQ(h["STA_ALT_VENC"].toString(), QStringLiteral("S"));
    for (const char* empty : {"STA_BAIXA", "STA_BX_PARCIAL", "STA_ABATIMENTO", "DAT_PGTO_TOTAL"})
        EXPECT_TRUE(h[QString::fromUtf8(empty)].isNull()) << empty;
    EXPECT_EQ(h["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 5, 20));
    EXPECT_EQ(h["DES_OBS"].toString(), QStringLiteral("FORNECEDOR CONCEDEU PRAZO"));
    EXPECT_EQ(h["VLR_TITULO"].toMoney(), base::Money::fromUnits(320));
    EXPECT_EQ(h["VLR_NOTA_FICAL"].toMoney(), base::Money::fromUnits(500));
    EXPECT_EQ(h["DAT_CADASTRO"].toDate(), base::Date::fromYmd(2031, 3, 1));
    EXPECT_EQ(h["DAT_EMISSAO"].toDate(), base::Date::fromYmd(2031, 2, 28));
    // What was paid so far, 0 when empty.
    EXPECT_FALSE(h["VLR_PGTO"].isNull());
    EXPECT_EQ(h["VLR_PGTO"].toMoney(), base::Money{});
    EXPECT_EQ(h["VLR_MULTA_PG"].toMoney(), base::Money{});
    EXPECT_EQ(h["VLR_JURO_PG"].toMoney(), base::Money::fromCents(150));
    EXPECT_EQ(h["COD_FORNECEDOR"].toInt(), 1);
    EXPECT_EQ(h["COD_TIP_DOC"].toInt(), 2);
    // Nothing moves money.
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM MOVIMENTO_CAIXA WHERE COD_MOVIMENTO = :K", {{"K", out.key}}), 0);

    // An unchanged date and the prompt text as reason are stored as they are.
    const auto again = finance::ChangePayableDueDate(tmp.db(), listed(tmp.db(), 800), QStringLiteral("20/05/2031"),
                                                     PayableTexts::dueDateReasonPrompt);
    EXPECT_EQ(historyAt(tmp.db(), again.key)["DES_OBS"].toString(), PayableTexts::dueDateReasonPrompt);
}

TEST(PayableAdjustment, ValueChangeWritesTheNewValueAndAHistoryRow)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    insertOpenTitle(tmp.db(), 810, "320.00");
    const auto t = listed(tmp.db(), 810);
    const auto out = finance::ChangePayableValue(tmp.db(), t, QStringLiteral("1.250,40"), QStringLiteral("ABATIMENTO"));
    EXPECT_EQ(out.message, PayableTexts::valueChanged);
    EXPECT_EQ(title(tmp.db(), 810)["VLR_TITULO"].toMoney(), base::Money::fromCents(125040));

    const auto h = historyAt(tmp.db(), out.key);
    EXPECT_EQ(h["STA_ABATIMENTO"].toString(), QStringLiteral("S"));
    EXPECT_TRUE(h["STA_ALT_VENC"].isNull());
    EXPECT_EQ(h["VLR_TITULO"].toMoney(), base::Money::fromCents(125040));
    EXPECT_EQ(h["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 4, 10));
    EXPECT_EQ(h["DES_OBS"].toString(), QStringLiteral("ABATIMENTO"));

    // The new value is what a settlement must now reach.
    EXPECT_THROW(finance::SettlePayableTitle(tmp.db(), t, settlement("1250,40"), kToday), finance::TitleChangedError);
    const auto now = listed(tmp.db(), 810);
    EXPECT_EQ(now.vlrTitulo, base::Money::fromCents(125040));
    try {
        finance::SettlePayableTitle(tmp.db(), now, settlement("1250,39"), kToday);
        ADD_FAILURE();
    } catch (const common::UserError& e) {
        EXPECT_EQ(e.message(), PayableTexts::paidBelowTitle);
    }
    EXPECT_NO_THROW(finance::SettlePayableTitle(tmp.db(), now, settlement("1250,40"), kToday));
}

TEST(PayableAdjustment, BadInputAndStaleRowsWriteNothing)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    insertOpenTitle(tmp.db(), 820, "320.00");
    const auto t = listed(tmp.db(), 820);
    const Written before = written(tmp.db());
    auto refusal = [&](auto action) -> std::pair<QString, QString> {
        try {
            action();
            return {};
        } catch (const common::UserError& e) {
            return {e.message(), e.field()};
        }
    };
    const QString reason = QStringLiteral("MOTIVO");
    EXPECT_EQ(refusal([&] { finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("  /  /    "), reason); }),
              std::make_pair(PayableTexts::invalidDueDate, PayableFields::novoVencimento));
    EXPECT_EQ(refusal([&] { finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("30/02/2031"), reason); }),
              std::make_pair(PayableTexts::invalidDueDate, PayableFields::novoVencimento));
    EXPECT_EQ(refusal([&] { finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("01/06/2031"), QString(81, u'M')); }),
              std::make_pair(PayableTexts::textTooLong, PayableFields::motivoVencimento));
    EXPECT_EQ(refusal([&] { finance::ChangePayableValue(tmp.db(), t, QString(), reason); }),
              std::make_pair(QStringLiteral("Valor inválido: "), PayableFields::novoValor));
    EXPECT_EQ(refusal([&] { finance::ChangePayableValue(tmp.db(), t, QStringLiteral("12,3,4"), reason); }),
              std::make_pair(QStringLiteral("Valor inválido: 12,3,4"), PayableFields::novoValor));
    EXPECT_EQ(refusal([&] { finance::ChangePayableValue(tmp.db(), t, QStringLiteral("-5"), reason); }),
              std::make_pair(PayableTexts::negativeValue, PayableFields::novoValor));
    EXPECT_EQ(written(tmp.db()), before);

    // Settled elsewhere after the search: neither change touches it.
    data::Database other = tmp.attachAgain();
    finance::SettlePayableTitle(other, listed(other, 820), settlement("320"), kToday);
    const Written settled = written(tmp.db());
    EXPECT_THROW(finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("01/06/2031"), reason),
                 finance::TitleChangedError);
    EXPECT_THROW(finance::ChangePayableValue(tmp.db(), t, QStringLiteral("10"), reason), finance::TitleChangedError);
    EXPECT_EQ(written(tmp.db()), settled);
    EXPECT_EQ(title(tmp.db(), 820)["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 4, 10));
}

TEST(PayableAdjustment, AFailingHistoryRowLeavesTheTitleAsItWas)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    tmp.db().executeImmediate(QStringLiteral("CREATE EXCEPTION E_SEM_HISTORICO 'historico recusado'"));
    tmp.db().executeImmediate(QStringLiteral(
        "CREATE TRIGGER T_SEM_HISTORICO FOR HIST_CONTA_PAGAR BEFORE INSERT AS BEGIN EXCEPTION E_SEM_HISTORICO; END"));
    insertOpenTitle(tmp.db(), 830, "320.00");
    const auto t = listed(tmp.db(), 830);
    EXPECT_THROW(finance::ChangePayableDueDate(tmp.db(), t, QStringLiteral("01/06/2031"), QStringLiteral("M")),
                 data::DbError);
    EXPECT_THROW(finance::ChangePayableValue(tmp.db(), t, QStringLiteral("10"), QStringLiteral("M")), data::DbError);
    const auto r = title(tmp.db(), 830);
    EXPECT_EQ(r["DAT_VENCIMENTO"].toDate(), base::Date::fromYmd(2031, 4, 10));
    EXPECT_EQ(r["VLR_TITULO"].toMoney(), base::Money::fromUnits(320));
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM HIST_CONTA_PAGAR"), 0);
}
