#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 26, "COBRAN\xC7" "A       "),  // Windows-1252 Ç
    field(27, 30, Z, codAgencia),
    field(31, 31, Z, digitoAgencia),
    field(32, 39, Z, codCedente),
    field(40, 40, Z, digitoCedente),
    blanks(41, 46),
    field(47, 76, T, companyName),
    lit(77, 94, "756BANCOOBCED     "),
    field(95, 100, D6, today),
    field(101, 107, Z, codRemessa),
    blanks(108, 394),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "1"),
    lit(2, 3, "02"),
    field(4, 17, P, companyCnpjDigits),
    field(18, 21, Z, codAgencia),
    field(22, 22, Z, digitoAgencia),
    field(23, 30, Z, codConta),
    field(31, 31, Z, digitoContaCorrente),
    lit(32, 37, "000000"),
    blanks(38, 62),
    field(63, 73, Z, codNossoNumero),
    field(74, 74, R, sicoobCheck),
    field(75, 76, Z, codParc),
    lit(77, 78, "00"),
    blanks(79, 81),
    blanks(82, 82),
    blanks(83, 85),
    lit(86, 88, "000"),
    lit(89, 89, "0"),
    lit(90, 94, "00000"),
    lit(95, 95, "0"),
    lit(96, 101, "000000"),
    blanks(102, 105),
    lit(106, 106, "2"),
    lit(107, 108, "01"),
    lit(109, 110, "01"),
    field(111, 120, P, docParcText),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    lit(140, 142, "756"),
    field(143, 146, Z, codAgencia),
    field(147, 147, Z, digitoAgencia),
    lit(148, 149, "01"),
    lit(150, 150, "0"),
    field(151, 156, D6, datCadastro),
    lit(157, 158, "00"),
    lit(159, 160, "00"),
    lit(161, 166, "090000"),
    lit(167, 172, "020000"),
    lit(173, 173, "2"),
    zeros(174, 179),
    zeros(180, 192),
    lit(193, 193, "9"),
    zeros(194, 205),
    zeros(206, 218),
    field(219, 220, R, payerType400),
    field(221, 234, P, payerNumber400),
    field(235, 274, T, nomRazaoSocial),
    field(275, 311, T, desEndereco),
    field(312, 326, T, desBairro),
    field(327, 334, P, cepDigits),
    field(335, 349, T, desNome),
    field(350, 351, R, codUf),
    blanks(352, 391),
    lit(392, 393, "00"),
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
    return "CB" + fileNameDate(c.today) + ".REM";
}

} // namespace

const Cnab400Bank& sicoob400()
{
    static const Cnab400Bank bank{
        756, "C:\\Sicoob", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
    };
    return bank;
}

} // namespace fin::cnab
