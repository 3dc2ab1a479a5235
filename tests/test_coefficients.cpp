// Device coefficients: thermal expansion, drain hole, discharge coefficient
// of every device type, expansibility and the quarter-circle profile radius.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/coefficients.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

CalculationCase flowrateCase(int device, Real D) {
  CalculationCase c;
  c.task = TaskFlowrate;
  c.deviceType = device;
  c.pipeDiameter = D;
  c.pipeDiameter20 = D;
  return c;
}

// The coefficient routine on the case's device and task, its results stored
// into the case as the driver stores them.
SolverStatus deviceCoefficients(CalculationCase& c, Real beta, Real reynolds) {
  const Coefficients k =
      dorvel::deviceCoefficients(deviceSetupOf(c), taskContextOf(c), beta, reynolds);
  c.dischargeCoefficient = k.C;
  c.cUncertainty = k.uC;
  c.roughnessLimitFactor = k.roughnessLimitFactor;
  c.upstreamLengthRequired = k.lengths.upstreamA;
  c.upstreamLengthB = k.lengths.upstreamB;
  c.downstreamLengthRequired = k.lengths.downstreamA;
  c.downstreamLengthB = k.lengths.downstreamB;
  if (k.status != SolverStatus::NoSolution) {
    c.reynoldsMin = k.reynoldsLimits.min;
    if (k.reynoldsLimits.hasMax) c.reynoldsMax = k.reynoldsLimits.max;
  }
  return k.status;
}

Real expansibilityFactor(const CalculationCase& c, Real kappa, Real beta, Real dp, Real p1) {
  return dorvel::expansibilityFactor(c.deviceType, taskContextOf(c), kappa, beta, dp, p1);
}

Real dischargeCoefficient(int device, Real D, Real d, Real re) {
  CalculationCase c = flowrateCase(device, D);
  EXPECT_EQ(deviceCoefficients(c, d / D, re), SolverStatus::Ok);
  return c.dischargeCoefficient;
}

}  // namespace

// ---- thermal expansion ----------------------------------------------------------------

TEST(ThermalExpansion, LinearRuleAndPolynomial) {
  // Carbon steel: linear rule up to 90 degC gives exactly 1 at 20 degC; at
  // 100 degC the polynomial 1 + ((0.0365 + 1.277) - 0.386)/1000.
  EXPECT_EQ(thermalExpansionFactor(MatCarbonSteel, 20), 1.0L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatCarbonSteel, 100), 1.0009275L, 1e-15L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatCarbonSteel, 90), 1 + 1.12L * 0.7L / 1000, 1e-15L);
  // Stainless steel: linear up to 145 degC, not clamped below 20 degC.
  EXPECT_REL_NEAR(thermalExpansionFactor(MatStainless, 100), 1 + 1.65L * 0.8L / 1000, 1e-15L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatStainless, 0), 1 - 1.65L * 0.2L / 1000, 1e-15L);
  // 300 degC: (0.05537*3 + 1.5677)*3 - 0.3326 = 4.86883 mm/m
  EXPECT_REL_NEAR(thermalExpansionFactor(MatStainless, 300), 1.00486883L, 1e-15L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatChromiumSteel, 120), 1 + 1.0L / 1000, 1e-15L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatMonel, -50), 1 - 1.43L * 0.7L / 1000, 1e-15L);
  // Bronze at 0 degC: the polynomial is negative and clamped.
  EXPECT_EQ(thermalExpansionFactor(MatBronze, 0), 1.0L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatAluminium, 200), 1 + (0.0639L * 4 + 2.474L * 2 - 0.511L) / 1000,
                  1e-15L);
  EXPECT_REL_NEAR(thermalExpansionFactor(MatBrass, 100), 1 + (2.25L - 0.45L) / 1000, 1e-15L);
  // Unknown material or temperature: no expansion.
  EXPECT_EQ(thermalExpansionFactor(0, 300), 1.0L);
  EXPECT_EQ(thermalExpansionFactor(8, 300), 1.0L);
  EXPECT_EQ(thermalExpansionFactor(MatStainless, std::numeric_limits<Real>::quiet_NaN()), 1.0L);
}

