#include "payable_support.h"

#include "common/errors.h"
#include "data/errors.h"
#include "tempdb.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace fin;
using namespace fin::test::payable;
using finance::PayableFields;
using finance::PayableTexts;

namespace {

// A complete entry for supplier 1, document type 2, account 2.
finance::PayableEntryInput entry(int doc)
{
    finance::PayableEntryInput e = finance::newPayableEntry(kToday);
    e.codEmp = QStringLiteral("1");
    e.codDoc = QString::number(doc);
    e.codParc = QStringLiteral("1");
    e.codTipDoc = QStringLiteral("2");
    e.codFornecedor = QStringLiteral("1");
    e.codConta = QStringLiteral("2");
    e.datEmissao = kToday.addDays(-3);
    e.datVencimento = kToday.addDays(30);
    e.vlrNotaFiscal = QStringLiteral("1.500,00");
    e.vlrTitulo = QStringLiteral("750,00");
    return e;
}

// The message and field of a refused entry; empty when it was stored.
std::pair<QString, QString> refusal(data::Database& db, const finance::PayableEntryInput& e)
{
    try {
        EXPECT_EQ(finance::RegisterPayableTitle(db, e, kToday).message, PayableTexts::registered);
        return {};
    } catch (const common::UserError& err) {
        return {err.message(), err.field()};
    }
}

int titles(data::Database& db, int doc)
{
    return count(db, "SELECT COUNT(*) FROM CONTA_PAGAR WHERE COD_DOC = :DOC", {{"DOC", doc}});
}

} // namespace

TEST(PayableEntry, NewTitleStartsAtZeroWithTodaysDates)
{
    const auto e = finance::newPayableEntry(kToday);
    for (const QString& amount : {e.vlrNotaFiscal, e.vlrDesconto, e.vlrTitulo, e.vlrJuroDiario, e.perMulta})
        EXPECT_EQ(amount, QStringLiteral("0,00"));
    EXPECT_EQ(e.datEmissao, kToday);
    EXPECT_EQ(e.datVencimento, kToday);
}

TEST(PayableEntry, StoresTheTitleOpenWithTheWorkstationDate)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    auto e = entry(9001);
    e.codComprador = QStringLiteral("2");
    e.vlrDesconto = QStringLiteral("10,00");
    e.vlrJuroDiario = QStringLiteral("0,255");   // a third decimal is rounded
    e.perMulta = QStringLiteral("2,50");
    e.desObs = QStringLiteral("NF 9001 - MATERIAL DE LIMPEZA");
    EXPECT_EQ(refusal(tmp.db(), e), (std::pair<QString, QString>{}));

    const auto r = query(tmp.db(), "SELECT * FROM CONTA_PAGAR WHERE COD_DOC = 9001").at(0);
    EXPECT_EQ(r["DAT_CADASTRO"].toDate(), kToday);
    EXPECT_EQ(r["DAT_EMISSAO"].toDate(), kToday.addDays(-3));
    EXPECT_EQ(r["DAT_VENCIMENTO"].toDate(), kToday.addDays(30));
    EXPECT_TRUE(r["DAT_PGTO_TOTAL"].isNull());
    EXPECT_EQ(r["VLR_NOTA_FICAL"].toMoney(), base::Money::fromUnits(1500));
    EXPECT_EQ(r["VLR_TITULO"].toMoney(), base::Money::fromUnits(750));
    EXPECT_EQ(r["VLR_DESCONTO"].toMoney(), base::Money::fromUnits(10));
    EXPECT_EQ(r["VLR_JURO_DIARIO"].toMoney(), base::Money::fromCents(26));
    EXPECT_EQ(r["PER_MULTA"].toMoney(), base::Money::fromCents(250));
    EXPECT_EQ(r["COD_COMPRADOR"].toInt(), 2);
    EXPECT_EQ(r["COD_CONTA"].toInt(), 2);
    EXPECT_EQ(r["DES_OBS"].toString(), e.desObs);
    for (const char* empty : {"VLR_PGTO", "VLR_MULTA_PG", "VLR_JURO_PG", "COD_PEDIDO", "COD_USUARIO", "STA_SUSPENSO",
                              "COD_BANCO_PAGTO", "COD_AG_PAGTO", "COD_CONTA_PAGTO"})
        EXPECT_TRUE(r[QString::fromUtf8(empty)].isNull()) << empty;
    // Nothing but the title: no history row for an entry.
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM HIST_CONTA_PAGAR"), 0);
}

