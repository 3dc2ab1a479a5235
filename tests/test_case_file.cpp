// The case data file: exact layout of the written version, round trips, the
// older versions, every read error, and saves that never lose the old file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <clocale>
#include <csignal>
#include <cmath>
#include <random>

#include "base/case.h"
#include "base/format.h"
#include "files/case_fields.h"
#include "files/atomic_write.h"
#include "files/case_file.h"
#include "files/text_encoding.h"
#include "support/case_compare.h"
#include "support/temp_dir.h"
#include "support/testing.h"

using namespace dorvel;
using dorvel::testing::differingFields;
using dorvel::testing::readBytes;
using dorvel::testing::storedFieldNames;
using dorvel::testing::TempDir;
using dorvel::testing::writeBytes;

namespace {

CalculationCase freshCase() {
  CalculationCase c;
  resetCase(c);
  return c;
}

// Reads `text` into a fresh case; returns the reader's result.
bool readText(const std::string& text, CalculationCase& c, RecordingInteraction& ui) {
  c = freshCase();
  return readCaseText(text, c, ui);
}

CalculationCase feedWater() {
  CalculationCase c = freshCase();
  c.task = 3;
  c.deviceType = DevOrificeFlange;
  c.caseTitle = "Feed water FT-101";
  c.pipeDiameter20 = 102.26L;
  c.dpUnit = 2;
  c.deviceDiameter20 = 61.5L;
  c.dpInput = 25;
  c.temperature = 105;
  c.fluidKind = FluidWater;
  c.flowUnit = 3;
  c.density = 955.2L;
  c.viscosityEntered = 0.000266L;
  c.pressureUnit = 3;
  c.pressureInput = 1.6L;
  c.fittingOrifice = 6;
  c.upstreamLengthActual = 12.5L;
  c.downstreamLengthActual = 4;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 25;
  c.densityUncertainty = 0.05L;
  c.pressureTransmitterError = 0.25L;
  c.temperatureTransmitterError = 0.5L;
  c.specificEnthalpy = 440.1234567L;
  return c;
}

// Splits a file text into its lines, checking that every line ends with CR LF.
std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find("\r\n", pos);
    EXPECT_NE(eol, std::string::npos) << "last line without CR LF";
    if (eol == std::string::npos) break;
    std::string line = text.substr(pos, eol - pos);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in: " << line;
    lines.push_back(line);
    pos = eol + 2;
  }
  return lines;
}

}  // namespace

// ---- layout of version L ---------------------------------------------------

TEST(CaseFileLayout, WaterCaseHasTheExactFieldWidths) {
  CalculationCase c = feedWater();
  // Expected text assembled from the layout table (R:w.p fixed, I:w
  // integers, R* scientific with a leading blank).
  const std::string expected =
      " L  3   3  2  1\r\n"
      "Feed water FT-101\r\n"
      " 0.0000  0.0000\r\n"
      "  102.2600  2    61.5000   25.0000000   105.0000  1     0.0000\r\n"
      "3      0.0000000  1  955.2000000  3 2.66E-04\r\n"
      "3      1.6000000     0.0000     0.0000    0.0000000\r\n"
      "6    12.5000     4.0000     0.0000      0.0000000\r\n"
      "0.10 0     25.00000   0.00   0.00   0.00   0.05 \r\n"
      "   0.25   0.50   0.00   0.00\r\n"
      "   440.12346\r\n";
  EXPECT_EQ(caseFileText(c), expected);
  EXPECT_EQ(c.enteredDensity, 955.2L);  // the writer copies the stored density
}

TEST(CaseFileLayout, ConditionalLinesAppearOnlyForTheirFluid) {
  struct Expect {
    int fluid;
    int lines;  // without the composition block
  };
  // 9 always-present lines (1-4, 7-9, 13, 14) plus the conditional ones.
  const Expect table[] = {
      {FluidWater, 10},         // + line 16
      {FluidOtherLiquid, 9},    //
      {FluidSteam, 10},         // + line 15
      {FluidAir, 10},           // + line 18
      {FluidOtherGas, 12},      // + 12, 17, 18
      {FluidLiquidAmmonia, 9},  //
      {FluidCokeGas, 12},       // + 17, 18, 19
      {FluidNaturalGas8, 10},   // + line 10
      {FluidNaturalGas, 12},    // + 10, 11, 17
      {FluidSteam13, 10},       // + line 15
  };
  for (const auto& e : table) {
    CalculationCase c = freshCase();
    c.fluidKind = e.fluid;
    EXPECT_EQ(crlfLines(caseFileText(c)).size(), static_cast<size_t>(e.lines)) << e.fluid;
  }
  CalculationCase c = freshCase();
  c.dpUnit = 3;
  EXPECT_EQ(crlfLines(caseFileText(c)).size(), 11u);  // + line 5
  c.dpUnit = 4;
  c.dpUnit4Values = {1.5L, -2.25L};
  auto lines = crlfLines(caseFileText(c));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[4], " 1.5E+00 -2.25E+00");  // line 6, two R* values
}

TEST(CaseFileLayout, DrainHoleOrRoughnessByDevice) {
  CalculationCase c = freshCase();
  c.drainHoleDiameter = 3;
  c.eccentricRoughness = 0.05L;
  EXPECT_EQ(crlfLines(caseFileText(c))[3].substr(62 - 10), "    3.0000");
  c.deviceType = DevEccentricOrifice;
  EXPECT_EQ(crlfLines(caseFileText(c))[3].substr(62 - 10), "    0.0500");
}

TEST(CaseFileLayout, FittingCodeFollowsTheDeviceAndPipeSize) {
  struct Row {
    int device;
    Real pipe;
    int CalculationCase::*field;
  };
  const Row rows[] = {
      {1, 24.9L, &CalculationCase::fittingAsme},   {1, 25, &CalculationCase::fittingOrifice},
      {3, 49.9L, &CalculationCase::fittingAsme},   {3, 50, &CalculationCase::fittingOrifice},
      {2, 10, &CalculationCase::fittingOrifice},   {7, 100, &CalculationCase::fittingOrifice},
      {12, 100, &CalculationCase::fittingOrifice}, {4, 100, &CalculationCase::fittingNozzle},
      {5, 100, &CalculationCase::fittingNozzle},   {6, 100, &CalculationCase::fittingNozzle},
      {8, 100, &CalculationCase::fittingNozzle},   {9, 100, &CalculationCase::fittingVenturi},
      {10, 100, &CalculationCase::fittingVenturi}, {11, 100, &CalculationCase::fittingVenturi},
  };
  for (const auto& r : rows) {
    CalculationCase c = freshCase();
    c.deviceType = r.device;
    c.pipeDiameter20 = r.pipe;
    c.*r.field = 7;
    EXPECT_EQ(crlfLines(caseFileText(c))[6].substr(0, 2), "7 ") << r.device << " " << r.pipe;
    CalculationCase back;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(caseFileText(c), back, ui));
    EXPECT_EQ(back.*r.field, 7);
  }
}

