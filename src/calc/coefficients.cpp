// Device coefficients: thermal expansion, drain hole, discharge coefficient,
// expansibility and the quarter-circle profile radius.
//
// Powers with non-integer exponents are evaluated as exp(y*ln x), as the
// program always has; integer powers (beta^2, beta^4, beta^8 ...) by
// multiplication, which is the same number to the last bit or two.
#include "calc/coefficients.h"

#include <array>
#include <cmath>

#include "calc/device_terms.h"

namespace dorvel {

namespace {

bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }

// x^y for x > 0, written as the program evaluates every power.
Real power(Real x, Real y) { return std::exp(y * std::log(x)); }

// Common logarithm as the program evaluates it: 0.4343*ln x.  The constant
// is log10(e) = 0.434294... rounded to four digits; kept so that the results
// agree with the program's published figures.
Real lg(Real x) { return 0.4343L * std::log(x); }

const Real kLn1e6 = std::log(1e6L);

// Thermal expansion data, Delta L/L in mm/m relative to 20 degC as
// e = (a*tau + b)*tau + c with tau = t/100, and the linear rule that replaces
// it near room temperature: slope*(t - 20)/100 for t <= limit.
struct ExpansionData {
  Real a, b, c;
  Real slope;  // 0: no linear rule
  Real linearUpTo;
};
constexpr std::array<ExpansionData, 7> kExpansion = {{
    {0.05537L, 1.5677L, -0.3326L, 1.65L, 145},  // 1 stainless steel (Cr-Ni)
    {0.0365L, 1.277L, -0.386L, 1.12L, 90},      // 2 carbon steel
    {0, 1.31L, -0.7L, 1, 145},                  // 3 chromium steel
    {0.0628L, 1.681L, -0.365L, 0, 0},           // 4 bronze
    {0.0322L, 1.418L, -0.3357L, 1.43L, 145},    // 5 Monel alloy
    {0.0639L, 2.474L, -0.511L, 0, 0},           // 6 aluminium
    {0, 2.25L, -0.45L, 0, 0},                   // 7 hot-rolled brass
}};

// Uncertainty of the Reader-Harris/Gallagher C, ISO 5167-2:2003 5.3.3.1.
Real orificeBaseUncertainty(Real beta) {
  if (beta < 0.2L) return 0.7L - beta;
  if (beta <= 0.6L) return 0.5L;
  return 1.667L * beta - 0.5L;
}

}  // namespace

// ---- geometry -----------------------------------------------------------------------

Real thermalExpansionFactor(int material, Real t) {
  if (material < 1 || material > 7 || !std::isfinite(t)) return 1;
  const ExpansionData& m = kExpansion[static_cast<std::size_t>(material - 1)];
  const Real tau = t / 100;
  Real e = (m.a * tau + m.b) * tau + m.c;
  if (e < 0) e = 0;
  // Stainless, chromium steel and Monel below 145 degC, carbon steel below
  // 90 degC: the linear rule (negative below 20 degC, not clamped).
  if (m.slope != 0 && t <= m.linearUpTo) e = m.slope * (t - 20) / 100;
  return 1 + e / 1000;
}

void expansionFactors(CalculationCase& c) {
  c.pipeExpansionFactor = thermalExpansionFactor(c.pipeMaterial, c.temperature);
  c.deviceExpansionFactor = thermalExpansionFactor(c.deviceMaterial, c.temperature);
  c.pipeDiameter = c.pipeExpansionFactor * c.pipeDiameter20;
}

Real drainHoleFactorOf(int deviceType) {
  if (isOrificePlate(deviceType)) return 0.55L;
  if (deviceType == DevIsa1932Nozzle) return 0.40L;
  return 0;
}

bool deviceGeometry(CalculationCase& c) {
  c.drainHoleFactor = drainHoleFactorOf(c.deviceType);
  if (c.drainHoleFactor == 0) c.drainHoleDiameter = 0;
  if (!finitePositive(c.deviceDiameter20) || !finitePositive(c.pipeDiameter)) {
    c.deviceDiameter = 0;
    c.beta = 0;
    return false;
  }
  const Real r = c.drainHoleDiameter / c.deviceDiameter20;
  c.deviceDiameter = c.deviceDiameter20 * (1 + c.drainHoleFactor * r * r) * c.deviceExpansionFactor;
  c.beta = c.deviceDiameter / c.pipeDiameter;
  if (!std::isfinite(c.beta)) {
    c.deviceDiameter = 0;
    c.beta = 0;
    return false;
  }
  return true;
}

Real quarterCircleRadiusRatio(Real beta) {
  if (!std::isfinite(beta)) return 0;
  return 3.17e-6L * std::exp(16.8L * beta) + 0.0554L * std::exp(1.016L * beta) + 0.029L;
}

