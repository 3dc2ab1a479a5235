// The measurement-range table and the uncertainty graphs: values over the
// range checked against the task solvers run through the calculation driver,
// the column and decimals rules, the headings, the envelope and error point
// lists, the pixel layout with its clipping, and `rangeMode` around the
// sweeps.
#include <cmath>
#include <string>

#include "base/format.h"
#include "calc/loss_uncertainty.h"
#include "calc/solvers.h"
#include "output/range_sweep.h"
#include "output/range_table.h"
#include "output/uncertainty_graphs.h"
#include "support/driven_cases.h"
#include "support/testing.h"

namespace dorvel::output {
namespace {

using testing::calculate;
using testing::calculated;
using testing::gasInput;
using testing::waterInput;

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Makes q(min) the given fraction of q100 through the Reynolds numbers.
void setLowerRange(CalculationCase& c, Real fraction) { c.reynoldsMin = fraction * c.reynolds; }

// The results of a calculation that a sweep must leave as they were.
void expectSameResults(const CalculationCase& a, const CalculationCase& b) {
  EXPECT_EQ(a.massFlowKgH, b.massFlowKgH);
  EXPECT_EQ(a.reynolds, b.reynolds);
  EXPECT_EQ(a.reynoldsMin, b.reynoldsMin);
  EXPECT_EQ(a.dischargeCoefficient, b.dischargeCoefficient);
  EXPECT_EQ(a.cUncertainty, b.cUncertainty);
  EXPECT_EQ(a.expansibility, b.expansibility);
  EXPECT_EQ(a.dpMmH2O, b.dpMmH2O);
  EXPECT_EQ(a.dpKPa, b.dpKPa);
  EXPECT_EQ(a.beta, b.beta);
  EXPECT_EQ(a.upstreamLengthRequired, b.upstreamLengthRequired);
  EXPECT_EQ(a.flowUncertainty, b.flowUncertainty);
}

// ---- columns ---------------------------------------------------------------

TEST(RangeColumns, StopAtTheLowerRangeFlowrate) {
  // q(min) = 35 % of q100: 100 % ... 40 %.
  std::vector<Real> q = rangeColumnFlows(1000, 350);
  ASSERT_EQ(q.size(), 7u);
  EXPECT_REL_NEAR(q.front(), 1000, 1e-15L);
  EXPECT_REL_NEAR(q.back(), 400, 1e-15L);
  // q(min) exactly at the loop's 40 % value: that column is drawn, then the
  // loop stops.
  Real q40 = 1.1L * 1000;
  for (int i = 0; i < 7; ++i) q40 -= 1000 / 10.0L;
  q = rangeColumnFlows(1000, q40);
  ASSERT_EQ(q.size(), 7u);
  EXPECT_EQ(q.back(), q40);
  // Just above it, the 40 % column is below q(min).
  EXPECT_EQ(rangeColumnFlows(1000, std::nextafter(q40, 2000.0L)).size(), 6u);
  // All ten down to 10 %, none when q100 lies below q(min).
  EXPECT_EQ(rangeColumnFlows(1000, 0).size(), 10u);
  EXPECT_EQ(rangeColumnFlows(1000, 1000.5L).size(), 0u);
  EXPECT_EQ(rangeColumnFlows(1000, 1000).size(), 1u);
}

TEST(RangeColumns, DecimalsBySize) {
  EXPECT_EQ(rangeFlowDecimals(10000.5L), 0);
  EXPECT_EQ(rangeFlowDecimals(10000), 1);
  EXPECT_EQ(rangeFlowDecimals(1000.5L), 1);
  EXPECT_EQ(rangeFlowDecimals(1000), 2);
  EXPECT_EQ(rangeFlowDecimals(250), 2);
  EXPECT_EQ(rangeFlowDecimals(225), 2);
  EXPECT_EQ(rangeFlowDecimals(200), 3);
  EXPECT_EQ(rangeFlowDecimals(199.9L), 3);
  EXPECT_EQ(rangeFlowDecimals(10), 4);
  EXPECT_EQ(rangeFlowDecimals(0.5L), 4);
}

// ---- table values ----------------------------------------------------------

class RangeTableWater : public ::testing::Test {
 protected:
  void SetUp() override {
    c = waterInput(TaskFlowrate);
    ASSERT_TRUE(calculate(c));
  }
  CalculationCase c;
};

TEST_F(RangeTableWater, ColumnsAgreeWithTheFlowrateTask) {
  setLowerRange(c, 0.35L);
  const CalculationCase before = c;
  RangeTable t = computeRangeTable(c, true);
  ASSERT_FALSE(t.failed);
  EXPECT_EQ(t.filledColumns(), 7);
  EXPECT_REL_NEAR(t.K, c.flowrateInput / std::sqrt(20.0L), 1e-15L);
  for (int i = 0; i < 7; ++i) {
    const RangeColumn& col = t.columns[static_cast<size_t>(i)];
    ASSERT_TRUE(col.filled);
    EXPECT_EQ(col.reading, 100 - 10 * i);
    EXPECT_REL_NEAR(col.qLinear, c.flowrateInput * col.reading / 100, 1e-14L);
    // DELTA p of a square-root scale: 20 kPa x (reading/100)^2.
    EXPECT_REL_NEAR(col.dp, 20.0L * col.reading * col.reading / 10000, 1e-13L);
    // The flowrate task run by the driver at this DELTA p gives the exact
    // flowrate and the uncertainty of the column.
    CalculationCase task = before;
    task.dpInput = col.dp;
    ASSERT_TRUE(calculate(task));
    EXPECT_REL_NEAR(col.qExact, task.flowrateInput, 1e-12L);
    EXPECT_REL_NEAR(col.relativeUncertainty, task.flowUncertainty, 1e-12L);
    EXPECT_REL_NEAR(col.difference, col.qLinear - col.qExact, 1e-15L);
    EXPECT_REL_NEAR(col.absoluteUncertainty, col.relativeUncertainty * col.qExact / 100, 1e-15L);
    EXPECT_REL_NEAR(col.pressureLoss, before.pressureLoss * col.dp, 1e-15L);
  }
  // At 100 % the scale is exact; below it C rises as Re falls, so the exact
  // flowrate is above the linear one, by less than 1 %.
  EXPECT_LT(std::fabs(t.columns[0].difference), 1e-6L * t.q100);
  for (int i = 1; i < 7; ++i) {
    EXPECT_LT(t.columns[static_cast<size_t>(i)].difference, 0);
    EXPECT_LT(std::fabs(t.columns[static_cast<size_t>(i)].difference), 0.01L * t.q100);
  }
  // The transmitter error referenced to 20 kPa weighs more at low readings.
  EXPECT_GT(t.columns[6].relativeUncertainty, t.columns[0].relativeUncertainty);
  for (size_t i = 7; i < 10; ++i) {
    EXPECT_FALSE(t.columns[i].filled);
    EXPECT_EQ(t.cell(2, static_cast<int>(i)), "");
    EXPECT_EQ(t.cell(8, static_cast<int>(i)), "");
  }
  expectSameResults(c, before);
  EXPECT_FALSE(c.rangeMode);
}

TEST_F(RangeTableWater, CellTextsAndReadings) {
  setLowerRange(c, 0.0L);
  RangeTable t = computeRangeTable(c, true);
  ASSERT_EQ(t.filledColumns(), 10);
  const char* readings[] = {"100", " 90", " 80", " 70", " 60", " 50", " 40", " 30", " 20", " 10"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(t.cell(1, i), readings[i]);
  for (int i = 0; i < 10; ++i) {
    const RangeColumn& col = t.columns[static_cast<size_t>(i)];
    EXPECT_EQ(col.flowDecimals, rangeFlowDecimals(col.qExact));
    EXPECT_EQ(t.cell(3, i), formatFixed(col.qExact, 6, col.flowDecimals));
    EXPECT_EQ(t.cell(5, i), formatFixed(col.dp, 6, 3));
    EXPECT_EQ(t.cell(7, i), formatFixed(col.relativeUncertainty, 6, 3));
  }
  // q100 near 28000 kg/h: no decimals above 10000, one between 1000 and it.
  EXPECT_EQ(t.columns[0].flowDecimals, 0);
  EXPECT_EQ(t.columns[9].flowDecimals, 1);
  EXPECT_EQ(t.cell(5, 0), "20.000");
  EXPECT_EQ(t.cell(5, 9), " 0.200");
  EXPECT_EQ(t.cell(0, 0), "");
  EXPECT_EQ(t.cell(9, 0), "");
}

TEST(RangeTableSmallFlow, DecimalsChangeAcross200) {
  // 250 kg/h of a thin liquid through a small orifice: two decimals at 250
  // and about 225 kg/h, three below 200.
  CalculationCase c = waterInput(TaskDifferentialPressure);
  c.pipeDiameter20 = 50;
  c.deviceDiameter20 = 12;
  c.viscosityEntered = 1e-4L;
  c.flowrateInput = 250;
  ASSERT_TRUE(calculate(c));
  setLowerRange(c, 0.5L);
  RangeTable t = computeRangeTable(c, true);
  ASSERT_EQ(t.filledColumns(), 6);
  EXPECT_REL_NEAR(t.columns[0].qExact, 250, 1e-9L);
  EXPECT_EQ(t.columns[0].flowDecimals, 2);
  EXPECT_EQ(t.cell(2, 0), "250.00");
  EXPECT_REL_NEAR(t.columns[1].qExact, 225, 0.01L);
  EXPECT_EQ(t.columns[1].flowDecimals, 2);
  for (int i = 2; i < 6; ++i) {
    const RangeColumn& col = t.columns[static_cast<size_t>(i)];
    EXPECT_EQ(col.flowDecimals, col.qExact > 200 ? 2 : 3) << i;
  }
  EXPECT_LT(t.columns[3].qExact, 200);
  EXPECT_EQ(t.cell(2, 3), "175.000");
  EXPECT_EQ(t.cell(3, 3), formatFixed(t.columns[3].qExact, 6, 3));
}

TEST_F(RangeTableWater, HeadingsAndUnits) {
  RangeTable en = computeRangeTable(c, true);
  EXPECT_EQ(en.headings[0], "Reading");
  EXPECT_EQ(en.headings[1], "Linear scale");
  EXPECT_EQ(en.headings[2], "Exact value q");
  EXPECT_EQ(en.headings[3], "Difference (2-3)");
  EXPECT_EQ(en.headings[4], "DELTA p");
  EXPECT_EQ(en.headings[5], "Pressure loss");
  EXPECT_EQ(en.headings[6], "Relative uncertainty");
  EXPECT_EQ(en.headings[7], "Absolute uncertainty");
  const std::array<std::string, 8> units{"%qmax", "kg/h", "kg/h", "kg/h", "kPa", "kPa", "%q", "kg/h"};
  EXPECT_EQ(en.units, units);
  RangeTable pl = computeRangeTable(c, false);
  EXPECT_EQ(pl.headings[0], "Punkt na skali");
  EXPECT_EQ(pl.headings[1], "Skala liniowa");
  EXPECT_EQ(pl.headings[2], "Dokładna wartość q");
  EXPECT_EQ(pl.headings[3], "Różnica (2-3)");
  EXPECT_EQ(pl.headings[4], "DELTA p");
  EXPECT_EQ(pl.headings[5], "Strata ciśnienia");
  EXPECT_EQ(pl.headings[6], "Niepewność");
  EXPECT_EQ(pl.headings[7], "Niepewność");
  EXPECT_EQ(pl.units[6], "%q");
  EXPECT_EQ(pl.units[7], "kg/h");

  CalculationCase mm = waterInput(TaskFlowrate);
  mm.dpUnit = 1;
  mm.dpInput = 2000;
  mm.dpTransmitterReference = 2000;
  ASSERT_TRUE(calculate(mm));
  RangeTable t = computeRangeTable(mm, true);
  EXPECT_EQ(t.units[4], "mmH2O");
  EXPECT_EQ(t.units[5], "mmH2O");
  EXPECT_EQ(t.cell(5, 0), "2000.000");
}

TEST(RangeTableGas, ReferenceVolumeUnits) {
  for (Real refT : {15.0L, 0.0L}) {
    CalculationCase c = gasInput(TaskFlowrate);
    c.flowUnit = 5;
    c.refTemperature = refT;
    c.refPressure = 101.325L;
    c.densityKind = 1;
    c.refDensity = 1.2L;
    c.humidityCorrected = true;
    ASSERT_TRUE(calculate(c));
    RangeTable t = computeRangeTable(c, true);
    const std::string unit = refT == 0 ? "Nm3/h" : "Sm3/h";
    for (size_t row : {1u, 2u, 3u, 7u}) EXPECT_EQ(t.units[row], unit) << row;
    EXPECT_EQ(t.units[4], "kPa");
    EXPECT_GT(t.filledColumns(), 0);
    GraphData g = computeGraphData(c);
    EXPECT_EQ(g.flowUnitText, unit);
    EXPECT_EQ(layoutGraph(g, GraphKind::Absolute, 400, 500).axisUnitText, "[" + unit + "]");
  }
}

TEST(RangeTableDiameterTask, SquareRootConstantFromTheNominalFlow) {
  CalculationCase c = waterInput(TaskDiameter);
  c.nominalFlowrate = 12000;
  ASSERT_TRUE(calculate(c));
  const CalculationCase before = c;
  RangeTable t = computeRangeTable(c, true);
  ASSERT_FALSE(t.failed);
  // K = q_nom / sqrt(DELTA p of q_nom), with C at the Reynolds number of the
  // reading (rangeMode set).
  CalculationCase probe = before;
  probe.rangeMode = true;
  const SolveResult rp = solveDifferentialPressure(deviceSetupOf(probe), fluidStateOf(probe),
                                                   taskContextOf(probe),
                                                   12000 / before.flowUnitFactor, before.beta);
  EXPECT_REL_NEAR(t.K, 12000 / std::sqrt(rp.dpKPa), 1e-14L);
  // The 100 % column: the flowrate solver at 20 kPa with rangeMode set takes
  // C at the upper-range Reynolds number ...
  CalculationCase sweep = before, sizing = before;
  sweep.rangeMode = true;
  const SolveResult r1 = solveFlowrate(deviceSetupOf(sweep), fluidStateOf(sweep),
                                       taskContextOf(sweep),
                                       t.columns[0].dp / before.dpUnitFactor, before.beta);
  EXPECT_REL_NEAR(t.columns[0].qExact, r1.value * before.flowUnitFactor, 1e-15L);
  // ... which is not the C of the sizing, taken at the nominal flow.
  const SolveResult r0 = solveFlowrate(deviceSetupOf(sizing), fluidStateOf(sizing),
                                       taskContextOf(sizing),
                                       t.columns[0].dp / before.dpUnitFactor, before.beta);
  EXPECT_GT(std::fabs(r0.value - r1.value), 1e-6L * r1.value);
  expectSameResults(c, before);
  EXPECT_FALSE(c.rangeMode);
}

TEST(RangeSweep, RangeModeClearedAfterAFailedSweep) {
  CalculationCase c = calculated(waterInput(TaskFlowrate));
  c.viscosityPaS = 0;  // the flowrate solver (viscosity in Pa*s) has no solution now
  const CalculationCase before = c;
  RangeTable t = computeRangeTable(c, true);
  EXPECT_TRUE(t.failed);
  EXPECT_EQ(t.filledColumns(), 0);
  EXPECT_FALSE(c.rangeMode);
  expectSameResults(c, before);

  // A case never calculated: nothing to sweep, no crash, flag clear.
  CalculationCase fresh;
  resetCase(fresh);
  t = computeRangeTable(fresh, false);
  EXPECT_TRUE(t.failed);
  EXPECT_EQ(t.cell(1, 9), " 10");
  EXPECT_EQ(t.units[0], "%qmax");
  EXPECT_FALSE(fresh.rangeMode);
  GraphData g = computeGraphData(fresh);
  EXPECT_TRUE(g.failed);
  EXPECT_TRUE(g.points.empty());
  EXPECT_FALSE(fresh.rangeMode);
  // The layout of a failed sweep still has its axes and labels.
  GraphLayout L = layoutGraph(g, GraphKind::Relative, 400, 500);
  EXPECT_TRUE(L.envelopeSegments.empty());
  EXPECT_EQ(L.gridLabels.size(), 9u);
}

TEST(RangeSweep, ScopeRestoresTheCaseOnEveryPath) {
  CalculationCase c = calculated(waterInput(TaskFlowrate));
  const CalculationCase before = c;
  {
    RangeSweepScope scope(c);
    EXPECT_TRUE(c.rangeMode);
    c.massFlowKgH = 1;
    c.dischargeCoefficient = 0.1L;
  }
  EXPECT_FALSE(c.rangeMode);
  expectSameResults(c, before);
}

TEST_F(RangeTableWater, TextAndJsonForTheCommandLine) {
  setLowerRange(c, 0.35L);
  const RangeTable t = computeRangeTable(c, true);
  const std::string text = rangeTableText(t);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].substr(0, 10), "1  Reading");
  EXPECT_NE(lines[0].find("%qmax"), std::string::npos);
  EXPECT_NE(lines[0].find("       100        90"), std::string::npos);
  EXPECT_NE(lines[4].find(t.cell(5, 0)), std::string::npos);
  EXPECT_EQ(lines[7].substr(0, 3), "8  ");

