#include "output/range_table.h"

#include <QFontMetrics>
#include <QPen>

#include <cmath>
#include <limits>

#include "calc/format.h"
#include "calc/loss_uncertainty.h"
#include "calc/solvers.h"
#include "output/page_draw.h"
#include "output/range_sweep.h"
#include "output/report_texts.h"

namespace dorvel::output {

Real lowerRangeFlowrateOf(const CalculationCase& c) {
  const Real ratio = c.reynoldsMin / c.reynolds;
  if (!(c.reynolds > 0) || !std::isfinite(ratio)) return std::numeric_limits<Real>::quiet_NaN();
  return ratio * c.flowrateInput;
}

int rangeFlowDecimals(Real qExact) {
  if (qExact > 10000) return 0;
  if (qExact > 1000) return 1;
  if (qExact > 200) return 2;
  if (qExact > 10) return 3;
  return 4;
}

int RangeTable::filledColumns() const {
  int n = 0;
  for (const RangeColumn& col : columns)
    if (col.filled) ++n;
  return n;
}

std::string RangeTable::cell(int row, int column) const {
  if (row < 1 || row > 8 || column < 0 || column > 9) return {};
  const RangeColumn& col = columns[static_cast<size_t>(column)];
  if (row == 1) return formatFixed(col.reading, 3, 0);
  if (!col.filled) return {};
  switch (row) {
    case 2: return formatFixed(col.qLinear, 6, col.flowDecimals);
    case 3: return formatFixed(col.qExact, 6, col.flowDecimals);
    case 4: return formatFixed(col.difference, 6, col.flowDecimals);
    case 5: return formatFixed(col.dp, 6, 3);
    case 6: return formatFixed(col.pressureLoss, 6, 3);
    case 7: return formatFixed(col.relativeUncertainty, 6, 3);
    default: return formatFixed(col.absoluteUncertainty, 6, 3);
  }
}

namespace {

void setTexts(RangeTable& t, const CalculationCase& c) {
  const bool en = t.english;
  t.headings = en ? std::array<std::string, 8>{"Reading", "Linear scale", "Exact value q",
                                               "Difference (2-3)", "DELTA p", "Pressure loss",
                                               "Relative uncertainty", "Absolute uncertainty"}
                  : std::array<std::string, 8>{"Punkt na skali", "Skala liniowa",
                                               "Dokładna wartość q", "Różnica (2-3)", "DELTA p",
                                               "Strata ciśnienia", "Niepewność", "Niepewność"};
  const std::string q = rangeFlowUnitText(c.flowUnit, c.refTemperature);
  const std::string dp = c.dpUnit == 1 ? "mmH2O" : "kPa";
  t.units = {"%qmax", q, q, q, dp, dp, "%q", q};
}

}  // namespace

RangeTable computeRangeTable(CalculationCase& c, bool english) {
  RangeTable t;
  t.english = english;
  setTexts(t, c);
  for (size_t i = 0; i < t.columns.size(); ++i) t.columns[i].reading = 100 - 10 * static_cast<int>(i);

  // Everything the sweep needs from the finished calculation, read before the
  // solvers overwrite the case's results.
  const Real q100 = c.flowrateInput;
  const Real qMin = lowerRangeFlowrateOf(c);
  const Real beta = c.beta;
  const Real lossRatio = pressureLossOf(c, c.dischargeCoefficient, c.beta);
  const Real flowFactor = c.flowUnitFactor;
  const Real dpFactor = c.dpUnitFactor;
  const Real p1 = c.pressureAt, kappa = c.isentropicExponent, mu = c.viscosityTech;
  const Real D = c.pipeDiameter, rho = c.density;
  t.q100 = q100;
  t.qMin = qMin;

  RangeSweepScope scope(c);

  // Square-root constant K, flow per sqrt(DELTA p) in display units.
  if (c.task == TaskDiameter) {
    const Real qNom = c.nominalFlowrate;
    SolveResult r = solveDifferentialPressure(c, qNom / flowFactor, beta);
    const Real dpNom = c.dpUnit == 1 ? c.dpMmH2O : c.dpKPa;
    if (r.status != SolverStatus::NoSolution) t.K = qNom / std::sqrt(dpNom);
  } else {
    t.K = q100 / std::sqrt(c.dpInput);
  }
  if (!(std::isfinite(q100) && q100 > 0 && std::isfinite(qMin) && std::isfinite(t.K) &&
        t.K > 0 && dpFactor > 0 && flowFactor > 0)) {
    t.failed = true;
    return t;
  }

  // Columns from 100 % down, stopping below q(min).
  Real q = 1.1L * q100;
  const Real step = q100 / 10;
  for (RangeColumn& col : t.columns) {
    q = q - step;
    if (q < qMin) break;
    col.qLinear = q;
    col.dp = (q / t.K) * (q / t.K);
    SolveResult r = solveFlowrate(c, col.dp / dpFactor, beta, p1, kappa, mu, D, rho);
    col.status = r.status;
    if (r.status == SolverStatus::NoSolution) {
      t.failed = true;
      break;
    }
    col.qExact = r.value * flowFactor;
    col.difference = q - col.qExact;
    col.pressureLoss = lossRatio * col.dp;
    const FlowUncertainty u = flowUncertaintyOf(c, col.dp / dpFactor, c.cUncertainty);
    col.relativeUncertainty = u.flow;
    col.absoluteUncertainty = u.flow * col.qExact / 100;
    col.flowDecimals = rangeFlowDecimals(col.qExact);
    col.filled = true;
    if (q <= qMin) break;
  }
  return t;
}

void drawRangeTable(QPainter& painter, const RangeTable& table, int left, int top, bool printing,
                    int h, int w) {
  painter.save();
  painter.translate(left, top);
  painter.setFont(printing ? pageFont(h / 25) : pageFont(12));
  painter.setBrush(Qt::NoBrush);

  const int rowHeight = h / 8;
  const int c = w / 40;
  auto cellRect = [&](int row, int x, int width) {
    return QRect(x, (row - 1) * rowHeight, width, rowHeight);
  };
  auto put = [&](const QRect& r, int align, const std::string& s) {
    if (!s.empty()) painter.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine, qs(s));
  };

  painter.setPen(QPen(Qt::black, 2));
  painter.drawRect(0, 0, w, h);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(c, 0, w / 4 - c, h);

  // Data columns, 100 % at the right edge; then the readings row.
  for (int col = 0; col < 10; ++col) {
    const int x = w - 3 * c * (col + 1);
    for (int row = 2; row <= 8; ++row) put(cellRect(row, x, 3 * c), Qt::AlignHCenter, table.cell(row, col));
  }
  for (int col = 0; col < 10; ++col)
    put(cellRect(1, w - 3 * c * (col + 1), 3 * c), Qt::AlignHCenter, table.cell(1, col));
  // Unit cells, row numbers, headings.
  const int unitRight = 2 * c + w / 5 - 1;
  for (int row = 1; row <= 8; ++row)
    put(cellRect(row, c, unitRight - c), Qt::AlignRight, table.units[static_cast<size_t>(row - 1)]);
  for (int row = 1; row <= 8; ++row) put(cellRect(row, 0, c), Qt::AlignHCenter, std::to_string(row));
  const int headingLeft = c + 4 * (w / 400);
  const int headingWidth = w / 5 + 6 * (w / 400);
  for (int row = 1; row <= 8; ++row)
    put(cellRect(row, headingLeft, headingWidth), Qt::AlignLeft,
        table.headings[static_cast<size_t>(row - 1)]);
  painter.restore();
}

}  // namespace dorvel::output
