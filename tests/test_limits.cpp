// Limits of use, roughness limits and required straight lengths.
//
// The straight-length tables are checked against a second transcription of
// the standards' tables, kept here in their printed row form ("A/B" cells),
// at every grid point, half-way between grid points and on both sides of
// each grid point.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "calc/coefficients.h"
#include "calc/limits.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

struct Cell {
  Real a, b;
};

// "6/3 | 6/3 | 16/3" or "24 | 25" -> cells (B = A when only A is printed).
std::vector<Cell> parseRow(const std::string& row) {
  std::vector<Cell> cells;
  std::stringstream ss(row);
  std::string item;
  while (std::getline(ss, item, '|')) {
    Cell c{};
    const auto slash = item.find('/');
    c.a = std::stold(item.substr(0, slash));
    c.b = slash == std::string::npos ? c.a : std::stold(item.substr(slash + 1));
    cells.push_back(c);
  }
  return cells;
}

struct TableCase {
  LengthTable table;
  std::vector<Real> grid;
  std::vector<std::string> rows;  // fittings 1, 2, ...
  bool halfB;                     // B is A/2 (nozzle table), not printed
};

// ISO 5167-2:2003 Table 3 (orifice plates), fittings 1-10.
const TableCase kOrifice = {
    LengthTable::Orifice,
    {0.1L, 0.2L, 0.4L, 0.5L, 0.6L, 0.67L, 0.75L},
    {"6/3 | 6/3 | 16/3 | 22/9 | 42/13 | 44/20 | 44/20",
     "10/10 | 10/10 | 10/10 | 18/10 | 30/18 | 44/18 | 44/18",
     "10/10 | 10/10 | 10/10 | 22/10 | 42/18 | 44/20 | 44/22",
     "19/18 | 19/18 | 44/18 | 44/18 | 44/18 | 44/20 | 44/20",
     "34/17 | 34/17 | 50/25 | 75/34 | 65/25 | 60/18 | 75/18",
     "3/3 | 3/3 | 9/3 | 19/9 | 29/18 | 36/18 | 44/18",
     "7/7 | 7/7 | 30/9 | 30/18 | 30/18 | 44/18 | 44/18",
     "5/5 | 5/5 | 5/5 | 8/5 | 9/5 | 12/6 | 13/8",
     "6/6 | 6/6 | 12/8 | 20/9 | 26/11 | 28/14 | 36/18",
     "12/6 | 12/6 | 12/6 | 12/6 | 14/7 | 18/9 | 24/12"},
    false};

// ASME MFC-14M-2003 small-bore orifices, fittings 1-7, B = A.
const TableCase kSmallBore = {
    LengthTable::SmallBore,
    {0.10L, 0.15L, 0.20L, 0.25L, 0.30L, 0.35L, 0.40L, 0.45L, 0.50L, 0.55L, 0.60L, 0.65L, 0.70L,
     0.75L, 0.80L},
    {"24 | 24 | 24 | 24 | 24 | 24 | 25 | 25 | 25 | 26 | 27 | 29 | 32 | 35 | 40",
     "25 | 25 | 25 | 25 | 26 | 26 | 27 | 27 | 28 | 29 | 31 | 32 | 35 | 38 | 45",
     "30 | 30 | 30 | 30 | 30 | 31 | 31 | 32 | 33 | 35 | 37 | 39 | 42 | 45 | 50",
     "20 | 20 | 20 | 20 | 20 | 20 | 20 | 20 | 20 | 20 | 20 | 21 | 23 | 25 | 30",
     "22 | 22 | 22 | 22 | 22 | 22 | 22 | 23 | 23 | 24 | 25 | 26 | 28 | 30 | 35",
     "24 | 24 | 24 | 24 | 24 | 24 | 25 | 25 | 25 | 26 | 27 | 29 | 32 | 35 | 40",
     "22 | 22 | 22 | 22 | 22 | 22 | 22 | 23 | 23 | 24 | 25 | 26 | 28 | 30 | 35"},
    false};