  const std::string json = rangeTableJson(t);
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.back(), '}');
  EXPECT_NE(json.find("\"flowUnit\":\"kg/h\""), std::string::npos);
  EXPECT_NE(json.find("\"dpUnit\":\"kPa\""), std::string::npos);
  EXPECT_NE(json.find("\"failed\":false"), std::string::npos);
  size_t columns = 0;
  for (size_t pos = 0; (pos = json.find("\"reading\":", pos)) != std::string::npos; ++pos) ++columns;
  EXPECT_EQ(columns, 7u);
  // Full precision: the exact flowrate of the 40 % column reads back exactly.
  const std::string key = "\"qExact\":";
  size_t pos = 0;
  for (int i = 0; i < 7; ++i) pos = json.find(key, pos) + key.size();
  long double back = 0;
  ASSERT_TRUE(parseReal(json.substr(pos, json.find(',', pos) - pos), back));
  EXPECT_EQ(back, t.columns[6].qExact);

  CalculationCase fresh;
  resetCase(fresh);
  const std::string failed = rangeTableJson(computeRangeTable(fresh, true));
  EXPECT_NE(failed.find("\"failed\":true"), std::string::npos);
  EXPECT_NE(failed.find("\"columns\":[]"), std::string::npos);
  EXPECT_NE(failed.find("\"qMin\":null"), std::string::npos);
}

