// The property dispatcher: the checks per fluid kind with their messages, the
// values stored in the case, and hostile inputs for every kind.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/shared.h"
#include "props/components.h"
#include "props/properties.h"
#include "props/water_steam.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

CalculationCase fluid(int kind, Real t, Real pBar) {
  CalculationCase c;
  resetCase(c);
  c.fluidKind = kind;
  c.temperature = t;
  c.pressureUnit = 4;  // bar
  c.pressureInput = pBar;
  return c;
}

// Natural gas of Groningen-like composition, mole %.
void groningen(CalculationCase& c) {
  c.naturalGasComposition.fill(0);
  c.naturalGasComposition[kNgSlotCH4] = 81.3L;
  c.naturalGasComposition[kNgSlotC2H6] = 2.85L;
  c.naturalGasComposition[kNgSlotC3H8] = 0.37L;
  c.naturalGasComposition[kNgSlotNC4H10] = 0.14L;
  c.naturalGasComposition[kNgSlotN2] = 14.35L;
  c.naturalGasComposition[kNgSlotCO2] = 0.89L;
  c.naturalGasComposition[kNgSlotO2] = 0.1L;
}

void cokeGas(CalculationCase& c) {
  c.mixtureComposition.fill(0);
  c.mixtureComposition[kSlotH2] = 55;
  c.mixtureComposition[kSlotCH4] = 25;
  c.mixtureComposition[kSlotCO] = 6;
  c.mixtureComposition[kSlotN2] = 8;
  c.mixtureComposition[kSlotCO2] = 3;
  c.mixtureComposition[kSlotO2] = 1;
  c.cokeGasCnHm = 2;
}

}  // namespace

TEST(PropertiesWater, TwentyDegreesOneBar) {
  CalculationCase c = fluid(FluidWater, 20, 1);
  c.viscosityUnit = 1;
  c.densityKind = 2;
  RecordingInteraction ui;
  ASSERT_TRUE(computeFluidProperties(c, FluidWater, ui));
  EXPECT_TRUE(ui.log().empty());
  EXPECT_NEAR(static_cast<double>(c.density), 998.2, 0.2);
  EXPECT_NEAR(static_cast<double>(c.viscosityEntered), 1.002e-3, 0.002e-3);
  EXPECT_EQ(c.densityKind, 1);
  EXPECT_EQ(c.viscosityUnit, 3);
  EXPECT_REL_NEAR(c.density * c.specificVolume, 1.0L, 1e-18L);
  EXPECT_TRUE(propertiesCurrent(c, FluidWater));
  c.temperature = 21;
  EXPECT_FALSE(propertiesCurrent(c, FluidWater));
  c.temperature = 20;
  EXPECT_TRUE(propertiesCurrent(c, FluidWater));
}

TEST(PropertiesWater, PressureMessages) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidSteam, 20, 0);
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Enter absolute pressure"});
  ui.clear();
  c = fluid(FluidSteam, 20, 0.005L);
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Absolute pressure too low"});
  ui.clear();
  c = fluid(FluidSteam, 20, 0.006L);
  EXPECT_TRUE(computeFluidProperties(c, FluidSteam, ui)) << ui.log().back().text;
  c = fluid(FluidWater, 20, 1001);
  ui.clear();
  EXPECT_FALSE(computeFluidProperties(c, FluidWater, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"absolute pressure too high"});
}

