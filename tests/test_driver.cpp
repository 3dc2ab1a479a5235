// The calculation driver: the order of its checks, its questions and
// warnings, and whole calculations checked against the flow equation and by
// round trips between the three tasks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/coefficients.h"
#include "calc/driver.h"
#include "base/format.h"
#include "props/water_steam.h"
#include "support/driven_cases.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

// The water and typed-gas cases shared with the page tests.
CalculationCase waterCase(int task) { return dorvel::testing::waterInput(task); }
CalculationCase gasCase(int task) { return dorvel::testing::gasInput(task); }

struct Outcome {
  bool ok = false;
  bool nonConforming = false;
};

Outcome run(CalculationCase& c, RecordingInteraction& ui) {
  Outcome o;
  o.ok = runCalculation(c, ui, o.nonConforming);
  return o;
}

bool lastTextIs(const RecordingInteraction& ui, const std::string& text) {
  return !ui.log().empty() && ui.log().back().text == text;
}

}  // namespace

// ---- whole calculations ----------------------------------------------------

TEST(DriverFlowrate, WaterThroughFlangeOrificeObeysTheFlowEquation) {
  CalculationCase c = waterCase(3);
  RecordingInteraction ui;
  Outcome o = run(c, ui);
  ASSERT_TRUE(o.ok);
  EXPECT_FALSE(o.nonConforming);
  EXPECT_TRUE(ui.log().empty());
  // qm = C/sqrt(1-b^4) * eps * pi/4 d^2 sqrt(2 dp rho), all SI, at t = 20 degC
  const Real d = 0.050L, D = 0.100L, b = d / D;
  const Real dpPa = 20000;
  EXPECT_REL_NEAR(c.beta, b, 1e-15L);
  EXPECT_EQ(c.expansibility, 1);
  const Real qm = c.dischargeCoefficient / std::sqrt(1 - b * b * b * b) * kPi / 4 * d * d *
                  std::sqrt(2 * dpPa / kPaToKgm2 * kPaToKgm2 * c.density);
  EXPECT_REL_NEAR(c.massFlowKgH, qm * 3600, 1e-8L);
  // Re_D from the flowrate, and C in the plausible Reader-Harris/Gallagher band.
  EXPECT_REL_NEAR(c.reynolds, 4 * qm / (kPi * 1.002e-3L * D), 1e-7L);
  EXPECT_GT(c.dischargeCoefficient, 0.60L);
  EXPECT_LT(c.dischargeCoefficient, 0.61L);
  EXPECT_GT(c.flowUncertainty, 0.5L);
  EXPECT_LT(c.flowUncertainty, 1.0L);
  EXPECT_GT(c.pressureLoss, 0.6L);
  EXPECT_LT(c.pressureLoss, 0.8L);
  storeTaskResult(c);
  EXPECT_EQ(c.flowrateInput, c.massFlowKgH);
}

TEST(DriverFlowrate, LimitValuesFollowTheResult) {
  CalculationCase c = waterCase(3);
  RecordingInteraction ui;
  ASSERT_TRUE(run(c, ui).ok);
  EXPECT_REL_NEAR(c.edgeRadiusLimit, 0.0004L * c.deviceDiameter, 1e-15L);
  EXPECT_REL_NEAR(c.lowerRangeFlowrate, c.reynoldsMin / c.reynolds * c.massFlowKgH, 1e-15L);
}

// Task 3 -> task 2 returns the differential pressure; task 1 (nominal =
// upper range) -> task 3 returns the flowrate.  Liquids and gases, every
// device family, each in its own valid range.
struct RoundTripCase {
  int device;
  Real D, d;
  bool gas;
};

class DriverRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DriverRoundTrip, FlowToDpToFlowAndDiameterToFlow) {
  const RoundTripCase p = GetParam();
  CalculationCase base = p.gas ? gasCase(3) : waterCase(3);
  base.deviceType = p.device;
  base.pipeDiameter20 = p.D;
  base.deviceDiameter20 = p.d;
  if (p.device == DevVenturiNozzle || p.device >= DevVenturiAsCast || p.device == DevEccentricOrifice) {
    // These devices need large Reynolds numbers.
    base.flowrateInput = p.gas ? 60000 : 400000;
    base.dpInput = p.gas ? 20 : 30;
  }
  RecordingInteraction ui(true);

  CalculationCase t3 = base;
  ASSERT_TRUE(run(t3, ui).ok) << (ui.log().empty() ? "" : ui.log().back().text);
  const Real flow = t3.massFlowKgH;

  CalculationCase t2 = base;
  t2.task = 2;
  t2.flowrateInput = flow;
  ASSERT_TRUE(run(t2, ui).ok) << (ui.log().empty() ? "" : ui.log().back().text);
  EXPECT_REL_NEAR(t2.dpMmH2O, t3.dpMmH2O, 1e-7L);