// ---- graph data -----------------------------------------------------------

TEST(GraphData, EnvelopeAndErrorOverTheRange) {
  CalculationCase c = calculated(waterInput(TaskFlowrate));
  setLowerRange(c, 0.2L);
  const CalculationCase before = c;
  GraphData g = computeGraphData(c);
  ASSERT_FALSE(g.failed);
  ASSERT_EQ(g.points.size(), 101u);
  EXPECT_EQ(g.points.front().q, c.flowrateInput);
  EXPECT_EQ(g.points.back().q, g.qMin);
  EXPECT_REL_NEAR(g.qMin, 0.2L * c.flowrateInput, 1e-15L);
  const Real step = (g.q100 - g.qMin) / 100;
  for (size_t i = 1; i < g.points.size(); ++i) {
    ASSERT_TRUE(g.points[i].valid);
    EXPECT_REL_NEAR(g.points[i - 1].q - g.points[i].q, step, 1e-9L);
  }
  // The envelope starts at the calculation's uncertainty.
  EXPECT_EQ(g.points[0].uncertainty, c.flowUncertainty);
  EXPECT_EQ(g.envelope(GraphKind::Relative, 0), c.flowUncertainty);
  EXPECT_REL_NEAR(g.envelope(GraphKind::Absolute, 0), c.flowUncertainty, 1e-15L);
  // At 20 %: the relative uncertainty of the reading, and the absolute
  // envelope in % of q100 is a fifth of it.
  const GraphPoint& low = g.points.back();
  EXPECT_REL_NEAR(g.envelope(GraphKind::Absolute, 100), low.uncertainty * 0.2L, 1e-14L);
  EXPECT_GT(low.uncertainty, c.flowUncertainty);
  // Each point: the differential-pressure task run by the driver at that
  // flowrate gives the DELTA p; the linear scale error follows from it.
  for (size_t i : {0u, 37u, 100u}) {
    const GraphPoint& p = g.points[i];
    CalculationCase task = before;
    task.task = TaskDifferentialPressure;
    task.flowrateInput = p.q;
    ASSERT_TRUE(calculate(task));
    EXPECT_REL_NEAR(p.dp, task.dpKPa, 1e-12L) << i;
    const Real qLinear = g.K * std::sqrt(p.dp);
    EXPECT_REL_NEAR(p.errorOfQ100, (qLinear - p.q) / g.q100 * 100, 1e-12L);
    EXPECT_REL_NEAR(p.errorOfQ, (qLinear - p.q) / p.q * 100, 1e-12L);
    if (i > 0) {
      // With DELTA p = (q/q100)^2 x DELTA p(q100) and the C uncertainty of
      // the reading.
      CalculationCase u = before;
      const SolveResult s = solveDifferentialPressure(deviceSetupOf(u), fluidStateOf(u),
                                                      taskContextOf(u),
                                                      before.massFlowKgH * p.q / g.q100, before.beta);
      u.expansibility = s.expansibility;
      const Real r = p.q / g.q100;
      EXPECT_REL_NEAR(p.uncertainty,
                      flowUncertaintyOf(uncertaintyInputsOf(u, r * r * before.dpMmH2O,
                                                            s.coefficients.uC))
                          .total,
                      1e-15L);
    }
  }
  // The square-root scale reads low at small flows of an orifice (C grows
  // as Re falls): negative error, about a per cent at 20 %.
  EXPECT_LT(std::fabs(g.points[0].errorOfQ), 1e-6L);
  EXPECT_LT(low.errorOfQ, 0);
  EXPECT_GT(low.errorOfQ, -2);
  EXPECT_REL_NEAR(low.errorOfQ100, low.errorOfQ * 0.2L, 1e-12L);
  expectSameResults(c, before);
  EXPECT_FALSE(c.rangeMode);
}