TEST(PropertiesWater, TemperatureLimitsAndSaturation) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidWater, 350, 200);
  EXPECT_TRUE(computeFluidProperties(c, FluidWater, ui));
  c = fluid(FluidWater, 350, 100);  // below the saturation pressure (165 bar)
  EXPECT_FALSE(computeFluidProperties(c, FluidWater, ui));
  EXPECT_EQ(ui.messages().back(), "Water temperature too high or water pressure too low");
  ui.clear();
  c = fluid(FluidWater, 350.01L, 200);
  EXPECT_FALSE(computeFluidProperties(c, FluidWater, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Water temperature too high"});
  ui.clear();
  c = fluid(FluidSteam, -1, 1);
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Water or steam temperature too low"});
  ui.clear();
  c = fluid(FluidSteam, 801, 1);
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Temperature too high"});
  ui.clear();
  c = fluid(FluidSteam, 150, 10);  // wet: ps(150) = 4.76 bar
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Steam temperature too low or steam pressure too high"});
}

TEST(PropertiesSteam, SecondSubregionBoundary) {
  RecordingInteraction ui;
  const Real L = boundaryPressure(400) * 1e-5L;
  CalculationCase c = fluid(FluidSteam, 400, L * 1.001L);
  c.specificVolume = 12345;
  EXPECT_FALSE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_EQ(ui.messages().back(),
            "Steam pressure or temperature out of second subregion range.\r\nChoose \"Other Gas\" "
            "and enter properties.");
  EXPECT_EQ(c.specificVolume, 12345);  // the property routine was not called

  c = fluid(FluidSteam, 400, L * 0.999L);
  ui.clear();
  ASSERT_TRUE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_GT(c.isentropicExponent, 1.2L);
  EXPECT_FALSE(c.saturationTemperatureKnown);  // L(400 degC) is above 220 bar
}

TEST(PropertiesSteam, SaturationTemperatureAbove220Bar) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidSteam, 500, 250);
  c.saturationTemperature = 99;
  ASSERT_TRUE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_FALSE(c.saturationTemperatureKnown);
  c = fluid(FluidSteam, 200, 10);
  ASSERT_TRUE(computeFluidProperties(c, FluidSteam, ui));
  EXPECT_NEAR(static_cast<double>(c.saturationTemperature), 179.88, 0.01);
}

TEST(PropertiesLiquids, OtherLiquidUntouchedAmmoniaZeroedOnFailure) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidOtherLiquid, 20, 1);
  c.density = 850;
  c.viscosityEntered = 0.002L;
  EXPECT_TRUE(computeFluidProperties(c, FluidOtherLiquid, ui));
  EXPECT_EQ(c.density, 850);
  EXPECT_EQ(c.viscosityEntered, 0.002L);
  EXPECT_TRUE(ui.log().empty());

  c = fluid(FluidLiquidAmmonia, 20, 1);
  c.density = 600;
  c.viscosityEntered = 1;
  EXPECT_FALSE(computeFluidProperties(c, FluidLiquidAmmonia, ui));
  EXPECT_EQ(c.density, 0);
  EXPECT_EQ(c.viscosityEntered, 0);
  EXPECT_EQ(ui.messages().back(),
            "Liquid ammonia parameters should be between:\r\npressure 2 and 35 kG/cm2,\r\n"
            "temperature -10\u00B0C and 50\u00B0C");

  c = fluid(FluidLiquidAmmonia, 20, 10 / 1.01972L);  // 10 kG/cm2
  ui.clear();
  ASSERT_TRUE(computeFluidProperties(c, FluidLiquidAmmonia, ui));
  EXPECT_NEAR(static_cast<double>(c.density), 610.3, 1e-9);
  EXPECT_TRUE(propertiesCurrent(c, FluidLiquidAmmonia));
}

TEST(PropertiesGases, AirReferenceAndWorkingDensity) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidAir, 0, 1.01325L);
  ASSERT_TRUE(preparePropertiesAsPage(c, ui)) << ui.log().back().text;
  EXPECT_NEAR(static_cast<double>(c.density), 1.2929, 0.0015);
  EXPECT_REL_NEAR(c.compressibilityK1, 1.0L, 1e-12L);
  EXPECT_TRUE(c.humidityCorrected);
  c = fluid(FluidAir, 20, 10);
  ASSERT_TRUE(preparePropertiesAsPage(c, ui));
  EXPECT_REL_NEAR(c.density, 11.92L, 0.003L);
  EXPECT_TRUE(propertiesCurrent(c, FluidAir));
}

TEST(PropertiesGases, PressureLimitPerGas) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidAir, 20, 120);
  EXPECT_TRUE(preparePropertiesAsPage(c, ui));
  c = fluid(FluidAir, 20, 120.1L);
  EXPECT_FALSE(preparePropertiesAsPage(c, ui));
  EXPECT_EQ(ui.messages().back(), "Absolute pressure too high. Choose \"Other Gas\" and enter properties.");
  c = fluid(FluidOtherGas, 20, 70.1L);
  c.mixtureComposition[kSlotN2] = 100;
  ui.clear();
  EXPECT_FALSE(computeFluidProperties(c, FluidOtherGas, ui));
  EXPECT_EQ(ui.messages().back(), "Absolute pressure too high. Choose \"Other Gas\" and enter properties.");
}

