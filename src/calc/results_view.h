// The rows of the results page, with their captions, values in the displayed
// units and number formats: one source for the desktop program, the command
// line and its JSON output.
#pragma once

#include <string>
#include <vector>

#include "base/case.h"
#include "base/format.h"

namespace dorvel {

struct ResultRow {
  std::string group;    // "Basic results", "Intermediate results", "Limits of use"
  std::string caption;
  std::string value;    // formatted as the page shows it
  std::string unit;
  std::string name;     // the row's name in the JSON output (a case field's
                        // name where the row shows one)
};

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

}  // namespace dorvel
