// A strict little JSON reader for the tests of the command-line output: it
// checks the whole text is well-formed and gives the top-level members of an
// object as raw texts.
#pragma once

#include <cctype>
#include <map>
#include <string>

namespace dorvel::testing {

class JsonMini {
 public:
  // Parses one object; false when the text is not exactly one JSON object.
  static bool topLevel(const std::string& text, std::map<std::string, std::string>& members) {
    JsonMini p(text);
    members.clear();
    p.ws();
    if (!p.eat('{')) return false;
    p.ws();
    if (p.eat('}')) return p.end();
    for (;;) {
      p.ws();
      std::string key;
      if (!p.string(&key)) return false;
      p.ws();
      if (!p.eat(':')) return false;
      p.ws();
      size_t start = p.i_;
      if (!p.value()) return false;
      members[key] = text.substr(start, p.i_ - start);
      p.ws();
      if (p.eat('}')) return p.end();
      if (!p.eat(',')) return false;
    }
  }
  // The text of a JSON string value without quotes (simple escapes only).
  static std::string unquote(const std::string& raw) {
    JsonMini p(raw);
    std::string out;
    p.string(&out);
    return out;
  }

 private:
  explicit JsonMini(const std::string& t) : t_(t) {}
  bool end() {
    ws();
    return i_ == t_.size();
  }
  void ws() {
    while (i_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[i_]))) ++i_;
  }
  bool eat(char ch) {
    if (i_ < t_.size() && t_[i_] == ch) {
      ++i_;
      return true;
    }
    return false;
  }
  bool literal(const char* w) {
    std::string s(w);
    if (t_.compare(i_, s.size(), s) != 0) return false;
    i_ += s.size();
    return true;
  }
  bool string(std::string* out) {
    if (!eat('"')) return false;
    while (i_ < t_.size()) {
      char ch = t_[i_++];
      if (ch == '"') return true;
      if (static_cast<unsigned char>(ch) < 0x20) return false;
      if (ch == '\\') {
        if (i_ >= t_.size()) return false;
        char e = t_[i_++];
        switch (e) {
          case '"': case '\\': case '/': if (out) *out += e; break;
          case 'n': if (out) *out += '\n'; break;
          case 'r': if (out) *out += '\r'; break;
          case 't': if (out) *out += '\t'; break;
          case 'b': case 'f': break;
          case 'u':
            for (int k = 0; k < 4; ++k)
              if (i_ >= t_.size() || !std::isxdigit(static_cast<unsigned char>(t_[i_++]))) return false;
            break;
          default: return false;
        }
      } else if (out) {
        *out += ch;
      }
    }
    return false;
  }
  bool number() {
    size_t start = i_;
    eat('-');
    if (!(i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_])))) return false;
    if (t_[i_] == '0') {
      ++i_;
    } else {
      while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
    }
    if (eat('.')) {
      size_t d = i_;
      while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
      if (i_ == d) return false;
    }
    if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
      ++i_;
      if (!eat('+')) eat('-');
      size_t d = i_;
      while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
      if (i_ == d) return false;
    }
    return i_ > start;
  }
  bool value() {
    ws();
    if (i_ >= t_.size()) return false;
    char ch = t_[i_];
    if (ch == '"') return string(nullptr);
    if (ch == '{') {
      ++i_;
      ws();
      if (eat('}')) return true;
      for (;;) {
        ws();
        if (!string(nullptr)) return false;
        ws();
        if (!eat(':') || !value()) return false;
        ws();
        if (eat('}')) return true;
        if (!eat(',')) return false;
      }
    }
    if (ch == '[') {
      ++i_;
      ws();
      if (eat(']')) return true;
      for (;;) {
        if (!value()) return false;
        ws();
        if (eat(']')) return true;
        if (!eat(',')) return false;
      }
    }
    if (ch == 't') return literal("true");
    if (ch == 'f') return literal("false");
    if (ch == 'n') return literal("null");
    return number();
  }

  const std::string& t_;
  size_t i_ = 0;
};

}  // namespace dorvel::testing