TEST(PropertiesGases, HumidityErrorAndPressureLimitBothReported) {
  // Too much humidity does not hide a pressure above the limit: both
  // messages are shown, in the order of the checks.
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidAir, 20, 130);
  c.relativeHumidity = 100.1L;
  EXPECT_FALSE(preparePropertiesAsPage(c, ui));
  EXPECT_EQ(ui.messages(),
            (std::vector<std::string>{
                "Relative humidity too high",
                "Absolute pressure too high. Choose \"Other Gas\" and enter properties."}));
}

TEST(PropertiesGases, HumidityLimits) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidAir, 20, 1);
  c.relativeHumidity = 100;
  EXPECT_TRUE(preparePropertiesAsPage(c, ui));
  const Real humid = c.density;
  c.relativeHumidity = 0;
  EXPECT_TRUE(preparePropertiesAsPage(c, ui));
  EXPECT_LT(humid, c.density);
  c.relativeHumidity = 100.1L;
  ui.clear();
  EXPECT_FALSE(preparePropertiesAsPage(c, ui));
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"Relative humidity too high"});
  EXPECT_EQ(ui.log()[0].polish,
            "Za du\u017Ca wilgotno\u015B\u0107 gazu!\r\nProsz\u0119 sprawdzi\u0107, czy podana "
            "wilgotno\u015B\u0107 \r\nzosta\u0142a przeliczona na warunki pomiaru.");
}

TEST(PropertiesGases, CompositionSumTolerance) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidOtherGas, 0, 1.01325L);
  c.mixtureComposition[kSlotN2] = 99.9995L;
  EXPECT_TRUE(computeFluidProperties(c, FluidOtherGas, ui));
  c.mixtureComposition[kSlotN2] = 99.998L;
  EXPECT_FALSE(computeFluidProperties(c, FluidOtherGas, ui));
  EXPECT_EQ(ui.messages().back(), "Total sum of gas mixture fractions is not equal 100%.");
  // A negative share that still sums to 100 is no composition either.
  c.mixtureComposition[kSlotN2] = 110;
  c.mixtureComposition[kSlotO2] = -10;
  ui.clear();
  EXPECT_FALSE(computeFluidProperties(c, FluidOtherGas, ui));
  EXPECT_EQ(ui.messages().back(), "Total sum of gas mixture fractions is not equal 100%.");
}

TEST(PropertiesGases, PureNitrogenAndSteamContentWarning) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidOtherGas, 0, 1.01325L);
  c.mixtureComposition[kSlotN2] = 100;
  ASSERT_TRUE(preparePropertiesAsPage(c, ui));
  EXPECT_NEAR(static_cast<double>(c.density), 1.2505, 0.0005);
  EXPECT_EQ(c.enteredDensity, c.density);
  EXPECT_EQ(c.densityEnteredByHand, 0);
  EXPECT_TRUE(ui.log().empty());

  c = fluid(FluidOtherGas, 80, 1.01325L);
  c.mixtureComposition[kSlotN2] = 65;
  c.mixtureComposition[kSlotH2O] = 35;
  EXPECT_TRUE(computeFluidProperties(c, FluidOtherGas, ui));
  EXPECT_TRUE(ui.saw("Warning: high humidity causes too high uncertainty of calculated density."));
}

