#pragma once

// Remittance files for bank collection: CNAB 400 for Itaú (341), Bradesco
// (237), Santander (33), Banco do Brasil (1), Sicoob (756) and Caixa (104);
// CNAB 240 for Sicoob and Caixa.

#include "cnab/fields.h"
#include "cnab/remessa/model.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace fin::cnab {

// A bank (and layout) without a remittance writer.
class UnsupportedBank : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

bool hasRemittanceWriter(long long bank, CnabLayout layout);

// The whole file for the marked titles of the input, or nothing: a value
// that does not fit its field throws RecordFieldError naming the title and
// the field before any byte is handed out. Throws UnsupportedBank when the
// bank has no writer for the layout.
RemittanceFile writeRemittance(long long bank, CnabLayout layout, const RemittanceInput& input);

// The total as the closing message shows it: plain decimal, trailing zeros
// dropped, decimal comma ("1234,5", "100", "0").
std::string totalText(base::Money total);

// Every record layout of the eight files, for checks.
std::vector<const Layout*> remittanceLayouts();

} // namespace fin::cnab
