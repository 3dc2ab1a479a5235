// One case as a JSON object: every field of the case by its registry name,
// numbers with the digits that give back the same long double.
#pragma once

#include <string>
#include <vector>

#include "base/case.h"

namespace dorvel::cli {

struct ShownText {
  bool question = false;
  bool answer = false;
  std::string text;
  int number = 0;  // the row of the message table
};

// JSON string literal of `s` (UTF-8 passed through, controls escaped).
std::string jsonString(const std::string& s);
// JSON number of `x`: shortest round-trip digits; null when not finite.
std::string jsonNumber(Real x);

// Appends the object (one line, no trailing newline) for a computed or
// refused case.  `file` is empty for a case made from the command line.
// `warnings` are the texts of the set warning flags; "conforming" is true
// only for a computed case without any.
void appendCaseJson(std::string& out, const CalculationCase& c, const std::string& file, bool ok,
                    bool nonConforming, const std::vector<ShownText>& shown,
                    const std::string& standard, const std::string& warning,
                    const std::vector<std::string>& warnings);

// The object for a file that could not be read.
void appendFileErrorJson(std::string& out, const std::string& file, const std::string& error,
                         const std::vector<ShownText>& shown);

}  // namespace dorvel::cli
