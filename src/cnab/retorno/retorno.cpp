#include "cnab/retorno/retorno.h"

namespace fin::cnab {

namespace {

constexpr std::string_view kNotImplemented = "Banco não implementado";
constexpr std::string_view kNotImplemented240 = "Banco não implementado, para CNAB 240";
constexpr std::string_view kNotImplementedNoAccent = "Banco nao implementado";

} // namespace

ReaderChoice chooseReturnReader(int bankCode, ReturnLayout layout)
{
    if (layout == ReturnLayout::Cnab400) {
        switch (bankCode) {
        case 341:
            return {readItau400, {}};
        case 237:
            return {readBradesco400, {}};
        case 104:
            return {nullptr, kNotImplemented};
        case 33:
            return {readSantander400, {}};
        case 1:
            return {readBancoDoBrasil400, {}};
        case 756:
            return {nullptr, kNotImplemented};
        default:
            return {};
        }
    }
    switch (bankCode) {
    case 341:
    case 237:
    case 104:
    case 1:
        return {nullptr, kNotImplemented240};
    case 33:
        return {nullptr, kNotImplementedNoAccent};
    case 756:
        return {readSicoob240, {}};
    default:
        return {};
    }
}

void ReaderChoice::read(std::string_view bytes, std::string_view path, const ReturnRowSink& sink) const
{
    if (reader)
        reader(bytes, path, sink);
}

std::vector<ReturnRow> ReaderChoice::readAll(std::string_view bytes, std::string_view path) const
{
    std::vector<ReturnRow> rows;
    read(bytes, path, [&rows](ReturnRow&& row) { rows.push_back(std::move(row)); });
    return rows;
}

} // namespace fin::cnab
