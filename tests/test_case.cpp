// The calculation case, number entry, unit conversion, property currency and
// the number formats of the messages.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "base/case.h"
#include "base/format.h"
#include "base/shared.h"

using namespace dorvel;

TEST(CaseCodes, ListItemsMapToCodesOutOfOrder) {
  const int fluids[] = {1, 3, 4, 9, 7, 5, 2, 6};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(fluidKindFromItem(i), fluids[i]);
    EXPECT_EQ(fluidItemFromKind(fluids[i]), i);
  }
  EXPECT_EQ(deviceTypeFromItem(9), 8);  // quarter-circle orifice, not 10
  EXPECT_EQ(deviceTypeFromItem(6), 9);
  EXPECT_EQ(deviceTypeFromItem(10), 12);
  EXPECT_EQ(deviceTypeFromItem(11), 7);
  for (int t = 1; t <= 12; ++t) EXPECT_EQ(deviceTypeFromItem(deviceItemFromType(t)), t);
  EXPECT_EQ(fluidKindFromItem(8), 0);
  EXPECT_EQ(deviceTypeFromItem(-1), 0);
  EXPECT_EQ(fluidItemFromKind(13), -1);
}

TEST(CaseCodes, CompressibleKinds) {
  for (int k : {3, 4, 5, 7, 8, 9, 13}) EXPECT_TRUE(isCompressible(k)) << k;
  for (int k : {0, 1, 2, 6, 10, 14}) EXPECT_FALSE(isCompressible(k)) << k;
}

TEST(CaseCodes, SteamResetsGasFlowUnits) {
  CalculationCase c;
  c.fluidKind = FluidAir;
  for (int unit : {4, 5}) {
    c.flowUnit = unit;
    applyFluidKind(c, FluidSteam);
    EXPECT_EQ(c.flowUnit, 1);
  }
  c.flowUnit = 3;
  applyFluidKind(c, FluidSteam);
  EXPECT_EQ(c.flowUnit, 3);
  c.flowUnit = 5;
  applyFluidKind(c, FluidWater);
  EXPECT_EQ(c.flowUnit, 1);
}

TEST(CaseReset, DefaultsOfANewCase) {
  CalculationCase c;
  c.task = 3;
  c.deviceType = 7;
  c.pipeDiameter20 = 100;
  c.mixtureComposition[4] = 12;
  c.warnDpRatio = true;
  c.caseModified = true;
  c.caseTitle = "x";
  c.refTemperature = 20;
  resetCase(c);
  EXPECT_EQ(c.task, 3);  // kept
  EXPECT_EQ(c.deviceType, 1);
  EXPECT_EQ(c.pipeMaterial, 2);
  EXPECT_EQ(c.deviceMaterial, 1);
  EXPECT_EQ(c.pressureUnit, 3);
  EXPECT_EQ(c.flowUnit, 1);
  EXPECT_EQ(c.dpUnit, 2);
  EXPECT_EQ(c.viscosityUnit, 3);
  EXPECT_EQ(c.densityKind, 1);
  EXPECT_EQ(c.fluidKind, 1);
  EXPECT_EQ(c.refTemperature, 0);
  EXPECT_EQ(c.refPressure, 101.325L);
  EXPECT_EQ(c.refConditionsText, "(0 \u00B0C, 101.325 kPa)");
  EXPECT_EQ(c.nominalPercent, 100);
  EXPECT_EQ(c.pipeDiameter20, 0);
  EXPECT_EQ(c.mixtureComposition[4], 0);
  EXPECT_FALSE(c.warnDpRatio);
  EXPECT_FALSE(c.caseModified);
  EXPECT_EQ(c.compositionInMolePercent, 1);
  EXPECT_EQ(c.naturalGasInputIsComposition, 1);
  EXPECT_TRUE(c.caseTitle.empty());
}

TEST(NumberEntry, BlanksDashCommaAndErrors) {
  CalculationCase c;
  RecordingInteraction ui;
  Real f = 5;
  EXPECT_TRUE(readNumber(c, f, "   ", ui));
  EXPECT_EQ(f, 0);
  EXPECT_TRUE(c.caseModified);
  f = 5;
  EXPECT_TRUE(readNumber(c, f, "-", ui));
  EXPECT_EQ(f, 0);
  EXPECT_TRUE(readNumber(c, f, "  12,5", ui));
  EXPECT_EQ(f, 12.5L);
  EXPECT_TRUE(readNumber(c, f, "-1.25e3", ui));
  EXPECT_EQ(f, -1250);
  EXPECT_TRUE(ui.log().empty());

  c.caseModified = false;
  EXPECT_FALSE(readNumber(c, f, "  12a", ui));
  EXPECT_EQ(f, -1250);
  EXPECT_FALSE(c.caseModified);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0], "Number error 12a");
  EXPECT_EQ(ui.log()[0].polish, "B\u0142\u0105d w zapisie liczby 12a");
  for (const char* bad : {"1.2.3", "--1", "nan", "inf", "1e99999", "0x10", "1 2"}) {
    EXPECT_FALSE(readNumber(c, f, bad, ui)) << bad;
    EXPECT_EQ(f, -1250);
  }
  // Beyond the range of a double (finite in extended precision) is a
  // number error too; the largest double is a number.
  ui.clear();
  for (const char* beyond : {"1e4000", "-1.8e308", "1.797693134862316e308"}) {
    EXPECT_FALSE(readNumber(c, f, beyond, ui)) << beyond;
    EXPECT_EQ(ui.messages().back(), "Number error " + std::string(beyond));
  }
  EXPECT_TRUE(readNumber(c, f, "-1.7976931348623157e308", ui));
  EXPECT_EQ(static_cast<double>(f), -DBL_MAX);
}

