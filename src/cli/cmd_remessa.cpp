// financeiro-cli remessa --banco N --layout 400|240 --entrada ARQUIVO.json --saida ARQUIVO
//
// Writes a remittance file from a JSON description of the company row and
// the listed titles, for tests and for other programs.

#include "cli/commands.h"

#include "cnab/remessa/writer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

namespace fin::cli {

namespace {

using cnab::CompanyRow;
using cnab::RemittanceInput;
using cnab::RemittanceTitle;

const char* const kUsage =
    "Uso: financeiro-cli remessa --banco N --layout 400|240 --entrada ARQUIVO.json --saida ARQUIVO\n";

// Bad input: the message says what and where.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void fail(const QString& where, const QString& what)
{
    throw InputError((where + ": " + what).toStdString());
}

// Reads one JSON object and checks that it holds only known keys.
class Reader {
public:
    Reader(const QJsonObject& object, QString where, const QStringList& known)
        : m_object(object)
        , m_where(std::move(where))
    {
        const QSet<QString> allowed(known.begin(), known.end());
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!allowed.contains(it.key()))
                fail(m_where, "chave desconhecida \"" + it.key() + "\"");
    }

    bool isNull(const QString& key) const { return m_object.value(key).isNull() || m_object.value(key).isUndefined(); }

    std::optional<long long> integer(const QString& key) const
    {
        const QJsonValue v = m_object.value(key);
        if (isNull(key))
            return std::nullopt;
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || std::fabs(d) > 9007199254740991.0)
            fail(at(key), "esperado um número inteiro");
        return static_cast<long long>(d);
    }

    long long requiredInteger(const QString& key) const
    {
        const auto n = integer(key);
        if (!n)
            fail(at(key), "valor obrigatório");
        return *n;
    }

    // Texts are strings; a whole number is taken as its decimal text.
    std::optional<std::string> text(const QString& key) const
    {
        const QJsonValue v = m_object.value(key);
        if (isNull(key))
            return std::nullopt;
        if (v.isString())
            return v.toString().toStdString();
        if (v.isDouble() && v.toDouble() == std::floor(v.toDouble()))
            return QString::number(static_cast<long long>(v.toDouble())).toStdString();
        fail(at(key), "esperado um texto");
        return std::nullopt;
    }

    std::optional<base::Date> date(const QString& key) const
    {
        if (isNull(key))
            return std::nullopt;
        const QJsonValue v = m_object.value(key);
        const auto d = base::Date::parseIso(v.toString().toStdString());
        if (!v.isString() || !d)
            fail(at(key), "esperada uma data \"AAAA-MM-DD\"");
        return d;
    }

    // Amounts are decimal strings ("1234.56"); a JSON number is read too.
    std::optional<base::Money> amount(const QString& key) const
    {
        if (isNull(key))
            return std::nullopt;
        const QJsonValue v = m_object.value(key);
        const QString s = v.isDouble() ? QString::number(v.toDouble(), 'f', 6) : v.toString();
        const auto m = base::Money::parse(s.toStdString());
        if ((!v.isString() && !v.isDouble()) || !m)
            fail(at(key), "esperado um valor decimal como \"1234.56\"");
        return m;
    }

    bool boolean(const QString& key, bool byDefault) const
    {
        if (isNull(key))
            return byDefault;
        if (!m_object.value(key).isBool())
            fail(at(key), "esperado true ou false");
        return m_object.value(key).toBool();
    }

private:
    QString at(const QString& key) const { return m_where + "." + key; }

    QJsonObject m_object;
    QString m_where;
};

