#include "cnab/remessa/frame.h"
#include "cnab/remessa/sources.h"

#include <cctype>

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

// With a customer discount, the discount runs until the due date.
constexpr Source discountUntil{"DAT_VENCIMENTO (desconto)", [](const RecordContext& c) {
    if (c.row().pdesc <= base::Money())
        return Value::of(std::string("000000"));
    std::string d6;
    appendValue(d6, D6, 6, datVencimento.get(c));
    return Value::of(d6);
}};
constexpr Source discountAmount{"VLR_TITULO x PDESC (desconto)", [](const RecordContext& c) {
    const RemittanceTitle& t = c.row();
    if (t.pdesc <= base::Money())
        return Value::of(base::Money());
    return t.vlrTitulo ? Value::of(t.vlrTitulo->percent(t.pdesc)) : Value::none();
}};
constexpr Source eMailLowerCase{"DES_E_MAIL", [](const RecordContext& c) {
    std::string s = c.row().desEMail.value_or("");
    for (char& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return Value::of(s);
}};

constexpr Field kHeader[] = {
    lit(1, 1, "0"),
    lit(2, 2, "1"),
    lit(3, 9, "REMESSA"),
    lit(10, 11, "01"),
    lit(12, 26, "COBRANCA       "),
    field(27, 30, R, companyCodAgencia),
    lit(31, 32, "00"),
    field(33, 37, R, companyCodContaCorrente),
    field(38, 38, R, companyDigitoContaCorrente),
    blanks(39, 46),
    field(47, 76, T, companyName),
    field(77, 79, R, companyCodBanco),
    lit(80, 94, "BANCO ITAU SA  "),
    field(95, 100, D6, today),
    blanks(101, 394),
    field(395, 400, Z, seq),
};

constexpr Field kDetail[] = {
    lit(1, 1, "1"),
    lit(2, 3, "02"),
    field(4, 17, R, companyCnpjDigits),
    field(18, 21, R, codAgencia),
    lit(22, 23, "00"),
    field(24, 28, R, codConta),
    field(29, 29, R, digitoContaCorrente),
    blanks(30, 33),
    blanks(34, 37),
    blanks(38, 62),
    field(63, 70, Z, codNossoNumero),
    zeros(71, 83),
    field(84, 86, R, carteira),
    blanks(87, 107),
    lit(108, 108, "I"),
    lit(109, 110, "01"),
    field(111, 120, P, docParcText),
    field(121, 126, D6, datVencimento),
    field(127, 139, V, vlrTitulo),
    field(140, 142, R, codBanco),
    zeros(143, 147),
    lit(148, 149, "01"),
    lit(150, 150, "N"),
    field(151, 156, D6, datCadastro),
    lit(157, 158, "00"),
    lit(159, 160, "00"),
    field(161, 173, V, vlrJuroDiario),
    field(174, 179, R, discountUntil),
    field(180, 192, V, discountAmount),
    zeros(193, 205),
    zeros(206, 218),
    field(219, 220, R, payerType400),
    field(221, 234, P, payerNumber400),
    field(235, 264, T, nomRazaoSocial),
    blanks(265, 274),
    field(275, 314, T, desEndereco),
    field(315, 326, T, desBairro),
    field(327, 334, P, cepDigits),
    field(335, 349, T, desNome),
    field(350, 351, R, codUf),
    blanks(352, 381),
    blanks(382, 385),
    zeros(386, 391),
    zeros(392, 393),
    blanks(394, 394),
    field(395, 400, Z, seq),
};

constexpr Field kEMail[] = {
    lit(1, 1, "5"),
    field(2, 394, P, eMailLowerCase),
    field(395, 400, Z, seq),
};

constexpr Field kTrailer[] = {
    lit(1, 1, "9"),
    blanks(2, 394),
    field(395, 400, Z, seq),
};

constexpr Layout kEMailLayout{"e-mail", 400, kEMail};

bool hasEMail(const RemittanceTitle& t)
{
    for (char ch : t.desEMail.value_or(""))
        if (static_cast<unsigned char>(ch) > ' ')
            return true;
    return false;
}

std::string fileName(const RecordContext& c)
{
    return "C" + fileNameDate(c.today) + "C.txt";
}

} // namespace

const Cnab400Bank& itau400()
{
    static const Cnab400Bank bank{
        341, "C:\\Itau", fileName,
        {"header do arquivo", 400, kHeader},
        {"detalhe", 400, kDetail},
        {"trailer", 400, kTrailer},
        &kEMailLayout, hasEMail,
    };
    return bank;
}

} // namespace fin::cnab
