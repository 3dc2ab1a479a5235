#include "base/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>

namespace dorvel {

namespace {

// printf with the "C" decimal point regardless of the process locale: the
// %L conversions of snprintf honour LC_NUMERIC, so a comma is put back.
std::string cFormat(const char* fmt, int precision, long double x) {
  char buf[256];
  int n = std::snprintf(buf, sizeof buf, fmt, precision, x);
  if (n < 0) return {};
  std::string s;
  if (static_cast<size_t>(n) < sizeof buf) {
    s.assign(buf, static_cast<size_t>(n));
  } else {
    // A wide value (a fixed format of 1e300 has 300 digits): never cut it.
    s.resize(static_cast<size_t>(n) + 1);
    n = std::snprintf(s.data(), s.size(), fmt, precision, x);
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
  // The decimal exponent from the binary one: floor(e2·log10 2) is never
  // above floor(log10 a) and at most one below it; the loop corrects it.
  int e2 = 0;
  (void)std::frexp(a, &e2);  // a in [2^(e2-1), 2^e2)
  e = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int k = p - 1 - e;
    if (k > 27 || k < -27) return false;
    const long double scaled = k >= 0 ? a * pow10[static_cast<size_t>(k)]
                                      : a / pow10[static_cast<size_t>(-k)];
    // scaled < 10^17: its integer part is exact in a long long.
    const long long whole = static_cast<long long>(scaled);
    const long double frac = scaled - static_cast<long double>(whole);
    // Two ulps of scaled are at most scaled·2^-62.
    if (std::fabs(frac - 0.5L) <= scaled * 0x1p-62L) return false;
    long long n = whole + (frac > 0.5L ? 1 : 0);
    const long long low = static_cast<long long>(pow10[static_cast<size_t>(p - 1)]);
    if (n < low) {  // never expected: the estimate is not above the exponent
      --e;
      continue;
    }
    if (n >= 10 * low) {
      if (n == 10 * low && whole < n) {
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

// printf's "%.*Lf" of x without printf: |x|·10^decimals rounded to an
// integer.  The scaling rounds once (half an ulp); when that could decide
// the rounding (within two ulps of a half) or the value is large, false:
// use printf.  The sign is printf's: "-0.00" for a small negative value.
bool fixedDigits(long double x, int decimals, std::string& text) {
  static const auto pow10 = [] {
    std::array<long double, 19> t{};
    t[0] = 1;
    for (size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;
    return t;
  }();
  if (decimals < 0 || decimals > 18) return false;
  const long double scaled = std::fabs(x) * pow10[static_cast<size_t>(decimals)];
  if (!(scaled < 1e18L)) return false;
  const long long whole = static_cast<long long>(scaled);
  const long double frac = scaled - static_cast<long double>(whole);
  if (std::fabs(frac - 0.5L) <= scaled * 0x1p-62L) return false;
  const std::string digits = std::to_string(whole + (frac > 0.5L ? 1 : 0));
  text = std::signbit(x) ? "-" : "";
  const size_t d = static_cast<size_t>(decimals);
  if (digits.size() > d) {
    text.append(digits, 0, digits.size() - d);
  } else {
    text += '0';
  }
  if (d > 0) {
    text += '.';
    if (digits.size() < d) text.append(d - digits.size(), '0');
    text.append(digits, digits.size() > d ? digits.size() - d : 0, std::string::npos);
  }
  return true;
}

}  // namespace

std::string formatGeneral(long double x, int digits) {
  if (!std::isfinite(x)) return nonFinite(x);
  if (digits < 1) digits = 1;
  if (digits > 21) digits = 21;
  if (x == 0) return "0";
  // Round to the significant digits first, then decide the notation on the
  // rounded value (9.99999999 with 8 digits becomes 10).
  std::string rounded;
  int e = 0;
  if (scaledDigits(x, digits, rounded, e)) {
    // The fixed text's decimals cut where the rounding did: its digits are
    // the rounded ones.
    std::string text = x < 0 ? "-" : "";
    if (e < digits && e >= -4) {
      if (e >= 0) {
        text.append(rounded, 0, static_cast<size_t>(e) + 1);
        text += '.';
        text.append(rounded, static_cast<size_t>(e) + 1);
      } else {
        text += "0.";
        text.append(static_cast<size_t>(-e - 1), '0');
        text += rounded;
      }
      stripZeros(text);
      return text;
    }
    text += rounded[0];
    text += '.';
    text.append(rounded, 1);
    stripZeros(text);
    return text + "E" + std::to_string(e);
  }
  std::string sci = cFormat("%.*Le", digits - 1, x);
  size_t epos = sci.find('e');
  int exponent = std::atoi(sci.c_str() + epos + 1);
  // Fixed notation for 0.0001 <= |x| < 10^digits (decimal exponent of the
  // leading digit from -4 to digits-1), as the classic general format does.
  if (exponent < digits && exponent >= -4) {
    int decimals = digits - 1 - exponent;
    if (decimals < 0) decimals = 0;
    std::string fixed = cFormat("%.*Lf", decimals, x);
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
  std::string s;
  if (!fixedDigits(x, decimals, s)) s = cFormat("%.*Lf", decimals, x);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
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
  // of a case are formatted thousands of times a second in batch runs), so
  // the decimals beyond them are zeros even where the long double nearest
  // the rounded value would print other digits there (from about the 19th
  // significant place on).  A cut exactly at a half (the binary value
  // decides the rounding) and values beyond the plain ranges take the slower
  // way: the rounded value read back and printed.
  const bool negative = x < 0;
  std::string digits;
  int e = 0;
  std::string sci;
  if (!scaledDigits(x, precision, digits, e)) {
    sci = cFormat("%.*Le", precision - 1, x);
    const size_t epos = sci.find('e');
    if (epos == std::string::npos) return pageFixedSlow(x, sci, decimals, precision);
    for (size_t k = negative ? 1 : 0; k < epos; ++k)
      if (sci[k] != '.') digits += sci[k];
    e = std::atoi(sci.c_str() + epos + 1);
  }
  const auto slow = [&] {
    if (sci.empty()) sci = cFormat("%.*Le", precision - 1, x);
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
  std::string s = cFormat("%.*LE", digits - 1, x);
  const size_t e = s.find('E');
  if (e == std::string::npos || e + 2 > s.size()) return s;
  std::string exponent = s.substr(e + 2);
  while (exponent.size() > 1 && exponent.front() == '0') exponent.erase(0, 1);
  return s.substr(0, e + 2) + exponent;
}

namespace {

#if LDBL_MANT_DIG == 64 && defined(__SIZEOF_INT128__)
using U128 = unsigned __int128;
using S128 = __int128;

// 10^i, i = 0..21, and 5^i, i = 0..27 (5^27 < 2^63).
constexpr std::array<U128, 22> kPow10 = [] {
  std::array<U128, 22> t{};
  t[0] = 1;
  for (size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
  return t;
}();
constexpr std::array<std::uint64_t, 28> kPow5 = [] {
  std::array<std::uint64_t, 28> t{};
  t[0] = 1;
  for (size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 5;
  return t;
}();

// The shortest decimal digits of a = m·2^e (an x87 extended value: 64-bit
// mantissa with its leading bit) that read back to a, and the decimal
// exponent of the first digit, by exact integer arithmetic.
//
// a·10^k is brought into [10^20, 10^21) with 0 <= k <= 27, where m·5^k still
// fits in 128 bits; q is its integer part and r/2^s its fraction.  For
// n = 1, 2, ... the n-digit decimal nearest to a is tested against the
// read-back interval a ± half an ulp, all in units of 2^-(s+1) so that
// every quantity is an integer.  The first n that passes gives the shortest
// text, and the nearest of its length, as the shortest-text search of
// std::to_chars defines it.  What this cannot decide exactly as the standard
// search does (a power of two, whose interval is lopsided; a tie between two
// n-digit decimals; a candidate on the edge of the interval, where the
// read-back rounding to even decides) and values beyond [1e-7, 1e20) return
// false.
bool shortestDigits(long double a, char* digits, int& count, int& exponent) {
  std::uint64_t m = 0;
  std::uint16_t se = 0;
  std::memcpy(&m, &a, sizeof m);
  std::memcpy(&se, reinterpret_cast<const char*>(&a) + sizeof m, sizeof se);
  const int biased = se & 0x7fff;
  if (biased == 0 || biased == 0x7fff || (m >> 63) == 0) return false;
  if (m == (std::uint64_t{1} << 63)) return false;  // power of two
  const int e2 = biased - 16383;                     // a in [2^e2, 2^(e2 + 1))
  const int e = e2 - 63;                             // a = m·2^e
  if (e2 < -24 || e2 > 66) return false;
  // log10(2) = 0.30103: the estimate of floor(log10 a) is at most one low.
  int k = 20 - static_cast<int>(std::floor(e2 * 0.30102999566398120));
  U128 q = 0, r = 0;
  int s = 0;
  for (int attempt = 0;; ++attempt) {
    if (k < 0 || k > 27 || attempt > 2) return false;
    const U128 x = static_cast<U128>(m) * kPow5[static_cast<size_t>(k)];
    const int t = e + k;  // a·10^k = x·2^t
    if (t >= 0) {
      if (t > 40) return false;
      q = x << t;
      r = 0;
      s = 0;
    } else {
      s = -t;
      if (s > 100) return false;
      q = x >> s;
      r = x & ((U128{1} << s) - 1);
    }
    if (q < kPow10[20]) {
      ++k;
    } else if (q >= kPow10[21]) {
      --k;
    } else {
      break;
    }
  }
  // Half an ulp in units of 2^-(s+1): 2^(e-1)·10^k·2^(s+1) = 5^k·2^(e+k+s).
  const S128 halfUlp = static_cast<S128>(kPow5[static_cast<size_t>(k)]) << (e + k + s);
  const S128 unit = S128{1} << (s + 1);  // one unit of the 21st digit
  const S128 fraction2 = static_cast<S128>(r) * 2;
  // The 21 digits of q, in 64-bit arithmetic: q < 10^21 < 2^70 and
  // 10^19 = 2^6·156250000000000000, so q / 10^19 is (q >> 6) / that.
  const std::uint64_t high = static_cast<std::uint64_t>(q >> 6) / 156250000000000000ULL;  // 10..99
  const std::uint64_t low = static_cast<std::uint64_t>(q - static_cast<U128>(high) * kPow10[19]);
  char dg[21];
  {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    std::uint64_t v = low;
    for (int i = 19; i >= 3; i -= 2, v /= 100) std::memcpy(dg + i, kPairs + 2 * (v % 100), 2);
    dg[2] = static_cast<char>('0' + v);
    std::memcpy(dg, kPairs + 2 * high, 2);
  }
  // A candidate must lie within half an ulp (at most 54 units) of the
  // value; one whose cut digits up to the 19th are not all 0 (rounding down)
  // or all 9 (rounding up) lies at least 100 units away, so shorter
  // candidates need not be tried.
  int first = 21;
  for (const char run : {'0', '9'}) {
    int n = 19;
    while (n > 0 && dg[n - 1] == run) --n;
    first = std::min(first, n);
  }
  for (int n = std::max(first, 1); n <= 21; ++n) {
    const U128 g = kPow10[static_cast<size_t>(21 - n)];
    // The value of the digits from the (n+1)th on (the last two without a
    // division: computed values end here).
    const U128 cut = n == 21   ? 0
                     : n == 20 ? static_cast<U128>(dg[20] - '0')
                     : n == 19 ? static_cast<U128>((dg[19] - '0') * 10 + (dg[20] - '0'))
                     : n == 1  ? static_cast<U128>(high % 10) * kPow10[19] + low
                               : low % static_cast<std::uint64_t>(g);
    bool up = false;
    if (n < 21) {
      const U128 half = g / 2;
      if (cut == half && r == 0) return false;  // an exact tie
      up = cut > half || (cut == half && r > 0);
    } else {
      const U128 halfUnit = U128{1} << (s > 0 ? s - 1 : 0);
      if (s > 0 && r == halfUnit) return false;
      up = s > 0 && r > halfUnit;
    }
    const U128 step = up ? g - cut : cut;  // |candidate - q|, in units
    if (step > 128) continue;              // far beyond half an ulp (at most 54 units)
    const S128 d = up ? static_cast<S128>(step) : -static_cast<S128>(step);
    S128 distance = d * unit - fraction2;
    if (distance < 0) distance = -distance;
    if (distance == halfUlp) return false;  // on the edge of the interval
    if (distance > halfUlp) continue;
    std::memcpy(digits, dg, static_cast<size_t>(n));
    exponent = 20 - k;
    count = n;
    if (up) {
      int i = n - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits[0] = '1';
        ++exponent;
      }
    }
    while (count > 1 && digits[count - 1] == '0') --count;
    return true;
  }
  return false;
}
#else
bool shortestDigits(long double, char*, int&, int&) { return false; }
#endif

// Significant digits laid out as std::to_chars lays out its shortest text:
// fixed notation unless the exponent form is shorter.  A whole number whose
// fixed text goes beyond its shortest digits is written by std::to_chars
// with all its exact digits (2^67 is 147573952589676412928, not ...413000):
// nullptr, left to it.
char* layOutShortest(char* out, bool negative, const char* digits, int count, int exponent) {
  const int fixedLength = exponent >= 0 ? std::max(count + 1, exponent + 1) : count + 1 - exponent;
  const int absExponent = exponent < 0 ? -exponent : exponent;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 +
                               (absExponent >= 1000 ? 4 : absExponent >= 100 ? 3 : 2);
  if (fixedLength <= scientificLength && exponent >= 0 && count < exponent + 1) return nullptr;
  if (negative) *out++ = '-';
  if (fixedLength <= scientificLength) {
    if (exponent >= 0) {
      const int whole = exponent + 1;
      for (int i = 0; i < whole; ++i) *out++ = digits[i];
      if (count > whole) {
        *out++ = '.';
        for (int i = whole; i < count; ++i) *out++ = digits[i];
      }
    } else {
      *out++ = '0';
      *out++ = '.';
      for (int i = 0; i < -exponent - 1; ++i) *out++ = '0';
      for (int i = 0; i < count; ++i) *out++ = digits[i];
    }
    return out;
  }
  *out++ = digits[0];
  if (count > 1) {
    *out++ = '.';
    for (int i = 1; i < count; ++i) *out++ = digits[i];
  }
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  if (absExponent < 10) *out++ = '0';
  return std::to_chars(out, out + 8, absExponent).ptr;
}

}  // namespace

char* formatRoundTripTo(char* out, long double x) {
  char digits[24];
  int count = 0, exponent = 0;
  if (x != 0 && std::isfinite(x) && shortestDigits(std::fabs(x), digits, count, exponent))
    if (char* end = layOutShortest(out, x < 0, digits, count, exponent)) return end;
  const auto r = std::to_chars(out, out + kRoundTripTextSize, x);
  if (r.ec == std::errc{}) return r.ptr;
  const int n = std::snprintf(out, kRoundTripTextSize, "%.21Lg", x);
  return out + (n > 0 ? n : 0);
}

std::string formatRoundTrip(long double x) {
  if (!std::isfinite(x)) return nonFinite(x);
  char buf[kRoundTripTextSize];
  return std::string(buf, formatRoundTripTo(buf, x));
}

namespace {

// The plain decimal texts of case files and typed inputs
// ([-]digits[.digits][e[+-]digits], at most 19 significant digits, decimal
// exponent within ±27) read without the C library: the digits N and 10^p
// are exact long doubles, so N·10^p and N/10^p are rounded once, to
// nearest, as strtold rounds the decimal value itself.  False: anything
// else, left to std::from_chars.
bool parsePlainDecimal(const char* first, const char* last, long double& out) {
  static const auto pow10 = [] {
    std::array<long double, 28> t{};
    t[0] = 1;
    for (size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;  // exact up to 10^27
    return t;
  }();
  const char* p = first;
  const bool negative = p < last && *p == '-';
  if (negative) ++p;
  std::uint64_t n = 0;
  int significant = 0, scale = 0, digitCount = 0;
  bool point = false;
  for (; p < last; ++p) {
    const char ch = *p;
    if (ch >= '0' && ch <= '9') {
      ++digitCount;
      if (point) --scale;
      if (significant == 0 && ch == '0') continue;
      if (++significant > 19) return false;
      n = n * 10 + static_cast<std::uint64_t>(ch - '0');
    } else if (ch == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digitCount == 0) return false;
  if (p < last) {
    if (*p != 'e' && *p != 'E') return false;
    ++p;
    bool minus = false;
    if (p < last && (*p == '+' || *p == '-')) minus = *p++ == '-';
    if (p == last || last - p > 4) return false;
    int exponent = 0;
    for (; p < last; ++p) {
      if (*p < '0' || *p > '9') return false;
      exponent = exponent * 10 + (*p - '0');
    }
    scale += minus ? -exponent : exponent;
  }
  if (scale < -27 || scale > 27) return false;
  long double v = static_cast<long double>(n);
  if (scale > 0) v *= pow10[static_cast<size_t>(scale)];
  if (scale < 0) v /= pow10[static_cast<size_t>(-scale)];
  out = negative ? -v : v;
  return true;
}

}  // namespace

bool parseReal(std::string_view text, long double& out) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' ||
                   text[e - 1] == '\n'))
    --e;
  if (b == e) return false;
  const char* first = text.data() + b;
  const char* last = text.data() + e;
  if (*first == '+') {
    ++first;
  } else if (*first == '-' && first + 1 < last && first[1] == '+') {
    return false;
  }
  if (first == last || *first == '+') return false;
  long double v = 0;
  if (!parsePlainDecimal(first, last, v)) {
    auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec != std::errc{} || r.ptr != last) return false;
  }
  // "inf" and "nan" are not numbers an engineer types, nor is anything
  // beyond the range of a double (about ±1.7e308): no measured quantity is,
  // and JSON readers and other programs could not take it back as a number.
  if (!std::isfinite(v) || std::fabs(v) > static_cast<long double>(DBL_MAX)) return false;
  out = v;
  return true;
}

}  // namespace dorvel
