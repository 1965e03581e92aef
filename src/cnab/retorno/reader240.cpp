#include "cnab/retorno/record.h"
#include "cnab/retorno/retorno.h"

namespace fin::cnab {

using detail::Record;

namespace {

void readSegmentT(const Record& r, ReturnRow& row)
{
    const int code = r.requiredInteger(16, 17, "COD_MOT_OCORRENCIA");
    row.COD_MOT_OCORRENCIA = code;
    row.DESC_OCORRENCIA = detail::description(occurrenceText(756, ReturnLayout::Cnab240, code));
    row.NOSSO_NUMERO = r.text(38, 46);
    row.titleKey = r.titleKey(38, 46, "NOSSO_NUMERO");
    row.CARTEIRA = r.text(58, 58);
    row.NUM_DOC = r.text(59, 73);
    row.DT_VENCIMENTO = r.date8(74, "DT_VENCIMENTO");
    row.VALOR_TITULO = r.amount(82, 96, "VALOR_TITULO");
}

void readSegmentU(const Record& r, ReturnRow& row)
{
    row.VALOR_JUROS = r.amount(18, 32, "VALOR_JUROS");
    row.VALOR_DESCONTO = r.amount(33, 47, "VALOR_DESCONTO");
    row.VALOR_ABATIMENTO = r.amount(48, 62, "VALOR_ABATIMENTO");
    row.IOF = r.amount(63, 77, "IOF");
    row.VALOR_PAGO = r.amount(78, 92, "VALOR_PAGO");
    row.OUTRAS_DESPESAS = r.amount(108, 122, "OUTRAS_DESPESAS");
    row.VALOR_OUTROS_CREDITOS = r.amount(123, 137, "VALOR_OUTROS_CREDITOS");
    row.DT_OCORRENCIA = r.date8(138, "DT_OCORRENCIA");
}

} // namespace

// A title is reported by a segment T and the segment U that follows it; the
// U completes the row. A second T before the U overwrites the first, and a T
// that no U follows is not stored.
void readSicoob240(std::string_view bytes, std::string_view path, const ReturnRowSink& sink)
{
    constexpr int kDetail = 3;
    const std::string dadosRetorno = detail::returnPath(path);
    std::optional<ReturnRow> row;
    const auto startRow = [&] {
        row.emplace();
        row->IDREG = kDetail;
        row->DADOS_RETORNO = dadosRetorno;
    };
    detail::LineCursor cursor(bytes);
    std::string_view line;
    while (cursor.next(line)) {
        const Record record(line, cursor.lineNumber());
        const int type = record.requiredInteger(8, 8, "IDREG");
        if (type == 0) {
            startRow();
            continue;
        }
        if (type != kDetail)
            continue;
        if (!row)
            startRow();
        const char segment = record.at(14);
        if (segment == 'T') {
            readSegmentT(record, *row);
        } else if (segment == 'U') {
            readSegmentU(record, *row);
            sink(std::move(*row));
            row.reset();
        }
    }
}

} // namespace fin::cnab
