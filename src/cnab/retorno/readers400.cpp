#include "cnab/retorno/frame400.h"

namespace fin::cnab {

using detail::Record;

void readBradesco400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink)
{
    detail::read400(bytes, path, 1, sink, [](const Record& r, ReturnRow& row) {
        row.TP_INSCRICAO = r.integer(2, 3, "TP_INSCRICAO");
        row.CNPCPF = r.text(4, 17);
        row.CARTEIRA = r.text(22, 24);
        row.AGENCIA = r.text(25, 29);
        row.CONTA = r.text(30, 36);
        row.DIGITO_CONTA = r.text(37, 37);
        detail::readTitleNumber(r, row, 71, 81);
        row.DIGITO_NOSSO_NUMERO = r.text(82, 82);   // may be "P"
        detail::readOccurrence(r, row, 237);
        row.DT_OCORRENCIA = r.date6(111, "DT_OCORRENCIA");
        row.NUM_DOC = r.text(117, 126);
        // A title paid after write-off, or never registered, has no due date.
        row.DT_VENCIMENTO = r.is(109, 110, "17") ? row.DT_OCORRENCIA : r.date6(147, "DT_VENCIMENTO");
        row.VALOR_TITULO = r.amount(153, 165, "VALOR_TITULO");
        row.VALOR_DESPESAS = r.amount(176, 188, "VALOR_DESPESAS");
        row.OUTRAS_DESPESAS = r.amount(189, 201, "OUTRAS_DESPESAS");
        row.IOF = r.amount(215, 227, "IOF");
        row.VALOR_ABATIMENTO = r.amount(228, 240, "VALOR_ABATIMENTO");
        row.VALOR_DESCONTO = r.amount(241, 253, "VALOR_DESCONTO");
        row.VALOR_PAGO = r.amount(254, 266, "VALOR_PAGO");
        row.VALOR_JUROS = r.amount(267, 279, "VALOR_JUROS");
        row.VALOR_OUTROS_CREDITOS = r.amount(280, 292, "VALOR_OUTROS_CREDITOS");
        if (r.is(109, 110, "06") || r.is(109, 110, "15"))
            row.DATA_CREDITO = r.date6(296, "DATA_CREDITO");
    });
}

void readItau400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink)
{
    detail::read400(bytes, path, 1, sink, [](const Record& r, ReturnRow& row) {
        row.TP_INSCRICAO = r.integer(2, 3, "TP_INSCRICAO");
        row.CNPCPF = r.text(4, 17);
        row.AGENCIA = r.text(18, 21);
        row.CONTA = r.text(24, 28);
        row.DIGITO_CONTA = r.text(29, 29);
        detail::readTitleNumber(r, row, 63, 70);
        row.CARTEIRA = r.text(83, 85);
        row.DIGITO_NOSSO_NUMERO = r.text(94, 94);
        detail::readOccurrence(r, row, 341);
        row.DT_OCORRENCIA = r.date6(111, "DT_OCORRENCIA");
        row.NUM_DOC = r.text(117, 126);
        row.DT_VENCIMENTO = r.date6(147, "DT_VENCIMENTO");
        row.VALOR_TITULO = r.amount(153, 165, "VALOR_TITULO");
        row.VALOR_DESPESAS = r.amount(176, 188, "VALOR_DESPESAS");
        row.IOF = r.amount(215, 227, "IOF");
        row.VALOR_ABATIMENTO = r.amount(228, 240, "VALOR_ABATIMENTO");
        row.VALOR_DESCONTO = r.amount(241, 253, "VALOR_DESCONTO");
        row.VALOR_PAGO = r.amount(254, 266, "VALOR_PAGO");
        row.VALOR_JUROS = r.amount(267, 279, "VALOR_JUROS");
        row.VALOR_OUTROS_CREDITOS = r.amount(280, 292, "VALOR_OUTROS_CREDITOS");
        if (r.is(109, 110, "06") || r.is(109, 110, "08"))
            row.DATA_CREDITO = r.date6(296, "DATA_CREDITO");
    });
}

