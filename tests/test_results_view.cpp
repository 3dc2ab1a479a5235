// The results page as the command line prints it: number formats, captions,
// the standard in force and the status-bar warning.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/case.h"
#include "base/format.h"
#include "cli/json_output.h"
#include "calc/results_view.h"

using namespace dorvel;
using namespace dorvel::cli;

TEST(ResultsView, FixedFormatKeepsAtMostEightSignificantDigits) {
  EXPECT_EQ(pageFixed(12.345678L, 2), "12.35");
  EXPECT_EQ(pageFixed(0.5L, 3), "0.500");
  EXPECT_EQ(pageFixed(0, 3), "0.000");
  EXPECT_EQ(pageFixed(123456.789L, 3), "123456.790");  // 8 digits, then zeros
  EXPECT_EQ(pageFixed(1234567.891L, 2), "1234567.90");
  EXPECT_EQ(pageFixed(-2.5L, 1), "-2.5");
  EXPECT_EQ(pageFixed(0.000123456789L, 4), "0.0001");
  EXPECT_EQ(pageFixed(123456789.0L, 2), "1.2345679E8");  // more than 8 integer digits
  // Other precisions, as on the property panels (fixed 6.4, 8.5, 4.2).
  EXPECT_EQ(pageFixed(123.456789L, 4, 6), "123.4570");
  EXPECT_EQ(pageFixed(1.2928345L, 4, 6), "1.2928");
  EXPECT_EQ(pageFixed(1234.567891L, 5, 8), "1234.56790");
  EXPECT_EQ(pageFixed(12345.6L, 2, 4), "1.235E4");  // more than 4 integer digits
  // The property panels' exponent format: shortest signed exponent.
  EXPECT_EQ(formatExponent(0.0010023L, 4), "1.002E-3");
  EXPECT_EQ(formatExponent(250, 2), "2.5E+2");
  EXPECT_EQ(formatExponent(1.5e-12L, 3), "1.50E-12");
}

// The page formats take their digits from a scaled integer; printf on the
// exact binary value is the reference: the general format as "%.*Le" then
// "%.*Lf", the page's fixed format as the value rounded to its significant
// digits, read back and printed.  Values are random and cut at a 5 (a
// decimal half, where the binary value decides) with their neighbours.
TEST(ResultsView, FormatsAgreeWithPrintf) {
  const auto printed = [](const char* format, int digits, Real x) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, digits, x);
    return std::string(buf);
  };
  const auto strip = [](std::string t) {
    if (t.find('.') != std::string::npos) {
      while (t.back() == '0') t.pop_back();
      if (t.back() == '.') t.pop_back();
    }
    return t;
  };
  const auto general = [&](Real x, int digits) {
    const std::string sci = printed("%.*Le", digits - 1, x);
    const int exponent = std::atoi(sci.c_str() + sci.find('e') + 1);
    if (exponent < digits && exponent >= -4) return strip(printed("%.*Lf", digits - 1 - exponent, x));
    return strip(sci.substr(0, sci.find('e'))) + "E" + std::to_string(exponent);
  };
  std::mt19937_64 g(3);
  for (int i = 0; i < 30000; ++i) {
    const int digits = 1 + static_cast<int>(g() % 15);
    const std::string text = std::string(g() % 4 ? "" : "-") + std::to_string(g() % 1000000000) +
                             (g() % 2 ? "5" : "") + "e" + std::to_string(static_cast<int>(g() % 24) - 16);
    const Real x = std::strtold(text.c_str(), nullptr);
    for (Real v : {x, std::nextafter(x, INFINITY), std::nextafter(x, -INFINITY)}) {
      if (v == 0) continue;
      ASSERT_EQ(formatGeneral(v, digits), general(v, digits)) << text << " " << digits;
      const int decimals = static_cast<int>(g() % 6);
      const Real rounded = std::strtold(printed("%.*Le", digits - 1, v).c_str(), nullptr);
      const std::string want = std::fabs(rounded) >= std::pow(10.0L, digits)
                                   ? general(rounded, digits)
                                   : printed("%.*Lf", decimals, rounded);
      const std::string fixed = printed("%.*Lf", decimals, v);
      if (fixed.find_first_not_of("-0.") != std::string::npos) {  // "-0.00": formatFixed drops the sign
        ASSERT_EQ(formatFixed(v, 0, decimals), fixed) << text << " " << decimals;
      }
      if (want.find_first_not_of("-0.") == std::string::npos) continue;
      ASSERT_EQ(pageFixed(v, decimals, digits), want) << text << " " << digits << " " << decimals;
    }
  }
}

