// Density of a liquid carried from 20 degC to the working temperature.
#include "props/liquids.h"

#include <cmath>

namespace dorvel {

Real liquidDensityAtTemperature(Real density20, Real expansionBt, Real t) {
  const Real volumeRatio = 1 + expansionBt * (t - 20);
  const Real rho = density20 / volumeRatio;
  if (!std::isfinite(rho) || !(volumeRatio > 0)) return 0;
  return rho;
}

}  // namespace dorvel
