// Shared test helpers.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace dorvel::testing {

inline std::string full(long double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.21Lg", x);
  return buf;
}

// Relative closeness that prints both long double values to 21 digits.
inline ::testing::AssertionResult relNear(long double actual, long double expected,
                                          long double rtol) {
  long double scale = std::fabs(expected);
  long double diff = std::fabs(actual - expected);
  if (std::isfinite(actual) && (diff <= rtol * scale || (expected == 0 && diff <= rtol)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "actual " << full(actual) << " expected " << full(expected) << " rel.diff "
         << full(scale > 0 ? diff / scale : diff) << " > " << full(rtol);
}

}  // namespace dorvel::testing

#define EXPECT_REL_NEAR(actual, expected, rtol) \
  EXPECT_TRUE(::dorvel::testing::relNear((actual), (expected), (rtol)))
#define ASSERT_REL_NEAR(actual, expected, rtol) \
  ASSERT_TRUE(::dorvel::testing::relNear((actual), (expected), (rtol)))