// A gas that the equation of state finds liquid: one question with both
// texts; No ends the computation with the earlier values in place, Yes goes
// on.  Air in its range asks nothing.
TEST(PropertiesGases, LiquidLikeGasAsksBeforeGoingOn) {
  const std::string en =
      "The gas may be liquid or condensing at these conditions; its computed properties are not "
      "valid. Continue?";
  const std::string pl =
      "W tych warunkach gaz mo\u017Ce by\u0107 ciecz\u0105 lub ulega\u0107 skropleniu; obliczone "
      "w\u0142a\u015Bciwo\u015Bci nie s\u0105 poprawne. Czy kontynuowa\u0107?";
  for (bool yes : {false, true}) {
    CalculationCase c = fluid(FluidOtherGas, 20, 65);
    c.compositionInMolePercent = 1;
    c.mixtureComposition[kSlotCO2] = 100;
    c.density = 7;
    RecordingInteraction ui(yes);
    EXPECT_EQ(computeFluidProperties(c, FluidOtherGas, ui), yes);
    ASSERT_EQ(ui.log().size(), 1u);
    EXPECT_TRUE(ui.log()[0].question);
    EXPECT_EQ(ui.log()[0].text, en);
    EXPECT_EQ(ui.log()[0].polish, pl);
    if (yes) EXPECT_NEAR(static_cast<double>(c.density), 573.6, 0.1);
    else EXPECT_EQ(c.density, 7);
  }
  CalculationCase air = fluid(FluidAir, -20, 120);
  RecordingInteraction ui;
  EXPECT_TRUE(preparePropertiesAsPage(air, ui));
  EXPECT_TRUE(ui.log().empty());
}

TEST(PropertiesGases, OtherGasFromHandTypedValues) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidOtherGas, 20, 5);
  c.manualDensity = 6.1L;
  c.manualViscosity = 1.7e-5L;
  c.manualIsentropicExponent = 1.31L;
  c.manualK1 = 0.99L;
  ASSERT_TRUE(preparePropertiesAsPage(c, ui));
  EXPECT_EQ(c.densityEnteredByHand, 1);
  EXPECT_EQ(c.density, 6.1L);
  EXPECT_EQ(c.enteredDensity, 6.1L);
  EXPECT_EQ(c.viscosityEntered, 1.7e-5L);
  EXPECT_EQ(c.isentropicExponent, 1.31L);
  EXPECT_EQ(c.compressibilityK1, 0.99L);
}

TEST(PropertiesGases, NaturalGasImposesReferenceConditions) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidNaturalGas, 0, 1.01325L);
  c.refTemperature = 20;
  c.refPressure = 100;
  c.relativeHumidity = 40;
  groningen(c);
  ASSERT_TRUE(computeFluidProperties(c, FluidNaturalGas, ui)) << ui.log().back().text;
  EXPECT_EQ(c.refTemperature, 0);
  EXPECT_EQ(c.refPressure, 101.325L);
  EXPECT_EQ(c.refConditionsText, "(0 \u00B0C, 101.325 kPa)");
  EXPECT_EQ(c.relativeHumidity, 0);
  EXPECT_REL_NEAR(c.compressibilityK1, 1.0L, 1e-9L);
  EXPECT_NEAR(static_cast<double>(c.relativeDensity), 0.64, 0.01);
  EXPECT_REL_NEAR(c.co2Percent, 0.89L, 1e-15L);
  EXPECT_TRUE(propertiesCurrent(c, FluidNaturalGas));

  // The same gas by its physical properties gives the same density.
  CalculationCase p = fluid(FluidNaturalGas, 10, 40);
  p.naturalGasInputIsComposition = 0;
  p.calorificValue = c.calorificValue;
  p.relativeDensity = c.relativeDensity;
  p.co2Percent = 0.89L;
  p.h2Percent = 0;
  CalculationCase q = fluid(FluidNaturalGas, 10, 40);
  groningen(q);
  ui.clear();
  ASSERT_TRUE(computeFluidProperties(p, FluidNaturalGas, ui)) << ui.messages().back();
  ASSERT_TRUE(computeFluidProperties(q, FluidNaturalGas, ui));
  EXPECT_REL_NEAR(p.density, q.density, 2e-3L);
}

TEST(PropertiesGases, NaturalGasOutOfRange) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidNaturalGas, 80, 10);  // t above 77 degC
  groningen(c);
  EXPECT_FALSE(computeFluidProperties(c, FluidNaturalGas, ui));
  EXPECT_EQ(ui.messages().back(), "Gas temperature should be between -23\u00B0C and 77\u00B0C.");
}

