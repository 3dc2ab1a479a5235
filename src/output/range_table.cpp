#include "output/range_table.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/format.h"
#include "calc/loss_uncertainty.h"
#include "calc/solvers.h"
#include "output/page_draw.h"
#include "output/page_output.h"
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

std::vector<Real> rangeColumnFlows(Real q100, Real qMin) {
  std::vector<Real> flows;
  Real q = 1.1L * q100;
  const Real step = q100 / 10;
  for (int i = 0; i < 10; ++i) {
    q = q - step;
    if (q < qMin) break;
    flows.push_back(q);
    if (q <= qMin) break;
  }
  return flows;
}

std::string RangeTable::notKnownText() const { return english ? "NOT KNOWN" : "NIE ZNANA"; }

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
  if ((row == 7 || row == 8) && !uncertaintyKnown) return {};
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
  const std::string q = rangeFlowUnitText(c.flowUnit, c.refTemperature, c.refPressure);
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
  const Real lossRatio = pressureLossOf(c.deviceType, c.pipeDiameter20, c.dischargeCoefficient,
                                       c.beta);
  const Real flowFactor = c.flowUnitFactor;
  const Real dpFactor = c.dpUnitFactor;
  // The 100 % reading is the main result: its uncertainty is the report's.
  const Real u100 = c.flowUncertainty;
  t.q100 = q100;
  t.qMin = qMin;
  // Results outside the standard have no known uncertainty, at any reading.
  t.uncertaintyKnown = !c.hasWarnings();

  RangeSweepScope scope(c);
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);

  // Square-root constant K, flow per sqrt(DELTA p) in display units.
  if (c.task == TaskDiameter) {
    const Real qNom = c.nominalFlowrate;
    const SolveResult r = solveDifferentialPressure(device, fluid, task, qNom / flowFactor, beta);
    const Real dpNom = c.dpUnit == 1 ? r.value : r.dpKPa;
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
  const std::vector<Real> flows = rangeColumnFlows(q100, qMin);
  for (size_t i = 0; i < flows.size(); ++i) {
    RangeColumn& col = t.columns[i];
    const Real q = flows[i];
    col.qLinear = q;
    col.dp = (q / t.K) * (q / t.K);
    const SolveResult r = solveFlowrate(device, fluid, task, col.dp / dpFactor, beta);
    col.status = r.status;
    // A coefficient outside (0, 1] is no reading either.
    if (r.status == SolverStatus::NoSolution ||
        !(r.coefficients.C > 0 && r.coefficients.C <= 1)) {
      t.failed = true;
      break;
    }
    col.qExact = r.value * flowFactor;
    col.difference = q - col.qExact;
    col.pressureLoss = lossRatio * col.dp;
    // The same budget as the main result: the equation's u(C) and the
    // expansibility that the flowrate solver gave for this reading, the
    // drain-hole increment and every declared source.
    c.expansibility = r.expansibility;
    if (t.uncertaintyKnown) {
      const Real u = i == 0 ? u100
                            : flowUncertaintyOf(uncertaintyInputsOf(c, col.dp / dpFactor,
                                                                    r.coefficients.uC))
                                  .total;
      col.relativeUncertainty = u;
      col.absoluteUncertainty = u * col.qExact / 100;
    } else {
      col.relativeUncertainty = col.absoluteUncertainty = std::numeric_limits<Real>::quiet_NaN();
    }
    col.flowDecimals = rangeFlowDecimals(col.qExact);
    col.filled = true;
  }
  return t;
}

