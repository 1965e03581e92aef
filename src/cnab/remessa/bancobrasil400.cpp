#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

// The one company whose agreement uses portfolio variation 027.
constexpr std::string_view kVariation027Cnpj = "73519246830572";

constexpr Source portfolioVariation{"variação da carteira", [](const RecordContext& c) {
    const bool special = DigitsOnly(c.company->codCnpj.value_or("")) == kVariation027Cnpj;
    return Value::of(std::string(special ? "027" : "019"));
}};

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 19, "COBRANCA"),
    blanks(20, 26),
    field(27, 30, Z, codAgencia),
    field(31, 31, Z, digitoAgencia),
    field(32, 39, Z, codConta),
    field(40, 40, Z, digitoContaCorrente),
    zeros(41, 46),
    field(47, 76, T, companyName),
    lit(77, 94, "001BANCODOBRASIL  "),
    field(95, 100, D6, today),
    field(101, 107, Z, codRemessa),
    blanks(108, 129),
    field(130, 136, Z, convenio),
    blanks(137, 394),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "7"),
    lit(2, 3, "02"),
    field(4, 17, P, companyCnpjDigits),
    field(18, 21, Z, codAgencia),
    field(22, 22, Z, digitoAgencia),
    field(23, 30, Z, codConta),
    field(31, 31, Z, digitoContaCorrente),
    field(32, 38, Z, convenio),
    field(39, 63, P, payerDigitsAndDoc),
    field(64, 70, Z, convenio),
    field(71, 80, Z, codNossoNumero),
    zeros(81, 82),
    zeros(83, 84),
    blanks(85, 87),
    blanks(88, 88),
    blanks(89, 91),
    field(92, 94, R, portfolioVariation),
    lit(95, 95, "0"),
    zeros(96, 101),
    blanks(102, 106),
    field(107, 108, Z, carteira),
    lit(109, 110, "01"),
    field(111, 120, P, docParcText),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    lit(140, 142, "001"),
    lit(143, 146, "0000"),
    lit(147, 147, " "),
    lit(148, 149, "01"),
    lit(150, 150, "N"),
    field(151, 156, D6, datCadastro),
    field(157, 158, Z, codInstrucaoProtesto),
    field(159, 160, Z, numDiasProtesto),
    field(161, 173, V, vlrJuroDiario),
    lit(174, 179, "000000"),
    zeros(180, 192),
    zeros(193, 205),
    zeros(206, 218),
    field(219, 220, R, payerType400),
    field(221, 234, P, payerNumber400),
    field(235, 271, T, nomRazaoSocial),
    blanks(272, 274),
    field(275, 314, T, desEndereco),
    field(315, 326, T, desBairro),
    field(327, 334, P, cepDigits),
    field(335, 349, T, desNome),
    field(350, 351, R, codUf),
    blanks(352, 391),
    lit(392, 393, "  "),
    lit(394, 394, " "),
    field(395, 400, Z, seq),
};

constexpr Field kTrailer[] = {
    lit(1, 1, "9"),
    blanks(2, 394),
    field(395, 400, Z, seq),
};

std::string fileName(const RecordContext& c)
{
    return "BB" + fileNameDate(c.today) + ".REM";
}

} // namespace

const Cnab400Bank& bancoDoBrasil400()
{
    static const Cnab400Bank bank{
        1, "C:\\BBrasil", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
    };
    return bank;
}

} // namespace fin::cnab