CompanyRow readCompany(const QJsonObject& o)
{
    const Reader r(o, "empresa", {"NOM_RAZAO_SOCIAL", "COD_CNPJ", "COD_BANCO", "COD_AGENCIA", "COD_CONTA_CORRENTE",
                                  "DIGITO_AGENCIA", "DIGITO_CONTA_CORRENTE", "CONVENIO"});
    CompanyRow c;
    c.nomRazaoSocial = r.text("NOM_RAZAO_SOCIAL");
    c.codCnpj = r.text("COD_CNPJ");
    c.codBanco = r.integer("COD_BANCO").value_or(0);
    c.codAgencia = r.text("COD_AGENCIA");
    c.codContaCorrente = r.text("COD_CONTA_CORRENTE");
    c.digitoAgencia = r.text("DIGITO_AGENCIA");
    c.digitoContaCorrente = r.text("DIGITO_CONTA_CORRENTE");
    c.convenio = r.text("CONVENIO");
    return c;
}

RemittanceTitle readTitle(const QJsonObject& o, const QString& where)
{
    const Reader r(o, where, {"COD_CLIENTE", "COD_DOC", "COD_PARC", "COD_NOSSO_NUMERO", "COD_BANCO", "COD_AGENCIA",
                              "COD_CONTA", "DAT_CADASTRO", "DAT_VENCIMENTO", "VLR_TITULO", "VLR_JURO_DIARIO",
                              "DATA_ENVIO_REMESSA", "DIGITO_CONTA_CORRENTE", "CARTEIRA", "DIGITO_AGENCIA",
                              "CONVENIO", "COD_REMESSA", "COD_CEDENTE", "DIGITO_CEDENTE", "COD_CNPJ_CIC",
                              "NOM_RAZAO_SOCIAL", "DES_ENDERECO", "DES_CEP", "DES_E_MAIL", "DES_BAIRRO",
                              "DES_NOME", "COD_UF", "PDESC", "COD_INSTRUCAO_PROTESTO", "NUM_DIAS_PROTESTO",
                              "Marcado"});
    RemittanceTitle t;
    t.codCliente = r.requiredInteger("COD_CLIENTE");
    t.codDoc = r.requiredInteger("COD_DOC");
    t.codParc = r.requiredInteger("COD_PARC");
    t.codNossoNumero = r.text("COD_NOSSO_NUMERO");
    t.codBanco = r.integer("COD_BANCO").value_or(0);
    t.codAgencia = r.text("COD_AGENCIA");
    t.codConta = r.text("COD_CONTA");
    t.datCadastro = r.date("DAT_CADASTRO");
    t.datVencimento = r.date("DAT_VENCIMENTO");
    t.vlrTitulo = r.amount("VLR_TITULO");
    t.vlrJuroDiario = r.amount("VLR_JURO_DIARIO");
    t.dataEnvioRemessa = r.date("DATA_ENVIO_REMESSA");
    t.digitoContaCorrente = r.text("DIGITO_CONTA_CORRENTE");
    t.carteira = r.text("CARTEIRA");
    t.digitoAgencia = r.text("DIGITO_AGENCIA");
    t.convenio = r.text("CONVENIO");
    t.codRemessa = r.integer("COD_REMESSA");
    t.codCedente = r.text("COD_CEDENTE");
    t.digitoCedente = r.text("DIGITO_CEDENTE");
    t.codCnpjCic = r.text("COD_CNPJ_CIC");
    t.nomRazaoSocial = r.text("NOM_RAZAO_SOCIAL");
    t.desEndereco = r.text("DES_ENDERECO");
    t.desCep = r.text("DES_CEP");
    t.desEMail = r.text("DES_E_MAIL");
    t.desBairro = r.text("DES_BAIRRO");
    t.desNome = r.text("DES_NOME");
    t.codUf = r.text("COD_UF");
    // The list computes these as 0 when the customer or account has none.
    t.pdesc = r.amount("PDESC").value_or(base::Money());
    t.codInstrucaoProtesto = r.integer("COD_INSTRUCAO_PROTESTO").value_or(0);
    t.numDiasProtesto = r.integer("NUM_DIAS_PROTESTO").value_or(0);
    t.marcado = r.boolean("Marcado", true);
    return t;
}