// ISO 5167-3:2003 Table 3 (nozzles, quarter-circle orifice), fittings 1-7.
const TableCase kNozzle = {
    LengthTable::Nozzle,
    {0.1L, 0.2L, 0.25L, 0.3L, 0.35L, 0.4L, 0.45L, 0.5L, 0.55L, 0.6L, 0.65L, 0.7L, 0.75L, 0.8L},
    {"10 | 10 | 10 | 10 | 12 | 14 | 14 | 14 | 16 | 18 | 22 | 28 | 36 | 46",
     "14 | 14 | 14 | 16 | 16 | 18 | 18 | 20 | 22 | 26 | 32 | 36 | 42 | 50",
     "34 | 34 | 34 | 34 | 36 | 36 | 38 | 40 | 44 | 48 | 54 | 62 | 70 | 80",
     "5 | 5 | 5 | 5 | 5 | 5 | 5 | 6 | 8 | 9 | 11 | 14 | 22 | 30",
     "16 | 16 | 16 | 16 | 16 | 16 | 17 | 18 | 20 | 22 | 25 | 30 | 38 | 54",
     "18 | 18 | 18 | 18 | 18 | 20 | 20 | 22 | 24 | 26 | 28 | 32 | 36 | 44",
     "12 | 12 | 12 | 12 | 12 | 12 | 12 | 12 | 14 | 14 | 16 | 20 | 24 | 30"},
    true};

// ISO 5167-4:2003 Table 1 (classical Venturi tubes), fittings 1-7.
const TableCase kVenturi = {
    LengthTable::Venturi,
    {0.3L, 0.4L, 0.5L, 0.6L, 0.7L, 0.75L},
    {"8/3 | 8/3 | 9/3 | 10/3 | 14/3 | 16/8",
     "8/3 | 8/3 | 10/3 | 10/3 | 18/3 | 22/8",
     "4/4 | 4/4 | 4/4 | 4/4 | 4/4 | 4/4",
     "4/4 | 4/4 | 5/4 | 6/4 | 7/5 | 7/6",
     "2.5/2.5 | 2.5/2.5 | 5.5/2.5 | 8.5/2.5 | 10.5/2.5 | 11.5/3.5",
     "2.5/2.5 | 2.5/2.5 | 2.5/2.5 | 3.5/2.5 | 5.5/3.5 | 6.5/4.5",
     "2.5/2.5 | 2.5/2.5 | 3.5/2.5 | 4.5/2.5 | 5.5/3.5 | 5.5/3.5"},
    false};

// B of the nozzle table, with the two printed exceptions.
Real nozzleB(int fitting, Real beta, Real a) {
  if (fitting == 1 && beta < 0.35L) return 6;
  if (fitting == 4 && beta < 0.65L) return 5;
  return a / 2;
}

void checkTable(const TableCase& t) {
  for (std::size_t f = 0; f < t.rows.size(); ++f) {
    const int fitting = static_cast<int>(f) + 1;
    const std::vector<Cell> cells = parseRow(t.rows[f]);
    ASSERT_EQ(cells.size(), t.grid.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << "fitting " << fitting << " beta "
                                        << static_cast<double>(t.grid[i]));
      const Real beta = t.grid[i];
      const StraightLengths s = straightLengthsFor(t.table, fitting, beta);
      ASSERT_TRUE(s.known);
      EXPECT_EQ(s.upstreamA, cells[i].a);
      EXPECT_EQ(s.upstreamB, t.halfB ? nozzleB(fitting, beta, cells[i].a) : cells[i].b);
      // Half-way to the next grid point: linear interpolation.
      if (i + 1 < cells.size()) {
        const Real mid = (t.grid[i] + t.grid[i + 1]) / 2;
        const StraightLengths m = straightLengthsFor(t.table, fitting, mid);
        EXPECT_REL_NEAR(m.upstreamA, (cells[i].a + cells[i + 1].a) / 2, 1e-15L);
        if (!t.halfB) {
          EXPECT_REL_NEAR(m.upstreamB, (cells[i].b + cells[i + 1].b) / 2, 1e-15L);
        }
      }
      // Continuity at the grid point.
      for (Real side : {-1e-12L, 1e-12L}) {
        const StraightLengths n = straightLengthsFor(t.table, fitting, beta + side);
        EXPECT_NEAR(static_cast<double>(n.upstreamA), static_cast<double>(cells[i].a), 1e-9);
      }
    }
    // Outside the grid: the end columns.
    EXPECT_EQ(straightLengthsFor(t.table, fitting, t.grid.front() - 0.05L).upstreamA, cells.front().a);
    EXPECT_EQ(straightLengthsFor(t.table, fitting, 0.95L).upstreamA, cells.back().a);
  }
}

}  // namespace

