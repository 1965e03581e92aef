#include "cnab/retorno/return_row.h"

namespace fin::cnab {

std::string bankTitleKey(std::string_view number)
{
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    while (!number.empty() && number.back() == ' ')
        number.remove_suffix(1);
    while (number.size() > 1 && number.front() == '0')
        number.remove_prefix(1);
    return std::string(number);
}

std::string cutToWidth(std::string text, int width)
{
    // Count code points: a byte that does not continue a sequence starts one.
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == width) {
            text.resize(i);
            break;
        }
    }
    return text;
}

} // namespace fin::cnab
