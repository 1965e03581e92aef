#pragma once

#include "cnab/retorno/record.h"
#include "cnab/retorno/retorno.h"

// The frame shared by the CNAB 400 readers: one row per detail record, in
// file order; header, trailer and any other record type are passed over.
namespace fin::cnab::detail {

template <class Fill>
void read400(std::string_view bytes, std::string_view path, int detailType, const ReturnRowSink& sink, Fill fill)
{
    const std::string dadosRetorno = returnPath(path);
    LineCursor cursor(bytes);
    std::string_view line;
    while (cursor.next(line)) {
        const Record record(line, cursor.lineNumber());
        const int type = record.requiredInteger(1, 1, "IDREG");
        if (type != detailType)
            continue;
        ReturnRow row;
        row.IDREG = type;
        row.DADOS_RETORNO = dadosRetorno;
        fill(record, row);
        sink(std::move(row));
    }
}

// COD_MOT_OCORRENCIA from 109-110 and its text from the bank's table. The
// table is keyed by the number (" 6" is code 6), while the credit-date and
// due-date rules compare the two characters as text.
inline void readOccurrence(const Record& record, ReturnRow& row, int bankCode)
{
    const int code = record.requiredInteger(109, 110, "COD_MOT_OCORRENCIA");
    row.COD_MOT_OCORRENCIA = code;
    row.DESC_OCORRENCIA = description(occurrenceText(bankCode, ReturnLayout::Cnab400, code));
}

inline void readTitleNumber(const Record& record, ReturnRow& row, int from, int to)
{
    row.NOSSO_NUMERO = record.text(from, to);
    row.titleKey = record.titleKey(from, to, "NOSSO_NUMERO");
}

} // namespace fin::cnab::detail
