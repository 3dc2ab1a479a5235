// Comparison with a published value to the digits it is printed with: the
// tolerance is half a unit of the last printed digit ("1.2345E-05" allows
// 5e-10; `units` changes the half).  A value printed with 15 or more
// significant digits is the output of a double-precision program, whose own
// rounding reaches a few units of the 16th digit: for those the tolerance is
// at least 2e-15 of the value.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/testing.h"

namespace dorvel::testing {

inline long double lastDigitUnit(const std::string& printed) {
  std::string mantissa = printed;
  int exponent = 0;
  const size_t e = printed.find_first_of("eE");
  if (e != std::string::npos) {
    mantissa = printed.substr(0, e);
    exponent = std::stoi(printed.substr(e + 1));
  }
  const size_t point = mantissa.find('.');
  const int decimals =
      point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  return std::pow(10.0L, static_cast<long double>(exponent - decimals));
}

inline ::testing::AssertionResult matchesPrinted(long double actual, const std::string& printed,
                                                 long double units = 0.5L) {
  const long double expected = std::stold(printed);
  long double tol = units * lastDigitUnit(printed);
  int significant = 0;
  bool leading = true;
  for (char ch : printed) {
    if (ch == 'e' || ch == 'E') break;
    if (ch < '0' || ch > '9') continue;
    if (leading && ch == '0') continue;
    leading = false;
    ++significant;
  }
  if (significant >= 15) tol = std::fmax(tol, 2e-15L * std::fabs(expected));
  const long double diff = std::fabs(actual - expected);
  if (std::isfinite(actual) && diff <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "actual " << full(actual) << " printed " << printed
                                       << " diff " << full(diff) << " > " << full(tol);
}

}  // namespace dorvel::testing

#define EXPECT_PRINTED(actual, printed) \
  EXPECT_TRUE(::dorvel::testing::matchesPrinted((actual), (printed)))
#define EXPECT_PRINTED_UNITS(actual, printed, units) \
  EXPECT_TRUE(::dorvel::testing::matchesPrinted((actual), (printed), (units)))
