// Natural gas by AGA8-92DC and GERG-2008 in the property routine: the
// equation in force, the range questions, the refused components, humid gas,
// agreement with SGERG-88 inside its range, the case field by name and the
// storage in the case file with the rule that older readers refuse it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/interaction.h"
#include "files/case_fields.h"
#include "files/case_file.h"
#include "props/components.h"
#include "props/natural_gas_eos.h"
#include "props/properties.h"
#include "props/water_steam.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

// A high-methane gas (slots of the natural-gas order, mol %).
Composition highMethane() {
  Composition y{};
  y[kNgSlotCH4] = 92.5L;
  y[kNgSlotC2H6] = 3.5L;
  y[kNgSlotC3H8] = 1;
  y[kNgSlotNC4H10] = 0.3L;
  y[kNgSlotIC4H10] = 0.2L;
  y[kNgSlotN2] = 1.5L;
  y[kNgSlotCO2] = 1;
  return y;
}

// The same with 20 % hydrogen.
Composition hydrogenBlend() {
  Composition y = highMethane();
  for (Real& v : y) v *= 0.8L;
  y[kNgSlotH2] = 20;
  return y;
}

CalculationCase naturalGasCase(const Composition& y, int equation) {
  CalculationCase c;
  c.fluidKind = FluidNaturalGas;
  c.naturalGasInputIsComposition = 1;
  c.naturalGasEquation = equation;
  c.naturalGasComposition = y;
  c.temperature = 10;
  c.pressureUnit = 3;
  c.pressureInput = 4;
  return c;
}

}  // namespace

TEST(NaturalGasEquation, InForceOnlyForNaturalGasGivenByComposition) {
  CalculationCase c = naturalGasCase(highMethane(), kEquationGerg2008);
  EXPECT_EQ(naturalGasEquationInForce(c), kEquationGerg2008);
  c.naturalGasInputIsComposition = 0;
  EXPECT_EQ(naturalGasEquationInForce(c), kEquationSgerg88);
  c.naturalGasInputIsComposition = 1;
  c.fluidKind = FluidOtherGas;
  EXPECT_EQ(naturalGasEquationInForce(c), kEquationSgerg88);
}

TEST(NaturalGasEquation, AgreesWithSgerg88InsideItsRange) {
  // Three standards for one pipeline gas at 10 degC and 4 MPa: the densities
  // agree within the 0.1 % of their stated uncertainties (twice over), the
  // calorific values too; kappa from the speed of sound against the
  // SGERG-88 correlation within 2 %.
  RecordingInteraction ui;
  CalculationCase s = naturalGasCase(highMethane(), kEquationSgerg88);
  ASSERT_TRUE(computeFluidProperties(s, FluidNaturalGas, ui));
  for (int equation : {kEquationAga8_92dc, kEquationGerg2008}) {
    SCOPED_TRACE(equation);
    CalculationCase c = naturalGasCase(highMethane(), equation);
    ASSERT_TRUE(computeFluidProperties(c, FluidNaturalGas, ui));
    EXPECT_TRUE(ui.questions().empty());
    EXPECT_REL_NEAR(c.density, s.density, 2e-3L);
    EXPECT_REL_NEAR(c.refDensity, s.refDensity, 2e-3L);
    EXPECT_REL_NEAR(c.compressibilityK1, s.compressibilityK1, 2e-3L);
    EXPECT_REL_NEAR(c.calorificValue, s.calorificValue, 1e-3L);
    EXPECT_REL_NEAR(c.isentropicExponent, s.isentropicExponent, 2e-2L);
    EXPECT_REL_NEAR(c.relativeDensity, c.refDensity / 1.292923L, 1e-15L);
    EXPECT_REL_NEAR(c.viscosityEntered, s.viscosityEntered, 2e-3L);  // the same correlation
  }
}

TEST(NaturalGasEquation, HydrogenBlendAsksUnderAga8AndComputesUnderGerg2008) {
  // AGA8-92DC stops at 10 % H2 (both ISO 12213-2 ranges): the question names
  // the hydrogen share; No ends the computation, Yes goes on.
  RecordingInteraction no(false);
  CalculationCase a = naturalGasCase(hydrogenBlend(), kEquationAga8_92dc);
  EXPECT_FALSE(computeFluidProperties(a, FluidNaturalGas, no));
  ASSERT_EQ(no.questions().size(), 1u);
  EXPECT_NE(no.questions()[0].find("H2 20 % (range: at most 10 %)"), std::string::npos)
      << no.questions()[0];
  EXPECT_NE(no.questions()[0].find("extended range of ISO 12213-2"), std::string::npos);
  EXPECT_EQ(a.density, 0);
  RecordingInteraction yes(true);
  EXPECT_TRUE(computeFluidProperties(a, FluidNaturalGas, yes));
  EXPECT_GT(a.density, 0);

  RecordingInteraction ui(false);
  CalculationCase g = naturalGasCase(hydrogenBlend(), kEquationGerg2008);
  ASSERT_TRUE(computeFluidProperties(g, FluidNaturalGas, ui));
  EXPECT_TRUE(ui.log().empty());
  // 20 % H2 lowers the density: M drops from 17.4 to 14.3 g/mol.
  CalculationCase p = naturalGasCase(highMethane(), kEquationGerg2008);
  ASSERT_TRUE(computeFluidProperties(p, FluidNaturalGas, ui));
  EXPECT_LT(g.density, 0.85L * p.density);
}