namespace {

// Characters of a UTF-8 text (for padding columns of the text table).
size_t textWidth(const std::string& s) {
  size_t n = 0;
  for (unsigned char ch : s)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

std::string padRight(const std::string& s, size_t width) {
  const size_t n = textWidth(s);
  return n >= width ? s : s + std::string(width - n, ' ');
}

std::string padLeft(const std::string& s, size_t width) {
  const size_t n = textWidth(s);
  return n >= width ? s : std::string(width - n, ' ') + s;
}

std::string jsonNumberOf(Real x) { return std::isfinite(x) ? formatRoundTrip(x) : "null"; }

std::string jsonStringOf(const std::string& s) {
  std::string out = "\"";
  for (unsigned char ch : s) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", ch);
      out += buf;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "\"";
}

}  // namespace

std::string rangeTableText(const RangeTable& table) {
  std::string out;
  for (int row = 1; row <= 8; ++row) {
    std::string line = std::to_string(row) + "  " +
                       padRight(table.headings[static_cast<size_t>(row - 1)], 22) +
                       padLeft(table.units[static_cast<size_t>(row - 1)], 6);
    if ((row == 7 || row == 8) && !table.uncertaintyKnown && table.filledColumns() > 0)
      line += "  " + table.notKnownText();
    else
      for (int col = 0; col < 10; ++col) line += padLeft(table.cell(row, col), 10);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

std::string rangeTableJson(const RangeTable& t) {
  std::string out = "{";
  out += "\"q100\":" + jsonNumberOf(t.q100);
  out += ",\"qMin\":" + jsonNumberOf(t.qMin);
  out += ",\"K\":" + jsonNumberOf(t.K);
  out += ",\"flowUnit\":" + jsonStringOf(t.units[1]);
  out += ",\"dpUnit\":" + jsonStringOf(t.units[4]);
  out += std::string(",\"failed\":") + (t.failed ? "true" : "false");
  out += std::string(",\"conforming\":") + (t.uncertaintyKnown ? "true" : "false");
  out += ",\"columns\":[";
  bool first = true;
  for (const RangeColumn& col : t.columns) {
    if (!col.filled) continue;
    if (!first) out += ",";
    first = false;
    out += "{\"reading\":" + std::to_string(col.reading);
    out += ",\"qLinear\":" + jsonNumberOf(col.qLinear);
    out += ",\"qExact\":" + jsonNumberOf(col.qExact);
    out += ",\"difference\":" + jsonNumberOf(col.difference);
    out += ",\"dp\":" + jsonNumberOf(col.dp);
    out += ",\"pressureLoss\":" + jsonNumberOf(col.pressureLoss);
    out += ",\"relativeUncertainty\":" + jsonNumberOf(col.relativeUncertainty);
    out += ",\"absoluteUncertainty\":" + jsonNumberOf(col.absoluteUncertainty);
    out += ",\"flowDecimals\":" + std::to_string(col.flowDecimals);
    out += ",\"status\":" + std::to_string(static_cast<int>(col.status)) + "}";
  }
  out += "]}";
  return out;
}

namespace {

// Pixel size of the table font: the cell height of the page (h/25 on paper
// and page bitmaps, 12 pixels in a window), made smaller when a number would
// run over its column or a heading into its unit.
QFont tableFont(const RangeTable& table, bool printing, int h, int w, int inset) {
  QFont font = printing ? pageFont(h / 25) : pageFont(12);
  const QFontMetrics fm(font);
  const int c = w / 40;
  double scale = 1.0;
  // Numbers keep a fifth of a unit clear of the column edges.
  const int pad = std::max(inset, c / 5);
  for (int row = 1; row <= 8; ++row)
    for (int col = 0; col < 10; ++col) {
      const int need = fm.horizontalAdvance(qs(table.cell(row, col))) + 2 * pad;
      if (need > 3 * c) scale = std::min(scale, double(3 * c) / need);
    }
  const int headingLeft = c + 4 * (w / 400);
  const int unitRight = 2 * c + w / 5 - 1 - inset;
  for (size_t row = 0; row < 8; ++row) {
    const int need = fm.horizontalAdvance(qs(table.headings[row] + "  " + table.units[row]));
    if (need > unitRight - headingLeft) scale = std::min(scale, double(unitRight - headingLeft) / need);
  }
  if (scale < 1.0) font.setPixelSize(std::max(1, int(font.pixelSize() * scale)));
  return font;
}

}  // namespace

void drawRangeTable(QPainter& painter, const RangeTable& table, int left, int top, bool printing,
                    int h, int w) {
  ensureGuiApplication();
  painter.save();
  painter.translate(left, top);
  const int inset = std::max(2, w / 400);
  painter.setFont(tableFont(table, printing, h, w, inset));
  painter.setBrush(Qt::NoBrush);

  const int rowHeight = h / 8;
  const int c = w / 40;
  auto cellRect = [&](int row, int x, int width) {
    return QRect(x, (row - 1) * rowHeight, width, rowHeight);
  };
  // Numbers are written fixed-width with leading blanks; a blank is
  // narrower than a digit, so the blanks are left out before a number is
  // centred, or it would sit off the middle of its cell.
  auto put = [&](const QRect& r, int align, const std::string& s) {
    const QString text = qs(s).trimmed();
    if (!text.isEmpty()) painter.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine, text);
  };

  painter.setPen(QPen(Qt::black, 2));
  painter.drawRect(0, 0, w, h);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(c, 0, w / 4 - c, h);

  // Data columns, 100 % at the right edge; then the readings row.
  for (int col = 0; col < 10; ++col) {
    const int x = w - 3 * c * (col + 1);
    for (int row = 2; row <= 8; ++row)
      put(cellRect(row, x, 3 * c), Qt::AlignHCenter, table.cell(row, col));
  }
  for (int col = 0; col < 10; ++col)
    put(cellRect(1, w - 3 * c * (col + 1), 3 * c), Qt::AlignHCenter, table.cell(1, col));
  // Not known: one text across the filled columns of rows 7 and 8.
  if (!table.uncertaintyKnown && table.filledColumns() > 0) {
    const int n = table.filledColumns();
    for (int row = 7; row <= 8; ++row)
      put(cellRect(row, w - 3 * c * n, 3 * c * n), Qt::AlignHCenter, table.notKnownText());
  }
  // Unit cells (kept clear of the rule at their right), row numbers, headings.
  const int unitRight = 2 * c + w / 5 - 1;
  for (int row = 1; row <= 8; ++row)
    put(cellRect(row, c, unitRight - c - inset), Qt::AlignRight,
        table.units[static_cast<size_t>(row - 1)]);
  for (int row = 1; row <= 8; ++row)
    put(cellRect(row, 0, c), Qt::AlignHCenter, std::to_string(row));
  const int headingLeft = c + 4 * (w / 400);
  const int headingWidth = w / 5 + 6 * (w / 400);
  for (int row = 1; row <= 8; ++row)
    put(cellRect(row, headingLeft, headingWidth), Qt::AlignLeft,
        table.headings[static_cast<size_t>(row - 1)]);
  painter.restore();
}

}  // namespace dorvel::output