RemittanceInput readInput(const QByteArray& json, const QString& fileName)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(fileName, "JSON inválido na posição " + QString::number(error.offset) + ": " + error.errorString());
    if (!doc.isObject())
        fail(fileName, "esperado um objeto JSON");
    const QJsonObject root = doc.object();
    const Reader r(root, fileName, {"hoje", "agora", "empresa", "titulos"});

    RemittanceInput in;
    const auto today = r.date("hoje");
    if (!today)
        fail(fileName + ".hoje", "valor obrigatório");
    in.today = *today;
    if (r.isNull("agora")) {
        in.now = {in.today, {}};
    } else {
        const auto now = base::DateTime::parseIso(root.value("agora").toString().toStdString());
        if (!root.value("agora").isString() || !now)
            fail(fileName + ".agora", "esperado um momento \"AAAA-MM-DDTHH:MM:SS\"");
        in.now = *now;
    }
    if (!root.value("empresa").isObject())
        fail(fileName + ".empresa", "esperado um objeto");
    in.company = readCompany(root.value("empresa").toObject());
    if (!root.value("titulos").isArray())
        fail(fileName + ".titulos", "esperada uma lista");
    const QJsonArray titles = root.value("titulos").toArray();
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const QString where = "titulos[" + QString::number(i) + "]";
        if (!titles.at(i).isObject())
            fail(where, "esperado um objeto");
        in.titles.push_back(readTitle(titles.at(i).toObject(), where));
    }
    return in;
}

void printError(const QString& message)
{
    std::fputs((message + "\n").toUtf8().constData(), stderr);
}

} // namespace

int remessa(const QStringList& args)
{
    QString bank, layout, input, output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        QString* target = a == "--banco" ? &bank : a == "--layout" ? &layout
            : a == "--entrada" ? &input : a == "--saida" ? &output : nullptr;
        if (!target || i + 1 >= args.size()) {
            printError(target ? "Falta o valor de " + a : "Opção desconhecida: " + a);
            std::fputs(kUsage, stderr);
            return 2;
        }
        *target = args.at(++i);
    }
    if (bank.isEmpty() || layout.isEmpty() || input.isEmpty() || output.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    bool ok = false;
    const long long bankCode = bank.trimmed().toLongLong(&ok);
    if (!ok) {
        printError("Código inválido: " + bank.trimmed());
        return 2;
    }
    if (layout != "400" && layout != "240") {
        printError("Leiaute inválido: " + layout + " (use 400 ou 240)");
        return 2;
    }
    const auto cnabLayout = layout == "400" ? cnab::CnabLayout::Cnab400 : cnab::CnabLayout::Cnab240;

    QFile in(input);
    if (!in.open(QIODevice::ReadOnly)) {
        printError("Não foi possível abrir o arquivo de entrada " + input + ": " + in.errorString());
        return 2;
    }
    try {
        const cnab::RemittanceFile file = cnab::writeRemittance(bankCode, cnabLayout, readInput(in.readAll(), input));
        // Written under a temporary name and renamed when complete: no partial file.
        QSaveFile out(output);
        if (!out.open(QIODevice::WriteOnly)
            || out.write(file.bytes.data(), static_cast<qint64>(file.bytes.size())) != static_cast<qint64>(file.bytes.size())
            || !out.commit()) {
            printError("Não foi possível gravar " + output + ": " + out.errorString());
            return 1;
        }
        std::printf("Quantidade de Titulos: %d\n", file.titleCount);
        std::printf("Valor total da Remessa: R$ %s\n", cnab::totalText(file.total).c_str());
        return 0;
    } catch (const InputError& e) {
        printError(QString::fromUtf8(e.what()));
        return 2;
    } catch (const std::exception& e) {   // refusals of the writer, banks without writer
        printError(QString::fromUtf8(e.what()));
        return 1;
    }
}

} // namespace fin::cli
