#pragma once

#include "base/date.h"
#include "base/money.h"
#include "cnab/auxiliar.h"

#include <span>
#include <string>
#include <string_view>

namespace fin::cnab {

// How a field turns its source value into characters.
//   L  literal, written unchanged        S  blanks
//   Z  integer left-filled with zeros    T  text cut or filled with blanks
//   P  text filled with blanks, never cut
//   R  text written verbatim; it must already have the width
//   D6 DDMMYY   D8 DDMMYYYY   H6 HHMMSS
//   V  amount in cents (half to even), written as Z
enum class Kind { L, S, Z, T, P, R, D6, D8, H6, V };

// The value a source hands to a field. Texts are UTF-8; a null column is
// Type::None, which reads as an empty text, a missing date or a missing amount.
struct Value {
    enum class Type { None, Integer, Text, Date, Time, Amount };
    Type type = Type::None;
    long long integer = 0;
    std::string text;
    base::Date date;
    base::TimeOfDay time;
    base::Money amount;

    static Value none() { return {}; }
    static Value of(long long n);
    static Value of(std::string text);
    static Value of(base::Date d);
    static Value of(base::TimeOfDay t);
    static Value of(base::Money m);
};

// Whatever a writer walks its tables with: the company, the row, the counters.
struct RecordContext;
using Getter = Value (*)(const RecordContext&);

// A named source: the name is the column (or what the value is made of) that
// a refusal message shows to the user.
struct Source {
    std::string_view name;
    Getter get = nullptr;
};

// One line of a layout table: positions `first`-`last` counted from 1.
struct Field {
    int first = 0;
    int last = 0;
    Kind kind = Kind::S;
    std::string_view literal;   // kind L, as Windows-1252 bytes
    Source source;              // every kind but L and S

    constexpr int width() const { return last - first + 1; }
};

constexpr Field lit(int first, int last, std::string_view text)
{
    return {first, last, Kind::L, text, {}};
}
constexpr Field blanks(int first, int last)
{
    return {first, last, Kind::S, {}, {}};
}
constexpr Field field(int first, int last, Kind kind, Source source)
{
    return {first, last, kind, {}, source};
}

// A record kind: its name for messages, its length and its fields in order.
struct Layout {
    std::string_view name;
    int length = 0;
    std::span<const Field> fields;
};

// A field that cannot be written. The builder fills the field part, the
// writer adds the record and the title.
class RecordFieldError : public FieldError {
public:
    RecordFieldError(std::string field, int first, int last, std::string reason);

    const std::string& field() const { return m_field; }
    int first() const { return m_first; }
    int last() const { return m_last; }
    const std::string& reason() const { return m_reason; }
    const std::string& record() const { return m_record; }
    const std::string& title() const { return m_title; }

    // The same refusal placed in a record, and in a title when there is one.
    RecordFieldError placed(std::string record, std::string title) const;

private:
    static std::string compose(const std::string& record, const std::string& title,
                               const std::string& field, int first, int last,
                               const std::string& reason);

    std::string m_field;
    int m_first;
    int m_last;
    std::string m_reason;
    std::string m_record;
    std::string m_title;
};

// Throws std::logic_error unless the fields run from 1 to the record length
// without gap or overlap, literals have their width, and every kind that
// needs a source has one.
void verifyLayout(const Layout& layout);

// Appends one record (without its line end) built from the layout.
// Throws RecordFieldError naming the field.
void appendRecord(std::string& out, const Layout& layout, const RecordContext& context);

// Appends one value formatted as `kind` with `width` characters; throws
// FieldError with the reason when it cannot.
void appendValue(std::string& out, Kind kind, int width, const Value& value);

// The amount in cents as the bank files want it: half to the even neighbour.
long long amountInCents(base::Money amount);

// A whole number from a text of digits (surrounding blanks allowed); throws
// FieldError on anything else.
long long wholeNumber(std::string_view text);

// The payer's document in the three forms of the bank files, from the
// stored CPF/CNPJ text.
struct PayerDocument {
    std::string type;
    std::string number;
};
// CNAB 400: "01" and "000" + 11 digits, or "02" and the digits (a P field of 14).
PayerDocument payerDocument400(std::string_view cpfCnpj);
// CNAB 240: "1" and "0000" + 11 digits, or "2" and "0" + the digits.
PayerDocument payerDocument240(std::string_view cpfCnpj);
// Caixa CNAB 400: "01" or "02" and the digits alone.
PayerDocument payerDocumentCaixa400(std::string_view cpfCnpj);

} // namespace fin::cnab