// ---- straight lengths -----------------------------------------------------------------

TEST(StraightLengths, OrificeTable) { checkTable(kOrifice); }
TEST(StraightLengths, SmallBoreTable) { checkTable(kSmallBore); }
TEST(StraightLengths, NozzleTable) { checkTable(kNozzle); }
TEST(StraightLengths, VenturiTable) { checkTable(kVenturi); }

TEST(StraightLengths, FittingsIndependentOfBeta) {
  for (Real beta : {0.1L, 0.45L, 0.75L}) {
    StraightLengths s = straightLengthsFor(LengthTable::Orifice, 11, beta);
    EXPECT_EQ(s.upstreamA, 30);
    EXPECT_EQ(s.upstreamB, 15);
    s = straightLengthsFor(LengthTable::Orifice, 12, beta);
    EXPECT_EQ(s.upstreamA, 5);
    EXPECT_EQ(s.upstreamB, 3);
    s = straightLengthsFor(LengthTable::SmallBore, 8, beta);
    EXPECT_EQ(s.upstreamA, 30);
    EXPECT_EQ(s.upstreamB, 30);
    s = straightLengthsFor(LengthTable::SmallBore, 9, beta);
    EXPECT_EQ(s.upstreamA, 5);
    s = straightLengthsFor(LengthTable::Nozzle, 8, beta);
    EXPECT_EQ(s.upstreamA, 30);
    EXPECT_EQ(s.upstreamB, 15);
    s = straightLengthsFor(LengthTable::Nozzle, 9, beta);
    EXPECT_EQ(s.upstreamA, 5);
    EXPECT_EQ(s.upstreamB, 3);
    s = straightLengthsFor(LengthTable::Nozzle, 10, beta);
    EXPECT_EQ(s.upstreamA, 20);
    EXPECT_EQ(s.upstreamB, 10);
    s = straightLengthsFor(LengthTable::Venturi, 8, beta);
    EXPECT_EQ(s.upstreamA, 4);
    EXPECT_EQ(s.upstreamB, 4);
  }
}

TEST(StraightLengths, WorkedValues) {
  // Orifice, beta = 0.45, fitting 1: A = 19, B = 6.
  StraightLengths s = straightLengthsFor(LengthTable::Orifice, 1, 0.45L);
  EXPECT_REL_NEAR(s.upstreamA, 19, 1e-15L);
  EXPECT_REL_NEAR(s.upstreamB, 6, 1e-15L);
  // Nozzle, fitting 1, beta = 0.3: A = 10, B = 6 (not 5).
  s = straightLengthsFor(LengthTable::Nozzle, 1, 0.3L);
  EXPECT_EQ(s.upstreamA, 10);
  EXPECT_EQ(s.upstreamB, 6);
  s = straightLengthsFor(LengthTable::Nozzle, 1, 0.35L);
  EXPECT_EQ(s.upstreamB, 6);  // 12/2
  s = straightLengthsFor(LengthTable::Nozzle, 4, 0.64L);
  EXPECT_EQ(s.upstreamB, 5);
  s = straightLengthsFor(LengthTable::Nozzle, 4, 0.65L);
  EXPECT_EQ(s.upstreamB, 5.5L);
}

