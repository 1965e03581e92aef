#pragma once

// The sources the remittance layout tables name: columns of the titles list
// row, of the company row, and the counters of the file being written. Each
// carries the name a refusal message shows.

#include "cnab/remessa/context.h"

#include <optional>
#include <string>

namespace fin::cnab::src {

inline Value text(const std::optional<std::string>& s)
{
    return s ? Value::of(*s) : Value::none();
}

inline std::string docParc(const RemittanceTitle& t)
{
    return std::to_string(t.codDoc) + "/" + std::to_string(t.codParc);
}

// Title row.
inline constexpr Source codDoc{"COD_DOC", [](const RecordContext& c) { return Value::of(c.row().codDoc); }};
inline constexpr Source codParc{"COD_PARC", [](const RecordContext& c) { return Value::of(c.row().codParc); }};
inline constexpr Source docParcText{"COD_DOC/COD_PARC", [](const RecordContext& c) { return Value::of(docParc(c.row())); }};
inline constexpr Source codNossoNumero{"COD_NOSSO_NUMERO", [](const RecordContext& c) { return text(c.row().codNossoNumero); }};
inline constexpr Source codBanco{"COD_BANCO", [](const RecordContext& c) { return Value::of(c.row().codBanco); }};
inline constexpr Source codAgencia{"COD_AGENCIA", [](const RecordContext& c) { return text(c.row().codAgencia); }};
inline constexpr Source codConta{"COD_CONTA", [](const RecordContext& c) { return text(c.row().codConta); }};
inline constexpr Source digitoAgencia{"DIGITO_AGENCIA", [](const RecordContext& c) { return text(c.row().digitoAgencia); }};
inline constexpr Source digitoContaCorrente{"DIGITO_CONTA_CORRENTE", [](const RecordContext& c) { return text(c.row().digitoContaCorrente); }};
inline constexpr Source carteira{"CARTEIRA", [](const RecordContext& c) { return text(c.row().carteira); }};
inline constexpr Source convenio{"CONVENIO", [](const RecordContext& c) { return text(c.row().convenio); }};
inline constexpr Source codCedente{"COD_CEDENTE", [](const RecordContext& c) { return text(c.row().codCedente); }};
inline constexpr Source digitoCedente{"DIGITO_CEDENTE", [](const RecordContext& c) { return text(c.row().digitoCedente); }};
inline constexpr Source codRemessa{"COD_REMESSA", [](const RecordContext& c) { return Value::of(c.row().codRemessa.value_or(0)); }};
inline constexpr Source datCadastro{"DAT_CADASTRO", [](const RecordContext& c) {
    return c.row().datCadastro ? Value::of(*c.row().datCadastro) : Value::none();
}};
inline constexpr Source datVencimento{"DAT_VENCIMENTO", [](const RecordContext& c) {
    return c.row().datVencimento ? Value::of(*c.row().datVencimento) : Value::none();
}};
inline constexpr Source vlrTitulo{"VLR_TITULO", [](const RecordContext& c) {
    return c.row().vlrTitulo ? Value::of(*c.row().vlrTitulo) : Value::none();
}};
// No interest stored means no interest.
inline constexpr Source vlrJuroDiario{"VLR_JURO_DIARIO", [](const RecordContext& c) {
    return Value::of(c.row().vlrJuroDiario.value_or(base::Money()));
}};
inline constexpr Source nomRazaoSocial{"NOM_RAZAO_SOCIAL", [](const RecordContext& c) { return text(c.row().nomRazaoSocial); }};
inline constexpr Source desEndereco{"DES_ENDERECO", [](const RecordContext& c) { return text(c.row().desEndereco); }};
inline constexpr Source desBairro{"DES_BAIRRO", [](const RecordContext& c) { return text(c.row().desBairro); }};
inline constexpr Source desNome{"DES_NOME", [](const RecordContext& c) { return text(c.row().desNome); }};
inline constexpr Source codUf{"COD_UF", [](const RecordContext& c) { return text(c.row().codUf); }};
inline constexpr Source cepDigits{"DES_CEP", [](const RecordContext& c) {
    return Value::of(DigitsOnly(c.row().desCep.value_or("")));
}};
inline constexpr Source codInstrucaoProtesto{"COD_INSTRUCAO_PROTESTO", [](const RecordContext& c) { return Value::of(c.row().codInstrucaoProtesto); }};
inline constexpr Source numDiasProtesto{"NUM_DIAS_PROTESTO", [](const RecordContext& c) { return Value::of(c.row().numDiasProtesto); }};

// The payer's document in its three forms.
inline constexpr Source payerType400{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(payerDocument400(c.row().codCnpjCic.value_or("")).type);
}};
inline constexpr Source payerNumber400{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(payerDocument400(c.row().codCnpjCic.value_or("")).number);
}};
inline constexpr Source payerType240{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(payerDocument240(c.row().codCnpjCic.value_or("")).type);
}};
inline constexpr Source payerNumber240{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(payerDocument240(c.row().codCnpjCic.value_or("")).number);
}};
inline constexpr Source payerTypeCaixa400{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(payerDocumentCaixa400(c.row().codCnpjCic.value_or("")).type);
}};
inline constexpr Source payerDigits{"COD_CNPJ_CIC", [](const RecordContext& c) {
    return Value::of(DigitsOnly(c.row().codCnpjCic.value_or("")));
}};
// DigitsOnly(COD_CNPJ_CIC), " - ", COD_DOC: the participant control of some banks.
inline constexpr Source payerDigitsAndDoc{"COD_CNPJ_CIC - COD_DOC", [](const RecordContext& c) {
    return Value::of(DigitsOnly(c.row().codCnpjCic.value_or("")) + " - " + std::to_string(c.row().codDoc));
}};