// ---- discharge coefficient ----------------------------------------------------------

namespace detail {

void prepareDeviceTerms(const CalculationCase& c, Real beta, DeviceTerms& t) {
  t = DeviceTerms{};
  const int dev = c.deviceType;
  const Real D = c.pipeDiameter;      // at t, in the equations
  const Real D20 = c.pipeDiameter20;  // range tests
  if (dev < 1 || dev > 12 || !(beta > 0 && beta < 1) || !finitePositive(D) ||
      !finitePositive(D20))
    return;
  t.reFactor = 1;
  if (c.task == TaskDiameter && !c.rangeMode) {
    t.reFactor = c.nominalPercent / 100;
    if (!finitePositive(t.reFactor)) return;
  }
  t.beta = beta;
  const Real b2 = beta * beta;
  const Real b3 = b2 * beta;
  const Real b4 = b2 * b2;
  const Real b8 = b4 * b4;
  const Real lnBeta = std::log(beta);
  const bool smallBore = isSmallBoreOrifice(dev, D20);

  switch (dev) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
      if (smallBore) {
        // ASME MFC-14M-2003, small-bore orifices, Di in inches.
        const Real Di = D / 25.4L;
        const Real root = std::sqrt(1 - b4);
        const Real b12 = b8 * b4, b16 = b8 * b8;
        if (dev == DevOrificeCorner) {
          t.equation = CEquation::AsmeCorner;
          t.c0 = root * (0.5991L + 0.0044L / Di + (0.3155L + 0.0175L / Di) * (b4 + 2 * b16));
          t.kRe = root * ((0.52L / Di - 0.192L) + (16.48L - 1.16L / Di) * (b4 + 4 * b16));
        } else {
          t.equation = CEquation::AsmeFlange;
          t.c0 = root * (0.598L + 0.468L * (b4 + 10 * b12));
          t.kRe = root * (0.87L + 8.1L * b4);
        }
        t.u0 = 0.75L;
      } else {
        // Reader-Harris/Gallagher, ISO 5167-2:2003 eq. (4).
        t.equation = CEquation::ReaderHarrisGallagher;
        Real L1 = 0, L2 = 0;  // corner tappings
        if (dev == DevOrificeDD2) {
          L1 = 1;
          L2 = 0.47L;
        } else if (dev == DevOrificeFlange) {
          L1 = L2 = 25.4L / D;
        }
        const Real M2 = 2 * L2 / (1 - beta);
        const Real downstream =
            M2 > 0 ? -0.031L * (M2 - 0.8L * power(M2, 1.1L)) * power(beta, 1.3L) : Real(0);
        t.c0 = 0.5961L + 0.0261L * b2 - 0.216L * b8 + downstream;
        if (D < 71.12L) t.c0 += 0.011L * (0.75L - beta) * (2.8L - D / 25.4L);
        t.tapUpstream = (0.043L + 0.080L * std::exp(-10 * L1) - 0.123L * std::exp(-7 * L1)) *
                        b4 / (1 - b4);
        t.lnBeta1e6 = kLn1e6 + lnBeta;
        t.lnBeta19000 = std::log(19000 * beta);
        t.beta35 = std::exp(3.5L * lnBeta);
        t.u0 = orificeBaseUncertainty(beta);
        if (D < 71.12L) t.u0 += 0.9L * (0.75L - beta) * (2.8L - D / 25.4L);
        if (dev == DevOrificeCorner && D20 >= 25 && D20 < 50) t.u0 += 0.5L;
        t.lowReAdd = beta > 0.5L;
      }
      break;
    case DevEccentricOrifice: {
      // ISO/TR 15377:2018, eccentric orifice, with the roughness factor.
      const Real k = c.eccentricRoughness;
      if (!std::isfinite(k) || k < 0) return;
      t.equation = CEquation::Constant;
      const Real C0 = 0.9355L - 1.6889L * beta + 3.0428L * b2 - 1.7989L * b3;
      Real r = k / D;
      if (r > 0.0025L) r = 0.0025L;
      Real F = 1;
      if (r >= 0.0003L) {
        const Real lgr = lg(r);
        F = 1.032L + 0.0178L * lgr + 0.0939L * b2 + 0.0126L * b2 * lgr;
        if (F < 1) F = 1;
      }
      t.c0 = C0 * F;
      t.u0 = beta > 0.75L ? Real(2.0L) : Real(1.0L);
      break;
    }
    case DevIsa1932Nozzle:
      // ISO 5167-3:2003 eq. (5).
      t.equation = CEquation::Isa1932;
      t.c0 = 0.9900L - 0.2262L * std::exp(4.1L * lnBeta);
      t.kRe = 0.00175L * b2 - 0.0033L * std::exp(4.15L * lnBeta);
      t.u0 = beta <= 0.6L ? Real(0.8L) : 2 * beta - 0.4L;
      break;
    case DevLongRadiusNozzle:
      // ISO 5167-3:2003 eq. (6).
      t.equation = CEquation::LongRadius;
      t.c0 = 0.9965L;
      t.kRe = 0.00653L * std::exp(0.5L * lnBeta);
      t.u0 = 2.0L;
      break;
    case DevVenturiNozzle:
      // ISO 5167-3:2003 eq. (8).
      t.equation = CEquation::Constant;
      t.c0 = 0.9858L - 0.196L * std::exp(4.5L * lnBeta);
      t.u0 = 1.2L + 1.5L * b4;
      break;
    case DevQuarterCircle:
      // ISO/TR 15377:2018, quarter-circle orifice.
      t.equation = CEquation::Constant;
      t.c0 = 0.73823L + 0.3309L * beta - 1.1615L * b2 + 1.5084L * b3;
      t.u0 = beta <= 0.316L ? Real(2.5L) : Real(2.0L);
      break;
    case DevVenturiAsCast:
      t.equation = CEquation::Constant;
      t.c0 = 0.984L;
      t.u0 = 0.7L;
      break;
    case DevVenturiMachined:
      t.equation = CEquation::VenturiMachined;
      t.c0 = 0.995L;
      t.u0 = 1.0L;
      break;
    case DevVenturiRoughWelded:
      t.equation = CEquation::Constant;
      t.c0 = 0.985L;
      t.u0 = 1.5L;
      break;
    case DevConicalEntrance:
      t.equation = CEquation::Constant;
      t.c0 = 0.734L;
      t.u0 = 2.0L;
      break;
    default:
      return;
  }