TEST(CaseFileLayout, OnlySlotThreeWritesOneCompositionLine) {
  CalculationCase c = freshCase();
  c.fluidKind = FluidNaturalGas;
  c.naturalGasComposition[2] = 1;
  auto lines = crlfLines(caseFileText(c));
  EXPECT_EQ(lines.back(), "3    1.00000");
  EXPECT_EQ(lines.size(), 13u);
  c.fluidKind = FluidOtherGas;
  c.mixtureComposition[2] = 20.946L;
  lines = crlfLines(caseFileText(c));
  EXPECT_EQ(lines.back(), "3   20.94600");
  EXPECT_EQ(lines.size(), 13u);
}

TEST(CaseFileLayout, FluidNameIsKeptOnlyForOtherLiquidAndGas) {
  for (int k : {1, 2, 3, 4, 5, 6, 7, 9}) {
    CalculationCase c = freshCase();
    c.fluidKind = k;
    c.fluidName = "Biogas";
    caseFileText(c);
    EXPECT_EQ(c.fluidName, (k == 2 || k == 5) ? "Biogas" : "") << k;
  }
}

// ---- round trips --------------------------------------------------------------

TEST(CaseFileRoundTrip, NewCaseComesBackUnchanged) {
  CalculationCase c = freshCase();
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(caseFileText(c), back, ui));
  EXPECT_TRUE(ui.log().empty());
  EXPECT_EQ(differingFields(c, back, storedFieldNames()), "");
  EXPECT_EQ(back.balanceNumber[0], 0);
  EXPECT_EQ(back.balanceNumber[1], 0);
}

TEST(CaseFileRoundTrip, EveryFluidKindComesBackFieldByField) {
  for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 13}) {
    CalculationCase c = feedWater();
    c.fluidKind = k;
    c.caseTitle = "round trip " + std::to_string(k);
    c.fluidName = (k == 2 || k == 5) ? "Some fluid" : "";
    c.balanceNumber = {12.5L, 0.25L};
    c.densityKind = (k == 5) ? 2 : 1;
    if (c.densityKind == 2) {
      c.refDensity = 1.2345L;
      c.density = 0;
      c.humidityCorrected = true;
    }
    c.enteredDensity = c.densityKind == 1 ? c.density : c.refDensity;
    c.viscosityEntered = 1.0L / 3;  // R*: every digit comes back
    c.relativeHumidity = 45.5L;
    c.isentropicExponent = 1.3L;
    c.compressibilityK1 = 0.9876543L;
    c.k1Uncertainty = 0.1L;
    c.refDensityUncertainty = 0.2L;
    c.refTemperature = (k == 4 || k == 5 || k == 7) ? 15 : 0;
    c.refPressure = (k == 4 || k == 5 || k == 7) ? 101.3L : 101.325L;
    c.refConditionsText = referenceConditionsText(c.refTemperature, c.refPressure);
    c.nominalFlowrate = 1234.5L;
    c.compositionInMolePercent = (k == 7) ? 0 : 1;
    if (k == 5) {
      c.manualDensity = 1.0L / 7;
      c.manualViscosity = 1.75e-5L;
      c.manualIsentropicExponent = 1.31L;
      c.manualK1 = 0.995L;
    }
    if (k == 7) c.cokeGasCnHm = 2.0L / 3;
    if (k == 8 || k == 9) {
      c.calorificValue = 39.876L;
      c.refDensity = 0.7654321L;
      c.relativeDensity = k == 9 ? 0.5920123L : c.refDensity / 1.292923L;
      c.co2Percent = k == 9 ? 1.5L : 0;
      c.h2Percent = 0;
      c.naturalGasComposition[0] = 90;
      c.naturalGasComposition[26] = 8.5L;
      c.naturalGasComposition[28] = 1.5L;
      c.mixtureComposition = {};
      c.mixtureComposition[11] = 90;
      c.mixtureComposition[1] = 8.5L;
      c.mixtureComposition[10] = 1.5L;
    } else if (k == 5 || k == 7) {
      c.mixtureComposition[3] = 55.5L;
      c.mixtureComposition[11] = 25;
      c.mixtureComposition[9] = 6.25L;
      c.mixtureComposition[1] = 13.25L;
      c.naturalGasComposition = {};
      c.naturalGasComposition[20] = 55.5L;
      c.naturalGasComposition[0] = 25;
      c.naturalGasComposition[22] = 6.25L;
      c.naturalGasComposition[26] = 13.25L;
    }
    // Only the values of the kinds' own lines are compared; the rest keep
    // the fresh case's values.
    CalculationCase written = c;
    std::string text = caseFileText(written);
    CalculationCase back;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(text, back, ui)) << k;
    CalculationCase expected = written;
    if (k != 5) expected.manualDensity = expected.manualViscosity = 0;
    if (k != 5) expected.manualIsentropicExponent = expected.manualK1 = 0;
    if (k != 9 && k != 8) {
      expected.calorificValue = 0;
    }
    if (!(k == 4 || k == 5 || k == 7)) {
      expected.refTemperature = 0;
      expected.refPressure = 101.325L;
      expected.refConditionsText = referenceConditionsText(0, 101.325L);
    }
    if (!(k == 5 || k == 7 || k == 9)) expected.compositionInMolePercent = 1;
    if (!(k == 5 || k == 7 || k == 8 || k == 9)) {
      expected.mixtureComposition = {};
      expected.naturalGasComposition = {};
    }
    if (k != 7) expected.cokeGasCnHm = 0;
    if (k != 9) {
      expected.co2Percent = 0;
      expected.h2Percent = 0;
      if (k != 8) expected.relativeDensity = 0;
    }
    if (k == 8) expected.relativeDensity = expected.refDensity / 1.292923L;
    EXPECT_EQ(differingFields(expected, back, storedFieldNames()), "") << "fluid " << k;
    // A second save of what was read gives the very same text, apart from
    // the computed specific volume and enthalpy, which the reader skips.
    EXPECT_EQ(back.specificEnthalpy, 0);
    back.specificVolume = written.specificVolume;
    back.specificEnthalpy = written.specificEnthalpy;
    EXPECT_EQ(caseFileText(back), text) << k;
  }
}

