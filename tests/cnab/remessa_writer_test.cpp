// The writer frame: marks, numbering, lengths, file names, totals and the
// refusal of a whole file when one value does not fit.

#include "remessa_fixture.h"

namespace fin::cnab::test {
namespace {

struct BankCase {
    long long bank;
    CnabLayout layout;
    std::size_t length;
    const char* fileName;
    const char* folder;
};

const BankCase kBanks[] = {
    {341, CnabLayout::Cnab400, 400, "C190612C.txt", "C:\\Itau"},
    {237, CnabLayout::Cnab400, 400, "CB190612.REM", "C:\\Bradesco"},
    {33, CnabLayout::Cnab400, 400, "S190612S.txt", "C:\\Santander"},
    {1, CnabLayout::Cnab400, 400, "BB190612.REM", "C:\\BBrasil"},
    {756, CnabLayout::Cnab400, 400, "CB190612.REM", "C:\\Sicoob"},
    {104, CnabLayout::Cnab400, 400, "CB190612.REM", "C:\\Caixa"},
    {756, CnabLayout::Cnab240, 240, "CB190612_56789.REM", "C:\\Sicoob"},
    {104, CnabLayout::Cnab240, 240, "E1900017.REM", "C:\\CAIXA\\Cobranca\\Remessa"},
};

// A sample every writer accepts: a Caixa title number, one-digit portfolio.
RemittanceInput inputFor(long long bank)
{
    RemittanceInput in = sampleInput(bank);
    RemittanceTitle& t = in.titles[0];
    t.carteira = bank == 341 ? "109" : "1";
    t.codNossoNumero = bank == 104 ? "14000000000000123" : "2";
    return in;
}

std::string nameOf(const BankCase& c)
{
    return std::to_string(c.bank) + "/" + std::to_string(static_cast<int>(c.layout));
}

TEST(RemessaWriter, EveryFileHasFixedLengthRecordsAndItsName)
{
    for (const BankCase& c : kBanks) {
        RemittanceInput in = inputFor(c.bank);
        in.titles.resize(3, in.titles[0]);
        in.titles[1].desEMail = "a@b.com";
        in.titles[2].nomRazaoSocial = std::string(60, 'N');   // cut by its T field
        const RemittanceFile file = writeRemittance(c.bank, c.layout, in);
        EXPECT_EQ(file.fileName, c.fileName) << nameOf(c);
        EXPECT_EQ(file.folder, c.folder) << nameOf(c);
        EXPECT_EQ(file.titleCount, 3) << nameOf(c);
        EXPECT_EQ(file.total, money("3703.68")) << nameOf(c);
        ASSERT_EQ(file.bytes.substr(file.bytes.size() - 2), "\r\n") << nameOf(c);
        const auto recs = records(file.bytes);
        for (std::size_t i = 0; i < recs.size(); ++i)
            EXPECT_EQ(recs[i].size(), c.length) << nameOf(c) << " record " << i;
        if (c.layout == CnabLayout::Cnab400) {
            for (std::size_t i = 0; i < recs.size(); ++i)   // 000001, 000002, ... to the trailer
                EXPECT_EQ(recs[i].substr(394), ZeroPad(static_cast<long long>(i) + 1, 6)) << nameOf(c);
            EXPECT_EQ(recs.back()[0], '9') << nameOf(c);
        }
    }
}

TEST(RemessaWriter, OnlyMarkedTitlesAreWrittenByEveryWriter)
{
    for (const BankCase& c : kBanks) {
        RemittanceInput in = inputFor(c.bank);
        in.titles.resize(3, in.titles[0]);
        in.titles[0].codDoc = 111;
        in.titles[1].codDoc = 222;
        in.titles[1].marcado = false;
        in.titles[2].codDoc = 333;
        in.titles[2].vlrTitulo = money("10.00");
        const RemittanceFile file = writeRemittance(c.bank, c.layout, in);
        EXPECT_EQ(file.titleCount, 2) << nameOf(c);
        EXPECT_EQ(file.total, money("1244.56")) << nameOf(c);
        EXPECT_NE(file.bytes.find("111/2"), std::string::npos) << nameOf(c);
        EXPECT_EQ(file.bytes.find("222/2"), std::string::npos) << nameOf(c);   // Caixa 400 included
        EXPECT_NE(file.bytes.find("333/2"), std::string::npos) << nameOf(c);
    }
}

TEST(RemessaWriter, NothingMarkedGivesHeaderAndTrailerOnly)
{
    for (const BankCase& c : kBanks) {
        RemittanceInput in = inputFor(c.bank);
        in.titles[0].marcado = false;
        const RemittanceFile file = writeRemittance(c.bank, c.layout, in);
        EXPECT_EQ(records(file.bytes).size(), c.layout == CnabLayout::Cnab400 ? 2u : 4u) << nameOf(c);
        EXPECT_EQ(file.titleCount, 0) << nameOf(c);
        EXPECT_EQ(file.total, base::Money()) << nameOf(c);
    }
}

// The refusal of a file, or "(written)".
std::string refusal(long long bank, CnabLayout layout, const RemittanceInput& in)
{
    try {
        writeRemittance(bank, layout, in);
    } catch (const FieldError& e) {
        return e.what();
    }
    return "(written)";
}

TEST(RemessaWriter, ValueThatDoesNotFitRefusesTheWholeFile)
{
    RemittanceInput in = sampleInput(341);
    in.titles.push_back(in.titles[0]);
    in.titles[1].codDoc = 123456789;
    in.titles[1].codParc = 12;
    EXPECT_EQ(refusal(341, CnabLayout::Cnab400, in),
              "Remessa não gerada: título 123456789/12, registro detalhe, campo COD_DOC/COD_PARC "
              "(posições 111-120): \"123456789/12\" tem 12 caracteres e o campo tem 10");

    try {
        writeRemittance(341, CnabLayout::Cnab400, in);
        FAIL() << "written";
    } catch (const RecordFieldError& e) {
        EXPECT_EQ(e.title(), "123456789/12");
        EXPECT_EQ(e.record(), "detalhe");
        EXPECT_EQ(e.field(), "COD_DOC/COD_PARC");
        EXPECT_EQ(e.first(), 111);
    }
}

TEST(RemessaWriter, RefusalsNameTheTitleAndTheField)
{
    const struct {
        long long bank;
        CnabLayout layout;
        void (*change)(RemittanceInput&);
        const char* expected;
    } cases[] = {
        {341, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].codNossoNumero = "12A"; },
         "título 1234/2, registro detalhe, campo COD_NOSSO_NUMERO (posições 63-70): \"12A\" não é um número inteiro"},
        {341, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].datVencimento.reset(); },
         "título 1234/2, registro detalhe, campo DAT_VENCIMENTO (posições 121-126): data não informada"},
        {341, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].codAgencia = "123"; },
         "título 1234/2, registro detalhe, campo COD_AGENCIA (posições 18-21): \"123\" tem 3 caracteres e o campo exige 4"},
        {341, CnabLayout::Cnab400, [](RemittanceInput& in) { in.company.codContaCorrente = "123456"; },
         "registro header do arquivo, campo COD_CONTA_CORRENTE da empresa (posições 33-37)"},
        {237, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles.clear(); },
         "registro header do arquivo, campo COD_CEDENTE (posições 27-45): a lista de títulos está vazia"},
        {1, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].digitoAgencia = "X"; },
         "campo DIGITO_AGENCIA (posição 31): \"X\" não é um número inteiro"},
        {756, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].codNossoNumero = "12345678"; },
         "título 1234/2, registro detalhe, campo COD_NOSSO_NUMERO (dígito) (posição 74): o nosso número 12345678 tem mais de 7 dígitos"},
        {104, CnabLayout::Cnab400, [](RemittanceInput& in) { in.titles[0].codNossoNumero = "1400000000000012"; },
         "campo COD_NOSSO_NUMERO (1-2) (posições 57-58): \"1400000000000012\" tem 16 caracteres e o nosso número da Caixa exige 17"},
        {104, CnabLayout::Cnab240, [](RemittanceInput& in) { in.titles[0].codCnpjCic = "1234567890"; },
         "título 1234/2, registro segmento Q, campo COD_CNPJ_CIC (posições 19-33)"},
        {756, CnabLayout::Cnab240, [](RemittanceInput& in) { in.titles[0].vlrTitulo.reset(); },
         "registro segmento P, campo VLR_TITULO (posições 86-100): valor não informado"},
        {756, CnabLayout::Cnab240, [](RemittanceInput& in) { in.titles[0].codConta = "\t56789"; },
         "nome do arquivo: a conta COD_CONTA \"\t56789\" tem caracteres que um nome de arquivo não admite"},
    };
    for (const auto& c : cases) {
        RemittanceInput in = inputFor(c.bank);
        c.change(in);
        const std::string message = refusal(c.bank, c.layout, in);
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_EQ(message.rfind("Remessa não gerada: ", 0), 0u) << message;
    }
}