TEST(ThermalExpansion, CaseFactorsAndPipeDiameter) {
  const ThermalExpansion e = expansionFactors(MatCarbonSteel, MatStainless, 100, 200);
  EXPECT_REL_NEAR(e.pipeFactor, 1.0009275L, 1e-15L);
  EXPECT_REL_NEAR(e.deviceFactor, 1.00132L, 1e-15L);
  EXPECT_REL_NEAR(e.pipeDiameter, 200.1855L, 1e-15L);
}

TEST(DeviceGeometry, DrainHoleAndBeta) {
  DeviceGeometry g = deviceGeometry(DevOrificeFlange, 50, 4, 1.001L, 100.1L);
  ASSERT_TRUE(g.valid);
  EXPECT_EQ(g.drainHoleFactor, 0.55L);
  EXPECT_REL_NEAR(g.deviceDiameter, 50 * (1 + 0.55L * 0.0064L) * 1.001L, 1e-15L);
  EXPECT_REL_NEAR(g.beta, g.deviceDiameter / 100.1L, 1e-18L);

  g = deviceGeometry(DevIsa1932Nozzle, 50, 4, 1.001L, 100.1L);
  ASSERT_TRUE(g.valid);
  EXPECT_EQ(g.drainHoleFactor, 0.40L);
  EXPECT_EQ(g.drainHoleDiameter, 4);

  // Devices without a drain-hole correction clear the drain hole.
  for (int dev : {5, 6, 7, 8, 9, 10, 11, 12}) {
    g = deviceGeometry(dev, 50, 4, 1.001L, 100.1L);
    ASSERT_TRUE(g.valid);
    EXPECT_EQ(g.drainHoleFactor, 0);
    EXPECT_EQ(g.drainHoleDiameter, 0);
    EXPECT_REL_NEAR(g.deviceDiameter, 50.05L, 1e-15L);
  }

  g = deviceGeometry(DevOrificeFlange, 0, 4, 1.001L, 100.1L);
  EXPECT_FALSE(g.valid);
  EXPECT_EQ(g.beta, 0);
  g = deviceGeometry(DevOrificeFlange, 50, 4, 1.001L, 0);
  EXPECT_FALSE(g.valid);
  EXPECT_EQ(g.deviceDiameter, 0);
}

// ---- discharge coefficient ------------------------------------------------------------

// Discharge coefficients from an independent implementation of ISO 5167-2/-3
// (D and d at the flowing temperature).  The equations involve no lg, so the
// agreement is to rounding.
TEST(DischargeCoefficient, IsoReferenceValues) {
  struct Ref {
    Real D, d, re;
    int device;
    Real C;
  };
  const Ref refs[] = {
      {100, 50, 1e5L, DevOrificeCorner, 0.606873163265L},
      {100, 50, 1e5L, DevOrificeDD2, 0.606184803962L},
      {100, 50, 1e5L, DevOrificeFlange, 0.606201014816L},
      {100, 50, 1e5L, DevIsa1932Nozzle, 0.973255060188L},
      {100, 50, 1e5L, DevLongRadiusNozzle, 0.981898476107L},
      {200, 130, 1e6L, DevOrificeCorner, 0.604833877737L},
      {200, 130, 1e6L, DevOrificeDD2, 0.608562790777L},
      {200, 130, 1e6L, DevOrificeFlange, 0.605167707216L},
      {200, 130, 1e6L, DevIsa1932Nozzle, 0.951137208156L},
      {200, 130, 1e6L, DevLongRadiusNozzle, 0.991235345690L},
      // D < 71.12 mm: the small-pipe term of the orifice equation.
      {60, 30, 2e4L, DevOrificeCorner, 0.614310156295L},
      {60, 30, 2e4L, DevOrificeDD2, 0.613496252331L},
      {60, 30, 2e4L, DevOrificeFlange, 0.613336422019L},
  };
  for (const Ref& r : refs) {
    SCOPED_TRACE(::testing::Message() << "device " << r.device << " D " << static_cast<double>(r.D));
    EXPECT_REL_NEAR(dischargeCoefficient(r.device, r.D, r.d, r.re), r.C, 1e-9L);
  }
}