// Every kind, fed hostile values: false with a message, or finite properties.
TEST(PropertiesHostile, SweepEveryKind) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real values[] = {0, -1, -300, nan, inf, -inf, 1e-30L, 1e30L, 100.5L};
  using Edit = void (*)(CalculationCase&, Real);
  const Edit edits[] = {
      [](CalculationCase& c, Real v) { c.temperature = v; },
      [](CalculationCase& c, Real v) { c.pressureInput = v; },
      [](CalculationCase& c, Real v) { c.relativeHumidity = v; },
      [](CalculationCase& c, Real v) { c.refPressure = v; },
      [](CalculationCase& c, Real v) { c.refTemperature = v; },
      [](CalculationCase& c, Real v) { c.mixtureComposition[kSlotN2] = v; },
      [](CalculationCase& c, Real v) { c.mixtureComposition.fill(v); },
      [](CalculationCase& c, Real v) { c.naturalGasComposition[kNgSlotCH4] = v; },
      [](CalculationCase& c, Real v) { c.naturalGasComposition.fill(v); },
      [](CalculationCase& c, Real v) { c.cokeGasCnHm = v; },
      [](CalculationCase& c, Real v) { c.calorificValue = v; },
      [](CalculationCase& c, Real v) { c.relativeDensity = v; },
      [](CalculationCase& c, Real v) { c.co2Percent = v; },
      [](CalculationCase& c, Real v) { c.compositionInMolePercent = std::isfinite(v) ? 0 : 1; },
      [](CalculationCase& c, Real v) { c.pressureUnit = std::isfinite(v) ? 7 : 0; },
  };
  int runs = 0;
  for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 0, 42})
    for (bool physical : {false, true})
      for (const Edit& e : edits)
        for (Real v : values) {
          CalculationCase c = fluid(kind, 20, 10);
          c.mixtureComposition[kSlotN2] = 100;
          if (kind == FluidCokeGas) cokeGas(c);
          groningen(c);
          if (physical) {
            c.naturalGasInputIsComposition = 0;
            c.calorificValue = 38;
            c.relativeDensity = 0.6L;
          }
          e(c, v);
          RecordingInteraction ui;
          const bool ok = computeFluidProperties(c, kind, ui);
          ++runs;
          if (!ok) {
            EXPECT_FALSE(ui.log().empty()) << "kind " << kind;
            continue;
          }
          for (Real r : {c.density, c.refDensity, c.viscosityEntered, c.isentropicExponent,
                         c.compressibilityK1, c.specificVolume, c.specificEnthalpy,
                         c.steamMoleFraction})
            ASSERT_TRUE(std::isfinite(r)) << "kind " << kind;
        }
  EXPECT_GT(runs, 3000);
}

TEST(PropertiesGases, CokeOvenGasWarnsOutsideItsRange) {
  RecordingInteraction ui;
  CalculationCase c = fluid(FluidCokeGas, 20, 2);
  cokeGas(c);
  c.mixtureComposition[kSlotAr] = 5;  // not a coke-oven component: cleared
  ASSERT_TRUE(computeFluidProperties(c, FluidCokeGas, ui)) << ui.log().back().text;
  EXPECT_TRUE(ui.log().empty());
  EXPECT_EQ(c.mixtureComposition[kSlotAr], 0);
  EXPECT_NEAR(static_cast<double>(c.compressibilityZ), 1.0, 0.01);
  EXPECT_TRUE(propertiesCurrent(c, FluidCokeGas));

  // At the reference state, dry: K1 = 1 and the density is the reference one.
  CalculationCase r = fluid(FluidCokeGas, 0, 1.01325L);
  cokeGas(r);
  ui.clear();
  ASSERT_TRUE(computeFluidProperties(r, FluidCokeGas, ui));
  EXPECT_REL_NEAR(r.compressibilityK1, 1.0L, 1e-12L);
  EXPECT_REL_NEAR(r.density, r.refDensity, 1e-12L);

  // H2 44 % and CO2 11 %: only the later failing test is reported, and the
  // properties are computed all the same.
  c.mixtureComposition[kSlotH2] = 44;
  c.mixtureComposition[kSlotCO2] = 14;
  ui.clear();
  ASSERT_TRUE(computeFluidProperties(c, FluidCokeGas, ui));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].rfind("Mole percent of following components should be less then or equal:", 0), 0u);
}
