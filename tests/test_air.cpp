// Air and humid gas mixtures, and the humidity correction.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/interaction.h"
#include "base/shared.h"
#include "props/air.h"
#include "props/mixture.h"
#include "props/water_steam.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kInf = std::numeric_limits<Real>::infinity();

// A gas case at t [degC] and p [kPa], reference conditions 0 degC, 101.325 kPa.
CalculationCase gasCase(Real t, Real pKPa) {
  CalculationCase c;
  c.fluidKind = FluidAir;
  c.temperature = t;
  c.pressureUnit = 2;  // kPa
  c.pressureInput = pKPa;
  c.refTemperature = 0;
  c.refPressure = 101.325L;
  convertPressureUnits(c);
  setAirComposition(c);
  return c;
}

GasMixtureStatus run(CalculationCase& c, Real phi) {
  RecordingInteraction ui;
  return gasMixtureProperties(c, c.mixtureMolePercent, phi, c.temperature, c.pressureBar, ui);
}

// The outputs of gasMixtureProperties, to see that a failure changes nothing.
std::array<Real, 9> outputs(const CalculationCase& c) {
  return {c.refDensity,         c.density,          c.steamMoleFraction,
          c.compressibilityZ,   c.compressibilityK1, c.isentropicExponent,
          c.viscosityEntered,   c.satPressure,      c.satVapourDensity};
}

}  // namespace

// ---- dry air ------------------------------------------------------------------

TEST(AirComposition, BuiltInDryAir) {
  const Composition air = dryAirComposition();
  Real sum = 0;
  int used = 0;
  for (Real x : air) {
    sum += x;
    used += x != 0;
  }
  EXPECT_REL_NEAR(sum, 100.0L, 1e-17L);
  EXPECT_EQ(used, 5);
  EXPECT_EQ(air[kSlotN2], 78.104L);
  EXPECT_EQ(air[kSlotO2], 20.946L);
  EXPECT_EQ(air[kSlotAr], 0.9165L);
  EXPECT_EQ(air[kSlotHe], 0.0005L);
  EXPECT_EQ(air[kSlotCO2], 0.033L);

  CalculationCase c;
  c.compositionInMolePercent = 0;
  c.mixtureComposition.fill(5);
  c.mixtureMolePercent.fill(5);
  setAirComposition(c);
  EXPECT_EQ(c.compositionInMolePercent, 1);
  for (int i = 0; i < kMixtureComponents; ++i) {
    EXPECT_EQ(c.mixtureComposition[static_cast<std::size_t>(i)], air[static_cast<std::size_t>(i)]);
    EXPECT_EQ(c.mixtureMolePercent[static_cast<std::size_t>(i)], air[static_cast<std::size_t>(i)]);
  }
}

// At the reference state a dry gas has K1 = 1 and its working density is
// its reference density; dry air there is 1.292923 kg/m3 (the normal
// density used by SGERG-88 for relative densities), viscosity 17.16 uPa*s,
// isentropic exponent 1.403.
TEST(GasMixture, DryAirAtTheReferenceState) {
  CalculationCase c = gasCase(0, 101.325L);
  ASSERT_EQ(run(c, 0), GasMixtureStatus::Ok);
  EXPECT_EQ(c.compressibilityK1, 1);
  EXPECT_REL_NEAR(c.density, c.refDensity, 1e-18L);
  EXPECT_REL_NEAR(c.refDensity, 1.292923L, 5e-4L);
  EXPECT_EQ(c.steamMoleFraction, 0);
  EXPECT_REL_NEAR(c.viscosityEntered, 1.716e-5L, 1e-2L);
  EXPECT_REL_NEAR(c.isentropicExponent, 1.403L, 5e-3L);
  EXPECT_GT(c.compressibilityZ, 0.999L);
  EXPECT_LT(c.compressibilityZ, 1);
  EXPECT_EQ(c.satPressure, waterSaturation(0).pressureAt);
  EXPECT_EQ(c.satVapourDensity, waterSaturation(0).vapourDensity);

  // Other reference conditions: ISA sea level, 15 degC and 101.325 kPa,
  // density 1.2250 kg/m3.
  CalculationCase isa = gasCase(15, 101.325L);
  isa.refTemperature = 15;
  ASSERT_EQ(run(isa, 0), GasMixtureStatus::Ok);
  EXPECT_EQ(isa.compressibilityK1, 1);
  EXPECT_REL_NEAR(isa.density, isa.refDensity, 1e-18L);
  EXPECT_REL_NEAR(isa.refDensity, 1.2250L, 5e-4L);
}