TEST(DischargeCoefficient, VenturiNozzleUsesIsoConstant) {
  // ISO 5167-3:2003 5.3.3.2: C = 0.9858 - 0.196 beta^4.5, independent of Re.
  // The reference list gave 0.977049553583 for beta = 0.5; that figure is
  // 0.9858 - 0.198*0.5^4.5, a misprinted constant, and is not used.
  const Real C = dischargeCoefficient(DevVenturiNozzle, 100, 50, 1e5L);
  EXPECT_REL_NEAR(C, 0.9771379419304648L, 1e-14L);
  EXPECT_REL_NEAR(0.9858L - 0.198L * std::pow(0.5L, 4.5L), 0.977049553583L, 1e-11L);
  EXPECT_EQ(dischargeCoefficient(DevVenturiNozzle, 100, 50, 3e6L), C);
}

TEST(DischargeCoefficient, SmallPipeTermIsContinuousAt7112) {
  const Real D = 71.12L;
  for (int dev : {1, 2, 3}) {
    const Real below = dischargeCoefficient(dev, D * (1 - 1e-13L), 0.5L * D, 1e5L);
    const Real at = dischargeCoefficient(dev, D, 0.5L * D, 1e5L);
    EXPECT_REL_NEAR(below, at, 1e-11L) << dev;
  }
}

TEST(DischargeCoefficient, SmallBoreAsme) {
  // ASME MFC-14M-2003 equations evaluated independently (double precision).
  CalculationCase c = flowrateCase(DevOrificeCorner, 20);
  ASSERT_EQ(deviceCoefficients(c, 0.5L, 5e3L), SolverStatus::Ok);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.6252036094576355L, 1e-13L);
  EXPECT_EQ(c.cUncertainty, 0.75L);
  c = flowrateCase(DevOrificeFlange, 40);
  ASSERT_EQ(deviceCoefficients(c, 0.6L, 2e4L), SolverStatus::Ok);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.6366605475215329L, 1e-13L);
  EXPECT_EQ(c.cUncertainty, 0.75L);
}

TEST(DischargeCoefficient, CornerTappingsEquationChoiceBySize) {
  // D20 = 24 mm: ASME equation, 0.75 %.
  CalculationCase c = flowrateCase(DevOrificeCorner, 24);
  deviceCoefficients(c, 0.5L, 2e4L);
  EXPECT_EQ(c.cUncertainty, 0.75L);
  // D20 = 30 mm: Reader-Harris/Gallagher with the small-pipe term; the
  // uncertainty 0.5 + 0.9(0.75 - beta)(2.8 - D/25.4) + 0.5.
  c = flowrateCase(DevOrificeCorner, 30);
  deviceCoefficients(c, 0.5L, 2e4L);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.6175581877911225L, 1e-13L);
  EXPECT_REL_NEAR(c.cUncertainty, 0.5L + 0.9L * 0.25L * (2.8L - 30 / 25.4L) + 0.5L, 1e-15L);
  // D20 decides the equation, D at t the terms.
  c.pipeDiameter20 = 24.9L;
  c.pipeDiameter = 25.1L;
  deviceCoefficients(c, 0.5L, 2e4L);
  EXPECT_EQ(c.cUncertainty, 0.75L);
}

TEST(DischargeCoefficient, OrificeUncertainty) {
  CalculationCase c = flowrateCase(DevOrificeDD2, 200);
  deviceCoefficients(c, 0.15L, 1e6L);
  EXPECT_REL_NEAR(c.cUncertainty, 0.55L, 1e-15L);
  deviceCoefficients(c, 0.4L, 1e6L);
  EXPECT_EQ(c.cUncertainty, 0.5L);
  deviceCoefficients(c, 0.7L, 1e6L);
  EXPECT_REL_NEAR(c.cUncertainty, 1.667L * 0.7L - 0.5L, 1e-15L);
  // beta > 0.5 and Re < 10000: + 0.5
  deviceCoefficients(c, 0.55L, 9999);
  EXPECT_REL_NEAR(c.cUncertainty, 1.0L, 1e-15L);
  deviceCoefficients(c, 0.5L, 9999);
  EXPECT_REL_NEAR(c.cUncertainty, 0.5L, 1e-15L);
}

