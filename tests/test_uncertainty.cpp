// Permanent pressure loss and flowrate uncertainty.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/loss_uncertainty.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

// Through the value interfaces, with the inputs a case gives at a reading.
Real lossOf(const CalculationCase& c, Real C, Real beta) {
  return pressureLossOf(c.deviceType, c.pipeDiameter20, C, beta);
}
UncertaintyBudget budgetOf(const CalculationCase& c, Real dp, Real uC) {
  return flowUncertaintyOf(uncertaintyInputsOf(c, dp, uC));
}

CalculationCase deviceCase(int device, Real D20) {
  CalculationCase c;
  c.deviceType = device;
  c.pipeDiameter20 = D20;
  return c;
}

}  // namespace

// ---- pressure loss ------------------------------------------------------------------

TEST(PressureLoss, OrificeWorkedValue) {
  // D20 = 100 mm, beta = 0.5, C = 0.6: S = sqrt(1 - 0.0625*0.64) = 0.979796,
  // ratio = (0.979796 - 0.15)/(0.979796 + 0.15) = 0.734465.
  const CalculationCase c = deviceCase(DevOrificeDD2, 100);
  EXPECT_NEAR(static_cast<double>(lossOf(c, 0.6L, 0.5L)), 0.734465, 5e-7);
  const Real S = std::sqrt(1 - 0.0625L * 0.64L);
  EXPECT_REL_NEAR(lossOf(c, 0.6L, 0.5L), (S - 0.15L) / (S + 0.15L), 1e-18L);
}

TEST(PressureLoss, VenturiIsAFifth) {
  for (int dev : {DevVenturiNozzle, DevVenturiAsCast, DevVenturiMachined, DevVenturiRoughWelded})
    for (Real beta : {0.3L, 0.5L, 0.7L})
      for (Real C : {0.95L, 0.99L})
        EXPECT_EQ(lossOf(deviceCase(dev, 20), C, beta), 0.2L);
}

TEST(PressureLoss, SmallPipesUseTheSimpleForm) {
  const Real C = 0.62L, beta = 0.6L;
  const Real b2 = beta * beta;
  const Real Y = C * b2 / std::sqrt(1 - b2 * b2);
  const Real simple = (1 - Y) / (1 + Y);
  const Real S = std::sqrt(1 - b2 * b2 * (1 - C * C));
  const Real iso = (S - C * b2) / (S + C * b2);
  // Corner tappings change at 25 mm, every other device at 50 mm.
  EXPECT_REL_NEAR(lossOf(deviceCase(DevOrificeCorner, 24.9L), C, beta), simple, 1e-18L);
  EXPECT_REL_NEAR(lossOf(deviceCase(DevOrificeCorner, 25), C, beta), iso, 1e-18L);
  for (int dev : {DevOrificeDD2, DevOrificeFlange, DevIsa1932Nozzle, DevLongRadiusNozzle,
                  DevEccentricOrifice, DevQuarterCircle, DevConicalEntrance}) {
    EXPECT_REL_NEAR(lossOf(deviceCase(dev, 49.9L), C, beta), simple, 1e-18L) << dev;
    EXPECT_REL_NEAR(lossOf(deviceCase(dev, 50), C, beta), iso, 1e-18L) << dev;
  }
}

TEST(PressureLoss, BadInputGivesZero) {
  const CalculationCase c = deviceCase(DevOrificeDD2, 100);
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  for (Real beta : {nan, 0.0L, 1.0L, -0.5L, 2.0L}) EXPECT_EQ(lossOf(c, 0.6L, beta), 0);
  EXPECT_EQ(lossOf(c, nan, 0.5L), 0);
}

// ---- flowrate uncertainty -------------------------------------------------------------