  CalculationCase t1 = base;
  t1.task = 1;
  t1.flowrateInput = flow;
  t1.nominalFlowrate = flow;
  t1.deviceDiameter20 = 0;
  ASSERT_TRUE(run(t1, ui).ok) << (ui.log().empty() ? "" : ui.log().back().text);
  EXPECT_REL_NEAR(t1.deviceDiameter20, p.d, 1e-6L);

  CalculationCase back = base;
  back.deviceDiameter20 = t1.deviceDiameter20;
  ASSERT_TRUE(run(back, ui).ok);
  EXPECT_REL_NEAR(back.massFlowKgH, flow, 1e-7L);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, DriverRoundTrip,
    ::testing::Values(RoundTripCase{1, 100, 50, false}, RoundTripCase{2, 150, 90, false},
                      RoundTripCase{3, 100, 50, false}, RoundTripCase{3, 100, 50, true},
                      RoundTripCase{1, 200, 120, true}, RoundTripCase{4, 200, 120, false},
                      RoundTripCase{5, 200, 120, true}, RoundTripCase{6, 200, 120, false},
                      RoundTripCase{7, 200, 120, false}, RoundTripCase{8, 100, 40, false},
                      RoundTripCase{9, 200, 120, true}, RoundTripCase{10, 200, 120, false},
                      RoundTripCase{11, 300, 180, false}, RoundTripCase{12, 100, 25, false}),
    [](const ::testing::TestParamInfo<RoundTripCase>& i) {
      return "device" + std::to_string(i.param.device) + (i.param.gas ? "_gas" : "_liquid");
    });

// ---- checks in order ---------------------------------------------------------

TEST(DriverChecks, RangeErrorsAreCollectedUntilTheCheckpoint) {
  CalculationCase c = waterCase(3);
  c.pipeDiameter20 = 4000;
  c.deviceDiameter20 = 0.5L;
  c.temperature = 700;
  c.dpInput = 0;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  std::vector<std::string> expected = {"Pipe diameter too large",
                                       "Orifice diameter (throat) too small",
                                       "Temperature too high", "Enter the differential pressure."};
  EXPECT_EQ(ui.messages(), expected);
  EXPECT_TRUE(ui.questions().empty());
}

TEST(DriverChecks, EachRangeMessage) {
  struct Row {
    void (*edit)(CalculationCase&);
    const char* text;
  };
  const Row rows[] = {
      {[](CalculationCase& c) { c.pipeDiameter20 = 5; }, "Pipe diameter too small"},
      {[](CalculationCase& c) {
         c.task = 1;
         c.nominalFlowrate = 1000;
       },
       "Nominal fluid flowrate too small"},
      {[](CalculationCase& c) {
         c.task = 2;
         c.flowrateInput = 0;
       },
       "Enter the fluid flowrate"},
      {[](CalculationCase& c) {
         c.task = 1;
         c.nominalFlowrate = 21000;
       },
       "Nominal flowrate should be less than or equal to upper range flowrate"},
      {[](CalculationCase& c) { c.dpInput = 300; }, "Differential pressure too high"},
  };
  for (const Row& r : rows) {
    CalculationCase c = waterCase(3);
    r.edit(c);
    RecordingInteraction ui;
    EXPECT_FALSE(run(c, ui).ok) << r.text;
    EXPECT_TRUE(ui.saw(r.text)) << r.text;
  }
}

TEST(DriverChecks, GasPressureRatioInTheDiameterTask) {
  CalculationCase c = gasCase(1);
  c.dpInput = 260;  // 2.6 bar of 10 bar
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(ui.saw("The pressure ratio p2/p1 shall be greater than or equal to 0.75"));
  EXPECT_EQ(ui.log().front().polish,
            "Stosunek ci\u015Bnienia r\u00F3\u017Cnicowego do ci\u015Bnienia bezwzgl\u0119dnego\r\n"
            "nie mo\u017Ce by\u0107 wi\u0119kszy od liczby 0.25");
}

TEST(DriverChecks, NominalFlowJustAboveUpperRangeIsTakenAsUpperRange) {
  CalculationCase c = waterCase(1);
  c.nominalFlowrate = 20100;  // 0.5 % above
  c.deviceDiameter20 = 0;
  RecordingInteraction ui;
  ASSERT_TRUE(run(c, ui).ok) << (ui.log().empty() ? "" : ui.log().back().text);
  EXPECT_EQ(c.nominalFlowrate, c.flowrateInput);
  EXPECT_EQ(c.nominalPercent, 100);
  EXPECT_GT(c.deviceDiameter20, 40);
}

TEST(DriverChecks, LowestTemperatureDependsOnMaterials) {
  CalculationCase c = waterCase(3);
  c.fluidKind = FluidOtherLiquid;
  c.temperature = -100;
  c.pipeMaterial = MatBronze;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(ui.saw("Temperature too low"));

  c.pipeMaterial = MatCarbonSteel;
  c.deviceMaterial = MatStainless;
  ui.clear();
  EXPECT_TRUE(run(c, ui).ok);
  EXPECT_FALSE(ui.saw("Temperature too low"));
}