TEST(DischargeCoefficient, EccentricOrificeRoughnessFactor) {
  // C0 = 0.9355 - 1.6889 b + 3.0428 b^2 - 1.7989 b^3 at b = 0.6.
  const Real C0 = 0.6290056L;
  CalculationCase c = flowrateCase(DevEccentricOrifice, 200);
  for (Real k : {0.0L, 0.05L, 0.2L}) {  // r < 0.0003, or F below 1 raised to 1
    c.eccentricRoughness = k;
    deviceCoefficients(c, 0.6L, 1e6L);
    EXPECT_REL_NEAR(c.dischargeCoefficient, C0, 1e-15L) << static_cast<double>(k);
  }
  // lg taken as 0.4343 ln, not log10 (which would give 0.6324775888743154).
  c.eccentricRoughness = 0.4L;
  deviceCoefficients(c, 0.6L, 1e6L);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.6324771070785594L, 1e-13L);
  // r is limited to 0.0025.
  c.eccentricRoughness = 0.5L;
  deviceCoefficients(c, 0.6L, 1e6L);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.633838658609514L, 1e-13L);
  c.eccentricRoughness = 3;
  deviceCoefficients(c, 0.6L, 1e6L);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.633838658609514L, 1e-13L);
  EXPECT_EQ(c.cUncertainty, 1.0L);
  deviceCoefficients(c, 0.8L, 1e6L);
  EXPECT_EQ(c.cUncertainty, 2.0L);
}

TEST(DischargeCoefficient, ConstantCoefficientDevices) {
  CalculationCase c = flowrateCase(DevQuarterCircle, 100);
  deviceCoefficients(c, 0.4L, 5e3L);
  EXPECT_REL_NEAR(c.dischargeCoefficient, 0.7812876L, 1e-15L);
  EXPECT_EQ(c.cUncertainty, 2.0L);
  deviceCoefficients(c, 0.3L, 5e3L);
  EXPECT_EQ(c.cUncertainty, 2.5L);

  struct K {
    int dev;
    Real C, u;
  };
  for (K k : {K{DevVenturiAsCast, 0.984L, 0.7L}, K{DevVenturiRoughWelded, 0.985L, 1.5L},
              K{DevConicalEntrance, 0.734L, 2.0L}}) {
    c = flowrateCase(k.dev, 300);
    deviceCoefficients(c, 0.3L, 3e5L);
    EXPECT_EQ(c.dischargeCoefficient, k.C);
    EXPECT_EQ(c.cUncertainty, k.u);
  }
  c = flowrateCase(DevVenturiNozzle, 300);
  deviceCoefficients(c, 0.6L, 3e5L);
  EXPECT_REL_NEAR(c.cUncertainty, 1.2L + 1.5L * 0.1296L, 1e-15L);
  c = flowrateCase(DevIsa1932Nozzle, 300);
  deviceCoefficients(c, 0.6L, 3e5L);
  EXPECT_EQ(c.cUncertainty, 0.8L);
  deviceCoefficients(c, 0.7L, 3e5L);
  EXPECT_REL_NEAR(c.cUncertainty, 1.0L, 1e-15L);
  c = flowrateCase(DevLongRadiusNozzle, 300);
  deviceCoefficients(c, 0.7L, 3e5L);
  EXPECT_EQ(c.cUncertainty, 2.0L);
}

TEST(DischargeCoefficient, MachinedVenturiSwitchesAtReynolds1e6) {
  CalculationCase c = flowrateCase(DevVenturiMachined, 200);
  deviceCoefficients(c, 0.6L, 1e6L);
  EXPECT_EQ(c.dischargeCoefficient, 0.995L);
  deviceCoefficients(c, 0.6L, 1.000001e6L);
  EXPECT_EQ(c.dischargeCoefficient, 1.0L);
  EXPECT_EQ(c.cUncertainty, 1.0L);
}

TEST(DischargeCoefficient, DiameterTaskUsesNominalReynolds) {
  CalculationCase c = flowrateCase(DevOrificeFlange, 200);
  deviceCoefficients(c, 0.6L, 2e5L);
  const Real atHalf = c.dischargeCoefficient;
  const Real roughAtHalf = c.roughnessLimitFactor;
  c.task = TaskDiameter;
  c.nominalPercent = 50;
  deviceCoefficients(c, 0.6L, 4e5L);
  EXPECT_EQ(c.dischargeCoefficient, atHalf);
  EXPECT_EQ(c.roughnessLimitFactor, roughAtHalf);
  // The range sweeps take Re_D as it is.
  c.rangeMode = true;
  deviceCoefficients(c, 0.6L, 4e5L);
  EXPECT_NE(c.dischargeCoefficient, atHalf);
  // Sizing near Re 10000: the +0.5 follows the nominal Reynolds number.
  c.rangeMode = false;
  deviceCoefficients(c, 0.65L, 19000);
  EXPECT_REL_NEAR(c.cUncertainty, 1.667L * 0.65L - 0.5L + 0.5L, 1e-15L);
  deviceCoefficients(c, 0.65L, 21000);
  EXPECT_REL_NEAR(c.cUncertainty, 1.667L * 0.65L - 0.5L, 1e-15L);
}

