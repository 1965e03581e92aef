#include "finance/cashbank/record.h"

#include "common/brformat.h"
#include "common/errors.h"
#include "data/database.h"
#include "data/statement.h"
#include "finance/cashbank/movements.h"
#include "finance/movement_key.h"

#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

namespace fin::finance {

namespace msg = cashbank_msg;
namespace field = cashbank_field;
using common::UserError;

namespace {

// The largest amount a NUMERIC(15,2) column holds.
constexpr base::Money kMaxAmount = base::Money::fromCents(999'999'999'999'999);
constexpr int kAgenciaWidth = 10;   // MOVIMENTO_BANCO.COD_AGENCIA, narrower than the account's own

bool exists(data::Transaction& tx, const QString& sql, std::initializer_list<std::pair<QString, data::Value>> params)
{
    data::Statement q(tx, sql);
    for (const auto& [name, value] : params)
        q.set(name, value);
    return q.queryOne().has_value();
}

int parseCode(const QString& text, const QString& emptyMessage, const QString& fieldName)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        throw UserError(emptyMessage, fieldName);
    static const QRegularExpression kDigits(QStringLiteral("^\\d{1,9}$"));
    if (!kDigits.match(t).hasMatch())
        throw UserError(msg::kCodigoInvalido + t, fieldName);
    return t.toInt();
}

int checkEmpresa(data::Transaction& tx, const QString& text)
{
    const int cod = parseCode(text, msg::kEmpresaObrigatoria, field::kEmpresa);
    if (!exists(tx, QStringLiteral("SELECT 1 FROM EMPRESA WHERE COD_EMP = :COD_EMP"), {{QStringLiteral("COD_EMP"), cod}}))
        throw UserError(msg::kEmpresaNaoCadastrada + QString::number(cod), field::kEmpresa);
    return cod;
}

base::Money checkValor(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        throw UserError(msg::kValorZero, field::kValor);
    // More than two decimals would be rounded by the column: refused rather than changed.
    const auto value = common::parseMoney(t);
    if (!value || value->roundedToCents() != *value || *value > kMaxAmount)
        throw UserError(msg::kValorInvalido + t, field::kValor);
    if (*value <= base::Money())
        throw UserError(msg::kValorZero, field::kValor);
    return *value;
}

// Only the codes the window offers for this book: a movement whose code is
// missing from HISTORICO_FIN would count in no list and no total.
int checkHistorico(data::Transaction& tx, const QString& text, Book book)
{
    const int cod = parseCode(text, msg::kTipoObrigatorio, field::kHistorico);
    if (!exists(tx, QStringLiteral("SELECT 1 FROM HISTORICO_FIN WHERE COD_HISTORICO = :COD_HISTORICO AND TIP_BANCO = :TIP_BANCO"),
                {{QStringLiteral("COD_HISTORICO"), cod},
                 {QStringLiteral("TIP_BANCO"), book == Book::Bank ? QStringLiteral("S") : QStringLiteral("N")}}))
        throw UserError(msg::kTipoNaoCadastrado + QString::number(cod), field::kHistorico);
    return cod;
}

int checkConta(data::Transaction& tx, const std::optional<int>& codConta)
{
    if (!codConta)
        throw UserError(msg::kContaObrigatoria, field::kConta);
    if (!exists(tx, QStringLiteral("SELECT 1 FROM CONTA WHERE COD_CONTA = :COD_CONTA"), {{QStringLiteral("COD_CONTA"), *codConta}}))
        throw UserError(msg::kContaNaoCadastrada + QString::number(*codConta), field::kConta);
    return *codConta;
}

BankAccount checkContaCorrente(data::Transaction& tx, const std::optional<BankAccount>& conta)
{
    if (!conta || conta->codContaCorrente.trimmed().isEmpty())
        throw UserError(msg::kContaCorrenteObrigatoria, field::kContaCorrente);
    if (!exists(tx, QStringLiteral("SELECT 1 FROM CONTA_CORRENTE WHERE COD_EMP = :COD_EMP AND COD_BANCO = :COD_BANCO "
                                   "AND COD_AGENCIA = :COD_AGENCIA AND COD_CONTA_CORRENTE = :COD_CONTA_CORRENTE"),
                {{QStringLiteral("COD_EMP"), conta->codEmp},
                 {QStringLiteral("COD_BANCO"), conta->codBanco},
                 {QStringLiteral("COD_AGENCIA"), conta->codAgencia},
                 {QStringLiteral("COD_CONTA_CORRENTE"), conta->codContaCorrente}}))
        throw UserError(msg::kContaCorrenteNaoCadastrada + conta->codContaCorrente, field::kContaCorrente);
    // Cutting the agency would tie the movement to another account.
    if (conta->codAgencia.size() > kAgenciaWidth)
        throw UserError(msg::kAgenciaLonga + conta->codAgencia, field::kContaCorrente);
    return *conta;
}

void requireDate(const base::Date& hoje)
{
    if (hoje.isNull())
        throw std::invalid_argument("the movement needs the workstation's date");
}

RecordOutcome outcomeAfter(data::Transaction& tx, Book book, const base::DateTime& key)
{
    RecordOutcome out;
    out.codMovimento = key;
    out.mensagem = msg::kRegistrado;
    out.dia = loadDay(tx, book);
    out.listado = std::any_of(out.dia.movimentos.begin(), out.dia.movimentos.end(),
                              [&](const DayMovement& m) { return m.codMovimento == key; });
    return out;
}

} // namespace

