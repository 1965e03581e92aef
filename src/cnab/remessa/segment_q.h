#pragma once

// Segment Q (payer) of the CNAB 240 remittances: the same for Sicoob and
// Caixa but for the bank code in positions 1-3.

#include "cnab/remessa/sources.h"

#include <array>
#include <string_view>

namespace fin::cnab {

constexpr std::array<Field, 21> segmentQ(std::string_view bankCode)
{
    using namespace src;
    using enum Kind;
    return {{
        lit(1, 3, bankCode),
        field(4, 7, Z, batch),
        lit(8, 8, "3"),
        field(9, 13, Z, segment),
        lit(14, 14, "Q"),
        lit(15, 15, " "),
        lit(16, 17, "01"),
        field(18, 18, R, payerType240),
        field(19, 33, R, payerNumber240),
        field(34, 73, T, nomRazaoSocial),
        field(74, 113, T, desEndereco),
        field(114, 128, T, desBairro),
        field(129, 136, P, cepDigits),
        field(137, 151, T, desNome),
        field(152, 153, R, codUf),
        lit(154, 154, "0"),
        zeros(155, 169),
        blanks(170, 209),
        lit(210, 212, "000"),
        blanks(213, 232),
        blanks(233, 240),
    }};
}

} // namespace fin::cnab
