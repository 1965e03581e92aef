#include "cnab/remessa/frame.h"

#include "cnab/remessa/sources.h"
#include "cnab/remessa/writer.h"

namespace fin::cnab {

namespace {

class FileBuilder {
public:
    FileBuilder(const RemittanceInput& input, std::size_t recordLength, std::size_t records)
    {
        m_context.company = &input.company;
        m_context.account = input.titles.empty() ? nullptr : &input.titles.front();
        m_context.today = input.today;
        m_context.now = input.now;
        m_bytes.reserve((recordLength + 2) * records);
    }

    RecordContext& context() { return m_context; }

    void put(const Layout& layout)
    {
        try {
            appendRecord(m_bytes, layout, m_context);
        } catch (const RecordFieldError& e) {
            throw e.placed(std::string(layout.name),
                           m_context.title ? src::docParc(*m_context.title) : std::string());
        }
        m_bytes += "\r\n";
    }

    void countTitle(const RemittanceTitle& t)
    {
        ++m_context.titleCount;
        m_context.total += t.vlrTitulo.value_or(base::Money());
    }

    RemittanceFile finish(std::string_view folder, FileNamer name)
    {
        RemittanceFile file;
        m_context.title = nullptr;
        try {
            file.fileName = name(m_context);
        } catch (const FieldError& e) {
            throw FieldError(std::string("Remessa não gerada: nome do arquivo: ") + e.what());
        }
        file.folder = std::string(folder);
        file.titleCount = static_cast<int>(m_context.titleCount);
        file.total = m_context.total;
        file.bytes = std::move(m_bytes);
        return file;
    }

private:
    RecordContext m_context;
    std::string m_bytes;
};

std::size_t markedCount(const RemittanceInput& input)
{
    std::size_t n = 0;
    for (const RemittanceTitle& t : input.titles)
        n += t.marcado ? 1 : 0;
    return n;
}

} // namespace

std::string fileNameDate(base::Date today)
{
    std::string s;
    appendValue(s, Kind::D6, 6, Value::of(today));
    return s;
}

std::string fileNamePart(std::string_view text, std::string_view what)
{
    constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    for (char ch : text)
        if (static_cast<unsigned char>(ch) < 0x20 || kForbidden.find(ch) != std::string_view::npos)
            throw FieldError(std::string(what) + " \"" + std::string(text)
                             + "\" tem caracteres que um nome de arquivo não admite");
    if (text.empty())
        throw FieldError(std::string(what) + " está vazio");
    return std::string(text);
}

RemittanceFile writeCnab400(const Cnab400Bank& bank, const RemittanceInput& input)
{
    for (const Layout* l : {&bank.header, &bank.detail, &bank.trailer})
        verifyLayout(*l);
    if (bank.afterDetail)
        verifyLayout(*bank.afterDetail);

    FileBuilder file(input, 400, markedCount(input) * (bank.afterDetail ? 2 : 1) + 2);
    RecordContext& c = file.context();
    c.seq = 1;
    file.put(bank.header);
    for (const RemittanceTitle& t : input.titles) {
        if (!t.marcado)
            continue;
        c.title = &t;
        ++c.seq;
        file.put(bank.detail);
        if (bank.afterDetail && bank.writesAfterDetail(t)) {
            ++c.seq;
            file.put(*bank.afterDetail);
        }
        file.countTitle(t);
    }
    c.title = nullptr;
    ++c.seq;
    file.put(bank.trailer);
    return file.finish(bank.folder, bank.fileName);
}

RemittanceFile writeCnab240(const Cnab240Bank& bank, const RemittanceInput& input)
{
    for (const Layout* l : {&bank.fileHeader, &bank.batchHeader, &bank.segmentP, &bank.segmentQ,
                            &bank.segmentR, &bank.batchTrailer, &bank.fileTrailer})
        verifyLayout(*l);

    FileBuilder file(input, 240, markedCount(input) * 3 + 4);
    RecordContext& c = file.context();
    file.put(bank.fileHeader);
    file.put(bank.batchHeader);
    for (const RemittanceTitle& t : input.titles) {
        if (!t.marcado)
            continue;
        c.title = &t;
        for (const Layout* segment : {&bank.segmentP, &bank.segmentQ, &bank.segmentR}) {
            ++c.segment;
            file.put(*segment);
        }
        file.countTitle(t);
    }
    c.title = nullptr;
    file.put(bank.batchTrailer);
    file.put(bank.fileTrailer);
    return file.finish(bank.folder, bank.fileName);
}

bool hasRemittanceWriter(long long bank, CnabLayout layout)
{
    if (layout == CnabLayout::Cnab240)
        return bank == 756 || bank == 104;
    return bank == 341 || bank == 237 || bank == 33 || bank == 1 || bank == 756 || bank == 104;
}

RemittanceFile writeRemittance(long long bank, CnabLayout layout, const RemittanceInput& input)
{
    if (layout == CnabLayout::Cnab240) {
        switch (bank) {
        case 756:
            return writeCnab240(sicoob240(), input);
        case 104:
            return writeCnab240(caixa240(), input);
        case 1:
            throw UnsupportedBank("Banco não implementado para o CNAB 240");
        default:
            throw UnsupportedBank("Não há remessa CNAB 240 para o banco " + std::to_string(bank));
        }
    }
    switch (bank) {
    case 341:
        return writeCnab400(itau400(), input);
    case 237:
        return writeCnab400(bradesco400(), input);
    case 33:
        return writeCnab400(santander400(), input);
    case 1:
        return writeCnab400(bancoDoBrasil400(), input);
    case 756:
        return writeCnab400(sicoob400(), input);
    case 104:
        return writeCnab400(caixa400(), input);
    default:
        throw UnsupportedBank("Não há remessa CNAB 400 para o banco " + std::to_string(bank));
    }
}

std::string totalText(base::Money total)
{
    std::string s = total.toString(2);
    while (s.back() == '0' && s.find('.') != std::string::npos)
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    for (char& ch : s)
        if (ch == '.')
            ch = ',';
    return s;
}

std::vector<const Layout*> remittanceLayouts()
{
    std::vector<const Layout*> all;
    for (const Cnab400Bank* b : {&itau400(), &bradesco400(), &santander400(), &bancoDoBrasil400(),
                                 &sicoob400(), &caixa400()}) {
        all.insert(all.end(), {&b->header, &b->detail, &b->trailer});
        if (b->afterDetail)
            all.push_back(b->afterDetail);
    }
    for (const Cnab240Bank* b : {&sicoob240(), &caixa240()})
        all.insert(all.end(), {&b->fileHeader, &b->batchHeader, &b->segmentP, &b->segmentQ,
                               &b->segmentR, &b->batchTrailer, &b->fileTrailer});
    return all;
}

} // namespace fin::cnab
