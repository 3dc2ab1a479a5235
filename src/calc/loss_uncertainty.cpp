// Permanent pressure loss and flowrate uncertainty.
#include "calc/loss_uncertainty.h"

#include <cmath>

#include "calc/limits.h"

namespace dorvel {

namespace {
bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }
// 2/sqrt(3): a uniformly distributed error to a standard uncertainty.
constexpr Real kUniform = 1.1547L;
}  // namespace

Real pressureLossOf(int deviceType, Real pipeDiameter20, Real C, Real beta) {
  if (!(beta > 0 && beta < 1) || !std::isfinite(C)) return 0;
  const int dev = deviceType;
  if (dev == DevVenturiNozzle || dev == DevVenturiAsCast || dev == DevVenturiMachined ||
      dev == DevVenturiRoughWelded)
    return 0.2L;
  const Real D20 = pipeDiameter20;
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

bool dpTransmitterDeclared(Real error, Real reference) { return error > 0 && reference > 0; }

bool densityUncertaintyDeclared(const UncertaintySources& s, bool compressible) {
  if (!compressible) return s.densityUncertainty > 0;
  return s.densityUncertainty > 0 || s.pressureTransmitterError > 0 ||
         s.temperatureTransmitterError > 0 || s.k1Uncertainty > 0 || s.refDensityUncertainty > 0;
}

Real drainHoleUncertaintyIncrement(Real k, Real dh, Real d20) {
  if (!(dh > 0) || !(d20 > 0)) return 0;
  return 100 * k * (dh / d20) * (dh / d20);
}

UncertaintyInputs uncertaintyInputsOf(const CalculationCase& c, Real dp, Real cEquation) {
  UncertaintyInputs in;
  in.fluidKind = c.fluidKind;
  in.deviceType = c.deviceType;
  in.pipeDiameter20 = c.pipeDiameter20;
  in.beta = c.beta;
  in.expansibility = c.expansibility;
  in.isentropicExponent = c.isentropicExponent;
  in.pressureAt = c.pressureAt;
  in.dp = dp;
  in.cEquation = cEquation;
  in.drainHoleIncrement =
      drainHoleUncertaintyIncrement(c.drainHoleFactor, c.drainHoleDiameter, c.deviceDiameter20);
  UncertaintySources& s = in.sources;
  s.extraC = c.extraCUncertainty;
  s.dpTransmitterError = c.dpTransmitterError;
  s.dpTransmitterReference = c.dpTransmitterReferenceMmH2O;
  s.densityUncertainty = c.densityUncertainty;
  s.pressureTransmitterError = c.pressureTransmitterError;
  s.temperatureTransmitterError = c.temperatureTransmitterError;
  s.k1Uncertainty = c.k1Uncertainty;
  s.refDensityUncertainty = c.refDensityUncertainty;
  return in;
}

UncertaintyBudget flowUncertaintyOf(const UncertaintyInputs& in) {
  UncertaintyBudget r;
  const Real beta = in.beta;
  const bool gas = isCompressible(in.fluidKind);
  const Real p1 = in.pressureAt;
  const Real kappa = in.isentropicExponent;
  const Real dp = in.dp;
  const UncertaintySources& s = in.sources;
  if (!finitePositive(dp) || !(beta > 0 && beta < 1) || !std::isfinite(in.cEquation) ||
      !std::isfinite(in.drainHoleIncrement))
    return r;
  if (gas && (!finitePositive(p1) || !finitePositive(kappa))) return r;

  UncertaintyBudget b;
  // 1. Density.
  b.densityEntered = s.densityUncertainty;
  Real uRho2 = s.densityUncertainty * s.densityUncertainty;
  if (gas) {
    b.pressureTransmitter = kUniform * s.pressureTransmitterError;
    b.temperatureTransmitter = kUniform * s.temperatureTransmitterError;
    b.k1 = s.k1Uncertainty;
    b.refDensity = s.refDensityUncertainty;
    uRho2 += b.pressureTransmitter * b.pressureTransmitter +
             b.temperatureTransmitter * b.temperatureTransmitter + b.k1 * b.k1 +
             b.refDensity * b.refDensity;
  }
  b.density = std::sqrt(uRho2);
  b.densityDeclared = densityUncertaintyDeclared(s, gas);
  // 2. Differential pressure: the transmitter error is a % of its reference
  //    value, and counts only with one.
  b.dpDeclared = dpTransmitterDeclared(s.dpTransmitterError, s.dpTransmitterReference);
  const Real udp = b.dpDeclared ? kUniform * s.dpTransmitterError * s.dpTransmitterReference / dp : 0;
  b.differentialPressure = udp;
  // 3. Diameters: 0.4 % of D and 0.07 % of d times their sensitivity
  //    coefficients (ISO 5167-1:2003 eq. (22)).
  const Real b4 = beta * beta * beta * beta;
  b.pipeDiameter = 0.4L * 2 * b4 / (1 - b4);
  b.deviceDiameter = 0.07L * 2 / (1 - b4);
  // 4. Expansibility.
  Real uEps = 0;
  if (gas) {
    const Real x = dp / (10000 * p1);
    const int dev = in.deviceType;
    switch (dev) {
      case DevOrificeCorner:
      case DevOrificeDD2:
      case DevOrificeFlange:
      case DevEccentricOrifice:
      case DevQuarterCircle:
        uEps = isSmallBoreOrifice(dev, in.pipeDiameter20) ? 4 * x : 3.5L * x / kappa;
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
        uEps = 33 * (1 - in.expansibility);
        break;
      default:
        return r;
    }
  }
  b.expansibility = uEps;
  // 5. Discharge coefficient: the equation, the drain hole and the user's
  //    addition are added linearly, then the combination.
  b.cEquation = in.cEquation;
  b.drainHole = in.drainHoleIncrement;
  b.extraC = s.extraC;
  b.dischargeCoefficient = in.cEquation + in.drainHoleIncrement + s.extraC;
  const Real uc = b.dischargeCoefficient;
  const Real sum = uc * uc + uEps * uEps + b.pipeDiameter * b.pipeDiameter +
                   b.deviceDiameter * b.deviceDiameter + udp * udp / 4 + uRho2 / 4;
  b.total = std::sqrt(sum);
  if (!std::isfinite(b.total) || !std::isfinite(uEps)) return r;
  b.valid = true;
  return b;
}

}  // namespace dorvel