TEST(StraightLengths, DownstreamLengths) {
  const Real orificeGrid[] = {0.1L, 0.2L, 0.4L, 0.5L, 0.6L, 0.67L, 0.75L};
  const Real orificeDown[] = {4, 4, 6, 6, 7, 7, 8};
  for (int i = 0; i < 7; ++i) {
    for (int fitting : {1, 11, 12}) {
      const StraightLengths s = straightLengthsFor(LengthTable::Orifice, fitting, orificeGrid[i]);
      EXPECT_EQ(s.downstreamA, orificeDown[i]);
      EXPECT_EQ(s.downstreamB, orificeDown[i] / 2);
    }
  }
  EXPECT_REL_NEAR(straightLengthsFor(LengthTable::Orifice, 3, 0.3L).downstreamA, 5, 1e-15L);
  // Nozzles: steps at 0.275, 0.375, 0.575 and 0.725, not interpolated.
  struct Step {
    Real beta, down;
  };
  for (Step st : {Step{0.1L, 4}, Step{0.2749L, 4}, Step{0.275L, 5}, Step{0.3749L, 5},
                  Step{0.375L, 6}, Step{0.5749L, 6}, Step{0.575L, 7}, Step{0.7249L, 7},
                  Step{0.725L, 8}, Step{0.8L, 8}}) {
    const StraightLengths s = straightLengthsFor(LengthTable::Nozzle, 2, st.beta);
    EXPECT_EQ(s.downstreamA, st.down) << static_cast<double>(st.beta);
    EXPECT_EQ(s.downstreamB, st.down / 2);
  }
  // Small-bore: 10, B also 10.
  StraightLengths s = straightLengthsFor(LengthTable::SmallBore, 3, 0.5L);
  EXPECT_EQ(s.downstreamA, 10);
  EXPECT_EQ(s.downstreamB, 10);
  // Classical Venturi: four throat diameters.
  s = straightLengthsFor(LengthTable::Venturi, 2, 0.6L);
  EXPECT_REL_NEAR(s.downstreamA, 2.4L, 1e-15L);
  EXPECT_REL_NEAR(s.downstreamB, 1.2L, 1e-15L);
}

TEST(StraightLengths, TableChoiceAndCaseFittings) {
  EXPECT_EQ(straightLengthTable(DevOrificeCorner, 24.9L), LengthTable::SmallBore);
  EXPECT_EQ(straightLengthTable(DevOrificeCorner, 25), LengthTable::Orifice);
  EXPECT_EQ(straightLengthTable(DevOrificeFlange, 49.9L), LengthTable::SmallBore);
  EXPECT_EQ(straightLengthTable(DevOrificeFlange, 50), LengthTable::Orifice);
  EXPECT_EQ(straightLengthTable(DevOrificeDD2, 10), LengthTable::Orifice);
  for (int dev : {7, 12}) EXPECT_EQ(straightLengthTable(dev, 100), LengthTable::Orifice);
  for (int dev : {4, 5, 6, 8}) EXPECT_EQ(straightLengthTable(dev, 100), LengthTable::Nozzle);
  for (int dev : {9, 10, 11}) EXPECT_EQ(straightLengthTable(dev, 100), LengthTable::Venturi);
  EXPECT_EQ(straightLengthTable(0, 100), LengthTable::None);

  CalculationCase c;
  c.fittingOrifice = 2;
  c.fittingAsme = 3;
  c.fittingNozzle = 5;
  c.fittingVenturi = 6;
  c.deviceType = DevOrificeCorner;
  c.pipeDiameter20 = 20;
  EXPECT_EQ(requiredStraightLengths(c, 0.5L).upstreamA, 33);  // ASME fitting 3
  c.pipeDiameter20 = 100;
  EXPECT_EQ(requiredStraightLengths(c, 0.5L).upstreamA, 18);  // ISO fitting 2
  c.deviceType = DevQuarterCircle;
  EXPECT_EQ(requiredStraightLengths(c, 0.5L).upstreamA, 18);  // nozzle fitting 5
  c.deviceType = DevVenturiAsCast;
  EXPECT_EQ(requiredStraightLengths(c, 0.7L).upstreamA, 5.5L);  // Venturi fitting 6
  // A fitting code outside the list: no requirement known.
  for (int f : {0, 9, -3}) {
    c.fittingVenturi = f;
    const StraightLengths s = requiredStraightLengths(c, 0.7L);
    EXPECT_FALSE(s.known);
    EXPECT_EQ(s.upstreamA, 0);
    EXPECT_EQ(s.downstreamA, 0);
  }
}