TEST(ResultsView, StandardLabelByDeviceAndPipe) {
  CalculationCase c;
  c.deviceType = DevOrificeCorner;
  c.pipeDiameter20 = 20;
  EXPECT_EQ(standardInForce(c), "ASME MFC-14M-2003");
  c.pipeDiameter20 = 40;
  EXPECT_EQ(standardInForce(c), "ISO/TR 15377:2018");
  c.pipeDiameter20 = 100;
  EXPECT_EQ(standardInForce(c), "ISO 5167 : 2022");
  c.deviceType = DevOrificeFlange;
  c.pipeDiameter20 = 45;
  EXPECT_EQ(standardInForce(c), "ASME MFC-14M-2003");
  for (int t : {7, 8, 12}) {
    c.deviceType = t;
    c.pipeDiameter20 = 100;
    EXPECT_EQ(standardInForce(c), "ISO/TR 15377:2018") << t;
  }
}

TEST(ResultsView, LastApplicableWarningStays) {
  CalculationCase c;
  c.deviceType = DevIsa1932Nozzle;
  EXPECT_EQ(statusWarning(c), "");
  c.rangePartlyOutside = true;  // alone it marks nothing
  EXPECT_EQ(statusWarning(c), "");
  EXPECT_TRUE(statusWarnings(c).empty());
  c.rangePartlyOutside = false;  // any flag does
  c.warnDpRatio = true;
  EXPECT_EQ(statusWarning(c), "Results out of range.  Differential pressure must be < 0.25*P1.");
  c.warnPipeTooLarge = true;
  EXPECT_EQ(statusWarning(c), "Data out of range.  Pipe diameter D must be < 500 mm !");
  c.warnReynoldsLow = true;
  c.reynoldsMin = 20000;
  EXPECT_EQ(statusWarning(c), "Results out of range.  Pipe Reynolds number must be > 2E4 !");
  c.warnDrainHoleBeta = true;
  EXPECT_EQ(statusWarning(c),
            "If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625.");
  // Every set flag in table order, the status bar's text last.
  const std::vector<std::string> all = statusWarnings(c);
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0], "Results out of range.  Differential pressure must be < 0.25*P1.");
  EXPECT_EQ(all[2], "Results out of range.  Pipe Reynolds number must be > 2E4 !");
  EXPECT_EQ(all.back(), statusWarning(c));
  CalculationCase corner;
  corner.warnPipeTooSmall = true;
  corner.deviceType = DevOrificeCorner;
  corner.pipeDiameter20 = 10;
  EXPECT_EQ(statusWarning(corner), "Flow calibration is recommended.");
  corner.pipeDiameter20 = 5;
  EXPECT_EQ(statusWarning(corner), "Data out of range.  Pipe diameter D must be >12 mm !");
}

