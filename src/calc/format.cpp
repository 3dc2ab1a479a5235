#include "calc/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dorvel {

namespace {

// printf with the "C" decimal point regardless of the process locale: the
// %L conversions of snprintf honour LC_NUMERIC, so a comma is put back.
std::string cFormat(const char* fmt, int a, int b, long double x, bool twoArgs) {
  char buf[256];
  int n = twoArgs ? std::snprintf(buf, sizeof buf, fmt, a, b, x)
                  : std::snprintf(buf, sizeof buf, fmt, a, x);
  if (n < 0) return {};
  std::string s;
  if (static_cast<size_t>(n) < sizeof buf) {
    s.assign(buf, static_cast<size_t>(n));
  } else {
    // A wide value (a fixed format of 1e300 has 300 digits): never cut it.
    s.resize(static_cast<size_t>(n) + 1);
    n = twoArgs ? std::snprintf(s.data(), s.size(), fmt, a, b, x)
                : std::snprintf(s.data(), s.size(), fmt, a, x);
    s.resize(n > 0 ? static_cast<size_t>(n) : 0);
  }
  for (char& ch : s)
    if (ch == ',') ch = '.';
  return s;
}

std::string nonFinite(long double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

void stripZeros(std::string& mant) {
  if (mant.find('.') == std::string::npos) return;
  while (!mant.empty() && mant.back() == '0') mant.pop_back();
  if (!mant.empty() && mant.back() == '.') mant.pop_back();
}

}  // namespace

std::string formatGeneral(long double x, int digits) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (digits < 1) digits = 1;
  if (digits > 21) digits = 21;
  if (x == 0) return "0";
  // Round to the significant digits first, then decide the notation on the
  // rounded value (9.99999999 with 8 digits becomes 10).
  std::string sci = cFormat("%.*Le", digits - 1, 0, x, false);
  size_t epos = sci.find('e');
  int exponent = std::atoi(sci.c_str() + epos + 1);
  // Fixed notation for 0.0001 <= |x| < 10^digits (decimal exponent of the
  // leading digit from -4 to digits-1), as the classic general format does.
  if (exponent < digits && exponent >= -4) {
    int decimals = digits - 1 - exponent;
    if (decimals < 0) decimals = 0;
    std::string fixed = cFormat("%.*Lf", decimals, 0, x, false);
    stripZeros(fixed);
    if (fixed == "-0") fixed = "0";
    return fixed;
  }
  std::string mant = sci.substr(0, epos);
  stripZeros(mant);
  return mant + "E" + std::to_string(exponent);
}

std::string formatFixed(long double x, int width, int decimals) {
  if (!std::isfinite(x)) {
    std::string s = nonFinite(x);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
  }
  if (decimals < 0) decimals = 0;
  if (decimals > 30) decimals = 30;
  if (width < 0) width = 0;
  if (width > 200) width = 200;
  std::string s = cFormat("%*.*Lf", width, decimals, x, true);
  // A tiny negative value rounds to "-0.0": no reader wants the sign there.
  const size_t minus = s.find('-');
  if (minus != std::string::npos &&
      s.find_first_not_of("0.", minus + 1) == std::string::npos) {
    s.erase(minus, 1);
    if (static_cast<int>(s.size()) < width) s.insert(0, 1, ' ');
  }
  return s;
}

std::string formatFixedReadable(long double x, int width, int decimals) {
  // |x| >= 1e16 has at least 17 integer digits: never a readable fixed text.
  if (std::isfinite(x) && std::fabs(x) < 1e16L) {
    std::string s = formatFixed(x, width, decimals);
    if (static_cast<int>(s.size()) <= std::max(width, 16)) return s;
  }
  std::string s = formatGeneral(x, 7);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  return s;
}

std::string formatRoundTrip(long double x) {
  if (!std::isfinite(x)) return nonFinite(x);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, x);
  if (r.ec != std::errc{}) return cFormat("%.*Lg", 21, 0, x, false);
  return std::string(buf, r.ptr);
}

bool parseReal(const std::string& text, long double& out) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' ||
                   text[e - 1] == '\n'))
    --e;
  if (b == e) return false;
  const char* first = text.data() + b;
  const char* last = text.data() + e;
  bool negate = false;
  if (*first == '+') {
    ++first;
  } else if (*first == '-' && first + 1 < last && first[1] == '+') {
    return false;
  }
  if (first == last || *first == '+') return false;
  long double v = 0;
  auto r = std::from_chars(first, last, v, std::chars_format::general);
  if (r.ec != std::errc{} || r.ptr != last) return false;
  // "inf" and "nan" are not numbers an engineer types.
  if (!std::isfinite(v)) return false;
  out = negate ? -v : v;
  return true;
}

}  // namespace dorvel