TEST(DischargeCoefficient, ReynoldsLimitsWritten) {
  CalculationCase c = flowrateCase(DevIsa1932Nozzle, 200);
  c.reynoldsMax = 1e9L;
  deviceCoefficients(c, 0.4L, 1e6L);
  EXPECT_EQ(c.reynoldsMin, 70000);
  EXPECT_EQ(c.reynoldsMax, 1e7L);
  // Orifice plates keep the 1e9 of the driver.
  c = flowrateCase(DevOrificeCorner, 200);
  c.reynoldsMax = 1e9L;
  deviceCoefficients(c, 0.7L, 1e6L);
  EXPECT_REL_NEAR(c.reynoldsMin, 16000 * 0.49L, 1e-15L);
  EXPECT_EQ(c.reynoldsMax, 1e9L);
}

TEST(QuarterCircle, ProfileRadius) {
  EXPECT_REL_NEAR(quarterCircleRadiusRatio(0.4L), 0.1148050773545769L, 1e-13L);
  EXPECT_EQ(quarterCircleRadiusRatio(std::numeric_limits<Real>::quiet_NaN()), 0);
}

// ---- expansibility -------------------------------------------------------------------

TEST(Expansibility, IsoReferenceValues) {
  // beta = 0.5, kappa = 1.4, p1 = 500 kPa, independent ISO 5167 values.
  CalculationCase c = flowrateCase(DevOrificeFlange, 100);
  const Real p1 = 5 * kBarToAt;  // kG/cm2
  auto eps = [&](int dev, Real dpKPa) {
    c.deviceType = dev;
    return expansibilityFactor(c, 1.4L, 0.5L, dpKPa * 1000 * kPaToKgm2, p1);
  };
  EXPECT_REL_NEAR(eps(DevOrificeFlange, 10), 0.994689986497L, 1e-9L);
  EXPECT_REL_NEAR(eps(DevIsa1932Nozzle, 10), 0.988291016579L, 1e-9L);
  EXPECT_REL_NEAR(eps(DevOrificeFlange, 50), 0.973130830735L, 1e-9L);
  EXPECT_REL_NEAR(eps(DevIsa1932Nozzle, 50), 0.940548767603L, 1e-9L);
  // The families.
  for (int dev : {1, 2, 3, 7, 8}) EXPECT_EQ(eps(dev, 10), eps(DevOrificeFlange, 10));
  for (int dev : {4, 5, 6, 9, 10, 11}) EXPECT_EQ(eps(dev, 10), eps(DevIsa1932Nozzle, 10));
  EXPECT_REL_NEAR(eps(DevConicalEntrance, 10),
                  (eps(DevOrificeFlange, 10) + eps(DevIsa1932Nozzle, 10)) / 2, 1e-18L);
}

TEST(Expansibility, SmallPressureRatio) {
  CalculationCase c = flowrateCase(DevIsa1932Nozzle, 100);
  // x = 0.0005: a nozzle takes eps = 1 exactly, an orifice its formula.
  const Real p1 = 2, dp = 0.0005L * 10000 * p1;
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, dp, p1), 1.0L);
  c.deviceType = DevOrificeDD2;
  EXPECT_REL_NEAR(expansibilityFactor(c, 1.4L, 0.5L, dp, p1), 0.9998676216814475L, 1e-13L);
  c.deviceType = DevConicalEntrance;
  EXPECT_REL_NEAR(expansibilityFactor(c, 1.4L, 0.5L, dp, p1), (1 + 0.9998676216814475L) / 2,
                  1e-13L);
  // Conical entrance, x = 0.05, kappa 1.3, beta 0.2 (independent evaluation).
  EXPECT_REL_NEAR(expansibilityFactor(c, 1.3L, 0.2L, 0.05L * 10000 * p1, p1),
                  0.9785682073558764L, 1e-13L);
  EXPECT_EQ(expansibilityFactor(c, 1.3L, 0.2L, 0, p1), 1.0L);
}

