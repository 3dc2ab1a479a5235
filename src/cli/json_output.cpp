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
  // Plain ASCII with nothing to escape (names, units, most texts): whole.
  size_t plain = 0;
  while (plain < s.size()) {
    const unsigned char ch = static_cast<unsigned char>(s[plain]);
    if (ch < 0x20 || ch >= 0x7f || ch == '"' || ch == '\\') break;
    ++plain;
  }
  if (plain == s.size()) {
    out.append(s);
    out += '"';
    return;
  }
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

// The digits of formatRoundTrip (shortest text that reads back to the same
// long double), appended without a temporary string.
// Values beyond the range of a double are null as well: JSON readers would
// turn them into infinity or clamp them.
void appendNumber(std::string& out, Real x) {
  if (x == 0) {  // most of the composition arrays
    out += '0';
    return;
  }
  if (!std::isfinite(x) || std::fabs(x) > static_cast<Real>(DBL_MAX)) {
    out += "null";
    return;
  }
  char text[kRoundTripTextSize];
  // Whole numbers (codes, typed inputs) need no shortest-digit search.
  if (std::fabs(x) < 1e18L && x == std::trunc(x)) {
    out.append(text, std::to_chars(text, text + sizeof text, static_cast<long long>(x)).ptr);
    return;
  }
  out.append(text, formatRoundTripTo(text, x));
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
  // The members' keys (,"name":) are made once.
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> k;
    for (const auto& f : caseFields()) k.push_back(",\"" + std::string(f.name) + "\":");
    return k;
  }();
  size_t key = 0;
  for (const auto& f : caseFields()) {
    out += keys[key++];
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