TEST(GraphData, DiameterTaskSweepsWithCAtTheReadingsReynoldsNumber) {
  CalculationCase c = waterInput(TaskDiameter);
  c.nominalFlowrate = 10000;
  ASSERT_TRUE(calculate(c));
  const CalculationCase before = c;
  GraphData g = computeGraphData(c);
  ASSERT_FALSE(g.failed);
  // The point at q100: the differential-pressure solver with rangeMode set
  // (C at the upper-range Reynolds number) ...
  CalculationCase sweep = before;
  sweep.rangeMode = true;
  const SolveResult r = solveDifferentialPressure(deviceSetupOf(sweep), fluidStateOf(sweep),
                                                  taskContextOf(sweep), before.massFlowKgH,
                                                  before.beta);
  EXPECT_REL_NEAR(g.points[0].dp, r.dpKPa, 1e-15L);
  // ... not the sizing's C at the nominal flow, which gives back dpInput.
  EXPECT_REL_NEAR(before.dpInput, 20, 1e-12L);
  EXPECT_GT(std::fabs(g.points[0].dp - 20), 1e-6L);
  EXPECT_GT(std::fabs(g.points[0].errorOfQ), 1e-7L);
  expectSameResults(c, before);
  EXPECT_FALSE(c.rangeMode);
}

