#pragma once

// Helpers shared by the return-reader tests: hand-built records, the real
// sample files, and a row rendered as column -> text for whole-row checks.

#include "cnab/retorno/retorno.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace fin::cnab::test {

// A fixed-width record built field by field (positions 1-based, inclusive).
class RecordBuilder {
public:
    explicit RecordBuilder(int width, char fill = ' ') : m_text(static_cast<std::size_t>(width), fill) {}

    RecordBuilder& put(int from, int to, std::string_view value)
    {
        if (static_cast<int>(value.size()) != to - from + 1)
            throw std::logic_error("width of " + std::string(value) + " is not " + std::to_string(from) + "-"
                                   + std::to_string(to));
        m_text.replace(static_cast<std::size_t>(from - 1), value.size(), value);
        return *this;
    }
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

inline std::string readSample(const std::string& relative)
{
    std::ifstream in(std::string(FIN_SAMPLES_DIR) + relative, std::ios::binary);
    if (!in)
        throw std::runtime_error("sample missing: " + relative);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Every filled column as text: integers in decimal, amounts "123.45", dates
// "YYYY-MM-DD", texts as they are. Empty columns are left out.
using RenderedRow = std::map<std::string, std::string>;

inline RenderedRow render(const ReturnRow& row)
{
    RenderedRow out;
    forEachColumn(row, [&](const ReturnColumn& column, const auto& value) {
        if (!value)
            return;
        using T = std::decay_t<decltype(*value)>;
        std::string text;
        if constexpr (std::is_same_v<T, int>)
            text = std::to_string(*value);
        else if constexpr (std::is_same_v<T, std::string>)
            text = *value;
        else if constexpr (std::is_same_v<T, base::Money>)
            text = value->toString(2);
        else
            text = value->toIso();
        out.emplace(std::string(column.name), text);
    });
    return out;
}

inline std::vector<ReturnRow> readWith(ReturnReaderFn reader, std::string_view bytes,
                                       std::string_view path = "C:\\retorno\\arquivo.ret")
{
    return ReaderChoice{reader, {}}.readAll(bytes, path);
}

} // namespace fin::cnab::test
