#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

// The title number: its integer value in 11 digits when stored shorter,
// otherwise the stored text itself.
std::string titleNumber(const RemittanceTitle& t)
{
    const std::string stored = t.codNossoNumero.value_or("");
    if (stored.size() < 11)
        return ZeroPad(wholeNumber(stored), 11);
    return stored;
}

constexpr Source nossoNumero{"COD_NOSSO_NUMERO", [](const RecordContext& c) {
    return Value::of(titleNumber(c.row()));
}};
// Modulo 11 (weights up to 7) over the portfolio and the title number;
// remainder 1 is written "P".
constexpr Source nossoNumeroCheck{"COD_NOSSO_NUMERO (dígito)", [](const RecordContext& c) {
    const RemittanceTitle& t = c.row();
    const std::string s = LeftFill(t.carteira.value_or(""), 0, ' ') + LeftFill(titleNumber(t), 0, ' ');
    const CheckDigit dv = Mod11CheckDigit(s, 7);
    if (dv.remainder == 1)
        return Value::of(std::string("P"));
    return Value::of(dv.remainder == 0 ? std::string("0") : dv.text);
}};

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 26, "COBRANCA       "),
    field(27, 45, Z, codCedente),
    field(46, 46, R, digitoCedente),
    field(47, 76, T, companyName),
    field(77, 79, R, companyCodBanco),
    lit(80, 94, "BRADESCO       "),
    field(95, 100, D6, today),
    blanks(101, 108),
    lit(109, 110, "MX"),
    field(111, 117, Z, codRemessa),
    blanks(118, 394),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "1"),
    zeros(2, 20),
    lit(21, 21, "0"),
    field(22, 24, Z, carteira),
    field(25, 29, Z, codAgencia),
    field(30, 36, Z, codConta),
    field(37, 37, R, digitoContaCorrente),
    field(38, 62, P, payerDigitsAndDoc),
    zeros(63, 65),
    lit(66, 66, "2"),
    lit(67, 70, "0200"),
    field(71, 81, R, nossoNumero),
    field(82, 82, R, nossoNumeroCheck),
    zeros(83, 92),
    lit(93, 93, "2"),
    lit(94, 94, "S"),
    blanks(95, 104),
    lit(105, 105, " "),
    lit(106, 106, "0"),
    blanks(107, 108),
    lit(109, 110, "01"),
    field(111, 120, P, docParcText),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    zeros(140, 142),
    zeros(143, 147),
    lit(148, 149, "01"),
    lit(150, 150, "N"),
    field(151, 156, D6, datCadastro),
    lit(157, 158, "00"),
    lit(159, 160, "00"),
    field(161, 173, V, vlrJuroDiario),
    zeros(174, 179),
    zeros(180, 192),
    zeros(193, 205),
    zeros(206, 218),
    field(219, 220, R, payerType400),
    field(221, 234, P, payerNumber400),
    field(235, 274, T, nomRazaoSocial),
    field(275, 314, T, desEndereco),
    blanks(315, 326),
    field(327, 334, P, cepDigits),
    blanks(335, 394),
    field(395, 400, Z, seq),
};

constexpr Field kTrailer[] = {
    lit(1, 1, "9"),
    blanks(2, 394),
    field(395, 400, Z, seq),
};

std::string fileName(const RecordContext& c)
{
    return "CB" + fileNameDate(c.today) + ".REM";
}

} // namespace

const Cnab400Bank& bradesco400()
{
    static const Cnab400Bank bank{
        237, "C:\\Bradesco", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
    };
    return bank;
}

} // namespace fin::cnab