// Isentropic exponent of dry air at 20 degC and 1.01325 bar against Lemmon's
// dry-air equation (1.4019), within 0.05 %: it rests on the ideal-gas heat
// capacity of O2, whose old E/T^2 row made it 1.3940.
TEST(GasMixture, DryAirIsentropicExponentAgainstLemmon) {
  CalculationCase c = gasCase(20, 101.325L);
  ASSERT_EQ(run(c, 0), GasMixtureStatus::Ok);
  EXPECT_REL_NEAR(c.isentropicExponent, 1.4019L, 5e-4L);
}

TEST(GasMixture, DryAirUnderPressure) {
  CalculationCase c = gasCase(20, 1000);  // 10 bar
  ASSERT_EQ(run(c, 0), GasMixtureStatus::Ok);
  EXPECT_REL_NEAR(c.density, 11.92L, 3e-3L);
  EXPECT_LT(c.compressibilityK1, 1);
  // The gas law with K1 reproduces the equation-of-state density of the dry gas.
  MoleFractions y{};
  for (std::size_t i = 0; i < kMixtureComponents; ++i) y[i] = c.mixtureMolePercent[i] / 100;
  const MixtureState eos =
      mixtureStateProperties(StateDetail::DensityOnly, 20, 10, mixtureParameters(y));
  EXPECT_REL_NEAR(c.density, eos.density, 1e-15L);
  EXPECT_EQ(c.compressibilityZ, eos.z);
}

// phi = 0: no vapour added; the steam mole fraction is the water entered in
// the composition, and the density is that of the gas as given.
TEST(GasMixture, NoHumidityKeepsTheComposition) {
  CalculationCase c = gasCase(30, 500);
  c.mixtureMolePercent = {};
  c.mixtureMolePercent[kSlotN2] = 98;
  c.mixtureMolePercent[kSlotH2O] = 2;
  ASSERT_EQ(run(c, 0), GasMixtureStatus::Ok);
  EXPECT_REL_NEAR(c.steamMoleFraction, 0.02L, 1e-18L);
  MoleFractions y{};
  y[kSlotN2] = 0.98L;
  y[kSlotH2O] = 0.02L;
  const MixtureState eos =
      mixtureStateProperties(StateDetail::Full, 30, 5, mixtureParameters(y));
  EXPECT_REL_NEAR(c.density, eos.density, 1e-15L);
  EXPECT_REL_NEAR(c.viscosityEntered, eos.viscosity * 0.001L, 1e-18L);
  EXPECT_EQ(c.isentropicExponent, eos.isentropicExponent);
}

// Saturated air at 20 degC and 101.325 kPa: vapour mole fraction
// 2.339/101.325 = 2.31 %, density 1.194 kg/m3 against 1.204 kg/m3 dry
// (moist-air tables); the density falls steadily with the humidity.
TEST(GasMixture, HumidAirIsLighterThanDryAir) {
  CalculationCase dry = gasCase(20, 101.325L);
  ASSERT_EQ(run(dry, 0), GasMixtureStatus::Ok);
  EXPECT_REL_NEAR(dry.density, 1.2041L, 1e-3L);
  Real last = dry.density;
  for (Real phi : {25.0L, 50.0L, 75.0L, 100.0L}) {
    CalculationCase c = gasCase(20, 101.325L);
    ASSERT_EQ(run(c, phi), GasMixtureStatus::Ok);
    EXPECT_LT(c.density, last) << double(phi);
    EXPECT_EQ(c.refDensity, dry.refDensity);  // reference density is of the dry gas
    EXPECT_EQ(c.compressibilityK1, dry.compressibilityK1);
    last = c.density;
    if (phi == 100) {
      EXPECT_REL_NEAR(c.steamMoleFraction, 2.339L / 101.325L, 2e-3L);
      EXPECT_REL_NEAR(c.density, 1.194L, 3e-3L);
    }
  }
  // Water in the composition adds to the vapour from the humidity.
  CalculationCase wet = gasCase(20, 101.325L);
  for (std::size_t i = 0; i < kMixtureComponents; ++i) wet.mixtureMolePercent[i] *= 0.99L;
  wet.mixtureMolePercent[kSlotH2O] = 1;
  ASSERT_EQ(run(wet, 50), GasMixtureStatus::Ok);
  const Real xs = 0.5L * wet.satPressure / (1.01325L * kBarToAt);
  EXPECT_REL_NEAR(wet.steamMoleFraction, 0.01L * (1 - xs) + xs, 1e-15L);
}

