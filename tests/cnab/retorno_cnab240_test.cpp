// The Sicoob CNAB 240 reader: segments T and U, how they pair into rows, and
// records with their trailing blanks stripped.

#include "retorno_records.h"

#include <gtest/gtest.h>

using namespace fin::cnab;
using fin::cnab::test::RecordBuilder;
using fin::cnab::test::render;
using fin::cnab::test::RenderedRow;

namespace {

std::string header()
{
    return RecordBuilder(240).put(1, 8, "75600000").str();
}

std::string lotHeader()
{
    return RecordBuilder(240).put(1, 8, "75600011").put(9, 9, "R").str();
}

std::string trailers()
{
    return RecordBuilder(240).put(1, 8, "75600015").str() + "\r\n" + RecordBuilder(240).put(1, 8, "75699999").str();
}

std::string segmentT(std::string_view number, std::string_view occurrence = "06",
                     std::string_view due = "13082015")
{
    return RecordBuilder(240)
        .put(1, 15, "7560001300001T ")
        .put(16, 17, occurrence)
        .put(18, 37, "03039000000004898160")
        .put(38, 46, number)
        .put(47, 47, "3")
        .put(48, 57, "01011     ")
        .put(58, 58, "1")
        .put(59, 73, "4711/02        ")
        .put(74, 81, due)
        .put(82, 96, "000000000012590")
        .put(97, 99, "756")
        .str();
}

// Interest 1.45, discount 6.00, abatement 5.00, IOF 0.38, paid 127.35, other
// expenses 2.00, other credits 0.07, occurrence date 10/08/2015.
std::string segmentU(std::string_view occurrenceDate = "10082015")
{
    return RecordBuilder(240)
        .put(1, 17, "7560001300002U 06")
        .put(18, 32, "000000000000145")
        .put(33, 47, "000000000000600")
        .put(48, 62, "000000000000500")
        .put(63, 77, "000000000000038")
        .put(78, 92, "000000000012735")
        .put(93, 107, "000000000012735")
        .put(108, 122, "000000000000200")
        .put(123, 137, "000000000000007")
        .put(138, 145, occurrenceDate)
        .put(146, 153, "11082015")
        .str();
}

std::string file(std::initializer_list<std::string> details)
{
    std::string out = header() + "\r\n" + lotHeader() + "\r\n";
    for (const auto& d : details)
        out += d + "\r\n";
    return out + trailers() + "\r\n";
}

std::vector<ReturnRow> read(const std::string& bytes)
{
    return fin::cnab::test::readWith(readSicoob240, bytes, "/srv/retornos/sicoob.ret ");
}

} // namespace

TEST(Retorno240, SicoobPairReadsTheFieldsOfBothSegments)
{
    const auto rows = read(file({segmentT("000000083"), segmentU()}));
    ASSERT_EQ(rows.size(), 1u);
    const RenderedRow expected = {
        {"IDREG", "3"}, {"DADOS_RETORNO", "/srv/retornos/sicoob.ret"}, {"COD_MOT_OCORRENCIA", "6"},
        {"DESC_OCORRENCIA", "Liquidação"}, {"NOSSO_NUMERO", "000000083"}, {"CARTEIRA", "1"},
        {"NUM_DOC", "4711/02        "}, {"DT_VENCIMENTO", "2015-08-13"}, {"VALOR_TITULO", "125.90"},
        {"VALOR_JUROS", "1.45"}, {"VALOR_DESCONTO", "6.00"}, {"VALOR_ABATIMENTO", "5.00"}, {"IOF", "0.38"},
        {"VALOR_PAGO", "127.35"}, {"OUTRAS_DESPESAS", "2.00"}, {"VALOR_OUTROS_CREDITOS", "0.07"},
        {"DT_OCORRENCIA", "2015-08-10"},
    };
    EXPECT_EQ(render(rows[0]), expected);
    EXPECT_EQ(rows[0].titleKey, "83");
}