CashEntryStart beginCashMovement(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) {
        CashEntryStart s;
        s.empresas = listCompanies(tx);
        s.historicos = listHistories(tx, Book::Cash);
        return s;
    });
}

BankEntryStart beginBankMovement(data::Database& db)
{
    return db.inTransaction([](data::Transaction& tx) {
        BankEntryStart s;
        s.empresas = listCompanies(tx);
        s.historicos = listHistories(tx, Book::Bank);
        s.contas = listBankAccounts(tx);
        return s;
    });
}

RecordOutcome RecordCashMovement(data::Database& db, const CashMovementInput& in)
{
    requireDate(in.hoje);
    return db.inTransaction([&](data::Transaction& tx) {
        // Every check reads before the first write.
        CashMovement m;
        m.codEmp = checkEmpresa(tx, in.empresa);
        m.valor = checkValor(in.valor);
        m.codHistorico = checkHistorico(tx, in.codHistorico, Book::Cash);
        m.codConta = checkConta(tx, in.codConta);
        m.complemento = in.complemento.toUpper();
        m.data = in.hoje;
        m.lancIndividual = QStringLiteral("S");
        const base::DateTime key =
            insertWithServerKey(tx, [&](const base::DateTime& k) { insertCashMovement(tx, m, k); });
        return outcomeAfter(tx, Book::Cash, key);
    });
}

RecordOutcome RecordBankMovement(data::Database& db, const BankMovementInput& in)
{
    requireDate(in.hoje);
    return db.inTransaction([&](data::Transaction& tx) {
        BankMovement m;
        m.codEmp = checkEmpresa(tx, in.empresa);
        m.valor = checkValor(in.valor);
        m.codHistorico = checkHistorico(tx, in.codHistorico, Book::Bank);
        const BankAccount conta = checkContaCorrente(tx, in.contaCorrente);
        m.codConta = checkConta(tx, in.codConta);
        m.codBanco = conta.codBanco;
        m.codAgencia = conta.codAgencia;
        m.codContaCorrente = conta.codContaCorrente;
        m.complemento = in.complemento.toUpper();
        m.data = in.hoje;
        m.lancIndividual = QStringLiteral("S");
        const base::DateTime key =
            insertWithServerKey(tx, [&](const base::DateTime& k) { insertBankMovement(tx, m, k); });
        return outcomeAfter(tx, Book::Bank, key);
    });
}

} // namespace fin::finance