TEST(NaturalGasEquation, RangeQuestionsOfBothStandards) {
  GasComposition x{};
  x[kGcMethane] = 0.75L;
  x[kGcNitrogen] = 0.25L;  // outside pipeline quality (20 %), inside the extended 50 %
  RangeVerdict v = aga8Ranges(x, 283.15L, 4000, 35, 0.65L);
  EXPECT_EQ(v.tier, 1);
  EXPECT_EQ(v.english, "N2 25 % (range: at most 20 %)");
  EXPECT_EQ(v.polish, "N2 25 % (zakres: najwy\u017Cej 20 %)");
  const std::optional<Message> q = rangeQuestion(kEquationAga8_92dc, v);
  ASSERT_TRUE(q);
  EXPECT_NE(q->text(false).find("N2 25 % (range: at most 20 %) lies outside the pipeline-quality "
                                "range of ISO 12213-2"),
            std::string::npos);
  EXPECT_NE(q->text(true).find("N2 25 % (zakres: najwy\u017Cej 20 %) le\u017Cy poza zakresem gazu "
                               "przesy\u0142owego normy PN-EN ISO 12213-2"),
            std::string::npos);
  x[kGcMethane] = 0.95L;
  x[kGcNitrogen] = 0.05L;
  EXPECT_EQ(aga8Ranges(x, 283.15L, 4000, 38, 0.58L).tier, 0);
  EXPECT_EQ(aga8Ranges(x, 230, 4000, 38, 0.58L).tier, 1);   // below 263 K
  EXPECT_EQ(aga8Ranges(x, 220, 4000, 38, 0.58L).tier, 2);   // below 225 K
  EXPECT_EQ(aga8Ranges(x, 283.15L, 13000, 38, 0.58L).tier, 1);  // above 12 MPa

  EXPECT_EQ(gerg2008Ranges(283.15L, 35000).tier, 0);
  v = gerg2008Ranges(460, 4000);
  EXPECT_EQ(v.tier, 1);
  EXPECT_NE(rangeQuestion(kEquationGerg2008, v)->text(false).find("normal range of ISO 20765-2"),
            std::string::npos);
  v = gerg2008Ranges(283.15L, 80000);
  EXPECT_EQ(v.tier, 2);
  EXPECT_EQ(v.english, "pressure 80 MPa (range: at most 70 MPa)");
  EXPECT_FALSE(rangeQuestion(kEquationGerg2008, gerg2008Ranges(300, 100)));
}

TEST(NaturalGasEquation, PressureAboveTwelveMegapascalsIsTheStandardsQuestion) {
  // SGERG-88 refuses above 120 bar; GERG-2008 computes to 35 MPa at once and
  // asks above it (No from the command line ends the computation).
  RecordingInteraction ui(false);
  CalculationCase s = naturalGasCase(highMethane(), kEquationSgerg88);
  s.pressureInput = 20;
  EXPECT_FALSE(computeFluidProperties(s, FluidNaturalGas, ui));
  CalculationCase g = naturalGasCase(highMethane(), kEquationGerg2008);
  g.pressureInput = 20;
  EXPECT_TRUE(computeFluidProperties(g, FluidNaturalGas, ui));
  g.pressureInput = 40;
  ui.clear();
  EXPECT_FALSE(computeFluidProperties(g, FluidNaturalGas, ui));
  ASSERT_EQ(ui.questions().size(), 1u);
  EXPECT_NE(ui.questions()[0].find("pressure 40 MPa"), std::string::npos);
}