TEST(CaseFileRoundTrip, FullPrecisionValuesComeBackBitForBit) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> mant(1.0, 10.0);
  std::uniform_int_distribution<int> expo(-300, 300);
  for (int i = 0; i < 2000; ++i) {
    // Values with all 64 mantissa bits in use.
    Real x = static_cast<Real>(mant(rng)) * std::pow(10.0L, expo(rng));
    x += x * 1e-17L * static_cast<Real>(i % 7);
    if (i % 2) x = -x;
    CalculationCase c = freshCase();
    c.viscosityEntered = x;
    c.fluidKind = FluidCokeGas;
    c.cokeGasCnHm = x / 3;
    CalculationCase back;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(caseFileText(c), back, ui));
    ASSERT_EQ(back.viscosityEntered, x) << dorvel::testing::full(x);
    ASSERT_EQ(back.cokeGasCnHm, x / 3);
  }
  const Real big = DBL_MAX;  // the reader takes nothing beyond a double's range
  for (Real x : {big, -big, LDBL_MIN, LDBL_EPSILON, 0.0L}) {
    CalculationCase c = freshCase();
    c.viscosityEntered = x;
    CalculationCase back;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(caseFileText(c), back, ui));
    EXPECT_EQ(back.viscosityEntered, x);
  }
  // Beyond it a value could not be read back: it is written as 0, as a
  // value that is not finite is.
  CalculationCase c = freshCase();
  c.viscosityEntered = LDBL_MAX;
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(caseFileText(c), back, ui));
  EXPECT_EQ(back.viscosityEntered, 0);
}

TEST(CaseFileRoundTrip, FluidNameOtherGasSurvivesManyCycles) {
  CalculationCase c = freshCase();
  c.fluidKind = FluidOtherGas;
  c.fluidName = "Other gas";
  for (int i = 0; i < 5; ++i) {
    CalculationCase back;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(caseFileText(c), back, ui));
    EXPECT_EQ(back.fluidName, "Other gas");
    c = back;
  }
  // Leading blanks of a name are the name's own.
  c.fluidName = "  indented";
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(caseFileText(c), back, ui));
  EXPECT_EQ(back.fluidName, "  indented");
}

TEST(CaseFileRoundTrip, ValuesTooWideForTheirFieldStayReadable) {
  CalculationCase c = freshCase();
  c.pressureTransmitterError = 12345.678L;  // R:7.2 holds 9999.99 at most
  c.temperatureTransmitterError = 1000;     // fills R:7.2 exactly
  c.k1Uncertainty = -100;                   // fills R:7.2 exactly
  c.refDensityUncertainty = 2.5L;
  c.dpTransmitterError = 123.25L;           // R:4.2
  c.flowrateInput = 123456789.125L;         // R:14.7
  c.temperature = -12345.5L;                // R:10.4 followed by I:3
  c.fluidKind = FluidWater;
  c.pipeDiameter20 = 1e30L;                 // far too wide: written in full
  std::string text = caseFileText(c);
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(text, back, ui)) << text;
  EXPECT_EQ(back.pressureTransmitterError, 12345.68L);
  EXPECT_EQ(back.temperatureTransmitterError, 1000);
  EXPECT_EQ(back.k1Uncertainty, -100);
  EXPECT_EQ(back.refDensityUncertainty, 2.5L);
  EXPECT_EQ(back.dpTransmitterError, 123.25L);
  EXPECT_EQ(back.flowrateInput, 123456789.125L);
  EXPECT_EQ(back.temperature, -12345.5L);
  EXPECT_EQ(back.fluidKind, FluidWater);
  EXPECT_EQ(back.pipeDiameter20, 1e30L);
  EXPECT_EQ(crlfLines(text)[8], "12345.68 1000.00 -100.00   2.50");
}

TEST(CaseFileRoundTrip, ValuesThatAreNotFiniteAreWrittenAsZero) {
  CalculationCase c = freshCase();
  c.pipeDiameter20 = NAN;
  c.viscosityEntered = INFINITY;
  c.fluidKind = FluidOtherGas;
  c.manualK1 = -INFINITY;
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(caseFileText(c), back, ui));
  EXPECT_EQ(back.pipeDiameter20, 0);
  EXPECT_EQ(back.viscosityEntered, 0);
  EXPECT_EQ(back.manualK1, 0);
}

TEST(CaseFileRoundTrip, LineBreaksInTextsDoNotBreakTheFile) {
  CalculationCase c = freshCase();
  c.fluidKind = FluidOtherLiquid;
  c.caseTitle = "two\r\nlines";
  c.fluidName = "oil\nname";
  CalculationCase back;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(caseFileText(c), back, ui));
  EXPECT_EQ(back.caseTitle, "two  lines");
  EXPECT_EQ(back.fluidName, "oil name");
}

TEST(CaseFileRoundTrip, DecimalPointWhateverTheLocale) {
  const char* chosen = nullptr;
  for (const char* name : {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_ALL, name)) {
      chosen = name;
      break;
    }
  if (!chosen) GTEST_SKIP() << "no locale with a decimal comma installed";
  CalculationCase c = feedWater();
  c.viscosityEntered = 1.0L / 3;
  std::string text = caseFileText(c);
  CalculationCase back;
  RecordingInteraction ui;
  bool ok = readText(text, back, ui);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text.find(','), std::string::npos) << chosen << "\n" << text;
  ASSERT_TRUE(ok);
  EXPECT_EQ(back.viscosityEntered, 1.0L / 3);
  EXPECT_EQ(back.pipeDiameter20, 102.26L);
}

// ---- version markers ---------------------------------------------------------

TEST(CaseFileMarker, BlankAndLetterInEitherOrder) {
  const std::string body =
      "  3   3  2  1\r\nt\r\n 0 0\r\n 100 2 50 20 20 1 0\r\n1 0 1 998 3 1E-3\r\n"
      "3 1 0 0 0\r\n1 0 0 0 0\r\n0 0 0 0 0 0 0 \r\n0 0 0 0\r\n0\r\n";
  for (const std::string& start : {std::string(" L"), std::string("L ")}) {
    CalculationCase c;
    RecordingInteraction ui;
    EXPECT_TRUE(readText(start + body, c, ui)) << start;
    EXPECT_EQ(c.deviceType, 3);
    EXPECT_EQ(c.pipeDiameter20, 100);
  }
}

TEST(CaseFileMarker, AnyOtherStartIsRejectedWithoutAMessage) {
  for (const std::string& text :
       {std::string(""), std::string("X  3   3  2  1\r\n"), std::string("  L  3\r\n"),
        std::string("l  3   3  2  1\r\n"), std::string("\r\n L\r\n"), std::string("A")}) {
    CalculationCase c;
    RecordingInteraction ui;
    EXPECT_FALSE(readText(text, c, ui)) << text;
    EXPECT_TRUE(ui.log().empty()) << text;
  }
}

// ---- older versions, written by hand from the layout --------------------------

