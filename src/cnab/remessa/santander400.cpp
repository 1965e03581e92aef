#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

constexpr std::string_view kTransmissionCode = "58026419375108264917";

constexpr Source nossoNumeroCheck{"COD_NOSSO_NUMERO (dígito)", [](const RecordContext& c) {
    return Value::of(SantanderCheckDigit(c.row().codNossoNumero.value_or("")));
}};
// The last two characters of the company's account followed by its digit.
constexpr Source accountTail{"COD_CONTA_CORRENTE da empresa (final)", [](const RecordContext& c) {
    const std::string s = c.company->codContaCorrente.value_or("") + c.company->digitoContaCorrente.value_or("");
    return Value::of(s.size() > 2 ? s.substr(s.size() - 2) : s);
}};

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 26, "COBRANCA       "),
    lit(27, 46, kTransmissionCode),
    field(47, 76, T, companyName),
    lit(77, 79, "033"),
    lit(80, 94, "SANTANDER      "),
    field(95, 100, D6, today),
    zeros(101, 116),
    blanks(117, 391),
    lit(392, 394, "000"),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "1"),
    lit(2, 3, "02"),
    field(4, 17, R, companyCnpjDigits),
    lit(18, 37, kTransmissionCode),
    field(38, 62, P, docParcText),
    field(63, 69, Z, codNossoNumero),
    field(70, 70, R, nossoNumeroCheck),
    zeros(71, 76),
    lit(77, 77, " "),
    lit(78, 78, "4"),
    lit(79, 82, "0200"),
    lit(83, 84, "00"),
    zeros(85, 97),
    blanks(98, 101),
    zeros(102, 107),
    lit(108, 108, "5"),
    lit(109, 110, "01"),
    field(111, 120, P, docParcText),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    lit(140, 142, "033"),
    lit(143, 147, "00000"),
    lit(148, 149, "01"),
    lit(150, 150, "N"),
    field(151, 156, D6, datCadastro),
    lit(157, 158, "00"),
    lit(159, 160, "00"),
    field(161, 173, V, vlrJuroDiario),
    lit(174, 179, "000000"),
    zeros(180, 192),
    zeros(193, 205),
    zeros(206, 218),
    field(219, 220, R, payerType400),
    field(221, 234, P, payerNumber400),
    field(235, 274, T, nomRazaoSocial),
    field(275, 314, T, desEndereco),
    field(315, 326, T, desBairro),
    field(327, 334, P, cepDigits),
    field(335, 349, T, desNome),
    field(350, 351, R, codUf),
    field(352, 381, T, companyName),
    lit(382, 382, " "),
    lit(383, 383, "i"),
    field(384, 385, R, accountTail),
    blanks(386, 391),
    lit(392, 393, "00"),
    lit(394, 394, " "),
    field(395, 400, Z, seq),
};

constexpr Field kTrailer[] = {
    lit(1, 1, "9"),
    field(2, 7, Z, titleCount),
    field(8, 20, V, total),
    zeros(21, 394),
    field(395, 400, Z, seq),
};

std::string fileName(const RecordContext& c)
{
    return "S" + fileNameDate(c.today) + "S.txt";
}

} // namespace

const Cnab400Bank& santander400()
{
    static const Cnab400Bank bank{
        33, "C:\\Santander", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
    };
    return bank;
}

} // namespace fin::cnab