// ---- straight-length check ----------------------------------------------------------

TEST(StraightLengthCheck, Statuses) {
  // A = 19, B = 6 upstream; downstream A = 6, B = 3 (orifice, beta 0.45, fitting 1).
  const StraightLengths req = straightLengthsFor(LengthTable::Orifice, 1, 0.45L);
  const Real D20 = 100;  // mm: A = 1.9 m, B = 0.6 m, downstream A = 0.6 m, B = 0.3 m
  struct Row {
    Real L1, L2;
    SolverStatus status;
    bool add;
  };
  const Row rows[] = {
      {0, 0, SolverStatus::Ok, false},                      // not stated: no check
      {1.9L, 0.6L, SolverStatus::Ok, false},                // both adequate
      {0.8L * 1.9L, 0.6L, SolverStatus::Ok, true},          // upstream between B and A
      {0.8L * 1.9L, 0, SolverStatus::Ok, true},
      {2, 0.4L, SolverStatus::Ok, true},                    // downstream between B and A
      {2, 0.29L, SolverStatus::DownstreamTooShort, true},   // downstream below B
      {0, 0.29L, SolverStatus::DownstreamTooShort, true},
      {0.59L, 0.6L, SolverStatus::UpstreamTooShort, true},  // upstream below B
      {0.59L, 0, SolverStatus::UpstreamTooShort, true},
      {1.8L, 0.5L, SolverStatus::BothLengthsTooShort, true},  // both short, even above B
      {0.1L, 0.1L, SolverStatus::BothLengthsTooShort, true},
      {-1, -1, SolverStatus::Ok, false},                    // negative: not stated
  };
  for (const Row& r : rows) {
    const StraightLengthCheck k = checkStraightLengths(req, r.L1, r.L2, D20);
    EXPECT_EQ(k.status, r.status) << static_cast<double>(r.L1) << " " << static_cast<double>(r.L2);
    EXPECT_EQ(k.addUncertainty, r.add) << static_cast<double>(r.L1) << " " << static_cast<double>(r.L2);
  }
}

TEST(StraightLengthCheck, InsideTheCoefficientCall) {
  DeviceSetup d;
  const TaskContext task{TaskFlowrate, false, 100};
  d.deviceType = DevOrificeDD2;
  d.pipeDiameter = d.pipeDiameter20 = 100;
  d.fittingOrifice = 1;
  Coefficients k = deviceCoefficients(d, task, 0.45L, 1e6L);
  ASSERT_EQ(k.status, SolverStatus::Ok);
  EXPECT_EQ(k.uC, 0.5L);
  EXPECT_REL_NEAR(k.lengths.upstreamA, 19, 1e-15L);
  EXPECT_REL_NEAR(k.lengths.upstreamB, 6, 1e-15L);
  EXPECT_EQ(k.lengths.downstreamA, 6);
  EXPECT_EQ(k.lengths.downstreamB, 3);
  d.upstreamLengthActual = 0.8L * 1.9L;
  k = deviceCoefficients(d, task, 0.45L, 1e6L);
  ASSERT_EQ(k.status, SolverStatus::Ok);
  EXPECT_EQ(k.uC, 1.0L);
  d.downstreamLengthActual = 0.5L;
  k = deviceCoefficients(d, task, 0.45L, 1e6L);
  EXPECT_EQ(k.status, SolverStatus::BothLengthsTooShort);
  EXPECT_EQ(k.uC, 1.0L);
}

// ---- ranges ------------------------------------------------------------------------------