TEST(GraphData, OneStepWhenTheLowerRangeIsTheUpperRange) {
  CalculationCase c = calculated(waterInput(TaskFlowrate));
  setLowerRange(c, 1);
  c.reynoldsMin = c.reynolds;  // exactly q(min) = q100
  GraphData g = computeGraphData(c);
  ASSERT_FALSE(g.failed);
  ASSERT_EQ(g.points.size(), 2u);
  EXPECT_EQ(g.points[1].q, g.q100);
  GraphLayout L = layoutGraph(g, GraphKind::Absolute, 400, 500);
  EXPECT_EQ(L.xqmin, L.xq100);
  EXPECT_EQ(L.startEdge.a.x(), L.xq100);
  EXPECT_EQ(L.endEdge.a.x(), L.xq100);
  EXPECT_FALSE(L.hasMarkers);
  // q(min) above q100: nothing to sweep.
  c.reynoldsMin = 2 * c.reynolds;
  EXPECT_TRUE(computeGraphData(c).failed);
  EXPECT_FALSE(c.rangeMode);
}

// ---- graph layout -----------------------------------------------------------

TEST(GraphLayout, ScalesAndPositions) {
  GraphData g;
  g.q100 = 1000;
  g.qMin = 250;
  g.flowUnitText = "kg/h";
  GraphLayout a = layoutGraph(g, GraphKind::Absolute, 480, 600);
  EXPECT_EQ(a.u, 60.0);
  EXPECT_EQ(a.yc, 240);
  EXPECT_EQ(a.x0, 60 + 10 + 5);
  EXPECT_EQ(a.xq100, a.x0 + 390);
  EXPECT_EQ(a.xqmin, a.x0 + 98);  // round(0.39 x 250 = 97.5)
  EXPECT_EQ(a.yaxis, 240 + 120 + 30);
  EXPECT_EQ(a.axisRight, 585);
  EXPECT_EQ(a.axisTop, 62);
  GraphLayout r = layoutGraph(g, GraphKind::Relative, 480, 600);
  EXPECT_EQ(r.x0, 70);
  ASSERT_EQ(a.tickX.size(), 10u);
  EXPECT_EQ(a.tickX[0], a.x0 + 39);
  EXPECT_EQ(a.tickX[9], a.xq100);
  EXPECT_EQ(a.tickLabels[9], "100");
  EXPECT_EQ(a.gridY[1], 240 - 30);
  EXPECT_EQ(a.gridY[8], 240 + 120);
  EXPECT_EQ(a.q100Text, "1000.0");
  EXPECT_EQ(a.qMinText, "250.00");
  EXPECT_EQ(a.axisUnitText, "[kg/h]");
  EXPECT_EQ(r.axisUnitText, "[%]");
  const std::vector<std::string> rel{"0", "+0.5", "+1.0", "+1.5", "+2.0", "-0.5", "-1.0", "-1.5", "-2.0"};
  EXPECT_EQ(r.gridLabels, rel);
}