TEST(FlowUncertainty, LiquidTerms) {
  CalculationCase c = deviceCase(DevOrificeFlange, 100);
  c.fluidKind = FluidWater;
  c.beta = 0.5L;
  c.densityUncertainty = 0.1L;
  c.pressureTransmitterError = 5;  // gas-only terms, ignored for a liquid
  c.k1Uncertainty = 5;
  c.isentropicExponent = 0;        // not needed for a liquid
  const UncertaintyBudget u = budgetOf(c, 1000, 0.6L);
  ASSERT_TRUE(u.valid);
  EXPECT_EQ(u.expansibility, 0);
  const Real b4 = 0.0625L;
  const Real uD = 0.4L * 2 * b4 / (1 - b4), ud = 0.07L * 2 / (1 - b4);
  EXPECT_REL_NEAR(u.total, std::sqrt(0.36L + uD * uD + ud * ud + 0.01L / 4), 1e-18L);
}

TEST(FlowUncertainty, TransmitterReferencedToTheReading) {
  // 0.1 % of a reference equal to dp: udp = 0.11547 %, contributing 0.0033 %^2.
  CalculationCase c = deviceCase(DevOrificeFlange, 100);
  c.fluidKind = FluidWater;
  c.beta = 0.5L;
  const UncertaintyBudget base = budgetOf(c, 2500, 0.6L);
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReferenceMmH2O = 2500;
  const UncertaintyBudget with = budgetOf(c, 2500, 0.6L);
  EXPECT_REL_NEAR(with.total * with.total - base.total * base.total, 0.11547L * 0.11547L / 4, 1e-12L);
  EXPECT_NEAR(static_cast<double>(with.total * with.total - base.total * base.total), 0.0033, 5e-5);
  // At a quarter of the reference the term is four times larger.
  const UncertaintyBudget low = budgetOf(c, 625, 0.6L);
  const UncertaintyBudget lowBase = [&] {
    CalculationCase k = c;
    k.dpTransmitterError = 0;
    return budgetOf(k, 625, 0.6L);
  }();
  EXPECT_REL_NEAR(low.total * low.total - lowBase.total * lowBase.total,
                  16 * 0.11547L * 0.11547L / 4, 1e-12L);
}

TEST(FlowUncertainty, GasDensityAndExpansibilityTerms) {
  CalculationCase c = deviceCase(DevOrificeDD2, 100);
  c.fluidKind = FluidNaturalGas;
  c.beta = 0.6L;
  c.isentropicExponent = 1.3L;
  c.pressureAt = 10;
  c.densityUncertainty = 0.1L;
  c.pressureTransmitterError = 0.2L;
  c.temperatureTransmitterError = 0.3L;
  c.k1Uncertainty = 0.4L;
  c.refDensityUncertainty = 0.5L;
  c.extraCUncertainty = 0.25L;
  const Real dp = 5000;  // x = 0.05
  const UncertaintyBudget u = budgetOf(c, dp, 0.6L);
  ASSERT_TRUE(u.valid);
  EXPECT_REL_NEAR(u.expansibility, 3.5L * 0.05L / 1.3L, 1e-15L);
  const Real k = 1.1547L;
  const Real uRho2 = (k * 0.2L) * (k * 0.2L) + 0.01L + (k * 0.3L) * (k * 0.3L) + 0.16L + 0.25L;
  const Real b4 = 0.1296L;
  const Real uD = 0.4L * 2 * b4 / (1 - b4), ud = 0.07L * 2 / (1 - b4);
  const Real expected = std::sqrt(0.85L * 0.85L + u.expansibility * u.expansibility + uD * uD +
                                  ud * ud + uRho2 / 4);
  EXPECT_REL_NEAR(u.total, expected, 1e-15L);
}