TEST(Ranges, PipeDiameter) {
  const Real mins[] = {12, 50, 25, 50, 50, 65, 100, 25, 100, 50, 200, 25};
  const Real maxs[] = {1000, 1000, 1000, 500, 630, 500, 1000, 500, 800, 350, 1200, 500};
  for (int dev = 1; dev <= 12; ++dev) {
    EXPECT_EQ(pipeDiameterRange(dev).min, mins[dev - 1]);
    EXPECT_EQ(pipeDiameterRange(dev).max, maxs[dev - 1]);
  }
  EXPECT_EQ(pipeDiameterRange(13).max, 0);
}

TEST(Ranges, MinimumThroatDiameter) {
  EXPECT_EQ(minimumThroatDiameter(DevOrificeCorner, 12), 0.6L);
  EXPECT_EQ(minimumThroatDiameter(DevOrificeCorner, 20), 1.2L);
  EXPECT_EQ(minimumThroatDiameter(DevOrificeCorner, 25), 12.5L);
  EXPECT_EQ(minimumThroatDiameter(DevOrificeDD2, 30), 12.5L);
  EXPECT_EQ(minimumThroatDiameter(DevOrificeFlange, 49), 1.2L);
  EXPECT_EQ(minimumThroatDiameter(DevOrificeFlange, 50), 12.5L);
  EXPECT_EQ(minimumThroatDiameter(DevQuarterCircle, 10), 15);
  EXPECT_EQ(minimumThroatDiameter(DevVenturiNozzle, 100), 50);
  EXPECT_EQ(minimumThroatDiameter(DevConicalEntrance, 100), 6);
  EXPECT_EQ(minimumThroatDiameter(DevEccentricOrifice, 100), 50);
  for (int dev : {4, 5, 9, 10, 11, 0, 99}) EXPECT_EQ(minimumThroatDiameter(dev, 100), 1.2L);
}

TEST(Ranges, Beta) {
  const Real mins[] = {0.1L, 0.1L, 0.1L, 0.3L, 0.2L, 0.316L, 0.46L, 0.245L, 0.3L, 0.4L, 0.4L, 0.1L};
  const Real maxs[] = {0.75L, 0.75L, 0.75L, 0.8L, 0.8L, 0.775L, 0.84L, 0.6L, 0.75L, 0.75L, 0.7L, 0.316L};
  for (int dev = 1; dev <= 12; ++dev) {
    EXPECT_EQ(betaRange(dev, 100).min, mins[dev - 1]);
    EXPECT_EQ(betaRange(dev, 100).max, maxs[dev - 1]);
  }
  EXPECT_EQ(betaRange(DevOrificeCorner, 30).min, 0.23L);
  EXPECT_EQ(betaRange(DevOrificeCorner, 30).max, 0.7L);
  EXPECT_EQ(betaRange(DevOrificeCorner, 20).min, 0.1L);
  EXPECT_EQ(betaRange(DevOrificeCorner, 20).max, 0.8L);
  EXPECT_EQ(betaRange(DevOrificeFlange, 40).min, 0.15L);
  EXPECT_EQ(betaRange(DevOrificeFlange, 40).max, 0.7L);
  EXPECT_EQ(betaRange(DevOrificeDD2, 40).max, 0.75L);
  EXPECT_EQ(betaRange(0, 100).max, 0);
}