TEST(GraphLayout, AbsoluteLabelsFor150CubicMetresPerHour) {
  GraphData g;
  g.q100 = 150;
  g.qMin = 30;
  g.flowUnitText = "m3/h";
  GraphLayout L = layoutGraph(g, GraphKind::Absolute, 400, 500);
  std::vector<std::string> labels;
  for (const std::string& s : L.gridLabels) labels.push_back(trim(s));
  const std::vector<std::string> expected{"0.00",  "0.75",  "1.50",  "2.25", "3.00",
                                          "-0.75", "-1.50", "-2.25", "-3.00"};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(L.q100Text, "150.00");
  EXPECT_EQ(L.axisUnitText, "[m3/h]");
}

TEST(GraphLayout, LargeUncertaintyLeavesTheFrame) {
  CalculationCase c = waterInput(TaskFlowrate);
  c.dpTransmitterError = 8;  // U100 above 4 %
  ASSERT_TRUE(calculate(c));
  ASSERT_GT(c.flowUncertainty, 4);
  setLowerRange(c, 0.2L);
  GraphData g = computeGraphData(c);
  const int h = 400, w = 500;
  for (GraphKind kind : {GraphKind::Absolute, GraphKind::Relative}) {
    GraphLayout L = layoutGraph(g, kind, h, w);
    // Half-width above 4 % = h/2: both envelope points outside the frame,
    // so the edge at q100 runs the frame's full height.
    EXPECT_LT(L.upper[0].y(), 0);
    EXPECT_GT(L.lower[0].y(), h);
    EXPECT_EQ(L.startEdge.a.y(), 0);
    EXPECT_EQ(L.startEdge.b.y(), h);
    EXPECT_EQ(L.endEdge.a.y(), 0);
    EXPECT_EQ(L.endEdge.b.y(), h);
    // No segment outside the frame is kept.
    for (const GraphSegment& s : L.envelopeSegments) {
      EXPECT_GT(s.a.y(), 0);
      EXPECT_LT(s.a.y(), h);
      EXPECT_GT(s.b.y(), 0);
      EXPECT_LT(s.b.y(), h);
    }
    EXPECT_LT(L.envelopeSegments.size(), 2 * (g.points.size() - 1));
    for (const QPoint& p : L.errorPoints) {
      EXPECT_GE(p.y(), 0);
      EXPECT_LE(p.y(), h);
    }
    for (const QPoint& p : L.fill) {
      EXPECT_GE(p.y(), 0);
      EXPECT_LE(p.y(), h);
    }
  }
}