TEST(PayableEntry, RequiredFieldsAndThresholds)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    struct Case {
        const char* what;
        void (*change)(finance::PayableEntryInput&);
        bool stored;
    };
    const Case cases[] = {
        {"title value 1,00 and invoice 1,00", [](auto& e) { e.vlrTitulo = e.vlrNotaFiscal = QStringLiteral("1,00"); }, true},
        {"title value 0,99", [](auto& e) { e.vlrTitulo = QStringLiteral("0,99"); }, false},
        {"title value 0,50", [](auto& e) { e.vlrTitulo = QStringLiteral("0,50"); }, false},
        {"invoice value 0,99", [](auto& e) { e.vlrNotaFiscal = QStringLiteral("0,99"); }, false},
        {"title value empty", [](auto& e) { e.vlrTitulo.clear(); }, false},
        {"no company", [](auto& e) { e.codEmp.clear(); }, false},
        {"no supplier", [](auto& e) { e.codFornecedor = QStringLiteral("  "); }, false},
        {"no document", [](auto& e) { e.codDoc.clear(); }, false},
        {"no parcel", [](auto& e) { e.codParc.clear(); }, false},
        {"no document type", [](auto& e) { e.codTipDoc.clear(); }, false},
        {"no management account", [](auto& e) { e.codConta.clear(); }, false},
        {"no buyer", [](auto& e) { e.codComprador.clear(); }, true},
        {"optional amounts empty", [](auto& e) { e.vlrDesconto = e.vlrJuroDiario = e.perMulta = QString(); }, true},
    };
    int doc = 100;
    for (const Case& c : cases) {
        auto e = entry(++doc);
        c.change(e);
        const auto [message, field] = refusal(tmp.db(), e);
        if (c.stored) {
            EXPECT_TRUE(message.isEmpty()) << c.what << ": " << message.toStdString();
            EXPECT_EQ(titles(tmp.db(), doc), 1) << c.what;
        } else {
            EXPECT_EQ(message, PayableTexts::missingData) << c.what;
            EXPECT_EQ(field, PayableFields::codEmp) << c.what;
            EXPECT_EQ(titles(tmp.db(), doc), 0) << c.what;
        }
    }
}

TEST(PayableEntry, ChecksOfTheFieldsHoldAtSavingAndCodesMustExist)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    struct Case {
        void (*change)(finance::PayableEntryInput&);
        QString message;
        const QString& field;
    };
    const Case cases[] = {
        {[](auto& e) { e.vlrDesconto = QStringLiteral("-0,01"); }, PayableTexts::descontoNegative, PayableFields::vlrDesconto},
        {[](auto& e) { e.vlrJuroDiario = QStringLiteral("-1"); }, PayableTexts::juroNegative, PayableFields::vlrJuroDiario},
        {[](auto& e) { e.perMulta = QStringLiteral("-2,5"); }, PayableTexts::multaNegative, PayableFields::perMulta},
        {[](auto& e) { e.datEmissao = kToday.addDays(1); }, PayableTexts::emissionInFuture, PayableFields::datEmissao},
        {[](auto& e) { e.datVencimento = {}; }, PayableTexts::invalidDueDate, PayableFields::datVencimento},
        {[](auto& e) { e.codDoc = QStringLiteral("12A"); }, QStringLiteral("Código inválido: 12A"), PayableFields::codDoc},
        {[](auto& e) { e.vlrTitulo = QStringLiteral("7,5,0"); }, QStringLiteral("Valor inválido: 7,5,0"), PayableFields::vlrTitulo},
        {[](auto& e) { e.desObs = QString(81, u'X'); }, PayableTexts::textTooLong, PayableFields::desObs},
        {[](auto& e) { e.codEmp = QStringLiteral("9"); }, QStringLiteral("Empresa não cadastrada: 9"), PayableFields::codEmp},
        {[](auto& e) { e.codFornecedor = QStringLiteral("99"); }, QStringLiteral("Fornecedor não cadastrado: 99"), PayableFields::codFornecedor},
        {[](auto& e) { e.codTipDoc = QStringLiteral("98"); }, QStringLiteral("Tipo de documento não cadastrado: 98"), PayableFields::codTipDoc},
        {[](auto& e) { e.codComprador = QStringLiteral("77"); }, QStringLiteral("Comprador não cadastrado: 77"), PayableFields::codComprador},
        {[](auto& e) { e.codConta = QStringLiteral("66"); }, QStringLiteral("Conta gerencial não cadastrada: 66"), PayableFields::codConta},
    };
    const int before = count(tmp.db(), "SELECT COUNT(*) FROM CONTA_PAGAR");
    for (const Case& c : cases) {
        auto e = entry(200);
        c.change(e);
        EXPECT_EQ(refusal(tmp.db(), e), std::make_pair(c.message, c.field));
    }
    EXPECT_EQ(count(tmp.db(), "SELECT COUNT(*) FROM CONTA_PAGAR"), before);
    // The emission date may be today.
    auto e = entry(200);
    e.datEmissao = kToday;
    EXPECT_EQ(refusal(tmp.db(), e), (std::pair<QString, QString>{}));
}