TEST(Expansibility, DiameterTaskAtNominalFlow) {
  CalculationCase c = flowrateCase(DevOrificeCorner, 100);
  const Real p1 = 3;
  const Real atQuarter = expansibilityFactor(c, 1.3L, 0.6L, 1000 * 0.25L, p1);
  c.task = TaskDiameter;
  c.nominalPercent = 50;
  EXPECT_REL_NEAR(expansibilityFactor(c, 1.3L, 0.6L, 1000, p1), atQuarter, 1e-18L);
  c.rangeMode = true;
  EXPECT_LT(expansibilityFactor(c, 1.3L, 0.6L, 1000, p1), atQuarter);
}

TEST(Expansibility, OutsideTheDomainNoCorrection) {
  CalculationCase c = flowrateCase(DevIsa1932Nozzle, 100);
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  EXPECT_EQ(expansibilityFactor(c, 1, 0.5L, 1000, 2), 1.0L);     // kappa = 1, nozzle
  EXPECT_EQ(expansibilityFactor(c, 0, 0.5L, 1000, 2), 1.0L);
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 1, 1000, 2), 1.0L);
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, -1, 2), 1.0L);
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, 1000, 0), 1.0L);
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, 20000, 2), 1.0L);  // x = 1
  EXPECT_EQ(expansibilityFactor(c, nan, 0.5L, 1000, 2), 1.0L);
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, inf, 2), 1.0L);
  c.deviceType = 13;
  EXPECT_EQ(expansibilityFactor(c, 1.4L, 0.5L, 1000, 2), 1.0L);
  // The orifice formula holds for any positive kappa.
  c.deviceType = DevOrificeCorner;
  EXPECT_LT(expansibilityFactor(c, 1, 0.5L, 1000, 2), 1.0L);
}

// ---- bad input ----------------------------------------------------------------------

TEST(DischargeCoefficient, HostileInputSweepNeverGivesNaN) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real betas[] = {nan, -inf, -1, 0, 1e-300L, 0.05L, 0.5L, 0.9999L, 1, 2, inf};
  const Real res[] = {nan, -inf, -1, 0, 1e-4900L, 1e-30L, 1, 1e5L, 1e300L, inf};
  const Real Ds[] = {nan, -5, 0, 1e-3L, 10, 30, 100, 1e6L, inf};
  int valid = 0;
  for (int dev = -1; dev <= 14; ++dev)
    for (Real D : Ds)
      for (Real beta : betas)
        for (Real re : res) {
          CalculationCase c = flowrateCase(dev, D);
          c.eccentricRoughness = 0.1L;
          c.upstreamLengthActual = 1;
          c.downstreamLengthActual = nan;
          const SolverStatus s = deviceCoefficients(c, beta, re);
          for (Real v : {c.dischargeCoefficient, c.cUncertainty, c.reynoldsMin, c.reynoldsMax,
                         c.roughnessLimitFactor, c.upstreamLengthRequired, c.upstreamLengthB,
                         c.downstreamLengthRequired, c.downstreamLengthB})
            ASSERT_TRUE(std::isfinite(v)) << dev << " " << static_cast<double>(D) << " "
                                          << static_cast<double>(beta) << " "
                                          << static_cast<double>(re);
          if (s == SolverStatus::NoSolution) {
            EXPECT_EQ(c.dischargeCoefficient, 0);
          } else {
            ++valid;
            EXPECT_TRUE(dev >= 1 && dev <= 12 && beta > 0 && beta < 1 && D > 0 && re > 0);
          }
          const Real eps = expansibilityFactor(c, 1.4L, beta, re, D);
          ASSERT_TRUE(std::isfinite(eps));
        }
  EXPECT_GT(valid, 100);
}

TEST(DischargeCoefficient, NominalPercentMustBePositiveWhenSizing) {
  CalculationCase c = flowrateCase(DevOrificeDD2, 100);
  c.task = TaskDiameter;
  c.nominalPercent = 0;
  EXPECT_EQ(deviceCoefficients(c, 0.5L, 1e5L), SolverStatus::NoSolution);
  c.nominalPercent = std::numeric_limits<Real>::quiet_NaN();
  EXPECT_EQ(deviceCoefficients(c, 0.5L, 1e5L), SolverStatus::NoSolution);
  EXPECT_EQ(c.dischargeCoefficient, 0);
}