TEST(CaseFileVersions, VersionFHasNoDrainHoleValue) {
  const std::string text =
      " F  1  12  2  1\r\n"
      "Oil line\r\n"
      "12.3400  5.6000\r\n"
      "   50.0000  1    20.0000 2500.0000000    40.0000  2\r\n"
      "1   3000.0000000  1  870.0000000  4 1.2E+01\r\n"
      "4      0.4000000     0.0000     0.0000    0.0000000\r\n"
      "3     8.0000     3.0000     0.0000   2400.0000000\r\n"
      "0.20 0   2500.00000   0.00   0.00   0.00   0.10 Light oil\r\n"
      "   0.10   0.20   0.00   0.00\r\n";
  CalculationCase c;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(text, c, ui));
  c.drainHoleDiameter = 1.5L;  // untouched by the reader; set to check below
  EXPECT_EQ(c.task, 1);
  EXPECT_EQ(c.deviceType, 12);
  EXPECT_EQ(c.caseTitle, "Oil line");
  EXPECT_EQ(c.balanceNumber[0], 12.34L);
  EXPECT_EQ(c.balanceNumber[1], 5.6L);
  EXPECT_EQ(c.dpUnit, 1);
  EXPECT_EQ(c.dpInput, 2500);
  EXPECT_EQ(c.fluidKind, FluidOtherLiquid);
  EXPECT_EQ(c.density, 870);
  EXPECT_EQ(c.viscosityUnit, 4);
  EXPECT_EQ(c.viscosityEntered, 12);
  EXPECT_EQ(c.pressureUnit, 4);
  EXPECT_EQ(c.fittingOrifice, 3);
  EXPECT_EQ(c.nominalFlowrate, 2400);
  EXPECT_EQ(c.flowUnit, 1);
  EXPECT_EQ(c.dpTransmitterReference, 2500);
  EXPECT_EQ(c.densityUncertainty, 0.1L);
  EXPECT_EQ(c.fluidName, "Light oil");
  EXPECT_EQ(c.temperatureTransmitterError, 0.2L);
}

TEST(CaseFileVersions, VersionMHoldsPercentagesAndOldFlowUnits) {
  const std::string text =
      " M  3  2  1\r\n"
      "Old water\r\n"
      " 0.0000  0.0000\r\n"
      "  100.0000  2    50.0000   25.0000000    20.0000  1\r\n"
      "3     12.0000000  1  998.2000000  3 1.0E-03\r\n"
      "3      0.5000000     0.0000     0.0000    1.0000000\r\n"
      "1    10.0000     5.0000     0.0000     80.0000000\r\n";
  CalculationCase c = freshCase();
  c.task = 2;
  c.dpTransmitterError = 5;  // M files carry no uncertainties: cleared
  c.specificEnthalpy = 5;
  RecordingInteraction ui;
  ASSERT_TRUE(readCaseText(text, c, ui));
  EXPECT_EQ(c.task, 2);  // no task in version M
  EXPECT_EQ(c.deviceType, 3);
  EXPECT_EQ(c.flowUnit, 4);  // old 3: m3/h at working conditions
  EXPECT_REL_NEAR(c.nominalFlowrate, 9.6L, 1e-18L);  // 80 % of 12
  EXPECT_EQ(c.density, 998.2L);
  EXPECT_EQ(c.dpTransmitterError, 0);
  EXPECT_EQ(c.specificEnthalpy, 0);
  EXPECT_EQ(c.fittingOrifice, 1);
}

TEST(CaseFileVersions, OldFlowUnitNumbering) {
  const int recoded[] = {0, 1, 2, 4, 5, 1, 3};
  for (int old = 1; old <= 6; ++old) {
    std::string text = " M  1  2  1\r\nx\r\n0 0\r\n100 2 50 25 20 2\r\n" + std::to_string(old) +
                       " 10 1 800 3 1E-3\r\n3 1 0 0 0\r\n1 0 0 0 50\r\n";
    CalculationCase c;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(text, c, ui));
    EXPECT_EQ(c.flowUnit, recoded[old]) << old;
    EXPECT_EQ(c.nominalFlowrate, 5);
  }
}

TEST(CaseFileVersions, VersionNNaturalGasHasNoReferenceLineAndMixtureOrder) {
  const std::string text =
      " N  1  2  1\r\n"
      "Old gas\r\n"
      " 0.0000  0.0000\r\n"
      "  200.0000  2     0.0000   50.0000000    10.0000  9\r\n"
      "5   1000.0000000  2    0.8000000  3 1.1E-05\r\n"
      "2      4.0000000     0.0000     1.3000     0.0000000\r\n"
      "1    20.0000     5.0000     0.0000     90.0000000\r\n"
      "12 95.0\r\n"
      "2 3.0\r\n"
      "11 2.0\r\n";
  CalculationCase c;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(text, c, ui));
  EXPECT_EQ(c.fluidKind, FluidNaturalGas);
  EXPECT_EQ(c.flowUnit, 1);  // old 5
  EXPECT_EQ(c.nominalFlowrate, 900);
  EXPECT_EQ(c.refDensity, 0.8L);
  EXPECT_EQ(c.density, 0);
  EXPECT_TRUE(c.humidityCorrected);
  EXPECT_EQ(c.calorificValue, 0);
  EXPECT_EQ(c.mixtureComposition[11], 95);  // CH4 in the mixture order
  EXPECT_EQ(c.naturalGasComposition[0], 95);
  EXPECT_EQ(c.naturalGasComposition[26], 3);
  EXPECT_EQ(c.naturalGasComposition[28], 2);
  EXPECT_EQ(c.refPressure, 101.325L);
}

TEST(CaseFileVersions, VersionUNaturalGasWithOldNumberForTheName) {
  const std::string text =
      " U  3  1  1\r\n"
      "U gas\r\n"
      " 1.0000  2.0000\r\n"
      "  150.0000  2    75.0000   20.0000000    15.0000  9\r\n"
      "4      0.0000000  1   40.0000000  3 1.15E-05\r\n"
      "3      4.5000000     0.0000     1.3000     0.0000000\r\n"
      "2    30.0000    10.0000     0.0000    100.0000000\r\n"
      "   0.7300000   39.5000000\r\n"
      "0.10 0     20.00000   0.00   0.00   0.00   0.20   0.00\r\n"
      "   0.10   0.10   0.20   0.30\r\n"
      "1 92.5\r\n"
      "27 4.5\r\n"
      "29 3.0\r\n";
  CalculationCase c;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(text, c, ui));
  EXPECT_EQ(c.deviceType, 3);
  EXPECT_EQ(c.flowUnit, 4);  // no recoding after version N
  EXPECT_EQ(c.nominalFlowrate, 100);
  EXPECT_EQ(c.density, 40);
  EXPECT_EQ(c.refDensity, 0.73L);
  EXPECT_EQ(c.calorificValue, 39.5L);
  EXPECT_EQ(c.relativeDensity, 0.73L / 1.292923L);
  EXPECT_EQ(c.fluidName, "Other gas");
  EXPECT_EQ(c.fittingNozzle, 1);
  EXPECT_EQ(c.fittingOrifice, 2);  // flange tappings, D >= 50
  EXPECT_EQ(c.refDensityUncertainty, 0.3L);
  EXPECT_EQ(c.naturalGasComposition[0], 92.5L);
  EXPECT_EQ(c.mixtureComposition[11], 92.5L);  // CH4
  EXPECT_EQ(c.mixtureComposition[1], 4.5L);    // N2
  EXPECT_EQ(c.mixtureComposition[10], 3);      // CO2
}

