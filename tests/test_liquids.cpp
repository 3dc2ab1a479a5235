// Liquids reference table and the density correction to working temperature.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "props/liquids.h"
#include "support/testing.h"

using namespace dorvel;

TEST(LiquidsTable, NamesInOrder) {
  ASSERT_EQ(kLiquidsTable.size(), 11u);
  const char* polish[] = {"Benzen (benzol)",  "Benzyna (lekka)", "Alkohol etylowy",
                          "Eter etylowy",     "Gliceryna",       "Alkohol metylowy",
                          "Olej napędowy",    "Olej transformatorowy", "Rtęć",
                          "Toulen",           "Czterochlorek węgla"};
  const char* english[] = {"Benzene (benzol)", "Petrol (light)", "Ethyl alcohol",
                           "Ethyl ether",      "Glycerine",      "Methyl alcohol",
                           "Gas oil",          "Transformer oil", "Mercury",
                           "Thoulen",          "Carbon tetrachloride"};
  const char* formula[] = {"C6H6", "--", "C2H6O", "C4H10O", "C3H8O3", "CH4O",
                           "--",   "--", "Hg",    "C7H8",   "CCl4"};
  for (std::size_t i = 0; i < kLiquidsTable.size(); ++i) {
    EXPECT_EQ(kLiquidsTable[i].polishName, polish[i]) << i;
    EXPECT_EQ(kLiquidsTable[i].englishName, english[i]) << i;
    EXPECT_EQ(kLiquidsTable[i].formula, formula[i]) << i;
  }
}

namespace {

// "879" -> {879, 879}; "680-725" and "0.02 - 0.03" -> both ends; "-" -> {0, 0}.
std::pair<long double, long double> parseRange(std::string_view text) {
  std::string s(text);
  if (s == "-" || s == "--") return {0, 0};
  char* end = nullptr;
  long double lo = std::strtold(s.c_str(), &end);
  while (*end == ' ') ++end;
  if (*end == '-') {
    long double hi = std::strtold(end + 1, &end);
    return {lo, hi};
  }
  return {lo, lo};
}

}  // namespace

TEST(LiquidsTable, NumbersMatchTheShownTexts) {
  for (const auto& row : kLiquidsTable) {
    SCOPED_TRACE(std::string(row.englishName));
    auto [dLo, dHi] = parseRange(row.densityText);
    auto [vLo, vHi] = parseRange(row.viscosityText);
    auto [bt, bt2] = parseRange(row.expansionText);
    EXPECT_EQ(dLo, row.densityLow);
    EXPECT_EQ(dHi, row.densityHigh);
    EXPECT_EQ(vLo, row.viscosityLow);
    EXPECT_EQ(vHi, row.viscosityHigh);
    EXPECT_EQ(bt, row.expansion);
    EXPECT_EQ(bt2, row.expansion);
    // Every liquid here is between ether (714) and mercury (13546), or petrol.
    EXPECT_GE(row.densityLow, 680);
    EXPECT_LE(row.densityHigh, 13546);
  }
  EXPECT_EQ(kLiquidsTable[1].densityText, "680-725");
  EXPECT_EQ(kLiquidsTable[7].viscosityText, "0.02 - 0.03");
  EXPECT_EQ(kLiquidsTable[6].expansionText, "-");
}

TEST(LiquidsTable, DensityAtWorkingTemperature) {
  // At 20 degC nothing changes; benzene at 30 degC: 879 / 1.0106.
  EXPECT_EQ(liquidDensityAtTemperature(879, 0.00106L, 20), 879);
  EXPECT_REL_NEAR(liquidDensityAtTemperature(879, 0.00106L, 30), 879 / 1.0106L, 1e-15L);
  // Mercury at 0 degC: denser, 13546 / (1 - 0.00362) = 13595.2 (handbook 13595.1).
  EXPECT_NEAR(static_cast<double>(liquidDensityAtTemperature(13546, 0.000181L, 0)), 13595.2, 0.1);
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(liquidDensityAtTemperature(nan, 0.001L, 30), 0);
  EXPECT_EQ(liquidDensityAtTemperature(800, 0.001L, nan), 0);
  EXPECT_EQ(liquidDensityAtTemperature(800, 0.01L, -80), 0);  // volume ratio 0
}
