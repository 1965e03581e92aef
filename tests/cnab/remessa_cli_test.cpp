// financeiro-cli remessa: the eight files from the JSON fixtures, and bad
// input refused with a message and no file. Runs the program built beside
// this test; skipped when it is not there.

#include "remessa_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fin::cnab::test {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class RemessaCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        // build/tests/cnab/<test> -> build/src/cli/financeiro-cli
        m_cli = fs::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path()
            / "src" / "cli" / "financeiro-cli";
        if (!fs::exists(m_cli))
            GTEST_SKIP() << "financeiro-cli not built at " << m_cli;
        m_dir = fs::temp_directory_path() / ("remessa_cli_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        if (!m_dir.empty())
            fs::remove_all(m_dir);
    }

    CliRun run(const std::string& arguments)
    {
        const fs::path out = m_dir / "stdout.txt";
        const fs::path err = m_dir / "stderr.txt";
        const std::string command = m_cli.string() + " remessa " + arguments + " >" + out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(out), readAll(err)};
    }

    static std::string fixture(const std::string& name)
    {
        return std::string(FIN_SOURCE_DIR) + "/tests/cnab/data/" + name;
    }

    fs::path m_cli;
    fs::path m_dir;
};

TEST_F(RemessaCli, WritesEachOfTheEightFiles)
{
    const struct {
        const char* bank;
        const char* layout;
        const char* fixture;
        std::size_t records;
        std::size_t length;
        const char* total;
    } cases[] = {
        {"341", "400", "remessa_341.json", 5, 400, "1285,06"},   // with one e-mail record
        {"237", "400", "remessa_237.json", 4, 400, "1285,06"},
        {"33", "400", "remessa_033.json", 4, 400, "1285,06"},
        {"1", "400", "remessa_001.json", 4, 400, "1285,06"},
        {"756", "400", "remessa_756.json", 4, 400, "1285,06"},
        {"104", "400", "remessa_104.json", 4, 400, "300,5"},
        {"756", "240", "remessa_756.json", 10, 240, "1285,06"},
        {"104", "240", "remessa_104.json", 10, 240, "300,5"},
    };
    for (const auto& c : cases) {
        const fs::path output = m_dir / (std::string(c.bank) + "_" + c.layout + ".REM");
        const CliRun r = run(std::string("--banco ") + c.bank + " --layout " + c.layout + " --entrada "
                          + fixture(c.fixture) + " --saida " + output.string());
        const std::string what = std::string(c.bank) + "/" + c.layout;
        ASSERT_EQ(r.exitCode, 0) << what << ": " << r.err;
        EXPECT_EQ(r.out, std::string("Quantidade de Titulos: 2\nValor total da Remessa: R$ ") + c.total + "\n") << what;
        const auto recs = records(readAll(output));
        EXPECT_EQ(recs.size(), c.records) << what;
        for (const std::string& rec : recs)
            EXPECT_EQ(rec.size(), c.length) << what;
    }
}

TEST_F(RemessaCli, FileCarriesTheJsonValues)
{
    const fs::path output = m_dir / "itau.txt";
    ASSERT_EQ(run("--banco 341 --layout 400 --entrada " + fixture("remessa_341.json") + " --saida " + output.string()).exitCode, 0);
    const auto recs = records(readAll(output));
    ASSERT_EQ(recs.size(), 5u);
    EXPECT_EQ(recs[0].substr(46, 30), kCompany30);           // UTF-8 JSON, Windows-1252 file
    EXPECT_EQ(recs[1].substr(173, 6), "050712");             // 5 % discount until the due date
    EXPECT_EQ(recs[1].substr(179, 13), "0000000006173");     // 1234.56 x 5 % = 61.728
    EXPECT_EQ(recs[2].substr(0, 26), "5jose.silva@exemplo.com.br");
}

TEST_F(RemessaCli, BadInputIsRefusedWithAMessageAndNoFile)
{
    const fs::path bad = m_dir / "bad.json";
    const fs::path output = m_dir / "never.REM";
    const std::string good = readAll(fixture("remessa_341.json"));
    auto withInput = [&](const std::string& json) {
        std::ofstream(bad, std::ios::binary) << json;
        return run("--banco 341 --layout 400 --entrada " + bad.string() + " --saida " + output.string());
    };
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };

    const struct {
        std::string json;
        const char* message;
    } cases[] = {
        {"{ not json", "JSON inválido"},
        {replaced("\"COD_DOC\": 1234", "\"COD_DOC\": \"1234\""), "titulos[0].COD_DOC: esperado um número inteiro"},
        {replaced("\"COD_DOC\": 1234", "\"COD_DOCS\": 1234"), "titulos[0]: chave desconhecida \"COD_DOCS\""},
        {replaced("\"VLR_TITULO\": \"1234.56\"", "\"VLR_TITULO\": \"12,34\""), "titulos[0].VLR_TITULO: esperado um valor decimal"},
        {replaced("\"DAT_VENCIMENTO\": \"2012-07-05\"", "\"DAT_VENCIMENTO\": \"05/07/2012\""), "titulos[0].DAT_VENCIMENTO: esperada uma data"},
        {replaced("\"Marcado\": true", "\"Marcado\": 1"), "titulos[0].Marcado: esperado true ou false"},
        {replaced("\"hoje\": \"2012-06-19\",", ""), ".hoje: valor obrigatório"},
        // The library's refusal: a value too long for its field.
        {replaced("\"COD_DOC\": 1234", "\"COD_DOC\": 123456789"),
         "Remessa não gerada: título 123456789/1, registro detalhe, campo COD_DOC/COD_PARC (posições 111-120)"},
    };
    for (const auto& c : cases) {
        const CliRun r = withInput(c.json);
        EXPECT_NE(r.exitCode, 0) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(fs::exists(output)) << c.message;
    }

    const CliRun usage = run("--banco 341 --layout 400");
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("Uso: financeiro-cli remessa"), std::string::npos);
    const CliRun code = run("--banco X1 --layout 400 --entrada " + fixture("remessa_341.json") + " --saida " + output.string());
    EXPECT_NE(code.err.find("Código inválido: X1"), std::string::npos) << code.err;
    const CliRun bb240 = run("--banco 1 --layout 240 --entrada " + fixture("remessa_001.json") + " --saida " + output.string());
    EXPECT_NE(bb240.exitCode, 0);
    EXPECT_NE(bb240.err.find("Banco não implementado para o CNAB 240"), std::string::npos) << bb240.err;
    EXPECT_FALSE(fs::exists(output));
}

} // namespace
} // namespace fin::cnab::test