TEST(FlowUncertainty, ExpansibilityTermByDevice) {
  CalculationCase c;
  c.fluidKind = FluidAir;
  c.beta = 0.5L;
  c.isentropicExponent = 1.4L;
  c.pressureAt = 2;
  c.expansibility = 0.97L;
  const Real dp = 1000;  // x = 0.05
  const Real x = 0.05L;
  struct Row {
    int dev;
    Real D20;
    Real uEps;
  };
  const Real b8 = 0.00390625L;
  const Row rows[] = {
      {DevOrificeCorner, 25, 3.5L * x / 1.4L}, {DevOrificeCorner, 24, 4 * x},
      {DevOrificeDD2, 30, 3.5L * x / 1.4L},    {DevOrificeFlange, 50, 3.5L * x / 1.4L},
      {DevOrificeFlange, 49, 4 * x},           {DevEccentricOrifice, 200, 3.5L * x / 1.4L},
      {DevQuarterCircle, 100, 3.5L * x / 1.4L}, {DevIsa1932Nozzle, 100, 2 * x},
      {DevLongRadiusNozzle, 100, 2 * x},       {DevVenturiNozzle, 100, (4 + 100 * b8) * x},
      {DevVenturiAsCast, 100, (4 + 100 * b8) * x}, {DevVenturiMachined, 100, (4 + 100 * b8) * x},
      {DevVenturiRoughWelded, 300, (4 + 100 * b8) * x}, {DevConicalEntrance, 100, 33 * 0.03L},
  };
  for (const Row& r : rows) {
    c.deviceType = r.dev;
    c.pipeDiameter20 = r.D20;
    const UncertaintyBudget u = budgetOf(c, dp, 1);
    ASSERT_TRUE(u.valid) << r.dev;
    EXPECT_REL_NEAR(u.expansibility, r.uEps, 1e-15L) << r.dev;
  }
}

TEST(FlowUncertainty, BadInputIsInvalidNotNaN) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  CalculationCase c = deviceCase(DevOrificeDD2, 100);
  c.fluidKind = FluidAir;
  c.beta = 0.5L;
  c.isentropicExponent = 1.4L;
  c.pressureAt = 2;
  ASSERT_TRUE(budgetOf(c, 1000, 0.6L).valid);
  for (Real dp : {nan, -1.0L, 0.0L, inf}) {
    const UncertaintyBudget u = budgetOf(c, dp, 0.6L);
    EXPECT_FALSE(u.valid);
    EXPECT_EQ(u.total, 0);
  }
  EXPECT_FALSE(budgetOf(c, 1000, nan).valid);
  for (Real v : {nan, 0.0L, -1.0L}) {
    CalculationCase k = c;
    k.pressureAt = v;
    EXPECT_FALSE(budgetOf(k, 1000, 0.6L).valid);
    k = c;
    k.isentropicExponent = v;
    EXPECT_FALSE(budgetOf(k, 1000, 0.6L).valid);
    k = c;
    k.beta = v;
    EXPECT_FALSE(budgetOf(k, 1000, 0.6L).valid);
  }
  CalculationCase k = c;
  k.deviceType = 0;
  EXPECT_FALSE(budgetOf(k, 1000, 0.6L).valid);
  k = c;
  k.densityUncertainty = inf;
  EXPECT_FALSE(budgetOf(k, 1000, 0.6L).valid);
}

// ---- the budget's terms ---------------------------------------------------------------

TEST(UncertaintyBudget, DrainHoleIncrementEntersTheDischargeCoefficientTerm) {
  CalculationCase c = deviceCase(DevOrificeFlange, 200);
  c.fluidKind = FluidWater;
  c.beta = 0.5L;
  c.extraCUncertainty = 0.2L;
  const UncertaintyBudget without = budgetOf(c, 2500, 0.6L);
  c.drainHoleFactor = 0.55L;
  c.drainHoleDiameter = 5;
  c.deviceDiameter20 = 100;
  const UncertaintyBudget with = budgetOf(c, 2500, 0.6L);
  ASSERT_TRUE(with.valid);
  // 100 x 0.55 x (5/100)^2 = 0.1375 %, added linearly to u(C) and the addition.
  EXPECT_REL_NEAR(with.drainHole, 0.1375L, 1e-15L);
  EXPECT_EQ(with.cEquation, 0.6L);
  EXPECT_REL_NEAR(with.dischargeCoefficient, 0.9375L, 1e-15L);
  EXPECT_REL_NEAR(with.total * with.total - without.total * without.total,
                  0.9375L * 0.9375L - 0.8L * 0.8L, 1e-12L);
  EXPECT_EQ(drainHoleUncertaintyIncrement(0.55L, 0, 100), 0);
  EXPECT_EQ(drainHoleUncertaintyIncrement(0.55L, 5, 0), 0);
}