TEST(GraphLayout, EnvelopeAndErrorPixels) {
  CalculationCase c = calculated(waterInput(TaskFlowrate));
  setLowerRange(c, 0.3L);
  GraphData g = computeGraphData(c);
  const int h = 480, w = 600;
  GraphLayout L = layoutGraph(g, GraphKind::Relative, h, w);
  ASSERT_EQ(L.upper.size(), g.points.size());
  for (size_t i = 0; i < g.points.size(); ++i) {
    const int half = static_cast<int>(std::lround(60.0 * static_cast<double>(g.points[i].uncertainty)));
    EXPECT_EQ(L.upper[i].y(), 240 - half);
    EXPECT_EQ(L.lower[i].y(), 240 + half);
    EXPECT_EQ(L.errorPoints[i].y(),
              240 - static_cast<int>(std::lround(60.0 * static_cast<double>(g.points[i].errorOfQ))));
  }
  // Everything fits: every step drawn, upper and lower.
  EXPECT_EQ(L.envelopeSegments.size(), 2 * (g.points.size() - 1));
  EXPECT_EQ(L.errorSegments.size(), g.points.size() - 1);
  ASSERT_TRUE(L.hasMarkers);
  EXPECT_EQ(L.marker1, L.upper[20]);
  EXPECT_EQ(L.marker2, L.errorPoints[10]);
  EXPECT_EQ(L.marker2Side, g.points[10].errorOfQ >= 0 ? 1 : -1);
}

// ---- one budget at every reading, and not known ----------------------------------