  t.reynoldsLimits = reynoldsLimitsOf(dev, beta, D, D20);
  t.roughnessFromTable = isOrificePlate(dev) && !smallBore;
  if (!t.roughnessFromTable) t.roughnessFactor = roughnessLimitFactorOf(dev, D20, beta, 0);
  t.lengths = requiredStraightLengths(c, beta);
  t.lengthCheck =
      checkStraightLengths(t.lengths, c.upstreamLengthActual, c.downstreamLengthActual, D20);
  t.valid = std::isfinite(t.c0) && std::isfinite(t.kRe) && std::isfinite(t.tapUpstream);
}

namespace {

SolverStatus clearCoefficients(CalculationCase& c) {
  c.dischargeCoefficient = 0;
  c.cUncertainty = 0;
  c.roughnessLimitFactor = 0;
  c.upstreamLengthRequired = 0;
  c.upstreamLengthB = 0;
  c.downstreamLengthRequired = 0;
  c.downstreamLengthB = 0;
  return SolverStatus::NoSolution;
}

}  // namespace

SolverStatus evaluateDeviceTerms(CalculationCase& c, const DeviceTerms& t, Real reynolds) {
  if (!t.valid) return clearCoefficients(c);
  const Real re = reynolds * t.reFactor;  // Re_c
  if (!finitePositive(re)) return clearCoefficients(c);

  Real C = t.c0;
  switch (t.equation) {
    case CEquation::ReaderHarrisGallagher: {
      // 0.000521 (1e6 beta/Re)^0.7 + (0.0188 + 0.0063 A) beta^3.5 (1e6/Re)^0.3
      //   + (0.043 + 0.080 e^-10L1 - 0.123 e^-7L1)(1 - 0.11 A) beta^4/(1 - beta^4),
      // A = (19000 beta/Re)^0.8; each power as exp(y*(ln(numerator) - ln Re)).
      const Real lnRe = std::log(re);
      const Real A = std::exp(0.8L * (t.lnBeta19000 - lnRe));
      C += 0.000521L * std::exp(0.7L * (t.lnBeta1e6 - lnRe)) +
           (0.0188L + 0.0063L * A) * t.beta35 * std::exp(0.3L * (kLn1e6 - lnRe)) +
           t.tapUpstream * (1 - 0.11L * A);
      break;
    }
    case CEquation::AsmeCorner:
    case CEquation::AsmeFlange:
      // sqrt((1 - beta^4)/Re) * [...] = kRe / sqrt(Re)
      C += t.kRe / std::sqrt(re);
      break;
    case CEquation::Isa1932:
      // - (0.00175 beta^2 - 0.0033 beta^4.15) (1e6/Re)^1.15
      C -= t.kRe * std::exp(1.15L * (kLn1e6 - std::log(re)));
      break;
    case CEquation::LongRadius:
      // - 0.00653 beta^0.5 (1e6/Re)^0.5
      C -= t.kRe * std::exp(0.5L * (kLn1e6 - std::log(re)));
      break;
    case CEquation::VenturiMachined:
      if (re > 1e6L) C = 1.000L;
      break;
    case CEquation::Constant:
      break;
  }
  if (!std::isfinite(C)) return clearCoefficients(c);

  c.dischargeCoefficient = C;
  Real u = t.u0;
  if (t.lowReAdd && re < 10000) u += 0.5L;
  if (t.lengthCheck.addUncertainty) u += 0.5L;
  c.cUncertainty = u;
  c.reynoldsMin = t.reynoldsLimits.min;
  if (t.reynoldsLimits.hasMax) c.reynoldsMax = t.reynoldsLimits.max;
  c.roughnessLimitFactor =
      t.roughnessFromTable ? orificeRoughnessTable(t.beta, re) * kPi : t.roughnessFactor;
  c.upstreamLengthRequired = t.lengths.upstreamA;
  c.upstreamLengthB = t.lengths.upstreamB;
  c.downstreamLengthRequired = t.lengths.downstreamA;
  c.downstreamLengthB = t.lengths.downstreamB;
  return t.lengthCheck.status;
}

