#include "cnab/retorno/record.h"

#include "base/cp1252.h"
#include "cnab/auxiliar.h"
#include "cnab/retorno/retorno.h"

namespace fin::cnab {

ReturnFileError::ReturnFileError(int line, std::string field, const std::string& message)
    : FieldError(message), m_line(line), m_field(std::move(field))
{
}

} // namespace fin::cnab

namespace fin::cnab::detail {

namespace {

bool isBlankLine(std::string_view line)
{
    // 0x1A is the end-of-file mark some DOS-era programs still append.
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\x1a')
            return false;
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string positions(int from, int to)
{
    return from == to ? "posição " + std::to_string(from)
                      : "posições " + std::to_string(from) + "-" + std::to_string(to);
}

constexpr int kDescriptionWidth = 80;
constexpr int kPathWidth = 80;

} // namespace

bool LineCursor::next(std::string_view& line)
{
    while (!m_rest.empty()) {
        std::size_t end = 0;
        while (end < m_rest.size() && m_rest[end] != '\n' && m_rest[end] != '\r')
            ++end;
        line = m_rest.substr(0, end);
        std::size_t skip = end;
        if (skip < m_rest.size()) {
            const bool crlf = m_rest[skip] == '\r' && skip + 1 < m_rest.size() && m_rest[skip + 1] == '\n';
            skip += crlf ? 2 : 1;
        }
        m_rest.remove_prefix(skip);
        ++m_lineNumber;
        if (!isBlankLine(line))
            return true;
    }
    return false;
}

bool Record::is(int from, int to, std::string_view code) const
{
    if (static_cast<std::size_t>(to - from + 1) != code.size())
        return false;
    for (int p = from; p <= to; ++p)
        if (at(p) != code[static_cast<std::size_t>(p - from)])
            return false;
    return true;
}

std::string Record::text(int from, int to) const
{
    std::string out;
    const std::size_t width = static_cast<std::size_t>(to - from + 1);
    const std::size_t begin = static_cast<std::size_t>(from - 1);
    const std::string_view present = begin < m_line.size() ? m_line.substr(begin, width) : std::string_view();
    bool ascii = true;
    for (char c : present)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    out = ascii ? std::string(present) : base::cp1252ToUtf8(present);
    out.append(width - present.size(), ' ');
    return out;
}

std::optional<int> Record::integer(int from, int to, std::string_view field) const
{
    int p = from;
    while (p <= to && at(p) == ' ')
        ++p;
    if (p > to)
        return std::nullopt;
    long long value = 0;
    for (; p <= to; ++p) {
        if (!isDigit(at(p)))
            fail(from, to, field, "número inválido");
        value = value * 10 + (at(p) - '0');
    }
    if (value > 2147483647)
        fail(from, to, field, "número fora do limite");
    return static_cast<int>(value);
}

int Record::requiredInteger(int from, int to, std::string_view field) const
{
    const auto value = integer(from, to, field);
    if (!value)
        fail(from, to, field, "campo vazio");
    return *value;
}

std::optional<base::Money> Record::amount(int from, int to, std::string_view field) const
{
    int p = from;
    while (p <= to && at(p) == ' ')
        ++p;
    if (p > to)
        return std::nullopt;
    std::int64_t cents = 0;
    for (; p <= to; ++p) {
        if (!isDigit(at(p)))
            fail(from, to, field, "valor inválido");
        cents = cents * 10 + (at(p) - '0');
    }
    return base::Money::fromCents(cents);
}

std::optional<base::Date> Record::date6(int from, std::string_view field) const
{
    return date(from, 6, field);
}

std::optional<base::Date> Record::date8(int from, std::string_view field) const
{
    return date(from, 8, field);
}

std::optional<base::Date> Record::date(int from, int width, std::string_view field) const
{
    const int to = from + width - 1;
    std::string digits;
    bool allZeros = true;
    bool allBlanks = true;
    for (int p = from; p <= to; ++p) {
        const char c = at(p);
        allZeros = allZeros && c == '0';
        allBlanks = allBlanks && c == ' ';
        digits += c;
    }
    // Banks write zeros or blanks in the dates they do not fill.
    if (allZeros || allBlanks)
        return std::nullopt;
    for (char c : digits)
        if (!isDigit(c))
            fail(from, to, field, "data inválida");
    // DD/MM/20YY: every year is taken in this century.
    const std::string slashed = width == 6 ? SlashDate6(digits) : SlashDate8(digits);
    const auto two = [&](std::size_t i) { return (slashed[i] - '0') * 10 + (slashed[i + 1] - '0'); };
    const base::Date date = base::Date::fromYmd(2000 + two(8), two(3), two(0));
    if (date.isNull())
        fail(from, to, field, "data inválida");
    return date;
}

std::string Record::titleKey(int from, int to, std::string_view field) const
{
    int first = from;
    int last = to;
    while (first <= last && at(first) == ' ')
        ++first;
    while (last >= first && at(last) == ' ')
        --last;
    for (int p = first; p <= last; ++p)
        if (!isDigit(at(p)))
            fail(from, to, field, "número inválido");
    while (first < last && at(first) == '0')
        ++first;
    std::string key;
    for (int p = first; p <= last; ++p)
        key += at(p);
    return key;
}

void Record::fail(int from, int to, std::string_view field, std::string_view what) const
{
    std::string message = "Linha " + std::to_string(m_lineNumber) + ", campo " + std::string(field) + " ("
        + positions(from, to) + "): " + std::string(what) + " \"" + text(from, to) + "\"";
    throw ReturnFileError(m_lineNumber, std::string(field), message);
}

std::string description(std::string_view text)
{
    return cutToWidth(std::string(text), kDescriptionWidth);
}

std::string returnPath(std::string_view path)
{
    while (!path.empty() && (path.front() == ' ' || path.front() == '\t'))
        path.remove_prefix(1);
    while (!path.empty() && (path.back() == ' ' || path.back() == '\t'))
        path.remove_suffix(1);
    return cutToWidth(std::string(path), kPathWidth);
}

} // namespace fin::cnab::detail