TEST(DriverQuestions, FlangeTappingsBetween40And50mm) {
  CalculationCase c = waterCase(3);
  c.pipeDiameter20 = 45;
  c.deviceDiameter20 = 22.5L;
  c.fittingAsme = 1;
  c.fittingOrifice = 1;
  c.asmeFittingListShown = true;
  c.flowrateInput = 5000;
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_EQ(no.questions()[0],
            "Pipe diameter range 40mm<D<50mm is not coverd by any standard. Continue "
            "calculations according to ASME MFC-14M-2003 standard ?");
  EXPECT_FALSE(c.warnAsmeRange);

  RecordingInteraction yes(true);
  Outcome o = run(c, yes);
  EXPECT_TRUE(o.ok) << yes.log().back().text;
  EXPECT_TRUE(c.warnAsmeRange);
  EXPECT_TRUE(o.nonConforming);
}

TEST(DriverQuestions, FittingListSwitchesForSmallBorePipes) {
  CalculationCase c = waterCase(3);
  c.deviceType = DevOrificeCorner;
  c.pipeDiameter20 = 20;
  c.deviceDiameter20 = 10;
  c.fittingOrifice = 3;
  c.fittingAsme = 1;
  c.asmeFittingListShown = false;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(c.asmeFittingListShown);
  EXPECT_TRUE(lastTextIs(ui,
                         "That change of input data causes a change of the set of upstream "
                         "fittings.\n\rCheck whether the declared fitting is correct."));
}

TEST(DriverQuestions, VaporizationAskedInFlowTaskWarnedInDpTask) {
  CalculationCase c = waterCase(3);
  c.temperature = 95;  // ps about 0.845 bar
  c.pressureInput = 1.0L;
  c.dpInput = 20;  // p2 = 0.8 bar
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_EQ(no.questions()[0], "Vaporization occurs. Continue?");

  RecordingInteraction yes(true);
  Outcome o = run(c, yes);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(c.warnVaporization);
  EXPECT_TRUE(o.nonConforming);

  // Task 2 with the flow that gives that dp: the warning, no question.
  CalculationCase t2 = c;
  t2.task = 2;
  t2.flowrateInput = c.massFlowKgH;
  RecordingInteraction ui;
  o = run(t2, ui);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(ui.questions().empty());
  EXPECT_TRUE(ui.saw("Vaporization occurs."));
  EXPECT_TRUE(t2.warnVaporization);
}

TEST(DriverQuestions, PipeAndThroatOutsideTheirRanges) {
  struct Row {
    Real D, d;
    const char* question;
    bool CalculationCase::*flag;
  };
  const Row rows[] = {
      {1100, 500, "Pipe diameter too large. Continue? "
                  "The results will not conform to the standard.", &CalculationCase::warnPipeTooLarge},
      {30, 15, "Pipe diameter too small. Continue? "
               "The results will not conform to the standard.", &CalculationCase::warnPipeTooSmall},
      {100, 11, "Device diameter too small. Continue? "
                "The results will not conform to the standard.", &CalculationCase::warnDeviceTooSmall},
  };
  for (const Row& r : rows) {
    CalculationCase c = waterCase(3);
    c.deviceType = DevOrificeDD2;
    c.pipeDiameter20 = r.D;
    c.deviceDiameter20 = r.d;
    c.dpInput = 5;
    RecordingInteraction no(false);
    EXPECT_FALSE(run(c, no).ok) << r.question;
    ASSERT_FALSE(no.questions().empty()) << r.question;
    EXPECT_EQ(no.questions()[0], r.question);
    RecordingInteraction yes(true);
    Outcome o = run(c, yes);
    EXPECT_TRUE(c.*r.flag) << r.question;
    EXPECT_TRUE(o.nonConforming);
  }
}

TEST(DriverQuestions, GasDpAboveAQuarterOfP1) {
  CalculationCase c = gasCase(3);
  c.dpInput = 300;  // 3 bar of 10 bar
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_EQ(no.questions()[0], "Differential pressur greater than 0.25*P1. Continue? "
                               "The results will not conform to the standard.");
  RecordingInteraction yes(true);
  Outcome o = run(c, yes);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(c.warnDpRatio);

  // The differential-pressure task only warns.
  CalculationCase t2 = c;
  t2.task = 2;
  t2.flowrateInput = c.massFlowKgH;
  RecordingInteraction ui;
  o = run(t2, ui);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(ui.saw("Differential pressure greater than 0.25*P1."));
  EXPECT_TRUE(o.nonConforming);
}

TEST(DriverChecks, BetaOutsideTheDeviceRange) {
  CalculationCase c = waterCase(3);
  c.deviceDiameter20 = 80;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  const std::string b = formatGeneral(c.beta, 8);
  EXPECT_TRUE(ui.saw("Diameter ratio beta=d/D=" + b + " too large.")) << b;
  EXPECT_EQ(ui.log().back().polish, "Za du\u017Ce przew\u0119zenie \"beta\" = d/D =" + b);

  c = waterCase(3);
  c.pipeDiameter20 = 500;
  c.deviceDiameter20 = 40;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Diameter ratio beta=d/D=" + formatGeneral(c.beta, 8) + " too small."));
}

