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

// IFC-67 K function, computed check values of the reference data
// (water-steam-ifc67-iaps85.md, Section 7.3 (a)); 10 significant digits.
TEST(Saturation, KFunctionCheckValues) {
  const struct {
    long double TK, p;
  } rows[] = {{273.15L, 610.8006264L},   {273.16L, 611.2444002L},  {300, 3532.342558L},
              {373.15L, 101325.262L},    {423.15L, 475996.862L},   {500, 2639615.721L},
              {573.15L, 8592691.998L},   {600, 12349390.23L},      {623.15L, 16535124.06L}};
  for (const auto& r : rows)
    EXPECT_NEAR(static_cast<double>(saturationPressure(r.TK - 273.15L) / r.p), 1.0, 1e-9)
        << static_cast<double>(r.TK);
  // beta_K(1) = 1: the critical point of the formulation.
  EXPECT_NEAR(static_cast<double>(saturationPressure(647.3L - 273.15L)), 22120000.0, 1e-6);
}

// IFC-67 L function (Section 7.3 (b)); it meets the K function at 350 degC
// and reaches 100 MPa at 590 degC.
TEST(Saturation, LFunctionCheckValues) {
  const struct {
    long double TK, pMPa;
  } rows[] = {{623.15L, 16.5351241L}, {700, 30.4770967L}, {800, 66.6510189L}, {863.15L, 100.0L}};
  for (const auto& r : rows)
    EXPECT_NEAR(static_cast<double>(boundaryPressure(r.TK - 273.15L) * 1e-6L),
                static_cast<double>(r.pMPa), 1e-7)
        << static_cast<double>(r.TK);
  EXPECT_NEAR(static_cast<double>(boundaryPressure(350) - saturationPressure(350)), 0.0, 0.05);
}