TEST(ResultsView, CaptionsFollowTaskFluidAndUnits) {
  CalculationCase c;
  c.task = TaskFlowrate;
  c.flowUnit = 5;
  c.refConditionsText = referenceConditionsText(0, 101.325L);
  c.deviceType = DevVenturiMachined;
  c.fluidKind = FluidNaturalGas;
  c.calorificValue = 40.5L;
  auto rows = resultsPage(c);
  EXPECT_EQ(rows[0].caption, "Volume flowrate (0 \u00B0C, 101.325 kPa)");
  EXPECT_EQ(rows[0].unit, "Nm3/h");
  EXPECT_EQ(rows[1].caption, "Pressure loss");
  EXPECT_EQ(rows[2].caption, "Measurement uncertainty");
  EXPECT_EQ(rows[3].caption, "Calorific value");
  EXPECT_EQ(rows[3].value, "40.500");
  bool upper = false;
  for (const auto& r : rows)
    if (r.caption == "Flowrate for Reynolds number upper limit") upper = true;
  EXPECT_TRUE(upper);

  c.task = TaskDiameter;
  c.warnPipeTooLarge = true;  // any accepted deviation: the uncertainty is not known
  c.fluidKind = FluidOtherLiquid;
  c.deviceType = DevOrificeDD2;
  rows = resultsPage(c);
  EXPECT_EQ(rows[0].caption, "Primary device diameter (20\u00B0C)");
  EXPECT_EQ(rows[1].caption, "Pressure loss (for upper range)");
  EXPECT_EQ(rows[2].value, "Not known");
  EXPECT_EQ(rows[3].caption, "Reynolds number (max)");  // no fluid row for other liquid
  bool dash = false;
  for (const auto& r : rows)
    if (r.caption == "Upper limit flowrate" && r.value == "-") dash = true;
  EXPECT_TRUE(dash);
}

TEST(ResultsView, JsonNumbersAndStrings) {
  EXPECT_EQ(jsonNumber(0.1L), "0.1");
  EXPECT_EQ(jsonNumber(1.0L / 3), "0.33333333333333333334");
  EXPECT_EQ(jsonNumber(NAN), "null");
  EXPECT_EQ(jsonNumber(-INFINITY), "null");
  EXPECT_EQ(jsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
  EXPECT_EQ(jsonString("\u00B0C"), "\"\u00B0C\"");
}

// Non-whole numbers with a short decimal text take a quick path; its text must
// be std::to_chars' shortest text to the character (digits, fixed or
// exponent form), including its neighbours one unit in the last place away
// that need the long search.
TEST(ResultsView, JsonNumberIsTheShortestText) {
  std::mt19937_64 g(7);
  int checked = 0;
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(g() % 19);
    const unsigned long long m = g() % static_cast<unsigned long long>(std::pow(10.0L, digits));
    const std::string text = std::string(g() % 2 ? "-" : "") + std::to_string(m) + "e" +
                             std::to_string(static_cast<int>(g() % 40) - 30);
    const Real x = std::strtold(text.c_str(), nullptr);
    for (Real v : {x, std::nextafter(x, INFINITY), std::nextafter(x, -INFINITY)}) {
      if (v == 0 || (std::fabs(v) < 1e18L && v == std::trunc(v))) continue;  // whole numbers
      char buf[64];
      const auto r = std::to_chars(buf, buf + sizeof buf, v);
      ASSERT_EQ(jsonNumber(v), std::string(buf, r.ptr)) << text;
      ++checked;
    }
  }
  EXPECT_GT(checked, 50000);
  EXPECT_EQ(jsonNumber(0.0004908632473641225L), "0.0004908632473641225");  // tie: fixed
  EXPECT_EQ(jsonNumber(-5.00543070602143e-05L), "-5.00543070602143e-05");
}

// The round-trip text is worked out by exact integer arithmetic: it must be
// std::to_chars' shortest text to the character for computed values (any
// mantissa) at every binary exponent of the quick range and beyond it, and
// at the powers of ten and two and their neighbours.
TEST(ResultsView, RoundTripTextIsTheShortestText) {
  std::mt19937_64 g(11);
  std::vector<Real> values;
  for (int e2 = -40; e2 <= 80; ++e2) {
    for (int i = 0; i < 600; ++i) {
      const Real mantissa = 1 + static_cast<Real>(g() >> 1) / 0x1p63L;  // [1, 2), 63 random bits
      values.push_back(std::ldexp(mantissa, e2));
    }
    values.push_back(std::ldexp(1.0L, e2));
  }
  for (int p = -12; p <= 24; ++p) values.push_back(std::pow(10.0L, p));
  const size_t base = values.size();
  for (size_t i = 0; i < base; ++i) {
    values.push_back(std::nextafter(values[i], INFINITY));
    values.push_back(-std::nextafter(values[i], -INFINITY));
  }
  for (Real v : values) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    ASSERT_EQ(formatRoundTrip(v), std::string(buf, r.ptr)) << static_cast<double>(v);
  }
}
