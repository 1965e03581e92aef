#pragma once

#include "base/date.h"
#include "base/money.h"

#include <optional>
#include <string>
#include <string_view>

// Field reading shared by the return readers: fixed positions, 1-based and
// inclusive. Banks strip trailing blanks, so a position past the end of the
// line reads as a blank.
namespace fin::cnab::detail {

// Splits a file into lines ending in LF, CR LF or a lone CR; the last line
// may lack its end.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : m_rest(bytes) {}
    // The next line that carries a record; blank lines are passed over.
    bool next(std::string_view& line);
    int lineNumber() const { return m_lineNumber; }

private:
    std::string_view m_rest;
    int m_lineNumber = 0;
};

class Record {
public:
    Record(std::string_view line, int lineNumber) : m_line(line), m_lineNumber(lineNumber) {}

    char at(int pos) const
    {
        return pos >= 1 && static_cast<std::size_t>(pos) <= m_line.size() ? m_line[pos - 1] : ' ';
    }
    // Whether the characters at from..to are exactly `code` (compared as text).
    bool is(int from, int to, std::string_view code) const;

    // The characters as UTF-8, unchanged otherwise (blanks and zeros kept).
    std::string text(int from, int to) const;
    // A decimal integer, right-aligned (leading blanks allowed); all blanks
    // give nothing.
    std::optional<int> integer(int from, int to, std::string_view field) const;
    int requiredInteger(int from, int to, std::string_view field) const;
    // Digits holding cents; all blanks give nothing.
    std::optional<base::Money> amount(int from, int to, std::string_view field) const;
    // DDMMYY with the year in the 2000s; zeros or blanks give nothing.
    std::optional<base::Date> date6(int from, std::string_view field) const;
    // DDMMYYYY, the century digits ignored (read as 20YY); zeros or blanks give nothing.
    std::optional<base::Date> date8(int from, std::string_view field) const;
    // A bank title number: digits, blanks around them allowed. Returns the
    // number with its leading zeros dropped.
    std::string titleKey(int from, int to, std::string_view field) const;

    [[noreturn]] void fail(int from, int to, std::string_view field, std::string_view what) const;

private:
    std::optional<base::Date> date(int from, int width, std::string_view field) const;

    std::string_view m_line;
    int m_lineNumber;
};

// DESC_OCORRENCIA: the table's text cut to the column's width.
std::string description(std::string_view text);
// DADOS_RETORNO: the path trimmed and cut to the column's width.
std::string returnPath(std::string_view path);

} // namespace fin::cnab::detail