TEST(NumberEntry, SameValueDoesNotModify) {
  CalculationCase c;
  RecordingInteraction ui;
  Real f = 12.5L;
  EXPECT_TRUE(readNumber(c, f, "12.50", ui));
  EXPECT_FALSE(c.caseModified);
  EXPECT_TRUE(readNumber(c, f, "12.51", ui));
  EXPECT_TRUE(c.caseModified);
}

TEST(NumberEntry, LocaleNeverChangesThePoint) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"))
    GTEST_SKIP() << "no comma locale installed";
  long double v = 0;
  EXPECT_TRUE(parseReal("3.25", v));
  EXPECT_EQ(v, 3.25L);
  EXPECT_EQ(formatFixed(3.25L, 8, 2), "    3.25");
  EXPECT_EQ(formatGeneral(0.5L, 4), "0.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// Plain decimals are read without the C library; every text, plain or not,
// must read as std::from_chars reads it (value to the last bit, and the same
// refusals), with a leading '+' allowed and nothing beyond a double's range.
TEST(NumberEntry, ReadsEveryTextAsTheCLibrary) {
  const auto reference = [](std::string t, long double& v) {
    while (!t.empty() && (t.back() == ' ' || t.back() == '\r' || t.back() == '\n')) t.pop_back();
    size_t b = t.find_first_not_of(" \t");
    if (b == std::string::npos) return false;
    t.erase(0, b);
    if (t[0] == '+') t.erase(0, 1);
    else if (t.size() > 1 && t[0] == '-' && t[1] == '+') return false;
    if (t.empty() || t[0] == '+') return false;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc{} && r.ptr == t.data() + t.size() && std::isfinite(v) &&
           std::fabs(v) <= static_cast<long double>(DBL_MAX);
  };
  std::mt19937_64 g(5);
  const std::string alphabet = "0123456789012345678901234567890123456789.e-+E ";
  int plain = 0;
  for (int i = 0; i < 200000; ++i) {
    std::string t;
    if (i % 2) {  // a plain decimal of up to 25 digits with an exponent
      t = std::to_string(g() % 1000000) + "." + std::to_string(g() >> (g() % 64));
      if (g() % 3 == 0) t += "e" + std::to_string(static_cast<int>(g() % 80) - 40);
      if (g() % 2) t.insert(0, "-");
    } else {
      for (int n = 1 + static_cast<int>(g() % 12); n > 0; --n) t += alphabet[g() % alphabet.size()];
    }
    long double got = 0, want = 0;
    const bool ok = parseReal(t, got);
    ASSERT_EQ(ok, reference(t, want)) << t;
    if (!ok) continue;
    ++plain;
    ASSERT_TRUE(got == want && std::signbit(got) == std::signbit(want)) << t;
  }
  EXPECT_GT(plain, 100000);
}

TEST(PressureUnits, AllUnitsAndDifferentialPressure) {
  CalculationCase c;
  c.pressureUnit = 1;
  c.pressureInput = 1;
  c.dpUnit = 2;
  c.dpInput = 0.009806613580198485L * 1000;
  c.dpTransmitterReference = 2 * 0.009806613580198485L;
  convertPressureUnits(c);
  EXPECT_EQ(c.pressureAt, 1);
  EXPECT_EQ(c.pressureBar, 1 / 1.01972L);
  EXPECT_EQ(c.pressureKPa, (1 / 1.01972L) * 100);
  EXPECT_NEAR(static_cast<double>(c.dpMmH2O), 1000.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(c.dpTransmitterReferenceMmH2O), 2.0, 1e-15);

  c.pressureUnit = 2;
  c.pressureInput = 250;
  convertPressureUnits(c);
  EXPECT_EQ(c.pressureBar, 2.5L);
  EXPECT_EQ(c.pressureAt, 1.01972L * 2.5L);
  EXPECT_EQ(c.pressureKPa, 250);

  c.pressureUnit = 3;
  c.pressureInput = 0.5L;
  convertPressureUnits(c);
  EXPECT_EQ(c.pressureBar, 5);
  EXPECT_EQ(c.pressureKPa, 500);

  c.pressureUnit = 4;
  c.pressureInput = 7;
  c.dpUnit = 1;
  c.dpInput = 1234;
  convertPressureUnits(c);
  EXPECT_EQ(c.pressureBar, 7);
  EXPECT_EQ(c.pressureKPa, 700);
  EXPECT_EQ(c.dpMmH2O, 1234);
  EXPECT_EQ(c.dpUnitFactor, 1);

  c.pressureUnit = 9;  // unknown code: pressures left as they were
  c.pressureInput = 99;
  convertPressureUnits(c);
  EXPECT_EQ(c.pressureBar, 7);
}

TEST(PropertyCurrency, ChangedAndChangedBack) {
  CalculationCase c;
  c.fluidKind = FluidWater;
  c.temperature = 20;
  c.pressureInput = 0.1L;
  c.density = 998.2L;
  c.viscosityEntered = 0.001L;
  rememberPropertyInputs(c);
  EXPECT_TRUE(propertiesCurrent(c, FluidWater));
  EXPECT_FALSE(propertiesCurrent(c, FluidSteam));
  c.temperature = 21;
  EXPECT_FALSE(propertiesCurrent(c, FluidWater));
  c.temperature = 20;
  EXPECT_TRUE(propertiesCurrent(c, FluidWater));
  c.density = 0;
  EXPECT_FALSE(propertiesCurrent(c, FluidWater));
}

TEST(PropertyCurrency, RulesPerFluidKind) {
  CalculationCase c;
  c.fluidKind = FluidOtherLiquid;
  c.density = 800;
  c.viscosityEntered = 1;
  rememberPropertyInputs(c);
  c.pressureInput = 5;  // other liquid ignores the pressure
  EXPECT_TRUE(propertiesCurrent(c, FluidOtherLiquid));
  c.relativeHumidity = 50;  // and the humidity
  EXPECT_TRUE(propertiesCurrent(c, FluidOtherLiquid));

  c.fluidKind = FluidAir;
  rememberPropertyInputs(c);
  c.relativeHumidity = 60;
  EXPECT_FALSE(propertiesCurrent(c, FluidAir));
  c.relativeHumidity = 50;
  c.mixtureComposition[3] = 1;
  EXPECT_FALSE(propertiesCurrent(c, FluidAir));
  c.mixtureComposition[3] = 0;
  c.mixtureComposition[25] = 1;  // beyond the 22 used slots
  EXPECT_TRUE(propertiesCurrent(c, FluidAir));

  c.fluidKind = FluidNaturalGas;
  rememberPropertyInputs(c);
  c.naturalGasComposition[29] = 1;
  EXPECT_FALSE(propertiesCurrent(c, FluidNaturalGas));
  c.naturalGasComposition[29] = 0;
  c.naturalGasInputIsComposition = 0;
  EXPECT_FALSE(propertiesCurrent(c, FluidNaturalGas));
  c.naturalGasInputIsComposition = 1;
  c.relativeHumidity = 10;  // natural gas ignores humidity
  EXPECT_TRUE(propertiesCurrent(c, FluidNaturalGas));

  c.fluidKind = FluidSteam13;
  rememberPropertyInputs(c);
  c.temperature = 300;  // code 13 skips the temperature
  EXPECT_TRUE(propertiesCurrent(c, FluidSteam13));
}

TEST(NumberFormats, GeneralFixedAndRoundTrip) {
  EXPECT_EQ(formatGeneral(0.55555555555L, 8), "0.55555556");
  EXPECT_EQ(formatGeneral(123456.789L, 4), "1.235E5");
  EXPECT_EQ(formatGeneral(1234.0L, 4), "1234");
  EXPECT_EQ(formatGeneral(99999.5L, 4), "1E5");
  EXPECT_EQ(formatGeneral(0.000012346L, 4), "1.235E-5");
  EXPECT_EQ(formatGeneral(0.00012346L, 4), "0.0001235");
  EXPECT_EQ(formatGeneral(12345678.0L, 8), "12345678");
  EXPECT_EQ(formatGeneral(123456789.0L, 8), "1.2345679E8");
  EXPECT_EQ(formatGeneral(101.325L, 6), "101.325");
  EXPECT_EQ(formatGeneral(-2.5L, 8), "-2.5");
  EXPECT_EQ(formatGeneral(0, 8), "0");
  EXPECT_EQ(formatFixed(1234.567L, 8, 2), " 1234.57");
  EXPECT_EQ(formatFixed(12345.4L, 10, 0), "     12345");
  EXPECT_EQ(formatFixed(-1e-12L, 6, 1), "   0.0");
  EXPECT_EQ(formatFixed(-0.04L, 0, 1), "0.0");
  EXPECT_EQ(formatFixed(-0.05001L, 6, 1), "  -0.1");
  EXPECT_EQ(formatFixed(123456789012.0L, 8, 2), "123456789012.00");
  for (long double x : {0.1L, 1.0L / 3, 1e-300L, 6.02214076e23L, -0.0125L}) {
    long double back = 0;
    ASSERT_TRUE(parseReal(formatRoundTrip(x), back));
    EXPECT_EQ(back, x);
  }
}
