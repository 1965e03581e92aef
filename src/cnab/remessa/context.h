#pragma once

#include "cnab/fields.h"
#include "cnab/remessa/model.h"

namespace fin::cnab {

// What the remittance layout tables read from while a file is written.
struct RecordContext {
    const CompanyRow* company = nullptr;
    const RemittanceTitle* title = nullptr;    // the title being written (detail records)
    const RemittanceTitle* account = nullptr;  // the first listed row: the account of the headers
    base::Date today;
    base::DateTime now;
    long long seq = 0;          // CNAB 400: number of the record in the file
    long long segment = 0;      // CNAB 240: number of the segment in the batch
    long long titleCount = 0;   // titles written so far
    base::Money total;          // their VLR_TITULO summed

    // The row account-level and title fields read: the title being written,
    // otherwise the first listed row (all listed titles share one account).
    const RemittanceTitle& row() const
    {
        if (title)
            return *title;
        if (account)
            return *account;
        throw FieldError("a lista de títulos está vazia: não há conta de onde ler este valor");
    }
};

} // namespace fin::cnab
