#include "output/uncertainty_graphs.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "calc/loss_uncertainty.h"
#include "calc/solvers.h"
#include "output/page_draw.h"
#include "output/page_output.h"
#include "output/range_sweep.h"
#include "output/report_texts.h"

namespace dorvel::output {

namespace {

int roundToInt(long double x) { return static_cast<int>(std::lround(static_cast<double>(x))); }

constexpr int kSteps = 100;

}  // namespace

Real GraphData::envelope(GraphKind kind, size_t i) const {
  const GraphPoint& p = points[i];
  return kind == GraphKind::Absolute ? p.uncertainty * p.q / q100 : p.uncertainty;
}

Real GraphData::error(GraphKind kind, size_t i) const {
  const GraphPoint& p = points[i];
  return kind == GraphKind::Absolute ? p.errorOfQ100 : p.errorOfQ;
}

GraphData computeGraphData(CalculationCase& c) {
  GraphData d;
  d.q100 = c.flowrateInput;
  d.qMin = lowerRangeFlowrateOf(c);
  d.u100 = c.flowUncertainty;
  d.K = c.flowrateInput / std::sqrt(c.dpInput);
  d.flowUnit = c.flowUnit;
  d.flowUnitText = rangeFlowUnitText(c.flowUnit, c.refTemperature);

  const Real massFlow100 = c.massFlowKgH;
  const Real dp100 = c.dpMmH2O;
  const Real beta = c.beta;
  const bool mmH2O = c.dpUnit == 1;
  if (!(std::isfinite(d.q100) && d.q100 > 0 && std::isfinite(d.qMin) && d.qMin >= 0 &&
        d.qMin <= d.q100 && std::isfinite(d.K) && d.K > 0 && std::isfinite(massFlow100) &&
        massFlow100 > 0 && std::isfinite(dp100) && dp100 > 0)) {
    d.failed = true;
    return d;
  }

  RangeSweepScope scope(c);
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);
  auto pointAt = [&](Real q, bool atQ100) {
    GraphPoint p;
    p.q = q;
    const Real ratio = q / d.q100;
    const SolveResult r = solveDifferentialPressure(device, fluid, task, massFlow100 * ratio, beta);
    if (r.status == SolverStatus::NoSolution) return p;
    p.dp = mmH2O ? r.value : r.dpKPa;
    if (atQ100) {
      p.uncertainty = d.u100;
    } else {
      // The uncertainty routine reads the expansibility of this reading.
      c.expansibility = r.expansibility;
      const FlowUncertainty u = flowUncertaintyOf(c, ratio * ratio * dp100, r.coefficients.uC);
      if (!u.valid) return p;
      p.uncertainty = u.flow;
    }
    const Real qLinear = d.K * std::sqrt(p.dp);
    p.errorOfQ100 = (qLinear - q) / d.q100 * 100;
    p.errorOfQ = (qLinear - q) / q * 100;
    p.valid = std::isfinite(p.uncertainty) && std::isfinite(p.errorOfQ100) &&
              std::isfinite(p.errorOfQ);
    return p;
  };

  d.points.reserve(kSteps + 1);
  d.points.push_back(pointAt(d.q100, true));
  const Real step = (d.q100 - d.qMin) / kSteps;
  for (int i = 1; i <= kSteps; ++i) {
    // The last of the 100 steps lands on q(min) exactly.
    Real q = i == kSteps ? d.qMin : d.q100 - step * i;
    if (q < d.qMin) q = d.qMin;
    d.points.push_back(pointAt(q, false));
    if (q <= d.qMin) break;
  }
  return d;
}

