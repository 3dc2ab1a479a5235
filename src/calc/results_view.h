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

// One line of the uncertainty analysis: a term of the main result's
// uncertainty budget as it entered the total, or the total itself.
struct UncertaintyRow {
  std::string name;     // JSON name: dischargeCoefficient, expansibility,
                        // pipeDiameter, deviceDiameter, differentialPressure,
                        // density, flowrate (the total)
  std::string caption;  // the report's label in the language asked
  std::string text;     // as printed: 6:3 in %, or "NOT KNOWN" / "NIE ZNANA"
  Real value = 0;       // the printed number; NaN when not known
  bool known = true;
};

// The uncertainty lines of the calculation report, read from the case's
// uncertainty budget, in the report's order; the last row is the total
// ("Overall ..." when both the differential-pressure transmitter and the
// density uncertainty are declared, else "Partial ...").  The expansibility
// row is there for compressible fluids only, the differential-pressure row
// only when the transmitter error is declared.  With results outside the
// standard the discharge-coefficient row and the total are not known.
// Recombined by ISO 5167-1 eq. (22) the printed terms give the printed
// total (to the rounding of the print).
std::vector<UncertaintyRow> uncertaintyRows(const CalculationCase& c, bool english);

// The standard in force, as the highlighted label of the task panel shows it.
std::string standardInForce(const CalculationCase& c);

// The equation of state of a natural gas with its standard, "SGERG-88 (ISO
// 12213-3)", "AGA8-92DC (ISO 12213-2)" or "GERG-2008 (ISO 20765-2)"; empty
// for the other fluids.
std::string equationOfState(const CalculationCase& c);

// The warnings of the set warning flags, in the order of the status bar's
// table; empty when the results conform to the standard.
std::vector<std::string> statusWarnings(const CalculationCase& c);

// The status-bar warning: the last applicable one, else empty.
std::string statusWarning(const CalculationCase& c);

}  // namespace dorvel