TEST(CaseFileVersions, VersionsWAndZOtherGas) {
  auto file = [](char marker, bool reference) {
    std::string t = std::string(" ") + marker +
                    "  2  2  1\r\n"
                    "Gas\r\n"
                    " 0.0000  0.0000\r\n"
                    "   80.0000  2    40.0000    5.0000000    30.0000  5\r\n"
                    "1    500.0000000  1    1.5000000  3 1.8E-05\r\n"
                    "4      6.0000000    50.0000     1.3500     0.9800000\r\n"
                    "1    15.0000     5.0000     0.0000    400.0000000\r\n"
                    "0.10 0      5.00000   0.00   0.00   0.00   0.20 Biogas\r\n"
                    "   0.10   0.10   0.20   0.30\r\n";
    if (reference) t += "  15.00    101.32500\r\n";
    return t + "12 60.0\r\n11 40.0\r\n";
  };
  for (char marker : {'W', 'Z'}) {
    CalculationCase c;
    RecordingInteraction ui;
    ASSERT_TRUE(readText(file(marker, marker == 'Z'), c, ui)) << marker;
    EXPECT_EQ(c.fluidKind, FluidOtherGas);
    EXPECT_EQ(c.manualDensity, 1.5L);
    EXPECT_EQ(c.manualViscosity, 1.8e-5L);
    EXPECT_EQ(c.manualIsentropicExponent, 1.35L);
    EXPECT_EQ(c.manualK1, 0.98L);
    EXPECT_EQ(c.fluidName, "Biogas");
    EXPECT_EQ(c.mixtureComposition[11], 60);
    EXPECT_EQ(c.mixtureComposition[10], 40);
    EXPECT_EQ(c.naturalGasComposition[0], 60);
    EXPECT_EQ(c.naturalGasComposition[28], 40);
    EXPECT_EQ(c.refTemperature, marker == 'Z' ? 15 : 0);
    EXPECT_EQ(c.refPressure, 101.325L);
    EXPECT_EQ(c.refConditionsText, marker == 'Z' ? "(15 \u00B0C, 101.325 kPa)"
                                                 : "(0 \u00B0C, 101.325 kPa)");
  }
  // Version W has no reference line: the same line in a W file is read as a
  // composition line and fails (index 15.00 is no whole number).
  CalculationCase c;
  RecordingInteraction ui;
  EXPECT_FALSE(readText(file('W', true), c, ui));
  EXPECT_TRUE(ui.saw("Input error"));
}

TEST(CaseFileVersions, OldNumberInPlaceOfTheLiquidName) {
  const std::string text =
      " Z  1  2  1\r\nx\r\n0 0\r\n100 2 50 25 20 2\r\n1 10 1 800 3 1E-3\r\n"
      "3 1 0 0 0\r\n1 0 0 0 50\r\n0.10 0 20.0 0 0 0   0.20   0.00\r\n 0 0 0 0\r\n";
  CalculationCase c;
  RecordingInteraction ui;
  ASSERT_TRUE(readText(text, c, ui));
  EXPECT_EQ(c.fluidName, "Other liquid");
}

// ---- read errors ----------------------------------------------------------------

namespace {

struct ErrorCase {
  const char* what;
  std::string text;
  int error;
};

const std::string kLine1 = " L  3   3  2  1\r\n";
const std::string kWaterTail =
    "1 10 1 998 3 1E-3\r\n3 1 0 0 0\r\n1 0 0 0 0\r\n0 0 0 0 0 0 0 \r\n0 0 0 0\r\n0\r\n";

}  // namespace

