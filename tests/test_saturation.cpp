#include <gtest/gtest.h>

#include "props/water_steam.h"

using namespace dorvel;

TEST(Saturation, NormalBoilingPointAndHumidityData) {
  EXPECT_NEAR(static_cast<double>(saturationPressure(100)), 101325.0, 1.0);
  SaturationState s = waterSaturation(20);
  EXPECT_NEAR(static_cast<double>(s.pressureAt), 0.0238, 0.00005);
  EXPECT_NEAR(static_cast<double>(s.vapourDensity), 0.0173, 0.0001);
  // Saturation pressure rises monotonically over the water range.
  Real last = 0;
  for (int t = 0; t <= 370; t += 5) {
    Real p = saturationPressure(t);
    EXPECT_GT(p, last) << t;
    last = p;
  }
}
