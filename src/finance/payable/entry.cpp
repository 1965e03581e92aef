#include "finance/payable/entry.h"

#include "common/brformat.h"
#include "common/errors.h"
#include "data/database.h"
#include "data/errors.h"
#include "data/statement.h"
#include "finance/payable/input.h"
#include "finance/payable/texts.h"

namespace fin::finance {

namespace in = payable_input;

namespace {

const QString kPlainAmount = QStringLiteral("##0.00");
const base::Money kMinimumValue = base::Money::fromUnits(1);

struct AmountRule {
    const QString& field;
    const QString& message;
    base::Money minimum;
    bool clearWhenRefused;
};

AmountRule ruleOf(PayableEntryAmount which)
{
    switch (which) {
    case PayableEntryAmount::NotaFiscal:
        return {PayableFields::vlrNotaFiscal, PayableTexts::notaTooSmall, kMinimumValue, false};
    case PayableEntryAmount::Desconto:
        return {PayableFields::vlrDesconto, PayableTexts::descontoNegative, {}, true};
    case PayableEntryAmount::Titulo:
        return {PayableFields::vlrTitulo, PayableTexts::tituloTooSmall, kMinimumValue, false};
    case PayableEntryAmount::JuroDiario:
        return {PayableFields::vlrJuroDiario, PayableTexts::juroNegative, {}, false};
    case PayableEntryAmount::PerMulta:
        return {PayableFields::perMulta, PayableTexts::multaNegative, {}, false};
    }
    return {PayableFields::vlrTitulo, PayableTexts::tituloTooSmall, kMinimumValue, false};
}

struct Parsed {
    int codEmp = 0;
    int codDoc = 0;
    int codParc = 0;
    int codTipDoc = 0;
    int codFornecedor = 0;
    std::optional<int> codComprador;
    int codConta = 0;
    std::optional<base::Money> vlrNotaFiscal, vlrDesconto, vlrTitulo, vlrJuroDiario, perMulta;
    QString desObs;
};

// Everything that can be judged without the database, in the order the
// fields stand on the screen.
Parsed validate(const PayableEntryInput& e, const base::Date& today)
{
    Parsed p;
    const auto codeEmp = in::optionalCode(e.codEmp, PayableFields::codEmp);
    const auto codeDoc = in::optionalCode(e.codDoc, PayableFields::codDoc);
    const auto codeParc = in::optionalCode(e.codParc, PayableFields::codParc);
    const auto codeTipDoc = in::optionalCode(e.codTipDoc, PayableFields::codTipDoc);
    const auto codeForn = in::optionalCode(e.codFornecedor, PayableFields::codFornecedor);
    p.codComprador = in::optionalCode(e.codComprador, PayableFields::codComprador);
    const auto codeConta = in::optionalCode(e.codConta, PayableFields::codConta);
    p.vlrNotaFiscal = in::optionalAmount(e.vlrNotaFiscal, PayableFields::vlrNotaFiscal);
    p.vlrDesconto = in::optionalAmount(e.vlrDesconto, PayableFields::vlrDesconto);
    p.vlrTitulo = in::optionalAmount(e.vlrTitulo, PayableFields::vlrTitulo);
    p.vlrJuroDiario = in::optionalAmount(e.vlrJuroDiario, PayableFields::vlrJuroDiario);
    p.perMulta = in::optionalAmount(e.perMulta, PayableFields::perMulta);

    const bool complete = codeEmp && codeForn && codeDoc && codeParc && codeTipDoc && codeConta
        && p.vlrNotaFiscal && *p.vlrNotaFiscal >= kMinimumValue && p.vlrTitulo && *p.vlrTitulo >= kMinimumValue;
    if (!complete)
        throw common::UserError(PayableTexts::missingData, PayableFields::codEmp);
    p.codEmp = *codeEmp;
    p.codDoc = *codeDoc;
    p.codParc = *codeParc;
    p.codTipDoc = *codeTipDoc;
    p.codFornecedor = *codeForn;
    p.codConta = *codeConta;

    // The checks made on leaving a field hold at saving too: the user may
    // press "&Salvar" straight from a refused field.
    if (e.datEmissao.isNull())
        throw common::UserError(PayableTexts::invalidEmissionDate, PayableFields::datEmissao);
    if (e.datVencimento.isNull())
        throw common::UserError(PayableTexts::invalidDueDate, PayableFields::datVencimento);
    if (const FieldCheck c = checkPayableEmissionDate(e.datEmissao, today); !c.accepted())
        throw common::UserError(c.message, c.field);
    const std::pair<PayableEntryAmount, std::optional<base::Money>> mayNotBeNegative[] = {
        {PayableEntryAmount::Desconto, p.vlrDesconto},
        {PayableEntryAmount::JuroDiario, p.vlrJuroDiario},
        {PayableEntryAmount::PerMulta, p.perMulta},
    };
    for (const auto& [which, value] : mayNotBeNegative) {
        const AmountRule rule = ruleOf(which);
        if (value && *value < rule.minimum)
            throw common::UserError(rule.message, rule.field);
    }
    p.desObs = in::boundedText(e.desObs, PayableFields::desObs);
    return p;
}

bool exists(data::Transaction& tx, const char* sql, int code)
{
    return data::Statement(tx, QString::fromUtf8(sql)).set(QStringLiteral("CODIGO"), code).queryOne().has_value();
}

// Codes typed by hand must name rows the query windows join to: a title
// pointing at nothing would be stored and never listed.
void requireReferences(data::Transaction& tx, const Parsed& p)
{
    struct Ref {
        const char* sql;
        std::optional<int> code;
        const QString& message;
        const QString& field;
    };
    const Ref refs[] = {
        {"SELECT 1 FROM EMPRESA WHERE COD_EMP = :CODIGO", p.codEmp, PayableTexts::unknownCompany,
         PayableFields::codEmp},
        {"SELECT FIRST 1 1 FROM TIP_DOCUMENTO WHERE COD_TIP_DOC = :CODIGO", p.codTipDoc,
         PayableTexts::unknownDocType, PayableFields::codTipDoc},
        {"SELECT FIRST 1 1 FROM FORNECEDOR WHERE COD_FORNECEDOR = :CODIGO", p.codFornecedor,
         PayableTexts::unknownSupplier, PayableFields::codFornecedor},
        {"SELECT FIRST 1 1 FROM COMPRADOR WHERE COD_COMPRADOR = :CODIGO", p.codComprador,
         PayableTexts::unknownBuyer, PayableFields::codComprador},
        {"SELECT 1 FROM CONTA WHERE COD_CONTA = :CODIGO", p.codConta, PayableTexts::unknownAccount,
         PayableFields::codConta},
    };
    for (const Ref& r : refs)
        if (r.code && !exists(tx, r.sql, *r.code))
            throw common::UserError(r.message + QString::number(*r.code), r.field);
}

bool alreadyRegistered(data::Transaction& tx, const Parsed& p)
{
    const auto out = data::Statement(tx, QStringLiteral(
        "EXECUTE PROCEDURE PRC_RET_TITPG_CAD(:COD_EMP, :COD_DOC, :COD_PARC, :COD_FORNECEDOR, :COD_TIP_DOC)"))
        .set(QStringLiteral("COD_EMP"), p.codEmp)
        .set(QStringLiteral("COD_DOC"), p.codDoc)
        .set(QStringLiteral("COD_PARC"), p.codParc)
        .set(QStringLiteral("COD_FORNECEDOR"), p.codFornecedor)
        .set(QStringLiteral("COD_TIP_DOC"), p.codTipDoc)
        .queryOne();
    return out && (*out)[QStringLiteral("COD_FORN")].toInt() > 0;
}

void insertTitle(data::Transaction& tx, const Parsed& p, const PayableEntryInput& e, const base::Date& today)
{
    data::Statement(tx, QStringLiteral(
        "INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_COMPRADOR, COD_TIP_DOC, COD_CONTA, "
        "DAT_CADASTRO, DAT_EMISSAO, DAT_VENCIMENTO, VLR_NOTA_FICAL, VLR_DESCONTO, VLR_TITULO, VLR_JURO_DIARIO, "
        "PER_MULTA, DES_OBS) VALUES (:COD_EMP, :COD_DOC, :COD_PARC, :COD_FORNECEDOR, :COD_COMPRADOR, :COD_TIP_DOC, "
        ":COD_CONTA, :DAT_CADASTRO, :DAT_EMISSAO, :DAT_VENCIMENTO, :VLR_NOTA_FICAL, :VLR_DESCONTO, :VLR_TITULO, "
        ":VLR_JURO_DIARIO, :PER_MULTA, :DES_OBS)"))
        .set(QStringLiteral("COD_EMP"), p.codEmp)
        .set(QStringLiteral("COD_DOC"), p.codDoc)
        .set(QStringLiteral("COD_PARC"), p.codParc)
        .set(QStringLiteral("COD_FORNECEDOR"), p.codFornecedor)
        .set(QStringLiteral("COD_COMPRADOR"), p.codComprador)
        .set(QStringLiteral("COD_TIP_DOC"), p.codTipDoc)
        .set(QStringLiteral("COD_CONTA"), p.codConta)
        .set(QStringLiteral("DAT_CADASTRO"), today)
        .set(QStringLiteral("DAT_EMISSAO"), e.datEmissao)
        .set(QStringLiteral("DAT_VENCIMENTO"), e.datVencimento)
        .set(QStringLiteral("VLR_NOTA_FICAL"), p.vlrNotaFiscal)
        .set(QStringLiteral("VLR_DESCONTO"), p.vlrDesconto)
        .set(QStringLiteral("VLR_TITULO"), p.vlrTitulo)
        .set(QStringLiteral("VLR_JURO_DIARIO"), p.vlrJuroDiario)
        .set(QStringLiteral("PER_MULTA"), p.perMulta)
        .set(QStringLiteral("DES_OBS"), p.desObs.isEmpty() ? data::Value::null() : data::Value(p.desObs))
        .execute();
}

} // namespace

PayableEntryInput newPayableEntry(const base::Date& today)
{
    PayableEntryInput e;
    const QString zero = common::formatMoney({}, kPlainAmount);
    e.vlrNotaFiscal = e.vlrDesconto = e.vlrTitulo = e.vlrJuroDiario = e.perMulta = zero;
    e.datEmissao = e.datVencimento = today;
    return e;
}

RegisterOutcome RegisterPayableTitle(data::Database& db, const PayableEntryInput& e, const base::Date& today)
{
    const Parsed p = validate(e, today);
    db.inTransaction([&](data::Transaction& tx) {
        requireReferences(tx, p);
        // The check and the insert share one transaction; the key on the
        // identity refuses a twin that another workstation stores meanwhile.
        if (alreadyRegistered(tx, p))
            throw common::UserError(PayableTexts::duplicate, PayableFields::codDoc);
        try {
            insertTitle(tx, p, e, today);
        } catch (const data::UniqueViolationError&) {
            throw common::UserError(PayableTexts::duplicate, PayableFields::codDoc);
        } catch (const data::LockConflictError&) {
            throw common::UserError(PayableTexts::entryBusy, PayableFields::codDoc);
        }
    });
    return {PayableTexts::registered};
}

FieldCheck checkPayableEntryAmount(PayableEntryAmount which, const QString& text)
{
    const AmountRule rule = ruleOf(which);
    FieldCheck c{{}, text, rule.field};
    // An empty field reads as 0, as the number it stands for.
    const auto value = text.trimmed().isEmpty() ? std::optional<base::Money>(base::Money{}) : common::parseMoney(text);
    if (!value) {
        c.message = PayableTexts::invalidAmount + text.trimmed();
        return c;
    }
    const base::Money cents = value->roundedToCents();
    c.text = common::formatMoney(cents, kPlainAmount);
    if (cents < rule.minimum) {
        c.message = rule.message;
        if (rule.clearWhenRefused)
            c.text.clear();
    }
    return c;
}

FieldCheck checkPayableEmissionDate(const base::Date& emissao, const base::Date& today)
{
    FieldCheck c{{}, common::formatDate(emissao), PayableFields::datEmissao};
    if (emissao > today)
        c.message = PayableTexts::emissionInFuture;
    return c;
}

} // namespace fin::finance
