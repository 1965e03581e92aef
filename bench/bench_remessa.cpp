// Writing remittance files of 200,000 titles to memory: titles per second.

#include "cnab/remessa/writer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace fin;

constexpr int kTitles = 200000;
// One CNAB 240 batch numbers its segments with five digits: at most 33,333
// titles per file, so the 240 benchmark writes ten files of 20,000.
constexpr int kTitlesPer240File = 20000;

cnab::RemittanceInput makeInput(long long bank, int titles)
{
    cnab::RemittanceInput in;
    in.today = base::Date::fromYmd(2012, 6, 19);
    in.now = {in.today, {14, 30, 5, 0}};
    in.company.nomRazaoSocial = "Comércio de Peças Exemplo Ltda";
    in.company.codCnpj = "12.345.678/0001-90";
    in.company.codBanco = bank;
    in.company.codAgencia = "1234";
    in.company.codContaCorrente = "56789";
    in.company.digitoContaCorrente = "3";
    in.titles.reserve(static_cast<std::size_t>(titles));
    for (int i = 0; i < titles; ++i) {
        cnab::RemittanceTitle t;
        t.codCliente = 1000 + i % 5000;
        t.codDoc = 100000 + i / 4;
        t.codParc = 1 + i % 4;
        t.codNossoNumero = bank == 104 ? "14" + std::string(15 - std::to_string(i + 1).size(), '0') + std::to_string(i + 1)
                                       : std::to_string(i + 1);
        t.codBanco = bank;
        t.codAgencia = "1234";
        t.codConta = "56789";
        t.datCadastro = base::Date::fromYmd(2012, 6, 5);
        t.datVencimento = base::Date::fromYmd(2012, 7, 5).addDays(i % 60);
        t.vlrTitulo = base::Money::fromCents(10000 + i % 90000);
        t.vlrJuroDiario = base::Money::fromCents(i % 50);
        t.digitoContaCorrente = "3";
        t.digitoAgencia = "5";
        t.carteira = bank == 341 ? "109" : "1";
        t.codRemessa = 17;
        t.codCedente = "4567";
        t.digitoCedente = "8";
        t.codCnpjCic = i % 2 ? "123.456.789-09" : "12.345.678/0001-90";
        t.nomRazaoSocial = "José da Silva Comércio de Ferragens Ltda";
        t.desEndereco = "Rua das Flores, 100, Sala " + std::to_string(i % 300);
        t.desCep = "74.000-000";
        t.desEMail = i % 2 ? "" : "Cliente" + std::to_string(i) + "@Exemplo.com.br";
        t.desBairro = "Setor Central";
        t.desNome = "Goiânia";
        t.codUf = "GO";
        t.pdesc = base::Money::fromUnits(i % 3);
        t.marcado = i % 10 != 0;
        in.titles.push_back(std::move(t));
    }
    return in;
}

void writeFile(benchmark::State& state, long long bank, cnab::CnabLayout layout)
{
    const bool is240 = layout == cnab::CnabLayout::Cnab240;
    const int files = is240 ? kTitles / kTitlesPer240File : 1;
    const cnab::RemittanceInput in = makeInput(bank, kTitles / files);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int f = 0; f < files; ++f) {
            const cnab::RemittanceFile file = cnab::writeRemittance(bank, layout, in);
            bytes += file.bytes.size();
            benchmark::DoNotOptimize(file.bytes.data());
        }
    }
    state.counters["titulos/s"] = benchmark::Counter(static_cast<double>(kTitles) * state.iterations(),
                                                     benchmark::Counter::kIsRate);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_Itau400(benchmark::State& state) { writeFile(state, 341, cnab::CnabLayout::Cnab400); }
void BM_Bradesco400(benchmark::State& state) { writeFile(state, 237, cnab::CnabLayout::Cnab400); }
void BM_Caixa400(benchmark::State& state) { writeFile(state, 104, cnab::CnabLayout::Cnab400); }
void BM_Sicoob240(benchmark::State& state) { writeFile(state, 756, cnab::CnabLayout::Cnab240); }

BENCHMARK(BM_Itau400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bradesco400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Caixa400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sicoob240)->Unit(benchmark::kMillisecond);

} // namespace
