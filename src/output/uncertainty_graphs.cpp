#include "output/uncertainty_graphs.h"

#include <QFontMetrics>
#include <QLineF>
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

int scaleLabelDecimals(Real q100, int decimals) {
  if (!std::isfinite(q100) || q100 <= 0) return decimals;
  // The labels q100/200, q100/100, 3 q100/200, q100/50 and their negatives:
  // as many decimals as make them differ from each other and from zero.
  for (int d = decimals; d < 9; ++d) {
    // The negative labels mirror the positive ones.
    std::vector<std::string> labels{formatFixed(0, 1, d)};
    for (int k = 1; k <= 4; ++k) labels.push_back(formatFixed(k * q100 / 200, 1, d));
    std::sort(labels.begin(), labels.end());
    if (std::adjacent_find(labels.begin(), labels.end()) == labels.end()) return d;
  }
  return 9;
}

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
  d.flowUnitText = rangeFlowUnitText(c.flowUnit, c.refTemperature, c.refPressure);
  // Results outside the standard have no known uncertainty: no envelope.
  d.uncertaintyKnown = !c.hasWarnings();

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
    if (r.status == SolverStatus::NoSolution ||
        !(r.coefficients.C > 0 && r.coefficients.C <= 1))
      return p;
    p.dp = mmH2O ? r.value : r.dpKPa;
    if (atQ100) {
      p.uncertainty = d.u100;
    } else {
      // The same budget as the main result, with the equation's u(C) and
      // the expansibility of this reading.
      c.expansibility = r.expansibility;
      const UncertaintyBudget u =
          flowUncertaintyOf(uncertaintyInputsOf(c, ratio * ratio * dp100, r.coefficients.uC));
      if (!u.valid) return p;
      p.uncertainty = u.total;
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
  const int gridDecimals = scaleLabelDecimals(data.q100, decimals);
  static constexpr double kLevels[] = {0, 0.5, 1.0, 1.5, 2.0, -0.5, -1.0, -1.5, -2.0};
  static constexpr const char* kRelativeLabels[] = {"0",    "+0.5", "+1.0", "+1.5", "+2.0",
                                                    "-0.5", "-1.0", "-1.5", "-2.0"};
  for (size_t i = 0; i < std::size(kLevels); ++i) {
    L.gridY.push_back(L.yc - roundToInt(kLevels[i] * L.u));
    if (kind == GraphKind::Absolute)
      L.gridLabels.push_back(
          formatFixed(static_cast<Real>(kLevels[i]) * data.q100 / 100, 4, gridDecimals));
    else
      L.gridLabels.push_back(kRelativeLabels[i]);
  }
  L.q100Text = formatFixed(data.q100, 4, decimals);
  // q(min) with two decimals, more when they would show a flowrate above
  // zero as 0.00.
  int qMinDecimals = 2;
  while (qMinDecimals < 6 && data.qMin > 0 && std::isfinite(data.qMin) &&
         formatFixed(data.qMin, 1, qMinDecimals).find_first_of("123456789") == std::string::npos)
    ++qMinDecimals;
  L.qMinText = formatFixed(data.qMin, 4, qMinDecimals);
  L.unitText = data.flowUnitText;
  L.axisUnitText = kind == GraphKind::Absolute ? "[" + data.flowUnitText + "]" : "[%]";
  if (data.failed || data.points.empty()) return L;

  auto inside = [&](int y) { return y > 0 && y < h; };
  auto clampY = [&](int y) { return std::clamp(y, 0, h); };

  // Envelope, only where the uncertainty is known.
  int previous = -1;
  for (size_t i = 0; i < data.points.size() && data.uncertaintyKnown; ++i) {
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
  for (size_t i = 0; i < data.points.size() && data.uncertaintyKnown; ++i)
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
    L.hasEnvelopeMarker = data.uncertaintyKnown;
    if (L.hasEnvelopeMarker) L.marker1 = L.upper[20];
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
  // Curves at least 0.5 pt on paper (the printed graph is about 930 device
  // units of 1/300 inch wide), the grid thinner, grey and dashed so that it
  // is never taken for an envelope in black and white.
  const double curveWidth = std::max(1.0, w / 400.0);
  const double gridWidth = std::max(1.0, w / 1200.0);

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
  // Inner edge of the frame: texts keep clear of it.
  const int innerLeft = frameWidth + 1, innerRight = w - frameWidth - 1;

  // Labels in "Arial" 8 pt.
  QFont font;
  font.setFamilies(pageFontFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  painter.setFont(font);
  QFontMetrics fm = painter.fontMetrics();
  const int zeroHeight = fm.tightBoundingRect(QStringLiteral("0")).height();
  const int gap = std::max(2, zeroHeight / 4);

  // The scale labels left of the vertical axis and the unit above it must
  // fit between the frame and the axis: a smaller size when they do not.
  int widest = 0;
  for (const std::string& g : L.gridLabels) widest = std::max(widest, fm.horizontalAdvance(qs(g)));
  const int room = L.x0 - gap - innerLeft;
  if (widest > room && room > 0) {
    font.setPixelSize(std::max(1, fm.height() * room / widest * 3 / 4));
    painter.setFont(font);
    fm = painter.fontMetrics();
  }
  auto widthOf = [&](const std::string& s) { return fm.horizontalAdvance(qs(s)); };

  // Dashed grey grid marks first, under the curves.
  QPen grid(QColor(140, 140, 140), gridWidth, Qt::DashLine);
  painter.setPen(grid);
  for (size_t i = 1; i < L.gridY.size(); ++i) painter.drawLine(L.x0, L.gridY[i], L.xq100, L.gridY[i]);

  // Envelope.
  painter.setPen(QPen(Qt::black, curveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const GraphSegment& s : L.envelopeSegments) painter.drawLine(s.a, s.b);
  if (!L.fill.isEmpty()) {
    painter.drawLine(L.startEdge.a, L.startEdge.b);
    painter.drawLine(L.endEdge.a, L.endEdge.b);
  }

  // Bias "linear scale" error curve.
  painter.setPen(QPen(printing ? Qt::black : Qt::red, curveWidth, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  for (const GraphSegment& s : L.errorSegments) painter.drawLine(s.a, s.b);

  // Axes with arrowheads.
  painter.setPen(QPen(Qt::black, 1));
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
  painter.setPen(QPen(Qt::black, w > 600 ? 2 : 1));
  painter.drawLine(L.x0, L.yc, L.xq100, L.yc);
  painter.setPen(QPen(Qt::black, 1));

  // Texts: kept inside the frame; a text below the axis that a curve's edge
  // would cross stands on a white ground.  The rectangles taken are kept for
  // the markers.
  std::vector<QRect> taken;
  auto put = [&](const std::string& s, int x, int baseline, bool knockOut) {
    const int tw = widthOf(s);
    x = std::clamp(x, innerLeft, std::max(innerLeft, innerRight - tw));
    baseline = std::clamp(baseline, frameWidth + fm.ascent(), h - frameWidth - fm.descent() - 1);
    const QRect r(x, baseline - fm.ascent(), tw, fm.height());
    if (knockOut) painter.fillRect(r.adjusted(-1, 0, 1, 0), Qt::white);
    painter.drawText(QPoint(x, baseline), qs(s));
    taken.push_back(r);
  };

  for (size_t k = 0; k < L.tickX.size(); ++k) {
    const int x = L.tickX[k];
    painter.drawLine(x, L.yaxis - zeroHeight / 10 - 1, x, L.yaxis + zeroHeight / 10 + 1);
    put(L.tickLabels[k], x - widthOf(L.tickLabels[k]) / 2, L.yaxis - gap, true);
  }
  const std::string qmax = "% qmax";
  put(qmax, L.axisRight - widthOf(qmax), L.yaxis - gap - fm.height(), true);
  const int below = L.yaxis + w / 60 + fm.ascent();
  const std::string q100Label = L.q100Text + "  " + L.unitText;
  put(q100Label, L.xq100 - widthOf(L.q100Text) / 2, below, true);
  if (L.xqmin != L.xq100) {
    // Left of the q100 label when the two would run into each other.
    int x = L.xqmin - widthOf(L.qMinText) / 2;
    const int q100Left = taken.back().left();
    if (x + widthOf(L.qMinText) + gap > q100Left) x = q100Left - gap - widthOf(L.qMinText);
    put(L.qMinText, x, below, true);
  }
  // The axis unit right-aligned against the axis above its top, or beside
  // the axis when there is no room for it on the left.
  {
    int x = L.x0 - gap - widthOf(L.axisUnitText);
    if (x < innerLeft) x = L.x0 + spread + gap;
    put(L.axisUnitText, x, L.axisTop - gap, true);
  }
  for (size_t i = 0; i < L.gridY.size(); ++i)
    put(L.gridLabels[i], L.x0 - gap - widthOf(L.gridLabels[i]), L.gridY[i] - 1, false);

  if (printing && L.hasMarkers) {
    painter.setFont(pageFont(h / 20, true));
    const QFontMetrics mf = painter.fontMetrics();
    // Candidate places of a marker: beside its curve's points, first on the
    // side of the curve's sign at the usual step, then at other steps and on
    // the other side.  The first place inside the frame's plot area that
    // overlaps neither a label nor the other marker is taken.
    const QRect plot(L.x0 + gap, frameWidth + gap, innerRight - L.x0 - 2 * gap,
                     L.yaxis - frameWidth - 2 * gap);
    // A curve crossing a place: any envelope or error-curve segment, or the
    // envelope's vertical edges.
    std::vector<GraphSegment> curves = L.envelopeSegments;
    curves.insert(curves.end(), L.errorSegments.begin(), L.errorSegments.end());
    if (!L.fill.isEmpty()) {
      curves.push_back(L.startEdge);
      curves.push_back(L.endEdge);
    }
    auto crossed = [&](const QRect& r) {
      const QRectF box(r);
      const QLineF edges[] = {QLineF(box.topLeft(), box.topRight()),
                              QLineF(box.topRight(), box.bottomRight()),
                              QLineF(box.bottomRight(), box.bottomLeft()),
                              QLineF(box.bottomLeft(), box.topLeft())};
      for (const GraphSegment& s : curves) {
        if (box.contains(s.a) || box.contains(s.b)) return true;
        const QLineF line(s.a, s.b);
        for (const QLineF& e : edges)
          if (line.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
      }
      return false;
    };
    auto place = [&](const QString& mark, const std::vector<QPoint>& points, size_t first,
                     int side) -> QRect {
      const int mw = mf.horizontalAdvance(mark), mh = mf.height();
      static constexpr size_t kSteps[] = {0,  10, 20, 30, 40, 50, 60, 70, 80, 90, 5,
                                          15, 25, 35, 45, 55, 65, 75, 85, 95};
      QRect fallback;
      for (int sideTry : {side, -side})
        for (size_t step : kSteps) {
          const size_t i = step == 0 ? first : step;
          if (i >= points.size() || points[i].isNull()) continue;
          const QPoint p = points[i];
          const int y = sideTry > 0 ? p.y() - gap - mh : p.y() + gap;
          const QRect r(p.x() - mw / 2, y, mw, mh);
          if (!plot.contains(r)) continue;
          bool free = true;
          for (const QRect& t : taken)
            if (t.intersects(r.adjusted(-gap, -gap, gap, gap))) free = false;
          if (!free) continue;
          // Clear of the labels; best clear of the curves too.
          if (!crossed(r)) return r;
          if (fallback.isNull()) fallback = r;
        }
      return fallback;
    };
    auto draw = [&](const QString& mark, const QRect& r) {
      if (r.isNull()) return;
      painter.drawText(QPoint(r.left(), r.top() + mf.ascent()), mark);
      taken.push_back(r);
    };
    // "1" above the upper envelope, "2" beside the error curve on the side
    // of its sign.
    const size_t step1 = 20, step2 = 10;
    // Results outside the standard draw no envelope, so no "1" either.
    if (L.hasEnvelopeMarker)
      draw(QStringLiteral("1"), place(QStringLiteral("1"), L.upper, step1, 1));
    draw(QStringLiteral("2"), place(QStringLiteral("2"), L.errorPoints, step2, L.marker2Side));
  }
  painter.restore();
}

}  // namespace dorvel::output
