// Text of the case files: UTF-8, or Windows-1250 (Central European) as
// written by earlier Windows installations for Polish titles and fluid names.
#pragma once

#include <string>
#include <string_view>

namespace dorvel {

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Windows-1250 bytes as UTF-8.  The five byte values the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 controls of the
// same number, as Windows itself maps them, so nothing is lost.
std::string decodeWindows1250(std::string_view bytes);

// UTF-8 text as Windows-1250 bytes into `out`; false (and `out` undefined)
// when a character has no Windows-1250 form or the text is not UTF-8.
bool encodeWindows1250(std::string_view utf8, std::string& out);

// Text read from a file or given from outside: kept when it is valid UTF-8,
// otherwise read as Windows-1250.  The result is always valid UTF-8.
std::string textAsUtf8(std::string_view bytes);

}  // namespace dorvel
