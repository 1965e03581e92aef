#pragma once

// Shared pieces of the remittance tests: expected records written field by
// field from the layout tables, and one sample company and title.

#include "cnab/remessa/writer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace fin::cnab::test {

inline std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
inline std::string zs(int n) { return std::string(static_cast<std::size_t>(n), '0'); }
inline std::string pad(std::string s, int n)
{
    s.resize(static_cast<std::size_t>(n), ' ');
    return s;
}

// Windows-1252 texts of the sample.
inline const std::string kCompany30 = "Com\xE9rcio de Pe\xE7" "as Exemplo Ltda";
inline const std::string kPayer = "Jos\xE9 da Silva";
inline const std::string kAddress = "Rua das Flores, 100";
inline const std::string kCity = "Goi\xE2nia";

struct Piece {
    int first;
    int last;
    std::string text;
};

// The expected record: the pieces must run from 1 to `length` and each must
// have its width, so a slip in the expectation shows as a failure too.
inline std::string record(int length, std::initializer_list<Piece> pieces)
{
    std::string out;
    int next = 1;
    for (const Piece& p : pieces) {
        EXPECT_EQ(p.first, next) << "piece " << p.first << "-" << p.last;
        EXPECT_EQ(static_cast<int>(p.text.size()), p.last - p.first + 1)
            << "piece " << p.first << "-" << p.last << " \"" << p.text << "\"";
        out += p.text;
        next = p.last + 1;
    }
    EXPECT_EQ(next, length + 1);
    return out;
}

// The records of a file; every one must end in CR LF.
inline std::vector<std::string> records(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "record without CR LF at byte " << start;
            out.push_back(bytes.substr(start));
            break;
        }
        out.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// Equal records, or the first differing position with its surroundings.
inline ::testing::AssertionResult sameRecord(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    const std::size_t from = i < 10 ? 0 : i - 10;
    return ::testing::AssertionFailure()
        << "lengths " << actual.size() << " / " << expected.size() << ", first difference at position "
        << i + 1 << "\n  actual:   \"" << actual.substr(from, 40) << "\"\n  expected: \""
        << expected.substr(from, 40) << "\"";
}

inline base::Money money(const char* text)
{
    return *base::Money::parse(text);
}

// One title of 1234.56 issued 05/06/2012, due 05/07/2012, written 19/06/2012
// at 14:30:05, payer José da Silva with a CPF.
inline RemittanceInput sampleInput(long long bank)
{
    RemittanceInput in;
    in.today = base::Date::fromYmd(2012, 6, 19);
    in.now = {in.today, {14, 30, 5, 0}};
    CompanyRow& c = in.company;
    c.nomRazaoSocial = "Comércio de Peças Exemplo Ltda ME";
    c.codCnpj = "12.345.678/0001-90";
    c.codBanco = bank;
    c.codAgencia = "1234";
    c.codContaCorrente = "56789";
    c.digitoAgencia = "5";
    c.digitoContaCorrente = "3";
    c.convenio = "1234567";

    RemittanceTitle t;
    t.codCliente = 10;
    t.codDoc = 1234;
    t.codParc = 2;
    t.codNossoNumero = "2";
    t.codBanco = bank;
    t.codAgencia = "1234";
    t.codConta = "56789";
    t.datCadastro = base::Date::fromYmd(2012, 6, 5);
    t.datVencimento = base::Date::fromYmd(2012, 7, 5);
    t.vlrTitulo = money("1234.56");
    t.vlrJuroDiario = money("0.41");
    t.digitoContaCorrente = "3";
    t.carteira = "109";
    t.digitoAgencia = "5";
    t.convenio = "1234567";
    t.codRemessa = 17;
    t.codCedente = "4567";
    t.digitoCedente = "8";
    t.codCnpjCic = "123.456.789-09";
    t.nomRazaoSocial = "José da Silva";
    t.desEndereco = "Rua das Flores, 100";
    t.desCep = "74.000-000";
    t.desBairro = "Centro";
    t.desNome = "Goiânia";
    t.codUf = "GO";
    in.titles.push_back(t);
    return in;
}

} // namespace fin::cnab::test
