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

// Text given from outside (a command line, an edit): kept when it is valid
// UTF-8, otherwise read as Windows-1250.  The result is always valid UTF-8.
std::string textAsUtf8(std::string_view bytes);

// The encoding a case file names at the end of its first line.  Files of
// the earlier installations name none.
enum class FileTextEncoding { Unnamed, Utf8, Windows1250 };

// The names written at the end of the first line, and read back (case and
// surrounding blanks ignored); anything else is Unnamed.
inline constexpr const char* kUtf8Name = "UTF-8";
inline constexpr const char* kWindows1250Name = "WINDOWS-1250";
FileTextEncoding fileTextEncoding(std::string_view name);

// A free text of a case file as UTF-8: by the encoding the file names, or,
// for a file that names none (written by the earlier installations: in
// Windows-1250, or in UTF-8 when a text had no Windows-1250 form), by what
// the bytes say.  Bytes that are not UTF-8 are Windows-1250.  Bytes that are
// UTF-8 are taken as UTF-8 when the text they spell is plausible (letters of
// the Latin, Greek and Cyrillic alphabets, the usual signs, superscripts,
// arrows and mathematical signs, a Cyrillic letter only beside another);
// otherwise, as for Windows-1250 Polish text that happens to form UTF-8
// sequences ("SPÓŁKA" gives U+04E3, "ĆŚ" U+018C, "ć" and "ę" with what
// follows CJK, "ń" and "ó" unassigned planes), as Windows-1250.
std::string fileTextAsUtf8(std::string_view bytes, FileTextEncoding encoding);

}  // namespace dorvel