TEST(NaturalGasEquation, ComponentsWithoutDataAreRefusedByName) {
  Composition y = highMethane();
  y[kNgSlotCH4] -= 1.5L;
  y[kNgSlotC2H4] = 1;
  y[kNgSlotSO2] = 0.5L;
  for (int equation : {kEquationAga8_92dc, kEquationGerg2008}) {
    RecordingInteraction ui(true);
    CalculationCase c = naturalGasCase(y, equation);
    EXPECT_FALSE(computeFluidProperties(c, FluidNaturalGas, ui));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.questions().empty());
    const std::string m = ui.messages()[0];
    EXPECT_NE(m.find("C2H4 (ethylene), SO2 (sulphur dioxide)"), std::string::npos) << m;
    EXPECT_NE(ui.log()[0].polish.find("C2H4 (etylen), SO2 (dwutlenek siarki)"), std::string::npos);
  }
  // Every slot without a component, alone.
  for (int slot : {kNgSlotC2H4, kNgSlotC3H6, kNgSlotC4H8, kNgSlotC4H6, kNgSlotC5H10, kNgSlotC6H6,
                   kNgSlotC7H8, kNgSlotCH3OH, kNgSlotNe, kNgSlotSO2}) {
    Composition z{};
    z[kNgSlotCH4] = 99;
    z[static_cast<size_t>(slot)] = 1;
    GasComposition x{};
    EXPECT_FALSE(naturalGasToEquationComposition(z, x)) << slot;
    EXPECT_FALSE(uncoveredComponents(z, false).empty()) << slot;
  }
  GasComposition x{};
  ASSERT_TRUE(naturalGasToEquationComposition(highMethane(), x));
  EXPECT_REL_NEAR(x[kGcNButane], 0.003L, 1e-15L);
  EXPECT_REL_NEAR(x[kGcIsobutane], 0.002L, 1e-15L);
}

TEST(NaturalGasEquation, NoGasPhaseIsRefusedNotComputedAsLiquid) {
  Composition propane{};
  propane[kNgSlotC3H8] = 100;
  RecordingInteraction ui(true);
  CalculationCase c = naturalGasCase(propane, kEquationGerg2008);
  c.temperature = 20;
  c.pressureInput = 3;  // liquid propane (saturation 0.84 MPa at 20 degC)
  EXPECT_FALSE(computeFluidProperties(c, FluidNaturalGas, ui));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("no gas-phase state"), std::string::npos);
  c.pressureInput = 0.5;  // vapour
  ui.clear();
  EXPECT_TRUE(computeFluidProperties(c, FluidNaturalGas, ui));
}

TEST(NaturalGasEquation, WaterOfAHumidGasEntersAsItsComponent) {
  RecordingInteraction ui;
  const Real t = 20, p = 4000;
  const EquationResult dry =
      naturalGasByEquation(kEquationGerg2008, highMethane(), 0, t, p, ui);
  const EquationResult humid =
      naturalGasByEquation(kEquationGerg2008, highMethane(), 50, t, p, ui);
  ASSERT_EQ(dry.status, EquationStatus::Ok);
  ASSERT_EQ(humid.status, EquationStatus::Ok);
  const Real psKPa = waterSaturation(t).pressureAt * 100 / kBarToAt;
  EXPECT_REL_NEAR(humid.steamMoleFraction, 0.5L * psKPa / p, 1e-15L);
  EXPECT_EQ(humid.gas.refDensity, dry.gas.refDensity);  // the dry gas's
  // A few hundred ppm of water: the density moves by about as much.
  EXPECT_NE(humid.gas.density, dry.gas.density);
  EXPECT_REL_NEAR(humid.gas.density, dry.gas.density, 1e-3L);
}

TEST(NaturalGasEquation, CaseFieldByCodeName) {
  CalculationCase c;
  std::string error;
  ASSERT_TRUE(setCaseField(c, "naturalGasEquation", "GERG-2008", error)) << error;
  EXPECT_EQ(c.naturalGasEquation, 3);
  ASSERT_TRUE(setCaseField(c, "naturalGasEquation", "aga8-92dc", error)) << error;
  EXPECT_EQ(c.naturalGasEquation, 2);
  ASSERT_TRUE(setCaseField(c, "naturalGasEquation", "SGERG-88 (ISO 12213-3)", error));
  EXPECT_EQ(c.naturalGasEquation, 1);
  EXPECT_FALSE(setCaseField(c, "naturalGasEquation", "4", error));
  EXPECT_FALSE(setCaseField(c, "naturalGasEquation", "GERG", error));
  EXPECT_EQ(fieldCodes("naturalGasEquation").size(), 3u);
  // "m3/h" names two flowrate units: no code.
  EXPECT_FALSE(setCaseField(c, "flowUnit", "m3/h", error));
  CalculationCase fresh;
  resetCase(c);
  EXPECT_EQ(c.naturalGasEquation, fresh.naturalGasEquation);
  EXPECT_EQ(fresh.naturalGasEquation, kEquationSgerg88);
}