TEST(Retorno240, SegmentsPairAsTheyFollowEachOther)
{
    // T T U: the second T overwrites the first, and the U stores it.
    auto rows = read(file({segmentT("000000001", "02"), segmentT("000000002", "06"), segmentU()}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].NOSSO_NUMERO, "000000002");
    EXPECT_EQ(rows[0].COD_MOT_OCORRENCIA, 6);
    EXPECT_EQ(rows[0].VALOR_PAGO->toString(2), "127.35");

    // A last T without its U is not stored.
    rows = read(file({segmentT("000000001"), segmentU(), segmentT("000000002")}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].NOSSO_NUMERO, "000000001");

    // Other segments between T and U fill nothing.
    const std::string segmentY = RecordBuilder(240).put(1, 17, "7560001300003Y 06").str();
    rows = read(file({segmentT("000000001"), segmentY, segmentU()}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(render(rows[0]), render(read(file({segmentT("000000001"), segmentU()}))[0]));

    // A U without a T gives a row of the U alone.
    rows = read(file({segmentU()}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].NOSSO_NUMERO);
    EXPECT_FALSE(rows[0].COD_MOT_OCORRENCIA);
    EXPECT_EQ(rows[0].titleKey, "");
    EXPECT_EQ(rows[0].VALOR_PAGO->toString(2), "127.35");
}

TEST(Retorno240, EveryRowCarriesItsFileAndRecordType)
{
    const auto rows = read(file({segmentT("000000001"), segmentU(), segmentT("000000002"), segmentU()}));
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        EXPECT_EQ(row.IDREG, 3);
        EXPECT_EQ(row.DADOS_RETORNO, "/srv/retornos/sicoob.ret");
        // Not in the segments this reader takes.
        EXPECT_FALSE(row.DATA_CREDITO);
        EXPECT_FALSE(row.VALOR_DESPESAS);
        EXPECT_FALSE(row.TP_INSCRICAO);
        EXPECT_FALSE(row.CNPCPF);
    }
    EXPECT_EQ(rows[1].titleKey, "2");
}

TEST(Retorno240, DatesOfEightDigitsAreReadInThisCentury)
{
    const auto rows = read(file({segmentT("000000001", "06", "15031999"), segmentU("05032012"),
                                 segmentT("000000002", "06", "00000000"), segmentU("        ")}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].DT_VENCIMENTO->toIso(), "2099-03-15");
    EXPECT_EQ(rows[0].DT_OCORRENCIA->toIso(), "2012-03-05");
    EXPECT_FALSE(rows[1].DT_VENCIMENTO);
    EXPECT_FALSE(rows[1].DT_OCORRENCIA);
}

TEST(Retorno240, RecordsWithoutTrailingBlanksReadAsBlanks)
{
    const auto strip = [](std::string s) {
        s.erase(s.find_last_not_of(' ') + 1);
        return s;
    };
    std::string shortU = segmentU();
    shortU.resize(145);   // ends with the occurrence date
    const auto rows = read(strip(header()) + "\n" + strip(lotHeader()) + "\n" + strip(segmentT("000000009")) + "\n"
                           + shortU + "\n" + strip(trailers()));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].NOSSO_NUMERO, "000000009");
    EXPECT_EQ(rows[0].DT_OCORRENCIA->toIso(), "2015-08-10");
}

TEST(Retorno240, AnUnreadableFieldNamesItsLine)
{
    std::string badU = segmentU();
    badU[90] = '-';   // VALOR_PAGO, 78-92
    try {
        read(file({segmentT("000000001"), badU}));
        FAIL() << "read without error";
    } catch (const ReturnFileError& e) {
        EXPECT_EQ(e.line(), 4);
        EXPECT_EQ(e.field(), "VALOR_PAGO");
    }
    std::string badType = segmentT("000000001");
    badType[7] = 'T';
    try {
        read(file({badType}));
        FAIL() << "read without error";
    } catch (const ReturnFileError& e) {
        EXPECT_EQ(e.line(), 3);
        EXPECT_EQ(e.field(), "IDREG");
    }
}