// ---- bad input --------------------------------------------------------------------

TEST(GasMixture, UnusableInputLeavesTheCaseUnchanged) {
  struct Bad {
    const char* what;
    Real phi, t, pBar;
    void (*edit)(CalculationCase&);
    GasMixtureStatus status;
  };
  const Bad cases[] = {
      {"sum 0", 0, 20, 1, [](CalculationCase& c) { c.mixtureMolePercent = {}; },
       GasMixtureStatus::BadComposition},
      {"negative share", 0, 20, 1, [](CalculationCase& c) { c.mixtureMolePercent[kSlotO2] = -1; },
       GasMixtureStatus::BadComposition},
      {"NaN share", 0, 20, 1, [](CalculationCase& c) { c.mixtureMolePercent[kSlotAr] = kNaN; },
       GasMixtureStatus::BadComposition},
      {"phi > 100", 100.1L, 20, 1, nullptr, GasMixtureStatus::BadHumidity},
      {"phi < 0", -1, 20, 1, nullptr, GasMixtureStatus::BadHumidity},
      {"phi NaN", kNaN, 20, 1, nullptr, GasMixtureStatus::BadHumidity},
      // 100 % at 80 degC and 0.4 bar: vapour pressure 0.47 bar above the total.
      {"vapour above total", 100, 80, 0.4L, nullptr, GasMixtureStatus::BadHumidity},
      {"p = 0", 0, 20, 0, nullptr, GasMixtureStatus::BadState},
      {"p < 0", 0, 20, -1, nullptr, GasMixtureStatus::BadState},
      {"p NaN", 0, 20, kNaN, nullptr, GasMixtureStatus::BadState},
      {"p inf", 0, 20, kInf, nullptr, GasMixtureStatus::BadState},
      {"t = -273.15", 0, -273.15L, 1, nullptr, GasMixtureStatus::BadState},
      {"t = -300", 0, -300, 1, nullptr, GasMixtureStatus::BadState},
      {"t NaN", 0, kNaN, 1, nullptr, GasMixtureStatus::BadState},
      {"t = 1e6", 0, 1e6L, 1, nullptr, GasMixtureStatus::BadState},  // no saturation data
      {"reference p = 0", 0, 20, 1, [](CalculationCase& c) { c.refPressure = 0; },
       GasMixtureStatus::BadState},
      {"reference t = -273.15", 0, 20, 1, [](CalculationCase& c) { c.refTemperature = -273.15L; },
       GasMixtureStatus::BadState},
      {"pressureKPa NaN", 0, 20, 1, [](CalculationCase& c) { c.pressureKPa = kNaN; },
       GasMixtureStatus::BadState},
      {"pressureKPa 0 with 1 bar", 50, 20, 1, [](CalculationCase& c) { c.pressureKPa = 0; },
       GasMixtureStatus::BadState},
  };
  for (const Bad& b : cases) {
    SCOPED_TRACE(b.what);
    CalculationCase c = gasCase(20, 100);
    c.density = 7;  // earlier results stay in place
    c.viscosityEntered = 8;
    if (b.edit) b.edit(c);
    const auto before = outputs(c);
    RecordingInteraction ui;
    EXPECT_EQ(gasMixtureProperties(c, c.mixtureMolePercent, b.phi, b.t, b.pBar, ui), b.status);
    EXPECT_EQ(outputs(c), before);
  }
}

// A sweep of hostile and extreme inputs: either a failure status with the
// case untouched, or finite results.
TEST(GasMixture, HostileSweepNeverWritesNaN) {
  const Real ts[] = {-300, -273.15L, -250, -100, 0, 20, 100, 374, 600, 1e4L, kNaN, kInf, -kInf};
  const Real ps[] = {-1, 0, 1e-9L, 0.006L, 1, 70, 120, 1e4L, 1e8L, kNaN, kInf};
  const Real phis[] = {-1, 0, 50, 100, 100.1L, kNaN};
  const Real refPs[] = {-5, 0, 101.325L, kNaN};
  const Real refTs[] = {-273.15L, 0, 15};
  int ok = 0, failed = 0;
  for (Real t : ts)
    for (Real p : ps)
      for (Real phi : phis)
        for (Real rp : refPs)
          for (Real rt : refTs) {
            CalculationCase c = gasCase(20, 100);
            c.refPressure = rp;
            c.refTemperature = rt;
            c.pressureKPa = p * 100;
            const auto before = outputs(c);
            RecordingInteraction ui;  // a liquid-like state is answered No
            if (gasMixtureProperties(c, c.mixtureMolePercent, phi, t, p, ui) ==
                GasMixtureStatus::Ok) {
              ++ok;
              for (Real x : outputs(c))
                ASSERT_TRUE(std::isfinite(x)) << double(t) << " " << double(p) << " " << double(phi);
              EXPECT_GT(c.refDensity, 0);
              EXPECT_GT(c.density, 0);
              EXPECT_GT(c.compressibilityK1, 0);
            } else {
              ++failed;
              ASSERT_EQ(outputs(c), before);
            }
          }
  EXPECT_GT(ok, 0);
  EXPECT_GT(failed, 0);
}