TEST(PayableEntry, DuplicateIdentityIsRefusedUnlessTheDocumentTypeDiffers)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    EXPECT_EQ(refusal(tmp.db(), entry(300)), (std::pair<QString, QString>{}));
    auto again = entry(300);
    again.vlrTitulo = QStringLiteral("99,00");   // other values do not make another title
    EXPECT_EQ(refusal(tmp.db(), again), std::make_pair(PayableTexts::duplicate, PayableFields::codDoc));
    EXPECT_EQ(titles(tmp.db(), 300), 1);

    auto otherType = entry(300);
    otherType.codTipDoc = QStringLiteral("3");
    EXPECT_EQ(refusal(tmp.db(), otherType), (std::pair<QString, QString>{}));
    auto otherParcel = entry(300);
    otherParcel.codParc = QStringLiteral("2");
    EXPECT_EQ(refusal(tmp.db(), otherParcel), (std::pair<QString, QString>{}));
    EXPECT_EQ(titles(tmp.db(), 300), 3);
}

TEST(PayableEntry, TheKeyRefusesTheSecondOfTwoSimultaneousEntries)
{
    test::TempDb tmp(test::TempDb::Content::Demo);
    data::Database other = tmp.attachAgain();
    // The other workstation has stored the same title but not committed yet:
    // our duplicate check cannot see it, so only the key can refuse ours.
    data::Transaction theirs(other);
    data::Statement(theirs, QStringLiteral(
        "INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC, VLR_TITULO) "
        "VALUES (1, 400, 1, 1, 2, 750)")).execute();

    std::atomic<bool> done = false;
    std::pair<QString, QString> result;
    std::thread ours([&] {
        try {
            result = refusal(tmp.db(), entry(400));
        } catch (const std::exception& e) {
            result = {QStringLiteral("unexpected: ") + QString::fromUtf8(e.what()), {}};
        }
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(done) << "our insert should wait for the other workstation";
    theirs.commit();
    ours.join();

    EXPECT_EQ(result, std::make_pair(PayableTexts::duplicate, PayableFields::codDoc));
    EXPECT_EQ(titles(tmp.db(), 400), 1);
    EXPECT_EQ(query(tmp.db(), "SELECT VLR_TITULO FROM CONTA_PAGAR WHERE COD_DOC = 400").at(0).at(0).toMoney(),
              base::Money::fromUnits(750));
}

TEST(PayableEntry, ChecksOnLeavingAField)
{
    using A = finance::PayableEntryAmount;
    struct Case {
        A which;
        const char* typed;
        QString message;
        const char* shown;
    };
    const Case cases[] = {
        {A::NotaFiscal, "0,99", PayableTexts::notaTooSmall, "0,99"},
        {A::NotaFiscal, "1", {}, "1,00"},
        {A::NotaFiscal, "", PayableTexts::notaTooSmall, "0,00"},
        {A::Titulo, "0,50", PayableTexts::tituloTooSmall, "0,50"},
        {A::Titulo, "1.234,5", {}, "1234,50"},
        {A::Titulo, "12,345", {}, "12,35"},
        {A::Desconto, "-1", PayableTexts::descontoNegative, ""},
        {A::Desconto, "0", {}, "0,00"},
        {A::JuroDiario, "-0,01", PayableTexts::juroNegative, "-0,01"},
        {A::PerMulta, "2,50", {}, "2,50"},
        {A::PerMulta, "-3", PayableTexts::multaNegative, "-3,00"},
        {A::Titulo, "abc", QStringLiteral("Valor inválido: abc"), "abc"},
    };
    for (const Case& c : cases) {
        const auto check = finance::checkPayableEntryAmount(c.which, QString::fromUtf8(c.typed));
        EXPECT_EQ(check.message, c.message) << c.typed;
        EXPECT_EQ(check.text, QString::fromUtf8(c.shown)) << c.typed;
    }
    // A fine of 2,50 left twice is accepted twice.
    const auto once = finance::checkPayableEntryAmount(A::PerMulta, QStringLiteral("2,50"));
    EXPECT_TRUE(finance::checkPayableEntryAmount(A::PerMulta, once.text).accepted());
    EXPECT_EQ(finance::checkPayableEntryAmount(A::Desconto, QStringLiteral("-1")).field, PayableFields::vlrDesconto);

    const auto future = finance::checkPayableEmissionDate(kToday.addDays(1), kToday);
    EXPECT_EQ(future.message, PayableTexts::emissionInFuture);
    EXPECT_EQ(future.field, PayableFields::datEmissao);
    EXPECT_TRUE(finance::checkPayableEmissionDate(kToday, kToday).accepted());
}