// ---- expansibility ------------------------------------------------------------------

void prepareExpansibility(const CalculationCase& c, Real kappa, Real beta, ExpansibilityTerms& e) {
  e = ExpansibilityTerms{};
  switch (c.deviceType) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
    case DevEccentricOrifice:
    case DevQuarterCircle:
      e.family = EpsFamily::Orifice;
      break;
    case DevIsa1932Nozzle:
    case DevLongRadiusNozzle:
    case DevVenturiNozzle:
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded:
      e.family = EpsFamily::Nozzle;
      break;
    case DevConicalEntrance:
      e.family = EpsFamily::Conical;
      break;
    default:
      return;
  }
  if (!finitePositive(kappa) || !(beta > 0 && beta < 1)) return;
  if (e.family != EpsFamily::Orifice && kappa == 1) return;
  e.xFactor = 1;
  if (c.task == TaskDiameter && !c.rangeMode) {
    const Real n = c.nominalPercent / 100;
    e.xFactor = n * n;
    if (!std::isfinite(e.xFactor)) return;
  }
  e.kappa = kappa;
  e.beta4 = beta * beta * beta * beta;
  e.orificeK = 0.351L + 0.256L * e.beta4 + 0.93L * e.beta4 * e.beta4;
  e.valid = true;
}

bool evaluateExpansibility(const ExpansibilityTerms& e, Real dp, Real p1, Real& eps) {
  if (!e.valid || !std::isfinite(dp) || dp < 0 || !finitePositive(p1)) return false;
  const Real x = dp / (10000 * p1) * e.xFactor;
  if (!std::isfinite(x) || x >= 1) return false;
  const Real tau = 1 - x;
  const Real lnTau = std::log(tau);
  const Real k = e.kappa;

  Real orifice = 1, nozzle = 1;
  if (e.family != EpsFamily::Nozzle) {
    // ISO 5167-2:2003 eq. (5)
    orifice = 1 - e.orificeK * (1 - std::exp(lnTau / k));
  }
  if (e.family != EpsFamily::Orifice && x >= 0.001L) {
    // ISO 5167-3:2003 eq. (3); below x = 0.001 the factor is taken as 1.
    const Real tau2k = std::exp(2 / k * lnTau);
    const Real arg = (k * tau2k / (k - 1)) * ((1 - e.beta4) / (1 - e.beta4 * tau2k)) *
                     ((1 - std::exp((k - 1) / k * lnTau)) / (1 - tau));
    if (!(arg >= 0)) return false;
    nozzle = std::sqrt(arg);
  }
  Real r = e.family == EpsFamily::Orifice  ? orifice
           : e.family == EpsFamily::Nozzle ? nozzle
                                           : (orifice + nozzle) / 2;
  if (!std::isfinite(r)) return false;
  eps = r;
  return true;
}

}  // namespace detail

SolverStatus deviceCoefficients(CalculationCase& c, Real beta, Real reynolds) {
  detail::DeviceTerms t;
  detail::prepareDeviceTerms(c, beta, t);
  return detail::evaluateDeviceTerms(c, t, reynolds);
}

Real expansibilityFactor(const CalculationCase& c, Real kappa, Real beta, Real dp, Real p1) {
  detail::ExpansibilityTerms e;
  detail::prepareExpansibility(c, kappa, beta, e);
  Real eps = 1;
  if (!detail::evaluateExpansibility(e, dp, p1, eps)) return 1;
  return eps;
}

}  // namespace dorvel
