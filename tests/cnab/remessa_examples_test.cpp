// The worked examples of each bank: discount, check digits, agreement,
// variation, fine amounts, trailer totals and the CNAB 240 record counts.

#include "remessa_fixture.h"

namespace fin::cnab::test {
namespace {

// Positions first-last (from 1) of record `index` of the file.
std::string at(const RemittanceFile& file, std::size_t index, int first, int last)
{
    const auto recs = records(file.bytes);
    if (index >= recs.size())
        return "(no record " + std::to_string(index) + ")";
    return recs[index].substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

TEST(RemessaExamples, ItauDiscountUntilTheDueDate)
{
    RemittanceInput in = sampleInput(341);
    in.titles[0].vlrTitulo = money("200.00");
    in.titles[0].pdesc = money("5");
    const RemittanceFile with = writeRemittance(341, CnabLayout::Cnab400, in);
    EXPECT_EQ(at(with, 1, 174, 179), "050712");
    EXPECT_EQ(at(with, 1, 180, 192), "0000000001000");

    in.titles[0].pdesc = base::Money();
    const RemittanceFile without = writeRemittance(341, CnabLayout::Cnab400, in);
    EXPECT_EQ(at(without, 1, 174, 192), zs(19));
}

TEST(RemessaExamples, ItauEMailRecordOnlyWithAnAddress)
{
    RemittanceInput in = sampleInput(341);
    in.titles.push_back(in.titles[0]);
    in.titles[0].desEMail = "Fulano@Exemplo.com";
    in.titles[1].desEMail = "   ";
    const auto recs = records(writeRemittance(341, CnabLayout::Cnab400, in).bytes);
    ASSERT_EQ(recs.size(), 5u);   // header, detail, e-mail, detail, trailer
    EXPECT_EQ(recs[2].substr(0, 20), "5fulano@exemplo.com ");
    EXPECT_EQ(recs[3][0], '1');
    EXPECT_EQ(recs[4].substr(394), "000005");
}

TEST(RemessaExamples, BradescoTitleNumberAndCheckCharacter)
{
    const struct {
        const char* carteira;
        const char* stored;
        const char* expected;
    } cases[] = {
        {"09", "2", "00000000002P"},     // remainder 1
        {"09", "7", "000000000070"},     // remainder 0
        {"19", "2", "000000000028"},     // remainder 3
        {"09", "12345678901", "12345678901"},   // 11 characters are written as stored
    };
    for (const auto& c : cases) {
        RemittanceInput in = sampleInput(237);
        in.titles[0].carteira = c.carteira;
        in.titles[0].codNossoNumero = c.stored;
        const RemittanceFile file = writeRemittance(237, CnabLayout::Cnab400, in);
        const std::string expected = c.expected;
        EXPECT_EQ(at(file, 1, 71, 70 + static_cast<int>(expected.size())), expected) << c.stored;
    }
}

TEST(RemessaExamples, SantanderTitleNumberAndTrailerTotals)
{
    for (const auto& [stored, expected] : {std::pair{"1234567", "12345679"}, std::pair{"5", "00000051"}}) {
        RemittanceInput in = sampleInput(33);
        in.titles[0].codNossoNumero = stored;
        EXPECT_EQ(at(writeRemittance(33, CnabLayout::Cnab400, in), 1, 63, 70), expected);
    }

    RemittanceInput in = sampleInput(33);
    in.titles.resize(4, in.titles[0]);
    in.titles[0].vlrTitulo = money("100.00");
    in.titles[1].vlrTitulo = money("50.50");
    in.titles[2].vlrTitulo = money("999.99");
    in.titles[2].marcado = false;   // left out of the file, the count and the total
    in.titles[3].vlrTitulo = money("0.01");
    const RemittanceFile file = writeRemittance(33, CnabLayout::Cnab400, in);
    const auto recs = records(file.bytes);
    ASSERT_EQ(recs.size(), 5u);
    EXPECT_EQ(recs[4].substr(0, 20), "9000003" "0000000015051");
    EXPECT_EQ(recs[4].substr(394), "000005");
    EXPECT_EQ(file.titleCount, 3);
    EXPECT_EQ(file.total, money("150.51"));
}

TEST(RemessaExamples, BancoDoBrasilAgreementAndVariation)
{
    RemittanceInput in = sampleInput(1);
    in.titles[0].codNossoNumero = "89";
    in.titles[0].convenio = "1234567";
    in.titles[0].carteira = "17";
    EXPECT_EQ(at(writeRemittance(1, CnabLayout::Cnab400, in), 1, 64, 80), "12345670000000089");
    EXPECT_EQ(at(writeRemittance(1, CnabLayout::Cnab400, in), 1, 92, 94), "019");

    in.company.codCnpj = "73.519.246/8305-72";
    EXPECT_EQ(at(writeRemittance(1, CnabLayout::Cnab400, in), 1, 92, 94), "027");
}

TEST(RemessaExamples, SicoobTitleNumbersWithTheirCheckDigit)
{
    for (const auto& [stored, in400, in240] : {std::tuple{"1", "000000000017", "0000000017"},
                                               std::tuple{"7", "000000000070", "0000000070"}}) {
        RemittanceInput in = sampleInput(756);
        RemittanceTitle& t = in.titles[0];
        t.codAgencia = "0001";
        t.codCedente = "1";
        t.digitoCedente = "2";
        t.codNossoNumero = stored;
        t.codParc = 3;
        t.carteira = "1";
        const RemittanceFile f400 = writeRemittance(756, CnabLayout::Cnab400, in);
        EXPECT_EQ(at(f400, 1, 63, 74), in400);
        EXPECT_EQ(at(f400, 1, 75, 76), "03");
        EXPECT_EQ(at(writeRemittance(756, CnabLayout::Cnab240, in), 2, 38, 47), in240);
    }
}

TEST(RemessaExamples, CaixaFineAmount)
{
    for (const auto& [value, fine] : {std::pair{"250.00", "0000000500"}, std::pair{"6.25", "0000000012"}}) {
        RemittanceInput in = sampleInput(104);
        in.titles[0].codNossoNumero = "14000000000000123";
        in.titles[0].codCedente = "123456";
        in.titles[0].vlrTitulo = money(value);
        EXPECT_EQ(at(writeRemittance(104, CnabLayout::Cnab400, in), 1, 358, 367), fine) << value;
    }
}

TEST(RemessaExamples, Cnab240RecordCounts)
{
    for (long long bank : {756LL, 104LL}) {
        RemittanceInput in = sampleInput(bank);
        in.titles[0].codNossoNumero = bank == 104 ? "14000000000000123" : "1";
        in.titles[0].carteira = "1";

        // No title marked: headers and trailers only.
        in.titles[0].marcado = false;
        auto recs = records(writeRemittance(bank, CnabLayout::Cnab240, in).bytes);
        ASSERT_EQ(recs.size(), 4u) << bank;
        EXPECT_EQ(recs[2].substr(17, 6), "000002") << bank;
        EXPECT_EQ(recs[3].substr(17, 12), "000001000004") << bank;

        // Two titles: segments 1 to 6 in order, 8 records in the batch, 10 in the file.
        in.titles[0].marcado = true;
        in.titles.push_back(in.titles[0]);
        recs = records(writeRemittance(bank, CnabLayout::Cnab240, in).bytes);
        ASSERT_EQ(recs.size(), 10u) << bank;
        const char* segments = "PQRPQR";
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(recs[2 + i].substr(8, 6), "0000" + std::to_string(i + 1) + segments[i]) << bank;
            EXPECT_EQ(recs[2 + i].substr(7, 1), "3") << bank;
        }
        EXPECT_EQ(recs[8].substr(17, 6), "000008") << bank;
        EXPECT_EQ(recs[9].substr(17, 12), "000001000010") << bank;
    }
}

} // namespace
} // namespace fin::cnab::test
