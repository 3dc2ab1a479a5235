// IFC-67 saturation (K) and boundary (L) functions, and the saturation data
// used for the humidity of gases.
#include <cmath>

#include "props/water_steam.h"

namespace dorvel {

Real saturationPressure(Real t) {
  constexpr Real k1 = -7.691234564L, k2 = -26.08023696L, k3 = -168.1706546L, k4 = 64.23285504L,
                 k5 = -118.9646225L, k6 = 4.16711732L, k7 = 20.9750676L, k8 = 1e9L, k9 = 6.0L;
  const Real theta = (t + kKelvin) / 647.3L;
  const Real y = 1 - theta;
  const Real num = y * (k1 + y * (k2 + y * (k3 + y * (k4 + y * k5))));
  const Real den = 1 + k6 * y + k7 * y * y;
  const Real lnBeta = num / (theta * den) - y / (k8 * y * y + k9);
  return std::exp(lnBeta) * 22120000.0L;
}

Real boundaryPressure(Real t) {
  const Real theta = (t + kKelvin) / 647.3L;
  return (15.74373327L - 34.17061978L * theta + 19.31380707L * theta * theta) * 22120000.0L;
}

SaturationState waterSaturation(Real t) {
  SaturationState s;
  s.pressureAt = saturationPressure(t) * 1e-5L * 1.0197106L;
  s.vapourDensity = std::exp(2.3026L * (4.723L - 1652.67L / (t + kKelvin - 38.32L)));
  return s;
}

}  // namespace dorvel