TEST(DriverChecks, ReynoldsNumberTooLargeForTheDriver) {
  CalculationCase c = waterCase(2);
  c.viscosityEntered = 1e-12L;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0], "Reynolds number Re = " + formatGeneral(c.reynolds, 4) + " too large");
}

TEST(DriverWarnings, ReynoldsWindowOfTheDevice) {
  CalculationCase c = waterCase(3);
  c.viscosityEntered = 0.5L;  // a heavy oil: Re far below 5000
  c.fluidKind = FluidOtherLiquid;
  RecordingInteraction ui;
  Outcome o = run(c, ui);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(c.warnReynoldsLow);
  EXPECT_TRUE(o.nonConforming);
  EXPECT_TRUE(ui.saw("Reynolds number Re=" + formatFixed(c.reynolds, 10, 0) + " too small"));

  CalculationCase v = waterCase(3);
  v.deviceType = DevVenturiNozzle;
  v.pipeDiameter20 = 200;
  v.deviceDiameter20 = 120;
  v.dpInput = 500;  // large flow: Re above 2e6
  v.pressureInput = 20;
  RecordingInteraction ui2;
  o = run(v, ui2);
  EXPECT_TRUE(o.ok);
  EXPECT_TRUE(v.warnReynoldsHigh);
  EXPECT_TRUE(ui2.saw("Reynolds number Re=" + formatFixed(v.reynolds, 10, 0) + " too large"));
}

TEST(DriverWarnings, ReynoldsNumberOfAnAbsurdDensityStaysReadable) {
  // A density typed as 1e4000 is finite in extended precision; Re ~ 1e2000
  // must not fill the warning with two thousand digits.
  CalculationCase c = waterCase(3);
  c.fluidKind = FluidOtherLiquid;
  c.density = 1e4000L;
  RecordingInteraction ui;
  run(c, ui);
  ASSERT_TRUE(c.warnReynoldsHigh);
  const std::string expected = "Reynolds number Re=" + formatGeneral(c.reynolds, 7) + " too large";
  EXPECT_TRUE(ui.saw(expected)) << ui.messages().back().substr(0, 80);
  EXPECT_LT(expected.size(), 60u);
  // Ordinary values keep the fixed form and its width.
  EXPECT_EQ(formatFixedReadable(123456.7L, 10, 0), formatFixed(123456.7L, 10, 0));
  EXPECT_EQ(formatFixedReadable(-2.5L, 8, 2), "   -2.50");
  EXPECT_EQ(formatFixedReadable(-1.5e300L, 8, 2), "-1.5E300");
  EXPECT_EQ(formatFixedReadable(1.5e17L, 12, 0), "      1.5E17");
}

TEST(DriverWarnings, DrainHole) {
  CalculationCase c = waterCase(3);
  c.drainHoleDiameter = 6;  // > 0.1 d, and D <= 100 for an orifice plate
  RecordingInteraction ui;
  Outcome o = run(c, ui);
  ASSERT_TRUE(o.ok);
  EXPECT_TRUE(c.warnDrainHoleSize);
  EXPECT_TRUE(c.warnDrainHolePipe);
  EXPECT_TRUE(ui.saw("The diameter of the drain hole should not exceed 0.1*d."));
  EXPECT_TRUE(ui.saw("If a drain hole is drilled through the orifice plate - D should be > 100 mm."));
  CalculationCase plain = waterCase(3);
  ASSERT_TRUE(run(plain, ui).ok);
  EXPECT_REL_NEAR(c.cUncertainty - plain.cUncertainty, 100 * 0.55L * (6.0L / 50) * (6.0L / 50),
                  1e-3L);

  CalculationCase n = waterCase(3);
  n.deviceType = DevIsa1932Nozzle;
  n.pipeDiameter20 = 200;
  n.deviceDiameter20 = 130;
  n.drainHoleDiameter = 5;
  RecordingInteraction ui2;
  ASSERT_TRUE(run(n, ui2).ok);
  EXPECT_TRUE(ui2.saw("If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625."));
  EXPECT_TRUE(n.warnDrainHoleBeta);

  // A device without a drain-hole factor has no drain hole.
  CalculationCase v = waterCase(3);
  v.deviceType = DevVenturiMachined;
  v.pipeDiameter20 = 200;
  v.deviceDiameter20 = 120;
  v.dpInput = 5;
  v.drainHoleDiameter = 3;
  RecordingInteraction ui3;
  run(v, ui3);
  EXPECT_EQ(v.drainHoleDiameter, 0);
  EXPECT_FALSE(v.warnDrainHoleSize);
}

TEST(DriverWarnings, StraightLengthStatusesAbort) {
  CalculationCase c = waterCase(3);
  c.upstreamLengthActual = 0.5L;  // 5 D: far below every table
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Upstream straight length too short."));
  c.upstreamLengthActual = 0;
  c.downstreamLengthActual = 0.05L;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Downstream straight length too short."));
  c.upstreamLengthActual = 0.5L;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Upstream and downstream straigth lengths too short."));
}

