#pragma once

#include "base/date.h"
#include "base/money.h"

#include <optional>
#include <string>
#include <vector>

namespace fin::cnab {

// The company with one of its accounts (EMPRESA joined with CONTA_CORRENTE).
// Texts are UTF-8; a null column is an empty optional.
struct CompanyRow {
    std::optional<std::string> nomRazaoSocial;       // NOM_RAZAO_SOCIAL
    std::optional<std::string> codCnpj;              // COD_CNPJ
    long long codBanco = 0;                          // COD_BANCO
    std::optional<std::string> codAgencia;           // COD_AGENCIA
    std::optional<std::string> codContaCorrente;     // COD_CONTA_CORRENTE
    std::optional<std::string> digitoAgencia;        // DIGITO_AGENCIA
    std::optional<std::string> digitoContaCorrente;  // DIGITO_CONTA_CORRENTE
    std::optional<std::string> convenio;             // CONVENIO
};

// One row of the titles list of a remittance, with its send mark.
struct RemittanceTitle {
    long long codCliente = 0;                        // COD_CLIENTE
    long long codDoc = 0;                            // COD_DOC
    long long codParc = 0;                           // COD_PARC
    std::optional<std::string> codNossoNumero;       // COD_NOSSO_NUMERO
    long long codBanco = 0;                          // COD_BANCO
    std::optional<std::string> codAgencia;           // COD_AGENCIA
    std::optional<std::string> codConta;             // COD_CONTA
    std::optional<base::Date> datCadastro;           // DAT_CADASTRO (issue date)
    std::optional<base::Date> datVencimento;         // DAT_VENCIMENTO
    std::optional<base::Money> vlrTitulo;            // VLR_TITULO
    std::optional<base::Money> vlrJuroDiario;        // VLR_JURO_DIARIO
    std::optional<base::Date> dataEnvioRemessa;      // DATA_ENVIO_REMESSA
    std::optional<std::string> digitoContaCorrente;  // DIGITO_CONTA_CORRENTE
    std::optional<std::string> carteira;             // CARTEIRA
    std::optional<std::string> digitoAgencia;        // DIGITO_AGENCIA
    std::optional<std::string> convenio;             // CONVENIO
    std::optional<long long> codRemessa;             // COD_REMESSA
    std::optional<std::string> codCedente;           // COD_CEDENTE
    std::optional<std::string> digitoCedente;        // DIGITO_CEDENTE
    std::optional<std::string> codCnpjCic;           // COD_CNPJ_CIC
    std::optional<std::string> nomRazaoSocial;       // NOM_RAZAO_SOCIAL (payer)
    std::optional<std::string> desEndereco;          // DES_ENDERECO
    std::optional<std::string> desCep;               // DES_CEP
    std::optional<std::string> desEMail;             // DES_E_MAIL
    std::optional<std::string> desBairro;            // DES_BAIRRO
    std::optional<std::string> desNome;              // DES_NOME (city)
    std::optional<std::string> codUf;                // COD_UF
    base::Money pdesc;                               // PDESC (0 when the customer has none)
    long long codInstrucaoProtesto = 0;              // COD_INSTRUCAO_PROTESTO
    long long numDiasProtesto = 0;                   // NUM_DIAS_PROTESTO
    bool marcado = true;                             // Marcado: send this title
};

// Everything a writer needs: the titles in list order and the moment of writing.
struct RemittanceInput {
    base::Date today;
    base::DateTime now;
    CompanyRow company;
    std::vector<RemittanceTitle> titles;
};

enum class CnabLayout { Cnab400 = 400, Cnab240 = 240 };

// A whole remittance file, ready to be stored.
struct RemittanceFile {
    std::string bytes;        // Windows-1252, CR LF after every record
    int titleCount = 0;       // titles written
    base::Money total;        // sum of their VLR_TITULO
    std::string fileName;     // "C190612C.txt"
    std::string folder;       // the bank's folder, "C:\Itau"
};

} // namespace fin::cnab