TEST(NaturalGasEquationFile, Sgerg88IsWrittenAsAlwaysAndAnotherEquationAddsOneLine) {
  CalculationCase s = naturalGasCase(highMethane(), kEquationSgerg88);
  const std::string sgerg = caseFileText(s);
  EXPECT_EQ(sgerg.find("\r\n31 "), std::string::npos);
  // The physical-property input is SGERG-88 whatever the list shows.
  CalculationCase physical = naturalGasCase(highMethane(), kEquationGerg2008);
  physical.naturalGasInputIsComposition = 0;
  EXPECT_EQ(caseFileText(physical), sgerg);
  CalculationCase g = naturalGasCase(highMethane(), kEquationGerg2008);
  EXPECT_EQ(caseFileText(g), sgerg + "31 3\r\n");
  CalculationCase a = naturalGasCase(highMethane(), kEquationAga8_92dc);
  EXPECT_EQ(caseFileText(a), sgerg + "31 2\r\n");
}

TEST(NaturalGasEquationFile, ReadBackAndRefusedByTheOlderReadersRule) {
  RecordingInteraction ui;
  CalculationCase g = naturalGasCase(hydrogenBlend(), kEquationGerg2008);
  const std::string text = caseFileText(g);
  CalculationCase back;
  back.naturalGasInputIsComposition = 0;
  ASSERT_TRUE(readCaseText(text, back, ui));
  EXPECT_EQ(back.naturalGasEquation, kEquationGerg2008);
  EXPECT_EQ(back.naturalGasInputIsComposition, 1);
  for (size_t i = 0; i < kCompositionSlots; ++i)  // written with 5 decimals
    EXPECT_NEAR(static_cast<double>(back.naturalGasComposition[i]),
                static_cast<double>(g.naturalGasComposition[i]), 5e-6);
  // An SGERG-88 file read over a GERG-2008 case gives SGERG-88.
  CalculationCase s = naturalGasCase(highMethane(), kEquationSgerg88);
  ASSERT_TRUE(readCaseText(caseFileText(s), back, ui));
  EXPECT_EQ(back.naturalGasEquation, kEquationSgerg88);

  // Every reader of the format takes composition indices 1 to 30 and
  // refuses any other ("Input error", error 7): the equation line has index
  // 31.  The rule, as a reader without the equation line applies it: the
  // same line in a block that holds no equation line (other gas) is refused.
  const size_t last = text.rfind("31 3\r\n");
  ASSERT_EQ(last + 6, text.size());
  CalculationCase other;
  other.fluidKind = FluidOtherGas;
  other.mixtureComposition[kSlotN2] = 100;
  std::string otherText = caseFileText(other) + "31 3\r\n";
  ui.clear();
  EXPECT_FALSE(readCaseText(otherText, other, ui));
  ASSERT_EQ(ui.log().size(), 1u);
  EXPECT_EQ(ui.log()[0].polish, caseFileReadError(7).polish);
  // Codes other than 2 and 3 on the equation line are refused the same way.
  for (const char* bad : {"31 1\r\n", "31 4\r\n", "31 2.5\r\n", "32 3\r\n"}) {
    CalculationCase c;
    EXPECT_FALSE(readCaseText(caseFileText(s) + bad, c, ui)) << bad;
  }
}

TEST(NaturalGasEquation, ExtremeInputsEndInAResultOrAMessage) {
  // Every range question answered Yes: the equations meet states far from
  // natural gas and must end either with finite properties or refused.
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  Composition hydrogen{}, methane{}, decane{};
  hydrogen[kNgSlotH2] = 100;
  decane[kNgSlotC10H22] = 100;
  methane[kNgSlotCH4] = 100;
  for (int equation : {kEquationAga8_92dc, kEquationGerg2008})
    for (const Composition& y : {highMethane(), hydrogenBlend(), hydrogen, decane, methane})
      for (Real t : {-272.0L, -200.0L, 10.0L, 900.0L, 5000.0L, nan})
        for (Real p : {1e-3L, 101.325L, 4000.0L, 1e5L, 1e9L}) {
          RecordingInteraction ui(true);
          const EquationResult r = naturalGasByEquation(equation, y, 0, t, p, ui);
          if (r.status == EquationStatus::Ok) {
            EXPECT_TRUE(std::isfinite(r.gas.density) && r.gas.density > 0);
            EXPECT_TRUE(std::isfinite(r.gas.isentropicExponent));
            EXPECT_TRUE(std::isfinite(r.gas.compressibilityK1));
          } else {
            EXPECT_EQ(ui.messages().size(), 1u) << static_cast<double>(t) << " "
                                                << static_cast<double>(p);
          }
        }
}
