#include "cnab/fields.h"

#include "base/cp1252.h"
#include "cnab/auxiliar.h"

#include <stdexcept>

namespace fin::cnab {

namespace {

// The Windows-1252 bytes of a UTF-8 text. A control character (a line break
// typed into an address) would split the record, so it becomes a blank.
std::string fileText(std::string_view utf8)
{
    bool ascii = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    std::string out = ascii ? std::string(utf8) : base::utf8ToCp1252(utf8);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            c = ' ';
    }
    return out;
}

// The value as text for the text kinds: integers in decimal, null as empty.
std::string textOf(const Value& v)
{
    switch (v.type) {
    case Value::Type::Integer:
        return std::to_string(v.integer);
    case Value::Type::Text:
        return fileText(v.text);
    case Value::Type::None:
        return {};
    default:
        throw std::logic_error("campo de texto com valor que não é texto");
    }
}

std::string quoted(const Value& v)
{
    return "\"" + (v.type == Value::Type::Integer ? std::to_string(v.integer) : v.text) + "\"";
}

void appendZeroFilled(std::string& out, long long n, int width)
{
    if (n < 0)
        throw FieldError("o valor " + std::to_string(n) + " é negativo");
    const std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) > width)
        throw FieldError("\"" + digits + "\" tem " + std::to_string(digits.size())
                         + " dígitos e o campo tem " + std::to_string(width));
    out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

void appendTwo(std::string& out, int n)
{
    out += static_cast<char>('0' + n / 10 % 10);
    out += static_cast<char>('0' + n % 10);
}

const base::Date& requiredDate(const Value& v)
{
    if (v.type != Value::Type::Date || v.date.isNull())
        throw FieldError("data não informada");
    return v.date;
}

} // namespace

Value Value::of(long long n)
{
    Value v;
    v.type = Type::Integer;
    v.integer = n;
    return v;
}

Value Value::of(std::string text)
{
    Value v;
    v.type = Type::Text;
    v.text = std::move(text);
    return v;
}

Value Value::of(base::Date d)
{
    Value v;
    v.type = d.isNull() ? Type::None : Type::Date;
    v.date = d;
    return v;
}

Value Value::of(base::TimeOfDay t)
{
    Value v;
    v.type = Type::Time;
    v.time = t;
    return v;
}

Value Value::of(base::Money m)
{
    Value v;
    v.type = Type::Amount;
    v.amount = m;
    return v;
}

RecordFieldError::RecordFieldError(std::string field, int first, int last, std::string reason)
    : FieldError(compose({}, {}, field, first, last, reason))
    , m_field(std::move(field))
    , m_first(first)
    , m_last(last)
    , m_reason(std::move(reason))
{
}

RecordFieldError RecordFieldError::placed(std::string record, std::string title) const
{
    RecordFieldError e = *this;
    static_cast<FieldError&>(e) = FieldError(compose(record, title, m_field, m_first, m_last, m_reason));
    e.m_record = std::move(record);
    e.m_title = std::move(title);
    return e;
}

std::string RecordFieldError::compose(const std::string& record, const std::string& title,
                                      const std::string& field, int first, int last,
                                      const std::string& reason)
{
    std::string s = "Remessa não gerada: ";
    if (!title.empty())
        s += "título " + title + ", ";
    if (!record.empty())
        s += "registro " + record + ", ";
    s += "campo " + field;
    s += first == last ? " (posição " + std::to_string(first) + ")"
                       : " (posições " + std::to_string(first) + "-" + std::to_string(last) + ")";
    return s + ": " + reason;
}

long long wholeNumber(std::string_view text)
{
    const std::string_view t = Trimmed(text);
    if (t.empty())
        throw FieldError("valor vazio não é um número inteiro");
    if (t.size() > 18)
        throw FieldError("\"" + std::string(text) + "\" é longo demais para um número");
    long long n = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            throw FieldError("\"" + std::string(text) + "\" não é um número inteiro");
        n = n * 10 + (c - '0');
    }
    return n;
}

long long amountInCents(base::Money amount)
{
    return amount.centsHalfEven();
}