TEST(Ranges, ReynoldsLimits) {
  // ISA 1932: beta 0.40 -> 70000, 0.50 -> 20000.
  EXPECT_EQ(reynoldsLimitsOf(DevIsa1932Nozzle, 0.40L, 100, 100).min, 70000);
  EXPECT_EQ(reynoldsLimitsOf(DevIsa1932Nozzle, 0.50L, 100, 100).min, 20000);
  EXPECT_EQ(reynoldsLimitsOf(DevIsa1932Nozzle, 0.50L, 100, 100).max, 1e7L);
  // Orifice plates: 5000 up to beta 0.56, then 16000 beta^2 (continuous at 0.559017).
  EXPECT_EQ(reynoldsLimitsOf(DevOrificeCorner, 0.56L, 100, 100).min, 5000);
  EXPECT_REL_NEAR(reynoldsLimitsOf(DevOrificeDD2, 0.7L, 100, 100).min, 7840, 1e-15L);
  EXPECT_FALSE(reynoldsLimitsOf(DevOrificeDD2, 0.7L, 100, 100).hasMax);
  EXPECT_EQ(reynoldsLimitsOf(DevOrificeCorner, 0.7L, 20, 20).min, 1000);
  // Flange: 170 beta^2 D with D at t, at least 5000; small-bore 1000.
  EXPECT_REL_NEAR(reynoldsLimitsOf(DevOrificeFlange, 0.7L, 500.5L, 500).min, 170 * 0.49L * 500.5L,
                  1e-15L);
  EXPECT_EQ(reynoldsLimitsOf(DevOrificeFlange, 0.3L, 100, 100).min, 5000);
  EXPECT_EQ(reynoldsLimitsOf(DevOrificeFlange, 0.7L, 40, 40).min, 1000);
  ReynoldsLimits r = reynoldsLimitsOf(DevEccentricOrifice, 0.5L, 100, 100);
  EXPECT_REL_NEAR(r.min, 50000, 1e-15L);
  EXPECT_REL_NEAR(r.max, 5e5L, 1e-15L);
  r = reynoldsLimitsOf(DevQuarterCircle, 0.5L, 100, 100);
  EXPECT_REL_NEAR(r.min, 500 + 9.4e6L * std::pow(0.26L, 8), 1e-15L);
  EXPECT_REL_NEAR(r.max, 50000, 1e-15L);
  r = reynoldsLimitsOf(DevConicalEntrance, 0.25L, 100, 100);
  EXPECT_EQ(r.min, 80);
  EXPECT_REL_NEAR(r.max, 50000, 1e-15L);
  EXPECT_EQ(reynoldsLimitsOf(DevLongRadiusNozzle, 0.5L, 100, 100).min, 10000);
  EXPECT_EQ(reynoldsLimitsOf(DevVenturiNozzle, 0.5L, 100, 100).max, 2e6L);
  for (int dev : {9, 10, 11}) {
    EXPECT_EQ(reynoldsLimitsOf(dev, 0.5L, 100, 100).min, 200000);
    EXPECT_EQ(reynoldsLimitsOf(dev, 0.5L, 100, 100).max, 2e6L);
  }
}

// ---- roughness -------------------------------------------------------------------------

TEST(Roughness, OrificeTableBilinear) {
  // beta 0.45, Re 2e5: rows 0.40 (10 -> 7.2) and 0.50 (4.9 -> 3.3) half-way
  // between 1e5 and 3e5, then half-way in beta: (8.6 + 4.1)/2 = 6.35.
  EXPECT_REL_NEAR(orificeRoughnessTable(0.45L, 2e5L), 6.35L, 1e-15L);
  EXPECT_REL_NEAR(roughnessLimitFactorOf(DevOrificeDD2, 100, 0.45L, 2e5L), 6.35L * kPi, 1e-15L);
  // Grid points.
  EXPECT_EQ(orificeRoughnessTable(0.2L, 1e6L), 15);
  EXPECT_EQ(orificeRoughnessTable(0.1L, 1e9L), 15);
  EXPECT_EQ(orificeRoughnessTable(0.3L, 3e7L), 14);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.4L, 3e5L), 7.2L, 1e-15L);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.5L, 1e4L), 11, 1e-15L);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.6L, 1e8L), 0.4L, 1e-15L);
  // beta >= 0.65: last row, linear in Re; end columns outside 1e4 .. 1e8.
  EXPECT_REL_NEAR(orificeRoughnessTable(0.7L, 2e4L), 3.6L, 1e-15L);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.65L, 5e3L), 4.2L, 1e-15L);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.9L, 2e8L), 0.3L, 1e-15L);
  EXPECT_REL_NEAR(orificeRoughnessTable(0.55L, 1e3L), (11 + 5.6L) / 2, 1e-15L);
  // Continuity across the row and column breakpoints.
  for (Real b : {0.2L, 0.3L, 0.4L, 0.5L, 0.6L, 0.65L})
    for (Real re : {1e4L, 3e4L, 1e5L, 1e6L, 1e8L}) {
      EXPECT_NEAR(static_cast<double>(orificeRoughnessTable(b - 1e-12L, re)),
                  static_cast<double>(orificeRoughnessTable(b + 1e-12L, re)), 1e-8);
      EXPECT_NEAR(static_cast<double>(orificeRoughnessTable(b, re * (1 - 1e-13L))),
                  static_cast<double>(orificeRoughnessTable(b, re * (1 + 1e-13L))), 1e-8);
    }
}