// Five digits number the segments of a batch: 33,333 titles fill it, one more
// cannot be numbered and the file is refused instead of growing a record.
TEST(RemessaWriter, Cnab240BatchHoldsAtMost33333Titles)
{
    RemittanceInput in = inputFor(756);
    in.titles.resize(33333, in.titles[0]);
    const auto file = writeRemittance(756, CnabLayout::Cnab240, in);
    const auto recs = records(file.bytes);
    ASSERT_EQ(recs.size(), 3u * 33333 + 4);
    EXPECT_EQ(recs[recs.size() - 3].substr(8, 6), "99999R");
    EXPECT_EQ(recs[recs.size() - 2].substr(17, 6), "100001");
    EXPECT_EQ(recs.back().substr(23, 6), "100003");
    in.titles.push_back(in.titles[0]);
    EXPECT_NE(refusal(756, CnabLayout::Cnab240, in).find("campo sequencial do segmento (posições 9-13)"),
              std::string::npos);
}

TEST(RemessaWriter, BanksWithoutWriter)
{
    const RemittanceInput in = sampleInput(399);
    EXPECT_THROW(writeRemittance(399, CnabLayout::Cnab400, in), UnsupportedBank);
    for (long long bank : {341LL, 237LL, 33LL})
        EXPECT_THROW(writeRemittance(bank, CnabLayout::Cnab240, in), UnsupportedBank);
    try {
        writeRemittance(1, CnabLayout::Cnab240, in);
        FAIL() << "written";
    } catch (const UnsupportedBank& e) {
        EXPECT_STREQ(e.what(), "Banco não implementado para o CNAB 240");
    }
    for (const BankCase& c : kBanks)
        EXPECT_TRUE(hasRemittanceWriter(c.bank, c.layout)) << nameOf(c);
    EXPECT_FALSE(hasRemittanceWriter(1, CnabLayout::Cnab240));
    EXPECT_FALSE(hasRemittanceWriter(399, CnabLayout::Cnab400));
}

TEST(RemessaWriter, TotalAsTheClosingMessageShowsIt)
{
    EXPECT_EQ(totalText(money("1234.50")), "1234,5");
    EXPECT_EQ(totalText(money("150.51")), "150,51");
    EXPECT_EQ(totalText(money("100.00")), "100");
    EXPECT_EQ(totalText(base::Money()), "0");
    EXPECT_EQ(totalText(money("0.01")), "0,01");
}

} // namespace
} // namespace fin::cnab::test