void appendValue(std::string& out, Kind kind, int width, const Value& v)
{
    switch (kind) {
    case Kind::L:
    case Kind::S:
        out.append(static_cast<std::size_t>(width), ' ');
        return;
    case Kind::Z:
        if (v.type == Value::Type::Integer)
            appendZeroFilled(out, v.integer, width);
        else if (v.type == Value::Type::Text || v.type == Value::Type::None)
            appendZeroFilled(out, wholeNumber(v.text), width);
        else
            throw std::logic_error("campo Z com valor que não é número");
        return;
    case Kind::V:
        if (v.type != Value::Type::Amount)
            throw FieldError("valor não informado");
        appendZeroFilled(out, amountInCents(v.amount), width);
        return;
    case Kind::T: {
        const std::string s = textOf(v);
        if (static_cast<int>(s.size()) >= width) {
            out.append(s, 0, static_cast<std::size_t>(width));
        } else {
            out += s;
            out.append(static_cast<std::size_t>(width) - s.size(), ' ');
        }
        return;
    }
    case Kind::P: {
        const std::string s = textOf(v);
        if (static_cast<int>(s.size()) > width)
            throw FieldError(quoted(v) + " tem " + std::to_string(s.size())
                             + " caracteres e o campo tem " + std::to_string(width));
        out += s;
        out.append(static_cast<std::size_t>(width) - s.size(), ' ');
        return;
    }
    case Kind::R: {
        const std::string s = textOf(v);
        if (static_cast<int>(s.size()) != width)
            throw FieldError(quoted(v) + " tem " + std::to_string(s.size())
                             + " caracteres e o campo exige " + std::to_string(width));
        out += s;
        return;
    }
    case Kind::D6:
    case Kind::D8: {
        const base::Date& d = requiredDate(v);
        appendTwo(out, d.day());
        appendTwo(out, d.month());
        if (kind == Kind::D8)
            appendTwo(out, d.year() / 100);
        appendTwo(out, d.year() % 100);
        if (width != (kind == Kind::D8 ? 8 : 6))
            throw std::logic_error("campo de data com largura errada");
        return;
    }
    case Kind::H6:
        if (v.type != Value::Type::Time || width != 6)
            throw std::logic_error("campo de hora sem hora");
        appendTwo(out, v.time.hour);
        appendTwo(out, v.time.minute);
        appendTwo(out, v.time.second);
        return;
    }
}

void verifyLayout(const Layout& layout)
{
    const std::string name(layout.name);
    int next = 1;
    for (const Field& f : layout.fields) {
        const std::string where = name + ", posições " + std::to_string(f.first) + "-" + std::to_string(f.last);
        if (f.first != next || f.last < f.first)
            throw std::logic_error("leiaute " + where + ": posições não contíguas");
        if (f.kind == Kind::L && static_cast<int>(f.literal.size()) != f.width())
            throw std::logic_error("leiaute " + where + ": literal com largura errada");
        if (f.kind != Kind::L && f.kind != Kind::S && f.source.get == nullptr)
            throw std::logic_error("leiaute " + where + ": campo sem origem");
        if ((f.kind == Kind::D6 || f.kind == Kind::H6) && f.width() != 6)
            throw std::logic_error("leiaute " + where + ": campo de data/hora com largura errada");
        if (f.kind == Kind::D8 && f.width() != 8)
            throw std::logic_error("leiaute " + where + ": campo de data com largura errada");
        next = f.last + 1;
    }
    if (next != layout.length + 1)
        throw std::logic_error("leiaute " + name + ": termina na posição " + std::to_string(next - 1)
                               + " em vez de " + std::to_string(layout.length));
}

void appendRecord(std::string& out, const Layout& layout, const RecordContext& context)
{
    const std::size_t start = out.size();
    for (const Field& f : layout.fields) {
        if (f.kind == Kind::L) {
            out += f.literal;
            continue;
        }
        if (f.kind == Kind::S) {
            out.append(static_cast<std::size_t>(f.width()), ' ');
            continue;
        }
        try {
            appendValue(out, f.kind, f.width(), f.source.get(context));
        } catch (const RecordFieldError&) {
            out.resize(start);
            throw;
        } catch (const FieldError& e) {
            out.resize(start);
            throw RecordFieldError(std::string(f.source.name), f.first, f.last, e.what());
        }
    }
    if (out.size() - start != static_cast<std::size_t>(layout.length))
        throw std::logic_error("registro " + std::string(layout.name) + " com tamanho errado");
}

namespace {

PayerDocument classify(std::string_view cpfCnpj, const char* cpfType, const char* cnpjType)
{
    std::string d = DigitsOnly(cpfCnpj);
    const bool cpf = d.size() == 11;
    return {cpf ? cpfType : cnpjType, std::move(d)};
}

} // namespace

PayerDocument payerDocument400(std::string_view cpfCnpj)
{
    PayerDocument doc = classify(cpfCnpj, "01", "02");
    if (doc.type == "01")
        doc.number.insert(0, "000");
    return doc;
}

PayerDocument payerDocument240(std::string_view cpfCnpj)
{
    PayerDocument doc = classify(cpfCnpj, "1", "2");
    doc.number.insert(0, doc.type == "1" ? "0000" : "0");
    return doc;
}

PayerDocument payerDocumentCaixa400(std::string_view cpfCnpj)
{
    return classify(cpfCnpj, "01", "02");
}

} // namespace fin::cnab
