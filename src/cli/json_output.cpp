#include "cli/json_output.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "files/case_fields.h"
#include "files/text_encoding.h"

namespace dorvel::cli {

std::string jsonString(const std::string& s) {
  std::string out;
  out.reserve(s.size() + 2);
  out += '"';
  // JSON is UTF-8: bytes that are not (a title typed in Windows-1250) are
  // read as Windows-1250 first.
  for (unsigned char ch : textAsUtf8(s)) {
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (ch < 0x20 || ch == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  out += '"';
  return out;
}

namespace {

// The digits of formatRoundTrip (shortest text that reads back to the same
// long double), appended without a temporary string.
void appendNumber(std::string& out, Real x) {
  if (!std::isfinite(x)) {
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
  auto r = std::to_chars(buf, buf + sizeof buf, x);
  out.append(buf, r.ptr);
}

void appendShown(std::string& out, const std::vector<ShownText>& shown) {
  out += ",\"messages\":[";
  for (size_t i = 0; i < shown.size(); ++i) {
    if (i) out += ',';
    out += jsonString(shown[i].text);
  }
  out += "],\"questions\":[";
  bool first = true;
  for (const auto& s : shown) {
    if (!s.question) continue;
    if (!first) out += ',';
    first = false;
    out += "{\"text\":" + jsonString(s.text) + ",\"answer\":" + (s.answer ? "true" : "false") + "}";
  }
  out += ']';
}

}  // namespace

std::string jsonNumber(Real x) {
  std::string s;
  appendNumber(s, x);
  return s;
}

void appendCaseJson(std::string& out, const CalculationCase& c, const std::string& file, bool ok,
                    bool nonConforming, const std::vector<ShownText>& shown,
                    const std::string& standard, const std::string& warning) {
  out += "{\"file\":";
  out += file.empty() ? std::string("null") : jsonString(file);
  out += ",\"ok\":";
  out += ok ? "true" : "false";
  out += ",\"nonConforming\":";
  out += nonConforming ? "true" : "false";
  out += ",\"standard\":" + jsonString(standard);
  out += ",\"warning\":" + jsonString(warning);
  for (const auto& f : caseFields()) {
    out += ",\"";
    out += f.name;
    out += "\":";
    std::visit(
        [&](auto member) {
          using M = decltype(member);
          if constexpr (std::is_same_v<M, int CalculationCase::*>) {
            out += std::to_string(c.*member);
          } else if constexpr (std::is_same_v<M, std::time_t CalculationCase::*>) {
            out += std::to_string(static_cast<long long>(c.*member));
          } else if constexpr (std::is_same_v<M, Real CalculationCase::*>) {
            appendNumber(out, c.*member);
          } else if constexpr (std::is_same_v<M, std::string CalculationCase::*>) {
            out += jsonString(c.*member);
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
  out += '}';
}

void appendFileErrorJson(std::string& out, const std::string& file, const std::string& error,
                         const std::vector<ShownText>& shown) {
  out += "{\"file\":" + jsonString(file) + ",\"ok\":false,\"fileError\":" + jsonString(error);
  appendShown(out, shown);
  out += '}';
}

}  // namespace dorvel::cli