TEST(Roughness, NozzleTableAndConstants) {
  const Real grid[] = {0.35L, 0.36L, 0.38L, 0.40L, 0.42L, 0.44L, 0.46L,
                       0.48L, 0.50L, 0.60L, 0.70L, 0.77L, 0.80L};
  const Real vals[] = {25, 18.6L, 13.5L, 10.6L, 8.7L, 7.5L, 6.7L, 6.1L, 5.6L, 4.5L, 4.0L, 3.9L, 3.9L};
  for (int i = 0; i < 13; ++i) EXPECT_REL_NEAR(nozzleRoughnessTable(grid[i]), vals[i], 1e-15L);
  EXPECT_REL_NEAR(nozzleRoughnessTable(0.55L), (5.6L + 4.5L) / 2, 1e-15L);
  EXPECT_EQ(nozzleRoughnessTable(0.3L), 25);
  EXPECT_EQ(nozzleRoughnessTable(0.9L), 3.9L);
  EXPECT_REL_NEAR(roughnessLimitFactorOf(DevVenturiNozzle, 100, 0.55L, 1e6L), 5.05L, 1e-15L);
  EXPECT_EQ(roughnessLimitFactorOf(DevOrificeCorner, 20, 0.5L, 1e5L), 0.00025L);
  EXPECT_EQ(roughnessLimitFactorOf(DevOrificeFlange, 40, 0.5L, 1e5L), 0.00025L);
  EXPECT_EQ(roughnessLimitFactorOf(DevEccentricOrifice, 200, 0.5L, 1e5L), 25);
  for (int dev : {5, 8, 9, 10, 11, 12}) EXPECT_EQ(roughnessLimitFactorOf(dev, 200, 0.5L, 1e5L), 10);
  EXPECT_EQ(roughnessLimitFactorOf(0, 200, 0.5L, 1e5L), 0);
}

// ---- limit values for display ---------------------------------------------------------

TEST(LimitValues, FromAFinishedCalculation) {
  CalculationCase c;
  c.deviceType = DevOrificeFlange;
  c.pipeDiameter20 = 100;
  c.reynoldsMin = 5000;
  c.reynoldsMax = 1e9L;
  c.reynolds = 2e5L;
  c.massFlowKgH = 36000;
  c.flowUnitFactor = 0.001L;  // t/h
  c.deviceDiameter = 60;
  c.roughnessLimitFactor = 3;
  computeLimitValues(c);
  EXPECT_REL_NEAR(c.lowerRangeFlowrate, 0.9L, 1e-15L);
  EXPECT_REL_NEAR(c.reynoldsLimitFlowrate, 180000, 1e-15L);
  EXPECT_REL_NEAR(c.edgeRadiusLimit, 0.024L, 1e-15L);
  EXPECT_REL_NEAR(c.roughnessLimit, 0.03L, 1e-15L);
  c.pipeDiameter20 = 40;  // small-bore: the factor itself
  c.roughnessLimitFactor = 0.00025L;
  computeLimitValues(c);
  EXPECT_EQ(c.roughnessLimit, 0.00025L);
  c.reynolds = 0;
  computeLimitValues(c);
  EXPECT_EQ(c.lowerRangeFlowrate, 0);
  EXPECT_EQ(c.reynoldsLimitFlowrate, 0);
}
