// Permanent pressure loss and flowrate uncertainty.
#include "calc/loss_uncertainty.h"

#include <cmath>

#include "calc/limits.h"

namespace dorvel {

namespace {
bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }
}  // namespace

Real pressureLossOf(const CalculationCase& c, Real C, Real beta) {
  if (!(beta > 0 && beta < 1) || !std::isfinite(C)) return 0;
  const int dev = c.deviceType;
  if (dev == DevVenturiNozzle || dev == DevVenturiAsCast || dev == DevVenturiMachined ||
      dev == DevVenturiRoughWelded)
    return 0.2L;
  const Real D20 = c.pipeDiameter20;
  const Real b2 = beta * beta, b4 = b2 * b2;
  Real ratio;
  if ((dev == DevOrificeCorner && D20 >= 25) || (dev != DevOrificeCorner && D20 >= 50)) {
    // ISO 5167-2:2003 eq. (7): Delta omega/Delta p.
    const Real S = std::sqrt(1 - b4 * (1 - C * C));
    ratio = (S - C * b2) / (S + C * b2);
  } else {
    const Real Y = C * b2 / std::sqrt(1 - b4);
    ratio = (1 - Y) / (1 + Y);
  }
  return std::isfinite(ratio) ? ratio : Real(0);
}

FlowUncertainty flowUncertaintyOf(const CalculationCase& c, Real dp, Real uC) {
  FlowUncertainty r;
  const Real beta = c.beta;
  const bool gas = isCompressible(c.fluidKind);
  const Real p1 = c.pressureAt;
  const Real kappa = c.isentropicExponent;
  if (!finitePositive(dp) || !(beta > 0 && beta < 1) || !std::isfinite(uC)) return r;
  if (gas && (!finitePositive(p1) || !finitePositive(kappa))) return r;

  const Real k = 1.1547L;  // 2/sqrt(3): a uniformly distributed error to a standard uncertainty
  // 1. Density.
  Real uRho2 = c.densityUncertainty * c.densityUncertainty;
  if (gas) {
    const Real up = k * c.pressureTransmitterError;
    const Real ut = k * c.temperatureTransmitterError;
    uRho2 += up * up + ut * ut + c.k1Uncertainty * c.k1Uncertainty +
             c.refDensityUncertainty * c.refDensityUncertainty;
  }
  // 2. Differential pressure: the transmitter error is a % of its reference value.
  const Real udp = k * c.dpTransmitterError * c.dpTransmitterReferenceMmH2O / dp;
  // 3. Diameters: 0.4 % of D and 0.07 % of d times their sensitivity coefficients
  //    (ISO 5167-1:2003 eq. (22)).
  const Real b4 = beta * beta * beta * beta;
  const Real uD = 0.4L * 2 * b4 / (1 - b4);
  const Real ud = 0.07L * 2 / (1 - b4);
  // 4. Expansibility.
  Real uEps = 0;
  if (gas) {
    const Real x = dp / (10000 * p1);
    const int dev = c.deviceType;
    const Real D20 = c.pipeDiameter20;
    switch (dev) {
      case DevOrificeCorner:
      case DevOrificeDD2:
      case DevOrificeFlange:
      case DevEccentricOrifice:
      case DevQuarterCircle:
        uEps = isSmallBoreOrifice(dev, D20) ? 4 * x : 3.5L * x / kappa;
        break;
      case DevIsa1932Nozzle:
      case DevLongRadiusNozzle:
        uEps = 2 * x;
        break;
      case DevVenturiNozzle:
      case DevVenturiAsCast:
      case DevVenturiMachined:
      case DevVenturiRoughWelded:
        uEps = (4 + 100 * b4 * b4) * x;
        break;
      case DevConicalEntrance:
        uEps = 33 * (1 - c.expansibility);
        break;
      default:
        return r;
    }
  }
  // 5. Combination.
  const Real uc = uC + c.extraCUncertainty;
  const Real sum = uc * uc + uEps * uEps + uD * uD + ud * ud + udp * udp / 4 + uRho2 / 4;
  const Real u = std::sqrt(sum);
  if (!std::isfinite(u) || !std::isfinite(uEps)) return r;
  r.expansibility = uEps;
  r.flow = u;
  r.valid = true;
  return r;
}

}  // namespace dorvel