// ---- other gas ---------------------------------------------------------------

TEST(DriverOtherGas, PressureAndMissingProperties) {
  CalculationCase c = gasCase(3);
  c.pressureInput = 0.005L;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Absolute pressure too low"));

  c = gasCase(3);
  c.isentropicExponent = 0;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Enter missing properties."));

  c = gasCase(3);
  c.flowUnit = 5;
  c.compressibilityK1 = 0;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Enter missing properties."));
}

TEST(DriverOtherGas, HumidityCorrectionOfATypedDensity) {
  CalculationCase c = gasCase(3);
  c.densityEnteredByHand = 1;
  c.densityKind = 2;  // reference density typed
  c.refDensity = 1.2929L;
  c.relativeHumidity = 50;
  c.temperature = 20;
  RecordingInteraction ui;
  ASSERT_TRUE(run(c, ui).ok);
  EXPECT_TRUE(c.humidityCorrected);
  const SaturationState s = waterSaturation(20);
  const Real F = (1000 - 50 * s.pressureAt / 1.01972L) * 273.15L / (293.15L * 101.325L);
  EXPECT_REL_NEAR(c.density, 1.2929L * F + 0.5L * s.vapourDensity, 1e-15L);

  // And back: the working density gives the reference density.
  CalculationCase w = gasCase(3);
  w.densityEnteredByHand = 1;
  w.densityKind = 1;
  w.density = c.density;
  w.relativeHumidity = 50;
  ASSERT_TRUE(run(w, ui).ok);
  EXPECT_REL_NEAR(w.refDensity, 1.2929L, 1e-15L);
}

TEST(DriverOtherGas, HumidityTooHigh) {
  CalculationCase c = gasCase(3);
  c.densityEnteredByHand = 1;
  c.pressureInput = 0.02L;  // below the vapour pressure at 20 degC
  c.relativeHumidity = 100;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Gas humidity too high"));
  c = gasCase(3);
  c.densityEnteredByHand = 1;
  c.relativeHumidity = 100.5L;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Gas humidity too high"));
}

// ---- the diameter task's beta window -------------------------------------------

TEST(DriverDiameter, DifferentialPressureOutsideTheWindow) {
  CalculationCase c = waterCase(1);
  c.dpUnit = 1;  // mm H2O
  c.flowrateInput = c.nominalFlowrate = 2000;
  c.dpInput = 200000;  // 20 bar: far too much even for beta = 0.1
  c.pressureInput = 100;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  ASSERT_FALSE(ui.messages().empty());
  EXPECT_EQ(ui.messages().back().rfind("Differential pressure should be less than ", 0), 0u)
      << ui.messages().back();
  EXPECT_EQ(ui.messages().back().substr(ui.messages().back().size() - 6), " mmH20");

  c = waterCase(1);
  c.dpInput = 0.01L;  // kPa: too little even for the largest beta
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  ASSERT_FALSE(ui.messages().empty());
  EXPECT_EQ(ui.messages().back().rfind("Differential pressure should be greater than ", 0), 0u)
      << ui.messages().back();
  EXPECT_EQ(ui.messages().back().substr(ui.messages().back().size() - 4), " kPa");
}

TEST(DriverDiameter, NominalReynoldsQuestion) {
  CalculationCase c = waterCase(1);
  c.deviceType = DevLongRadiusNozzle;
  c.pipeDiameter20 = 100;
  c.fluidKind = FluidOtherLiquid;
  // Re_nom = 9000: 4 qm / (pi mu D) with mu = 0.01 Pa s
  c.viscosityEntered = 0.01L;
  c.flowrateInput = 9000 * kPi * 0.01L * 0.1L / 4 * 3600;
  c.nominalFlowrate = c.flowrateInput;
  c.dpInput = 2;
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_EQ(no.questions()[0].rfind("Reynolds number of nominal flow too small: Re=", 0), 0u);
  EXPECT_TRUE(no.messages().empty());  // a No ends it silently

  RecordingInteraction yes(true);
  Outcome o = run(c, yes);
  EXPECT_TRUE(o.ok) << yes.log().back().text;
  EXPECT_TRUE(c.warnReynoldsLow);
  EXPECT_TRUE(c.rangePartlyOutside);
  EXPECT_TRUE(o.nonConforming);
}