TEST(RangeTableDrainHole, EveryColumnCarriesTheDrainHoleIncrement) {
  CalculationCase c = waterInput(TaskFlowrate);
  c.pipeDiameter20 = 150;
  c.deviceDiameter20 = 75;
  c.drainHoleDiameter = 5;
  ASSERT_TRUE(calculate(c));
  ASSERT_GT(c.uncertaintyBudget.drainHole, 0.2L);
  setLowerRange(c, 0.25L);
  const CalculationCase before = c;
  const RangeTable t = computeRangeTable(c, true);
  ASSERT_GE(t.filledColumns(), 7);
  // At 100 % the report's figure; at each reading the figure of the
  // flowrate task run by the driver at that DELTA p, drain hole included.
  EXPECT_EQ(t.columns[0].relativeUncertainty, before.flowUncertainty);
  for (int i = 0; i < t.filledColumns(); ++i) {
    const RangeColumn& col = t.columns[static_cast<size_t>(i)];
    CalculationCase task = before;
    task.dpInput = col.dp;
    ASSERT_TRUE(calculate(task));
    EXPECT_REL_NEAR(col.relativeUncertainty, task.flowUncertainty, 1e-12L) << i;
  }
  // The graphs: at each flowrate the coefficient of the differential-pressure
  // task run by the driver there, with the drain hole, at the DELTA p of the
  // square-root scale.
  const GraphData g = computeGraphData(c);
  for (size_t i : {1u, 50u, 100u}) {
    CalculationCase task = before;
    task.task = TaskDifferentialPressure;
    task.flowrateInput = g.points[i].q;
    ASSERT_TRUE(calculate(task));
    ASSERT_EQ(task.uncertaintyBudget.drainHole, before.uncertaintyBudget.drainHole);
    const Real r = g.points[i].q / g.q100;
    EXPECT_REL_NEAR(g.points[i].uncertainty,
                    flowUncertaintyOf(uncertaintyInputsOf(task, r * r * before.dpMmH2O,
                                                          task.uncertaintyBudget.cEquation))
                        .total,
                    1e-12L)
        << i;
  }
  // No jump at q100: the first step is as close to the 100 % figure as the
  // next one is to it.
  EXPECT_LT(std::fabs(g.points[1].uncertainty - g.points[0].uncertainty),
            2 * std::fabs(g.points[2].uncertainty - g.points[1].uncertainty) + 1e-9L);
}

TEST(RangeTableNotKnown, RowsSevenAndEightAndTheEnvelopes) {
  // ISA 1932 nozzle in a 600 mm pipe (above its 500 mm), accepted.
  CalculationCase c = waterInput(TaskFlowrate);
  c.deviceType = DevIsa1932Nozzle;
  c.pipeDiameter20 = 600;
  c.deviceDiameter20 = 300;
  ASSERT_TRUE(calculate(c));
  ASSERT_TRUE(c.warnPipeTooLarge);
  for (bool english : {true, false}) {
    const RangeTable t = computeRangeTable(c, english);
    ASSERT_GT(t.filledColumns(), 0);
    EXPECT_FALSE(t.uncertaintyKnown);
    const std::string notKnown = english ? "NOT KNOWN" : "NIE ZNANA";
    for (int i = 0; i < t.filledColumns(); ++i) {
      EXPECT_EQ(t.cell(7, i), "");
      EXPECT_EQ(t.cell(8, i), "");
      EXPECT_NE(t.cell(6, i), "");
    }
    const std::string text = rangeTableText(t);
    if (english) {
      EXPECT_NE(text.find("Relative uncertainty      %q  NOT KNOWN"), std::string::npos) << text;
    }
    EXPECT_NE(text.find(notKnown), std::string::npos);
    const std::string json = rangeTableJson(t);
    EXPECT_NE(json.find("\"conforming\":false"), std::string::npos);
    EXPECT_NE(json.find("\"relativeUncertainty\":null,\"absoluteUncertainty\":null"),
              std::string::npos);
    EXPECT_EQ(json.find("\"relativeUncertainty\":0"), std::string::npos);
  }
  const GraphData g = computeGraphData(c);
  EXPECT_FALSE(g.uncertaintyKnown);
  for (GraphKind kind : {GraphKind::Absolute, GraphKind::Relative}) {
    const GraphLayout L = layoutGraph(g, kind, 480, 600);
    EXPECT_TRUE(L.envelopeSegments.empty());
    EXPECT_TRUE(L.fill.isEmpty());
    EXPECT_FALSE(L.hasEnvelopeMarker);
    EXPECT_FALSE(L.errorSegments.empty());  // the bias error is still known
  }
  // The same case conforming: the rows and the envelope are there.
  c.clearWarnings();
  const RangeTable t = computeRangeTable(c, true);
  EXPECT_TRUE(t.uncertaintyKnown);
  EXPECT_NE(rangeTableJson(t).find("\"conforming\":true"), std::string::npos);
  EXPECT_FALSE(layoutGraph(computeGraphData(c), GraphKind::Relative, 480, 600)
                   .envelopeSegments.empty());
}

}  // namespace
}  // namespace dorvel::output