TEST(UncertaintyBudget, TransmitterErrorWithoutItsReferenceIsNotDeclared) {
  CalculationCase c = deviceCase(DevOrificeFlange, 100);
  c.fluidKind = FluidWater;
  c.beta = 0.5L;
  c.densityUncertainty = 0.1L;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReferenceMmH2O = 0;
  UncertaintyBudget u = budgetOf(c, 2500, 0.6L);
  EXPECT_FALSE(u.dpDeclared);
  EXPECT_EQ(u.differentialPressure, 0);
  EXPECT_FALSE(u.complete());
  c.dpTransmitterReferenceMmH2O = 2500;
  u = budgetOf(c, 2500, 0.6L);
  EXPECT_TRUE(u.dpDeclared);
  EXPECT_TRUE(u.complete());
  EXPECT_REL_NEAR(u.differentialPressure, 0.11547L, 1e-15L);
}

TEST(UncertaintyBudget, LiquidDensityTermIsTheEnteredOneAlone) {
  CalculationCase c = deviceCase(DevOrificeFlange, 100);
  c.fluidKind = FluidOtherLiquid;
  c.beta = 0.5L;
  c.pressureTransmitterError = 0.25L;
  c.temperatureTransmitterError = 0.5L;
  UncertaintyBudget u = budgetOf(c, 2500, 0.6L);
  EXPECT_EQ(u.density, 0);
  EXPECT_FALSE(u.densityDeclared);
  c.fluidKind = FluidAir;
  c.pressureAt = 5;
  c.isentropicExponent = 1.4L;
  u = budgetOf(c, 2500, 0.6L);
  EXPECT_TRUE(u.densityDeclared);
  EXPECT_REL_NEAR(u.density, 1.1547L * std::sqrt(0.0625L + 0.25L), 1e-15L);
}

TEST(UncertaintyBudget, TermsRecombineToTheTotal) {
  CalculationCase c = deviceCase(DevIsa1932Nozzle, 150);
  c.fluidKind = FluidSteam;
  c.beta = 0.55L;
  c.isentropicExponent = 1.3L;
  c.pressureAt = 20;
  c.dpTransmitterError = 0.075L;
  c.dpTransmitterReferenceMmH2O = 5000;
  c.densityUncertainty = 0.2L;
  c.k1Uncertainty = 0.1L;
  c.drainHoleFactor = 0.55L;
  c.drainHoleDiameter = 4;
  c.deviceDiameter20 = 82;
  const UncertaintyBudget u = budgetOf(c, 3000, 0.8L);
  ASSERT_TRUE(u.valid);
  auto sq = [](Real x) { return x * x; };
  EXPECT_REL_NEAR(u.total,
                  std::sqrt(sq(u.dischargeCoefficient) + sq(u.expansibility) + sq(u.pipeDiameter) +
                            sq(u.deviceDiameter) + sq(u.differentialPressure) / 4 +
                            sq(u.density) / 4),
                  1e-18L);
  EXPECT_REL_NEAR(sq(u.density),
                  sq(u.densityEntered) + sq(u.pressureTransmitter) + sq(u.temperatureTransmitter) +
                      sq(u.k1) + sq(u.refDensity),
                  1e-18L);
}

TEST(PressureLoss, NegativeOnlyWithACoefficientAboveOne) {
  // The simple form turns negative when C beta^2 > sqrt(1 - beta^4): at the
  // largest orifice beta 0.75 that needs C > 1.47, which the driver refuses.
  const CalculationCase c = deviceCase(DevOrificeFlange, 40);
  EXPECT_GT(lossOf(c, 1.0L, 0.75L), 0);
  EXPECT_LT(lossOf(c, 1.5L, 0.75L), 0);
}
