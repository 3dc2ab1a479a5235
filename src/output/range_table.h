// The measurement-range table: for readings of 100 %, 90 %, ... 10 % of the
// upper-range flowrate, the linear-scale flowrate, the exact flowrate at the
// differential pressure of a square-root scale, their difference, the
// differential pressure, the pressure loss and the relative and absolute
// uncertainty of the flowrate.
//
// The table is transposed: eight quantity rows, ten reading columns.
// computeRangeTable() gives the values and the cell texts; drawRangeTable()
// paints them on any QPainter.
#pragma once

#include <QPainter>

#include <array>
#include <string>
#include <vector>

#include "base/case.h"
#include "calc/solver_status.h"

namespace dorvel::output {

struct RangeColumn {
  int reading = 0;        // % of the upper-range flowrate: 100, 90, ... 10
  bool filled = false;    // false: only the reading is shown
  Real qLinear = 0;       // row 2, display flow unit
  Real qExact = 0;        // row 3, display flow unit
  Real difference = 0;    // row 4 = row 2 - row 3
  Real dp = 0;            // row 5, display DELTA p unit
  Real pressureLoss = 0;  // row 6, display DELTA p unit
  Real relativeUncertainty = 0;  // row 7, % of q
  Real absoluteUncertainty = 0;  // row 8, display flow unit
  int flowDecimals = 0;   // decimals of rows 2-4 (the size rule on qExact)
  SolverStatus status = SolverStatus::Ok;
};

struct RangeTable {
  bool english = true;
  std::array<std::string, 8> headings;  // rows 1..8
  std::array<std::string, 8> units;     // unit cells of rows 1..8
  std::array<RangeColumn, 10> columns;  // 100 % first
  Real q100 = 0;   // upper range (or given/computed) flowrate, display unit
  Real qMin = 0;   // lower range flowrate, display unit
  Real K = 0;      // square-root constant: flow per sqrt(DELTA p), display units
  bool failed = false;  // no square-root constant, or a solver gave no solution
  // false: the results are outside the standard (a warning flag is set);
  // rows 7 and 8 read "NOT KNOWN" / "NIE ZNANA" and hold no numbers.
  bool uncertaintyKnown = true;
  std::string notKnownText() const;

  int filledColumns() const;
  // Text of a cell: row 1 readings ("100" ... " 10"), rows 2..8 the numbers of
  // filled columns ("" in empty ones).  column 0 is the 100 % reading.
  std::string cell(int row, int column) const;
};

// Decimals of rows 2 to 4 from the exact flowrate: above 10000 none, above
// 1000 one, above 200 two, above 10 three, otherwise four.
int rangeFlowDecimals(Real qExact);

// Linear-scale flowrates of the data columns: from q = 1.1 q100 step down by
// q100/10; a q below q(min) ends the list, and so does the first q at or
// below q(min) after it is taken.  At most ten (100 % ... 10 %).
std::vector<Real> rangeColumnFlows(Real q100, Real qMin);

// Computes the table of the finished case.  `rangeMode` is set on the case
// while the solvers run and the case is left exactly as it was.
RangeTable computeRangeTable(CalculationCase& c, bool english);

// The table as plain text: one line per row (number, heading, unit, the ten
// cells as printed), for a terminal.
std::string rangeTableText(const RangeTable& table);

// The table's values as one JSON object: q100, qMin, K, the unit texts, a
// failure flag and the filled columns with every value in full precision
// (shortest round-trip digits; null for a value that is not finite), and
// "conforming": false when the uncertainty is not known (rows 7 and 8 null).
std::string rangeTableJson(const RangeTable& table);

// Paints a computed table with its top-left corner at (left, top), h high and
// w wide.  `printing`: font h/25 (paper and page bitmaps), else a fixed 12
// pixels (a window).
void drawRangeTable(QPainter& painter, const RangeTable& table, int left, int top, bool printing,
                    int h, int w);

}  // namespace dorvel::output