TEST(CaseFileErrors, EveryCheckReportsItsMessage) {
  const ErrorCase cases[] = {
      {"line 1 holds a letter", " L  3   x  2  1\r\nt\r\n", 2},
      {"line 1 breaks off", " L  3\r\n", 2},
      {"no title line", kLine1, 4},
      {"balance number not a number", kLine1 + "t\r\nabc 0\r\n", 5},
      {"no balance line", kLine1 + "t\r\n", 5},
      {"line 4 breaks off", kLine1 + "t\r\n0 0\r\n100 2 50\r\n", 6},
      {"line 4 comma decimal", kLine1 + "t\r\n0 0\r\n100,5 2 50 20 20 1 0\r\n", 6},
      {"dp line 5 missing", kLine1 + "t\r\n0 0\r\n100 3 50 20 20 1 0\r\n", 5},
      {"line 7 bad", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n1 x\r\n", 6},
      {"line 8 missing", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n1 10 1 998 3 1E-3\r\n", 6},
      {"line 9 short",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n1 10 1 998 3 1E-3\r\n3 1 0 0 0\r\n1 0\r\n", 6},
      {"line 14 missing",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n1 10 1 998 3 1E-3\r\n3 1 0 0 0\r\n"
                "1 0 0 0 0\r\n0 0 0 0 0 0 0 \r\n",
       6},
      {"enthalpy line missing",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n1 10 1 998 3 1E-3\r\n3 1 0 0 0\r\n"
                "1 0 0 0 0\r\n0 0 0 0 0 0 0 \r\n0 0 0 0\r\n",
       6},
      {"composition index 0", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "0 5\r\n",
       7},
      {"composition index 31",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "31 5\r\n", 7},
      {"composition value missing",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "3\r\n", 7},
      {"composition index not whole",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "3.5 5\r\n", 7},
      {"composition value nan",
       kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "3 nan\r\n", 7},
      // 10 to 12 name no fluid (13 is the older files' steam).
      {"fluid code 10", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 10 0\r\n" + kWaterTail + "30 5\r\n\r\n", 5},
      {"fluid code 11", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 11 0\r\n" + kWaterTail + "30 5\r\n\r\n", 5},
      {"fluid code 12", kLine1 + "t\r\n0 0\r\n100 2 50 20 20 12 0\r\n" + kWaterTail + "30 5\r\n\r\n", 5},
  };
  for (const auto& e : cases) {
    CalculationCase c;
    RecordingInteraction ui;
    EXPECT_FALSE(readText(e.text, c, ui)) << e.what;
    ASSERT_EQ(ui.log().size(), 1u) << e.what;
    const auto& m = ui.log()[0];
    EXPECT_FALSE(m.question);
    EXPECT_EQ(m.text, "Input error") << e.what;
    EXPECT_EQ(m.english, "Input error");
    EXPECT_EQ(m.polish, caseFileReadError(e.error).polish) << e.what;
  }
  // The same water file without the bad composition line is accepted.
  CalculationCase c;
  RecordingInteraction ui;
  EXPECT_TRUE(readText(kLine1 + "t\r\n0 0\r\n100 2 50 20 20 1 0\r\n" + kWaterTail + "30 5\r\n\r\n",
                       c, ui));
  EXPECT_EQ(c.mixtureComposition[29], 5);
}

TEST(CaseFileErrors, MessageTextsOfTheTable) {
  EXPECT_EQ(caseFileReadError(1, "/x/y").polish,
            "Pr\u00F3ba otwarcia pliku /x/y nie powiod\u0142a si\u0119");
  EXPECT_EQ(caseFileReadError(2).polish, "B\u0142\u0105d przy czytaniu pierwszego wiersza danych");
  EXPECT_EQ(caseFileReadError(4).polish, "B\u0142\u0105d przy czytaniu numeru bilansowego");
  EXPECT_EQ(caseFileReadError(5).polish,
            "B\u0142\u0105d przy czytaniu pierwszego wiersza z liczbami rzeczywistymi.");
  EXPECT_EQ(caseFileReadError(6).polish,
            "B\u0142\u0105d przy czytaniu kolejnych wierszy z liczbami rzeczywistymi.");
  EXPECT_EQ(caseFileReadError(7).polish, "B\u0142\u0105d przy czytaniu sk\u0142adu gazu");
  for (int e : {1, 2, 4, 5, 6, 7}) EXPECT_EQ(caseFileReadError(e).english, "Input error");
  EXPECT_EQ(caseFileReadError(3).english, "");
}

TEST(CaseFileErrors, FieldsReadBeforeTheFailureKeepTheirValues) {
  CalculationCase c;
  RecordingInteraction ui;
  EXPECT_FALSE(readText(kLine1 + "Kept title\r\nabc\r\n", c, ui));
  EXPECT_EQ(c.caseTitle, "Kept title");
  EXPECT_EQ(c.deviceType, 3);
}

TEST(CaseFileErrors, MissingFileAndFolderGiveErrorOne) {
  TempDir dir;
  for (const std::string& path : {dir.file("no such file"), dir.path().string()}) {
    CalculationCase c;
    RecordingInteraction ui;
    EXPECT_FALSE(readCaseFile(path, c, ui));
    ASSERT_EQ(ui.log().size(), 1u);
    EXPECT_EQ(ui.log()[0].polish, caseFileReadError(1, path).polish);
    EXPECT_EQ(ui.log()[0].text, "Input error");
    EXPECT_EQ(c.dataFilePath, path);
  }
}

// ---- files on disk ---------------------------------------------------------------

TEST(CaseFileDisk, SaveAndOpenAPathWithBlanks) {
  TempDir dir;
  std::string path = dir.file("feed water FT 101.dvl");
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  EXPECT_TRUE(ui.log().empty());
  EXPECT_EQ(readBytes(path), caseFileText(c));
  CalculationCase back = freshCase();
  ASSERT_TRUE(readCaseFile(path, back, ui));
  EXPECT_EQ(back.dataFilePath, path);
  EXPECT_TRUE(back.dataFileDateKnown);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(back.dataFileDate, st.st_mtime);
  EXPECT_EQ(differingFields(c, back, storedFieldNames()), "");
}

TEST(CaseFileDisk, SavedAsItsOwnFileTheCaseTakesTheNewDate) {
  TempDir dir;
  const std::string path = dir.file("own.dvl");
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  // Another file (an export, a --save elsewhere) leaves the date alone.
  c.dataFilePath = dir.file("other.dvl");
  c.dataFileDate = 1000;
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  EXPECT_EQ(c.dataFileDate, 1000);
  c.dataFilePath = path;
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(c.dataFileDate, st.st_mtime);
  EXPECT_TRUE(c.dataFileDateKnown);
}

TEST(CaseFileDisk, OverwriteKeepsPermissionsAndLinks) {
  TempDir dir;
  std::string real = dir.file("real.dvl");
  std::string link = dir.file("link.dvl");
  writeBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  ASSERT_TRUE(writeCaseFile(link, c, ui));
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(readBytes(real), caseFileText(c));
  // Nothing but the two names is left in the folder.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(CaseFileDisk, FailedSavesLeaveTheOldFileAndReport) {
  TempDir dir;
  CalculationCase c = feedWater();
  // A folder of that name cannot be replaced by a file.
  std::string folder = dir.file("a folder");
  std::filesystem::create_directory(folder);
  writeBytes(folder + "/inside", "keep");
  RecordingInteraction ui;
  std::string reason;
  EXPECT_FALSE(writeCaseFile(folder, c, ui, &reason));
  EXPECT_FALSE(reason.empty());
  ASSERT_EQ(ui.log().size(), 1u);
  EXPECT_EQ(ui.log()[0].text, "Output error");
  EXPECT_EQ(ui.log()[0].polish, "B\u0142\u0105d zapisu. Dane nie zosta\u0142y zapisane.");
  EXPECT_EQ(readBytes(folder + "/inside"), "keep");
  // A folder that does not exist.
  ui.clear();
  EXPECT_FALSE(writeCaseFile(dir.file("missing/case.dvl"), c, ui));
  EXPECT_TRUE(ui.saw("Output error"));
}

TEST(CaseFileDisk, DiskFullHalfwayLeavesTheOldFileIntact) {
  // A file-size limit makes the write fail after 100 bytes, as a full disk
  // would; even root cannot write past it.  Run in a child process so the
  // limit does not reach the other tests.
  TempDir dir;
  std::string path = dir.file("case.dvl");
  const std::string old = "the old content of the file\r\n";
  writeBytes(path, old);
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim {100, 100};
    ::setrlimit(RLIMIT_FSIZE, &lim);
    CalculationCase c = feedWater();
    RecordingInteraction ui;
    bool ok = writeCaseFile(path, c, ui);
    ::_exit(ok ? 0 : (ui.saw("Output error") ? 3 : 4));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(readBytes(path), old);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}

TEST(CaseFileLayout, CompositionValuesBelowTheLastDecimalAreLeftOut) {
  CalculationCase c = freshCase();
  c.fluidKind = FluidOtherGas;
  c.mixtureComposition[0] = 2.5e-7L;   // shows as 0.00000: no line
  c.mixtureComposition[1] = 0.000006L; // rounds to 0.00001: a line
  auto lines = crlfLines(caseFileText(c));
  EXPECT_EQ(lines.back(), "2    0.00001");
  EXPECT_EQ(lines[lines.size() - 2].substr(0, 3), "   ");  // the reference line before it
}

// ---- targets that are no regular file, links, killed saves ---------------

namespace {

int entriesIn(const std::filesystem::path& dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

}  // namespace

TEST(CaseFileDisk, TargetsThatAreNoRegularFileAreRefusedAndKept) {
  TempDir dir;
  CalculationCase c = feedWater();
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::vector<std::string> targets = {fifo};
  // A device node needs root; /dev/null is what a careless convert destroys.
  const std::string device = dir.file("null");
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
  for (const std::string& target : targets) {
    struct stat before {};
    ASSERT_EQ(::lstat(target.c_str(), &before), 0);
    RecordingInteraction ui;
    std::string reason;
    EXPECT_FALSE(writeCaseFile(target, c, ui, &reason)) << target;
    EXPECT_NE(reason.find(target), std::string::npos) << reason;
    EXPECT_TRUE(ui.saw("Output error"));
    struct stat after {};
    ASSERT_EQ(::lstat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode) << target;
    EXPECT_EQ(after.st_ino, before.st_ino) << target;
  }
  EXPECT_EQ(entriesIn(dir.path()), static_cast<int>(targets.size()));
}

TEST(CaseFileDisk, DanglingLinkIsWrittenThroughToItsFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  const std::string link = dir.file("link.dvl");
  ASSERT_EQ(::symlink("sub/new.dvl", link.c_str()), 0);  // relative, dangling
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  ASSERT_TRUE(writeCaseFile(link, c, ui));
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(readBytes(dir.file("sub/new.dvl")), caseFileText(c));
  // A link that points at itself is refused, not looped on.
  const std::string loop = dir.file("loop.dvl");
  ASSERT_EQ(::symlink("loop.dvl", loop.c_str()), 0);
  EXPECT_FALSE(writeCaseFile(loop, c, ui));
}

TEST(CaseFileDisk, SaveKeepsOwnerGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
  TempDir dir;
  const std::string path = dir.file("theirs.dvl");
  writeBytes(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 8765u);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(readBytes(path), caseFileText(c));
}

TEST(CaseFileDisk, KilledSavesLeaveNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("case.dvl");
  const std::string old(1 << 20, 'o');
  const std::string fresh(8 << 20, 'n');
  writeBytes(path, old);
  std::mt19937 random(13);
  for (int round = 0; round < 12; ++round) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      std::string reason;
      for (;;) replaceFileContent(path, round % 2 ? fresh : old, reason);
    }
    ::usleep(2000 + random() % 30000);
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    // Whole old or whole new, never a mixture.
    const std::string now = readBytes(path);
    EXPECT_TRUE(now == old || now == fresh) << "round " << round << ": " << now.size() << " bytes";
  }
  // A hidden temporary file of a killed save (as on a file system without
  // unnamed files) is removed by the next save; one that a running save
  // holds locked is not.
  const std::string stale = dir.file(".case.dvl.k1lled0000.dorvel-tmp");
  const std::string busy = dir.file(".case.dvl.busy000000.dorvel-tmp");
  writeBytes(stale, "half");
  writeBytes(busy, "in progress");
  int lock = ::open(busy.c_str(), O_RDONLY);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);
  CalculationCase c = feedWater();
  RecordingInteraction ui;
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(busy));
  ::close(lock);
  ASSERT_TRUE(writeCaseFile(path, c, ui));
  EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(CaseFileDisk, ReadingAFifoOrADeviceNeverWaits) {
  TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  ::alarm(20);  // a reader that blocks ends the test program instead of hanging it
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/tty")}) {
    CalculationCase c = freshCase();
    RecordingInteraction ui;
    EXPECT_FALSE(readCaseFile(path, c, ui)) << path;
    EXPECT_TRUE(ui.saw("Input error")) << path;
  }
  ::alarm(0);
}

// ---- text in Windows-1250 or UTF-8 ----------------------------------------

TEST(CaseFileText, PolishLettersInWindows1250RoundTrip) {
  const std::string polish = "\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017A\u017C "
                             "\u0104\u0106\u0118\u0141\u0143\u00D3\u015A\u0179\u017B";
  const std::string cp1250 = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
  std::string encoded;
  ASSERT_TRUE(encodeWindows1250(polish, encoded));
  EXPECT_EQ(encoded, cp1250);
  EXPECT_EQ(decodeWindows1250(cp1250), polish);
  EXPECT_FALSE(isValidUtf8(cp1250));
  // Every byte comes back, the five the code page leaves undefined too.
  std::string all;
  for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
  ASSERT_TRUE(encodeWindows1250(decodeWindows1250(all), encoded));
  EXPECT_EQ(encoded, all);
  EXPECT_FALSE(encodeWindows1250("\u03B2", encoded));  // no Greek in the code page
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));               // overlong "/"
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));           // a surrogate
  // After and between long ASCII runs (read eight bytes at a time).
  EXPECT_TRUE(isValidUtf8("Zwężka Venturiego, przepływ \u00B0C w rurociągu nr 12"));
  EXPECT_FALSE(isValidUtf8("Pomiar przepływu gazu ziemnego \xC0\xAF koniec"));
  EXPECT_FALSE(isValidUtf8("0123456789abcdef\xE2\x82"));  // cut short at the end

  // A file of an earlier Windows installation reads as UTF-8 and is written
  // back byte for byte the same.
  CalculationCase c = freshCase();
  c.fluidKind = FluidOtherLiquid;
  c.caseTitle = "Ruroci\u0105g \u0142\u017Ca\u017C\u0105cy";
  c.fluidName = "Olej \u017Cywiczny";
  std::string windowsText;
  {
    CalculationCase w = c;
    windowsText = caseFileText(w);
  }
  EXPECT_NE(windowsText.find("Ruroci\xB9g"), std::string::npos);
  EXPECT_TRUE(isValidUtf8(c.caseTitle));
  RecordingInteraction ui;
  CalculationCase back;
  ASSERT_TRUE(readText(windowsText, back, ui));
  EXPECT_EQ(back.caseTitle, c.caseTitle);
  EXPECT_EQ(back.fluidName, c.fluidName);
  EXPECT_EQ(caseFileText(back), windowsText);

  // A character Windows-1250 lacks: both texts in UTF-8, read back alike.
  c.caseTitle = "Zw\u0119\u017Cka \u03B2 = 0,6";
  const std::string utf8Text = caseFileText(c);
  EXPECT_NE(utf8Text.find(c.caseTitle), std::string::npos);
  EXPECT_NE(utf8Text.find(c.fluidName), std::string::npos);
  ASSERT_TRUE(readText(utf8Text, back, ui));
  EXPECT_EQ(back.caseTitle, c.caseTitle);
  EXPECT_EQ(back.fluidName, c.fluidName);
}

