#include "cnab/remessa/frame.h"
#include "cnab/remessa/segment_q.h"
#include "cnab/remessa/sources.h"

namespace fin::cnab {

namespace {

using namespace src;
using enum Kind;

constexpr Source fineRate{"multa (2,00 %)", [](const RecordContext&) { return Value::of(200LL); }};
constexpr Source returnDays{"prazo de devolução", [](const RecordContext&) { return Value::of(90LL); }};

constexpr Field kFileHeader[] = {
    lit(1, 3, "104"),
    lit(4, 7, "0000"),
    lit(8, 8, "0"),
    blanks(9, 17),
    lit(18, 18, "2"),
    field(19, 32, P, companyCnpjDigits),
    zeros(33, 52),
    field(53, 57, Z, codAgencia),
    field(58, 58, Z, digitoAgencia),
    field(59, 65, Z, codCedente),
    zeros(66, 72),
    field(73, 102, T, companyName),
    lit(103, 132, "CEF                           "),
    blanks(133, 142),
    lit(143, 143, "1"),
    field(144, 151, D8, nowDate),
    field(152, 157, H6, nowTime),
    field(158, 163, Z, codRemessa),
    lit(164, 166, "107"),
    lit(167, 171, "00000"),
    blanks(172, 191),
    lit(192, 211, "REMESSA-PRODUCAO    "),
    blanks(212, 240),
};

constexpr Field kBatchHeader[] = {
    lit(1, 3, "104"),
    field(4, 7, Z, batch),
    lit(8, 8, "1"),
    lit(9, 9, "R"),
    lit(10, 11, "01"),
    lit(12, 13, "00"),
    lit(14, 16, "067"),
    blanks(17, 17),
    lit(18, 18, "2"),
    field(19, 33, R, companyCnpj15),
    field(34, 40, Z, codCedente),
    zeros(41, 53),
    field(54, 58, Z, codAgencia),
    field(59, 59, Z, digitoAgencia),
    zeros(60, 65),
    zeros(66, 72),
    lit(73, 73, "0"),
    field(74, 103, T, companyName),
    blanks(104, 143),
    blanks(144, 183),
    field(184, 191, Z, codRemessa),
    field(192, 199, D8, nowDate),
    lit(200, 207, "00000000"),
    blanks(208, 240),
};

constexpr Field kSegmentP[] = {
    lit(1, 3, "104"),
    field(4, 7, Z, batch),
    lit(8, 8, "3"),
    field(9, 13, Z, segment),
    lit(14, 14, "P"),
    lit(15, 15, " "),
    lit(16, 17, "01"),
    field(18, 22, Z, codAgencia),
    field(23, 23, Z, digitoAgencia),
    field(24, 30, Z, codCedente),
    zeros(31, 39),
    zeros(40, 40),
    field(41, 57, R, codNossoNumero),
    field(58, 58, Z, carteira),
    lit(59, 59, "1"),
    lit(60, 60, "2"),
    lit(61, 61, "2"),
    lit(62, 62, "0"),
    field(63, 73, P, docParcText),
    blanks(74, 77),
    field(78, 85, D8, datVencimento),
    field(86, 100, V, vlrTitulo),
    lit(101, 105, "00000"),
    lit(106, 106, "0"),
    lit(107, 108, "02"),
    lit(109, 109, "N"),
    field(110, 117, D8, datCadastro),
    lit(118, 118, "1"),
    field(119, 126, D8, datVencimento),
    field(127, 141, V, vlrJuroDiario),
    lit(142, 142, "0"),
    lit(143, 150, "00000000"),
    zeros(151, 165),
    zeros(166, 180),
    zeros(181, 195),
    field(196, 220, P, docParcText),
    lit(221, 221, "3"),
    lit(222, 223, "00"),
    lit(224, 224, "1"),
    field(225, 227, Z, returnDays),
    lit(228, 229, "09"),
    zeros(230, 239),
    lit(240, 240, " "),
};

constexpr auto kSegmentQ = segmentQ("104");

constexpr Field kSegmentR[] = {
    lit(1, 3, "104"),
    field(4, 7, Z, batch),
    lit(8, 8, "3"),
    field(9, 13, Z, segment),
    lit(14, 14, "R"),
    lit(15, 15, " "),
    lit(16, 17, "01"),
    lit(18, 18, "0"),
    zeros(19, 26),
    zeros(27, 41),
    lit(42, 42, "0"),
    zeros(43, 50),
    zeros(51, 65),
    lit(66, 66, "2"),
    field(67, 74, D8, datVencimento),
    field(75, 89, Z, fineRate),
    blanks(90, 99),
    blanks(100, 139),
    blanks(140, 179),
    blanks(180, 229),
    blanks(230, 240),
};

constexpr Field kBatchTrailer[] = {
    lit(1, 3, "104"),
    field(4, 7, Z, batch),
    lit(8, 8, "5"),
    blanks(9, 17),
    field(18, 23, Z, batchRecords),
    zeros(24, 29),
    zeros(30, 46),
    zeros(47, 52),
    zeros(53, 69),
    zeros(70, 75),
    zeros(76, 92),
    blanks(93, 123),
    blanks(124, 240),
};

constexpr Field kFileTrailer[] = {
    lit(1, 3, "104"),
    lit(4, 7, "9999"),
    lit(8, 8, "9"),
    blanks(9, 17),
    field(18, 23, Z, batchCount),
    field(24, 29, Z, fileRecords),
    blanks(30, 35),
    blanks(36, 240),
};

// "E", the day of the month, the account's remittance number.
std::string fileName(const RecordContext& c)
{
    return "E" + ZeroPad(c.today.day(), 2) + ZeroPad(c.row().codRemessa.value_or(0), 5) + ".REM";
}

} // namespace

const Cnab240Bank& caixa240()
{
    static const Cnab240Bank bank{
        104, "C:\\CAIXA\\Cobranca\\Remessa", fileName,
        {"header do arquivo", 240, kFileHeader},
        {"header do lote", 240, kBatchHeader},
        {"segmento P", 240, kSegmentP},
        {"segmento Q", 240, kSegmentQ},
        {"segmento R", 240, kSegmentR},
        {"trailer do lote", 240, kBatchTrailer},
        {"trailer do arquivo", 240, kFileTrailer},
    };
    return bank;
}

} // namespace fin::cnab
