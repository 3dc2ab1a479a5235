// The values of the results page, with its captions and number formats.
#pragma once

#include <string>
#include <vector>

#include "calc/case.h"

namespace dorvel::cli {

struct ResultRow {
  std::string group;    // "Basic results", "Intermediate results", "Limits of use"
  std::string caption;
  std::string value;    // formatted as the page shows it
  std::string unit;
};

// Fixed-point with `decimals` decimals after rounding to at most `precision`
// significant digits (the decimals beyond them are zeros); numbers with more
// integer digits than `precision` in general format.  The results page uses
// precision 8, the property panels their own ("fixed 6.4": 6 digits, 4
// decimals).
std::string pageFixed(Real x, int decimals, int precision = 8);

// The rows of the results page after a successful calculation (the task's
// result already stored back into its input field).
std::vector<ResultRow> resultsPage(const CalculationCase& c);

// The standard in force, as the highlighted label of the task panel shows it.
std::string standardInForce(const CalculationCase& c);

// The warnings of the set warning flags, in the order of the status bar's
// table; empty when the results conform to the standard.
std::vector<std::string> statusWarnings(const CalculationCase& c);

// The status-bar warning: the last applicable one, else empty.
std::string statusWarning(const CalculationCase& c);

}  // namespace dorvel::cli