namespace {

// The 18 Polish letters, capital and small, in UTF-8 and in Windows-1250.
const std::vector<std::pair<std::string, std::string>>& polishLetters() {
  static const std::vector<std::pair<std::string, std::string>> letters = {
      {"\u0104", "\xA5"}, {"\u0106", "\xC6"}, {"\u0118", "\xCA"}, {"\u0141", "\xA3"},
      {"\u0143", "\xD1"}, {"\u00D3", "\xD3"}, {"\u015A", "\x8C"}, {"\u0179", "\x8F"},
      {"\u017B", "\xAF"}, {"\u0105", "\xB9"}, {"\u0107", "\xE6"}, {"\u0119", "\xEA"},
      {"\u0142", "\xB3"}, {"\u0144", "\xF1"}, {"\u00F3", "\xF3"}, {"\u015B", "\x9C"},
      {"\u017A", "\x9F"}, {"\u017C", "\xBF"}};
  return letters;
}

// Every ordered pair of Polish letters alone, between ASCII letters, at the
// start and at the end of a line: {UTF-8, Windows-1250}.
std::vector<std::pair<std::string, std::string>> polishPairTexts() {
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto& a : polishLetters())
    for (const auto& b : polishLetters()) {
      const std::string u = a.first + b.first, w = a.second + b.second;
      texts.push_back({u, w});
      texts.push_back({"SP" + u + "KA", "SP" + w + "KA"});
      texts.push_back({u + " WODNA", w + " WODNA"});
      texts.push_back({"Sp\u00F3\u0142ka " + u, "Sp\xF3\xB3ka " + w});
    }
  return texts;
}

