#include "base/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cfloat>
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

namespace {

// pageFixed by the book: the value rounded to `precision` significant digits,
// read back, then printed with `decimals` decimals.
std::string pageFixedSlow(long double x, const std::string& sci, int decimals, int precision) {
  long double rounded = x;
  std::from_chars(sci.data(), sci.data() + sci.size(), rounded);
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  if (exponent >= precision) return formatGeneral(rounded, precision);
  return formatFixed(rounded, 0, decimals);
}

// The `p` significant digits of x, correctly rounded, and the decimal
// exponent of the first one, without printf: x scaled by an exact power of
// ten and rounded to an integer.  The scaling rounds once (half an ulp); when
// that could decide the rounding (the scaled value within two ulps of a
// half) the answer is left to printf.  False: use printf.
bool scaledDigits(long double x, int p, std::string& digits, int& e) {
  static const auto pow10 = [] {
    std::array<long double, 28> t{};
    t[0] = 1;
    for (size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;  // exact up to 10^27
    return t;
  }();
  if (p > 15) return false;
  const long double a = std::fabs(x);
  if (!(a >= 1e-12L && a < 1e20L)) return false;
  e = static_cast<int>(std::floor(std::log10(a)));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int k = p - 1 - e;
    if (k > 27 || k < -27) return false;
    const long double scaled = k >= 0 ? a * pow10[static_cast<size_t>(k)]
                                      : a / pow10[static_cast<size_t>(-k)];
    const long double whole = std::floor(scaled);
    const long double frac = scaled - whole;
    const long double ulp = std::nextafter(scaled, 2 * scaled + 1) - scaled;
    if (std::fabs(frac - 0.5L) <= 2 * ulp) return false;
    long long n = static_cast<long long>(whole) + (frac > 0.5L ? 1 : 0);
    const long long low = static_cast<long long>(pow10[static_cast<size_t>(p - 1)]);
    if (n < low) {  // log10 put the first digit one place too high
      --e;
      continue;
    }
    if (n >= 10 * low) {
      if (static_cast<long double>(n) == 10 * pow10[static_cast<size_t>(p - 1)] &&
          whole < static_cast<long double>(n)) {
        n = low;  // 9.99...5 rounded up to the next power of ten
        ++e;
      } else {
        ++e;
        continue;
      }
    }
    digits = std::to_string(n);
    return true;
  }
  return false;
}

}  // namespace

std::string pageFixed(long double x, int decimals, int precision) {
  if (precision < 1) precision = 1;
  if (precision > 18) precision = 18;
  if (!std::isfinite(x)) return formatGeneral(x, precision);
  if (x == 0) return formatFixed(0, 0, decimals);
  if (decimals < 0) decimals = 0;
  if (decimals > 30) decimals = 30;
  // Round to `precision` significant digits first; the decimals beyond them
  // are zeros.
  // The fixed text is made from the digits of the rounded value (the results
  // of a case are formatted thousands of times a second in batch runs).  The
  // cases where reading the rounded value back and printing it again could
  // end otherwise take that slower way: a cut exactly at a half (the binary
  // value decides the rounding) and values beyond the plain ranges.
  const bool negative = x < 0;
  std::string digits;
  int e = 0;
  std::string sci;
  if (!scaledDigits(x, precision, digits, e)) {
    sci = cFormat("%.*Le", precision - 1, 0, x, false);
    const size_t epos = sci.find('e');
    if (epos == std::string::npos) return pageFixedSlow(x, sci, decimals, precision);
    for (size_t k = negative ? 1 : 0; k < epos; ++k)
      if (sci[k] != '.') digits += sci[k];
    e = std::atoi(sci.c_str() + epos + 1);
  }
  const auto slow = [&] {
    if (sci.empty()) sci = cFormat("%.*Le", precision - 1, 0, x, false);
    return pageFixedSlow(x, sci, decimals, precision);
  };
  const int available = precision - 1 - e;  // decimals the rounded value has
  if (e >= precision || digits.empty() || digits[0] == '0' || available > decimals + 12)
    return slow();
  if (available > decimals) {
    const int keep = e + 1 + decimals;
    if (keep < 1) return slow();
    const std::string cut = digits.substr(static_cast<size_t>(keep));
    if (cut[0] == '5' && cut.find_first_not_of('0', 1) == std::string::npos)
      return slow();
    digits.resize(static_cast<size_t>(keep));
    if (cut[0] >= '5') {
      int k = keep - 1;
      while (k >= 0 && digits[static_cast<size_t>(k)] == '9') digits[static_cast<size_t>(k--)] = '0';
      if (k >= 0) {
        ++digits[static_cast<size_t>(k)];
      } else {
        digits.insert(0, 1, '1');
        ++e;
        if (e >= precision) return slow();
      }
    }
  }
  std::string out = negative ? "-" : "";
  std::string fraction;
  if (e >= 0) {
    out.append(digits, 0, static_cast<size_t>(e) + 1);
    if (digits.size() > static_cast<size_t>(e) + 1) fraction = digits.substr(static_cast<size_t>(e) + 1);
  } else {
    out += '0';
    fraction = std::string(static_cast<size_t>(-e - 1), '0') + digits;
  }
  if (static_cast<int>(fraction.size()) < decimals)
    fraction.append(static_cast<size_t>(decimals) - fraction.size(), '0');
  if (decimals > 0) out += '.' + fraction.substr(0, static_cast<size_t>(decimals));
  return out;
}

std::string formatExponent(long double x, int digits) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (digits < 1) digits = 1;
  if (digits > 21) digits = 21;
  std::string s = cFormat("%.*LE", digits - 1, 0, x, false);
  const size_t e = s.find('E');
  if (e == std::string::npos || e + 2 > s.size()) return s;
  std::string exponent = s.substr(e + 2);
  while (exponent.size() > 1 && exponent.front() == '0') exponent.erase(0, 1);
  return s.substr(0, e + 2) + exponent;
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
  // "inf" and "nan" are not numbers an engineer types, nor is anything
  // beyond the range of a double (about ±1.7e308): no measured quantity is,
  // and JSON readers and other programs could not take it back as a number.
  if (!std::isfinite(v) || std::fabs(v) > static_cast<long double>(DBL_MAX)) return false;
  out = negate ? -v : v;
  return true;
}

}  // namespace dorvel