// ---- humidity correction ---------------------------------------------------------

TEST(HumidityCorrection, Texts) {
  EXPECT_STREQ(kHumidityCorrectionCaption, "Humidity correction");
  EXPECT_STREQ(kHumidityPressureTooLow, "Pressure too low");
  EXPECT_STREQ(kSteamMoleFractionPrefix, "Steam mole fraction in gas mixture =");
  EXPECT_EQ(humidityPressureUnitLabel(1), "KG/cm2");
  EXPECT_EQ(humidityPressureUnitLabel(2), "KPa");
  EXPECT_EQ(humidityPressureUnitLabel(3), "MPa");
  EXPECT_EQ(humidityPressureUnitLabel(4), "BAR");
  EXPECT_EQ(humidityPressureUnitLabel(0), "");
  EXPECT_EQ(humidityPressureUnitLabel(5), "");
  CalculationCase c;
  c.temperature = 20;
  c.pressureInput = 1.5L;
  c.pressureUnit = 3;
  EXPECT_EQ(humidityResultPrefix(c),
            "Corrected relative humidity in flowing conditions (20.00 °C, 1.50 MPa) =");
}

namespace {
CalculationCase humidityCase(Real t, Real pBar, Real tMeas, Real pMeasBar, Real phiMeas) {
  CalculationCase c;
  c.pressureUnit = 4;  // bar
  c.temperature = t;
  c.pressureInput = pBar;
  c.humidityMeasTemperature = tMeas;
  c.humidityMeasPressure = pMeasBar;
  c.humidityMeasured = phiMeas;
  return c;
}
}  // namespace

TEST(HumidityCorrection, SameConditionsGiveTheSameHumidity) {
  CalculationCase c = humidityCase(35, 4, 35, 4, 63.5L);
  const HumidityCorrection r = correctHumidity(c);
  ASSERT_EQ(r.status, HumidityCorrectionStatus::Ok);
  EXPECT_REL_NEAR(c.relativeHumidity, 63.5L, 1e-18L);
  EXPECT_EQ(r.relativeHumidity, c.relativeHumidity);
  EXPECT_TRUE(c.caseModified);  // was 0, now 63.5
  // Again: nothing changes, so the case is not marked modified.
  c.caseModified = false;
  correctHumidity(c);
  EXPECT_FALSE(c.caseModified);
  EXPECT_EQ(c.satPressure, waterSaturation(35).pressureAt);
}

// Measured at 20 degC and 1 bar, flowing at 20 degC and 10 bar: the vapour
// partial pressure rises tenfold with the compression.
TEST(HumidityCorrection, CompressionMultipliesAndCapsAt100) {
  CalculationCase c = humidityCase(20, 10, 20, 1, 5);
  HumidityCorrection r = correctHumidity(c);
  ASSERT_EQ(r.status, HumidityCorrectionStatus::Ok);
  EXPECT_REL_NEAR(c.relativeHumidity, 50.0L, 1e-17L);
  EXPECT_EQ(c.pressureBar, 10);
  // Steam mole fraction = phi * ps / p, in %: 50 % of 2.339 kPa at 1000 kPa.
  EXPECT_REL_NEAR(r.moleFractionPercent, 50 * c.satPressure / c.pressureAt, 1e-18L);
  EXPECT_REL_NEAR(r.moleFractionPercent, 0.5L * 2.339L / 1000 * 100, 2e-3L);
  EXPECT_EQ(r.humidityLine,
            "Corrected relative humidity in flowing conditions (20.00 °C, 10.00 BAR) =50 [%]");
  EXPECT_EQ(r.moleFractionLine, "Steam mole fraction in gas mixture =0.117 [%]");

  c.humidityMeasured = 20;  // would be 200 %
  r = correctHumidity(c);
  EXPECT_EQ(c.relativeHumidity, 100);
  EXPECT_EQ(r.relativeHumidity, 100);
  EXPECT_EQ(r.humidityLine,
            "Corrected relative humidity in flowing conditions (20.00 °C, 10.00 BAR) =100 [%]");
}