GraphLayout layoutGraph(const GraphData& data, GraphKind kind, int h, int w) {
  GraphLayout L;
  L.kind = kind;
  L.w = w;
  L.h = h;
  L.u = h / 8.0;
  L.yc = roundToInt(h / 2.0L);
  L.x0 = kind == GraphKind::Absolute ? roundToInt(w / 10.0L + w / 60.0L + w / 120.0L)
                                     : roundToInt(w / 10.0L + w / 60.0L);
  const bool usable = std::isfinite(data.q100) && data.q100 > 0;
  L.sx = usable ? static_cast<double>(0.65L * w / data.q100) : 0.0;
  auto xOf = [&](Real q) { return L.x0 + roundToInt(static_cast<long double>(L.sx) * q); };
  L.xq100 = usable ? xOf(data.q100) : L.x0;
  L.xqmin = (usable && std::isfinite(data.qMin)) ? xOf(data.qMin) : L.xq100;
  L.yaxis = L.yc + roundToInt(2 * L.u) + roundToInt(L.u / 2);
  L.axisRight = roundToInt(0.975L * w);
  L.axisTop = roundToInt(0.13L * h);

  // Ticks at 10 % ... 100 % of q100.
  for (int k = 1; k <= 10; ++k) {
    L.tickX.push_back(k == 10 ? L.xq100 : xOf(data.q100 * k / 10));
    L.tickLabels.push_back(std::to_string(10 * k));
  }
  // Grid levels in units u from the centre line, positive upwards.
  const int decimals = data.q100 / 200 >= 1 ? 1 : 2;
  static constexpr double kLevels[] = {0, 0.5, 1.0, 1.5, 2.0, -0.5, -1.0, -1.5, -2.0};
  static constexpr const char* kRelativeLabels[] = {"0",    "+0.5", "+1.0", "+1.5", "+2.0",
                                                    "-0.5", "-1.0", "-1.5", "-2.0"};
  for (size_t i = 0; i < std::size(kLevels); ++i) {
    L.gridY.push_back(L.yc - roundToInt(kLevels[i] * L.u));
    if (kind == GraphKind::Absolute)
      L.gridLabels.push_back(
          formatFixed(static_cast<Real>(kLevels[i]) * data.q100 / 100, 4, decimals));
    else
      L.gridLabels.push_back(kRelativeLabels[i]);
  }
  L.q100Text = formatFixed(data.q100, 4, decimals);
  L.qMinText = formatFixed(data.qMin, 4, 2);
  L.unitText = data.flowUnitText;
  L.axisUnitText = kind == GraphKind::Absolute ? "[" + data.flowUnitText + "]" : "[%]";
  if (data.failed || data.points.empty()) return L;

  auto inside = [&](int y) { return y > 0 && y < h; };
  auto clampY = [&](int y) { return std::clamp(y, 0, h); };

  // Envelope.
  int previous = -1;
  for (size_t i = 0; i < data.points.size(); ++i) {
    const GraphPoint& p = data.points[i];
    if (!p.valid) {
      L.upper.push_back({});
      L.lower.push_back({});
      previous = -1;
      continue;
    }
    const int half = roundToInt(L.u * data.envelope(kind, i));
    const QPoint up(xOf(p.q), L.yc - half), low(xOf(p.q), L.yc + half);
    L.upper.push_back(up);
    L.lower.push_back(low);
    if (previous >= 0) {
      const QPoint& pu = L.upper[static_cast<size_t>(previous)];
      const QPoint& pl = L.lower[static_cast<size_t>(previous)];
      if (inside(pu.y()) && inside(up.y())) L.envelopeSegments.push_back({pu, up});
      if (inside(pl.y()) && inside(low.y())) L.envelopeSegments.push_back({pl, low});
    }
    previous = static_cast<int>(i);
  }
  int first = -1, last = -1;
  for (size_t i = 0; i < data.points.size(); ++i)
    if (data.points[i].valid) {
      if (first < 0) first = static_cast<int>(i);
      last = static_cast<int>(i);
    }
  if (first >= 0) {
    const QPoint& fu = L.upper[static_cast<size_t>(first)];
    const QPoint& fl = L.lower[static_cast<size_t>(first)];
    L.startEdge = {QPoint(fu.x(), clampY(fu.y())), QPoint(fl.x(), clampY(fl.y()))};
    const QPoint& lu = L.upper[static_cast<size_t>(last)];
    const QPoint& ll = L.lower[static_cast<size_t>(last)];
    L.endEdge = {QPoint(lu.x(), clampY(lu.y())), QPoint(ll.x(), clampY(ll.y()))};
    for (size_t i = 0; i < data.points.size(); ++i)
      if (data.points[i].valid) L.fill << QPoint(L.upper[i].x(), clampY(L.upper[i].y()));
    for (size_t i = data.points.size(); i-- > 0;)
      if (data.points[i].valid) L.fill << QPoint(L.lower[i].x(), clampY(L.lower[i].y()));
  }

  // Bias "linear scale" error curve.
  previous = -1;
  for (size_t i = 0; i < data.points.size(); ++i) {
    const GraphPoint& p = data.points[i];
    if (!p.valid) {
      L.errorPoints.push_back({});
      previous = -1;
      continue;
    }
    const QPoint e(xOf(p.q), clampY(L.yc - roundToInt(L.u * data.error(kind, i))));
    L.errorPoints.push_back(e);
    if (previous >= 0) {
      const QPoint& pe = L.errorPoints[static_cast<size_t>(previous)];
      if (inside(pe.y()) && inside(e.y())) L.errorSegments.push_back({pe, e});
    }
    previous = static_cast<int>(i);
  }

  if (data.points.size() > 20 && data.points[20].valid && data.points[10].valid) {
    L.hasMarkers = true;
    L.marker1 = L.upper[20];
    L.marker2 = L.errorPoints[10];
    L.marker2Side = data.error(kind, 10) >= 0 ? 1 : -1;
  }
  return L;
}

