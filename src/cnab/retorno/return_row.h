#pragma once

#include "base/date.h"
#include "base/money.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fin::cnab {

enum class ColumnKind { Integer, Text, Date, Money };

// The return table, in its column order: name, kind, width of a text column
// in characters (a longer value is cut). One list feeds the row struct, the
// column list and the generic walk, so they cannot drift apart.
#define FIN_RETURN_COLUMNS(X) \
    X(IDREG, Integer, 0) \
    X(TP_INSCRICAO, Integer, 0) \
    X(CNPCPF, Text, 20) \
    X(CARTEIRA, Text, 20) \
    X(AGENCIA, Text, 20) \
    X(CONTA, Text, 20) \
    X(CONTROLE_PART_BRAD, Text, 0) \
    X(NOSSO_NUMERO, Text, 20) \
    X(ID_OCORRENCIA, Integer, 0) \
    X(DT_OCORRENCIA, Date, 0) \
    X(NUM_DOC, Text, 20) \
    X(DT_VENCIMENTO, Date, 0) \
    X(VALOR_TITULO, Money, 0) \
    X(BANCO_COBRADOR, Integer, 0) \
    X(AGENCIA_COBRADORA, Integer, 0) \
    X(VALOR_DESPESAS, Money, 0) \
    X(OUTRAS_DESPESAS, Money, 0) \
    X(IOF, Money, 0) \
    X(VALOR_ABATIMENTO, Money, 0) \
    X(VALOR_DESCONTO, Money, 0) \
    X(VALOR_PAGO, Money, 0) \
    X(VALOR_JUROS, Money, 0) \
    X(VALOR_OUTROS_CREDITOS, Money, 0) \
    X(COD_MOT_OCORRENCIA, Integer, 0) \
    X(DATA_CREDITO, Date, 0) \
    X(COD_MOT_REJEICAO, Integer, 0) \
    X(DIGITO_NOSSO_NUMERO, Text, 20) \
    X(DESC_OCORRENCIA, Text, 80) \
    X(DIGITO_CONTA, Text, 20) \
    X(COD_CLIENTE, Integer, 0) \
    X(RAZAO_CLIENTE, Text, 40) \
    X(DADOS_RETORNO, Text, 80) \
    X(CODIGO_CONVENIO, Text, 20) \
    X(TIPO_COBRANCA, Text, 20) \
    X(VARIACAO_CARTEIRA, Text, 20)

template <ColumnKind K> struct ColumnType;
template <> struct ColumnType<ColumnKind::Integer> { using type = int; };
template <> struct ColumnType<ColumnKind::Text> { using type = std::string; };
template <> struct ColumnType<ColumnKind::Date> { using type = base::Date; };
template <> struct ColumnType<ColumnKind::Money> { using type = base::Money; };

// One row of the return table. An empty optional is a column the reader did
// not fill (or a date the bank left as zeros or blanks).
struct ReturnRow {
#define FIN_RETURN_MEMBER(name, kind, width) std::optional<ColumnType<ColumnKind::kind>::type> name;
    FIN_RETURN_COLUMNS(FIN_RETURN_MEMBER)
#undef FIN_RETURN_MEMBER

    // The bank title number with its leading zeros dropped ("00001234" ->
    // "1234", all zeros -> "0", blanks -> ""): the form receivable titles keep,
    // compared as text so numbers of any length match. Not a table column.
    std::string titleKey;
};

struct ReturnColumn {
    std::string_view name;
    ColumnKind kind;
    int width;   // characters, text columns only
};

#define FIN_RETURN_COUNT(name, kind, width) +1
inline constexpr std::size_t kReturnColumnCount = 0 FIN_RETURN_COLUMNS(FIN_RETURN_COUNT);
#undef FIN_RETURN_COUNT

inline constexpr std::array<ReturnColumn, kReturnColumnCount> kReturnColumns = {{
#define FIN_RETURN_ENTRY(name, kind, width) {#name, ColumnKind::kind, width},
    FIN_RETURN_COLUMNS(FIN_RETURN_ENTRY)
#undef FIN_RETURN_ENTRY
}};

// Calls f(column, member) for every column in table order; member is the
// row's std::optional of that column (const when the row is const).
template <class Row, class F>
void forEachColumn(Row& row, F&& f)
{
    std::size_t i = 0;
#define FIN_RETURN_VISIT(name, kind, width) f(kReturnColumns[i++], row.name);
    FIN_RETURN_COLUMNS(FIN_RETURN_VISIT)
#undef FIN_RETURN_VISIT
}

// Leading zeros dropped as text, surrounding blanks ignored; see titleKey.
std::string bankTitleKey(std::string_view number);

// The first `width` characters of a UTF-8 text.
std::string cutToWidth(std::string text, int width);

} // namespace fin::cnab