TEST(DriverDiameter, UpperReynoldsQuestionAndNarrowWindow) {
  CalculationCase c = waterCase(1);
  c.deviceType = DevVenturiNozzle;
  c.pipeDiameter20 = 200;
  c.flowrateInput = 2.5e6L;  // Re about 4.4e6 > 2e6
  c.nominalFlowrate = c.flowrateInput;
  c.pressureInput = 50;
  c.dpInput = 1000;
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_EQ(no.questions()[0].rfind("Reynolds number of maximum flow too large: Re(max)=", 0), 0u);
  RecordingInteraction yes(true);
  EXPECT_TRUE(run(c, yes).ok) << yes.log().back().text;
  EXPECT_TRUE(c.warnReynoldsHigh);

  // Quarter-circle orifice at Re_D = 59950: betaMin = Re_D/1e5 = 0.5995 is
  // within 0.001 of betaMax = 0.6.
  CalculationCase n = waterCase(1);
  n.deviceType = DevQuarterCircle;
  n.flowrateInput = 59950 * kPi * 1.002e-3L * 0.1L / 4 * 3600;
  n.nominalFlowrate = n.flowrateInput;
  RecordingInteraction ui;
  EXPECT_FALSE(run(n, ui).ok);
  EXPECT_TRUE(ui.saw("Reynolds nambers for upper range and nominal flow not proper."))
      << (ui.log().empty() ? "" : ui.log().back().text);
}

// ---- hostile cases ---------------------------------------------------------------

// Whatever reaches the record, the driver ends in a message and false, or in
// finite results.
TEST(DriverHostile, SweepEndsInMessageOrFiniteResults) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real values[] = {0, -1, nan, inf, -inf, 1e-30L, 1e30L};
  using Edit = void (*)(CalculationCase&, Real);
  const Edit edits[] = {
      [](CalculationCase& c, Real v) { c.pipeDiameter20 = v; },
      [](CalculationCase& c, Real v) { c.deviceDiameter20 = v; },
      [](CalculationCase& c, Real v) { c.temperature = v; },
      [](CalculationCase& c, Real v) { c.pressureInput = v; },
      [](CalculationCase& c, Real v) { c.dpInput = v; },
      [](CalculationCase& c, Real v) { c.flowrateInput = v; },
      [](CalculationCase& c, Real v) { c.nominalFlowrate = v; },
      [](CalculationCase& c, Real v) { c.density = v; },
      [](CalculationCase& c, Real v) { c.enteredDensity = v; },
      [](CalculationCase& c, Real v) { c.viscosityEntered = v; },
      [](CalculationCase& c, Real v) { c.isentropicExponent = v; },
      [](CalculationCase& c, Real v) { c.compressibilityK1 = v; },
      [](CalculationCase& c, Real v) { c.drainHoleDiameter = v; },
      [](CalculationCase& c, Real v) { c.eccentricRoughness = v; },
      [](CalculationCase& c, Real v) { c.upstreamLengthActual = v; },
      [](CalculationCase& c, Real v) { c.relativeHumidity = v; },
      [](CalculationCase& c, Real v) { c.refPressure = v; },
      [](CalculationCase& c, Real v) { c.dpTransmitterError = v; },
      [](CalculationCase& c, Real v) { c.deviceDiameter20 = v * 0 + 100; },  // beta = 1
      [](CalculationCase& c, Real v) { c.isentropicExponent = 1 + v * 0; },
      [](CalculationCase& c, Real v) {
        c.deviceType = std::isfinite(v) && std::fabs(v) < 1e6L ? static_cast<int>(v) : 99;
      },
      [](CalculationCase& c, Real v) { c.fluidKind = std::isfinite(v) ? 11 : 0; },
      [](CalculationCase& c, Real v) { c.flowUnit = std::isfinite(v) ? 6 : 0; },
      [](CalculationCase& c, Real v) { c.viscosityUnit = std::isfinite(v) ? 5 : -1; },
      [](CalculationCase& c, Real v) { c.task = std::isfinite(v) ? 4 : 0; },
      [](CalculationCase& c, Real v) { c.pipeMaterial = std::isfinite(v) ? 8 : 0; },
      [](CalculationCase& c, Real v) { c.fittingOrifice = std::isfinite(v) ? 13 : 0; },
  };
  int runs = 0;
  for (int task = 1; task <= 3; ++task)
    for (bool gas : {false, true})
      for (int device : {1, 4, 7, 8, 12})
        for (const Edit& e : edits)
          for (Real v : values)
            for (bool answer : {false, true}) {
              CalculationCase c = gas ? gasCase(task) : waterCase(task);
              c.deviceType = device;
              if (device == DevIsa1932Nozzle || device == DevEccentricOrifice) {
                c.pipeDiameter20 = 200;
                c.deviceDiameter20 = 120;
              }
              e(c, v);
              RecordingInteraction ui(answer);
              bool nonConforming = false;
              const bool ok = runCalculation(c, ui, nonConforming);
              ++runs;
              if (!ok) {
                EXPECT_FALSE(ui.log().empty()) << "false without a message";
                continue;
              }
              for (Real r : {c.massFlowKgH, c.dpMmH2O, c.deviceDiameter20, c.beta,
                             c.dischargeCoefficient, c.expansibility, c.flowUncertainty,
                             c.pressureLoss, c.reynolds, c.cUncertainty, c.lowerRangeFlowrate,
                             c.reynoldsLimitFlowrate, c.roughnessLimit})
                ASSERT_TRUE(std::isfinite(r)) << "task " << task << " device " << device;
              // No impossible number as a result either.
              ASSERT_GT(c.dischargeCoefficient, 0);
              ASSERT_LE(c.dischargeCoefficient, 1);
              ASSERT_GE(c.pressureLoss, 0);
              ASSERT_GT(c.deviceDiameter20, 0);
            }
  EXPECT_GT(runs, 10000);
}

