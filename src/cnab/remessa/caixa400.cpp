#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

// The stored title number is two characters of modality and fifteen digits;
// any other length would shift or drop characters, so it is refused.
std::string caixaTitleNumber(const RemittanceTitle& t)
{
    const std::string s = t.codNossoNumero.value_or("");
    if (s.size() != 17)
        throw FieldError("\"" + s + "\" tem " + std::to_string(s.size())
                         + " caracteres e o nosso número da Caixa exige 17");
    return s;
}

constexpr Source nossoNumeroModality{"COD_NOSSO_NUMERO (1-2)", [](const RecordContext& c) {
    return Value::of(caixaTitleNumber(c.row()).substr(0, 2));
}};
constexpr Source nossoNumeroDigits{"COD_NOSSO_NUMERO (3-17)", [](const RecordContext& c) {
    return Value::of(caixaTitleNumber(c.row()).substr(2));
}};
constexpr Source fineAmount{"VLR_TITULO x 2% (multa)", [](const RecordContext& c) {
    const auto& v = c.row().vlrTitulo;
    return v ? Value::of(v->percent(base::Money::fromUnits(2))) : Value::none();
}};

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 26, "COBRANCA       "),
    field(27, 30, Z, codAgencia),
    field(31, 36, Z, codCedente),
    blanks(37, 46),
    field(47, 76, T, companyName),
    field(77, 79, R, companyCodBanco),
    lit(80, 94, "C ECON FEDERAL "),
    field(95, 100, D6, today),
    blanks(101, 389),
    field(390, 394, Z, codRemessa),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "1"),
    field(2, 3, R, payerTypeCaixa400),
    field(4, 17, P, payerDigits),
    field(18, 21, Z, codAgencia),
    field(22, 27, Z, codCedente),
    lit(28, 28, "2"),
    lit(29, 29, "0"),
    lit(30, 31, "00"),
    field(32, 56, P, docParcText),
    field(57, 58, R, nossoNumeroModality),
    field(59, 73, R, nossoNumeroDigits),
    blanks(74, 76),
    blanks(77, 106),
    lit(107, 108, "01"),
    lit(109, 110, "01"),
    field(111, 120, P, codDoc),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    lit(140, 142, "104"),
    lit(143, 147, "00000"),
    lit(148, 149, "01"),
    lit(150, 150, "A"),
    field(151, 156, D6, datCadastro),
    lit(157, 158, "02"),
    lit(159, 160, "00"),
    field(161, 173, V, vlrJuroDiario),
    zeros(174, 179),
    zeros(180, 192),
    zeros(193, 205),
    zeros(206, 218),
    field(219, 220, R, payerTypeCaixa400),
    field(221, 234, P, payerDigits),
    field(235, 274, T, nomRazaoSocial),
    field(275, 314, T, desEndereco),
    field(315, 326, T, desBairro),
    field(327, 334, P, cepDigits),
    field(335, 349, T, desNome),
    field(350, 351, P, codUf),
    zeros(352, 357),
    field(358, 367, V, fineAmount),
    blanks(368, 389),
    lit(390, 391, "00"),
    lit(392, 393, "99"),
    lit(394, 394, "1"),
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

// Only the marked titles are sent, as with every other bank.
const Cnab400Bank& caixa400()
{
    static const Cnab400Bank bank{
        104, "C:\\Caixa", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
    };
    return bank;
}

} // namespace fin::cnab
