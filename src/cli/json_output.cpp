#include "cli/json_output.h"

#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "base/format.h"
#include "calc/results_view.h"
#include "files/case_fields.h"
#include "files/text_encoding.h"

namespace dorvel::cli {

namespace {

// Appends s as a JSON string.  Runs of plain characters are copied whole;
// only quotes, backslashes and controls are escaped.
void appendJsonString(std::string& out, std::string_view s) {
  out += '"';
  // JSON is UTF-8: text that is not (a title typed in Windows-1250) is read
  // as Windows-1250 first; valid text is escaped in place, without a copy.
  const bool valid = isValidUtf8(s);
  const std::string decoded = valid ? std::string() : decodeWindows1250(s);
  const std::string_view t = valid ? s : std::string_view(decoded);
  size_t run = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    const unsigned char ch = static_cast<unsigned char>(t[i]);
    if (ch >= 0x20 && ch != '"' && ch != '\\' && ch != 0x7f) continue;
    out.append(t.substr(run, i - run));
    run = i + 1;
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", ch);
        out += buf;
      }
    }
  }
  out.append(t.substr(run));
  out += '"';
}

}  // namespace

std::string jsonString(const std::string& s) {
  std::string out;
  out.reserve(s.size() + 2);
  appendJsonString(out, s);
  return out;
}

namespace {

// Most numbers of a case were typed or read back from a case file and have a
// short decimal form.  x scaled to 18 significant digits and rounded gives N;
// if x has a text of at most 18 digits, N is that text's digits followed by
// zeros (the read-back interval is far narrower than one unit of the 18th
// digit), so N without its trailing zeros, over 10^k, is the only candidate
// and the shortest one, as std::to_chars finds it.  N and 10^k (k <= 27) are
// exact in a long double and the division rounds correctly, so N / 10^k == x
// is the read-back test itself.  The text is laid out as std::to_chars lays
// it out (fixed unless the exponent form is shorter).  Anything else (more
// digits, very small or large) returns false and takes the general search.
bool appendShortDecimal(std::string& out, Real x) {
  static const std::array<Real, 28> kPow10 = [] {
    std::array<Real, 28> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
  }();
  const bool negative = x < 0;
  const Real a = negative ? -x : x;
  if (!(a >= 1e-9L && a < 1e17L)) return false;
  int lead = 0;  // a lies in [10^lead, 10^(lead + 1)), give or take a rounding
  if (a >= 1) {
    while (lead < 17 && a >= kPow10[static_cast<size_t>(lead + 1)]) ++lead;
  } else {
    while (lead > -10 && a * kPow10[static_cast<size_t>(-lead)] < 1) --lead;
  }
  int k = 17 - lead;
  if (k < 1 || k >= static_cast<int>(kPow10.size())) return false;
  Real scaled = a * kPow10[static_cast<size_t>(k)];
  if (scaled >= 1e18L) scaled = a * kPow10[static_cast<size_t>(--k)];
  if (!(scaled < 1e18L)) return false;
  long long n = static_cast<long long>(scaled + 0.5L);
  if (n <= 0 || n >= 1000000000000000000LL) return false;
  while (n % 10 == 0) {
    n /= 10;
    --k;
  }
  if (k < 1 || static_cast<Real>(n) / kPow10[static_cast<size_t>(k)] != a) return false;
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  const int count = static_cast<int>(end - digits);
  const int exponent = count - 1 - k;  // of the leading digit
  const int fixedLength = exponent >= 0 ? count + 1 : count + 1 - exponent;
  const int absExponent = exponent < 0 ? -exponent : exponent;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (absExponent >= 100 ? 3 : 2);
  if (negative) out += '-';
  if (fixedLength <= scientificLength) {
    if (exponent >= 0) {
      out.append(digits, static_cast<size_t>(exponent + 1));
      out += '.';
      out.append(digits + exponent + 1, end);
    } else {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out.append(digits, end);
    }
  } else {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits + 1, end);
    }
    out += exponent < 0 ? "e-" : "e+";
    if (absExponent < 10) out += '0';
    out += std::to_string(absExponent);
  }
  return true;
}

