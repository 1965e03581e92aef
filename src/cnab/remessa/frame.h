#pragma once

// The frame every remittance writer follows: header, the marked titles in
// list order, trailer; numbering, count, total and file name.

#include "cnab/remessa/context.h"

#include <string>
#include <string_view>

namespace fin::cnab {

using FileNamer = std::string (*)(const RecordContext&);

struct Cnab400Bank {
    long long code = 0;
    std::string_view folder;
    FileNamer fileName = nullptr;
    Layout header;
    Layout detail;
    Layout trailer;
    // A record some banks write right after a title's detail (Itaú: e-mail).
    const Layout* afterDetail = nullptr;
    bool (*writesAfterDetail)(const RemittanceTitle&) = nullptr;
};

struct Cnab240Bank {
    long long code = 0;
    std::string_view folder;
    FileNamer fileName = nullptr;
    Layout fileHeader;
    Layout batchHeader;
    Layout segmentP;
    Layout segmentQ;
    Layout segmentR;
    Layout batchTrailer;
    Layout fileTrailer;
};

const Cnab400Bank& itau400();
const Cnab400Bank& bradesco400();
const Cnab400Bank& santander400();
const Cnab400Bank& bancoDoBrasil400();
const Cnab400Bank& sicoob400();
const Cnab400Bank& caixa400();
const Cnab240Bank& sicoob240();
const Cnab240Bank& caixa240();

RemittanceFile writeCnab400(const Cnab400Bank& bank, const RemittanceInput& input);
RemittanceFile writeCnab240(const Cnab240Bank& bank, const RemittanceInput& input);

// A stored text that goes into a file name; refused when it holds a
// character no file name may have (a folder separator, a colon ...).
std::string fileNamePart(std::string_view text, std::string_view what);

// Today as D6 (DDMMYY), the date every file name carries.
std::string fileNameDate(base::Date today);

} // namespace fin::cnab
