#pragma once

#include <string>
#include <string_view>

namespace fin::base {

// Windows-1252 bytes to UTF-8. The five undefined bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 controls of the same value, as the platform does.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed
// sequence, becomes `replacement`.
std::string utf8ToCp1252(std::string_view utf8, char replacement = '?');

// Whether every character of the UTF-8 text has a Windows-1252 byte.
bool fitsCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

} // namespace fin::base