void drawGraph(QPainter& painter, const GraphLayout& L, int left, int top, bool printing) {
  ensureGuiApplication();
  painter.save();
  painter.translate(left, top);
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  const int w = L.w, h = L.h;
  const int frameWidth = w > 600 ? 3 : 1;

  // Grey inside of the envelope (screen only), under everything else.
  if (!printing && L.fill.size() >= 3) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPolygon(L.fill);
    painter.setBrush(Qt::NoBrush);
  }

  // The frame around the whole graph area lies inside the w x h area: a
  // rectangle of width w - 1 covers the pixel columns 0 to w - 1, and a wide
  // pen is moved inwards by half its width.
  painter.setPen(QPen(Qt::black, frameWidth));
  const int inset = frameWidth / 2;
  painter.drawRect(inset, inset, w - 1 - 2 * inset, h - 1 - 2 * inset);

  // Envelope.
  painter.setPen(QPen(Qt::black, 1));
  for (const GraphSegment& s : L.envelopeSegments) painter.drawLine(s.a, s.b);
  if (!L.fill.isEmpty()) {
    painter.drawLine(L.startEdge.a, L.startEdge.b);
    painter.drawLine(L.endEdge.a, L.endEdge.b);
  }

  // Axes with arrowheads.
  const int barb = h / 25, spread = h / 120;
  painter.drawLine(L.x0, L.yaxis, L.axisRight, L.yaxis);
  if (L.axisRight - L.x0 >= barb) {
    painter.drawLine(L.axisRight, L.yaxis, L.axisRight - barb, L.yaxis - spread);
    painter.drawLine(L.axisRight, L.yaxis, L.axisRight - barb, L.yaxis + spread);
  }
  painter.drawLine(L.x0, L.yaxis, L.x0, L.axisTop);
  if (L.yaxis - L.axisTop >= barb) {
    painter.drawLine(L.x0, L.axisTop, L.x0 - spread, L.axisTop + barb);
    painter.drawLine(L.x0, L.axisTop, L.x0 + spread, L.axisTop + barb);
  }

  // Labels in "Arial" 8 pt.
  QFont font;
  font.setFamilies(pageFontFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  painter.setFont(font);
  const QFontMetrics fm = painter.fontMetrics();
  const int zeroHeight = fm.tightBoundingRect(QStringLiteral("0")).height();
  const int gap = std::max(2, zeroHeight / 4);
  auto textAt = [&](const std::string& s, int x, int baseline) {
    painter.drawText(QPoint(x, baseline), qs(s));
  };
  auto widthOf = [&](const std::string& s) { return fm.horizontalAdvance(qs(s)); };

  for (size_t k = 0; k < L.tickX.size(); ++k) {
    const int x = L.tickX[k];
    painter.drawLine(x, L.yaxis - zeroHeight / 10 - 1, x, L.yaxis + zeroHeight / 10 + 1);
    textAt(L.tickLabels[k], x - widthOf(L.tickLabels[k]) / 2, L.yaxis - gap);
  }
  const std::string qmax = "% qmax";
  textAt(qmax, L.axisRight - widthOf(qmax), L.yaxis - gap - fm.height());
  const int below = L.yaxis + w / 60 + fm.ascent();
  textAt(L.q100Text + "  " + L.unitText, L.xq100 - widthOf(L.q100Text) / 2, below);
  if (L.xqmin != L.xq100) textAt(L.qMinText, L.xqmin - widthOf(L.qMinText) / 2, below);
  textAt(L.axisUnitText, L.x0 - gap - widthOf(L.axisUnitText), L.axisTop - gap);

  // Dotted grid marks with their labels left of the vertical axis.
  QPen dotted(Qt::black, 1, Qt::DotLine);
  for (size_t i = 0; i < L.gridY.size(); ++i) {
    const int y = L.gridY[i];
    if (i > 0) {
      painter.setPen(dotted);
      painter.drawLine(L.x0, y, L.xq100, y);
    }
    painter.setPen(QPen(Qt::black, 1));
    textAt(L.gridLabels[i], L.x0 - gap - widthOf(L.gridLabels[i]), y - 1);
  }
  painter.setPen(QPen(Qt::black, w > 600 ? 2 : 1));
  painter.drawLine(L.x0, L.yc, L.xq100, L.yc);

  // Bias "linear scale" error curve.
  painter.setPen(QPen(printing ? Qt::black : Qt::red, 1));
  for (const GraphSegment& s : L.errorSegments) painter.drawLine(s.a, s.b);

  if (printing && L.hasMarkers) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(pageFont(h / 20, true));
    const QFontMetrics mf = painter.fontMetrics();
    // "1" above and left of the upper envelope, "2" beside the error curve on
    // the side of its sign.
    const int m1x = L.marker1.x() - mf.horizontalAdvance(QStringLiteral("1")) / 2;
    const int m1y = std::clamp(L.marker1.y() - gap, mf.ascent(), h - gap);
    painter.drawText(QPoint(m1x, m1y), QStringLiteral("1"));
    const int m2x = L.marker2.x() - mf.horizontalAdvance(QStringLiteral("2")) / 2;
    int m2y = L.marker2Side > 0 ? L.marker2.y() - gap : L.marker2.y() + gap + mf.ascent();
    m2y = std::clamp(m2y, mf.ascent(), h - gap);
    painter.drawText(QPoint(m2x, m2y), QStringLiteral("2"));
  }
  painter.restore();
}

}  // namespace dorvel::output