// The digits of formatRoundTrip (shortest text that reads back to the same
// long double), appended without a temporary string.
// Values beyond the range of a double are null as well: JSON readers would
// turn them into infinity or clamp them.
void appendNumber(std::string& out, Real x) {
  if (!std::isfinite(x) || std::fabs(x) > static_cast<Real>(DBL_MAX)) {
    out += "null";
    return;
  }
  if (x == 0) {
    out += '0';
    return;
  }
  char buf[64];
  // Whole numbers (codes, typed inputs) need no shortest-digit search.
  if (std::fabs(x) < 1e18L && x == std::trunc(x)) {
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
    out.append(buf, r.ptr);
    return;
  }
  if (appendShortDecimal(out, x)) return;
  auto r = std::to_chars(buf, buf + sizeof buf, x);
  out.append(buf, r.ptr);
}

void appendShown(std::string& out, const std::vector<ShownText>& shown) {
  out += ",\"messages\":[";
  for (size_t i = 0; i < shown.size(); ++i) {
    if (i) out += ',';
    appendJsonString(out, shown[i].text);
  }
  out += "],\"messageCodes\":[";
  for (size_t i = 0; i < shown.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(shown[i].number);
  }
  out += "],\"questions\":[";
  bool first = true;
  for (const auto& s : shown) {
    if (!s.question) continue;
    if (!first) out += ',';
    first = false;
    out += "{\"text\":";
    appendJsonString(out, s.text);
    out += s.answer ? ",\"answer\":true}" : ",\"answer\":false}";
  }
  out += ']';
}

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, the JSON number grammar.
bool isJsonNumber(const std::string& t) {
  size_t i = 0, n = t.size();
  auto digits = [&] {
    const size_t from = i;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i;
    return i > from;
  };
  if (i < n && t[i] == '-') ++i;
  if (i < n && t[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < n && t[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == n;
}

// "uncertainty": the uncertainty lines of the calculation report (English
// captions), each term as it entered the total and the total, in %, with the
// printed digits as a number (null when "NOT KNOWN") and as text; null when
// the case was refused.
void appendUncertainty(std::string& out, const CalculationCase& c, bool ok) {
  out += ",\"uncertainty\":";
  if (!ok) {
    out += "null";
    return;
  }
  const std::vector<UncertaintyRow> rows = uncertaintyRows(c, true);
  auto row = [&](const UncertaintyRow& r) {
    std::string text = r.text;
    text.erase(0, text.find_first_not_of(' '));
    out += "{\"name\":";
    appendJsonString(out, r.name);
    out += ",\"caption\":";
    appendJsonString(out, r.caption);
    out += ",\"value\":";
    if (r.known)
      appendNumber(out, r.value);
    else
      out += "null";
    out += ",\"text\":";
    appendJsonString(out, text);
    out += '}';
  };
  out += "{\"overall\":";
  out += c.uncertaintyBudget.complete() ? "true" : "false";
  out += ",\"terms\":[";
  for (size_t i = 0; i + 1 < rows.size(); ++i) {
    if (i > 0) out += ',';
    row(rows[i]);
  }
  out += "],\"total\":";
  row(rows.back());
  out += '}';
}

// "results": the rows of the results page, each with its value as a number
// read back from the displayed text (so the same digits as the text output;
// null for "-" and "Not known") and that text; empty when the case was
// refused.  "units": the unit of every numeric field in this case's units.
void appendResultsAndUnits(std::string& out, const CalculationCase& c, bool ok) {
  out += ",\"results\":[";
  if (ok) {
    bool first = true;
    for (const ResultRow& r : resultsPage(c)) {
      if (!first) out += ',';
      first = false;
      out += "{\"name\":";
      appendJsonString(out, r.name);
      out += ",\"caption\":";
      appendJsonString(out, r.caption);
      out += ",\"value\":";
      Real shown = 0;
      if (isJsonNumber(r.value) && parseReal(r.value, shown))
        out += r.value;  // the displayed digits are a valid JSON number as they stand
      else
        out += "null";
      out += ",\"text\":";
      appendJsonString(out, r.value);
      out += ",\"unit\":";
      appendJsonString(out, r.unit);
      out += '}';
    }
  }
  out += ']';
  appendUncertainty(out, c, ok);
  out += ",\"units\":{";
  // The member texts are made once; only the units chosen by a unit code of
  // the case are looked up for each case.
  struct UnitMember {
    std::string text;  // "name":"unit" (the key only when resolved per case)
    std::string_view unitField;               // "pressureUnit" ...
    int CalculationCase::*unitCode = nullptr;  // ... and its member
  };
  static const std::vector<UnitMember> members = [] {
    std::vector<UnitMember> v;
    for (const auto& f : caseFields()) {
      if (!std::holds_alternative<Real CalculationCase::*>(f.member) &&
          !std::holds_alternative<Composition CalculationCase::*>(f.member) &&
          !std::holds_alternative<std::array<Real, 2> CalculationCase::*>(f.member))
        continue;
      const std::string_view unit = fieldUnit(f.name);
      UnitMember m;
      m.text = (v.empty() ? "\"" : ",\"") + std::string(f.name) + "\":";
      const CaseField* code = nullptr;
      if (unit.size() > 2 && unit.front() == '{')
        code = findCaseField(unit.substr(1, unit.size() - 2));
      if (code && std::holds_alternative<int CalculationCase::*>(code->member)) {
        m.unitField = code->name;
        m.unitCode = std::get<int CalculationCase::*>(code->member);
      } else {
        m.text += jsonString(std::string(unit));
      }
      v.push_back(std::move(m));
    }
    return v;
  }();
  for (const UnitMember& m : members) {
    out += m.text;
    if (m.unitCode) appendJsonString(out, unitTextFor(m.unitField, c.*m.unitCode, c));
  }
  out += '}';
}

}  // namespace

std::string jsonNumber(Real x) {
  std::string s;
  appendNumber(s, x);
  return s;
}

void appendCaseJson(std::string& out, const CalculationCase& c, const std::string& file, bool ok,
                    bool nonConforming, const std::vector<ShownText>& shown,
                    const std::string& standard, const std::string& warning,
                    const std::vector<std::string>& warnings) {
  out += "{\"file\":";
  if (file.empty())
    out += "null";
  else
    appendJsonString(out, file);
  out += ",\"ok\":";
  out += ok ? "true" : "false";
  out += ",\"nonConforming\":";
  out += nonConforming ? "true" : "false";
  out += ",\"standard\":";
  appendJsonString(out, standard);
  out += ",\"equationOfState\":";
  const std::string equation = equationOfState(c);
  if (equation.empty())
    out += "null";
  else
    appendJsonString(out, equation);
  out += ",\"warning\":";
  appendJsonString(out, warning);
  // A computed case conforms when no warning flag is set; a refused case has
  // no results to conform.
  out += ",\"conforming\":";
  out += ok && warnings.empty() && !nonConforming ? "true" : "false";
  out += ",\"warnings\":[";
  for (size_t i = 0; i < warnings.size(); ++i) {
    if (i > 0) out += ',';
    appendJsonString(out, warnings[i]);
  }
  out += ']';
  for (const auto& f : caseFields()) {
    out += ",\"";
    out += f.name;
    out += "\":";
    std::visit(
        [&](auto member) {
          using M = decltype(member);
          if constexpr (std::is_same_v<M, int CalculationCase::*>) {
            char buf[16];
            out.append(buf, std::to_chars(buf, buf + sizeof buf, c.*member).ptr);
          } else if constexpr (std::is_same_v<M, std::time_t CalculationCase::*>) {
            out += std::to_string(static_cast<long long>(c.*member));
          } else if constexpr (std::is_same_v<M, Real CalculationCase::*>) {
            appendNumber(out, c.*member);
          } else if constexpr (std::is_same_v<M, std::string CalculationCase::*>) {
            appendJsonString(out, c.*member);
          } else if constexpr (std::is_same_v<M, bool CalculationCase::*>) {
            out += (c.*member) ? "true" : "false";
          } else {
            out += '[';
            bool first = true;
            for (Real v : c.*member) {
              if (!first) out += ',';
              first = false;
              appendNumber(out, v);
            }
            out += ']';
          }
        },
        f.member);
  }
  appendShown(out, shown);
  appendResultsAndUnits(out, c, ok);
  out += '}';
}

void appendFileErrorJson(std::string& out, const std::string& file, const std::string& error,
                         const std::vector<ShownText>& shown) {
  out += "{\"file\":" + jsonString(file) + ",\"ok\":false,\"fileError\":" + jsonString(error);
  appendShown(out, shown);
  out += '}';
}

}  // namespace dorvel::cli