// ---- impossible results ------------------------------------------------------------

TEST(DriverImpossible, DifferentialPressureTaskHeldToTheEnteredLimit) {
  // A liquid at 2 bar: the dp that carries the flow is above half of p1,
  // which tasks 1 and 3 refuse for an entered dp; task 2 refuses it too,
  // deviations accepted or not.
  for (bool answer : {false, true}) {
    CalculationCase c = waterCase(2);
    c.pressureInput = 2;
    c.flowrateInput = 66000;
    RecordingInteraction ui(answer);
    EXPECT_FALSE(run(c, ui).ok);
    EXPECT_TRUE(lastTextIs(ui, "Differential pressure too high"));
    EXPECT_GT(c.dpMmH2O * 0.0001L / c.pressureAt, 0.5L);
  }
  // Below the limit the same case computes.
  CalculationCase c = waterCase(2);
  c.pressureInput = 2;
  c.flowrateInput = 30000;
  RecordingInteraction ui;
  EXPECT_TRUE(run(c, ui).ok);
}

TEST(DriverImpossible, DrainHoleLeavingNoBoreIsRefused) {
  CalculationCase c = waterCase(1);
  c.deviceType = DevIsa1932Nozzle;
  c.pipeDiameter20 = 200;
  c.flowrateInput = c.nominalFlowrate = 100000;
  c.drainHoleDiameter = 200;
  RecordingInteraction ui(true);
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui,
                         "The drain hole is too large: the orifice diameter corrected for it is "
                         "not positive."));
  // A drain hole within the bore sizes it.
  c.drainHoleDiameter = 5;
  RecordingInteraction ui2(true);
  ASSERT_TRUE(run(c, ui2).ok);
  EXPECT_GT(c.deviceDiameter20, 0);
}

TEST(DriverImpossible, CoefficientOutsideZeroToOneIsRefused) {
  // A viscous liquid at a tiny dp: Re_D far below the orifice equation's
  // range; its Reynolds-number terms extrapolate C to hundreds.
  CalculationCase c = waterCase(3);
  c.fluidKind = FluidOtherLiquid;
  c.density = c.enteredDensity = 900;
  c.viscosityEntered = 50;
  c.dpInput = 0.01L;
  RecordingInteraction ui(true);
  EXPECT_FALSE(run(c, ui).ok);
  ASSERT_FALSE(ui.log().empty());
  EXPECT_EQ(ui.log().back().text.rfind("Discharge coefficient C = ", 0), 0u) << ui.log().back().text;
  EXPECT_GT(c.dischargeCoefficient, 1);
}

TEST(DriverUncertainty, BudgetStoredWithTheDrainHoleIncrement) {
  CalculationCase c = waterCase(3);
  c.pipeDiameter20 = 150;
  c.deviceDiameter20 = 75;
  c.drainHoleDiameter = 5;
  RecordingInteraction ui;
  ASSERT_TRUE(run(c, ui).ok);
  const UncertaintyBudget& b = c.uncertaintyBudget;
  ASSERT_TRUE(b.valid);
  EXPECT_REL_NEAR(b.drainHole, 100 * 0.55L * (5 / 75.0L) * (5 / 75.0L), 1e-15L);
  EXPECT_EQ(c.cUncertainty, b.cEquation + b.drainHole);
  EXPECT_EQ(c.flowUncertainty, b.total);
  EXPECT_EQ(c.expansibilityUncertainty, b.expansibility);
}

TEST(DriverDiameter, SizedThroatBelowItsMinimumOnlyWarns) {
  CalculationCase c = waterCase(1);
  c.deviceType = DevVenturiNozzle;  // dmin = 50 mm
  c.pipeDiameter20 = 65;
  c.flowrateInput = c.nominalFlowrate = 40000;
  c.dpInput = 40;
  c.deviceDiameter20 = 0;
  RecordingInteraction ui;
  Outcome o = run(c, ui);
  ASSERT_TRUE(o.ok) << (ui.log().empty() ? "" : ui.log().back().text);
  EXPECT_LT(c.deviceDiameter20, 50);
  EXPECT_TRUE(c.warnDeviceTooSmall);
  EXPECT_TRUE(o.nonConforming);
  EXPECT_TRUE(ui.log().empty());
}

TEST(DriverQuestions, LiquidAmmoniaEvaporatingInTheThroat) {
  CalculationCase c = waterCase(3);
  c.fluidKind = FluidLiquidAmmonia;
  c.temperature = 20;
  c.pressureUnit = 1;  // kG/cm2
  c.pressureInput = 9;
  c.dpUnit = 1;
  c.dpInput = 3000;  // throat at 8.7 kG/cm2, below 8.741
  RecordingInteraction no(false);
  EXPECT_FALSE(run(c, no).ok);
  ASSERT_EQ(no.log().size(), 2u);
  EXPECT_EQ(no.log()[0].text, "Evaporation!");
  EXPECT_EQ(no.log()[1].text, "Vaporization occurs. Continue?");
  RecordingInteraction yes(true);
  Outcome o = run(c, yes);
  ASSERT_TRUE(o.ok);
  EXPECT_TRUE(c.warnVaporization);
  EXPECT_NEAR(static_cast<double>(c.density), 610.3, 0.5);  // the table's liquid at 20 degC
}