// Line 2 (the title) and the fluid name of line 13 replaced by raw bytes, as
// a file of the earlier installations holds them (no encoding named).
std::string withRawTexts(const std::string& text, const std::string& title,
                         const std::string& name) {
  std::string t = text;
  const size_t first = t.find("\r\n") + 2;
  t.replace(first, t.find("\r\n", first) - first, title);
  // The fluid name closes the line whose rest follows "   0.00 " fields.
  const size_t nameLine = t.find("  0.00 N\r\n");
  t.replace(nameLine + 7, 1, name);
  return t;
}

}  // namespace

// Every text comes back exactly as written: the written file names its
// encoding after the codes of line 1, so no Windows-1250 text is taken for
// UTF-8 ("SPÓŁKA" holds the UTF-8 sequence of U+04E3).
TEST(CaseFileText, EveryPolishLetterPairAndUtf8TextComesBackExactly) {
  std::vector<std::string> texts;
  for (const auto& t : polishPairTexts()) texts.push_back(t.first);
  for (const char* t : {"SP\u00D3\u0141KA WODNA", "\u0106\u015A-1", "\u0143\u015B",
                        "Q = 30 m\u00B3/h, \u0394p = 40 kPa", "\u0414\u0430\u0432\u043B\u0435\u043D\u0438\u0435",
                        "\u03B2 \u2264 0,75 \u2192 \u00F8 100", "\u6C34 \U0001F4A7", "\u0104"})
    texts.push_back(t);
  int wrong = 0;
  for (size_t i = 0; i < texts.size(); ++i) {
    CalculationCase c = freshCase();
    c.fluidKind = FluidOtherGas;
    c.caseTitle = texts[i];
    c.fluidName = texts[(i * 7 + 3) % texts.size()];
    const std::string file = caseFileText(c);
    RecordingInteraction ui;
    CalculationCase back;
    ASSERT_TRUE(readText(file, back, ui)) << texts[i];
    if (back.caseTitle != c.caseTitle || back.fluidName != c.fluidName) {
      ADD_FAILURE() << "\"" << c.caseTitle << "\" / \"" << c.fluidName << "\" came back as \""
                    << back.caseTitle << "\" / \"" << back.fluidName << "\"";
      if (++wrong > 5) break;
    }
  }
  // Texts the code page holds are still written in it, for the Windows
  // installations; ASCII texts leave line 1 as it always was.
  CalculationCase c = freshCase();
  c.caseTitle = "SP\u00D3\u0141KA WODNA";
  std::string file = caseFileText(c);
  EXPECT_EQ(file.substr(0, file.find("\r\n") + 2), " L  1   1  2  1 WINDOWS-1250\r\n");
  EXPECT_NE(file.find("\r\nSP\xD3\xA3KA WODNA\r\n"), std::string::npos);
  c.caseTitle = "SPOLKA";
  file = caseFileText(c);
  EXPECT_EQ(file.substr(0, file.find("\r\n") + 2), " L  1   1  2  1\r\n");
}

// Files of the earlier installations name no encoding: their Windows-1250
// texts read right, every Polish letter pair among them, and so do the
// UTF-8 texts that the previous version wrote for characters the code page
// lacks.
TEST(CaseFileText, FilesOfEarlierInstallationsReadRight) {
  CalculationCase c = freshCase();
  c.fluidKind = FluidOtherGas;
  c.fluidName = "N";
  const std::string plain = caseFileText(c);
  ASSERT_EQ(plain.substr(0, plain.find("\r\n")), " L  1   1  2  1");
  int wrong = 0;
  const auto check = [&](const std::string& title, const std::string& name,
                         const std::string& wantTitle, const std::string& wantName) {
    RecordingInteraction ui;
    CalculationCase back;
    ASSERT_TRUE(readText(withRawTexts(plain, title, name), back, ui));
    if ((back.caseTitle != wantTitle || back.fluidName != wantName) && ++wrong <= 5)
      ADD_FAILURE() << "\"" << wantTitle << "\" / \"" << wantName << "\" read as \""
                    << back.caseTitle << "\" / \"" << back.fluidName << "\"";
  };
  for (const auto& [utf8, cp1250] : polishPairTexts()) check(cp1250, cp1250, utf8, utf8);
  for (const char* t : {"Q = 30 m\u00B3/h", "\u0394p \u2264 40 kPa", "\u00F8 100, \u00B0C",
                        "\u0413\u0430\u0437 \u043F\u0440\u0438\u0440\u043E\u0434\u043D\u044B\u0439",
                        "\u0141\u00F3d\u017A \u03B2 = 0,6", "SP\u00D3\u0141KA \u2192 m\u00B3"})
    check(t, t, t, t);
  EXPECT_EQ(wrong, 0);
}