// Warming: air saturated at 10 degC, heated to 30 degC at the same pressure,
// has phi = ps(10)/ps(30) = 1.2282/4.2470 = 28.9 %.
TEST(HumidityCorrection, WarmingLowersTheHumidity) {
  CalculationCase c = humidityCase(30, 2, 10, 2, 100);
  ASSERT_EQ(correctHumidity(c).status, HumidityCorrectionStatus::Ok);
  EXPECT_REL_NEAR(c.relativeHumidity, 100 * 1.2282L / 4.2470L, 1e-3L);
}

TEST(HumidityCorrection, PressureTooLowChangesNothing) {
  for (auto [pWork, pMeas] : {std::pair<Real, Real>{0, 1}, {1, 0}, {-2, 1}, {1, -3}}) {
    CalculationCase c = humidityCase(20, pWork, 20, pMeas, 40);
    c.relativeHumidity = 12;
    c.caseModified = false;
    const HumidityCorrection r = correctHumidity(c);
    EXPECT_EQ(r.status, HumidityCorrectionStatus::PressureTooLow);
    EXPECT_EQ(c.relativeHumidity, 12);
    EXPECT_FALSE(c.caseModified);
    EXPECT_TRUE(r.humidityLine.empty());
  }
}

TEST(HumidityCorrection, HostileInputChangesNothing) {
  const Real bad[] = {kNaN, kInf, -kInf};
  for (int field = 0; field < 5; ++field) {
    for (Real v : bad) {
      CalculationCase c = humidityCase(20, 10, 20, 1, 5);
      c.relativeHumidity = 12;
      Real* f[] = {&c.temperature, &c.pressureInput, &c.humidityMeasTemperature,
                   &c.humidityMeasPressure, &c.humidityMeasured};
      *f[field] = v;
      const HumidityCorrection r = correctHumidity(c);
      EXPECT_NE(r.status, HumidityCorrectionStatus::Ok) << field << " " << double(v);
      EXPECT_EQ(c.relativeHumidity, 12);
      EXPECT_FALSE(c.caseModified);
    }
  }
  // Temperatures without saturation data.
  CalculationCase c = humidityCase(-273.15L, 10, 20, 1, 5);
  EXPECT_EQ(correctHumidity(c).status, HumidityCorrectionStatus::OutOfRange);
  EXPECT_EQ(c.relativeHumidity, 0);
}

// Our own results, pinned so that a refactoring cannot drift unnoticed
// (the independent checks above hold them to the published values).
TEST(GasMixture, PinnedResults) {
  CalculationCase c = gasCase(20, 1000);
  ASSERT_EQ(run(c, 50), GasMixtureStatus::Ok);
  EXPECT_REL_NEAR(c.refDensity, 1.29314580265264610385L, 1e-14L);
  EXPECT_REL_NEAR(c.density, 11.9361995784924541097L, 1e-14L);
  EXPECT_REL_NEAR(c.compressibilityK1, 0.995824872326201826391L, 1e-14L);
  EXPECT_REL_NEAR(c.compressibilityZ, 0.995072579746161031754L, 1e-14L);
  EXPECT_REL_NEAR(c.isentropicExponent, 1.41343797065119860493L, 1e-14L);
  EXPECT_REL_NEAR(c.viscosityEntered, 1.81542625413270147958e-05L, 1e-14L);
  EXPECT_REL_NEAR(c.steamMoleFraction, 0.00116827000531186525012L, 1e-14L);

  // A sour natural-gas-like mixture, with binary interaction coefficients
  // in play, at 10 degC and 40 bar.
  MoleFractions y{};
  y[kSlotCH4] = 0.85L;
  y[kSlotC2H6] = 0.06L;
  y[kSlotC3H8] = 0.02L;
  y[kSlotN2] = 0.04L;
  y[kSlotCO2] = 0.02L;
  y[kSlotH2S] = 0.01L;
  const MixtureState s = mixtureStateProperties(StateDetail::Full, 10, 40, mixtureParameters(y));
  ASSERT_TRUE(s.ok);
  EXPECT_REL_NEAR(s.density, 35.4559232805649602004L, 1e-14L);
  EXPECT_REL_NEAR(s.z, 0.894393242771470448494L, 1e-14L);
  EXPECT_REL_NEAR(s.isentropicExponent, 1.33446789932790292415L, 1e-14L);
  EXPECT_REL_NEAR(s.viscosity, 0.0113709706810709959677L, 1e-14L);
}
