#include "files/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace dorvel {

namespace {

// Windows-1250: the characters of the bytes 0x80 to 0xFF.  Bytes below 0x80
// are ASCII.
constexpr std::array<char16_t, 128> kWindows1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// The next character of UTF-8 text at `pos`, advancing `pos`; false on a
// malformed sequence.
bool nextCharacter(std::string_view s, size_t& pos, char32_t& u) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    u = b0;
    ++pos;
    return true;
  }
  int length = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, min = 0x80, u = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, min = 0x800, u = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, min = 0x10000, u = b0 & 0x07;
  } else {
    return false;
  }
  if (pos + static_cast<size_t>(length) > s.size()) return false;
  for (int i = 1; i < length; ++i) {
    const unsigned char b = byte(pos + static_cast<size_t>(i));
    if ((b & 0xC0) != 0x80) return false;
    u = (u << 6) | (b & 0x3F);
  }
  if (u < min || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return false;
  pos += static_cast<size_t>(length);
  return true;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  char32_t u = 0;
  while (pos < bytes.size()) {
    // Runs of ASCII, eight bytes at a time.
    std::uint64_t block = 0;
    while (pos + sizeof block <= bytes.size()) {
      std::memcpy(&block, bytes.data() + pos, sizeof block);
      if (block & 0x8080808080808080ULL) break;
      pos += sizeof block;
    }
    while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80) ++pos;
    if (pos < bytes.size() && !nextCharacter(bytes, pos, u)) return false;
  }
  return true;
}

std::string decodeWindows1250(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes)
    appendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kWindows1250[b - 0x80]});
  return out;
}

bool encodeWindows1250(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  size_t pos = 0;
  char32_t u = 0;
  while (pos < utf8.size()) {
    if (!nextCharacter(utf8, pos, u)) return false;
    if (u < 0x80) {
      out += static_cast<char>(u);
      continue;
    }
    size_t i = 0;
    while (i < kWindows1250.size() && kWindows1250[i] != u) ++i;
    if (i == kWindows1250.size()) return false;
    out += static_cast<char>(0x80 + i);
  }
  return true;
}

std::string textAsUtf8(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  return decodeWindows1250(bytes);
}

FileTextEncoding fileTextEncoding(std::string_view name) {
  while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r'))
    name.remove_suffix(1);
  std::string upper(name);
  for (char& ch : upper)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  if (upper == kUtf8Name) return FileTextEncoding::Utf8;
  if (upper == kWindows1250Name) return FileTextEncoding::Windows1250;
  return FileTextEncoding::Unnamed;
}

namespace {

bool isCyrillicLetter(char32_t u) { return u >= 0x0400 && u <= 0x045F; }

// Characters an engineer types in a title or a fluid name that Windows-1250
// lacks: Latin-1 and Latin Extended-A letters and signs (², ³, ø, æ),
// Greek, the common Cyrillic letters, general punctuation, super- and
// subscripts, currency and letter-like signs, number forms, arrows,
// mathematical and technical signs.
bool isPlausibleCharacter(char32_t u) {
  return (u >= 0x00A0 && u <= 0x017F) || (u >= 0x0370 && u <= 0x03FF) ||
         isCyrillicLetter(u) || (u >= 0x2000 && u <= 0x23FF) || u == 0x02C7 || u == 0x02D8 ||
         u == 0x02D9 || u == 0x02DB || u == 0x02DD;
}

// Valid UTF-8 that spells plausible text (see fileTextAsUtf8).
bool isPlausibleUtf8(std::string_view bytes) {
  std::u32string text;
  size_t pos = 0;
  char32_t u = 0;
  while (pos < bytes.size()) {
    if (!nextCharacter(bytes, pos, u)) return false;
    text += u;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t ch = text[i];
    if (ch < 0x80) continue;
    if (!isPlausibleCharacter(ch)) return false;
    // Windows-1250 "Ń" before "Ś", "Ź", "ś", "ź" or a dash forms a single
    // Cyrillic letter amid Latin ones; Cyrillic words have two letters or
    // more.
    if (isCyrillicLetter(ch) && !(i > 0 && isCyrillicLetter(text[i - 1])) &&
        !(i + 1 < text.size() && isCyrillicLetter(text[i + 1])))
      return false;
  }
  return true;
}

}  // namespace

std::string fileTextAsUtf8(std::string_view bytes, FileTextEncoding encoding) {
  switch (encoding) {
    case FileTextEncoding::Utf8:
      return textAsUtf8(bytes);  // damaged UTF-8 is still read, as Windows-1250
    case FileTextEncoding::Windows1250:
      return decodeWindows1250(bytes);
    case FileTextEncoding::Unnamed:
      break;
  }
  return isPlausibleUtf8(bytes) ? std::string(bytes) : decodeWindows1250(bytes);
}

}  // namespace dorvel
