// The two uncertainty graphs over the measurement range, from the lower
// range flowrate q(min) to the flowrate of the calculation q100:
//   absolute graph: envelope +- absolute uncertainty and the bias "linear
//     scale" error, both in % of q100;
//   relative graph: envelope +- relative uncertainty and the bias error, both
//     in % of the flowrate.
// The bias "linear scale" error is that of a scale proportional to the square
// root of DELTA p (a fixed square-root constant) against the exact flowrate.
//
// computeGraphData() sweeps the range once (values in flow units and %);
// layoutGraph() turns them into pixel positions on a graph of w x h with the
// clipping to the frame; drawGraph() paints a layout.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QPolygon>

#include <string>
#include <vector>

#include "base/case.h"

namespace dorvel::output {

enum class GraphKind { Absolute, Relative };

struct GraphPoint {
  Real q = 0;            // flowrate, display flow unit
  Real uncertainty = 0;  // relative uncertainty U(q), % of q
  Real dp = 0;           // DELTA p at q, display DELTA p unit
  Real errorOfQ100 = 0;  // bias "linear scale" error, % of q100
  Real errorOfQ = 0;     // bias "linear scale" error, % of q
  bool valid = false;    // false: the solver gave no solution here
};

struct GraphData {
  Real q100 = 0;
  Real qMin = 0;
  Real u100 = 0;  // relative uncertainty at q100 (the calculation's), %
  Real K = 0;     // square-root constant q100 / sqrt(dpInput), display units
  std::string flowUnitText;  // "kg/h", ..., referenceVolumeFlowUnit()
  int flowUnit = 1;
  // points[0] is q100 (its envelope is u100); then the steps of
  // (q100 - q(min)) / 100 down to q(min), which is the last point.
  std::vector<GraphPoint> points;
  bool failed = false;  // q100, q(min) or K unusable: only the axes are drawn
  // false: the results are outside the standard (a warning flag is set); the
  // envelopes are not drawn (the bias error curve is).
  bool uncertaintyKnown = true;

  // Envelope half-width in % (absolute: U * q / q100, relative: U).
  Real envelope(GraphKind kind, size_t i) const;
  // Bias error in % (absolute: of q100, relative: of q).
  Real error(GraphKind kind, size_t i) const;
};

// Sweeps the range of the finished case.  `rangeMode` is set on the case
// while the solvers run and the case is left exactly as it was.
GraphData computeGraphData(CalculationCase& c);

struct GraphSegment {
  QPoint a, b;
};

struct GraphLayout {
  GraphKind kind = GraphKind::Absolute;
  int w = 0, h = 0;
  double u = 0;   // pixels per 1 %
  double sx = 0;  // pixels per flow unit
  int yc = 0;     // centre line (zero)
  int x0 = 0;     // start of the flow axis
  int xq100 = 0, xqmin = 0;
  int yaxis = 0;      // horizontal axis
  int axisRight = 0;  // end of the horizontal axis
  int axisTop = 0;    // top of the vertical axis
  std::vector<QPoint> upper, lower;  // envelope points, y not clipped
  std::vector<GraphSegment> envelopeSegments;  // the ones inside the frame
  GraphSegment startEdge, endEdge;  // vertical edges at xq100 and xqmin, clipped
  QPolygon fill;                    // inside of the envelope within the frame
  std::vector<QPoint> errorPoints;  // y kept within [0, h]
  std::vector<GraphSegment> errorSegments;  // strictly inside the frame's height
  bool hasMarkers = false;
  bool hasEnvelopeMarker = false;  // marker "1": only with an envelope
  QPoint marker1;   // envelope point of the 20th step
  QPoint marker2;   // error-curve point of the 10th step
  int marker2Side = 1;  // +1: above the curve (positive error), -1 below
  std::vector<int> tickX;  // 10 % ... 100 % of q100
  std::vector<std::string> tickLabels;
  std::vector<int> gridY;  // 0, +0.5, +1 ... -2 units
  std::vector<std::string> gridLabels;
  std::string q100Text, qMinText, unitText, axisUnitText;
};

GraphLayout layoutGraph(const GraphData& data, GraphKind kind, int h, int w);

// Decimals of the absolute graph's scale labels (0, +-q100/200 ... +-q100/50):
// `decimals` (1 when q100/200 >= 1, else 2), or as many more as the labels
// need to differ from each other ("0.03, 0.03" for q100 = 1.74 becomes
// "0.026, 0.035").
int scaleLabelDecimals(Real q100, int decimals);

// Paints a layout with its top-left corner at (left, top).  On screen
// (printing off) the envelope is filled grey and the error curve is red; on
// paper the curves carry the markers "1" and "2".
void drawGraph(QPainter& painter, const GraphLayout& layout, int left, int top, bool printing);

}  // namespace dorvel::output
