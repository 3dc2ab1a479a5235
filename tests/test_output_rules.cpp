// One source for every rule of the standard: the engine holds each rule once
// and the layers above it (the driver, the file, the printed page, the
// results shown) give the same answer for the same measuring point.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/case.h"
#include "calc/coefficients.h"
#include "calc/driver.h"
#include "calc/limits.h"
#include "calc/results_view.h"
#include "calc/solvers.h"
#include "files/case_fields.h"
#include "files/case_file.h"
#include "output/report_texts.h"
#include "props/properties.h"
#include "support/output_cases.h"

namespace dorvel {
namespace {

// Water through an orifice plate with flange tappings in a 20 mm pipe: a
// small-bore pipe (ASME MFC-14M), below the 25 mm the device admits, so the
// calculation asks whether to go on and the user accepts the deviation.
CalculationCase smallFlangeCase() {
  CalculationCase c = testing::waterFlowrateCase();
  c.pipeDiameter20 = 20;
  c.deviceDiameter20 = 10;
  c.dpInput = 20;
  c.fittingOrifice = 3;  // the ISO list's code, not in force here
  c.fittingAsme = 5;     // expander 0.5D to D
  c.upstreamLengthActual = 0;
  c.downstreamLengthActual = 0;
  c.asmeFittingListShown = true;
  return c;
}

TEST(OneRule, FlangeTappingsInA20mmPipeUseTheSmallBoreListEverywhere) {
  CalculationCase c = smallFlangeCase();
  ASSERT_TRUE(isSmallBoreOrifice(c.deviceType, c.pipeDiameter20));
  ASSERT_EQ(straightLengthTable(c.deviceType, c.pipeDiameter20), LengthTable::SmallBore);

  // The driver: the deviation accepted, the straight lengths of the
  // small-bore table for fitting 5 (not of the ISO table for fitting 3).
  RecordingInteraction yes(true);
  bool nonConforming = false;
  ASSERT_TRUE(runCalculation(c, yes, nonConforming));
  EXPECT_TRUE(nonConforming);
  EXPECT_TRUE(c.warnPipeTooSmall);
  const StraightLengths asme = straightLengthsFor(LengthTable::SmallBore, 5, c.beta);
  const StraightLengths iso = straightLengthsFor(LengthTable::Orifice, 3, c.beta);
  EXPECT_EQ(c.upstreamLengthRequired, asme.upstreamA);
  EXPECT_NE(c.upstreamLengthRequired, iso.upstreamA);

  // The file stores the code of the list in force and reads it back there.
  CalculationCase read;
  resetCase(read);
  RecordingInteraction quiet;
  ASSERT_TRUE(readCaseText(caseFileText(c), read, quiet));
  EXPECT_EQ(read.fittingAsme, 5);

  // The printed page names item 5 of the small-bore list.
  EXPECT_EQ(output::fittingName(c, true), "Expander 0.5D to D over a length of D to 2D");
  EXPECT_EQ(output::fittingName(c, true), fittingItemName(LengthTable::SmallBore, 5, true));

  // And the standard in force is the small-bore one in every layer.
  EXPECT_EQ(standardInForce(c), "ASME MFC-14M-2003");
  EXPECT_EQ(output::headerStandardLine(c).text, "ASME MFC-14M-2003");
}

// The input page's fitting items are the engine's: `fields` names every code
// with them and --set takes them by that name.
TEST(OneRule, FittingItemsHaveOneTextForFieldsAndSet) {
  const std::pair<const char*, LengthTable> lists[] = {{"fittingOrifice", LengthTable::Orifice},
                                                       {"fittingAsme", LengthTable::SmallBore},
                                                       {"fittingNozzle", LengthTable::Nozzle},
                                                       {"fittingVenturi", LengthTable::Venturi}};
  for (const auto& [field, list] : lists) {
    const auto& codes = fieldCodes(field);
    ASSERT_EQ(static_cast<int>(codes.size()), fittingCount(list)) << field;
    for (const FieldCode& code : codes) {
      EXPECT_EQ(code.name, fittingListItem(list, code.code)) << field;
      int read = 0;
      EXPECT_TRUE(codeFromName(field, fittingListItem(list, code.code), read));
      EXPECT_EQ(read, code.code) << field;
    }
  }
  EXPECT_STREQ(fittingListItem(LengthTable::Nozzle, 10),
               "Thermometer pocket or well of diameter between 0.03D and 0.13D");
}

TEST(OneRule, TheStandardInForceIsOneRuleWithItsLabels) {
  // Every device across the size boundaries: the results and the printed
  // header name the same standard (their labels differ only in spelling
  // the ISO 5167 edition).
  for (int dev = 1; dev <= 12; ++dev) {
    for (Real D : {12.0L, 24.9L, 25.0L, 49.9L, 50.0L, 200.0L}) {
      CalculationCase c;
      c.deviceType = dev;
      c.pipeDiameter20 = D;
      const Standard s = governingStandard(dev, D);
      EXPECT_EQ(standardInForce(c), standardLabel(s, StandardLabelUse::Results));
      EXPECT_EQ(output::headerStandardLine(c).text, standardLabel(s, StandardLabelUse::Printed));
      EXPECT_EQ(s == Standard::AsmeMfc14M, isSmallBoreOrifice(dev, D));
    }
  }
}

TEST(OneRule, TheFileStoresTheFittingOfTheListInForce) {
  // Each device family writes the code of its own list: a round trip keeps
  // the code of the list in force whatever the other three hold.
  for (int dev = 1; dev <= 12; ++dev) {
    for (Real D : {20.0L, 40.0L, 100.0L}) {
      CalculationCase c = testing::waterFlowrateCase();
      c.deviceType = dev;
      c.pipeDiameter20 = D;
      c.fittingOrifice = 2;
      c.fittingAsme = 3;
      c.fittingNozzle = 4;
      c.fittingVenturi = 5;
      const LengthTable list = straightLengthTable(dev, D);
      CalculationCase read;
      resetCase(read);
      read.fittingOrifice = read.fittingAsme = read.fittingNozzle = read.fittingVenturi = 1;
      RecordingInteraction quiet;
      ASSERT_TRUE(readCaseText(caseFileText(c), read, quiet));
      EXPECT_EQ(read.*fittingFieldOf(list), c.*fittingFieldOf(list)) << dev << " " << double(D);
      EXPECT_EQ(output::fittingName(c, false), fittingItemName(list, c.*fittingFieldOf(list), false));
    }
  }
}

TEST(OneRule, TheBetaWindowAsksAtTheDevicesReynoldsLimits) {
  // Just below the lower limit at betaMin the window asks about the nominal
  // flow, at the limit it does not; just above the upper limit at betaMax it
  // asks about the maximum flow.  The limits are reynoldsLimitsOf's.
  for (int dev : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12}) {
    DeviceSetup d;
    d.deviceType = dev;
    d.pipeDiameter = d.pipeDiameter20 = 200;
    FluidState f;
    f.density = 998.2L;
    f.viscosity = 1.002e-3L;
    const TaskContext task{TaskDiameter, false, 100};
    const LimitRange range = betaRange(dev, 200);
    Real bmin = range.min;
    if (dev == DevIsa1932Nozzle) bmin = reynolds_limit::kIsaStepBeta;  // below Re 70000
    const ReynoldsLimits low = reynoldsLimitsOf(dev, bmin, 200, 200);
    const auto questions = [&](Real re) {
      RecordingInteraction ui(true);
      const Real m = re * kPi * f.viscosity * 0.2L / 4 * 3600;
      const BetaWindowResult w = checkBetaWindow(d, f, task, ui, 2000, m, re, 2);
      return std::make_pair(w.acceptedLow, w.acceptedHigh);
    };
    EXPECT_TRUE(questions(low.min * 0.999L).first) << dev;
    EXPECT_FALSE(questions(low.min * 1.001L).first) << dev;
    const ReynoldsLimits high = reynoldsLimitsOf(dev, range.max, 200, 200);
    if (high.hasMax) {
      EXPECT_TRUE(questions(high.max * 1.001L).second) << dev;
      EXPECT_FALSE(questions(high.max * 0.999L).second) << dev;
    }
  }
}

TEST(OneRule, NaturalGasKindsReadTheSameData) {
  EXPECT_TRUE(isNaturalGasKind(FluidNaturalGas));
  EXPECT_TRUE(isNaturalGasKind(FluidNaturalGas8));
  for (int k : {1, 2, 3, 4, 5, 6, 7, 13}) EXPECT_FALSE(isNaturalGasKind(k)) << k;
  // The results page shows the calorific value for both codes.
  CalculationCase c = testing::waterFlowrateCase();
  for (int k : {FluidNaturalGas, FluidNaturalGas8}) {
    c.fluidKind = k;
    bool found = false;
    for (const ResultRow& row : resultsPage(c))
      if (row.name == "calorificValue") found = true;
    EXPECT_TRUE(found) << k;
  }
}

TEST(OneRule, HumidityFactorGivesTheReferenceVolumeUnit) {
  // Other gas, reference-volume flowrate: the unit factor of the driver is
  // the humidity-correction factor over the working density.
  CalculationCase c = testing::waterFlowrateCase();
  c.fluidKind = FluidOtherGas;
  c.flowUnit = 5;
  c.densityKind = 1;
  c.manualDensity = 5.9L;
  c.manualViscosity = 1.8e-5L;
  c.manualIsentropicExponent = 1.4L;
  c.manualK1 = 0.99L;
  c.relativeHumidity = 40;
  c.temperature = 20;
  c.refTemperature = 0;
  c.dpInput = 10;
  c.flowrateInput = 1000;
  RecordingInteraction ui(true);
  ASSERT_TRUE(preparePropertiesAsPage(c, ui));
  bool nonConforming = false;
  ASSERT_TRUE(runCalculation(c, ui, nonConforming));
  EXPECT_TRUE(c.humidityCorrected);
  // The same factor corrected the typed density (round trip: the dry part at
  // reference conditions and the vapour give back the working density) and
  // gives the unit.
  const Real F = humidityCorrectionFactor(c);
  EXPECT_GT(F, 0);
  const Real rho = c.refDensity * F + 0.4L * c.satVapourDensity;
  EXPECT_NEAR(static_cast<double>(rho / c.density), 1.0, 1e-15);
  EXPECT_EQ(c.flowUnitFactor, F / c.density);
}

}  // namespace
}  // namespace dorvel