void readBancoDoBrasil400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink)
{
    detail::read400(bytes, path, 7, sink, [](const Record& r, ReturnRow& row) {
        row.AGENCIA = r.text(18, 21);
        row.CONTA = r.text(23, 30);
        row.DIGITO_CONTA = r.text(31, 31);
        row.CODIGO_CONVENIO = r.text(32, 38);
        row.CNPCPF = r.text(39, 52);
        detail::readTitleNumber(r, row, 71, 80);
        row.TIPO_COBRANCA = r.text(81, 81);
        row.VARIACAO_CARTEIRA = r.text(92, 94);
        row.CARTEIRA = r.text(107, 108);
        detail::readOccurrence(r, row, 1);
        if (r.is(109, 110, "05") || r.is(109, 110, "06") || r.is(109, 110, "07") || r.is(109, 110, "08")
            || r.is(109, 110, "15"))
            row.DATA_CREDITO = r.date6(176, "DATA_CREDITO");
        row.DT_OCORRENCIA = r.date6(111, "DT_OCORRENCIA");
        row.NUM_DOC = r.text(117, 126);
        // Paid without registration: the bank sends no due date.
        row.DT_VENCIMENTO = r.is(109, 110, "05") ? row.DT_OCORRENCIA : r.date6(147, "DT_VENCIMENTO");
        row.VALOR_TITULO = r.amount(153, 165, "VALOR_TITULO");
        row.VALOR_DESPESAS = r.amount(182, 188, "VALOR_DESPESAS");   // 7 digits only
        row.OUTRAS_DESPESAS = r.amount(189, 201, "OUTRAS_DESPESAS");
        row.VALOR_DESCONTO = r.amount(202, 214, "VALOR_DESCONTO");
        row.IOF = r.amount(215, 227, "IOF");
        row.VALOR_ABATIMENTO = r.amount(228, 240, "VALOR_ABATIMENTO");
        row.VALOR_PAGO = r.amount(254, 266, "VALOR_PAGO");
        row.VALOR_JUROS = r.amount(267, 279, "VALOR_JUROS");
        row.VALOR_OUTROS_CREDITOS = r.amount(280, 292, "VALOR_OUTROS_CREDITOS");
    });
}

void readSantander400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink)
{
    detail::read400(bytes, path, 1, sink, [](const Record& r, ReturnRow& row) {
        row.TP_INSCRICAO = r.integer(2, 3, "TP_INSCRICAO");
        row.CNPCPF = r.text(4, 17);
        row.AGENCIA = r.text(18, 21);
        row.CONTA = r.text(22, 29);
        detail::readTitleNumber(r, row, 63, 69);
        row.CARTEIRA = r.text(108, 108);
        detail::readOccurrence(r, row, 33);
        row.DT_OCORRENCIA = r.date6(111, "DT_OCORRENCIA");
        row.NUM_DOC = r.text(117, 126);
        row.DT_VENCIMENTO = r.is(109, 110, "16") ? row.DT_OCORRENCIA : r.date6(147, "DT_VENCIMENTO");
        row.VALOR_TITULO = r.amount(153, 165, "VALOR_TITULO");
        row.VALOR_DESPESAS = r.amount(176, 188, "VALOR_DESPESAS");
        row.OUTRAS_DESPESAS = r.amount(189, 201, "OUTRAS_DESPESAS");
        row.IOF = r.amount(215, 227, "IOF");
        row.VALOR_ABATIMENTO = r.amount(228, 240, "VALOR_ABATIMENTO");
        row.VALOR_DESCONTO = r.amount(241, 253, "VALOR_DESCONTO");
        row.VALOR_PAGO = r.amount(254, 266, "VALOR_PAGO");
        // Santander writes the interest paid at 267-279, like the other banks;
        // 202-214 holds zeros even in payments that carried interest.
        row.VALOR_JUROS = r.amount(267, 279, "VALOR_JUROS");
        row.VALOR_OUTROS_CREDITOS = r.amount(280, 292, "VALOR_OUTROS_CREDITOS");
        if (r.is(109, 110, "06") || r.is(109, 110, "17"))
            row.DATA_CREDITO = r.date6(296, "DATA_CREDITO");
    });
}

} // namespace fin::cnab