// ---- results outside the standard, and the refusals of the Part's order ----------

TEST(DriverConformity, AnyAcceptedDeviationMarksTheResultsNotConforming) {
  // ISA 1932 nozzle in a 600 mm pipe (the nozzle stops at 500 mm): Yes to
  // the pipe question gives results, but not conforming ones, though no
  // Reynolds-number question was asked.
  CalculationCase c = waterCase(3);
  c.deviceType = DevIsa1932Nozzle;
  c.pipeDiameter20 = 600;
  c.deviceDiameter20 = 300;
  RecordingInteraction yes(true);
  const Outcome o = run(c, yes);
  ASSERT_TRUE(o.ok) << yes.log().back().text;
  EXPECT_TRUE(yes.saw("Pipe diameter too large. Continue? "
                      "The results will not conform to the standard."));
  EXPECT_TRUE(c.warnPipeTooLarge);
  EXPECT_FALSE(c.rangePartlyOutside);
  EXPECT_TRUE(o.nonConforming);
  EXPECT_TRUE(c.hasWarnings());
  // The next run starts clean.
  c.pipeDiameter20 = 400;
  c.deviceDiameter20 = 200;
  EXPECT_FALSE(run(c, yes).nonConforming);
  EXPECT_FALSE(c.hasWarnings());
}

TEST(DriverDiameter, StraightLengthsTooShortAtTheWindowEdgeRefuse) {
  // D and D/2 tappings, D = 100 mm, 2 m upstream and 0.5 m downstream: the
  // lengths fail at betaMax, so the check ends there and nothing is sized.
  CalculationCase c = waterCase(1);
  c.deviceType = DevOrificeDD2;
  c.pipeDiameter20 = 100;
  c.upstreamLengthActual = 2;
  c.downstreamLengthActual = 0.5L;
  c.deviceDiameter20 = 0;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Upstream and downstream straigth lengths too short."));
  EXPECT_EQ(ui.log().back().polish,
            "Za kr\u00F3tkie proste odcinki przed i za zw\u0119\u017Ck\u0105");
  EXPECT_EQ(c.deviceDiameter20, 0);
  // Undeclared lengths are never too short: the bore is sized.
  c.upstreamLengthActual = c.downstreamLengthActual = 0;
  ui.clear();
  ASSERT_TRUE(run(c, ui).ok);
  EXPECT_GT(c.deviceDiameter20, 10);
}

TEST(DriverOtherGas, HumidityFactorRefusedOnlyWhereItSpoilsTheDensity) {
  // K1 = 0 with a typed working density and kg/h: the reference density is
  // the working density over an infinite factor, 0, and the flow computes.
  CalculationCase c = gasCase(3);
  c.densityEnteredByHand = 1;
  c.densityKind = 1;
  c.flowUnit = 1;
  c.compressibilityK1 = 0;
  c.refDensity = 7;
  RecordingInteraction ui;
  ASSERT_TRUE(run(c, ui).ok) << (ui.log().empty() ? "" : ui.log().back().text);
  EXPECT_EQ(c.refDensity, 0);
  EXPECT_GT(c.massFlowKgH, 0);

  // Below absolute zero the factor is negative; the range check speaks first.
  for (int kind : {1, 2}) {
    c = gasCase(3);
    c.densityEnteredByHand = 1;
    c.densityKind = kind;
    c.refDensity = 1.2929L;
    c.temperature = -275;
    ui.clear();
    EXPECT_FALSE(run(c, ui).ok);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Temperature too low"}) << kind;
  }

  // A reference density that the factor turns into no working density at
  // all (reference temperature at absolute zero): refused after the ranges.
  c = gasCase(3);
  c.densityEnteredByHand = 1;
  c.densityKind = 2;
  c.refDensity = 1.2929L;
  c.refTemperature = -273.15L;
  const Real before = c.density;
  ui.clear();
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(lastTextIs(ui, "Enter missing properties."));
  EXPECT_EQ(c.density, before);
}

TEST(DriverChecks, NominalFlowAboveAZeroUpperRangeFlow) {
  CalculationCase c = waterCase(1);
  c.flowrateInput = 0;
  c.nominalFlowrate = 100;
  RecordingInteraction ui;
  EXPECT_FALSE(run(c, ui).ok);
  EXPECT_TRUE(ui.saw("Enter the fluid flowrate"));
  EXPECT_TRUE(ui.saw("Nominal flowrate should be less than or equal to upper range flowrate"));
  EXPECT_EQ(c.nominalFlowrate, 100);
}