// Sicoob title number check digit over agency (4 digits), customer code with
// its digit (10) and title number (7). A part longer than its share would
// shift the others, so it is refused rather than checked wrongly.
inline std::string sicoobCheckInput(const RemittanceTitle& t)
{
    auto part = [](long long n, int width, const char* what) {
        std::string s = ZeroPad(n, width);
        if (static_cast<int>(s.size()) > width)
            throw FieldError(std::string(what) + " " + s + " tem mais de " + std::to_string(width)
                             + " dígitos para o dígito verificador");
        return s;
    };
    return part(wholeNumber(t.codAgencia.value_or("")), 4, "a agência")
        + part(wholeNumber(t.codCedente.value_or("") + t.digitoCedente.value_or("")), 10,
               "o código do cedente com dígito")
        + part(wholeNumber(t.codNossoNumero.value_or("")), 7, "o nosso número");
}
inline constexpr Source sicoobCheck{"COD_NOSSO_NUMERO (dígito)", [](const RecordContext& c) {
    return Value::of(SicoobCheckDigit(sicoobCheckInput(c.row())));
}};

// Company row.
inline constexpr Source companyName{"NOM_RAZAO_SOCIAL da empresa", [](const RecordContext& c) { return text(c.company->nomRazaoSocial); }};
inline constexpr Source companyCnpjDigits{"COD_CNPJ da empresa", [](const RecordContext& c) {
    return Value::of(DigitsOnly(c.company->codCnpj.value_or("")));
}};
// "0" followed by the company's CNPJ digits (CNAB 240 batch headers).
inline constexpr Source companyCnpj15{"COD_CNPJ da empresa", [](const RecordContext& c) {
    return Value::of("0" + DigitsOnly(c.company->codCnpj.value_or("")));
}};
inline constexpr Source companyCodBanco{"COD_BANCO da empresa", [](const RecordContext& c) { return Value::of(c.company->codBanco); }};
inline constexpr Source companyCodAgencia{"COD_AGENCIA da empresa", [](const RecordContext& c) { return text(c.company->codAgencia); }};
inline constexpr Source companyCodContaCorrente{"COD_CONTA_CORRENTE da empresa", [](const RecordContext& c) {
    return text(c.company->codContaCorrente);
}};
inline constexpr Source companyDigitoContaCorrente{"DIGITO_CONTA_CORRENTE da empresa", [](const RecordContext& c) {
    return text(c.company->digitoContaCorrente);
}};

// The file being written.
inline constexpr Source zero{"zeros", [](const RecordContext&) { return Value::of(0LL); }};
inline constexpr Source today{"data de hoje", [](const RecordContext& c) { return Value::of(c.today); }};
inline constexpr Source nowDate{"data da gravação", [](const RecordContext& c) { return Value::of(c.now.date); }};
inline constexpr Source nowTime{"hora da gravação", [](const RecordContext& c) { return Value::of(c.now.time); }};
inline constexpr Source seq{"sequencial do registro", [](const RecordContext& c) { return Value::of(c.seq); }};
inline constexpr Source titleCount{"quantidade de títulos", [](const RecordContext& c) { return Value::of(c.titleCount); }};
inline constexpr Source total{"valor total", [](const RecordContext& c) { return Value::of(c.total); }};
// CNAB 240: one batch per file, three segments per title.
inline constexpr Source batch{"lote", [](const RecordContext&) { return Value::of(1LL); }};
inline constexpr Source batchCount{"lotes do arquivo", [](const RecordContext&) { return Value::of(1LL); }};
inline constexpr Source segment{"sequencial do segmento", [](const RecordContext& c) { return Value::of(c.segment); }};
inline constexpr Source batchRecords{"registros do lote", [](const RecordContext& c) { return Value::of(3 * c.titleCount + 2); }};
inline constexpr Source fileRecords{"registros do arquivo", [](const RecordContext& c) { return Value::of(3 * c.titleCount + 4); }};

constexpr Field zeros(int first, int last)
{
    return field(first, last, Kind::Z, zero);
}

} // namespace fin::cnab::src
